#pragma once

#include "shell/screen.h"

class QGroupBox;
class QLabel;
class QListWidget;

namespace solario {

// The notices that end the search by usage: the three share one pattern and differ in
// which cautions, references and conditions they show.
class UsageNotice : public Screen {
    Q_OBJECT

public:
    enum class Kind { NothingFound, Insulation, NoProduct };

    UsageNotice(AppState& state, Platform& platform, Kind kind, const QString& objectName);

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
    Kind kind_;
};

// No asbestos-containing general name fits the years, part and usage.
class Form_Error_1 : public UsageNotice {
    Q_OBJECT
public:
    Form_Error_1(AppState& s, Platform& p)
        : UsageNotice(s, p, Kind::NothingFound, QStringLiteral("Form_Error_1")) {}
};

// Insulation was chosen: no asbestos-containing material of detached houses is held.
class Form_Error_1_1 : public UsageNotice {
    Q_OBJECT
public:
    Form_Error_1_1(AppState& s, Platform& p)
        : UsageNotice(s, p, Kind::Insulation, QStringLiteral("Form_Error_1_1")) {}
};

// The ticked names with the filters match no product.
class Form_Error_2 : public UsageNotice {
    Q_OBJECT
public:
    Form_Error_2(AppState& s, Platform& p)
        : UsageNotice(s, p, Kind::NoProduct, QStringLiteral("Form_Error_2")) {}
};

} // namespace solario
