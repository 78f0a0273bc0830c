#include "search_usage/form_search_d2.h"

#include "data/input_rules.h"
#include "data/query_builders.h"
#include "data/search_conditions.h"
#include "reports/report_layout.h"
#include "result_list/form_list.h"
#include "search_usage/form_error_usage.h"
#include "search_usage/uctl_rs_nextpage.h"
#include "search_usage/usage_reports.h"
#include "shell/help_topics.h"
#include "shell/message_boxes.h"
#include "shell/print_report.h"
#include "shell/screen_kit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace solario {

Form_Search_D2::Form_Search_D2(AppState& state, Platform& platform)
    : Screen(state, platform, QStringLiteral("【ソラリオ】【使用状態からの検索】")) {
    setObjectName(QStringLiteral("Form_Search_D2"));
    auto* page = new QVBoxLayout(this);
    page->addLayout(BuildButtons());
    QLabel* image1 = MakeBanner(this);
    image1->setFixedHeight(Twips(*this, 600));
    page->addWidget(image1);
    UCtl_RS_NextPage1 = new UCtl_RS_NextPage(this);
    UCtl_RS_NextPage1->setObjectName(QStringLiteral("UCtl_RS_NextPage1"));
    page->addWidget(UCtl_RS_NextPage1, 1); // the check list takes what the window gains
    page->addWidget(BuildFilters());
    page->addLayout(BuildReference());
    CommandSearchDetail = MakeButton(QStringLiteral("CommandSearchDetail"),
                                     QStringLiteral("建材リスト（商品名）表示"));
    CommandSearchDetail->setMinimumSize(Twips(*this, 4200), Twips(*this, 600));
    page->addLayout(CentredRow(CommandSearchDetail));
    KeepLaidOutWidth(11400);
    AllowEnlarging();

    const QList<QWidget*> order = {TextMaker,   TextShohin,        CommandSearchDetail,
                                   CommandHelp, Command_ReportOut, CommandGoMenu,
                                   CommandExit};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
    TextMaker->setFocus(); // first in tab order

    connect(CommandSearchDetail, &QPushButton::clicked, this,
            &Form_Search_D2::CommandSearchDetail_Click);
    connect(CommandHelp, &QPushButton::clicked, this, &Form_Search_D2::CommandHelp_Click);
    connect(Command_ReportOut, &QPushButton::clicked, this,
            &Form_Search_D2::Command_ReportOut_Click);
    connect(CommandGoMenu, &QPushButton::clicked, this, &Form_Search_D2::CommandGoMenu_Click);
    connect(CommandExit, &QPushButton::clicked, this, &Form_Search_D2::CommandExit_Click);
    connect(UCtl_RS_NextPage1, &UCtl_RS_NextPage::Click, this, &Form_Search_D2::OpenNameDocument);
    connect(UCtl_RS_NextPage1, &UCtl_RS_NextPage::KeyDown, this,
            [this](int keyCode, int, const QString& id) { DispatchFunctionKey(keyCode, id); });
    InstallKeyHandler({TextMaker, TextShohin, List1, CommandSearchDetail, CommandHelp,
                       Command_ReportOut, CommandExit});
    QList<QWidget*> rows;
    for (int row = 0; row < 6; ++row)
        rows << UCtl_RS_NextPage1->Check1[row] << UCtl_RS_NextPage1->Cmd_Info[row];
    AddKeyedControls(rows);
}

QHBoxLayout* Form_Search_D2::BuildButtons() {
    auto* top = new QHBoxLayout;
    CommandHelp = MakeHelpButton(this);
    CommandHelp->setFixedSize(Twips(*this, 495), Twips(*this, 495));
    FitIcon(CommandHelp);
    Command_ReportOut =
        MakeButton(QStringLiteral("Command_ReportOut"), QStringLiteral("検索結果の印刷"));
    CommandGoMenu = MakeButton(QStringLiteral("CommandGoMenu"), QStringLiteral("メニューに戻る"));
    CommandExit = MakeButton(QStringLiteral("CommandExit"), QStringLiteral("戻る"));
    for (QPushButton* b : {Command_ReportOut, CommandGoMenu, CommandExit})
        b->setMinimumSize(Twips(*this, 1935), Twips(*this, 495));
    top->addWidget(CommandHelp);
    top->addStretch();
    top->addWidget(Command_ReportOut);
    top->addWidget(CommandGoMenu);
    top->addWidget(CommandExit);
    return top;
}

