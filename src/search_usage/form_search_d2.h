#pragma once

#include "shell/screen.h"

class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;

namespace solario {

class UCtl_RS_NextPage;

// The general names the usage search found, six per page, to tick; the names of
// materials made without asbestos for reference; maker and product filters.
class Form_Search_D2 : public Screen {
    Q_OBJECT

public:
    Form_Search_D2(AppState& state, Platform& platform);

    void Form_Load();
    void Form_Activate() override;
    void DispatchFunctionKey(int keyCode) override;
    // Keys with the ID of the check-list row they were pressed in (empty elsewhere).
    void DispatchFunctionKey(int keyCode, const QString& id);

    // The name condition, or empty after a message.
    QString BuildNameSelectWhere();

    UCtl_RS_NextPage* UCtl_RS_NextPage1;
    QGroupBox* Frame1;
    QLineEdit* TextMaker;
    QLineEdit* TextShohin;
    QListWidget* List1;
    QPushButton* CommandSearchDetail;
    QPushButton* CommandHelp;
    QPushButton* Command_ReportOut;
    QPushButton* CommandGoMenu;
    QPushButton* CommandExit;

public slots:
    void CommandSearchDetail_Click();
    void CommandHelp_Click();
    void Command_ReportOut_Click();
    void CommandGoMenu_Click();
    void CommandExit_Click();
    void OpenNameDocument(const QString& id);

protected:
    bool Form_QueryUnload(int unloadMode) override;

private:
    QHBoxLayout* BuildButtons();
    QGroupBox* BuildFilters();
    QHBoxLayout* BuildReference();
};

} // namespace solario
