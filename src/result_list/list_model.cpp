#include "result_list/list_model.h"

namespace solario {

ListModel::ListModel(QObject* parent)
    : QAbstractTableModel(parent), checked_(QStringLiteral(":/images/checked.png")),
      unchecked_(QStringLiteral(":/images/unchecked.png")) {}

void ListModel::Bind(const KeyedRecordset* recordset, int columns) {
    beginResetModel();
    rs_ = recordset;
    columns_ = columns;
    alignments_.fill(Qt::AlignLeft | Qt::AlignVCenter, columns);
    ticked_ = 0;
    endResetModel();
}

void ListModel::SetAlignment(int column, Qt::Alignment alignment) {
    if (column >= 0 && column < alignments_.size())
        alignments_[column] = alignment;
}

void ListModel::SetTickedRow(qint32 gridRow) {
    const qint32 old = ticked_;
    ticked_ = gridRow;
    for (qint32 r : {old, gridRow})
        if (r > 0 && r <= rowCount())
            emit dataChanged(index(r - 1, 0), index(r - 1, 0), {Qt::DecorationRole});
}

QString ListModel::CellText(qint32 gridRow, int gridColumn) const {
    if (!rs_ || gridColumn < 1)
        return QString();
    return rs_->ValueText(gridRow - 1, gridColumn - 1);
}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !rs_ ? 0 : rs_->RecordCount();
}

int ListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_;
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return QVariant();
    if (index.column() == 0) {
        if (role == Qt::DecorationRole)
            return index.row() + 1 == ticked_ ? checked_ : unchecked_;
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        return QVariant();
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return CellText(index.row() + 1, index.column());
    case Qt::TextAlignmentRole:
        return int(alignments_.value(index.column(), Qt::AlignLeft | Qt::AlignVCenter));
    default:
        return QVariant();
    }
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || !rs_ || section < 1 ||
        section > rs_->FieldCount())
        return QVariant();
    return rs_->FieldName(section - 1);
}

} // namespace solario
