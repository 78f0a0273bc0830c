#include "search_name/form_search_n.h"

#include "data/input_rules.h"
#include "data/search_conditions.h"
#include "result_list/form_list.h"
#include "search_name/form_error_3.h"
#include "shell/help_topics.h"
#include "shell/message_boxes.h"
#include "shell/screen_kit.h"
#include "shell/year_fields.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace solario {

const QStringList& KenzaiNameList() {
    static const QStringList names = {
        QStringLiteral("吹付け石綿"),
        QStringLiteral("石綿含有吹付けロックウール"),
        QStringLiteral("湿式石綿含有吹付け材"),
        QStringLiteral("石綿含有吹付けバーミキュライト"),
        QStringLiteral("石綿含有吹付けパーライト"),
        QStringLiteral("石綿含有けいそう土保温材"),
        QStringLiteral("石綿含有けい酸カルシウム保温材"),
        QStringLiteral("石綿含有バーミキュライト保温材"),
        QStringLiteral("石綿含有パーライト保温材"),
        QStringLiteral("石綿保温材"),
        QStringLiteral("石綿含有けい酸カルシウム板第2種"),
        QStringLiteral("石綿含有耐火被覆板"),
        QStringLiteral("屋根用折版石綿断熱材"),
        QStringLiteral("煙突用石綿断熱材"),
        QStringLiteral("石綿含有スレートボード\u30FBフレキシブル板"),
        QStringLiteral("石綿含有スレートボード\uFF65平板"),
        QStringLiteral("石綿含有スレートボード\uFF65軟質板"),
        QStringLiteral("石綿含有スレートボード\uFF65軟質フレキシブル板"),
        QStringLiteral("石綿含有スレートボード\uFF65その他"),
        QStringLiteral("石綿含有スラグせっこう板"),
        QStringLiteral("石綿含有パルプセメント板"),
        QStringLiteral("石綿含有押出成形セメント板"),
        QStringLiteral("石綿含有けい酸カルシウム板第1種"),
        QStringLiteral("石綿含有ロックウール吸音天井板"),
        QStringLiteral("石綿含有せっこうボード"),
        QStringLiteral("石綿含有パーライト板"),
        QStringLiteral("石綿含有その他ボード"),
        QStringLiteral("石綿含有その他パネル"),
        QStringLiteral("石綿含有壁紙"),
        QStringLiteral("石綿含有ビニル床タイル"),
        QStringLiteral("石綿含有ビニル床シート"),
        QStringLiteral("石綿含有ソフト巾木"),
        QStringLiteral("石綿含有住宅屋根用化粧スレート"),
        QStringLiteral("石綿含有ルーフィング"),
        QStringLiteral("石綿含有窯業系サイディング"),
        QStringLiteral("石綿含有建材複合金属系サイディング"),
        QStringLiteral("石綿含有スレート波板\u30FB大波"),
        QStringLiteral("石綿含有スレート波板\u30FB小波"),
        QStringLiteral("石綿含有スレート波板\u30FBその他"),
        QStringLiteral("石綿セメント管"),
        QStringLiteral("石綿セメント円筒")};
    return names;
}

const QStringList& NinteiKindList() {
    static const QStringList kinds = {QStringLiteral("不燃"),
                                      QStringLiteral("不燃（個）"),
                                      QStringLiteral("不燃（屋根用）"),
                                      QStringLiteral("不燃・屋根用（個）"),
                                      QStringLiteral("準不燃"),
                                      QStringLiteral("準不燃（個）"),
                                      QStringLiteral("難燃"),
                                      QStringLiteral("難燃（個）"),
                                      QStringLiteral("準難燃"),
                                      QStringLiteral("準難燃（個）"),
                                      QStringLiteral("壁装材料"),
                                      QStringLiteral("化粧（不燃）"),
                                      QStringLiteral("化粧（準不燃）"),
                                      QStringLiteral("化粧（不燃）（個）"),
                                      QStringLiteral("基材同等"),
                                      QStringLiteral("NM"),
                                      QStringLiteral("NE"),
                                      QStringLiteral("QM"),
                                      QStringLiteral("QE"),
                                      QStringLiteral("RM"),
                                      QStringLiteral("RE"),
                                      QStringLiteral("DR"),
                                      QStringLiteral("DW"),
                                      QStringLiteral("UR"),
                                      QStringLiteral("UW")};
    return kinds;
}

namespace {

QGroupBox* MakeFrame(QWidget* parent, const QString& name, const QString& title) {
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(name);
    return frame;
}

QLineEdit* MakeText(QWidget* parent, const QString& name, int maxLength) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    return edit;
}

