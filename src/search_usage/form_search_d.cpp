#include "search_usage/form_search_d.h"

#include "data/input_rules.h"
#include "data/query_builders.h"
#include "data/search_conditions.h"
#include "search_usage/form_error_usage.h"
#include "search_usage/form_search_d2.h"
#include "shell/help_topics.h"
#include "shell/message_boxes.h"
#include "shell/screen_kit.h"
#include "shell/year_fields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace solario {

Form_Search_D::Form_Search_D(AppState& state, Platform& platform)
    : Screen(state, platform, QStringLiteral("【ソラリオ】【使用状態からの検索】")) {
    setObjectName(QStringLiteral("Form_Search_D"));
    auto* page = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    Image1 = MakeBanner(this);
    Image1->setFixedHeight(Twips(*this, 600));
    CommandHelp = MakeHelpButton(this);
    CommandHelp->setFixedSize(Twips(*this, 495), Twips(*this, 495));
    FitIcon(CommandHelp);
    CommandExit = MakeButton(QStringLiteral("CommandExit"), QStringLiteral("戻る"));
    CommandExit->setMinimumSize(Twips(*this, 1335), Twips(*this, 495));
    top->addStretch();
    top->addWidget(CommandHelp);
    top->addWidget(CommandExit);
    page->addLayout(top);
    page->addWidget(Image1);
    page->addWidget(BuildBuildingSection());
    auto* middle = new QHBoxLayout;
    middle->addWidget(BuildPartSection(), 1);
    middle->addWidget(BuildUsageSection());
    page->addLayout(middle);
    Label1 = MakeLabel(
        this, QStringLiteral("Label1"),
        QStringLiteral("居室について：本データベースでは、「居室」とは、寝室・居間などをいい、"
                       "台所、浴室、トイレ及び廊下を除きます。"));
    Label1->setWordWrap(true);
    page->addWidget(Label1);
    CommandSearchDetail = MakeButton(QStringLiteral("CommandSearchDetail"),
                                     QStringLiteral("建材名リスト（一般名）表示"));
    CommandSearchDetail->setMinimumSize(Twips(*this, 4200), Twips(*this, 600));
    page->addLayout(CentredRow(CommandSearchDetail));
    KeepLaidOutWidth(11400);
    ConnectControls();
    TextStartYear->setFocus();
}

// ① The building: detached house, years.
QGroupBox* Form_Search_D::BuildBuildingSection() {
    Frame6 = new QGroupBox(QStringLiteral("①戸建住宅"), this);
    Frame6->setObjectName(QStringLiteral("Frame6"));
    auto* f6 = new QHBoxLayout(Frame6);
    Frame9 = new QGroupBox(QStringLiteral("竣工年・改修年（西暦）："), Frame6);
    Frame9->setObjectName(QStringLiteral("Frame9"));
    auto* f9 = new QHBoxLayout(Frame9);
    TextStartYear = new QLineEdit(Frame9);
    TextStartYear->setObjectName(QStringLiteral("TextStartYear"));
    TextEndYear = new QLineEdit(Frame9);
    TextEndYear->setObjectName(QStringLiteral("TextEndYear"));
    for (QLineEdit* e : {TextStartYear, TextEndYear}) {
        e->setMaxLength(4);
        e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    }
    ComboStartYear = new QComboBox(Frame9);
    ComboStartYear->setObjectName(QStringLiteral("ComboStartYear"));
    ComboEndYear = new QComboBox(Frame9);
    ComboEndYear->setObjectName(QStringLiteral("ComboEndYear"));
    for (QComboBox* c : {ComboStartYear, ComboEndYear}) {
        c->setEditable(true);
        c->setVisible(false);
    }
    f9->addWidget(TextStartYear);
    f9->addWidget(MakeLabel(Frame9, QStringLiteral("Label12"), QStringLiteral("年")));
    f9->addWidget(MakeLabel(Frame9, QStringLiteral("Label2"), QStringLiteral("～")));
    f9->addWidget(TextEndYear);
    f9->addWidget(MakeLabel(Frame9, QStringLiteral("Label13"), QStringLiteral("年")));
    f9->addStretch();
    f6->addWidget(Frame9);
    auto* hints = new QVBoxLayout;
    auto* hint = new QHBoxLayout;
    hint->addWidget(MakeLabel(Frame6, QStringLiteral("Label5"), QStringLiteral("◆")));
    hint->addWidget(
        MakeLabel(Frame6, QStringLiteral("Label3"),
                  QStringLiteral("建物の竣工年又は改修年と思われる期間を入力して下さい。")));
    hint->addStretch();
    hints->addLayout(hint);
    const std::pair<const char*, const char16_t*> examples[] = {
        {"Label6", u"1985年の場合：「1985～1985」"},
        {"Label7", u"1984年の前後3年くらいの場合：「1983～1985」"},
        {"Label8", u"1985年より以前の場合：「入力しない～1985」"},
        {"Label11", u"1985年より以降の場合：「1985～入力しない」"}};
    for (const auto& [name, text] : examples)
        hints->addWidget(MakeLabel(Frame6, QString::fromLatin1(name),
                                   QStringLiteral("\u3000") + QString::fromUtf16(text)));
    f6->addLayout(hints, 1);
    return Frame6;
}

