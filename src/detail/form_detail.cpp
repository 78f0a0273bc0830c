#include "detail/form_detail.h"

#include "data/field_catalogue.h"
#include "data/input_rules.h"
#include "detail/detail_report.h"
#include "reports/report_layout.h"
#include "shell/help_topics.h"
#include "shell/print_report.h"
#include "shell/screen_kit.h"

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

QLabel* CaptionLabel(QWidget* parent, const QString& name, const QString& text) {
    QLabel* label = MakeLabel(parent, name, text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// A value of the record: it can be selected and copied (a phone or model number), never
// edited. A click gives it the focus, so that the keys select and Ctrl+C copies; Tab
// passes it by.
QLabel* ValueLabel(QWidget* parent, const QString& name) {
    auto* label = CaptionLabel(parent, name, QString());
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::ClickFocus);
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

QFrame* BareFrame(QWidget* parent, const QString& name) {
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
    // The page stands out as a sheet in the desktop's own colours (white in a light
    // palette, dark in a dark one), so that its texts always read against it.
    picI_Scroll->setAutoFillBackground(true);
    picI_Scroll->setBackgroundRole(QPalette::Base);
    picI_Scroll->setFocusPolicy(Qt::StrongFocus);
    picI_Scroll->setAccessibleName(QStringLiteral("詳細情報"));
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setTracking(false); // the page follows the thumb when it is let go
    VScroll1->setFocusPolicy(Qt::NoFocus);

    auto* page = new QVBoxLayout(picI_Scroll);
    page->setContentsMargins(Twips(*this, 180), Twips(*this, 120), Twips(*this, 240),
                             Twips(*this, 240));
    page->setSpacing(Twips(*this, 120));
    page->addWidget(BuildHeader());
    page->addWidget(BuildUses());
    page->addWidget(BuildShape());
    page->addWidget(BuildMarks());
    page->addWidget(BuildSalesRegion());
    page->addWidget(CaptionLabel(
        picI_Scroll, QStringLiteral("Label20"),
        QStringLiteral(
            "※「ａ」マーク：平成元年（1989年）から、業界団体の申し合わせにより、\n"
            "\u3000石綿を重量で１％を超えて含有する製品には「ａ」の表示がされています。")));
    page->addWidget(BuildContacts());
    page->addStretch();

    // Tick boxes only show: no click or key changes them, and they take no focus.
    for (QCheckBox* box : allBoxes_) {
        box->setFocusPolicy(Qt::NoFocus);
        box->installEventFilter(this);
    }

    setMinimumSize(Twips(*this, kClientWidth), Twips(*this, kClientHeight));
    resize(minimumSize());
    AllowEnlarging();
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
    // Page Up and Page Down still turn the page while a value has the focus.
    for (QLabel* label : picI_Scroll->findChildren<QLabel*>())
        if (label->focusPolicy() == Qt::ClickFocus)
            label->installEventFilter(this);
    InstallKeyHandler({Command_ReportOut, CommandExit, CommandHelp});
}

// The buttons, the banner, the title and the product's names, period and content.
QWidget* Form_Detail::BuildHeader() {
    QFrame* frame5 = BareFrame(picI_Scroll, QStringLiteral("Frame5"));
    auto* head = new QVBoxLayout(frame5);
    head->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QHBoxLayout;
    CommandHelp = MakeHelpButton(frame5);
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
    QLabel* image1 = MakeBanner(frame5);
    image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image1->setFixedHeight(Twips(*this, 600));
    head->addWidget(image1);
    QLabel* title = CaptionLabel(frame5, QStringLiteral("Label21"),
                                 QStringLiteral("石綿（アスベスト）含有建材個別情報"));
    title->setFont(ScaledFont(title->font(), 1.3, true));
    head->addWidget(title);
    head->addLayout(BuildHeaderValues(frame5));
    return frame5;
}

QGridLayout* Form_Detail::BuildHeaderValues(QWidget* frame5) {
    auto* pairs = new QGridLayout;
    pairs->setColumnStretch(1, 1);
    pairs->setHorizontalSpacing(Twips(*this, 120));
    int row = 0;
    auto pair = [&](const QString& name, const QString& caption, QLabel* value) {
        pairs->addWidget(CaptionLabel(frame5, name, caption), row, 0);
        pairs->addWidget(value, row++, 1);
    };
    Label_Ippan = ValueLabel(frame5, QStringLiteral("Label_Ippan"));
    Label_Kataban = ValueLabel(frame5, QStringLiteral("Label_Kataban"));
    Label_Shohinmei = ValueLabel(frame5, QStringLiteral("Label_Shohinmei"));
    Label_SeisanMaker = ValueLabel(frame5, QStringLiteral("Label_SeisanMaker"));
    Label_Maker = ValueLabel(frame5, QStringLiteral("Label_Maker"));
    pair(QStringLiteral("Label2"), QStringLiteral("建材名(一般名)："), Label_Ippan);
    pair(QStringLiteral("Label3"), QStringLiteral("型番・品番："), Label_Kataban);
    pair(QStringLiteral("Label1"), QStringLiteral("商\u3000品\u3000名："), Label_Shohinmei);
    pair(QStringLiteral("Label6"), QStringLiteral("製造時のメーカー名："), Label_SeisanMaker);
    pair(QStringLiteral("Label4"), QStringLiteral("現在のメーカー名："), Label_Maker);
    auto* period = new QHBoxLayout;
    Label_IshiwataSeozo_From =
        CaptionLabel(frame5, QStringLiteral("Label_IshiwataSeozo_From"), QString());
    Label_IshiwataSeozo_To =
        CaptionLabel(frame5, QStringLiteral("Label_IshiwataSeozo_To"), QString());
    period->addWidget(Label_IshiwataSeozo_From);
    period->addWidget(CaptionLabel(frame5, QStringLiteral("Label23"), QStringLiteral("年")));
    period->addWidget(CaptionLabel(frame5, QStringLiteral("Label7"), QStringLiteral("から")));
    period->addWidget(Label_IshiwataSeozo_To);
    period->addWidget(CaptionLabel(frame5, QStringLiteral("Label24"), QStringLiteral("年")));
    period->addStretch();
    pairs->addWidget(CaptionLabel(frame5, QStringLiteral("Label10"), QStringLiteral("製造期間：")),
                     row, 0);
    pairs->addLayout(period, row++, 1);
    Label_BohkaZairyo = ValueLabel(frame5, QStringLiteral("Label_BohkaZairyo"));
    Label_IshiwataRitu = ValueLabel(frame5, QStringLiteral("Label_IshiwataRitu"));
    Label_IshiwataShurui = ValueLabel(frame5, QStringLiteral("Label_IshiwataShurui"));
    pair(QStringLiteral("Label11"), QStringLiteral("不燃材料等認定番号："), Label_BohkaZairyo);
    pair(QStringLiteral("Label17"), QStringLiteral("石綿含有率(%)："), Label_IshiwataRitu);
    pair(QStringLiteral("Label59"), QStringLiteral("石綿の種類："), Label_IshiwataShurui);
    return pairs;
}

void Form_Detail::AddTickBoxes(QWidget* parent, QList<QCheckBox*>& list, const QString& arrayName,
                               const QList<FlagColumn>& flags, QHBoxLayout* into) {
    for (const FlagColumn& flag : flags) {
        auto* box = new QCheckBox(parent);
        box->setObjectName(arrayName + QStringLiteral("(%1)").arg(list.size()));
        box->setAccessibleName(flag.caption);
        list.append(box);
        allBoxes_.append(box);
        into->addWidget(box);
        // Captions keep their full width; a slightly smaller type lets the longest row of
        // the interior parts fit the page.
        QLabel* label = CaptionLabel(parent, QString(), flag.caption);
        label->setFont(ScaledFont(label->font(), 0.9, label->font().bold()));
        label->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
        into->addWidget(label);
        into->addSpacing(Twips(*this, 45));
    }
    into->addStretch();
}

QFrame* Form_Detail::TickRow(QWidget* parent, const TickRowCaption& caption,
                             QList<QCheckBox*>& list, const QString& arrayName,
                             const QList<FlagColumn>& flags) {
    QFrame* f = BareFrame(parent, caption.frameName);
    auto* h = new QHBoxLayout(f);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(Twips(*this, 15));
    if (!caption.text.isEmpty())
        h->addWidget(CaptionLabel(f, caption.labelName, caption.text));
    AddTickBoxes(f, list, arrayName, flags, h);
    return f;
}

// The uses the maker foresaw: each box with its caption to its right.
QWidget* Form_Detail::BuildUses() {
    QGroupBox* frame11 = Group(picI_Scroll, QStringLiteral("Frame11"),
                               QStringLiteral("メーカーが想定した主な使用方法："));
    auto* uses = new QGridLayout(frame11);
    uses->setColumnStretch(2, 1);
    int row = 0;
    uses->addWidget(
        CaptionLabel(frame11, QStringLiteral("Label62"), QStringLiteral("建物の種類：")), row, 0);
    uses->addWidget(TickRow(frame11, {QStringLiteral("Frame12"), {}, {}}, Check_Tatemono_Shurui,
                            QStringLiteral("Check_Tatemono_Shurui"),
                            FlagColumns(FlagGroup::BuildingKind)),
                    row++, 1, 1, 2);
    uses->addWidget(CaptionLabel(frame11, QStringLiteral("Label60"), QStringLiteral("施工部位：")),
                    row, 0);
    uses->addWidget(
        TickRow(frame11,
                {QStringLiteral("Frame2"), QStringLiteral("Label61"), QStringLiteral("外装材：")},
                Check_Sekobui_Gaiso, QStringLiteral("Check_Sekobui_Gaiso"),
                FlagColumns(FlagGroup::Exterior)),
        row++, 1, 1, 2);
    uses->addWidget(BuildInteriorParts(frame11), row++, 1, 1, 2);
    uses->addWidget(TickRow(frame11,
                            {QStringLiteral("Frame3"), QStringLiteral("Label13"),
                             QStringLiteral("耐火被覆材：")},
                            Check_Taika_Hifuku, QStringLiteral("Check_Taika_Hifuku"),
                            FlagColumns(FlagGroup::Fireproofing)),
                    row++, 1, 1, 2);
    auto* both = new QHBoxLayout;
    both->addWidget(TickRow(
        frame11,
        {QStringLiteral("Frame8"), QStringLiteral("Label98"), QStringLiteral("設\u3000備：")},
        Check_Setubi, QStringLiteral("Check_Setubi"), FlagColumns(FlagGroup::Equipment)));
    both->addWidget(TickRow(
        frame11, {QStringLiteral("Frame9"), QStringLiteral("Label16"), QStringLiteral("その他：")},
        Check_Sonota, QStringLiteral("Check_Sonota"), FlagColumns(FlagGroup::OtherPart)));
    both->addStretch();
    uses->addLayout(both, row++, 1, 1, 2);
    uses->addWidget(CaptionLabel(frame11, QStringLiteral("Label99"), QStringLiteral("使われ方：")),
                    row, 0);
    uses->addWidget(TickRow(frame11, {QStringLiteral("Frame10"), {}, {}}, Check_Use,
                            QStringLiteral("Check_Use"), FlagColumns(FlagGroup::Usage)),
                    row++, 1, 1, 2);
    auto* h = new QHBoxLayout;
    Command_shiyou_bui = MakeButton(QStringLiteral("Command_shiyou_bui"),
                                    QStringLiteral("施工部位・使われ方について"));
    Command_shiyou_bui->setParent(frame11);
    h->addWidget(Command_shiyou_bui);
    h->addStretch();
    h->addWidget(CaptionLabel(frame11, QStringLiteral("Label22"),
                              QStringLiteral("※更に下にも情報があります。")));
    uses->addLayout(h, row++, 0, 1, 3);
    return frame11;
}

// The interior parts in two rows of tick boxes.
QWidget* Form_Detail::BuildInteriorParts(QWidget* parent) {
    QFrame* f = BareFrame(parent, QStringLiteral("Frame7"));
    auto* v = new QGridLayout(f);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(CaptionLabel(f, QStringLiteral("Label94"), QStringLiteral("内装材：")), 0, 0);
    const QList<FlagColumn> interior = FlagColumns(FlagGroup::Interior);
    constexpr int kFirstRow = 8; // the ceilings and walls of the rooms
    for (int r = 0; r < 2; ++r) {
        auto* line = new QHBoxLayout;
        line->setSpacing(Twips(*this, 15));
        AddTickBoxes(f, Check_Sekobui_Naiso, QStringLiteral("Check_Sekobui_Naiso"),
                     r == 0 ? interior.mid(0, kFirstRow) : interior.mid(kFirstRow), line);
        v->addLayout(line, r, 1);
    }
    return f;
}

// Material and shape.
QWidget* Form_Detail::BuildShape() {
    QGroupBox* frame1 =
        Group(picI_Scroll, QStringLiteral("Frame1"), QStringLiteral("素材・形状等："));
    auto* shape = new QGridLayout(frame1);
    shape->setColumnStretch(1, 1);
    QFrame* materials = BareFrame(frame1, QStringLiteral("Frame17"));
    auto* h = new QHBoxLayout(materials);
    h->setContentsMargins(0, 0, 0, 0);
    const std::pair<QList<QCheckBox*>*, const char*> arrays[] = {
        {&Check_Sozai_Cement, "Check_Sozai_Cement(0)"},
        {&Check_Sozai_Fiber, "Check_Sozai_Fiber(0)"},
        {&Check_Sozai_Plastic, "Check_Sozai_Plastic(0)"},
        {&Check_Sozai_Asphalt, "Check_Sozai_Asphalt(0)"}};
    const QList<FlagColumn> flags = FlagColumns(FlagGroup::Material);
    for (int i = 0; i < 4; ++i) {
        auto* box = new QCheckBox(flags[i].caption, materials);
        box->setObjectName(QString::fromLatin1(arrays[i].second));
        arrays[i].first->append(box);
        allBoxes_.append(box);
        h->addWidget(box);
        h->addSpacing(Twips(*this, 240));
    }
    h->addStretch();
    shape->addWidget(CaptionLabel(frame1, QStringLiteral("Label120"), QStringLiteral("素材：")), 0,
                     0);
    shape->addWidget(materials, 0, 1);
    shape->addWidget(
        CaptionLabel(frame1, QStringLiteral("Label119"), QStringLiteral("形状・\n外観：")), 1, 0);
    shape->addWidget(BuildShapeValues(frame1), 1, 1);
    return frame1;
}

QWidget* Form_Detail::BuildShapeValues(QWidget* parent) {
    QFrame* f = BareFrame(parent, QStringLiteral("Frame16"));
    auto* g = new QGridLayout(f);
    g->setContentsMargins(0, 0, 0, 0);
    g->setColumnStretch(2, 1);
    g->setColumnStretch(4, 1);
    Label_Menjou = ValueLabel(f, QStringLiteral("Label_Menjou"));
    Label_Boad_Atusa = ValueLabel(f, QStringLiteral("Label_Boad_Atusa"));
    Label_Boad_Sunpou = ValueLabel(f, QStringLiteral("Label_Boad_Sunpou"));
    Label_Makimono_Atusa = ValueLabel(f, QStringLiteral("Label_Makimono_Atusa"));
    Label_Makimono_Sunpou = ValueLabel(f, QStringLiteral("Label_Makimono_Sunpou"));
    Label_Koyu_Miwakekata = ValueLabel(f, QStringLiteral("Label_Koyu_Miwakekata"));
    Label_Koyu_Miwakekata->setMinimumHeight(fontMetrics().lineSpacing() * 3);
    auto caption = [f](const char* name, const QString& text) {
        return CaptionLabel(f, QString::fromLatin1(name), text);
    };
    g->addWidget(caption("Label104", QStringLiteral("綿状：")), 0, 0);
    g->addWidget(Label_Menjou, 0, 1, 1, 4);
    g->addWidget(caption("Label110", QStringLiteral("ボード状：")), 1, 0);
    g->addWidget(caption("Label108", QStringLiteral("厚さ（mm）")), 1, 1);
    g->addWidget(Label_Boad_Atusa, 1, 2);
    g->addWidget(caption("Label106", QStringLiteral("標準寸法（mm）")), 1, 3);
    g->addWidget(Label_Boad_Sunpou, 1, 4);
    g->addWidget(caption("Label109", QStringLiteral("巻物：")), 2, 0);
    g->addWidget(caption("Label5", QStringLiteral("厚さ（mm）")), 2, 1);
    g->addWidget(Label_Makimono_Atusa, 2, 2);
    g->addWidget(caption("Label9", QStringLiteral("標準寸法（mm）")), 2, 3);
    g->addWidget(Label_Makimono_Sunpou, 2, 4);
    g->addWidget(caption("Label19", QStringLiteral("固有の見分け方：")), 3, 0);
    g->addWidget(Label_Koyu_Miwakekata, 3, 1, 1, 4);
    return f;
}

// Markings on the product.
QWidget* Form_Detail::BuildMarks() {
    QGroupBox* frame18 = Group(picI_Scroll, QStringLiteral("Frame18"), QStringLiteral("表示："));
    auto* marks = new QGridLayout(frame18);
    marks->setColumnStretch(1, 1);
    for (int i = 0; i < 6; ++i)
        Label_Hyoji.append(ValueLabel(frame18, QStringLiteral("Label_Hyoji(%1)").arg(i)));
    const std::pair<const char16_t*, int> markRows[] = {
        {u"メーカーマーク：", 0},     {u"商品名：", 1},      {u"その他ロット番号等：", 3},
        {u"不燃材料等認定番号：", 5}, {u"JIS許可番号：", 2}, {u"aマーク：", 4}};
    int row = 0;
    for (const auto& [caption, index] : markRows) {
        marks->addWidget(CaptionLabel(frame18, QString(), QString::fromUtf16(caption)), row, 0);
        marks->addWidget(Label_Hyoji[index], row++, 1);
    }
    return frame18;
}

// The sales region: filled, never shown.
QWidget* Form_Detail::BuildSalesRegion() {
    Frame4 = BareFrame(picI_Scroll, QStringLiteral("Frame4"));
    auto* sales = new QHBoxLayout(Frame4);
    sales->addWidget(CaptionLabel(Frame4, QStringLiteral("Label35"), QStringLiteral("販売地域：")));
    Label_Hanbai_Chiiki = ValueLabel(Frame4, QStringLiteral("Label_Hanbai_Chiiki"));
    sales->addWidget(Label_Hanbai_Chiiki);
    Frame4->setVisible(false);
    return Frame4;
}

// Whom to ask.
QWidget* Form_Detail::BuildContacts() {
    QGroupBox* frame19 =
        Group(picI_Scroll, QStringLiteral("Frame19"), QStringLiteral("相談窓口："));
    auto* ask = new QGridLayout(frame19);
    ask->setColumnStretch(1, 2);
    ask->setColumnStretch(2, 1);
    Label_Madoguchi_Maker = ValueLabel(frame19, QStringLiteral("Label_Madoguchi_Maker"));
    Label_Madoguchi_Maker_TEL = ValueLabel(frame19, QStringLiteral("Label_Madoguchi_Maker_TEL"));
    Label_Madoguchi_Dantai = ValueLabel(frame19, QStringLiteral("Label_Madoguchi_Dantai"));
    Label_Madoguchi_Dantai_TEL = ValueLabel(frame19, QStringLiteral("Label_Madoguchi_Dantai_TEL"));
    ask->addWidget(CaptionLabel(frame19, QStringLiteral("Label87"), QStringLiteral("メーカー：")),
                   0, 0);
    ask->addWidget(Label_Madoguchi_Maker, 0, 1);
    ask->addWidget(Label_Madoguchi_Maker_TEL, 0, 2);
    ask->addWidget(CaptionLabel(frame19, QStringLiteral("Label86"), QStringLiteral("関係団体：")),
                   1, 0);
    ask->addWidget(Label_Madoguchi_Dantai, 1, 1);
    ask->addWidget(Label_Madoguchi_Dantai_TEL, 1, 2);
    return frame19;
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

    auto tick = [this](const QList<QCheckBox*>& boxes, const QList<FlagColumn>& flags) {
        for (qsizetype i = 0; i < boxes.size() && i < flags.size(); ++i)
            boxes[i]->setChecked(CheckValueOf(Value(flags[i].column)) == 1);
    };
    tick(Check_Tatemono_Shurui, FlagColumns(FlagGroup::BuildingKind));
    tick(Check_Sekobui_Gaiso, FlagColumns(FlagGroup::Exterior));
    tick(Check_Sekobui_Naiso, FlagColumns(FlagGroup::Interior));
    tick(Check_Taika_Hifuku, FlagColumns(FlagGroup::Fireproofing));
    tick(Check_Setubi, FlagColumns(FlagGroup::Equipment));
    tick(Check_Sonota, FlagColumns(FlagGroup::OtherPart));
    tick(Check_Use, FlagColumns(FlagGroup::Usage));
    const QList<FlagColumn> materials = FlagColumns(FlagGroup::Material);
    tick(Check_Sozai_Cement, materials.mid(0, 1));
    tick(Check_Sozai_Fiber, materials.mid(1, 1));
    tick(Check_Sozai_Plastic, materials.mid(2, 1));
    tick(Check_Sozai_Asphalt, materials.mid(3, 1));
    LayOutViewport();
}

void Form_Detail::LayOutViewport() {
    FitPage();
    top_ = 0;
    picI_Scroll->move(0, 0);
}

void Form_Detail::FitPage() {
    // The page is as wide as the window less the scroll bar, at least its designed height
    // and taller when its texts need it; the viewport is as tall as the window.
    const int dpi = logicalDpiY();
    const int width = this->width() - Twips(*this, kScrollBarWidth);
    viewportHeight_ =
        std::max(kViewportHeight, height() * 1440 / dpi - (kClientHeight - kViewportHeight));
    picI_Scroll->setFixedWidth(width);
    const int needed = picI_Scroll->layout()->heightForWidth(width);
    contentHeight_ = std::max({15300, needed * 1440 / dpi + 1, viewportHeight_});
    picI_Scroll->setFixedHeight(Twips(*this, contentHeight_));
    picWindow->setGeometry(0, 0, width, Twips(*this, viewportHeight_));
    VScroll1->setGeometry(width, 0, Twips(*this, kScrollBarWidth), Twips(*this, viewportHeight_));
    VScroll1->setRange(0, qint16(contentHeight_ - viewportHeight_));
    VScroll1->setSingleStep(100);
    VScroll1->setPageStep(qint16(viewportHeight_));
}

void Form_Detail::resizeEvent(QResizeEvent* event) {
    Screen::resizeEvent(event);
    // The page keeps its place, as far as the new size allows.
    FitPage();
    const int value = std::min(-top_, VScroll1->maximum());
    VScroll1->setValue(value);
    VScroll1_Change(value);
}

void Form_Detail::VScroll1_Change(int value) {
    top_ = -value;
    picI_Scroll->move(0, -Twips(*this, value));
}

void Form_Detail::CheckKeyCode(int keyCode) {
    if (keyCode != kKeyPageUp && keyCode != kKeyPageDown)
        return;
    const qint16 page = qint16(viewportHeight_);
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
    if ((watched == picI_Scroll || qobject_cast<QLabel*>(watched)) &&
        event->type() == QEvent::KeyPress) {
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
    RunKeyHandler<Form_Detail>(*this, keyCode,
                               {{kKeyF1, &Form_Detail::CommandHelp_Click},
                                {kKeyF2, &Form_Detail::Command_ReportOut_Click},
                                {kKeyEscape, &Form_Detail::CommandExit_Click}});
}

void Form_Detail::CommandHelp_Click() {
    ShowHelpTopic(HelpTopic(HelpScreen::Detail, s_.SearchRouteTitle));
}

void Form_Detail::Command_ReportOut_Click() {
    PrintReport(s_, p_, this, DataReport_DetailKenzai(), [this](const Progress&) {
        return WriteDetailReport(s_);
    });
}

void Form_Detail::CommandGoMenu_Click() {
    GoBackToMenu();
}

void Form_Detail::CommandExit_Click() {
    GoBack();
}

void Form_Detail::Command_shiyou_bui_Click() {
    OpenDocumentOf(s_.DocPartsInfo);
}

bool Form_Detail::Form_QueryUnload(int unloadMode) {
    return CloseHelpIfUserCloses(unloadMode);
}

} // namespace solario
