#include "data/search_conditions.h"

#include "data/input_rules.h"

namespace solario {

QString RouteTitle(SearchRoute route) {
    switch (route) {
    case SearchRoute::ByName:
        return QStringLiteral("建材名称等からの検索");
    case SearchRoute::ByUsage:
        return QStringLiteral("使用状態からの検索");
    case SearchRoute::None:
        break;
    }
    return QString();
}

YearCheck CheckYearRange(const QString& start, const QString& end, bool required) {
    if (required && start.isEmpty() && end.isEmpty())
        return {1, YearField::Start};
    // A year that is not a whole number can still get here (the search key pressed from
    // another field after the year check): refuse it rather than build a broken condition.
    if (!start.isEmpty() && !IsWholeYear(start))
        return {2, YearField::Start};
    if (!end.isEmpty() && !IsWholeYear(end))
        return {2, YearField::End};
    if (!start.isEmpty() && !end.isEmpty() && end.toInt() < start.toInt())
        return {3, YearField::Start};
    return {};
}

QString BuildYearRangeWhere(const QString& start, const QString& end, int widenBy) {
    if (start.isEmpty() && end.isEmpty())
        return QString();
    const QString from =
        start.isEmpty() ? QStringLiteral("0") : QString::number(start.toInt() - widenBy);
    return QStringLiteral("(製造終了 >= ") + from + QStringLiteral(" AND ") +
           QStringLiteral("製造開始 <= ") + (end.isEmpty() ? QStringLiteral("9999") : end) + u')';
}

QString BuildUsageWhere(const QString& startYear, const QString& endYear) {
    QString w = QStringLiteral("(建物の種類（戸建住宅）= True)");
    const QString years =
        BuildYearRangeWhere(NormalizeYearText(startYear), NormalizeYearText(endYear), 1);
    if (!years.isEmpty())
        w += QStringLiteral(" AND ") + years;
    return w;
}

QString LikeCondition(const QString& column, const QString& text) {
    return u'(' + column + QStringLiteral(" LIKE '%") + text + QStringLiteral("%')");
}

QString MakerCondition(const QString& maker) {
    return u'(' + LikeCondition(QStringLiteral("現在のメーカー名"), maker) +
           QStringLiteral(" OR ") + LikeCondition(QStringLiteral("生産時のメーカー名"), maker) +
           u')';
}

} // namespace solario
