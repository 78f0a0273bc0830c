#include "shell/form_menu.h"

#include "data/field_catalogue.h"
#include "data/input_rules.h"
#include "data/report_data.h"
#include "platform/instance_lock.h"
#include "shell/form_explan.h"
#include "shell/help_topics.h"
#include "shell/message_boxes.h"
#include "shell/open_database.h"
#include "shell/screen_kit.h"
#include "shell/settings.h"

#include <QApplication>
#include <QLabel>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QPushButton>

namespace solario {

QString SearchDToolTipText() {
    return QStringList{QStringLiteral("\u3000  使用状態からの検索 \u3000\u3000 "),
                       QString(),
                       QStringLiteral("◆戸建住宅について、竣工年、"),
                       QStringLiteral("\u3000建材の施工部位等から石綿\u3000"),
                       QStringLiteral("\u3000（アスベスト）含有建材を\u3000"),
                       QStringLiteral("\u3000検索することができます。\u3000")}
        .join(u'\r');
}

QString SearchNToolTipText() {
    return QStringList{QStringLiteral("\u3000  建材名称等からの検索  \u3000"),
                       QString(),
                       QStringLiteral("◆建材名（一般名）、商品名、"),
                       QStringLiteral("\u3000メーカー名等から石綿\u3000\u3000\u3000"),
                       QStringLiteral("\u3000（アスベスト）含有建材を\u3000"),
                       QStringLiteral("\u3000検索することができます。\u3000")}
        .join(u'\r');
}

Form_Menu::Form_Menu(AppState& state, Platform& platform)
    : Screen(state, platform, QStringLiteral("【ソラリオ】【メニュー】")) {
    setObjectName(QStringLiteral("Form_Menu"));
    Image1 = MakeBanner(this);
    Label4 = MakeLabel(this, QStringLiteral("Label4"), QStringLiteral("ソラリオ ") + kDataEdition);
    Label4->setFont(ScaledFont(Label4->font(), 1.5, true));
    SampleMark = MakeSampleMark(this);
    CommandHelp = MakeHelpButton(this);
    CommandExit = MakeButton(QStringLiteral("CommandExit"), QStringLiteral("終了"));
    CommandSearchD = MakePictureButton(this, QStringLiteral("CommandSearchD"),
                                       QStringLiteral(":/images/search_usage.png"),
                                       QStringLiteral("使用状態からの検索"),
                                       QStringLiteral("建物の竣工年・改修年、施工部位と使われ方から"
                                                      "建材を探します（F2）"));
    CommandSearchN = MakePictureButton(this, QStringLiteral("CommandSearchN"),
                                       QStringLiteral(":/images/search_name.png"),
                                       QStringLiteral("建材名称等からの検索"),
                                       QStringLiteral("建材名、メーカー名、商品名、型番・品番などから"
                                                      "建材を探します（F3）"));
    CommandExplan = MakeButton(QStringLiteral("CommandExplan"), QStringLiteral("ご利用にあたって"));
    CommandExplan->setFont(ScaledFont(CommandExplan->font(), 1.15, false));
    Label1 = MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("※"));
    Label3 = MakeLabel(
        this, QStringLiteral("Label3"),
        QStringLiteral("このデータベースは「ご利用にあたって」をご覧いただき、"
                       "\u3000\u3000内容について十分にご理解いただいた上でご利用ください。"));
    Label3->setWordWrap(true);
    PlaceControls();

    setTabOrder(CommandHelp, CommandExit);
    setTabOrder(CommandExit, CommandSearchD);
    setTabOrder(CommandSearchD, CommandSearchN);
    setTabOrder(CommandSearchN, CommandExplan);
    CommandHelp->setFocus();

    connect(CommandSearchD, &QPushButton::clicked, this, &Form_Menu::CommandSearchD_Click);
    connect(CommandSearchN, &QPushButton::clicked, this, &Form_Menu::CommandSearchN_Click);
    connect(CommandExplan, &QPushButton::clicked, this, &Form_Menu::CommandExplan_Click);
    connect(CommandHelp, &QPushButton::clicked, this, &Form_Menu::CommandHelp_Click);
    connect(CommandExit, &QPushButton::clicked, this, &Form_Menu::CommandExit_Click);
    InstallKeyHandler({CommandExit, CommandHelp, CommandSearchD, CommandSearchN});
}