QComboBox* MakeHiddenYearCombo(QWidget* parent, const QString& name) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setVisible(false);
    return combo;
}

} // namespace

Form_Search_N::Form_Search_N(AppState& state, Platform& platform)
    : Screen(state, platform, QStringLiteral("【ソラリオ】【建材名称等からの検索 】")) {
    setObjectName(QStringLiteral("Form_Search_N"));
    Image1 = MakeBanner(this);
    CommandHelp = MakeHelpButton(this);
    CommandExit = MakeButton(QStringLiteral("CommandExit"), QStringLiteral("戻る"));
    BuildYearSection();
    BuildNameSection();
    BuildCertificationSection();
    CommandSearch =
        MakeButton(QStringLiteral("CommandSearch"), QStringLiteral("建材リスト（商品名）表示"));
    PlaceControls();

    const QWidget* order[] = {TextStartYear, TextEndYear,  Combo_KanzaiName, Text_Maker,
                              Text_Shohin,   Text_Kataban, Combo_Nintei,     Text_NinteiNo,
                              CommandSearch, CommandHelp,  CommandExit};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));

    connect(CommandSearch, &QPushButton::clicked, this, &Form_Search_N::CommandSearch_Click);
    connect(CommandHelp, &QPushButton::clicked, this, &Form_Search_N::CommandHelp_Click);
    connect(CommandExit, &QPushButton::clicked, this, &Form_Search_N::CommandExit_Click);
    connect(ComboStartYear, &QComboBox::activated, this, &Form_Search_N::ComboStartYear_Click);
    connect(ComboEndYear, &QComboBox::activated, this, &Form_Search_N::ComboEndYear_Click);
    TextStartYear->installEventFilter(this);
    TextEndYear->installEventFilter(this);
    InstallKeyHandler({ComboEndYear, ComboStartYear, CommandExit, CommandHelp, Text_Maker,
                       Text_Shohin, Text_Kataban, Text_NinteiNo, Combo_Nintei});
    TextStartYear->setFocus();
}

void Form_Search_N::BuildYearSection() {
    Label5 = MakeLabel(this, QStringLiteral("Label5"), QStringLiteral("◆"));
    Label3 =
        MakeLabel(this, QStringLiteral("Label3"),
                  QStringLiteral("建物の竣工年又は改修年と思われる期間を\r\n入力して下さい。\r\n"
                                 "1985年の場合：「1985～1985」\r\n"
                                 "1984年の前後3年くらいの場合：「1983～1985」"));
    Label7 = MakeLabel(this, QStringLiteral("Label7"),
                       QStringLiteral("1985年より以前の場合：「入力しない～1985」"));
    Label11 = MakeLabel(this, QStringLiteral("Label11"),
                        QStringLiteral("1985年より以降の場合：「1985～入力しない」"));
    Frame9 =
        MakeFrame(this, QStringLiteral("Frame9"), QStringLiteral("建物の竣工年・改修年（西暦）："));
    TextStartYear = MakeText(Frame9, QStringLiteral("TextStartYear"), 4);
    Label18 = MakeLabel(Frame9, QStringLiteral("Label18"), QStringLiteral("年"));
    Label2 = MakeLabel(Frame9, QStringLiteral("Label2"), QStringLiteral("～"));
    TextEndYear = MakeText(Frame9, QStringLiteral("TextEndYear"), 4);
    Label9 = MakeLabel(Frame9, QStringLiteral("Label9"), QStringLiteral("年"));
    // The year texts the search reads; never shown.
    ComboStartYear = MakeHiddenYearCombo(Frame9, QStringLiteral("ComboStartYear"));
    ComboEndYear = MakeHiddenYearCombo(Frame9, QStringLiteral("ComboEndYear"));
    PlaceTwips({{Label5, 240, 1620, 240, 300},
                {Label3, 480, 1620, 5400, 1200},
                {Label7, 480, 2820, 5400, 300},
                {Label11, 480, 3120, 5400, 300}});
    PlaceTwips({{Frame9, 5940, 1560, 4890, 1080},
                {TextStartYear, 360, 480, 900, 375},
                {Label18, 1320, 510, 300, 300},
                {Label2, 1800, 510, 300, 300},
                {TextEndYear, 2280, 480, 900, 375},
                {Label9, 3240, 510, 300, 300}});
}

