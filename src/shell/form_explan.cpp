#include "shell/form_explan.h"

#include "shell/form_menu.h"
#include "shell/settings.h"

#include <QLabel>
#include <QPushButton>

namespace solario {

Form_Explan::Form_Explan(AppState& state, Platform& platform)
    : Screen(state, platform, QStringLiteral("【ソラリオ】【ご利用にあたって】")) {
    setObjectName(QStringLiteral("Form_Explan"));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap(QStringLiteral(":/images/banner.png")));
    Image1->setScaledContents(true);
    Label4 = new QLabel(QStringLiteral("ソラリオ ご利用にあたって"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    CommandHelp = MakePictureButton(*this, QStringLiteral("CommandHelp"),
                                    QStringLiteral(":/images/help.png"), QStringLiteral("ヘルプ"));
    CommandExit = MakeButton(QStringLiteral("CommandExit"), QStringLiteral("戻る"));
    Command_system_guidance =
        MakeButton(QStringLiteral("Command_system_guidance"), QStringLiteral("ご利用上の注意"));
    Command_configure = MakeButton(QStringLiteral("Command_configure"), QStringLiteral("動作環境"));
    Command_kenzai_info = MakeButton(QStringLiteral("Command_kenzai_info"), kRegisteredInfoCaption);
    Command_shiyou_bui = MakeButton(QStringLiteral("Command_shiyou_bui"),
                                    QStringLiteral("施工部位・使われ方について"));
    Command_ryutu_kikan = MakeButton(QStringLiteral("Command_ryutu_kikan"),
                                     QStringLiteral("製造期間と竣工（改修）年について"));
    Label1 = new QLabel(QStringLiteral("※"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label3 = new QLabel(QStringLiteral("このデータベースは以下の内容をご覧いただき、"
                                       "\u3000\u3000\u3000\u3000\u3000\u3000"
                                       "内容について十分にご理解いただいた上でご利用ください。"),
                        this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    Label1->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    Label3->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    QFont title = Label4->font();
    title.setPointSizeF(title.pointSizeF() * 1.5);
    title.setBold(true);
    Label4->setFont(title);

    PlaceTwips(*Image1, 0, 720, 12135, 900);
    PlaceTwips(*Label4, 240, 120, 8400, 495);
    PlaceTwips(*CommandHelp, 9705, 120, 495, 495);
    PlaceTwips(*CommandExit, 10440, 120, 1455, 495);
    PlaceTwips(*Label1, 1320, 1740, 300, 600);
    PlaceTwips(*Label3, 1620, 1740, 9075, 600);
    // The blanks in the notice end its first line: the label is as wide as that line.
    FitToFirstLine(
        *Label3,
        QStringLiteral(
            "このデータベースは以下の内容をご覧いただき、\u3000\u3000\u3000\u3000\u3000\u3000"));
    const std::pair<QPushButton*, int> documents[] = {{Command_system_guidance, 2400},
                                                      {Command_configure, 3120},
                                                      {Command_kenzai_info, 3840},
                                                      {Command_shiyou_bui, 4560},
                                                      {Command_ryutu_kikan, 5280}};
    for (const auto& [button, top] : documents)
        PlaceTwips(*button, 3120, top, 5655, 495);
    // The two-line caption needs the room of two lines of the screen's font.
    const int twoLines = fontMetrics().lineSpacing() * 2 + Twips(*this, 120);
    if (Command_kenzai_info->height() < twoLines) {
        const QRect r = Command_kenzai_info->geometry();
        Command_kenzai_info->setGeometry(r.x(), r.y() - (twoLines - r.height()) / 2, r.width(),
                                         twoLines);
    }
    FitIcon(CommandHelp);
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

void Form_Explan::Form_Activate() {
    s_.BackToMenu = 0;
    ShowInTaskbar(*this);
}

void Form_Explan::DispatchFunctionKey(int keyCode) {
    switch (keyCode) {
    case kKeyF1:
        CommandHelp_Click();
        break;
    case kKeyF2:
        Command_system_guidance_Click();
        break;
    case kKeyF3:
        Command_configure_Click();
        break;
    case kKeyF4:
        Command_kenzai_info_Click();
        break;
    case kKeyF5:
        Command_shiyou_bui_Click();
        break;
    case kKeyF6:
        Command_ryutu_kikan_Click();
        break;
    case kKeyEscape:
        CommandExit_Click();
        break;
    default:
        break;
    }
}

void Form_Explan::CommandHelp_Click() {
    s_.HelpWindow = p_.ShowHelp(this, s_.HelpFile, 36);
}

void Form_Explan::CommandExit_Click() {
    CloseHelp();
    Unload();
}

void Form_Explan::Command_system_guidance_Click() {
    OpenDocument(s_, p_, s_.DocUsageNotes);
}
void Form_Explan::Command_configure_Click() {
    OpenDocument(s_, p_, s_.DocEnvironment);
}
void Form_Explan::Command_kenzai_info_Click() {
    OpenDocument(s_, p_, s_.DocRegisteredInfo);
}
void Form_Explan::Command_shiyou_bui_Click() {
    OpenDocument(s_, p_, s_.DocPartsInfo);
}
void Form_Explan::Command_ryutu_kikan_Click() {
    OpenDocument(s_, p_, s_.DocPeriodInfo);
}

bool Form_Explan::Form_QueryUnload(int unloadMode) {
    return CloseHelpIfUserCloses(unloadMode);
}

} // namespace solario
