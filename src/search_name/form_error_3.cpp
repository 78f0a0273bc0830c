#include "search_name/form_error_3.h"

#include "data/search_conditions.h"
#include "reports/report_layout.h"
#include "search_name/no_hit_report.h"
#include "shell/print_report.h"
#include "shell/screen_kit.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace solario {

namespace {

QLabel* PlacedLabel(QWidget* parent, const QString& name, const QString& text, int left, int top,
                    int width, int height) {
    QLabel* label = MakeLabel(parent, name, text);
    PlaceTwips(*label, left, top, width, height);
    return label;
}

} // namespace

Form_Error_3::Form_Error_3(AppState& state, Platform& platform)
    : Screen(state, platform, QStringLiteral("【ソラリオ】【建材名称等からの検索】")) {
    setObjectName(QStringLiteral("Form_Error_3"));
    Image1 = MakeBanner(this);
    PlaceTwips(*Image1, 0, 0, 11760, 720);
    Command_ReportOut =
        MakeButton(QStringLiteral("Command_ReportOut"), QStringLiteral("検索結果の印刷"));
    CommandExit = MakeButton(QStringLiteral("CommandExit"), QStringLiteral("戻る"));
    PlaceTwips(*Command_ReportOut, 8160, 840, 1935, 495);
    PlaceTwips(*CommandExit, 10200, 840, 1335, 495);

    Label_info = PlacedLabel(this, QStringLiteral("Label_info"), QString(), 240, 840, 7800, 900);
    Label_info->setFont(ScaledFont(Label_info->font(), 1.35, true));
    BuildConditions();
    BuildCautions();

    setFixedSize(Twips(*this, 11775), Twips(*this, 7620));

    setTabOrder(Command_ReportOut, CommandExit);
    setTabOrder(CommandExit, Command_kenzai_info);
    setTabOrder(Command_kenzai_info, Command_shiyou_bui);
    setTabOrder(Command_shiyou_bui, Command_ryutu_kikan);
    Command_ReportOut->setFocus(); // first in tab order

    connect(Command_ReportOut, &QPushButton::clicked, this, &Form_Error_3::Command_ReportOut_Click);
    connect(CommandExit, &QPushButton::clicked, this, &Form_Error_3::CommandExit_Click);
    connect(Command_kenzai_info, &QPushButton::clicked, this,
            &Form_Error_3::Command_kenzai_info_Click);
    connect(Command_shiyou_bui, &QPushButton::clicked, this,
            &Form_Error_3::Command_shiyou_bui_Click);
    connect(Command_ryutu_kikan, &QPushButton::clicked, this,
            &Form_Error_3::Command_ryutu_kikan_Click);
    InstallKeyHandler({Command_ReportOut, CommandExit, Command_kenzai_info, Command_shiyou_bui,
                       Command_ryutu_kikan});
}

