// The condition builders with the statements they make, run on a database with the
// program's tables: whatever is typed, a statement is never cut or broken, and a quoted
// value matches exactly the product that holds it.
#include "data/app_state.h"
#include "data/field_catalogue.h"
#include "data/input_rules.h"
#include "data/query_builders.h"
#include "data/search_conditions.h"
#include "fuzz/fuzz_support.h"
#include "platform/connection.h"

using namespace solario;

namespace {

struct Fixture {
    AppState s;
    Connection c;
    Fixture() {
        InitFieldCatalogue(s);
        InitSpecialChars(s);
        if (!c.OpenScratch())
            fuzz::Broken("no scratch database");
        for (const QString& table : {kMaterialTable, kContainingTable, kNonContainingTable})
            if (!c.ExecuteBound(CreateMaterialTableSql(table), {}))
                fuzz::Broken("cannot create the tables");
        c.ExecuteBound(
            QStringLiteral("INSERT INTO アスベスト建材情報マスタ (ID, 商品名, 生産時のメーカー名) "
                           "VALUES ('1', 'スレート', '架空工業')"),
            {});
    }
    qint64 Count(const QString& where, const QString& input) {
        Recordset rs;
        const Status opened = rs.Open(
            QStringLiteral("SELECT count(*) FROM アスベスト建材情報マスタ WHERE ") + where, c);
        if (!opened) {
            // A NUL that reached a statement is refused whole, never cut.
            if (where.contains(QChar(0)) && opened.error().contains(QStringLiteral("NUL")))
                return -1;
            fuzz::Broken("a built condition did not run",
                         input + u'\n' + where + u'\n' + opened.error());
        }
        return rs.Field(0).ToInteger();
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Fixture f;
    const QString text = fuzz::Text(data, size);

    // The name search's conditions, as its screen builds them from an allowed text.
    if (IsTextAllowed(f.s, text)) {
        const QString value = ConditionText(f.s, text);
        if (!value.isEmpty()) {
            f.Count(MakerCondition(value), text);
            f.Count(LikeCondition(QStringLiteral("商品名"), value), text);
            f.Count(QStringLiteral("(建材名（一般名） = '") + value + QStringLiteral("')"), text);
        }
    }
    // A combo's text is escaped whatever it holds.
    f.Count(QStringLiteral("(不燃材料認定番号（種類） = '") + ConditionText(f.s, text) +
                QStringLiteral("')"),
            text);

    // A value from the database, quoted: it finds its own product and no other.
    if (!f.c.ExecuteBound(
            QStringLiteral("INSERT INTO アスベスト建材情報マスタ (ID, 商品名) VALUES ('fuzz', ?)"),
            {text}))
        fuzz::Broken("cannot store the value");
    const qint64 matches =
        f.Count(QStringLiteral("ID = 'fuzz' AND 商品名 = ") + QuoteSqlText(text), text);
    f.c.ExecuteBound(QStringLiteral("DELETE FROM アスベスト建材情報マスタ WHERE ID = 'fuzz'"), {});
    if (matches != 1)
        fuzz::Broken("a quoted value did not find its product", text);

    // Years as the searches read them.
    const QString year = NormalizeYearText(text);
    if (CheckYearRange(year, QString(), false).ok())
        if (const QString where = BuildYearRangeWhere(year, QString(), 2); !where.isEmpty())
            f.Count(where, text);
    return 0;
}
