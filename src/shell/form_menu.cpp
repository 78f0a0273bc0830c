#include "shell/form_menu.h"

#include "data/database.h"
#include "data/field_catalogue.h"
#include "data/input_rules.h"
#include "reports/report_data.h"
#include "shell/form_explan.h"
#include "shell/settings.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>

namespace solario {

inline const QString kDataVersionText = QStringLiteral("２００６年１２月版");

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

QString DefaultInstanceLockPath() {
    // The temporary folder is the user's own on Windows; elsewhere the user's name
    // keeps two users of one machine apart.
    QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    user.remove(u'/').remove(u'\\');
    return QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
        .filePath(QStringLiteral("solario-%1.lock").arg(user));
}

QPushButton* MakePictureButton(Screen& screen, const QString& objectName, const QString& image,
                               const QString& accessibleName) {
    auto* button = new QPushButton(&screen);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setIcon(QIcon(image));
    button->setAccessibleName(accessibleName);
    return button;
}

void FitIcon(QPushButton* button) {
    const int pad = Twips(*button, 90);
    button->setIconSize(button->size() - QSize(pad, pad));
}

Form_Menu::Form_Menu(AppState& state, Platform& platform)
    : Screen(state, platform, QStringLiteral("【ソラリオ】【メニュー】")) {
    setObjectName(QStringLiteral("Form_Menu"));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap(QStringLiteral(":/images/banner.png")));
    Image1->setScaledContents(true);
    Label4 = new QLabel(QStringLiteral("ソラリオ ") + kDataVersionText, this);
    Label4->setObjectName(QStringLiteral("Label4"));
    CommandHelp = MakePictureButton(*this, QStringLiteral("CommandHelp"),
                                    QStringLiteral(":/images/help.png"), QStringLiteral("ヘルプ"));
    CommandExit = MakeButton(QStringLiteral("CommandExit"), QStringLiteral("終了"));
    CommandSearchD = MakePictureButton(*this, QStringLiteral("CommandSearchD"),
                                       QStringLiteral(":/images/search_usage.png"),
                                       QStringLiteral("使用状態からの検索"));
    CommandSearchN = MakePictureButton(*this, QStringLiteral("CommandSearchN"),
                                       QStringLiteral(":/images/search_name.png"),
                                       QStringLiteral("建材名称等からの検索"));
    CommandExplan = MakeButton(QStringLiteral("CommandExplan"), QStringLiteral("ご利用にあたって"));
    Label1 = new QLabel(QStringLiteral("※"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label3 = new QLabel(
        QStringLiteral("このデータベースは「ご利用にあたって」をご覧いただき、"
                       "\u3000\u3000内容について十分にご理解いただいた上でご利用ください。"),
        this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);

    QFont title = Label4->font();
    title.setPointSizeF(title.pointSizeF() * 1.5);
    title.setBold(true);
    Label4->setFont(title);
    QFont big = CommandExplan->font();
    big.setPointSizeF(big.pointSizeF() * 1.15);
    CommandExplan->setFont(big);

    PlaceTwips(*Image1, 0, 720, 12135, 900);
    PlaceTwips(*Label4, 240, 120, 8400, 495);
    PlaceTwips(*CommandHelp, 9705, 120, 495, 495);
    PlaceTwips(*CommandExit, 10440, 120, 1455, 495);
    PlaceTwips(*CommandSearchD, 1320, 1920, 3855, 2775);
    PlaceTwips(*CommandSearchN, 6840, 1920, 3855, 2775);
    PlaceTwips(*CommandExplan, 1320, 5880, 3855, 495);
    PlaceTwips(*Label1, 1320, 6600, 300, 600);
    PlaceTwips(*Label3, 1620, 6600, 9075, 600);
    // The blanks in the notice end its first line: the label is as wide as that line.
    FitToFirstLine(
        *Label3,
        QStringLiteral("このデータベースは「ご利用にあたって」をご覧いただき、\u3000\u3000"));
    Label1->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    Label3->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    for (QPushButton* b : {CommandHelp, CommandSearchD, CommandSearchN})
        FitIcon(b);
    setFixedSize(Twips(*this, 12135), Twips(*this, 7440));

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

Form_Menu::~Form_Menu() = default;

bool Form_Menu::Form_Load(int* exitCode) {
    *exitCode = 0;
    instanceLock_ = std::make_unique<QLockFile>(s_.InstanceLockPath);
    instanceLock_->setStaleLockTime(0); // a lock is stale only when its process is gone
    if (!instanceLock_->tryLock(0)) {
        instanceLock_.reset();
        p_.MessageBox(QStringLiteral("このアプリケーションは既に起動しています。"),
                      QStringLiteral("メッセージ"), box::kExclamation);
        return false;
    }
    s_.HelpFile = kHelpFileName;
    LoadSettings(s_);
    s_.DataVersion = kDataVersionText;
    if (!s_.MainConnection)
        s_.MainConnection = std::make_unique<Connection>();
    s_.DbOpen = OpenDatabase(s_, p_, s_.MainConnection, kDatabaseFileName, s_.ConnectionString);
    if (!s_.DbOpen) {
        *exitCode = 1;
        return false;
    }
    s_.DataEnvironment1 = std::make_unique<ReportDataEnvironment>();
    Status report = s_.DataEnvironment1->OpenConnection();
    if (report)
        report = s_.DataEnvironment1->OpenRecordsets();
    if (!report) {
        p_.MessageBox(QStringLiteral("<<帳票データ接続エラー>>\r\r") + report.error(),
                      QStringLiteral("エラー"), box::kExclamation);
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
}

void Form_Menu::Form_Activate() {
    s_.BackToMenu = 0;
    ShowInTaskbar(*this);
}

void Form_Menu::DispatchFunctionKey(int keyCode) {
    switch (keyCode) {
    case kKeyF1:
        CommandHelp_Click();
        break;
    case kKeyF2:
        CommandSearchD_Click();
        break;
    case kKeyF3:
        CommandSearchN_Click();
        break;
    case kKeyF4:
        OpenDocument(s_, p_, s_.DocUsageNotes);
        break;
    case kKeyF5:
        OpenDocument(s_, p_, s_.DocRegisteredInfo);
        break;
    case kKeyF6:
        OpenDocument(s_, p_, s_.DocEnvironment);
        break;
    case kKeyEscape:
        CommandExit_Click();
        break;
    default:
        break;
    }
}

void Form_Menu::Open(const ScreenFactory& factory) {
    if (factory)
        OpenChild(*this, factory(s_, p_));
}

void Form_Menu::CommandSearchD_Click() {
    Open(MakeSearchD);
}

void Form_Menu::CommandSearchN_Click() {
    Open(MakeSearchN);
}

void Form_Menu::CommandExplan_Click() {
    OpenChild(*this, std::make_unique<Form_Explan>(s_, p_));
}

void Form_Menu::CommandHelp_Click() {
    s_.HelpWindow = p_.ShowHelp(this, s_.HelpFile, 10);
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