// The input, repeated, and what to check again.
void Form_Error_3::BuildConditions() {
    Frame1 = new QGroupBox(QStringLiteral("入力内容確認"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    PlaceTwips(*Frame1, 240, 1860, 11295, 3540);
    Label1 =
        PlacedLabel(Frame1, QStringLiteral("Label1"),
                    QStringLiteral("あなたの入力した内容は下記のとおりです"), 240, 300, 6000, 300);
    const int caption = 480, value = 2880, width = 7800;
    Label2 = PlacedLabel(Frame1, QStringLiteral("Label2"), QStringLiteral("竣工年・改修年 ："),
                         caption, 660, 2400, 300);
    Label_shunkou_nen_from = PlacedLabel(Frame1, QStringLiteral("Label_shunkou_nen_from"),
                                         QString(), value, 660, 720, 300);
    Label18 = PlacedLabel(Frame1, QStringLiteral("Label18"), QStringLiteral("年"), value + 720, 660,
                          300, 300);
    Label17 = PlacedLabel(Frame1, QStringLiteral("Label17"), QStringLiteral("～"), value + 1080,
                          660, 300, 300);
    Label_shunkou_nen_to = PlacedLabel(Frame1, QStringLiteral("Label_shunkou_nen_to"), QString(),
                                       value + 1440, 660, 720, 300);
    Label15 = PlacedLabel(Frame1, QStringLiteral("Label15"), QStringLiteral("年"), value + 2160,
                          660, 300, 300);
    Label4 = PlacedLabel(Frame1, QStringLiteral("Label4"), QStringLiteral("建材名（一般名） ："),
                         caption, 960, 2400, 300);
    Label_kenzai =
        PlacedLabel(Frame1, QStringLiteral("Label_kenzai"), QString(), value, 960, width, 300);
    Label12 = PlacedLabel(Frame1, QStringLiteral("Label12"), QStringLiteral("商品名     ："),
                          caption, 1260, 2400, 300);
    Label_shohin_name = PlacedLabel(Frame1, QStringLiteral("Label_shohin_name"), QString(), value,
                                    1260, width, 300);
    Label5 = PlacedLabel(Frame1, QStringLiteral("Label5"), QStringLiteral("型番・品番 ："), caption,
                         1560, 2400, 300);
    Label_kataban =
        PlacedLabel(Frame1, QStringLiteral("Label_kataban"), QString(), value, 1560, width, 300);
    Label11 = PlacedLabel(Frame1, QStringLiteral("Label11"), QStringLiteral("メーカー名 ："),
                          caption, 1860, 2400, 300);
    Label_maker_name =
        PlacedLabel(Frame1, QStringLiteral("Label_maker_name"), QString(), value, 1860, width, 300);
    Label3 = PlacedLabel(Frame1, QStringLiteral("Label3"), QStringLiteral("不燃材料等認定番号 ："),
                         caption, 2160, 2400, 300);
    Label_nintei_no =
        PlacedLabel(Frame1, QStringLiteral("Label_nintei_no"), QString(), value, 2160, width, 300);
    auto* line = new QFrame(Frame1);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    PlaceTwips(*line, 240, 2520, 10815, 60);
    Label13 = PlacedLabel(Frame1, QStringLiteral("Label13"),
                          QStringLiteral("入力条件にお間違いがないか再確認して下さい。"), 240, 2640,
                          6000, 300);
    Label14 = PlacedLabel(Frame1, QStringLiteral("Label14"),
                          QStringLiteral("１．商品名、型番・品番は正しく入力されていますか？"), 480,
                          2940, 5400, 300);
    Label6 = PlacedLabel(Frame1, QStringLiteral("Label6"),
                         QStringLiteral("２．メーカー名は正しく入力されていますか？"), 5940, 2940,
                         5200, 300);
    Label16 = PlacedLabel(Frame1, QStringLiteral("Label16"),
                          QStringLiteral("３．不燃材料等認定番号に誤りはありませんか？"), 480, 3220,
                          5400, 300);
}

// Why a material might still contain asbestos, and the three documents on it.
void Form_Error_3::BuildCautions() {
    Label7 =
        PlacedLabel(this, QStringLiteral("Label7"), kCautionHeadline, 240, 5520, 11295, 300);
    Label8 = PlacedLabel(this, QStringLiteral("Label8"), kCautionCases[0], 480, 5850, 6600, 300);
    Label9 = PlacedLabel(this, QStringLiteral("Label9"), kCautionCases[1], 480, 6150, 6600, 300);
    Label10 =
        PlacedLabel(this, QStringLiteral("Label10"), kCautionCases[2], 480, 6450, 6600, 300);
    Label7->setFont(ScaledFont(Label7->font(), 1.0, true));

    Command_kenzai_info = MakeButton(QStringLiteral("Command_kenzai_info"), kRegisteredInfoCaption);
    Command_shiyou_bui = MakeButton(QStringLiteral("Command_shiyou_bui"),
                                    QStringLiteral("施工部位・使われ方について"));
    Command_ryutu_kikan = MakeButton(QStringLiteral("Command_ryutu_kikan"),
                                     QStringLiteral("製造期間と竣工（改修）年について"));
    PlaceTwips(*Command_kenzai_info, 7320, 5820, 4215, 660);
    PlaceTwips(*Command_shiyou_bui, 7320, 6540, 4215, 420);
    PlaceTwips(*Command_ryutu_kikan, 7320, 7020, 4215, 420);
    if (const int twoLines = TwoLinesHeight(*this); Command_kenzai_info->height() < twoLines)
        Command_kenzai_info->setFixedHeight(twoLines);
}

void Form_Error_3::Form_Load() {
    Label_info->setText(QtLineBreaks(kNoHitSentence));
    Label_shunkou_nen_from->setText(s_.CondStartYear);
    Label_shunkou_nen_to->setText(s_.CondEndYear);
    Label_kenzai->setText(s_.CondKenzaiName);
    Label_shohin_name->setText(s_.CondShohin);
    Label_kataban->setText(s_.CondKataban);
    Label_maker_name->setText(s_.CondMaker);
    Label_nintei_no->setText(s_.CondNintei);
}

void Form_Error_3::DispatchFunctionKey(int keyCode) {
    RunKeyHandler<Form_Error_3>(*this, keyCode,
                                {{kKeyF1, &Form_Error_3::Command_ReportOut_Click},
                                 {kKeyF2, &Form_Error_3::OpenKenzaiNameListDoc},
                                 {kKeyF3, &Form_Error_3::OpenNinteiNoDoc},
                                 {kKeyF4, &Form_Error_3::Command_kenzai_info_Click},
                                 {kKeyF5, &Form_Error_3::Command_shiyou_bui_Click},
                                 {kKeyF6, &Form_Error_3::Command_ryutu_kikan_Click},
                                 {kKeyEscape, &Form_Error_3::CommandExit_Click}});
}

void Form_Error_3::Command_ReportOut_Click() {
    PrintReport(s_, p_, this, DataReport_Error_3(), [this](const Progress&) {
        return WriteNameSearchNotice(s_);
    });
}

void Form_Error_3::CommandExit_Click() {
    Unload();
}

void Form_Error_3::Command_kenzai_info_Click() {
    OpenDocumentOf(s_.DocRegisteredInfo);
}
void Form_Error_3::Command_shiyou_bui_Click() {
    OpenDocumentOf(s_.DocPartsInfo);
}
void Form_Error_3::Command_ryutu_kikan_Click() {
    OpenDocumentOf(s_.DocPeriodInfo);
}
void Form_Error_3::OpenKenzaiNameListDoc() {
    OpenDocumentOf(s_.DocNameList);
}
void Form_Error_3::OpenNinteiNoDoc() {
    OpenDocumentOf(s_.DocNinteiNo);
}

} // namespace solario
