#include "tools/sample_data.h"

#include "data/app_state.h"
#include "data/database.h"
#include "data/field_catalogue.h"
#include "data/query_builders.h"
#include "platform/statement.h"

#include <QFile>
#include <QHash>
#include <QVariant>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace solario::sample {
namespace {

enum class Cat {
    Spray,
    Lagging,
    Board,
    Roof,
    Siding,
    Floor,
    Wallpaper,
    Skirting,
    Roofing,
    Pipe,
    Wave
};

struct NameSpec {
    const char16_t* name;
    Cat cat;
    const char16_t* parts; // part columns, separated by spaces
    bool finish;           // occurs as finish material
    bool base;             // occurs as base material
    int weight;            // share of the products
};

// Where each material is found in a detached house.
// clang-format off
const NameSpec kNames[] = {
    {u"吹付け石綿", Cat::Spray, u"軒天井 断熱材", true, false, 2},
    {u"石綿含有吹付けロックウール", Cat::Spray, u"軒天井 断熱材", true, false, 2},
    {u"湿式石綿含有吹付け材", Cat::Spray, u"軒天井 居室天井", true, false, 2},
    {u"石綿含有吹付けバーミキュライト", Cat::Spray, u"居室天井 居室壁 廊下天井", true, false, 2},
    {u"石綿含有吹付けパーライト", Cat::Spray, u"居室天井 居室壁 廊下天井 廊下壁", true, false, 2},
    {u"石綿含有けいそう土保温材", Cat::Lagging, u"給排水管 断熱材", false, false, 1},
    {u"石綿含有けい酸カルシウム保温材", Cat::Lagging, u"給排水管 断熱材", false, false, 1},
    {u"石綿含有バーミキュライト保温材", Cat::Lagging, u"給排水管 断熱材", false, false, 1},
    {u"石綿含有パーライト保温材", Cat::Lagging, u"給排水管 断熱材", false, false, 1},
    {u"石綿保温材", Cat::Lagging, u"給排水管 煙突臭気抜き 断熱材", false, false, 2},
    {u"石綿含有けい酸カルシウム板第2種", Cat::Lagging, u"煙突臭気抜き 断熱材", false, false, 1},
    {u"石綿含有耐火被覆板", Cat::Board, u"断熱材", false, false, 1},
    {u"屋根用折版石綿断熱材", Cat::Roofing, u"屋根 断熱材", false, true, 1},
    {u"煙突用石綿断熱材", Cat::Lagging, u"煙突臭気抜き 断熱材", false, false, 1},
    {u"石綿含有スレートボード・フレキシブル板", Cat::Board, u"外壁 軒天井 台所天井 台所壁 浴室天井 浴室壁 トイレ天井 トイレ壁", true, true, 5},
    {u"石綿含有スレートボード･平板", Cat::Board, u"外壁 軒天井 台所壁 浴室壁 トイレ壁", true, true, 4},
    {u"石綿含有スレートボード･軟質板", Cat::Board, u"軒天井 台所天井 浴室天井 トイレ天井 廊下天井", true, true, 3},
    {u"石綿含有スレートボード･軟質フレキシブル板", Cat::Board, u"軒天井 台所天井 浴室天井", true, true, 3},
    {u"石綿含有スレートボード･その他", Cat::Board, u"外壁 台所壁", true, true, 2},
    {u"石綿含有スラグせっこう板", Cat::Board, u"居室天井 居室壁 台所天井 台所壁 廊下天井 廊下壁", false, true, 2},
    {u"石綿含有パルプセメント板", Cat::Board, u"軒天井 居室天井 居室壁 台所天井 台所壁 浴室天井 トイレ天井 トイレ壁 廊下天井 廊下壁", true, true, 5},
    {u"石綿含有押出成形セメント板", Cat::Siding, u"外壁", true, true, 2},
    {u"石綿含有けい酸カルシウム板第1種", Cat::Board, u"軒天井 居室天井 居室壁 台所天井 台所壁 浴室天井 浴室壁 トイレ天井 トイレ壁 廊下天井 廊下壁", true, true, 6},
    {u"石綿含有ロックウール吸音天井板", Cat::Board, u"居室天井 台所天井 トイレ天井 廊下天井", true, false, 5},
    {u"石綿含有せっこうボード", Cat::Board, u"居室天井 居室壁 台所天井 台所壁 トイレ天井 トイレ壁 廊下天井 廊下壁", false, true, 3},
    {u"石綿含有パーライト板", Cat::Board, u"居室天井 居室壁", false, true, 1},
    {u"石綿含有その他ボード", Cat::Board, u"居室壁 台所壁 廊下壁", true, true, 2},
    {u"石綿含有その他パネル", Cat::Board, u"外壁 居室壁", true, true, 1},
    {u"石綿含有壁紙", Cat::Wallpaper, u"居室天井 居室壁 台所壁 トイレ壁 廊下壁", true, false, 2},
    {u"石綿含有ビニル床タイル", Cat::Floor, u"廊下居室床 洗面脱衣便所床", true, false, 6},
    {u"石綿含有ビニル床シート", Cat::Floor, u"廊下居室床 洗面脱衣便所床", true, false, 4},
    {u"石綿含有ソフト巾木", Cat::Skirting, u"巾木", false, false, 2},
    {u"石綿含有住宅屋根用化粧スレート", Cat::Roof, u"屋根", true, false, 8},
    {u"石綿含有ルーフィング", Cat::Roofing, u"屋根", false, true, 2},
    {u"石綿含有窯業系サイディング", Cat::Siding, u"外壁", true, false, 7},
    {u"石綿含有建材複合金属系サイディング", Cat::Siding, u"外壁", true, false, 2},
    {u"石綿含有スレート波板・大波", Cat::Wave, u"屋根 外壁", true, false, 2},
    {u"石綿含有スレート波板・小波", Cat::Wave, u"屋根 外壁", true, false, 2},
    {u"石綿含有スレート波板・その他", Cat::Wave, u"屋根 外壁", true, false, 1},
    {u"石綿セメント管", Cat::Pipe, u"給排水管 煙突臭気抜き", false, false, 1},
    {u"石綿セメント円筒", Cat::Pipe, u"煙突臭気抜き", false, false, 1},
};

// Materials made without asbestos, for the reference list of the usage search.
const NameSpec kNonContaining[] = {
    {u"ロックウール", Cat::Lagging, u"断熱材 給排水管", false, false, 0},
    {u"グラスウール", Cat::Lagging, u"断熱材 給排水管", false, false, 0},
    {u"押出法ポリスチレンフォーム", Cat::Lagging, u"断熱材", false, false, 0},
    {u"硬質ウレタンフォーム", Cat::Lagging, u"断熱材", false, false, 0},
    {u"せっこうボード", Cat::Board, u"居室天井 居室壁 台所天井 台所壁 トイレ天井 トイレ壁 廊下天井 廊下壁", false, true, 0},
    {u"木毛セメント板", Cat::Board, u"軒天井 居室天井", true, true, 0},
    {u"粘土瓦", Cat::Roof, u"屋根", true, false, 0},
    {u"金属系サイディング", Cat::Siding, u"外壁", true, false, 0},
    {u"無石綿住宅屋根用化粧スレート", Cat::Roof, u"屋根", true, false, 0},
    {u"無石綿窯業系サイディング", Cat::Siding, u"外壁", true, false, 0},
    {u"無石綿けい酸カルシウム板", Cat::Board, u"軒天井 台所天井 台所壁 浴室天井 浴室壁", true, true, 0},
    {u"天然木化粧合板", Cat::Board, u"居室天井 居室壁 廊下壁", true, false, 0},
    {u"複合フローリング", Cat::Floor, u"廊下居室床", true, false, 0},
};

// The product flag that says a product is used at a part of the general-name tables.
const QHash<QString, QStringList>& FlagsOfPart() {
    static const QHash<QString, QStringList> map = {
        {u"屋根"_s, {u"外装材（屋根）"_s}},
        {u"外壁"_s, {u"外装材（外壁）"_s}},
        {u"軒天井"_s, {u"外装材（軒天井・ピロティ）"_s}},
        {u"居室天井"_s, {u"内装材（居室天井）"_s}},
        {u"居室壁"_s, {u"内装材（居室壁）"_s}},
        {u"台所天井"_s, {u"内装材（台所天井）"_s}},
        {u"台所壁"_s, {u"内装材（台所壁）"_s}},
        {u"浴室天井"_s, {u"内装材（浴室天井）"_s}},
        {u"浴室壁"_s, {u"内装材（浴室壁）"_s}},
        {u"トイレ天井"_s, {u"内装材（トイレ天井）"_s}},
        {u"トイレ壁"_s, {u"内装材（トイレ壁）"_s}},
        {u"廊下天井"_s, {u"内装材（廊下天井）"_s}},
        {u"廊下壁"_s, {u"内装材（廊下壁）"_s}},
        {u"煙突臭気抜き"_s, {u"設備（煙突）"_s, u"設備（臭気抜き）"_s}},
        {u"給排水管"_s, {u"設備（給排水管）"_s}},
        {u"巾木"_s, {u"内装材（巾木）"_s}},
        {u"断熱材"_s, {u"その他（その他の部位）"_s}},
        {u"廊下居室床"_s, {u"内装材（床）"_s}},
        {u"洗面脱衣便所床"_s, {u"内装材（床）"_s}},
    };
    return map;
}

const char16_t* const kCertKinds[] = {
    u"不燃", u"不燃（個）", u"不燃（屋根用）", u"不燃・屋根用（個）", u"準不燃", u"準不燃（個）",
    u"難燃", u"難燃（個）", u"準難燃", u"準難燃（個）", u"壁装材料", u"化粧（不燃）",
    u"化粧（準不燃）", u"化粧（不燃）（個）", u"基材同等", u"NM", u"NE", u"QM", u"QE", u"RM",
    u"RE", u"DR", u"DW", u"UR", u"UW"};

const char16_t* const kBrands[] = {
    u"ソラリナ", u"ミナモ", u"カザハナ", u"ユキシロ", u"ホシカゲ", u"アオバネ", u"ツキミノ",
    u"ハルカゼ", u"コモレビ", u"シズクナ", u"ナギサ", u"ヒバリノ", u"クモイ", u"ウタカタ",
    // Catalogues of the time print Latin letters and kana in either width.
    u"ＮＥＷソラリナ", u"NEWミナモ", u"ＦＲカザハナ", u"FRユキシロ", u"ｶｾﾞﾐﾁ", u"ｼﾞｭｳﾓﾝ"};

const char16_t* const kMakers[] = {
    u"架空スレート工業株式会社", u"架空窯業株式会社", u"サンプル建材工業株式会社",
    u"見本ボード製作所", u"架空セメント工業株式会社", u"試作床材㈱", u"架空保温工業株式会社",
    u"サンプル屋根材株式会社", u"見本化成工業株式会社", u"架空建材販売株式会社",
    u"試作パネル工業株式会社", u"架空住設株式会社", u"サンプル断熱株式会社",
    u"見本サイディング工業㈱", u"架空管材株式会社", u"架空内装工業株式会社",
    // One maker written in both widths, and one in half-width kana.
    u"ＡＳＫ架空工業株式会社", u"ASK架空工業株式会社", u"ｶｸｳｶﾞﾗｽ繊維株式会社"};

const char16_t* const kAssociations[] = {u"架空建材協会", u"サンプル窯業建材協議会",
                                         u"見本住宅部材連合会", u"架空保温材工業会"};

const char16_t* const kRegions[] = {u"全国", u"関東", u"近畿", u"東北・北海道", u"九州・沖縄",
                                    u"中部", u"中国・四国"};

const char16_t* const kFibres[] = {u"クリソタイル", u"クリソタイル", u"クリソタイル",
                                   u"アモサイト", u"クロシドライト", u"クリソタイル、アモサイト"};

const char16_t* const kContents[] = {u"1～5", u"5", u"10", u"10～15", u"15～20", u"20～30",
                                     u"5％以下", u"1未満", u"不明"};

struct CatText {
    const char16_t* word;      // in product names
    const char16_t* cement;    // 素材（セメント・窯業系）
    const char16_t* fibre;     // 素材（繊維系）
    const char16_t* resin;     // 素材（プラスティック等樹脂系）
    const char16_t* asphalt;   // 素材（アスファルト系）
    const char16_t* look;      // 固有の見分け方
};

CatText TextOf(Cat c) {
    switch (c) {
    case Cat::Spray:
        return {u"スプレー", u"", u"石綿繊維・ロックウール", u"", u"",
                u"天井裏や軒裏に綿状またはざらざらした吹付け層が見える。"};
    case Cat::Lagging:
        return {u"カバー", u"けい酸カルシウム", u"石綿繊維", u"", u"",
                u"配管や煙突の周りに巻かれた白色の保温層。表面に布や鉄板の被覆がある。"};
    case Cat::Board:
        return {u"ボード", u"セメント・けい酸カルシウム", u"石綿繊維・パルプ", u"", u"",
                u"板の裏面に製品名とロットの印字がある。切断面は灰白色で緻密。"};
    case Cat::Roof:
        return {u"ルーフ", u"セメント", u"石綿繊維", u"塗装", u"",
                u"厚さ約5mmの薄い板状の屋根材。表面は彩色塗装で、裏面に刻印がある。"};
    case Cat::Siding:
        return {u"サイディング", u"セメント・窯業系", u"石綿繊維・木質繊維", u"塗装", u"",
                u"外壁の板の継ぎ目にシーリング。裏面に製造年を示す刻印がある。"};
    case Cat::Floor:
        return {u"タイル", u"", u"石綿繊維", u"塩化ビニル樹脂", u"",
                u"300mm角または広幅の床材。裏面が灰色で、接着剤の跡が残る。"};
    case Cat::Wallpaper:
        return {u"クロス", u"", u"石綿紙", u"塩化ビニル樹脂", u"",
                u"裏打ち紙が石綿紙の壁紙。台所や廊下に多い。"};
    case Cat::Skirting:
        return {u"ハバキ", u"", u"石綿繊維", u"塩化ビニル樹脂", u"",
                u"壁と床の取り合いに張られた柔らかい樹脂製の巾木。"};
    case Cat::Roofing:
        return {u"ルーフィング", u"", u"石綿繊維", u"", u"アスファルト",
                u"屋根下地に敷かれた黒色のシート。端部に製品名の印字がある。"};
    case Cat::Pipe:
        return {u"パイプ", u"セメント", u"石綿繊維", u"", u"",
                u"灰色の円管。継手部分に製造者の刻印がある。"};
    case Cat::Wave:
        return {u"ナミイタ", u"セメント", u"石綿繊維", u"", u"",
                u"波形の大判の板。倉庫や車庫の屋根・外壁に多い。"};
    }
    return {};
}

// A small generator of our own, so that the same seed gives the same data everywhere.
class Random {
public:
    explicit Random(quint64 seed) : state_(seed) {}
    quint64 Next() {
        quint64 z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(int n) { return int(Next() % quint64(n)); }
    int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }
    bool Chance(int percent) { return Below(100) < percent; }
    template <typename T, size_t N> const T& Pick(const T (&a)[N]) { return a[Below(int(N))]; }

private:
    quint64 state_;
};

QStringList Split(const char16_t* parts) {
    return QString::fromUtf16(parts).split(u' ', Qt::SkipEmptyParts);
}

struct Db {
    sqlite3* db = nullptr;
    ~Db() { sqlite3_close(db); }
    Status Exec(const QString& sql) {
        char* err = nullptr;
        if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
            const QString message = QString::fromUtf8(err ? err : "error");
            sqlite3_free(err);
            return Failure{message};
        }
        return {};
    }
    Status Fail() const { return Failure{QString::fromUtf8(sqlite3_errmsg(db))}; }
};

