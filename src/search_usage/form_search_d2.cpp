#include "search_usage/form_search_d2.h"

#include "data/input_rules.h"
#include "data/query_builders.h"
#include "reports/report_layout.h"
#include "reports/report_printing.h"
#include "result_list/form_list.h"
#include "search_usage/form_error_usage.h"
#include "search_usage/uctl_rs_nextpage.h"
#include "shell/form_menu.h"
#include "shell/settings.h"

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

namespace {} // namespace

Form_Search_D2::Form_Search_D2(AppState& state, Platform& platform)
    : Screen(state, platform, QStringLiteral("【ソラリオ】【使用状態からの検索】")) {
    setObjectName(QStringLiteral("Form_Search_D2"));
    auto* page = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    CommandHelp = MakePictureButton(*this, QStringLiteral("CommandHelp"),
                                    QStringLiteral(":/images/help.png"), QStringLiteral("ヘルプ"));
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
    page->addLayout(top);
    QLabel* image1 = MakeLabel(this, QStringLiteral("Image1"), QString());
    image1->setPixmap(QPixmap(QStringLiteral(":/images/banner.png")));
    image1->setScaledContents(true);
    image1->setFixedHeight(Twips(*this, 600));
    page->addWidget(image1);

    UCtl_RS_NextPage1 = new UCtl_RS_NextPage(this);
    UCtl_RS_NextPage1->setObjectName(QStringLiteral("UCtl_RS_NextPage1"));
    page->addWidget(UCtl_RS_NextPage1);

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
    page->addWidget(Frame1);

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
    reference->addLayout(refText, 3);
    reference->addWidget(List1, 2);
    page->addLayout(reference);

    CommandSearchDetail = MakeButton(QStringLiteral("CommandSearchDetail"),
                                     QStringLiteral("建材リスト（商品名）表示"));
    CommandSearchDetail->setMinimumSize(Twips(*this, 4200), Twips(*this, 600));
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(CommandSearchDetail);
    bottom->addStretch();
    page->addLayout(bottom);
    setMinimumWidth(Twips(*this, 11400));

    const QList<QWidget*> order = {TextMaker,   TextShohin,        CommandSearchDetail,
                                   CommandHelp, Command_ReportOut, CommandGoMenu,
                                   CommandExit};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);

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
    QString w;
    UCtl_RS_NextPage1->Get_Check(s_.GeneralNameChecks);
    s_.CondKenzaiName.clear();
    int k = 0;
    for (int i = 0; i < s_.GeneralNameCount; ++i) {
        if (s_.GeneralNameChecks.value(i) != 1)
            continue;
        if (!w.isEmpty())
            w += QStringLiteral(" OR ");
        // A name from the database goes between quotes with any apostrophe doubled.
        w += QStringLiteral("建材名（一般名） = ") + QuoteSqlText(s_.GeneralNames[i]);
        s_.SelectedNames[k++] = s_.GeneralNames[i];
    }
    s_.SelectedNames[k] = QString();
    if (w.isEmpty()) {
        UCtl_RS_NextPage1->ChkSetForcus(0);
        ShowMessageNo(s_, p_, 8);
        return QString();
    }
    w = QStringLiteral(" (") + w + QStringLiteral(") ");
    if (!IsTextAllowed(s_, TextMaker->text())) {
        TextMaker->setFocus();
        ShowMessageNo(s_, p_, 9);
        return QString();
    }
    const QString maker = ConditionText(s_, *TextMaker);
    if (!maker.isEmpty())
        w += QStringLiteral(" AND ") + QStringLiteral("((現在のメーカー名 LIKE '%") + maker +
             QStringLiteral("%') OR") + QStringLiteral(" (生産時のメーカー名 LIKE '%") + maker +
             QStringLiteral("%'))");
    s_.CondMaker = maker;
    if (!IsTextAllowed(s_, TextShohin->text())) {
        TextShohin->setFocus();
        ShowMessageNo(s_, p_, 9);
        return QString();
    }
    const QString shohin = ConditionText(s_, *TextShohin);
    if (!shohin.isEmpty())
        w += QStringLiteral(" AND ") + QStringLiteral("(商品名 LIKE '%") + shohin +
             QStringLiteral("%')");
    s_.CondShohin = shohin;
    return w;
}

