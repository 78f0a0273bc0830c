#pragma once

#include "shell/screen.h"

class QLabel;

namespace solario {

// "ご利用にあたって": five explanation documents, help and back.
class Form_Explan : public Screen {
    Q_OBJECT

public:
    Form_Explan(AppState& state, Platform& platform);

    void Form_Activate() override;
    void DispatchFunctionKey(int keyCode) override;

    QPushButton* CommandHelp;
    QPushButton* CommandExit;
    QPushButton* Command_system_guidance;
    QPushButton* Command_configure;
    QPushButton* Command_kenzai_info;
    QPushButton* Command_shiyou_bui;
    QPushButton* Command_ryutu_kikan;
    QLabel* Label4;
    QLabel* Label1;
    QLabel* Label3;
    QLabel* Image1;

public slots:
    void CommandHelp_Click();
    void CommandExit_Click();
    void Command_system_guidance_Click();
    void Command_configure_Click();
    void Command_kenzai_info_Click();
    void Command_shiyou_bui_Click();
    void Command_ryutu_kikan_Click();

protected:
    bool Form_QueryUnload(int unloadMode) override;

private:
    void BuildHeader();
    void BuildDocumentButtons();
    void BuildNotice();
};

} // namespace solario
