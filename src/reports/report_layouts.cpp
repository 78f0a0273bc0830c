#include "reports/report_layout.h"

#include "data/app_state.h"

namespace solario {
namespace {

using K = ReportElement::Kind;
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kCentre = Qt::AlignCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment kTopLeft = Qt::AlignLeft | Qt::AlignTop;
constexpr int kRow = 375; // height of a row of a ruled table
constexpr int kCaptionWidth = 3405;
constexpr int kPad = 60; // room between a cell's rule and its text
constexpr int kResultGroup = 1; // a notice's result heading, message and cautions

ReportElement Label(int top, int left, const QString& text, int width, int height = 300,
                    Qt::Alignment align = kLeft, double size = 1.0, bool bold = false) {
    ReportElement e;
    e.kind = K::Label;
    e.top = top;
    e.left = left;
    e.width = width;
    e.height = height;
    e.text = text;
    e.align = align;
    e.size = size;
    e.bold = bold;
    return e;
}

ReportElement Value(int top, int left, const QString& column, int width, int height = 300,
                    Qt::Alignment align = kLeft) {
    ReportElement e = Label(top, left, column, width, height, align);
    e.kind = K::Value;
    return e;
}

ReportElement Shape(K kind, int top, int left, int width, int height = 0) {
    ReportElement e;
    e.kind = kind;
    e.top = top;
    e.left = left;
    e.width = width;
    e.height = height;
    return e;
}

ReportElement Banner(int width = 4900) {
    return Shape(K::Picture, 0, 0, width, 600);
}

// The two-line notice that every report carries.
ReportElement Notice(int top, int left, int width) {
    return Label(
        top, left,
        QStringLiteral("※このデータベースは、登録されている建材情報の収集方法等について、十分にご"
                       "理解いただいた上でご利用下さい。\n  \u3000 詳しくは、データベースの最初の"
                       "ページ（メニュー画面）の「ご利用にあたって」をご覧下さい。"),
        width, 420, kTopLeft, 0.85);
}

// A caption cell and its value cell, each inside a thin rectangle.
void Cell(ReportBand& band, int top, int left, int width, int height, const QString& caption,
          Qt::Alignment align = kCentre) {
    band.elements << Shape(K::Rect, top, left, width, height)
                  << Label(top, left + kPad, caption, width - 2 * kPad, height, align);
}

void ValueCell(ReportBand& band, int top, int left, int width, int height, const QString& column,
               Qt::Alignment align = kLeft) {
    band.elements << Shape(K::Rect, top, left, width, height)
                  << Value(top + (height > kRow ? kPad : 0), left + kPad, column, width - 2 * kPad,
                           height > kRow ? height - 2 * kPad : height,
                           height > kRow ? kTopLeft : align);
}

struct Row {
    const char16_t* caption;
    const char16_t* column;
    int height = kRow;
};

// A ruled table of condition rows: caption column 3405 wide, then the value column.
int ConditionTable(ReportBand& band, int top, int left, int valueWidth,
                   std::initializer_list<Row> rows) {
    for (const Row& r : rows) {
        Cell(band, top, left, kCaptionWidth, r.height, QString::fromUtf16(r.caption));
        ValueCell(band, top, left + kCaptionWidth, valueWidth, r.height,
                  QString::fromUtf16(r.column));
        top += r.height;
    }
    return top;
}

// "%p / %P" at the bottom right.
ReportBand PageFooter(int pageLeft, int slashLeft, int countLeft) {
    ReportBand b;
    b.height = 270;
    ReportElement page = Label(30, pageLeft, QString(), 600, 240, kRight);
    page.kind = K::PageNumber;
    ReportElement count = Label(30, countLeft, QString(), 600, 240, kLeft);
    count.kind = K::PageCount;
    b.elements << page << Label(30, slashLeft, QStringLiteral("/"), 180, 240, kCentre) << count;
    return b;
}

const QString kIntro = QStringLiteral(
    "あなたが入力された内容に基づき当データベースで検索した結果は下記のとおりです。");
const QString kYears = QStringLiteral("建物の竣工年\uFF65改修年");

// The frame the four notices share, down to the heading of the condition table.
ReportBand NoticeFrame(int width, int firstRow) {
    ReportBand b;
    b.elements << Banner()
               << Label(570, 5670, QStringLiteral("ソラリオ"), 5100, 345, kCentre, 1.6, true)
               << Shape(K::Line, 930, 5670, 5100)
               << Value(120, 12600, QStringLiteral("DBバージョン"), width - 12600, 300, kRight)
               << Label(1125, 5670, QStringLiteral("検索結果"), 5100, 400, kCentre, 1.3, true)
               << Label(2265, 0, kIntro, width) << Notice(2650, 0, width)
               << Label(firstRow - 420, 0, QStringLiteral("【入力内容】"), 3000);
    return b;
}

// The orange message in its rounded frame, then why a material might still contain
// asbestos, as the notice screens say under it. Returns the foot of the cautions.
int Message(ReportBand& b, int top, Qt::Alignment align) {
    constexpr int kBoxLeft = 1935, kBoxWidth = 11340, kLine = 240;
    const qsizetype first = b.elements.size();
    b.elements << Shape(K::RoundRect, top - 450, kBoxLeft, kBoxWidth, 2280);
    ReportElement m = Value(top, kBoxLeft + 1170, QStringLiteral("メッセージ"), 9000, 1150, align);
    m.orange = true;
    m.size = 1.5;
    m.bold = true;
    b.elements << m;
    int line = top - 450 + 2280 + 90;
    b.elements << Label(line, kBoxLeft, kCautionHeadline, kBoxWidth, kLine, kLeft, 1.0, true);
    for (const QString& text : kCautionCases)
        b.elements << Label(line += kLine, kBoxLeft + 240, text, kBoxWidth - 240, kLine);
    // The result is never parted from what it warns of.
    for (qsizetype i = first; i < b.elements.size(); ++i)
        b.elements[i].keep = kResultGroup;
    return line + kLine;
}

} // namespace

const ReportLayout& DataReport_ListKenzai2() {
    static const ReportLayout layout = [] {
        ReportLayout l;
        l.name = QStringLiteral("DataReport_ListKenzai2");
        l.title = QStringLiteral("石綿含有建材リスト");
        l.fileStem = QStringLiteral("検索結果一覧");
        l.command = 2;
        l.headingRows = true;
        l.landscape = true;
        l.width = 14775;
        l.pageHeader.height = 1650;
        l.pageHeader.elements
            << Banner() << Label(0, 5550, QStringLiteral("ソラリオ"), 4800, 345, kCentre, 1.6, true)
            << Shape(K::Line, 345, 5415, 5100) << Label(120, 12600, kDataEdition, 2175, 300, kRight)
            << Label(795, 5415, QStringLiteral("検索結果"), 5100, 400, kCentre, 1.3, true);
        ReportBand& g = l.groupHeader;
        g.height = 5280;
        g.elements << Label(0, 0, kIntro, l.width) << Notice(390, 30, l.width - 30)
                   << Label(735, 0, QStringLiteral("【入力内容】"), 3000);
        ConditionTable(g, 1305, 0, 7575,
                       {{u"建物の竣工年\uFF65改修年", u"竣工年"},
                        {u"施工部位", u"施工部位"},
                        {u"使われ方", u"使われ方"},
                        {u"建材名（一般名）", u"建材名"},
                        {u"メーカー名", u"現在のメーカー名"},
                        {u"商品名", u"商品名"},
                        {u"型番・品番", u"型番・品番"},
                        {u"不燃材料認定番号", u"不燃材料認定番号"}});
        g.elements << Label(4725, 0, QStringLiteral("【検索結果】"), 3000);
        l.detail.height = kRow;
        const std::pair<const char16_t*, int> cells[] = {
            {u"建材名", 3450},           {u"商品名", 2340},
            {u"型番・品番", 1395},       {u"生産時のメーカー名", 2400},
            {u"石綿含有製造期間", 1215}, {u"含有率", 990},
            {u"石綿種類", 1065},         {u"不燃材料認定番号", 1860}};
        int left = 0;
        for (const auto& [column, width] : cells) {
            ValueCell(l.detail, 0, left, width, kRow, QString::fromUtf16(column),
                      QString::fromUtf16(column) == u"石綿含有製造期間" ? kCentre : kLeft);
            left += width;
        }
        l.pageFooter = PageFooter(13110, 13830, 14040);
        return l;
    }();
    return layout;
}

const ReportLayout& DataReport_SelectKenzai() {
    static const ReportLayout layout = [] {
        ReportLayout l;
        l.name = QStringLiteral("DataReport_SelectKenzai");
        l.title = QStringLiteral("石綿含有建材名リスト（一般名）");
        l.fileStem = QStringLiteral("建材名リスト");
        l.command = 1;
        l.topMarginMm = 11.93;
        l.bottomMarginMm = 11.93;
        l.headingRows = true;
        l.width = 9975;
        l.pageHeader.height = 1722;
        l.pageHeader.elements << Banner() << Label(360, 7830, kDataEdition, 2145, 300, kRight)
                              << Label(690, 3720, QStringLiteral("ソラリオ"), 4050, 345, kCentre,
                                       1.6, true)
                              << Shape(K::Line, 1035, 3720, 4050)
                              << Label(1215, 3720, QStringLiteral("検索結果"), 4050, 400, kCentre,
                                       1.3, true);
        ReportBand& g = l.groupHeader;
        g.height = 3738;
        g.elements << Label(0, 0, kIntro, l.width) << Notice(360, 15, l.width - 15)
                   << Label(795, 15, QStringLiteral("【入力内容】"), 3000);
        ConditionTable(g, 1245, 0, 6435,
                       {{u"建物の種類", u"建物の種類"},
                        {u"建物の竣工年\uFF65改修年", u"竣工年"},
                        {u"施工部位", u"施工部位"},
                        {u"使われ方", u"使われ方"}});
        g.elements << Label(3345, 0, QStringLiteral("【検索結果】"), 3000);
        l.detail.height = kRow;
        ValueCell(l.detail, 0, 0, 7125, kRow, QStringLiteral("建材名"));
        ValueCell(l.detail, 0, 7125, 2730, kRow, QStringLiteral("該当件数"), kCentre);
        ReportBand& f = l.groupFooter;
        f.height = 2760;
        f.elements << Label(75, 0, QStringLiteral("（参考情報）"), 3000)
                   << Label(300, 0,
                            QStringLiteral("【製造段階で石綿が使用されていない建材名（一般名）】"),
                            9855)
                   << Shape(K::Rect, 630, 0, 9855, 2100)
                   << Value(735, 90, QStringLiteral("非含有建材名"), 9675, 1935, kTopLeft);
        l.pageFooter = PageFooter(8265, 8970, 9195);
        return l;
    }();
    return layout;
}

namespace {

// A notice: the frame, the condition table starting at firstRow, the heading of the
// result, the message and the cautions. The notices print on one page, inside a top
// margin of 7 mm.
struct NoticeTable {
    int firstRow;
    int left;
    int valueWidth;
    std::initializer_list<Row> rows;
    int resultGap; // between the table and the heading of the result
};

ReportLayout NoticeLayout(const QString& name, int width, int height, const NoticeTable& table,
                          int messageTop, Qt::Alignment messageAlign) {
    ReportLayout l;
    l.name = name;
    l.title = QStringLiteral("石綿含有建材の検索結果（該当なし）");
    l.fileStem = QStringLiteral("検索結果_該当なし");
    l.landscape = true;
    l.topMarginMm = 7;
    l.width = width;
    ReportBand& g = l.groupHeader;
    g = NoticeFrame(l.width, table.firstRow);
    const int end = ConditionTable(g, table.firstRow, table.left, table.valueWidth, table.rows);
    g.elements << Label(end + table.resultGap, 0, QStringLiteral("【検索結果】"), 3000);
    g.elements.last().keep = kResultGroup;
    g.height = std::max(height, Message(g, messageTop, messageAlign));
    return l;
}

// The notices of the usage search that repeat years, part and usage.
ReportLayout ThreeRowNotice(const QString& name, int width, int height, int firstRow,
                            int messageTop) {
    return NoticeLayout(name, width, height,
                        {firstRow,
                         1935,
                         4530,
                         {{u"建物の竣工年\uFF65改修年", u"竣工年"},
                          {u"施工部位", u"施工部位"},
                          {u"使われ方", u"使われ方"}},
                         300},
                        messageTop, kCentre);
}

} // namespace

const ReportLayout& DataReport_Error_1() {
    static const ReportLayout layout =
        ThreeRowNotice(QStringLiteral("DataReport_Error_1"), 15375, 9540, 3960, 7830);
    return layout;
}

const ReportLayout& DataReport_Error_1_1() {
    static const ReportLayout layout = [] {
        ReportLayout l =
            ThreeRowNotice(QStringLiteral("DataReport_Error_1_1"), 15390, 10110, 3600, 6015);
        // The reference box stands below the cautions.
        int box = 0;
        for (const ReportElement& e : l.groupHeader.elements)
            box = std::max(box, e.top + e.height + 90);
        l.groupHeader.height = box + 1800;
        l.groupHeader.elements
            << Shape(K::Rect, box, 1935, 11355, 1800)
            << Label(box + 45, 2100, QStringLiteral("（参考情報）"), 3000)
            << Label(box + 285, 3900,
                     QStringLiteral(
                         "以下の建材には製造段階で石綿（アスベスト）は使用されていません。"),
                     9000)
            << Shape(K::Rect, box + 585, 2220, 10785, 1005)
            << Label(box + 645, 2400,
                     QStringLiteral(
                         "人造鉱物組織の保温材、断熱材のロックウール、グラスウール\n"
                         "吹込み用繊維系断熱材のグラスウール、ロックウール、セルローズファイバー\n"
                         "発泡プラスチック保温材のポリステレンフォーム、ウレタンフォーム、フェノー"
                         "ルフォーム"),
                     10500, 900, kTopLeft);
        return l;
    }();
    return layout;
}

const ReportLayout& DataReport_Error_2() {
    static const ReportLayout layout =
        NoticeLayout(QStringLiteral("DataReport_Error_2"), 15585, 11790,
                     {3465,
                      0,
                      11895,
                      {{u"建物の竣工年\uFF65改修年", u"竣工年"},
                       {u"施工部位", u"施工部位"},
                       {u"使われ方", u"使われ方"},
                       {u"石綿（アスベスト）含有建材", u"建材名", 1815},
                       {u"メーカー名", u"現在のメーカー名"},
                       {u"商品名", u"商品名"}},
                      15},
                     7920, kLeft);
    return layout;
}

const ReportLayout& DataReport_Error_3() {
    static const ReportLayout layout =
        NoticeLayout(QStringLiteral("DataReport_Error_3"), 15450, 9165,
                     {3465,
                      0,
                      9435,
                      {{u"建物の竣工年\uFF65改修年", u"竣工年"},
                       {u"石綿（アスベスト）含有建材", u"建材名"},
                       {u"商品名", u"商品名"},
                       {u"型番・品番", u"型番・品番"},
                       {u"メーカー名", u"現在のメーカー名"},
                       {u"不燃材料認定番号", u"不燃材料認定番号"}},
                      150},
                     7380, kCentre);
    return layout;
}

const ReportLayout& DataReport_DetailKenzai() {
    static const ReportLayout layout = [] {
        ReportLayout l;
        l.name = QStringLiteral("DataReport_DetailKenzai");
        l.title = QStringLiteral("石綿含有建材個別情報");
        l.fileStem = QStringLiteral("建材個別情報");
        l.command = 3;
        l.topMarginMm = 6;
        l.bottomMarginMm = 10;
        l.width = 10365;
        ReportBand& d = l.detail;
        d.height = 15645;
        d.elements << Banner(4800)
                   << Value(390, 8355, QStringLiteral("DBバージョン"), 1920, 300, kRight)
                   << Notice(615, 0, l.width)
                   << Label(1005, 3585, QStringLiteral("ソラリオ"), 3915, 285, kCentre, 1.4, true)
                   << Shape(K::Line, 1290, 3585, 3915)
                   << Label(1380, 0, QStringLiteral("【検索結果】"), 2400)
                   << Label(1380, 3570, QStringLiteral("石綿（アスベスト）含有建材個別情報"), 4000,
                            330, kCentre, 1.1, true);
        const int end = 10290;
        int top = 1755;
        const std::pair<const char16_t*, const char16_t*> plain[] = {
            {u"建材名（一般名）", u"建材名"},
            {u"商品名", u"商品名"},
            {u"型番・品番", u"型番・品番"},
            {u"現在のメーカー名", u"メーカー名"},
            {u"製造時のメーカー名", u"生産時のメーカー名"},
            {u"製造期間", u"石綿含有製造期間"},
            {u"不燃材料等認定番号", u"不燃材料認定番号"},
            {u"石綿含有率(%)", u"石綿含有率"},
            {u"石綿の種類", u"石綿の種類"}};
        for (const auto& [caption, column] : plain) {
            Cell(d, top, 0, 2325, kRow, QString::fromUtf16(caption));
            ValueCell(d, top, 2325, end - 2325, kRow, QString::fromUtf16(column));
            top += kRow;
        }
        // Uses: a group column, and for the parts a second one.
        Cell(d, 5280, 0, 1230, 8655 - 5280, QStringLiteral("主な使用方法"));
        Cell(d, 5655, 1230, 2175 - 1230, 8280 - 5655, QStringLiteral("主な\n使用部位"));
        Cell(d, 5280, 1230, 3360 - 1230, kRow, QStringLiteral("建物の種類"));
        ValueCell(d, 5280, 3360, end - 3360, kRow, QStringLiteral("建物の種類"));
        const std::tuple<int, const char16_t*, int> parts[] = {{5655, u"外装材", kRow},
                                                               {6030, u"内装材", 1125},
                                                               {7155, u"耐火被覆材", kRow},
                                                               {7530, u"設備", kRow},
                                                               {7905, u"その他", kRow}};
        for (const auto& [rowTop, name, height] : parts) {
            Cell(d, rowTop, 2175, 3360 - 2175, height, QString::fromUtf16(name));
            ValueCell(d, rowTop, 3360, end - 3360, height, QString::fromUtf16(name));
        }
        Cell(d, 8280, 1230, 3360 - 1230, kRow, QStringLiteral("使われ方"));
        ValueCell(d, 8280, 3360, end - 3360, kRow, QStringLiteral("使われ方"));
        // Material and shape.
        Cell(d, 8790, 0, 1230, 12405 - 8790, QStringLiteral("素材\n形状・外観等"));
        const std::tuple<int, const char16_t*, const char16_t*, int> shape[] = {
            {8790, u"素材", u"素材", kRow},
            {9165, u"綿状", u"形状・外観（綿状）", kRow},
            {9540, u"ボード状厚さmm", u"形状・外観（ボード状厚さmm）", kRow},
            {9915, u"ボード状標準寸法mm", u"形状・外観（ボード状標準寸法mm）", kRow},
            {10290, u"巻物厚さmm", u"形状・外観（巻物厚さmm）", kRow},
            {10665, u"巻物標準寸法mm", u"形状・外観（巻物標準寸法mm）", kRow},
            {11040, u"固有の見分け方", u"固有の見分け方", 1365}};
        for (const auto& [rowTop, caption, column, height] : shape) {
            Cell(d, rowTop, 1230, 3360 - 1230, height, QString::fromUtf16(caption));
            ValueCell(d, rowTop, 3360, end - 3360, height, QString::fromUtf16(column));
        }
        // Markings.
        Cell(d, 12525, 0, 1230, 14775 - 12525, QStringLiteral("表示"));
        const std::pair<const char16_t*, const char16_t*> marks[] = {
            {u"メーカーマーク", u"会社名マーク"},
            {u"商品名", u"商品名内容"},
            {u"その他ロット番号", u"その他ロット番号等"},
            {u"不燃材料等認定番号有無", u"不燃材料認定番号有無"},
            {u"JIS許可番号", u"ＪＩＳ許可番号"},
            {u"aマーク", u"aマーク"}};
        top = 12525;
        for (const auto& [caption, column] : marks) {
            Cell(d, top, 1230, 3945 - 1230, kRow, QString::fromUtf16(caption));
            ValueCell(d, top, 3945, end - 3945, kRow, QString::fromUtf16(column));
            top += kRow;
        }
        // Whom to ask.
        Cell(d, 14895, 0, 1230, 15645 - 14895, QStringLiteral("相談窓口"));
        const std::tuple<int, const char16_t*, const char16_t*, const char16_t*> ask[] = {
            {14895, u"メーカー", u"相談窓口（メーカー名称）", u"相談窓口（メーカー電話）"},
            {15270, u"関係団体", u"相談窓口（関係団体名称）", u"相談窓口（関係団体電話）"}};
        for (const auto& [rowTop, caption, name, phone] : ask) {
            Cell(d, rowTop, 1230, 3120 - 1230, kRow, QString::fromUtf16(caption));
            ValueCell(d, rowTop, 3120, 7425 - 3120, kRow, QString::fromUtf16(name));
            Cell(d, rowTop, 7425, 8400 - 7425, kRow, QStringLiteral("連絡先"));
            ValueCell(d, rowTop, 8400, end - 8400, kRow, QString::fromUtf16(phone));
        }
        return l;
    }();
    return layout;
}

} // namespace solario