void Form_Search_N::BuildNameSection() {
    Frame1 = MakeFrame(this, QStringLiteral("Frame1"), QStringLiteral("建材名（一般名）"));
    Combo_KanzaiName = new QComboBox(Frame1);
    Combo_KanzaiName->setObjectName(QStringLiteral("Combo_KanzaiName"));
    Frame4 = MakeFrame(this, QStringLiteral("Frame4"),
                       QStringLiteral("メーカー名\u3000※語句の一部で検索できます。"));
    Text_Maker = MakeText(Frame4, QStringLiteral("Text_Maker"), 30);
    Frame2 = MakeFrame(this, QStringLiteral("Frame2"),
                       QStringLiteral("商品名\u3000\u3000\u3000※語句の一部で検索できます。"));
    Text_Shohin = MakeText(Frame2, QStringLiteral("Text_Shohin"), 30);
    Frame3 = MakeFrame(this, QStringLiteral("Frame3"),
                       QStringLiteral("型番・品番\u3000※語句の一部で検索できます。"));
    Text_Kataban = MakeText(Frame3, QStringLiteral("Text_Kataban"), 24);
    PlaceTwips({{Frame1, 240, 3600, 10590, 840},
                {Combo_KanzaiName, 240, 360, 6600, 375},
                {Frame4, 240, 4560, 5175, 840},
                {Text_Maker, 240, 360, 4695, 375},
                {Frame2, 5655, 4560, 5175, 840},
                {Text_Shohin, 240, 360, 4695, 375},
                {Frame3, 240, 5520, 5175, 840},
                {Text_Kataban, 240, 360, 4695, 375}});
}

void Form_Search_N::BuildCertificationSection() {
    Frame5 = MakeFrame(
        this, QStringLiteral("Frame5"),
        QStringLiteral("不燃材料等認定番号\u3000※認定の種類を選択し、番号を入力して下さい。"));
    Label1 = MakeLabel(Frame5, QStringLiteral("Label1"), QStringLiteral("認定の種類"));
    Combo_Nintei = new QComboBox(Frame5);
    Combo_Nintei->setObjectName(QStringLiteral("Combo_Nintei"));
    Label4 = MakeLabel(Frame5, QStringLiteral("Label4"), QStringLiteral("番\u3000号"));
    Label8 = MakeLabel(Frame5, QStringLiteral("Label8"), QStringLiteral("第"));
    Text_NinteiNo = MakeText(Frame5, QStringLiteral("Text_NinteiNo"), 7);
    Label6 = MakeLabel(Frame5, QStringLiteral("Label6"), QStringLiteral("号"));
    PlaceTwips({{Frame5, 240, 6480, 10590, 840},
                {Label1, 240, 400, 1200, 300},
                {Combo_Nintei, 1440, 360, 3000, 375},
                {Label4, 4920, 400, 720, 300},
                {Label8, 5760, 400, 300, 300},
                {Text_NinteiNo, 6120, 360, 1500, 375},
                {Label6, 7680, 400, 300, 300}});
}

void Form_Search_N::PlaceControls() {
    PlaceTwips({{CommandHelp, 8880, 120, 495, 495},
                {CommandExit, 9495, 120, 1335, 495},
                {Image1, 0, 720, 11055, 720},
                {CommandSearch, 3435, 7560, 4200, 600}});
    FitIcon(CommandHelp);
    Label3->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    setFixedSize(Twips(*this, 11055), Twips(*this, 8400));
}

bool Form_Search_N::Form_Load() {
    Combo_KanzaiName->clear();
    Combo_KanzaiName->addItem(QString());
    Combo_KanzaiName->addItems(KenzaiNameList());
    Combo_KanzaiName->setCurrentIndex(0);
    Combo_Nintei->clear();
    Combo_Nintei->addItem(QString());
    Combo_Nintei->addItems(NinteiKindList());
    Combo_Nintei->setCurrentIndex(0);
    return LoadYearCombos(s_, p_, *ComboStartYear, *ComboEndYear);
}

void Form_Search_N::Form_Activate() {
    UnloadOrShowInTaskbar();
}

void Form_Search_N::DispatchFunctionKey(int keyCode) {
    RunKeyHandler<Form_Search_N>(*this, keyCode,
                                 {{kKeyF1, &Form_Search_N::CommandHelp_Click},
                                  {kKeyF2, &Form_Search_N::CommandSearch_Click},
                                  {kKeyEscape, &Form_Search_N::CommandExit_Click}});
}

bool Form_Search_N::eventFilter(QObject* watched, QEvent* event) {
    if (IsLostFocus(event)) {
        if (watched == TextStartYear)
            TextStartYear_LostFocus();
        else if (watched == TextEndYear)
            TextEndYear_LostFocus();
    }
    return Screen::eventFilter(watched, event);
}

void Form_Search_N::ComboStartYear_Click() {
    TextStartYear->setText(ComboStartYear->currentText());
}