void Form_Search_D2::CommandSearchDetail_Click() {
    s_.NameSelectWhere = BuildNameSelectWhere();
    if (s_.NameSelectWhere.isEmpty())
        return;
    const QString condition = s_.UsageWhere + QStringLiteral(" AND ") + s_.NameSelectWhere;
    if (!s_.MainRecordset)
        s_.MainRecordset = std::make_unique<Recordset>();
    p_.SetBusy(true);
    const Result<qint32> found =
        OpenMaterialList(s_, *s_.MainConnection, *s_.MainRecordset, condition);
    p_.SetBusy(false);
    if (!found) {
        p_.MessageBox(QStringLiteral("検索できませんでした。\r\r") + found.error(),
                      QStringLiteral("エラー"), box::kExclamation);
        return;
    }
    auto release = [this] {
        s_.SearchRouteTitle.clear();
        if (s_.MainRecordset)
            s_.MainRecordset->Close();
        s_.MainRecordset.reset();
    };
    const qint32 n = found.value();
    if (n != 0) {
        const Recordset& rs = *s_.MainRecordset;
        const int id = rs.FieldIndex(QStringLiteral("ID"));
        s_.ListIds = QStringList(n + 1);
        for (qint32 i = 0; i < n; ++i)
            s_.ListIds[i] = rs.ValueText(i, id);
        s_.SearchRouteTitle = QStringLiteral("使用状態からの検索");
        auto list = std::make_unique<Form_List>(s_, p_);
        list->Form_Load();
        OpenChild(*this, std::move(list), release);
    } else {
        auto notice = std::make_unique<Form_Error_2>(s_, p_);
        notice->Form_Load();
        OpenChild(*this, std::move(notice), release);
    }
}

void Form_Search_D2::OpenNameDocument(const QString& id) {
    // A row without a name has no document.
    if (id.isEmpty())
        return;
    OpenDocument(s_, p_, s_.PdfFolder + id + QStringLiteral(".pdf"));
}

void Form_Search_D2::DispatchFunctionKey(int keyCode) {
    DispatchFunctionKey(keyCode, QString());
}

void Form_Search_D2::DispatchFunctionKey(int keyCode, const QString& id) {
    if (keyCode >= kKeyF2 && keyCode <= kKeyF2 + 5) {
        OpenNameDocument(id.isEmpty() ? UCtl_RS_NextPage1->GetID(keyCode - kKeyF2) : id);
        return;
    }
    switch (keyCode) {
    case kKeyF1:
        CommandHelp_Click();
        break;
    case kKeyF2 + 6: // F8
        CommandSearchDetail_Click();
        break;
    case kKeyF2 + 7: // F9
        Command_ReportOut_Click();
        break;
    case kKeyEscape:
        CommandExit_Click();
        break;
    default:
        break;
    }
}

void Form_Search_D2::CommandHelp_Click() {
    s_.HelpWindow = p_.ShowHelp(this, s_.HelpFile, 18);
}

void Form_Search_D2::Command_ReportOut_Click() {
    PrintReport(s_, p_, this, DataReport_SelectKenzai(),
                [this] { return WriteNameSelectReport(s_); });
}

void Form_Search_D2::CommandGoMenu_Click() {
    s_.BackToMenu = 1;
    CloseHelp();
    Unload();
}

void Form_Search_D2::CommandExit_Click() {
    CloseHelp();
    Unload();
}

bool Form_Search_D2::Form_QueryUnload(int unloadMode) {
    return CloseHelpIfUserCloses(unloadMode);
}

} // namespace solario