// ② The construction part: exterior, interior in six captionless columns, and others.
QGroupBox* Form_Search_D::BuildPartSection() {
    Frame3 = new QGroupBox(QStringLiteral("②施工部位"), this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    auto* f3 = new QVBoxLayout(Frame3);
    const char16_t* parts[] = {
        u"屋根",     u"外壁",     u"軒天井",   u"居室天井", u"居室壁",
        u"台所天井", u"台所壁",   u"浴室天井", u"浴室壁",   u"トイレ天井",
        u"トイレ壁", u"廊下天井", u"廊下壁",   u"床",       u"煙突\u3000臭気抜き",
        u"給排水管", u"巾木",     u"断熱材"};
    for (int i = 0; i < 18; ++i) {
        auto* box = new QCheckBox(QString::fromUtf16(parts[i]));
        box->setObjectName(QStringLiteral("Check_Sekobui(%1)").arg(i));
        box->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed); // never cut a caption
        Check_Sekobui.append(box);
    }
    auto* partRows = new QHBoxLayout;
    Frame10 = new QGroupBox(QStringLiteral("外装材："), Frame3);
    Frame10->setObjectName(QStringLiteral("Frame10"));
    auto* f10 = new QVBoxLayout(Frame10);
    for (int i = 0; i <= 2; ++i)
        f10->addWidget(Check_Sekobui[i]);
    f10->addStretch();
    Frame8 = new QGroupBox(QStringLiteral("内装材："), Frame3);
    Frame8->setObjectName(QStringLiteral("Frame8"));
    auto* f8 = new QGridLayout(Frame8);
    // Six captionless sub-frames: (3, 4), (5, 6), (7, 8), (9, 10), (11, 12), (13).
    const std::pair<const char*, std::pair<int, int>> sub[] = {
        {"Frame7", {3, 4}},   {"Frame11", {5, 6}},   {"Frame13", {7, 8}},
        {"Frame14", {9, 10}}, {"Frame16", {11, 12}}, {"Frame2", {13, -1}}};
    int column = 0;
    for (const auto& [name, boxes] : sub) {
        auto* f = new QFrame(Frame8);
        f->setObjectName(QString::fromLatin1(name));
        auto* v = new QVBoxLayout(f);
        v->setContentsMargins(0, 0, 0, 0);
        v->addWidget(Check_Sekobui[boxes.first]);
        if (boxes.second >= 0)
            v->addWidget(Check_Sekobui[boxes.second]);
        v->addStretch();
        f8->addWidget(f, 0, column++);
    }
    Frame5 = new QGroupBox(QStringLiteral("その他："), Frame3);
    Frame5->setObjectName(QStringLiteral("Frame5"));
    auto* f5 = new QGridLayout(Frame5);
    for (int i = 14; i <= 17; ++i)
        f5->addWidget(Check_Sekobui[i], (i - 14) % 2, (i - 14) / 2);
    partRows->addWidget(Frame10);
    partRows->addWidget(Frame8, 1);
    f3->addLayout(partRows);
    auto* otherRow = new QHBoxLayout;
    otherRow->addWidget(Frame5);
    otherRow->addWidget(
        MakeLabel(Frame3, QStringLiteral("Label4"),
                  QStringLiteral("※検索対象建材の施工部位を必ずひとつ選択して下さい。")),
        1);
    f3->addLayout(otherRow);
    return Frame3;
}

