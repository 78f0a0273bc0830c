#include "detail/form_detail.h"

#include "data/field_catalogue.h"
#include "data/input_rules.h"
#include "reports/report_layout.h"
#include "reports/report_printing.h"
#include "shell/form_menu.h"
#include "shell/settings.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace solario {
namespace {

constexpr int kClientWidth = 12045;  // twips
constexpr int kClientHeight = 7725;  // twips
constexpr int kScrollBarWidth = 300; // twips
constexpr int kViewportHeight = 7700;

QLabel* Fixed(QWidget* parent, const QString& name, const QString& text) {
    QLabel* label = MakeLabel(parent, name, text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLabel* Filled(QWidget* parent, const QString& name) {
    auto* label = Fixed(parent, name, QString());
    label->setWordWrap(true);
    label->setMinimumWidth(0);
    label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    return label;
}

QGroupBox* Group(QWidget* parent, const QString& name, const QString& title) {
    auto* g = new QGroupBox(title, parent);
    g->setObjectName(name);
    return g;
}

QFrame* Plain(QWidget* parent, const QString& name) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    return f;
}

} // namespace

Form_Detail::Form_Detail(AppState& state, Platform& platform)
    : Screen(state, platform, QStringLiteral("【ソラリオ】")) {
    setObjectName(QStringLiteral("Form_Detail"));
    picWindow = new QWidget(this);
    picWindow->setObjectName(QStringLiteral("picWindow"));
    picI_Scroll = new QWidget(picWindow);
    picI_Scroll->setObjectName(QStringLiteral("picI_Scroll"));
    picI_Scroll->setAutoFillBackground(true);
    QPalette white = picI_Scroll->palette();
    white.setColor(QPalette::Window, Qt::white);
    picI_Scroll->setPalette(white);
    picI_Scroll->setFocusPolicy(Qt::StrongFocus);
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setTracking(false); // the page follows the thumb when it is let go
    VScroll1->setFocusPolicy(Qt::NoFocus);

    auto* page = new QVBoxLayout(picI_Scroll);
    page->setContentsMargins(Twips(*this, 180), Twips(*this, 120), Twips(*this, 240),
                             Twips(*this, 240));
    page->setSpacing(Twips(*this, 120));

    // 1. The header block.
    QFrame* frame5 = Plain(picI_Scroll, QStringLiteral("Frame5"));
    auto* head = new QVBoxLayout(frame5);
    head->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QHBoxLayout;
    CommandHelp = MakePictureButton(*this, QStringLiteral("CommandHelp"),
                                    QStringLiteral(":/images/help.png"), QStringLiteral("ヘルプ"));
    CommandHelp->setParent(frame5);
    Command_ReportOut =
        MakeButton(QStringLiteral("Command_ReportOut"), QStringLiteral("検索結果の印刷"));
    CommandGoMenu = MakeButton(QStringLiteral("CommandGoMenu"), QStringLiteral("メニューに戻る"));
    CommandExit = MakeButton(QStringLiteral("CommandExit"), QStringLiteral("戻る"));
    CommandHelp->setFixedSize(Twips(*this, 495), Twips(*this, 495));
    FitIcon(CommandHelp);
    buttons->addWidget(CommandHelp);
    for (QPushButton* b : {Command_ReportOut, CommandGoMenu, CommandExit}) {
        b->setParent(frame5);
        b->setMinimumSize(Twips(*this, 1935), Twips(*this, 495));
        buttons->addWidget(b);
    }
    buttons->addStretch();
    head->addLayout(buttons);
    QLabel* image1 = Fixed(frame5, QStringLiteral("Image1"), QString());
    image1->setPixmap(QPixmap(QStringLiteral(":/images/banner.png")));
    image1->setScaledContents(true);
    image1->setFixedHeight(Twips(*this, 600));
    head->addWidget(image1);
    QLabel* title = Fixed(frame5, QStringLiteral("Label21"),
                          QStringLiteral("石綿（アスベスト）含有建材個別情報"));
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    title->setFont(big);
    head->addWidget(title);
    auto* pairs = new QGridLayout;
    pairs->setColumnStretch(1, 1);
    pairs->setHorizontalSpacing(Twips(*this, 120));
    int row = 0;
    auto pair = [&](const QString& name, const QString& caption, QLabel* value) {
        pairs->addWidget(Fixed(frame5, name, caption), row, 0);
        pairs->addWidget(value, row++, 1);
    };
    Label_Ippan = Filled(frame5, QStringLiteral("Label_Ippan"));
    Label_Kataban = Filled(frame5, QStringLiteral("Label_Kataban"));
    Label_Shohinmei = Filled(frame5, QStringLiteral("Label_Shohinmei"));
    Label_SeisanMaker = Filled(frame5, QStringLiteral("Label_SeisanMaker"));
    Label_Maker = Filled(frame5, QStringLiteral("Label_Maker"));
    pair(QStringLiteral("Label2"), QStringLiteral("建材名(一般名)："), Label_Ippan);
    pair(QStringLiteral("Label3"), QStringLiteral("型番・品番："), Label_Kataban);
    pair(QStringLiteral("Label1"), QStringLiteral("商\u3000品\u3000名："), Label_Shohinmei);
    pair(QStringLiteral("Label6"), QStringLiteral("製造時のメーカー名："), Label_SeisanMaker);
    pair(QStringLiteral("Label4"), QStringLiteral("現在のメーカー名："), Label_Maker);
    {
        auto* period = new QHBoxLayout;
        Label_IshiwataSeozo_From =
            Fixed(frame5, QStringLiteral("Label_IshiwataSeozo_From"), QString());
        Label_IshiwataSeozo_To = Fixed(frame5, QStringLiteral("Label_IshiwataSeozo_To"), QString());
        period->addWidget(Label_IshiwataSeozo_From);
        period->addWidget(Fixed(frame5, QStringLiteral("Label23"), QStringLiteral("年")));
        period->addWidget(Fixed(frame5, QStringLiteral("Label7"), QStringLiteral("から")));
        period->addWidget(Label_IshiwataSeozo_To);
        period->addWidget(Fixed(frame5, QStringLiteral("Label24"), QStringLiteral("年")));
        period->addStretch();
        pairs->addWidget(Fixed(frame5, QStringLiteral("Label10"), QStringLiteral("製造期間：")),
                         row, 0);
        pairs->addLayout(period, row++, 1);
    }
    Label_BohkaZairyo = Filled(frame5, QStringLiteral("Label_BohkaZairyo"));
    Label_IshiwataRitu = Filled(frame5, QStringLiteral("Label_IshiwataRitu"));
    Label_IshiwataShurui = Filled(frame5, QStringLiteral("Label_IshiwataShurui"));
    pair(QStringLiteral("Label11"), QStringLiteral("不燃材料等認定番号："), Label_BohkaZairyo);
    pair(QStringLiteral("Label17"), QStringLiteral("石綿含有率(%)："), Label_IshiwataRitu);
    pair(QStringLiteral("Label59"), QStringLiteral("石綿の種類："), Label_IshiwataShurui);
    head->addLayout(pairs);
    page->addWidget(frame5);

    // 2. The uses the maker foresaw: each box with its caption to its right.
    QGroupBox* frame11 = Group(picI_Scroll, QStringLiteral("Frame11"),
                               QStringLiteral("メーカーが想定した主な使用方法："));
    auto* uses = new QGridLayout(frame11);
    uses->setColumnStretch(2, 1);
    auto boxes = [&](QWidget* parent, QList<QCheckBox*>& list, const QString& arrayName,
                     const QStringList& captions, QHBoxLayout* into) {
        for (const QString& caption : captions) {
            auto* box = new QCheckBox(parent);
            box->setObjectName(arrayName + QStringLiteral("(%1)").arg(list.size()));
            box->setAccessibleName(caption);
            list.append(box);
            allBoxes_.append(box);
            into->addWidget(box);
            // Captions keep their full width; a slightly smaller type lets the longest
            // row of the interior parts fit the page.
            QLabel* label = Fixed(parent, QString(), caption);
            QFont small = label->font();
            small.setPointSizeF(small.pointSizeF() * 0.9);
            label->setFont(small);
            label->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
            into->addWidget(label);
            into->addSpacing(Twips(*this, 45));
        }
        into->addStretch();
    };
    auto rowOf = [&](QWidget* parent, const QString& frameName) {
        QFrame* f = Plain(parent, frameName);
        auto* h = new QHBoxLayout(f);
        h->setContentsMargins(0, 0, 0, 0);
        h->setSpacing(Twips(*this, 15));
        return std::pair{f, h};
    };
    int urow = 0;
    {
        auto [f, h] = rowOf(frame11, QStringLiteral("Frame12"));
        boxes(f, Check_Tatemono_Shurui, QStringLiteral("Check_Tatemono_Shurui"),
              {QStringLiteral("戸建住宅"), QStringLiteral("共同住宅"),
               QStringLiteral("学校・幼稚園等"), QStringLiteral("店舗・事務所"),
               QStringLiteral("劇場・百貨店等"), QStringLiteral("工場"), QStringLiteral("倉庫")},
              h);
        uses->addWidget(Fixed(frame11, QStringLiteral("Label62"), QStringLiteral("建物の種類：")),
                        urow, 0);
        uses->addWidget(f, urow++, 1, 1, 2);
    }
    uses->addWidget(Fixed(frame11, QStringLiteral("Label60"), QStringLiteral("施工部位：")), urow,
                    0);
    {
        auto [f, h] = rowOf(frame11, QStringLiteral("Frame2"));
        h->addWidget(Fixed(f, QStringLiteral("Label61"), QStringLiteral("外装材：")));
        boxes(f, Check_Sekobui_Gaiso, QStringLiteral("Check_Sekobui_Gaiso"),
              {QStringLiteral("屋根"), QStringLiteral("外壁"), QStringLiteral("軒天井・ピロティ"),
               QStringLiteral("ベランダ隔壁"), QStringLiteral("外装目地"),
               QStringLiteral("その他")},
              h);
        uses->addWidget(f, urow++, 1, 1, 2);
    }
    {
        QFrame* f = Plain(frame11, QStringLiteral("Frame7"));
        auto* v = new QGridLayout(f);
        v->setContentsMargins(0, 0, 0, 0);
        v->addWidget(Fixed(f, QStringLiteral("Label94"), QStringLiteral("内装材：")), 0, 0);
        auto* first = new QHBoxLayout;
        auto* second = new QHBoxLayout;
        first->setSpacing(Twips(*this, 15));
        second->setSpacing(Twips(*this, 15));
        boxes(f, Check_Sekobui_Naiso, QStringLiteral("Check_Sekobui_Naiso"),
              {QStringLiteral("居室天井"), QStringLiteral("居室壁"), QStringLiteral("台所天井"),
               QStringLiteral("台所壁"), QStringLiteral("浴室天井"), QStringLiteral("浴室壁"),
               QStringLiteral("トイレ天井"), QStringLiteral("トイレ壁")},
              first);
        boxes(f, Check_Sekobui_Naiso, QStringLiteral("Check_Sekobui_Naiso"),
              {QStringLiteral("間仕切り"), QStringLiteral("階段裏"), QStringLiteral("廊下天井"),
               QStringLiteral("廊下壁"), QStringLiteral("駐車場天井"), QStringLiteral("床"),
               QStringLiteral("巾木"), QStringLiteral("ユニット類"), QStringLiteral("その他")},
              second);
        v->addLayout(first, 0, 1);
        v->addLayout(second, 1, 1);
        uses->addWidget(f, urow++, 1, 1, 2);
    }
    {
        auto [f, h] = rowOf(frame11, QStringLiteral("Frame3"));
        h->addWidget(Fixed(f, QStringLiteral("Label13"), QStringLiteral("耐火被覆材：")));
        boxes(f, Check_Taika_Hifuku, QStringLiteral("Check_Taika_Hifuku"),
              {QStringLiteral("鉄骨柱はり"), QStringLiteral("デッキプレート"),
               QStringLiteral("カーテンウォール裏打ち"), QStringLiteral("その他")},
              h);
        uses->addWidget(f, urow++, 1, 1, 2);
    }
    {
        auto* both = new QHBoxLayout;
        auto [f8, h8] = rowOf(frame11, QStringLiteral("Frame8"));
        h8->addWidget(Fixed(f8, QStringLiteral("Label98"), QStringLiteral("設\u3000備：")));
        boxes(f8, Check_Setubi, QStringLiteral("Check_Setubi"),
              {QStringLiteral("煙突"), QStringLiteral("臭気抜き"), QStringLiteral("給排水管")}, h8);
        auto [f9, h9] = rowOf(frame11, QStringLiteral("Frame9"));
        h9->addWidget(Fixed(f9, QStringLiteral("Label16"), QStringLiteral("その他：")));
        boxes(f9, Check_Sonota, QStringLiteral("Check_Sonota"), {QStringLiteral("その他の部位")},
              h9);
        both->addWidget(f8);
        both->addWidget(f9);
        both->addStretch();
        uses->addLayout(both, urow++, 1, 1, 2);
    }
    {
        auto [f, h] = rowOf(frame11, QStringLiteral("Frame10"));
        boxes(f, Check_Use, QStringLiteral("Check_Use"),
              {QStringLiteral("仕上げ材"), QStringLiteral("下地材")}, h);
        uses->addWidget(Fixed(frame11, QStringLiteral("Label99"), QStringLiteral("使われ方：")),
                        urow, 0);
        uses->addWidget(f, urow++, 1, 1, 2);
    }
    {
        auto* h = new QHBoxLayout;
        Command_shiyou_bui = MakeButton(QStringLiteral("Command_shiyou_bui"),
                                        QStringLiteral("施工部位・使われ方について"));
        Command_shiyou_bui->setParent(frame11);
        h->addWidget(Command_shiyou_bui);
        h->addStretch();
        h->addWidget(Fixed(frame11, QStringLiteral("Label22"),
                           QStringLiteral("※更に下にも情報があります。")));
        uses->addLayout(h, urow++, 0, 1, 3);
    }
    page->addWidget(frame11);

    // 3. Material and shape.
    QGroupBox* frame1 =
        Group(picI_Scroll, QStringLiteral("Frame1"), QStringLiteral("素材・形状等："));
    auto* shape = new QGridLayout(frame1);
    shape->setColumnStretch(1, 1);
    {
        QFrame* f = Plain(frame1, QStringLiteral("Frame17"));
        auto* h = new QHBoxLayout(f);
        h->setContentsMargins(0, 0, 0, 0);
        const std::pair<QList<QCheckBox*>*, QString> sozai[] = {
            {&Check_Sozai_Cement, QStringLiteral("セメント・窯業セメント系")},
            {&Check_Sozai_Fiber, QStringLiteral("繊維系")},
            {&Check_Sozai_Plastic, QStringLiteral("プラスチック等樹脂系")},
            {&Check_Sozai_Asphalt, QStringLiteral("アスファルト系")}};
        const char* names[] = {"Check_Sozai_Cement(0)", "Check_Sozai_Fiber(0)",
                               "Check_Sozai_Plastic(0)", "Check_Sozai_Asphalt(0)"};
        int i = 0;
        for (const auto& [list, caption] : sozai) {
            auto* box = new QCheckBox(caption, f);
            box->setObjectName(QString::fromLatin1(names[i++]));
            list->append(box);
            allBoxes_.append(box);
            h->addWidget(box);
            h->addSpacing(Twips(*this, 240));
        }
        h->addStretch();
        shape->addWidget(Fixed(frame1, QStringLiteral("Label120"), QStringLiteral("素材：")), 0, 0);
        shape->addWidget(f, 0, 1);
    }
    {
        QFrame* f = Plain(frame1, QStringLiteral("Frame16"));
        auto* g = new QGridLayout(f);
        g->setContentsMargins(0, 0, 0, 0);
        g->setColumnStretch(2, 1);
        g->setColumnStretch(4, 1);
        Label_Menjou = Filled(f, QStringLiteral("Label_Menjou"));
        Label_Boad_Atusa = Filled(f, QStringLiteral("Label_Boad_Atusa"));
        Label_Boad_Sunpou = Filled(f, QStringLiteral("Label_Boad_Sunpou"));
        Label_Makimono_Atusa = Filled(f, QStringLiteral("Label_Makimono_Atusa"));
        Label_Makimono_Sunpou = Filled(f, QStringLiteral("Label_Makimono_Sunpou"));
        Label_Koyu_Miwakekata = Filled(f, QStringLiteral("Label_Koyu_Miwakekata"));
        Label_Koyu_Miwakekata->setMinimumHeight(fontMetrics().lineSpacing() * 3);
        g->addWidget(Fixed(f, QStringLiteral("Label104"), QStringLiteral("綿状：")), 0, 0);
        g->addWidget(Label_Menjou, 0, 1, 1, 4);
        g->addWidget(Fixed(f, QStringLiteral("Label110"), QStringLiteral("ボード状：")), 1, 0);
        g->addWidget(Fixed(f, QStringLiteral("Label108"), QStringLiteral("厚さ（mm）")), 1, 1);
        g->addWidget(Label_Boad_Atusa, 1, 2);
        g->addWidget(Fixed(f, QStringLiteral("Label106"), QStringLiteral("標準寸法（mm）")), 1, 3);
        g->addWidget(Label_Boad_Sunpou, 1, 4);
        g->addWidget(Fixed(f, QStringLiteral("Label109"), QStringLiteral("巻物：")), 2, 0);
        g->addWidget(Fixed(f, QStringLiteral("Label5"), QStringLiteral("厚さ（mm）")), 2, 1);
        g->addWidget(Label_Makimono_Atusa, 2, 2);
        g->addWidget(Fixed(f, QStringLiteral("Label9"), QStringLiteral("標準寸法（mm）")), 2, 3);
        g->addWidget(Label_Makimono_Sunpou, 2, 4);
        g->addWidget(Fixed(f, QStringLiteral("Label19"), QStringLiteral("固有の見分け方：")), 3, 0);
        g->addWidget(Label_Koyu_Miwakekata, 3, 1, 1, 4);
        shape->addWidget(
            Fixed(frame1, QStringLiteral("Label119"), QStringLiteral("形状・\n外観：")), 1, 0);
        shape->addWidget(f, 1, 1);
    }
    page->addWidget(frame1);

    // 4. Markings on the product.
    QGroupBox* frame18 = Group(picI_Scroll, QStringLiteral("Frame18"), QStringLiteral("表示："));
    auto* marks = new QGridLayout(frame18);
    marks->setColumnStretch(1, 1);
    for (int i = 0; i < 6; ++i)
        Label_Hyoji.append(Filled(frame18, QStringLiteral("Label_Hyoji(%1)").arg(i)));
    const std::pair<const char16_t*, int> markRows[] = {
        {u"メーカーマーク：", 0},     {u"商品名：", 1},      {u"その他ロット番号等：", 3},
        {u"不燃材料等認定番号：", 5}, {u"JIS許可番号：", 2}, {u"aマーク：", 4}};
    int mrow = 0;
    for (const auto& [caption, index] : markRows) {
        marks->addWidget(Fixed(frame18, QString(), QString::fromUtf16(caption)), mrow, 0);
        marks->addWidget(Label_Hyoji[index], mrow++, 1);
    }
    page->addWidget(frame18);

    // 5. The sales region: filled, never shown.
    Frame4 = Plain(picI_Scroll, QStringLiteral("Frame4"));
    auto* sales = new QHBoxLayout(Frame4);
    sales->addWidget(Fixed(Frame4, QStringLiteral("Label35"), QStringLiteral("販売地域：")));
    Label_Hanbai_Chiiki = Filled(Frame4, QStringLiteral("Label_Hanbai_Chiiki"));
    sales->addWidget(Label_Hanbai_Chiiki);
    Frame4->setVisible(false);
    page->addWidget(Frame4);

    // 6. The note on the "ａ" mark.
    QLabel* note =
        Fixed(picI_Scroll, QStringLiteral("Label20"),
              QStringLiteral(
                  "※「ａ」マーク：平成元年（1989年）から、業界団体の申し合わせにより、\n"
                  "\u3000石綿を重量で１％を超えて含有する製品には「ａ」の表示がされています。"));
    page->addWidget(note);

    // 7. Whom to ask.
    QGroupBox* frame19 =
        Group(picI_Scroll, QStringLiteral("Frame19"), QStringLiteral("相談窓口："));
    auto* ask = new QGridLayout(frame19);
    ask->setColumnStretch(1, 2);
    ask->setColumnStretch(2, 1);
    Label_Madoguchi_Maker = Filled(frame19, QStringLiteral("Label_Madoguchi_Maker"));
    Label_Madoguchi_Maker_TEL = Filled(frame19, QStringLiteral("Label_Madoguchi_Maker_TEL"));
    Label_Madoguchi_Dantai = Filled(frame19, QStringLiteral("Label_Madoguchi_Dantai"));
    Label_Madoguchi_Dantai_TEL = Filled(frame19, QStringLiteral("Label_Madoguchi_Dantai_TEL"));
    ask->addWidget(Fixed(frame19, QStringLiteral("Label87"), QStringLiteral("メーカー：")), 0, 0);
    ask->addWidget(Label_Madoguchi_Maker, 0, 1);
    ask->addWidget(Label_Madoguchi_Maker_TEL, 0, 2);
    ask->addWidget(Fixed(frame19, QStringLiteral("Label86"), QStringLiteral("関係団体：")), 1, 0);
    ask->addWidget(Label_Madoguchi_Dantai, 1, 1);
    ask->addWidget(Label_Madoguchi_Dantai_TEL, 1, 2);
    page->addWidget(frame19);
    page->addStretch();

    // Tick boxes only show: no click or key changes them, and they take no focus.
    for (QCheckBox* box : allBoxes_) {
        box->setFocusPolicy(Qt::NoFocus);
        box->installEventFilter(this);
    }

    setFixedSize(Twips(*this, kClientWidth), Twips(*this, kClientHeight));
    setTabOrder(CommandHelp, Command_ReportOut);
    setTabOrder(Command_ReportOut, CommandGoMenu);
    setTabOrder(CommandGoMenu, CommandExit);
    setTabOrder(CommandExit, Command_shiyou_bui);

    connect(CommandHelp, &QPushButton::clicked, this, &Form_Detail::CommandHelp_Click);
    connect(Command_ReportOut, &QPushButton::clicked, this, &Form_Detail::Command_ReportOut_Click);
    connect(CommandGoMenu, &QPushButton::clicked, this, &Form_Detail::CommandGoMenu_Click);
    connect(CommandExit, &QPushButton::clicked, this, &Form_Detail::CommandExit_Click);
    connect(Command_shiyou_bui, &QPushButton::clicked, this,
            &Form_Detail::Command_shiyou_bui_Click);
    connect(VScroll1, &QScrollBar::valueChanged, this, &Form_Detail::VScroll1_Change);
    picI_Scroll->installEventFilter(this);
    picWindow->installEventFilter(this);
    InstallKeyHandler({Command_ReportOut, CommandExit, CommandHelp});
}

QString Form_Detail::Value(const QString& column) const {
    const qint32 i = FindFieldIndex(s_, column);
    return i >= 0 ? s_.DetailValues.value(i) : QString();
}

void Form_Detail::Form_Load() {
    const std::pair<QLabel*, const char16_t*> texts[] = {
        {Label_Ippan, u"一般名"},
        {Label_Shohinmei, u"商品名"},
        {Label_Kataban, u"型番・品番"},
        {Label_Maker, u"現在のメーカー名"},
        {Label_SeisanMaker, u"生産時のメーカー名"},
        {Label_IshiwataSeozo_To, u"製造終了"},
        {Label_IshiwataRitu, u"石綿含有率"},
        {Label_IshiwataShurui, u"石綿の種類"},
        {Label_Menjou, u"形状・外観（綿状）"},
        {Label_Boad_Atusa, u"形状・外観（ボード状厚さmm）"},
        {Label_Boad_Sunpou, u"形状・外観（ボード状標準寸法mm）"},
        {Label_Makimono_Atusa, u"形状・外観（巻物厚さmm）"},
        {Label_Makimono_Sunpou, u"形状・外観（巻物標準寸法mm）"},
        {Label_Koyu_Miwakekata, u"固有の見分け方"},
        {Label_Hyoji[0], u"会社名マーク"},
        {Label_Hyoji[1], u"商品名内容"},
        {Label_Hyoji[2], u"ＪＩＳ許可番号"},
        {Label_Hyoji[3], u"その他ロット番号等"},
        {Label_Hyoji[4], u"aマーク"},
        {Label_Hyoji[5], u"不燃材料認定番号有無"},
        {Label_Hanbai_Chiiki, u"販売地域"},
        {Label_Madoguchi_Maker, u"相談窓口（メーカー名称）"},
        {Label_Madoguchi_Maker_TEL, u"相談窓口（メーカー電話）"},
        {Label_Madoguchi_Dantai, u"相談窓口（関係団体名称）"},
        {Label_Madoguchi_Dantai_TEL, u"相談窓口（関係団体電話）"}};
    for (const auto& [label, column] : texts)
        label->setText(Value(QString::fromUtf16(column)));

    // No start year is recorded as 0; a value that is no number at all shows empty too.
    const QString start = Value(QStringLiteral("製造開始"));
    bool number = false;
    const double year = start.trimmed().toDouble(&number);
    Label_IshiwataSeozo_From->setText(number && year != 0 ? start : QString());

    const QString kind = Value(QStringLiteral("不燃材料認定番号（種類）"));
    const QString certNumber = Value(QStringLiteral("不燃材料認定番号（番号）"));
    Label_BohkaZairyo->setText(!kind.isEmpty() && !certNumber.isEmpty() ? kind + u'-' + certNumber
                                                                        : QString());

    auto tick = [this](const QList<QCheckBox*>& list, const QStringList& columns) {
        for (qsizetype i = 0; i < list.size() && i < columns.size(); ++i)
            list[i]->setChecked(CheckValueOf(Value(columns[i])) == 1);
    };
    tick(Check_Tatemono_Shurui,
         {"建物の種類（戸建住宅）", "建物の種類（共同住宅）", "建物の種類（学校・幼稚園等）",
          "建物の種類（店舗・ビル）", "建物の種類（劇場・デパート等）", "建物の種類（工場）",
          "建物の種類（倉庫）"});
    tick(Check_Sekobui_Gaiso, {"外装材（屋根）", "外装材（外壁）", "外装材（軒天井・ピロティ）",
                               "外装材（ベランダ隔壁）", "外装材（外装目地）", "外装材（その他）"});
    tick(Check_Sekobui_Naiso,
         {"内装材（居室天井）", "内装材（居室壁）", "内装材（台所天井）", "内装材（台所壁）",
          "内装材（浴室天井）", "内装材（浴室壁）", "内装材（トイレ天井）", "内装材（トイレ壁）",
          "内装材（間仕切り）", "内装材（階段裏）", "内装材（廊下天井）", "内装材（廊下壁）",
          "内装材（駐車場天井）", "内装材（床）", "内装材（巾木）", "内装材（ユニット類）",
          "内装材（その他）"});
    tick(Check_Taika_Hifuku, {"耐火被覆材（鉄骨柱はり）", "耐火被覆材（デッキプレート）",
                              "耐火被覆材（カーテンウォール裏打ち）", "耐火被覆材（その他）"});
    tick(Check_Setubi, {"設備（煙突）", "設備（臭気抜き）", "設備（給排水管）"});
    tick(Check_Sonota, {"その他（その他の部位）"});
    tick(Check_Use, {"使われ方（仕上げ材）", "使われ方（下地材）"});
    tick(Check_Sozai_Cement, {"素材（セメント・窯業系）"});
    tick(Check_Sozai_Fiber, {"素材（繊維系）"});
    tick(Check_Sozai_Plastic, {"素材（プラスティック等樹脂系）"});
    tick(Check_Sozai_Asphalt, {"素材（アスファルト系）"});
    LayOutViewport();
}

void Form_Detail::LayOutViewport() {
    // The page is at least its designed height, and taller when its texts need it.
    const int width = Twips(*this, kClientWidth - kScrollBarWidth);
    picI_Scroll->setFixedWidth(width);
    const int needed = picI_Scroll->layout()->heightForWidth(width);
    const int dpi = logicalDpiY();
    contentHeight_ = std::max(15300, needed * 1440 / dpi + 1);
    picI_Scroll->setFixedHeight(Twips(*this, contentHeight_));
    picWindow->setGeometry(0, 0, width, Twips(*this, kViewportHeight));
    VScroll1->setGeometry(width, 0, Twips(*this, kScrollBarWidth), Twips(*this, kViewportHeight));
    VScroll1->setRange(0, qint16(contentHeight_ - kViewportHeight));
    VScroll1->setSingleStep(100);
    VScroll1->setPageStep(qint16(kViewportHeight));
    top_ = 0;
    picI_Scroll->move(0, 0);
}

void Form_Detail::VScroll1_Change(int value) {
    top_ = -value;
    picI_Scroll->move(0, -Twips(*this, value));
}

void Form_Detail::CheckKeyCode(int keyCode) {
    if (keyCode != kKeyPageUp && keyCode != kKeyPageDown)
        return;
    const qint16 page = qint16(kViewportHeight);
    int target = keyCode == kKeyPageDown ? page - top_ : -top_ - page;
    if (target > VScroll1->maximum()) {
        target = VScroll1->maximum();
        VScroll1_Change(target);
    }
    VScroll1->setValue(target > 0 ? qint16(target) : 0);
}

bool Form_Detail::eventFilter(QObject* watched, QEvent* event) {
    if (auto* box = qobject_cast<QCheckBox*>(watched); box && allBoxes_.contains(box)) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return true; // the box stays as the record has it
        default:
            break;
        }
    }
    if (watched == picI_Scroll && event->type() == QEvent::KeyPress) {
        const int code = KeyCodeOf(static_cast<QKeyEvent*>(event)->key());
        if (code == kKeyPageUp || code == kKeyPageDown) {
            CheckKeyCode(code);
            return true;
        }
    }
    if ((watched == picI_Scroll || watched == picWindow) && event->type() == QEvent::Wheel) {
        // The wheel moves the page as the scroll bar's arrows do.
        const int steps = static_cast<QWheelEvent*>(event)->angleDelta().y() / 40;
        VScroll1->setValue(VScroll1->value() - steps * VScroll1->singleStep());
        return true;
    }
    return Screen::eventFilter(watched, event);
}

