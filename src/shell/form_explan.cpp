#include "shell/form_explan.h"

#include "shell/help_topics.h"
#include "shell/screen_kit.h"

#include <QLabel>
#include <QPushButton>

namespace solario {

Form_Explan::Form_Explan(AppState& state, Platform& platform)
    : Screen(state, platform, QStringLiteral("【ソラリオ】【ご利用にあたって】")) {
    setObjectName(QStringLiteral("Form_Explan"));
    BuildHeader();
    BuildDocumentButtons();
    BuildNotice();
    setFixedSize(Twips(*this, 12135), Twips(*this, 6240));

    setTabOrder(CommandHelp, CommandExit);
    setTabOrder(CommandExit, Command_system_guidance);
    setTabOrder(Command_system_guidance, Command_configure);
    setTabOrder(Command_configure, Command_kenzai_info);
    setTabOrder(Command_kenzai_info, Command_shiyou_bui);
    setTabOrder(Command_shiyou_bui, Command_ryutu_kikan);
    CommandHelp->setFocus();

    connect(CommandHelp, &QPushButton::clicked, this, &Form_Explan::CommandHelp_Click);
    connect(CommandExit, &QPushButton::clicked, this, &Form_Explan::CommandExit_Click);
    connect(Command_system_guidance, &QPushButton::clicked, this,
            &Form_Explan::Command_system_guidance_Click);
    connect(Command_configure, &QPushButton::clicked, this, &Form_Explan::Command_configure_Click);
    connect(Command_kenzai_info, &QPushButton::clicked, this,
            &Form_Explan::Command_kenzai_info_Click);
    connect(Command_shiyou_bui, &QPushButton::clicked, this,
            &Form_Explan::Command_shiyou_bui_Click);
    connect(Command_ryutu_kikan, &QPushButton::clicked, this,
            &Form_Explan::Command_ryutu_kikan_Click);
    InstallKeyHandler({CommandHelp, CommandExit, Command_system_guidance, Command_configure,
                       Command_kenzai_info, Command_shiyou_bui, Command_ryutu_kikan});
}

void Form_Explan::BuildHeader() {
    Image1 = MakeBanner(this);
    Label4 = MakeLabel(this, QStringLiteral("Label4"), QStringLiteral("ソラリオ ご利用にあたって"));
    Label4->setFont(ScaledFont(Label4->font(), 1.5, true));
    CommandHelp = MakeHelpButton(this);
    CommandExit = MakeButton(QStringLiteral("CommandExit"), QStringLiteral("戻る"));
    PlaceTwips({{Image1, 0, 720, 12135, 900},
                {Label4, 240, 120, 8400, 495},
                {CommandHelp, 9705, 120, 495, 495},
                {CommandExit, 10440, 120, 1455, 495}});
    FitIcon(CommandHelp);
}

void Form_Explan::BuildDocumentButtons() {
    Command_system_guidance =
        MakeButton(QStringLiteral("Command_system_guidance"), QStringLiteral("ご利用上の注意"));
    Command_configure = MakeButton(QStringLiteral("Command_configure"), QStringLiteral("動作環境"));
    Command_kenzai_info = MakeButton(QStringLiteral("Command_kenzai_info"), kRegisteredInfoCaption);
    Command_shiyou_bui = MakeButton(QStringLiteral("Command_shiyou_bui"),
                                    QStringLiteral("施工部位・使われ方について"));
    Command_ryutu_kikan = MakeButton(QStringLiteral("Command_ryutu_kikan"),
                                     QStringLiteral("製造期間と竣工（改修）年について"));
    const std::pair<QPushButton*, int> documents[] = {{Command_system_guidance, 2400},
                                                      {Command_configure, 3120},
                                                      {Command_kenzai_info, 3840},
                                                      {Command_shiyou_bui, 4560},
                                                      {Command_ryutu_kikan, 5280}};
    for (const auto& [button, top] : documents)
        PlaceTwips(*button, 3120, top, 5655, 495);
    FitTwoLines(*Command_kenzai_info);
}

void Form_Explan::BuildNotice() {
    Label1 = MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("※"));
    Label3 = MakeLabel(this, QStringLiteral("Label3"),
                       QStringLiteral("このデータベースは以下の内容をご覧いただき、"
                                      "\u3000\u3000\u3000\u3000\u3000\u3000"
                                      "内容について十分にご理解いただいた上でご利用ください。"));
    Label3->setWordWrap(true);
    Label1->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    Label3->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    PlaceTwips(*Label1, 1320, 1740, 300, 600);
    PlaceTwips(*Label3, 1620, 1740, 9075, 600);
    // The blanks in the notice end its first line: the label is as wide as that line.
    FitToFirstLine(
        *Label3,
        QStringLiteral(
            "このデータベースは以下の内容をご覧いただき、\u3000\u3000\u3000\u3000\u3000\u3000"));
}

void Form_Explan::Form_Activate() {
    s_.BackToMenu = 0;
    ShowInTaskbar(*this);
}

void Form_Explan::DispatchFunctionKey(int keyCode) {
    RunKeyHandler<Form_Explan>(*this, keyCode,
                               {{kKeyF1, &Form_Explan::CommandHelp_Click},
                                {kKeyF2, &Form_Explan::Command_system_guidance_Click},
                                {kKeyF3, &Form_Explan::Command_configure_Click},
                                {kKeyF4, &Form_Explan::Command_kenzai_info_Click},
                                {kKeyF5, &Form_Explan::Command_shiyou_bui_Click},
                                {kKeyF6, &Form_Explan::Command_ryutu_kikan_Click},
                                {kKeyEscape, &Form_Explan::CommandExit_Click}});
}

void Form_Explan::CommandHelp_Click() {
    ShowHelpTopic(HelpTopic(HelpScreen::Explanation));
}

void Form_Explan::CommandExit_Click() {
    GoBack();
}

void Form_Explan::Command_system_guidance_Click() {
    OpenDocumentOf(s_.DocUsageNotes);
}
void Form_Explan::Command_configure_Click() {
    OpenDocumentOf(s_.DocEnvironment);
}
void Form_Explan::Command_kenzai_info_Click() {
    OpenDocumentOf(s_.DocRegisteredInfo);
}
void Form_Explan::Command_shiyou_bui_Click() {
    OpenDocumentOf(s_.DocPartsInfo);
}
void Form_Explan::Command_ryutu_kikan_Click() {
    OpenDocumentOf(s_.DocPeriodInfo);
}

bool Form_Explan::Form_QueryUnload(int unloadMode) {
    return CloseHelpIfUserCloses(unloadMode);
}

} // namespace solario