// ③ The usage.
QGroupBox* Form_Search_D::BuildUsageSection() {
    Frame1 = new QGroupBox(QStringLiteral("③使われ方"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* f1 = new QVBoxLayout(Frame1);
    for (int i = 0; i < 2; ++i) {
        auto* box =
            new QCheckBox(i == 0 ? QStringLiteral("仕上げ材") : QStringLiteral("下地材"), Frame1);
        box->setObjectName(QStringLiteral("Check_Shiyoho(%1)").arg(i));
        Check_Shiyoho.append(box);
        f1->addWidget(box);
    }
    auto* note = new QHBoxLayout;
    note->addWidget(MakeLabel(Frame1, QStringLiteral("Label10"), QStringLiteral("※")), 0,
                    Qt::AlignTop);
    note->addWidget(MakeLabel(
        Frame1, QStringLiteral("Label9"),
        QStringLiteral(
            "外装材、内装材を\n選択された方は\n使われ方のいずれかに\nチェックして下さい。")));
    f1->addLayout(note);
    f1->addStretch();
    return Frame1;
}

void Form_Search_D::ConnectControls() {
    // Tab order: the years, the parts, the usages, then the buttons.
    QList<QWidget*> order = {TextStartYear, TextEndYear};
    for (QCheckBox* b : Check_Sekobui)
        order.append(b);
    for (QCheckBox* b : Check_Shiyoho)
        order.append(b);
    order << CommandSearchDetail << CommandHelp << CommandExit;
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);

    for (QList<QCheckBox*>* array : {&Check_Sekobui, &Check_Shiyoho})
        for (int i = 0; i < array->size(); ++i) {
            QCheckBox* box = (*array)[i];
            box->installEventFilter(this);
            connect(box, &QCheckBox::clicked, this, [this, array, i] { BoxReleased(*array, i); });
        }
    TextStartYear->installEventFilter(this);
    TextEndYear->installEventFilter(this);
    connect(CommandSearchDetail, &QPushButton::clicked, this,
            &Form_Search_D::CommandSearchDetail_Click);
    connect(CommandHelp, &QPushButton::clicked, this, &Form_Search_D::CommandHelp_Click);
    connect(CommandExit, &QPushButton::clicked, this, &Form_Search_D::CommandExit_Click);
    connect(ComboStartYear, &QComboBox::activated, this,
            [this] { TextStartYear->setText(ComboStartYear->currentText()); });
    connect(ComboEndYear, &QComboBox::activated, this,
            [this] { TextEndYear->setText(ComboEndYear->currentText()); });
    QList<QWidget*> keyed = {TextStartYear,       TextEndYear, ComboStartYear, ComboEndYear,
                             CommandSearchDetail, CommandHelp, CommandExit};
    keyed << QList<QWidget*>(Check_Sekobui.begin(), Check_Sekobui.end())
          << QList<QWidget*>(Check_Shiyoho.begin(), Check_Shiyoho.end());
    for (QWidget* w : keyed)
        InstallKeyHandler({w});
}

bool Form_Search_D::Form_Load() {
    return LoadYearCombos(s_, p_, *ComboStartYear, *ComboEndYear);
}

void Form_Search_D::Form_Activate() {
    UnloadOrShowInTaskbar();
}

void Form_Search_D::DispatchFunctionKey(int keyCode) {
    RunKeyHandler<Form_Search_D>(*this, keyCode,
                                 {{kKeyF1, &Form_Search_D::CommandHelp_Click},
                                  {kKeyF2, &Form_Search_D::CommandSearchDetail_Click},
                                  {kKeyEscape, &Form_Search_D::CommandExit_Click}});
}

void Form_Search_D::BoxReleased(QList<QCheckBox*>& boxes, int index) {
    // Each array is a single choice that can also be empty.
    if (!boxes[index]->isChecked())
        return;
    for (QCheckBox* b : boxes)
        b->setChecked(false);
    boxes[index]->setChecked(true);
}

void Form_Search_D::BoxKeyPressed(QList<QCheckBox*>& boxes, int index) {
    if (boxes[index]->isChecked())
        return;
    for (QCheckBox* b : boxes)
        b->setChecked(false);
}

bool Form_Search_D::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && IsCharacterKey(*static_cast<QKeyEvent*>(event))) {
        for (QList<QCheckBox*>* array : {&Check_Sekobui, &Check_Shiyoho}) {
            const qsizetype i = array->indexOf(qobject_cast<QCheckBox*>(watched));
            if (i >= 0)
                BoxKeyPressed(*array, int(i)); // before the key toggles the box
        }
    }
    if (IsLostFocus(event)) {
        if (watched == TextStartYear)
            TextStartYear_LostFocus();
        else if (watched == TextEndYear)
            TextEndYear_LostFocus();
    }
    return Screen::eventFilter(watched, event);
}

void Form_Search_D::TextStartYear_LostFocus() {
    LeaveYearField(s_, p_, *TextStartYear, *ComboStartYear);
}

