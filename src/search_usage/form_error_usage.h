#pragma once

#include "search_usage/usage_reports.h"
#include "shell/screen.h"

class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QListWidget;
class QVBoxLayout;

namespace solario {

// The notices that end the search by usage: the three share one pattern and differ in
// which cautions, references and conditions they show.
class UsageNotice : public Screen {
    Q_OBJECT

public:
    UsageNotice(AppState& state, Platform& platform, UsageNoticeKind kind,
                const QString& objectName);

    void Form_Load();
    void DispatchFunctionKey(int keyCode) override;

    QLabel* Label_info;
    QGroupBox* Frame1;
    QLabel* Label_shunkou_nen_from;
    QLabel* Label_shunkou_nen_to;
    QLabel* Label_sekou_bui;
    QLabel* Label_use;
    QListWidget* List1 = nullptr;        // Form_Error_2 only
    QLabel* Label_maker_name = nullptr;  // Form_Error_2 only
    QLabel* Label_shohin_name = nullptr; // Form_Error_2 only
    QPushButton* Command_kenzai_info = nullptr;
    QPushButton* Command_shiyou_bui = nullptr;
    QPushButton* Command_ryutu_kikan = nullptr;
    QPushButton* Command_ReportOut;
    QPushButton* CommandExit;

public slots:
    void Command_ReportOut_Click();
    void CommandExit_Click();
    void Command_kenzai_info_Click();
    void Command_shiyou_bui_Click();
    void Command_ryutu_kikan_Click();

private:
    QGroupBox* BuildConditions();
    void BuildNamesAndFilters(QGridLayout& f1);
    void BuildInsulationReference(QVBoxLayout& page);
    QVBoxLayout* BuildCautions();

    UsageNoticeKind kind_;
};

// No asbestos-containing general name fits the years, part and usage.
class Form_Error_1 : public UsageNotice {
    Q_OBJECT
public:
    Form_Error_1(AppState& s, Platform& p)
        : UsageNotice(s, p, UsageNoticeKind::NothingFound, QStringLiteral("Form_Error_1")) {}
};

// Insulation was chosen: no asbestos-containing material of detached houses is held.
class Form_Error_1_1 : public UsageNotice {
    Q_OBJECT
public:
    Form_Error_1_1(AppState& s, Platform& p)
        : UsageNotice(s, p, UsageNoticeKind::Insulation, QStringLiteral("Form_Error_1_1")) {}
};

// The ticked names with the filters match no product.
class Form_Error_2 : public UsageNotice {
    Q_OBJECT
public:
    Form_Error_2(AppState& s, Platform& p)
        : UsageNotice(s, p, UsageNoticeKind::NoProduct, QStringLiteral("Form_Error_2")) {}
};

// The notice of that kind, loaded.
std::unique_ptr<UsageNotice> MakeUsageNotice(AppState& s, Platform& platform, UsageNoticeKind kind);

} // namespace solario
