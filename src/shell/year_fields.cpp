#include "shell/year_fields.h"

#include "data/input_rules.h"
#include "data/query_builders.h"
#include "shell/message_boxes.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>

namespace solario {

bool LoadYearCombos(const AppState& s, Platform& platform, QComboBox& start, QComboBox& end) {
    Status years = s.MainConnection ? Status() : Status(Failure{kNotConnected});
    std::unique_ptr<Recordset> rs;
    QStringList startYears, endYears;
    if (years)
        years = FillYearCombo(s, *s.MainConnection, rs, QStringLiteral("製造開始"), startYears,
                              QString(), QStringLiteral("ASC"));
    if (years)
        years = FillYearCombo(s, *s.MainConnection, rs, QStringLiteral("製造終了"), endYears,
                              QString(), QStringLiteral("DESC"));
    start.addItems(startYears);
    end.addItems(endYears);
    start.setEditText(QString());
    end.setEditText(QString());
    if (!years)
        ShowFailure(platform, QStringLiteral("製造年の一覧を読み込めませんでした。"),
                    years.error());
    return years.ok();
}

bool LeaveYearField(const AppState& s, Platform& platform, QLineEdit& field, QComboBox& combo) {
    combo.setEditText(field.text());
    if (CheckDigitsExact(platform, combo.currentText(), 4, s.Messages[2]))
        return true;
    field.setFocus();
    return false;
}

bool CommitYearInFocus(const AppState& s, Platform& platform,
                       std::initializer_list<YearBox> fields) {
    for (const YearBox& f : fields)
        if (f.field->window()->focusWidget() == f.field)
            return LeaveYearField(s, platform, *f.field, *f.combo);
    return true;
}

QString SearchYear(const QComboBox& combo) {
    return ToHalfWidthDigits(TrimBlanks(ComboYearText(combo.currentText())));
}

bool IsLostFocus(const QEvent* event) {
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace solario