QString Quote(const QString& name) { return u'"' + name + u'"'; }

QString QuoteText(const QString& text) {
    QString q = text;
    q.replace(u'\'', u"''"_s);
    return u'\'' + q + u'\'';
}

// One product row being built: value per catalogue column; a null QVariant is NULL.
struct Product {
    QHash<QString, QVariant> v;
};

// An optional text: mostly the value, sometimes NULL, sometimes empty.
// The full-width form of printable ASCII ("-" becomes "－").
QString FullWidth(const QString& ascii) {
    QString wide = ascii;
    for (QChar& c : wide)
        if (c.unicode() > 0x20 && c.unicode() < 0x7F)
            c = QChar(char16_t(c.unicode() + 0xFEE0));
    return wide;
}

// A model number such as "DJ-2747", written the ways catalogues write it: mostly half
// width, some wholly full width, some with only the dash or the letters full width.
QString ModelNumber(Random& r) {
    const QString letters = QString(QChar(u'A' + r.Below(26))) + QChar(u'A' + r.Below(26));
    const QString digits = QString::number(r.Between(10, 9999));
    switch (r.Below(10)) {
    case 0:
    case 1:
        return FullWidth(letters + u'-' + digits);
    case 2:
        return letters + u"－"_s + digits;
    case 3:
        return FullWidth(letters) + u'-' + digits;
    default:
        return letters + u'-' + digits;
    }
}

