#pragma once

#include <QString>
#include <QStringList>

namespace solario {

// The two routes to a result list, and the title each gives the screens and reports.
enum class SearchRoute { None, ByName, ByUsage };
QString RouteTitle(SearchRoute route);

// The sentence of every notice and no-hit report; a carriage return breaks its line.
inline const QString kNoHitSentence = QStringLiteral(
    "入力条件に該当する石綿（アスベスト）含有建材は\r本データベース中にはありません。");

// Why a material might still contain asbestos when the search found nothing: every
// no-hit notice shows it, and its print carries it, so that neither can be read as
// "free of asbestos".
inline const QString kCautionHeadline =
    QStringLiteral("以下のような場合には、石綿（アスベスト）含有建材である可能性を否定できませんので"
                   "ご注意ください。");
inline const QStringList kCautionCases = {
    QStringLiteral("１．データベースに登録されていない建材を用いている場合"),
    QStringLiteral("２．想定されていない施工部位・使われ方に用いられている場合"),
    QStringLiteral("３．製造終了後、想定される流通期間を超えて建材が用いられている場合")};

// The year field that a refusal puts the focus on.
enum class YearField { Start, End };

// The outcome of the year check: message 0 when the years can be searched.
struct YearCheck {
    int message = 0;
    YearField field = YearField::Start;
    bool ok() const { return message == 0; }
};

// Checks the years a search reads (trimmed, half-width digits, or empty), in order:
// none given while one is required (message 1), a year that is not a whole number
// (message 2, at its field), an end before the start (message 3).
YearCheck CheckYearRange(const QString& start, const QString& end, bool required);

// "(製造終了 >= start AND 製造開始 <= end)": products made during the years, the start
// widened by `widenBy` years for the time a product stays on sale; an open end stands
// as 0 or 9999. Empty when neither year is given.
QString BuildYearRangeWhere(const QString& start, const QString& end, int widenBy);

// The usage condition: detached houses, and the years when any is given (the start year
// widened by one).
QString BuildUsageWhere(const QString& startYear, const QString& endYear);

// "(column LIKE '%text%')": a partial match.
QString LikeCondition(const QString& column, const QString& text);
// A partial match on either maker: the present one or the one that made the product.
QString MakerCondition(const QString& maker);

} // namespace solario
