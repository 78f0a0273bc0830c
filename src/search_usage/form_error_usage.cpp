#include "search_usage/form_error_usage.h"

#include "reports/report_layout.h"
#include "shell/print_report.h"
#include "shell/screen_kit.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace solario {
std::unique_ptr<UsageNotice> MakeUsageNotice(AppState& s, Platform& platform,
                                             UsageNoticeKind kind) {
    std::unique_ptr<UsageNotice> notice;
    switch (kind) {
    case UsageNoticeKind::NothingFound:
        notice = std::make_unique<Form_Error_1>(s, platform);
        break;
    case UsageNoticeKind::Insulation:
        notice = std::make_unique<Form_Error_1_1>(s, platform);
        break;
    case UsageNoticeKind::NoProduct:
        notice = std::make_unique<Form_Error_2>(s, platform);
        break;
    }
    notice->Form_Load();
    return notice;
}

UsageNotice::UsageNotice(AppState& state, Platform& platform, UsageNoticeKind kind,
                         const QString& objectName)
    : Screen(state, platform, QStringLiteral("【ソラリオ】【使用状態からの検索】")), kind_(kind) {
    setObjectName(objectName);
    auto* page = new QVBoxLayout(this);
    QLabel* banner = MakeBanner(this);
    banner->setFixedHeight(Twips(*this, 600));
    page->addWidget(banner);
    auto* top = new QHBoxLayout;
    // The notice without products says it on two lines, set when it loads.
    Label_info = MakeLabel(
        this, QStringLiteral("Label_info"),
        kind == UsageNoticeKind::NoProduct ? QString() : QString(kNoHitSentence).remove(u'\r'));
    // One line as it stands, or the two lines the notice without products gives it: the
    // window makes room rather than break the sentence inside a word.
    Label_info->setFont(ScaledFont(Label_info->font(), 1.3, true));
    Command_ReportOut =
        MakeButton(QStringLiteral("Command_ReportOut"), QStringLiteral("検索結果の印刷"));
    CommandExit = MakeButton(QStringLiteral("CommandExit"), QStringLiteral("戻る"));
    for (QPushButton* b : {Command_ReportOut, CommandExit})
        b->setMinimumSize(Twips(*this, 1700), Twips(*this, 495));
    top->addWidget(Label_info, 1);
    top->addWidget(Command_ReportOut, 0, Qt::AlignTop);
    top->addWidget(CommandExit, 0, Qt::AlignTop);
    page->addLayout(top);
    page->addWidget(BuildConditions());
    if (kind == UsageNoticeKind::Insulation)
        BuildInsulationReference(*page);
    else
        page->addLayout(BuildCautions());
    page->addStretch();
    KeepLaidOutWidth(11400);
    connect(Command_ReportOut, &QPushButton::clicked, this, &UsageNotice::Command_ReportOut_Click);
    connect(CommandExit, &QPushButton::clicked, this, &UsageNotice::CommandExit_Click);
    InstallKeyHandler({Command_ReportOut, CommandExit});
    CommandExit->setFocus();
}