QVariant Optional(Random& r, const QString& value, int present = 80) {
    const int roll = r.Below(100);
    if (roll < present)
        return value;
    return roll % 2 ? QVariant() : QVariant(QString(u""_s));
}

QString Phone(Random& r) {
    // Numbers beginning 00- are never given to anyone.
    return QStringLiteral("00-%1-%2")
        .arg(r.Between(1000, 9999))
        .arg(r.Between(1000, 9999));
}

Status WriteLookupTable(Db& d, const QString& table, const NameSpec* specs, size_t count,
                        const QString& idPrefix) {
    if (Status s = d.Exec(CreateMaterialTableSql(table)); !s)
        return s;
    // The sort key of a name within a part: its place among the names at that part.
    QHash<QString, int> rank;
    for (size_t i = 0; i < count; ++i) {
        QStringList names = {u"一般名"_s, u"ID"_s};
        QStringList values = {QuoteText(QString::fromUtf16(specs[i].name)),
                              QuoteText(idPrefix + QStringLiteral("%1").arg(i + 1, 2, 10, QChar(u'0')))};
        for (const QString& part : Split(specs[i].parts)) {
            names.append(part);
            values.append(QString::number(++rank[part] * 10));
        }
        if (specs[i].finish) {
            names.append(u"仕上げ材"_s);
            values.append(u"1"_s);
        }
        if (specs[i].base) {
            names.append(u"下地材"_s);
            values.append(u"1"_s);
        }
        for (QString& n : names)
            n = Quote(n);
        if (Status s = d.Exec(u"INSERT INTO "_s + Quote(table) + u" ("_s + names.join(u',') +
                              u") VALUES ("_s + values.join(u',') + u')');
            !s)
            return s;
    }
    return {};
}