void Form_Menu::PlaceControls() {
    PlaceTwips({{Image1, 0, 720, 12135, 900},
                {Label4, 240, 120, 8400, 495},
                {CommandHelp, 9705, 120, 495, 495},
                {CommandExit, 10440, 120, 1455, 495},
                {CommandSearchD, 1320, 1920, 3855, 2775},
                {CommandSearchN, 6840, 1920, 3855, 2775},
                {CommandExplan, 1320, 5880, 3855, 495},
                {Label1, 1320, 6600, 300, 600},
                {Label3, 1620, 6600, 9075, 600}});
    // The blanks in the notice end its first line: the label is as wide as that line.
    FitToFirstLine(
        *Label3,
        QStringLiteral("このデータベースは「ご利用にあたって」をご覧いただき、\u3000\u3000"));
    Label1->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    Label3->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    // The sample mark stands right after the edition.
    SampleMark->adjustSize();
    SampleMark->move(Label4->x() + Label4->fontMetrics().horizontalAdvance(Label4->text()) +
                         Twips(*this, 180),
                     Label4->y() + (Label4->height() - SampleMark->height()) / 2);
    for (QPushButton* b : {CommandHelp, CommandSearchD, CommandSearchN})
        FitIcon(b);
    setFixedSize(Twips(*this, 12135), Twips(*this, 7440));
}

Form_Menu::~Form_Menu() = default;

bool Form_Menu::Form_Load(int* exitCode) {
    *exitCode = 0;
    InstanceLock lock = TryInstanceLock(s_.InstanceLockPath, s_.InstanceServerName);
    if (lock.outcome == LockOutcome::HeldByAnother) {
        p_.MessageBox(QStringLiteral("このアプリケーションは既に起動しています。"),
                      QStringLiteral("メッセージ"), box::kExclamation);
        // The running one comes to the front, where the user looks for it.
        if (!s_.InstanceServerName.isEmpty())
            AskRunningInstanceToShow(s_.InstanceServerName);
        return false;
    }
    if (lock.outcome == LockOutcome::Unavailable) {
        // Not knowing whether another instance runs is not the same as knowing it does.
        p_.MessageBox(QStringLiteral("ソラリオの起動を確認できません。\r"
                                     "起動の確認に使うファイルを作成できませんでした。\r\r"
                                     "フォルダ：") +
                          lock.folder + QStringLiteral("\r理由：") + lock.reason,
                      QStringLiteral("エラー"), box::kExclamation);
        *exitCode = 1;
        return false;
    }
    instanceLock_ = std::move(lock.lock);
    instanceServer_ = std::move(lock.server);
    if (instanceServer_)
        connect(instanceServer_.get(), &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* socket = instanceServer_->nextPendingConnection()) {
                connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
                connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                    if (socket->readAll().contains(kShowRequest))
                        ComeForward();
                });
            }
        });
    s_.HelpFile = kHelpFileName;
    if (const Status settings = LoadSettings(s_); !settings)
        ShowWarning(p_, settings.error());
    s_.DataVersion = kDataEdition;
    if (!s_.MainConnection)
        s_.MainConnection = std::make_unique<Connection>();
    const DatabaseLocation where = LocateDatabase(s_.DatabaseArgument, s_.UserDataFolder,
                                                  s_.SystemDataFolder, s_.ProgramFolder);
    s_.DatabasePath = where.path;
    s_.DatabaseFoundIn = where.place;
    s_.DbOpen = OpenDatabase(p_, s_.MainConnection, s_.DatabasePath, s_.ConnectionString);
    if (!s_.DbOpen) {
        *exitCode = 1;
        return false;
    }
    s_.SampleData = IsSampleDatabase(*s_.MainConnection);
    // An imported database names its own edition; the menu and every report show it.
    if (const QString edition = DatabaseEdition(*s_.MainConnection); !edition.isEmpty())
        s_.DataVersion = edition;
    Label4->setText(QStringLiteral("ソラリオ ") + s_.DataVersion);
    s_.DataEnvironment1 = std::make_unique<ReportDataEnvironment>();
    Status report = s_.DataEnvironment1->OpenConnection();
    if (report)
        report = s_.DataEnvironment1->OpenRecordsets();
    if (!report) {
        ShowFailure(p_, QStringLiteral("<<帳票データ接続エラー>>"), report.error());
        Form_Unload();
        *exitCode = 1;
        return false;
    }
    s_.BackToMenu = 0;
    InitFieldCatalogue(s_);
    InitSpecialChars(s_);
    InitMessages(s_);
    SetUpToolTips();
    return true;
}