// The input, repeated. The caption labels carry each screen's own names.
QGroupBox* UsageNotice::BuildConditions() {
    const QStringList names = kind_ == UsageNoticeKind::Insulation
                                  ? QStringList{"Label4", "Label6", "Label8", "Label9", "Label11"}
                              : kind_ == UsageNoticeKind::NoProduct
                                  ? QStringList{"Label1", "Label2", "Label4", "Label17", "Label16"}
                                  : QStringList{"Label1", "Label2", "Label4", "Label12", "Label11"};
    Frame1 = new QGroupBox(QStringLiteral("入力内容確認"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* f1 = new QGridLayout(Frame1);
    f1->setColumnStretch(1, 1);
    f1->addWidget(
        MakeLabel(Frame1, names[0], QStringLiteral("あなたの入力した内容は下記のとおりです")), 0, 0,
        1, 2);
    auto* years = new QHBoxLayout;
    Label_shunkou_nen_from = MakeLabel(Frame1, QStringLiteral("Label_shunkou_nen_from"), QString());
    Label_shunkou_nen_to = MakeLabel(Frame1, QStringLiteral("Label_shunkou_nen_to"), QString());
    years->addWidget(Label_shunkou_nen_from);
    years->addWidget(MakeLabel(Frame1, names[2], QStringLiteral("年")));
    years->addWidget(MakeLabel(Frame1, names[4], QStringLiteral("～")));
    years->addWidget(Label_shunkou_nen_to);
    years->addWidget(MakeLabel(Frame1, names[3], QStringLiteral("年")));
    years->addStretch();
    f1->addWidget(MakeLabel(Frame1, names[1], QStringLiteral("竣工年・改修年 ：")), 1, 0);
    f1->addLayout(years, 1, 1);
    Label_sekou_bui = MakeLabel(Frame1, QStringLiteral("Label_sekou_bui"), QString());
    Label_use = MakeLabel(Frame1, QStringLiteral("Label_use"), QString());
    f1->addWidget(MakeLabel(Frame1, QStringLiteral("Label3"), QStringLiteral("施工部位 ：")), 2, 0);
    f1->addWidget(Label_sekou_bui, 2, 1);
    f1->addWidget(MakeLabel(Frame1, QStringLiteral("Label5"), QStringLiteral("使われ方 ：")), 3, 0);
    f1->addWidget(Label_use, 3, 1);
    if (kind_ == UsageNoticeKind::NoProduct)
        BuildNamesAndFilters(*f1);
    return Frame1;
}

// The ticked names, the maker and product filters, and what to check again.
void UsageNotice::BuildNamesAndFilters(QGridLayout& f1) {
    List1 = new QListWidget(Frame1);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFixedHeight(Twips(*this, 900));
    List1->setAccessibleName(QStringLiteral("石綿（アスベスト）含有建材一般名"));
    Label_maker_name = MakeLabel(Frame1, QStringLiteral("Label_maker_name"), QString());
    Label_shohin_name = MakeLabel(Frame1, QStringLiteral("Label_shohin_name"), QString());
    f1.addWidget(MakeLabel(Frame1, QStringLiteral("Label6"),
                           QStringLiteral("石綿（アスベスト）含有建材一般名 ：")),
                 4, 0, Qt::AlignTop);
    f1.addWidget(List1, 4, 1);
    f1.addWidget(MakeLabel(Frame1, QStringLiteral("Label11"), QStringLiteral("メーカー名 ：")), 5,
                 0);
    f1.addWidget(Label_maker_name, 5, 1);
    f1.addWidget(MakeLabel(Frame1, QStringLiteral("Label12"), QStringLiteral("商品名 ：")), 6, 0);
    f1.addWidget(Label_shohin_name, 6, 1);
    auto* line = new QFrame(Frame1);
    line->setFrameShape(QFrame::HLine);
    f1.addWidget(line, 7, 0, 1, 2);
    f1.addWidget(MakeLabel(Frame1, QStringLiteral("Label13"),
                           QStringLiteral("入力条件にお間違いがないか再確認して下さい。")),
                 8, 0, 1, 2);
    f1.addWidget(MakeLabel(Frame1, QStringLiteral("Label14"),
                           QStringLiteral("１．メーカー名は正しく入力されていますか？")),
                 9, 0, 1, 2);
    f1.addWidget(MakeLabel(Frame1, QStringLiteral("Label15"),
                           QStringLiteral("２．商品名は正しく入力されていますか？")),
                 10, 0, 1, 2);
}

// Insulation: the materials made without asbestos, for reference.
void UsageNotice::BuildInsulationReference(QVBoxLayout& page) {
    page.addWidget(MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("（参考情報）")));
    page.addWidget(MakeLabel(
        this, QStringLiteral("Label7"),
        QStringLiteral("以下の建材には製造段階で石綿（アスベスト）は使用されていません。")));
    page.addWidget(
        MakeLabel(this, QStringLiteral("Label2"),
                  QStringLiteral(
                      "人造鉱物組織の保温材、断熱材のロックウール、グラスウール\n"
                      "吹込み用繊維系断熱材のグラスウール、ロックウール、セルローズファイバー\n"
                      "発泡プラスチック保温材のポリステレンフォーム、ウレタンフォーム、フェノールフ"
                      "ォーム")));
}

// Why a material might still contain asbestos, and the three documents on it.
QVBoxLayout* UsageNotice::BuildCautions() {
    // The warning runs across the whole notice, so that it never breaks inside a word;
    // the cases and the document buttons stand side by side below it.
    auto* section = new QVBoxLayout;
    auto* cautions = new QHBoxLayout;
    auto* texts = new QVBoxLayout;
    QLabel* warn = MakeLabel(this, QStringLiteral("Label7"), kCautionHeadline);
    warn->setFont(ScaledFont(warn->font(), 1.0, true));
    section->addWidget(warn);
    section->addLayout(cautions);
    texts->addWidget(MakeLabel(this, QStringLiteral("Label8"), kCautionCases[0]));
    texts->addWidget(MakeLabel(this, QStringLiteral("Label9"), kCautionCases[1]));
    texts->addWidget(MakeLabel(this, QStringLiteral("Label10"), kCautionCases[2]));
    if (kind_ != UsageNoticeKind::NoProduct)
        texts->addWidget(
            MakeLabel(this, QStringLiteral("Label6"),
                      QStringLiteral("いまいちど、入力内容にお間違いがないかご確認ください。")));
    cautions->addLayout(texts, 1);
    auto* documents = new QVBoxLayout;
    Command_kenzai_info = MakeButton(QStringLiteral("Command_kenzai_info"), kRegisteredInfoCaption);
    Command_shiyou_bui = MakeButton(QStringLiteral("Command_shiyou_bui"),
                                    QStringLiteral("施工部位・使われ方について"));
    Command_ryutu_kikan = MakeButton(QStringLiteral("Command_ryutu_kikan"),
                                     QStringLiteral("製造期間と竣工（改修）年について"));
    for (QPushButton* b : {Command_kenzai_info, Command_shiyou_bui, Command_ryutu_kikan}) {
        b->setMinimumWidth(Twips(*this, 3600));
        documents->addWidget(b);
    }
    Command_kenzai_info->setMinimumHeight(TwoLinesHeight(*this));
    cautions->addLayout(documents);
    connect(Command_kenzai_info, &QPushButton::clicked, this,
            &UsageNotice::Command_kenzai_info_Click);
    connect(Command_shiyou_bui, &QPushButton::clicked, this,
            &UsageNotice::Command_shiyou_bui_Click);
    connect(Command_ryutu_kikan, &QPushButton::clicked, this,
            &UsageNotice::Command_ryutu_kikan_Click);
    InstallKeyHandler({Command_kenzai_info, Command_shiyou_bui, Command_ryutu_kikan});
    return section;
}

void UsageNotice::Form_Load() {
    Label_shunkou_nen_from->setText(s_.CondStartYear);
    Label_shunkou_nen_to->setText(s_.CondEndYear);
    Label_sekou_bui->setText(s_.CondSekobui);
    Label_use->setText(s_.CondShiyoho);
    if (kind_ == UsageNoticeKind::NoProduct) {
        Label_info->setText(QtLineBreaks(kNoHitSentence));
        List1->clear();
        for (const QString& name : s_.SelectedNames) {
            if (name.isEmpty())
                break;
            List1->addItem(name);
        }
        Label_maker_name->setText(s_.CondMaker);
        Label_shohin_name->setText(s_.CondShohin);
    }
}

void UsageNotice::DispatchFunctionKey(int keyCode) {
    // The insulation notice has no documents.
    if (kind_ == UsageNoticeKind::Insulation && keyCode >= kKeyF2 && keyCode <= kKeyF4)
        return;
    RunKeyHandler<UsageNotice>(*this, keyCode,
                               {{kKeyF1, &UsageNotice::Command_ReportOut_Click},
                                {kKeyF2, &UsageNotice::Command_kenzai_info_Click},
                                {kKeyF3, &UsageNotice::Command_shiyou_bui_Click},
                                {kKeyF4, &UsageNotice::Command_ryutu_kikan_Click},
                                {kKeyEscape, &UsageNotice::CommandExit_Click}});
}

void UsageNotice::Command_ReportOut_Click() {
    const ReportLayout& layout = kind_ == UsageNoticeKind::Insulation  ? DataReport_Error_1_1()
                                 : kind_ == UsageNoticeKind::NoProduct ? DataReport_Error_2()
                                                                       : DataReport_Error_1();
    PrintReport(s_, p_, this, layout, [this](const Progress&) { return WriteUsageNotice(s_, kind_); });
}

void UsageNotice::CommandExit_Click() {
    Unload();
}

void UsageNotice::Command_kenzai_info_Click() {
    OpenDocumentOf(s_.DocRegisteredInfo);
}
void UsageNotice::Command_shiyou_bui_Click() {
    OpenDocumentOf(s_.DocPartsInfo);
}
void UsageNotice::Command_ryutu_kikan_Click() {
    OpenDocumentOf(s_.DocPeriodInfo);
}

} // namespace solario