const char16_t* const kRemarks[] = {
    u"製造期間中に配合を変更したため、後期の製品は含有率が低い。",
    u"同じ商品名で無石綿品も販売されていたため、製造年の確認が必要。",
    u"旧社名で出荷された製品を含む。\r詳細はメーカーの相談窓口に問い合わせのこと。",
    u"含有率は製造ロットにより異なり、最大で15％程度。",
    u"廃番品。代替品は無石綿製品名の欄を参照。",
    u"一部の色柄のみ石綿を含有。"};

const char16_t* const kNicknames[] = {u"石綿スレート", u"フレキ板", u"Pタイル", u"カラー鉄板下地",
                                      u"ケイカル板", u"吸音板", u"石綿紙"};

QVariant Maybe(Random& r, const char16_t* text, int present = 80) {
    const QString s = QString::fromUtf16(text);
    if (s.isEmpty())
        return r.Chance(50) ? QVariant() : QVariant(s);
    return Optional(r, s, present);
}

class ProductWriter {
public:
    ProductWriter() {
        AppState s;
        InitFieldCatalogue(s);
        for (int i = 0; i < s.FieldCount; ++i) {
            names_.append(s.FieldNames[size_t(i)]);
            kinds_.append(s.FieldKinds[size_t(i)]);
            index_.insert(s.FieldNames[size_t(i)], i);
        }
    }