void Form_Menu::SetUpToolTips() {
    if (!MenuToolTip)
        MenuToolTip = std::make_unique<clsToolTip>();
    MenuToolTip->Create(this);
    MenuToolTip->SetMaxTipWidth(240);
    MenuToolTip->SetDelayTime(clsToolTip::kAutoPop, 20000);
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        MenuToolTip->AddTool(control, QString());
    MenuToolTip->SetToolText(CommandSearchD, SearchDToolTipText());
    MenuToolTip->SetToolText(CommandSearchN, SearchNToolTipText());
    // The edition line tells which file answers (a label has no tip of the menu's own).
    if (s_.MainConnection && s_.MainConnection->IsOpen())
        Label4->setToolTip(QtLineBreaks(DataInUseText(s_, *s_.MainConnection) +
                                        QStringLiteral("\r（F8：データについて）")));
}

void Form_Menu::Form_Activate() {
    s_.BackToMenu = 0;
    ShowInTaskbar(*this);
}

void Form_Menu::DispatchFunctionKey(int keyCode) {
    RunKeyHandler<Form_Menu>(*this, keyCode,
                             {{kKeyF1, &Form_Menu::CommandHelp_Click},
                              {kKeyF2, &Form_Menu::CommandSearchD_Click},
                              {kKeyF3, &Form_Menu::CommandSearchN_Click},
                              {kKeyF4, &Form_Menu::OpenUsageNotes},
                              {kKeyF5, &Form_Menu::OpenRegisteredInfo},
                              {kKeyF6, &Form_Menu::OpenEnvironment},
                              {kKeyF8, &Form_Menu::ShowDataInUse},
                              {kKeyEscape, &Form_Menu::CommandExit_Click}});
}

// A second start asked for the running program: its screen in front comes forward.
void Form_Menu::ComeForward() {
    QWidget* front = QApplication::activeModalWidget();
    if (!front)
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->isModal())
                front = w;
    if (!front)
        front = this;
    if (front->isMinimized())
        front->showNormal();
    front->raise();
    front->activateWindow();
    ++broughtForward_;
}

// Which data answers the searches, so that nobody mistakes a sample or an old file for
// the data they meant.
void Form_Menu::ShowDataInUse() {
    if (!s_.MainConnection || !s_.MainConnection->IsOpen())
        return;
    p_.MessageBox(QStringLiteral("使っているデータ\r\r") + DataInUseText(s_, *s_.MainConnection),
                  QStringLiteral("データについて"), box::kInformation);
}

void Form_Menu::OpenUsageNotes() {
    OpenDocumentOf(s_.DocUsageNotes);
}

void Form_Menu::OpenRegisteredInfo() {
    OpenDocumentOf(s_.DocRegisteredInfo);
}

void Form_Menu::OpenEnvironment() {
    OpenDocumentOf(s_.DocEnvironment);
}

void Form_Menu::Open(const ScreenFactory& factory) {
    if (factory)
        OpenChild(factory(s_, p_));
}

void Form_Menu::CommandSearchD_Click() {
    Open(MakeSearchD);
}

void Form_Menu::CommandSearchN_Click() {
    Open(MakeSearchN);
}

void Form_Menu::CommandExplan_Click() {
    OpenChild(std::make_unique<Form_Explan>(s_, p_));
}

void Form_Menu::CommandHelp_Click() {
    ShowHelpTopic(HelpTopic(HelpScreen::Menu));
}

bool Form_Menu::ConfirmEnd() {
    return p_.MessageBox(QStringLiteral("アプリケーションを終了してもよろしいですか？"),
                         QStringLiteral("確認"), box::kYesNo | box::kInformation) == box::kYes;
}

void Form_Menu::CommandExit_Click() {
    if (!ConfirmEnd())
        return;
    CloseHelp();
    Unload();
    p_.EndProgram(0);
}

bool Form_Menu::Form_QueryUnload(int unloadMode) {
    if (unloadMode != kUnloadByUser)
        return true;
    if (ConfirmEnd()) {
        // Ends at once; the end of the process releases both connections.
        CloseHelp();
        p_.EndProgram(0);
    }
    return false;
}

void Form_Menu::Form_Unload() {
    if (s_.DbOpen) {
        CloseDatabase(s_.MainConnection);
        s_.DbOpen = false;
    }
    if (s_.DataEnvironment1)
        s_.DataEnvironment1->Close();
}

} // namespace solario
