#include "data/app_state.h"

#include "data/report_data.h"

namespace solario {

namespace {

int IdColumn(const KeyedRecordset& list) {
    return list.FieldIndex(QStringLiteral("ID"));
}

} // namespace

qint32 ListIdView::size() const {
    return list_ && list_->IsOpen() ? list_->RecordCount() + 1 : 0;
}

QString ListIdView::value(qint32 index) const {
    if (!list_ || !list_->IsOpen() || index < 0 || index >= list_->RecordCount())
        return QString();
    return list_->ValueText(index, IdColumn(*list_));
}

QStringList ListIdView::ToList() const {
    QStringList ids;
    if (!list_ || !list_->IsOpen())
        return ids;
    const int column = IdColumn(*list_);
    for (qint32 i = 0; i < list_->RecordCount(); ++i)
        ids.append(list_->ValueText(i, column));
    ids.append(QString());
    return ids;
}

AppState::AppState() = default;
AppState::~AppState() = default;

} // namespace solario