// The maker and product filters.
QGroupBox* Form_Search_D2::BuildFilters() {
    Frame1 = new QGroupBox(QStringLiteral("名称等の情報"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* f1 = new QGridLayout(Frame1);
    TextMaker = new QLineEdit(Frame1);
    TextMaker->setObjectName(QStringLiteral("TextMaker"));
    TextMaker->setMaxLength(23);
    TextShohin = new QLineEdit(Frame1);
    TextShohin->setObjectName(QStringLiteral("TextShohin"));
    TextShohin->setMaxLength(23);
    f1->addWidget(MakeLabel(Frame1, QStringLiteral("Label1"), QStringLiteral("②メーカー名：")), 0,
                  0);
    f1->addWidget(TextMaker, 0, 1);
    f1->addWidget(MakeLabel(Frame1, QStringLiteral("Label3"), QStringLiteral("③商品名：")), 0, 2);
    f1->addWidget(TextShohin, 0, 3);
    QLabel* hint = MakeLabel(
        Frame1, QStringLiteral("Label5"),
        QStringLiteral(
            "※メーカー名や商品名を入力すると絞込み検索も可能です。語句の一部でも検索できます。"));
    hint->setWordWrap(true);
    f1->addWidget(hint, 1, 0, 1, 4);
    return Frame1;
}

// The names of materials made without asbestos, for reference.
QHBoxLayout* Form_Search_D2::BuildReference() {
    auto* reference = new QHBoxLayout;
    auto* refText = new QVBoxLayout;
    refText->addWidget(MakeLabel(this, QStringLiteral("Label4"), QStringLiteral("（参考情報）")));
    QLabel* label2 = MakeLabel(
        this, QStringLiteral("Label2"),
        QStringLiteral("以下の建材には製造段階で石綿（アスベスト）は使用されていません。"));
    label2->setWordWrap(true);
    refText->addWidget(label2);
    refText->addStretch();
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFixedHeight(Twips(*this, 1200));
    List1->setAccessibleName(QStringLiteral("石綿（アスベスト）が使用されていない建材"));
    reference->addLayout(refText, 3);
    reference->addWidget(List1, 2);
    return reference;
}

void Form_Search_D2::Form_Load() {
    s_.GeneralNameChecks = QList<int>(std::max<qsizetype>(s_.GeneralNames.size(), 257), 0);
    UCtl_RS_NextPage& list = *UCtl_RS_NextPage1;
    list.SetTarget_Item(QStringLiteral("一般名"));
    list.SetTarget_Item_Name(QStringLiteral("建材名（一般名）"));
    list.SetAnother_Item(QStringLiteral("該当件数"));
    list.SetAnother_Item_Name(QStringLiteral("該当件数"));
    list.SetRec_Cnt(s_.GeneralNameCount);
    list.Set_Data(s_.GeneralNames);
    list.Set_ID(s_.GeneralNameIds);
    list.Set_Kensu(s_.GeneralNameCounts);
    list.Set_Name_List(QStringLiteral("next"));
    List1->clear();
    for (const QString& name : s_.NonContainingNames) {
        if (name.isEmpty())
            break;
        List1->addItem(name);
    }
}

void Form_Search_D2::Form_Activate() {
    UnloadOrShowInTaskbar();
}

QString Form_Search_D2::BuildNameSelectWhere() {
    s_.SelectedNames = QStringList(s_.GeneralNameCount + 1);
    UCtl_RS_NextPage1->Get_Check(s_.GeneralNameChecks);
    s_.CondKenzaiName.clear();
    QStringList names;
    int k = 0;
    for (int i = 0; i < s_.GeneralNameCount; ++i) {
        if (s_.GeneralNameChecks.value(i) != 1)
            continue;
        // A name from the database goes between quotes with any apostrophe doubled.
        names.append(QStringLiteral("建材名（一般名） = ") + QuoteSqlText(s_.GeneralNames[i]));
        s_.SelectedNames[k++] = s_.GeneralNames[i];
    }
    s_.SelectedNames[k] = QString();
    if (names.isEmpty()) {
        UCtl_RS_NextPage1->ChkSetForcus(0);
        ShowMessageNo(s_, p_, 8);
        return QString();
    }
    QString w = QStringLiteral(" (") + names.join(QStringLiteral(" OR ")) + QStringLiteral(") ");
    QString maker, shohin;
    if (!ReadConditionText(TextMaker, maker))
        return QString();
    if (!maker.isEmpty())
        w += QStringLiteral(" AND ") + MakerCondition(maker);
    s_.CondMaker = maker;
    if (!ReadConditionText(TextShohin, shohin))
        return QString();
    if (!shohin.isEmpty())
        w += QStringLiteral(" AND ") + LikeCondition(QStringLiteral("商品名"), shohin);
    s_.CondShohin = shohin;
    return w;
}

void Form_Search_D2::CommandSearchDetail_Click() {
    s_.NameSelectWhere = BuildNameSelectWhere();
    if (s_.NameSelectWhere.isEmpty())
        return;
    const Result<qint32> found =
        RunListQuery(s_, p_, s_.UsageWhere + QStringLiteral(" AND ") + s_.NameSelectWhere);
    if (!found)
        return;
    if (found.value() != 0)
        OpenChild(MakeResultList(s_, p_, SearchRoute::ByUsage), [this] { ReleaseResultList(s_); });
    else
        OpenChild(MakeUsageNotice(s_, p_, UsageNoticeKind::NoProduct),
                  [this] { ReleaseResultList(s_); });
}

void Form_Search_D2::OpenNameDocument(const QString& id) {
    // A row without a name has no document.
    if (id.isEmpty())
        return;
    OpenDocumentOf(s_.PdfFolder + id + QStringLiteral(".pdf"));
}

void Form_Search_D2::DispatchFunctionKey(int keyCode) {
    DispatchFunctionKey(keyCode, QString());
}

void Form_Search_D2::DispatchFunctionKey(int keyCode, const QString& id) {
    // F2 to F7: the document of the check list's row (of the row the key was pressed in).
    if (keyCode >= kKeyF2 && keyCode <= kKeyF7) {
        OpenNameDocument(id.isEmpty() ? UCtl_RS_NextPage1->GetID(keyCode - kKeyF2) : id);
        return;
    }
    RunKeyHandler<Form_Search_D2>(*this, keyCode,
                                  {{kKeyF1, &Form_Search_D2::CommandHelp_Click},
                                   {kKeyF8, &Form_Search_D2::CommandSearchDetail_Click},
                                   {kKeyF9, &Form_Search_D2::Command_ReportOut_Click},
                                   {kKeyEscape, &Form_Search_D2::CommandExit_Click}});
}

void Form_Search_D2::CommandHelp_Click() {
    ShowHelpTopic(HelpTopic(HelpScreen::NameSelection));
}

void Form_Search_D2::Command_ReportOut_Click() {
    PrintReport(s_, p_, this, DataReport_SelectKenzai(),
                [this](const Progress&) { return WriteNameSelectReport(s_); });
}

void Form_Search_D2::CommandGoMenu_Click() {
    GoBackToMenu();
}

void Form_Search_D2::CommandExit_Click() {
    GoBack();
}

bool Form_Search_D2::Form_QueryUnload(int unloadMode) {
    return CloseHelpIfUserCloses(unloadMode);
}

} // namespace solario