    Status CreateTable(Db& d) const { return d.Exec(CreateMaterialTableSql(kMaterialTable)); }

    QString InsertSql() const {
        QStringList cols, marks;
        for (const QString& n : names_) {
            cols.append(Quote(n));
            marks.append(u"?"_s);
        }
        return u"INSERT INTO "_s + Quote(kMaterialTable) + u" ("_s + cols.join(u',') +
               u") VALUES ("_s + marks.join(u',') + u')';
    }

    // Fills one product's values in catalogue order.
    void Make(Random& r, int serial, const NameSpec& spec, std::vector<QVariant>& row) const {
        row.assign(size_t(names_.size()), QVariant());
        // Yes/no columns are false unless set below.
        for (qsizetype i = 0; i < kinds_.size(); ++i)
            if (kinds_[i] == kKindYesNo)
                row[size_t(i)] = 0;
        auto set = [&](const QString& column, const QVariant& value) {
            row[size_t(index_.value(column))] = value;
        };
        const CatText t = TextOf(spec.cat);
        const QString name = QString::fromUtf16(spec.name);
        const QString brand = QString::fromUtf16(r.Pick(kBrands));
        const QString maker = QString::fromUtf16(r.Pick(kMakers));
        const QString word = QString::fromUtf16(t.word);
        const int model = r.Between(1, 999);

        set(u"ID"_s, QStringLiteral("%1").arg(serial, 6, 10, QChar(u'0')));
        set(u"建材名（一般名）"_s, name);
        // Some catalogues print the number in full-width digits.
        QString product = brand + word +
                          (serial % 4 == 0 ? u"\u3000"_s + FullWidth(QString::number(model)) + u"号"_s
                                           : QStringLiteral(" %1号").arg(model));
        if (serial % 97 == 0)
            product = brand + u"'"_s + QString::number(60 + serial % 30) + u' ' + word;
        set(u"商品名"_s, product);
        set(u"型番・品番"_s, Optional(r, ModelNumber(r), 85));
        set(u"生産時のメーカー名"_s, maker);

        const int start = r.Chance(6) ? 0 : r.Between(1950, 2000);
        const int from = start == 0 ? 1960 : start;
        set(u"製造開始"_s, start);
        set(u"製造終了"_s, r.Between(from, std::min(2005, from + 30)));

        set(u"石綿含有率"_s, Optional(r, QString::fromUtf16(r.Pick(kContents)), 92));
        set(u"石綿の種類"_s, Optional(r, QString::fromUtf16(r.Pick(kFibres)), 94));
        const int cert = r.Below(100);
        const QString certNumber = QString::number(r.Between(100, 99999));
        if (cert < 55) {
            set(u"不燃材料認定番号（種類）"_s, QString::fromUtf16(r.Pick(kCertKinds)));
            set(u"不燃材料認定番号（番号）"_s, certNumber);
        } else if (cert < 61) {
            set(u"不燃材料認定番号（番号）"_s, certNumber); // kind not recorded
        }
        set(u"不燃材料認定番号有無"_s, cert < 61 ? u"有"_s : u"無"_s);

        const int current = r.Below(100);
        if (current < 60)
            set(u"現在のメーカー名"_s, maker);
        else if (current < 80)
            set(u"現在のメーカー名"_s, QString::fromUtf16(r.Pick(kMakers)));
        else
            set(u"現在のメーカー名"_s, current % 2 ? QVariant() : QVariant(u""_s));
        set(u"俗称"_s, Maybe(r, r.Pick(kNicknames), 30));
        set(u"素材（セメント・窯業系）"_s, Maybe(r, t.cement, 95));
        set(u"素材（繊維系）"_s, Maybe(r, t.fibre, 95));
        set(u"素材（プラスティック等樹脂系）"_s, Maybe(r, t.resin, 95));
        set(u"素材（アスファルト系）"_s, Maybe(r, t.asphalt, 95));
        const bool woolly = spec.cat == Cat::Spray || spec.cat == Cat::Lagging;
        set(u"形状・外観（綿状）"_s, woolly ? QVariant(u"綿状"_s) : Maybe(r, u""));
        const bool board = spec.cat == Cat::Board || spec.cat == Cat::Roof ||
                           spec.cat == Cat::Siding || spec.cat == Cat::Wave ||
                           spec.cat == Cat::Floor;
        const bool roll = spec.cat == Cat::Roofing || spec.cat == Cat::Wallpaper ||
                          spec.cat == Cat::Floor || spec.cat == Cat::Skirting;
        if (board) {
            set(u"形状・外観（ボード状厚さmm）"_s, spec.cat == Cat::Floor ? r.Between(2, 3) : r.Between(4, 25));
            set(u"形状・外観（ボード状標準寸法mm）"_s, QVariant(r.Chance(50) ? 1820 : 910));
        }
        if (roll) {
            set(u"形状・外観（巻物厚さmm）"_s, r.Between(1, 3));
            set(u"形状・外観（巻物標準寸法mm）"_s, QVariant(r.Chance(50) ? 10000 : 20000));
        }

        set(u"建物の種類（戸建住宅）"_s, r.Chance(88) ? 1 : 0);
        for (const char16_t* b : {u"建物の種類（共同住宅）", u"建物の種類（学校・幼稚園等）",
                                  u"建物の種類（店舗・ビル）", u"建物の種類（劇場・デパート等）",
                                  u"建物の種類（工場）", u"建物の種類（倉庫）"})
            set(QString::fromUtf16(b), r.Chance(40) ? 1 : 0);

        const QStringList parts = Split(spec.parts);
        bool anyPart = false;
        for (const QString& part : parts) {
            if (r.Chance(70)) {
                for (const QString& flag : FlagsOfPart().value(part))
                    set(flag, 1);
                anyPart = true;
            }
        }
        if (!anyPart)
            for (const QString& flag : FlagsOfPart().value(parts.first()))
                set(flag, 1);
        if (name == u"石綿含有耐火被覆板")
            set(u"耐火被覆材（鉄骨柱はり）"_s, 1);

        switch (spec.cat) {
        case Cat::Spray:
            set(name == u"湿式石綿含有吹付け材" ? u"施工方法（塗り）"_s : u"施工方法（吹き付け）"_s, 1);
            break;
        case Cat::Board:
        case Cat::Roof:
        case Cat::Siding:
        case Cat::Wave:
        case Cat::Pipe:
            set(u"施工方法（金具）"_s, 1);
            break;
        default:
            set(u"施工方法（その他）"_s, 1);
            set(u"施工方法（その他の内容）"_s,
                spec.cat == Cat::Lagging ? u"巻き付け"_s : u"接着剤張り"_s);
            break;
        }
        const bool finish = spec.finish && (!spec.base || r.Chance(70));
        const bool base = spec.base && (!finish || r.Chance(50));
        set(u"使われ方（仕上げ材）"_s, finish ? 1 : 0);
        set(u"使われ方（下地材）"_s, base ? 1 : 0);

        set(u"販売地域"_s, Optional(r, QString::fromUtf16(r.Pick(kRegions)), 90));
        set(u"会社名マーク"_s, Optional(r, u"裏面に「"_s + brand + u"」の刻印"_s, 70));
        set(u"商品名内容"_s,
            Optional(r, name + u"。"_s + brand + u"シリーズの"_s + word + u"製品。"_s, 85));
        set(u"ＪＩＳ許可番号"_s, Optional(r, QStringLiteral("架空第%1号").arg(r.Between(1000, 9999)), 50));
        set(u"その他ロット番号等"_s,
            Optional(r, QStringLiteral("裏面にロット番号（例：%1%2）を印字")
                            .arg(QChar(u'A' + r.Below(26)))
                            .arg(r.Between(100, 999)),
                     60));
        set(u"aマーク"_s, Optional(r, r.Chance(30) ? u"有"_s : u"無"_s, 85));
        set(u"カタログの有無（有・無）"_s, r.Chance(60) ? 1 : 0);
        set(u"写真の有無（有・無）"_s, r.Chance(50) ? 1 : 0);
        set(u"固有の見分け方"_s, Optional(r, QString::fromUtf16(t.look), 90));
        set(u"無石綿製品名など"_s,
            Optional(r, u"無石綿"_s + brand + word + QStringLiteral(" %1号").arg(model + 1000), 60));
        set(u"相談窓口（関係団体名称）"_s, Optional(r, QString::fromUtf16(r.Pick(kAssociations)), 85));
        set(u"相談窓口（関係団体電話）"_s, Optional(r, Phone(r), 85));
        set(u"相談窓口（メーカー名称）"_s, Optional(r, maker, 90));
        set(u"相談窓口（メーカー電話）"_s, Optional(r, Phone(r), 90));
        set(u"備考欄"_s, Optional(r, QString::fromUtf16(r.Pick(kRemarks)), 70));
    }

private:
    QStringList names_;
    QStringList kinds_;
    QHash<QString, int> index_;
};

