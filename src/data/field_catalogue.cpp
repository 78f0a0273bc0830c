#include "data/field_catalogue.h"

namespace solario {
namespace {

struct Row {
    const char16_t* name;
    const char16_t* kind;
    qint16 width;
};

// clang-format off
constexpr Row kCatalogue[] = {
    {u"建材名（一般名）", u"S", 2200},
    {u"商品名", u"S", 1700},
    {u"型番・品番", u"S", 900},
    {u"生産時のメーカー名", u"S", 1700},
    {u"製造開始", u"N", 1000},
    {u"製造終了", u"N", 400},
    {u"石綿含有率", u"S", 900},
    {u"石綿の種類", u"S", 1000},
    {u"不燃材料認定番号（種類）", u"S", 1700},
    {u"不燃材料認定番号（番号）", u"S", 1000},
    {u"現在のメーカー名", u"S", 0},
    {u"俗称", u"S", 0},
    {u"素材（セメント・窯業系）", u"S", 0},
    {u"素材（繊維系）", u"S", 0},
    {u"素材（プラスティック等樹脂系）", u"S", 0},
    {u"素材（アスファルト系）", u"S", 0},
    {u"形状・外観（綿状）", u"S", 0},
    {u"形状・外観（ボード状厚さmm）", u"N", 0},
    {u"形状・外観（ボード状標準寸法mm）", u"N", 0},
    {u"形状・外観（巻物厚さmm）", u"N", 0},
    {u"形状・外観（巻物標準寸法mm）", u"N", 0},
    {u"建物の種類（戸建住宅）", u"B", 0},
    {u"建物の種類（共同住宅）", u"B", 0},
    {u"建物の種類（学校・幼稚園等）", u"B", 0},
    {u"建物の種類（店舗・ビル）", u"B", 0},
    {u"建物の種類（劇場・デパート等）", u"B", 0},
    {u"建物の種類（工場）", u"B", 0},
    {u"建物の種類（倉庫）", u"B", 0},
    {u"外装材（屋根）", u"B", 0},
    {u"外装材（外壁）", u"B", 0},
    {u"外装材（軒天井・ピロティ）", u"B", 0},
    {u"外装材（ベランダ隔壁）", u"B", 0},
    {u"外装材（外装目地）", u"B", 0},
    {u"外装材（その他）", u"B", 0},
    {u"内装材（居室天井）", u"B", 0},
    {u"内装材（居室壁）", u"B", 0},
    {u"内装材（間仕切り）", u"B", 0},
    {u"内装材（床）", u"B", 0},
    {u"内装材（台所天井）", u"B", 0},
    {u"内装材（台所壁）", u"B", 0},
    {u"内装材（トイレ天井）", u"B", 0},
    {u"内装材（トイレ壁）", u"B", 0},
    {u"内装材（浴室天井）", u"B", 0},
    {u"内装材（浴室壁）", u"B", 0},
    {u"内装材（廊下天井）", u"B", 0},
    {u"内装材（廊下壁）", u"B", 0},
    {u"内装材（駐車場天井）", u"B", 0},
    {u"内装材（ユニット類）", u"B", 0},
    {u"内装材（巾木）", u"B", 0},
    {u"内装材（階段裏）", u"B", 0},
    {u"内装材（その他）", u"B", 0},
    {u"耐火被覆材（鉄骨柱はり）", u"B", 0},
    {u"耐火被覆材（デッキプレート）", u"B", 0},
    {u"耐火被覆材（カーテンウォール裏打ち）", u"B", 0},
    {u"耐火被覆材（その他）", u"B", 0},
    {u"設備（煙突）", u"B", 0},
    {u"設備（臭気抜き）", u"B", 0},
    {u"設備（給排水管）", u"B", 0},
    {u"その他（その他の部位）", u"B", 0},
    {u"施工方法（吹き付け）", u"B", 0},
    {u"施工方法（金具）", u"B", 0},
    {u"施工方法（塗り）", u"B", 0},
    {u"施工方法（その他）", u"B", 0},
    {u"施工方法（その他の内容）", u"S", 0},
    {u"使われ方（仕上げ材）", u"B", 0},
    {u"使われ方（下地材）", u"B", 0},
    {u"販売地域", u"S", 0},
    {u"会社名マーク", u"S", 0},
    {u"商品名内容", u"S", 0},
    {u"ＪＩＳ許可番号", u"S", 0},
    {u"その他ロット番号等", u"S", 0},
    {u"aマーク", u"S", 0},
    {u"不燃材料認定番号有無", u"S", 0},
    {u"カタログの有無（有・無）", u"B", 0},
    {u"写真の有無（有・無）", u"B", 0},
    {u"固有の見分け方", u"S", 0},
    {u"無石綿製品名など", u"S", 0},
    {u"相談窓口（関係団体名称）", u"S", 0},
    {u"相談窓口（関係団体電話）", u"S", 0},
    {u"相談窓口（メーカー名称）", u"S", 0},
    {u"相談窓口（メーカー電話）", u"S", 0},
    {u"備考欄", u"S", 0},
    {u"ID", u"S", 0},
};
// clang-format on

constexpr int kUsedRows = int(std::size(kCatalogue));
static_assert(kUsedRows == 83);

} // namespace

namespace {

struct Flag {
    FlagGroup group;
    const char16_t* column;
    const char16_t* caption;
    const char16_t* reportCaption; // null: as on the screen
};

// clang-format off
constexpr Flag kFlags[] = {
    {FlagGroup::BuildingKind, u"建物の種類（戸建住宅）", u"戸建住宅", nullptr},
    {FlagGroup::BuildingKind, u"建物の種類（共同住宅）", u"共同住宅", nullptr},
    {FlagGroup::BuildingKind, u"建物の種類（学校・幼稚園等）", u"学校・幼稚園等", nullptr},
    {FlagGroup::BuildingKind, u"建物の種類（店舗・ビル）", u"店舗・事務所", nullptr},
    {FlagGroup::BuildingKind, u"建物の種類（劇場・デパート等）", u"劇場・百貨店等", nullptr},
    {FlagGroup::BuildingKind, u"建物の種類（工場）", u"工場", nullptr},
    {FlagGroup::BuildingKind, u"建物の種類（倉庫）", u"倉庫", nullptr},
    {FlagGroup::Exterior, u"外装材（屋根）", u"屋根", nullptr},
    {FlagGroup::Exterior, u"外装材（外壁）", u"外壁", nullptr},
    {FlagGroup::Exterior, u"外装材（軒天井・ピロティ）", u"軒天井・ピロティ", nullptr},
    {FlagGroup::Exterior, u"外装材（ベランダ隔壁）", u"ベランダ隔壁", nullptr},
    {FlagGroup::Exterior, u"外装材（外装目地）", u"外装目地", nullptr},
    {FlagGroup::Exterior, u"外装材（その他）", u"その他", nullptr},
    {FlagGroup::Interior, u"内装材（居室天井）", u"居室天井", nullptr},
    {FlagGroup::Interior, u"内装材（居室壁）", u"居室壁", nullptr},
    {FlagGroup::Interior, u"内装材（台所天井）", u"台所天井", nullptr},
    {FlagGroup::Interior, u"内装材（台所壁）", u"台所壁", nullptr},
    {FlagGroup::Interior, u"内装材（浴室天井）", u"浴室天井", nullptr},
    {FlagGroup::Interior, u"内装材（浴室壁）", u"浴室壁", nullptr},
    {FlagGroup::Interior, u"内装材（トイレ天井）", u"トイレ天井", nullptr},
    {FlagGroup::Interior, u"内装材（トイレ壁）", u"トイレ壁", nullptr},
    {FlagGroup::Interior, u"内装材（間仕切り）", u"間仕切り", nullptr},
    {FlagGroup::Interior, u"内装材（階段裏）", u"階段裏", nullptr},
    {FlagGroup::Interior, u"内装材（廊下天井）", u"廊下天井", nullptr},
    {FlagGroup::Interior, u"内装材（廊下壁）", u"廊下壁", nullptr},
    {FlagGroup::Interior, u"内装材（駐車場天井）", u"駐車場天井", nullptr},
    {FlagGroup::Interior, u"内装材（床）", u"床", nullptr},
    {FlagGroup::Interior, u"内装材（巾木）", u"巾木", nullptr},
    {FlagGroup::Interior, u"内装材（ユニット類）", u"ユニット類", nullptr},
    {FlagGroup::Interior, u"内装材（その他）", u"その他", nullptr},
    {FlagGroup::Fireproofing, u"耐火被覆材（鉄骨柱はり）", u"鉄骨柱はり", nullptr},
    {FlagGroup::Fireproofing, u"耐火被覆材（デッキプレート）", u"デッキプレート", nullptr},
    {FlagGroup::Fireproofing, u"耐火被覆材（カーテンウォール裏打ち）", u"カーテンウォール裏打ち", nullptr},
    {FlagGroup::Fireproofing, u"耐火被覆材（その他）", u"その他", nullptr},
    {FlagGroup::Equipment, u"設備（煙突）", u"煙突", nullptr},
    {FlagGroup::Equipment, u"設備（臭気抜き）", u"臭気抜き", nullptr},
    {FlagGroup::Equipment, u"設備（給排水管）", u"給排水管", nullptr},
    {FlagGroup::OtherPart, u"その他（その他の部位）", u"その他の部位", nullptr},
    {FlagGroup::Usage, u"使われ方（仕上げ材）", u"仕上げ材", nullptr},
    {FlagGroup::Usage, u"使われ方（下地材）", u"下地材", nullptr},
    {FlagGroup::Material, u"素材（セメント・窯業系）", u"セメント・窯業セメント系", u"セメント・窯業系"},
    {FlagGroup::Material, u"素材（繊維系）", u"繊維系", nullptr},
    {FlagGroup::Material, u"素材（プラスティック等樹脂系）", u"プラスチック等樹脂系", u"プラスティック等樹脂系"},
    {FlagGroup::Material, u"素材（アスファルト系）", u"アスファルト系", nullptr},
};
// clang-format on

} // namespace

QList<FlagColumn> FlagColumns(FlagGroup group) {
    QList<FlagColumn> columns;
    for (const Flag& f : kFlags)
        if (f.group == group)
            columns.append({QString::fromUtf16(f.column), QString::fromUtf16(f.caption),
                            QString::fromUtf16(f.reportCaption ? f.reportCaption : f.caption)});
    return columns;
}

const QStringList& GeneralNamePartColumns() {
    static const QStringList columns = {
        QStringLiteral("屋根"),          QStringLiteral("外壁"),
        QStringLiteral("軒天井"),        QStringLiteral("居室天井"),
        QStringLiteral("居室壁"),        QStringLiteral("台所天井"),
        QStringLiteral("台所壁"),        QStringLiteral("浴室天井"),
        QStringLiteral("浴室壁"),        QStringLiteral("トイレ天井"),
        QStringLiteral("トイレ壁"),      QStringLiteral("廊下天井"),
        QStringLiteral("廊下壁"),        QStringLiteral("煙突臭気抜き"),
        QStringLiteral("給排水管"),      QStringLiteral("巾木"),
        QStringLiteral("断熱材"),        QStringLiteral("廊下居室床"),
        QStringLiteral("洗面脱衣便所床")};
    return columns;
}

const QStringList& GeneralNameUsageColumns() {
    static const QStringList columns = {QStringLiteral("仕上げ材"), QStringLiteral("下地材")};
    return columns;
}

QStringList MaterialTableColumns(const QString& table) {
    QStringList columns;
    if (table == kMaterialTable) {
        for (const Row& row : kCatalogue)
            columns.append(QString::fromUtf16(row.name));
    } else if (table == kContainingTable || table == kNonContainingTable) {
        columns = QStringList{QStringLiteral("一般名"), QStringLiteral("ID")} +
                  GeneralNamePartColumns() + GeneralNameUsageColumns();
    }
    return columns;
}

QString CreateMaterialTableSql(const QString& table) {
    const QStringList columns = MaterialTableColumns(table);
    QStringList definitions;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        QString type;
        if (table == kMaterialTable)
            type = columns[i] == u"ID" ? QStringLiteral("TEXT PRIMARY KEY")
                   : QStringView(kCatalogue[i].kind) == kKindText ? QStringLiteral("TEXT")
                                                                  : QStringLiteral("INTEGER");
        else
            type = i < 2 ? QStringLiteral("TEXT") : QStringLiteral("INTEGER");
        definitions.append(u'"' + columns[i] + QStringLiteral("\" ") + type);
    }
    return QStringLiteral("CREATE TABLE \"") + table + QStringLiteral("\" (") +
           definitions.join(u',') + u')';
}

void InitFieldCatalogue(AppState& s) {
    s.SortWords = {QStringLiteral("ASC"), QStringLiteral("DESC")};
    for (int i = 0; i < kUsedRows; ++i) {
        s.FieldNames[size_t(i)] = QString::fromUtf16(kCatalogue[i].name);
        s.FieldKinds[size_t(i)] = QString::fromUtf16(kCatalogue[i].kind);
        s.FieldWidths[size_t(i)] = kCatalogue[i].width;
    }
    for (size_t i = kUsedRows; i < s.FieldNames.size(); ++i) {
        s.FieldNames[i] = QString();
        s.FieldKinds[i] = QString();
        s.FieldWidths[i] = 0;
    }
    s.FieldCount = kUsedRows;
}

qint32 FindFieldIndex(const AppState& s, const QString& text) {
    for (qint32 row = 0; row < s.FieldCount; ++row)
        if (s.FieldNames[size_t(row)].contains(text, Qt::CaseSensitive))
            return row;
    return -1;
}

} // namespace solario