void Form_Search_D::TextEndYear_LostFocus() {
    LeaveYearField(s_, p_, *TextEndYear, *ComboEndYear);
}

void Form_Search_D::CommandSearchDetail_Click() {
    if (!CommitYearInFocus(s_, p_, {{TextStartYear, ComboStartYear}, {TextEndYear, ComboEndYear}}))
        return;
    const QString start = SearchYear(*ComboStartYear);
    const QString end = SearchYear(*ComboEndYear);
    if (const YearCheck years = CheckYearRange(start, end, true); !years.ok()) {
        Refuse(years.field == YearField::Start ? TextStartYear : TextEndYear, years.message);
        return;
    }
    int part = -1, usage = -1;
    if (!CheckPartAndUsage(part, usage))
        return;
    const QString where = BuildUsageWhere(ComboYearText(ComboStartYear->currentText()),
                                          ComboYearText(ComboEndYear->currentText()));
    QString partColumn = Check_Sekobui[part]->text();
    if (partColumn == u"煙突\u3000臭気抜き")
        partColumn = QStringLiteral("煙突臭気抜き");
    const QString usageColumn = usage >= 0 ? Check_Shiyoho[usage]->text() : QString();
    std::unique_ptr<Recordset> rs;
    p_.SetBusy(true);
    const Result<int> found =
        LookupGeneralNames(s_, *s_.MainConnection, rs, where, partColumn, usageColumn);
    p_.SetBusy(false);
    if (!found) {
        ShowFailure(p_, QStringLiteral("検索できませんでした。"), found.error());
        return;
    }
    KeepConditions(where, start, end, part, usageColumn);
    if (found.value() != 0 && s_.InsulationFlag != 1)
        OpenNameSelection();
    else
        ShowUsageNotice(s_.InsulationFlag == 1 ? UsageNoticeKind::Insulation
                                               : UsageNoticeKind::NothingFound);
}

bool Form_Search_D::CheckPartAndUsage(int& part, int& usage) {
    int parts = 0;
    for (int i = 0; i < 18; ++i)
        if (Check_Sekobui[i]->isChecked()) {
            ++parts;
            part = i;
        }
    if (parts == 0) {
        Refuse(Check_Sekobui[0], 4);
        return false;
    }
    if (parts > 1) {
        for (int i = 0; i < 18; ++i)
            if (Check_Sekobui[i]->isChecked()) {
                Refuse(Check_Sekobui[i], 5);
                return false;
            }
    }
    int other = 0;
    for (int i = 14; i <= 17; ++i)
        other += Check_Sekobui[i]->isChecked() ? 1 : 0;
    int usages = 0;
    for (int i = 0; i < 2; ++i)
        if (Check_Shiyoho[i]->isChecked()) {
            ++usages;
            usage = i;
        }
    if (usages != 1 && other == 0) {
        Refuse(Check_Shiyoho[0], 6);
        return false;
    }
    if (usages != 0 && other == 1) {
        for (int i = 0; i < 2; ++i)
            if (Check_Shiyoho[i]->isChecked())
                Check_Shiyoho[i]->setFocus();
        ShowMessageNo(s_, p_, 7);
        return false;
    }
    return true;
}

void Form_Search_D::KeepConditions(const QString& where, const QString& start, const QString& end,
                                   int part, const QString& usageColumn) {
    s_.UsageWhere = where;
    s_.CondStartYear = start;
    s_.CondEndYear = end;
    s_.CondSekobui = Check_Sekobui[part]->text();
    s_.CondShiyoho = usageColumn;
    s_.InsulationFlag = part == 17 ? 1 : 0;
    s_.CondKenzaiName.clear();
    s_.CondMaker.clear();
    s_.CondShohin.clear();
    s_.CondKataban.clear();
    s_.CondNintei.clear();
}

void Form_Search_D::OpenNameSelection() {
    auto select = std::make_unique<Form_Search_D2>(s_, p_);
    select->Form_Load();
    OpenChild(std::move(select));
}

void Form_Search_D::ShowUsageNotice(UsageNoticeKind kind) {
    OpenChild(MakeUsageNotice(s_, p_, kind));
}

void Form_Search_D::CommandHelp_Click() {
    ShowHelpTopic(HelpTopic(HelpScreen::SearchUsage));
}

void Form_Search_D::CommandExit_Click() {
    GoBack();
}

bool Form_Search_D::Form_QueryUnload(int unloadMode) {
    return CloseHelpIfUserCloses(unloadMode);
}

} // namespace solario