void Form_Search_N::ComboEndYear_Click() {
    TextEndYear->setText(ComboEndYear->currentText());
}

void Form_Search_N::TextStartYear_LostFocus() {
    LeaveYearField(s_, p_, *TextStartYear, *ComboStartYear);
}

void Form_Search_N::TextEndYear_LostFocus() {
    LeaveYearField(s_, p_, *TextEndYear, *ComboEndYear);
}

Form_Search_N::Condition Form_Search_N::BuildNameCondition() {
    Condition c;
    const QString start = SearchYear(*ComboStartYear);
    const QString end = SearchYear(*ComboEndYear);
    if (const YearCheck years = CheckYearRange(start, end, false); !years.ok()) {
        Refuse(years.field == YearField::Start ? TextStartYear : TextEndYear, years.message);
        return c;
    }
    QStringList parts;
    if (const QString years = BuildYearRangeWhere(start, end, 2); !years.isEmpty())
        parts.append(years);

    const QString name = ConditionText(s_, Combo_KanzaiName->currentText());
    if (!name.isEmpty())
        parts.append(QStringLiteral("(建材名（一般名） = '") + name + QStringLiteral("')"));
    QString maker, product, model;
    if (!ReadConditionText(Text_Maker, maker) || !ReadConditionText(Text_Shohin, product) ||
        !ReadConditionText(Text_Kataban, model))
        return c;
    if (!maker.isEmpty())
        parts.append(MakerCondition(maker));
    if (!product.isEmpty())
        parts.append(LikeCondition(QStringLiteral("商品名"), product));
    if (!model.isEmpty())
        parts.append(LikeCondition(QStringLiteral("型番・品番"), model));

    const QString kind = ConditionText(s_, Combo_Nintei->currentText());
    if (!CheckDigitsMax(p_, Text_NinteiNo->text(), 7, s_.Messages[10])) {
        Text_NinteiNo->setFocus();
        return c;
    }
    const QString number = ToHalfWidthDigits(TrimBlanks(Text_NinteiNo->text()));
    if (!kind.isEmpty())
        parts.append(QStringLiteral("(不燃材料認定番号（種類） = '") + kind + QStringLiteral("')"));
    if (!number.isEmpty())
        parts.append(LikeCondition(QStringLiteral("不燃材料認定番号（番号）"), number));

    KeepConditions(name, maker, product, model, kind, number);
    c.where = parts.join(QStringLiteral(" AND "));
    c.ok = true;
    return c;
}

void Form_Search_N::KeepConditions(const QString& name, const QString& maker,
                                   const QString& product, const QString& model,
                                   const QString& kind, const QString& number) {
    s_.CondStartYear = ComboYearText(ComboStartYear->currentText());
    s_.CondEndYear = ComboYearText(ComboEndYear->currentText());
    s_.CondSekobui.clear();
    s_.CondShiyoho.clear();
    s_.CondKenzaiName = name;
    s_.CondMaker = maker;
    s_.CondShohin = product;
    s_.CondKataban = model;
    if (!kind.isEmpty() || !number.isEmpty())
        s_.CondNintei =
            (kind.isEmpty() ? QStringLiteral("指定なし") : kind) + u'-' +
            (number.isEmpty() ? QStringLiteral("指定なし") : TrimBlanks(Text_NinteiNo->text()));
    else
        s_.CondNintei.clear();
}

void Form_Search_N::CommandSearch_Click() {
    if (!CommitYearInFocus(s_, p_, {{TextStartYear, ComboStartYear}, {TextEndYear, ComboEndYear}}))
        return;
    const Condition c = BuildNameCondition();
    if (!c.ok)
        return;
    const Result<qint32> found = RunListQuery(s_, p_, c.where);
    if (!found)
        return; // the screen stays as it is, with the input, and can search again
    if (found.value() > 0)
        OpenChild(MakeResultList(s_, p_, SearchRoute::ByName), [this] { ReleaseResultList(s_); });
    else
        ShowNoHitNotice();
}

void Form_Search_N::ShowNoHitNotice() {
    auto notice = std::make_unique<Form_Error_3>(s_, p_);
    notice->Form_Load();
    OpenChild(std::move(notice), [this] { ReleaseResultList(s_); });
}

void Form_Search_N::CommandHelp_Click() {
    ShowHelpTopic(HelpTopic(HelpScreen::SearchName));
}

void Form_Search_N::CommandExit_Click() {
    GoBack();
}

bool Form_Search_N::Form_QueryUnload(int unloadMode) {
    return CloseHelpIfUserCloses(unloadMode);
}

} // namespace solario