Status Bind(Db& d, sqlite3_stmt* st, const std::vector<QVariant>& row) {
    for (size_t i = 0; i < row.size(); ++i) {
        const QVariant& v = row[i];
        int rc;
        if (v.isNull())
            rc = sqlite3_bind_null(st, int(i + 1));
        else if (v.typeId() == QMetaType::Int)
            rc = sqlite3_bind_int64(st, int(i + 1), v.toInt());
        else {
            rc = BindText(st, int(i + 1), v.toString());
        }
        if (rc != SQLITE_OK)
            return d.Fail();
    }
    return {};
}

} // namespace

const QStringList& GeneralNames() {
    static const QStringList names = [] {
        QStringList list;
        for (const NameSpec& n : kNames)
            list.append(QString::fromUtf16(n.name));
        return list;
    }();
    return names;
}

Status WriteSampleDatabase(const QString& path, int products, quint64 seed) {
    if (products < 0)
        return Failure{u"the number of products cannot be negative"_s};
    // Written beside the target and renamed at the end, so that a broken run never
    // leaves a half-written database in its place.
    const QString partial = path + u".partial"_s;
    QFile::remove(partial);
    Db d;
    if (sqlite3_open_v2(partial.toUtf8().constData(), &d.db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        return d.Fail();
    for (const char* pragma : {"PRAGMA journal_mode=OFF", "PRAGMA synchronous=OFF"})
        if (Status s = d.Exec(QString::fromLatin1(pragma)); !s)
            return s;
    if (Status s = d.Exec(u"BEGIN"_s); !s)
        return s;

    ProductWriter writer;
    if (Status s = writer.CreateTable(d); !s)
        return s;
    if (Status s = WriteLookupTable(d, kContainingTable, kNames, std::size(kNames), u""_s); !s)
        return s;
    if (Status s = WriteLookupTable(d, kNonContainingTable, kNonContaining,
                                    std::size(kNonContaining), u"N"_s);
        !s)
        return s;

    sqlite3_stmt* insert = nullptr;
    const QByteArray sql = writer.InsertSql().toUtf8();
    if (sqlite3_prepare_v2(d.db, sql.constData(), int(sql.size()), &insert, nullptr) != SQLITE_OK)
        return d.Fail();
    int total = 0;
    for (const NameSpec& n : kNames)
        total += n.weight;
    Random r(seed);
    std::vector<QVariant> row;
    Status status;
    for (int i = 1; i <= products && status; ++i) {
        // Every name has products; beyond the first round they follow the weights.
        const NameSpec* spec = &kNames[0];
        if (i <= int(std::size(kNames))) {
            spec = &kNames[i - 1];
        } else {
            int pick = r.Below(total);
            for (const NameSpec& n : kNames) {
                if (pick < n.weight) {
                    spec = &n;
                    break;
                }
                pick -= n.weight;
            }
        }
        writer.Make(r, i, *spec, row);
        status = Bind(d, insert, row);
        if (status && sqlite3_step(insert) != SQLITE_DONE)
            status = d.Fail();
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    if (!status)
        return status;

    // Says that the products are made up, so that the program marks them as such.
    if (Status s = d.Exec(kCreateMetadataTable); !s)
        return s;
    if (Status s = d.Exec(u"INSERT INTO "_s + kMetadataTable + u" VALUES ('"_s + kMetadataKind +
                          u"', '"_s + kSampleKind + u"'), ('"_s + kMetadataEdition + u"', '"_s +
                          kDataEdition + u"')"_s);
        !s)
        return s;

    for (const QString& index : MaterialIndexStatements())
        if (Status s = d.Exec(index); !s)
            return s;
    if (Status s = d.Exec(u"COMMIT"_s); !s)
        return s;
    sqlite3_close(d.db);
    d.db = nullptr;
    QFile::remove(path);
    if (!QFile::rename(partial, path))
        return Failure{u"cannot write "_s + path};
    return {};
}

} // namespace solario::sample