void Form_Detail::Form_Activate() {
    picI_Scroll->setFocus();
    ShowInTaskbar(*this);
}

void Form_Detail::DispatchFunctionKey(int keyCode) {
    switch (keyCode) {
    case kKeyF1:
        CommandHelp_Click();
        break;
    case kKeyF2:
        Command_ReportOut_Click();
        break;
    case kKeyEscape:
        CommandExit_Click();
        break;
    default:
        break;
    }
}

void Form_Detail::CommandHelp_Click() {
    s_.HelpWindow =
        p_.ShowHelp(this, s_.HelpFile, s_.SearchRouteTitle == u"使用状態からの検索" ? 24 : 34);
}

void Form_Detail::Command_ReportOut_Click() {
    PrintReport(s_, p_, this, DataReport_DetailKenzai(), [this] { return WriteDetailReport(s_); });
}

void Form_Detail::CommandGoMenu_Click() {
    s_.BackToMenu = 1;
    CloseHelp();
    Unload();
}

void Form_Detail::CommandExit_Click() {
    CloseHelp();
    Unload();
}

void Form_Detail::Command_shiyou_bui_Click() {
    OpenDocument(s_, p_, s_.DocPartsInfo);
}

bool Form_Detail::Form_QueryUnload(int unloadMode) {
    return CloseHelpIfUserCloses(unloadMode);
}

} // namespace solario
