#pragma once

#include "shell/screen.h"

class QGroupBox;
class QLabel;

namespace solario {

// The notice of a name search that found nothing: the conditions as entered, what to
// check again, and why a material may still contain asbestos.
class Form_Error_3 : public Screen {
    Q_OBJECT

public:
    Form_Error_3(AppState& state, Platform& platform);

    void Form_Load();
    void DispatchFunctionKey(int keyCode) override;

    QLabel* Label_info;
    QGroupBox* Frame1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label_shunkou_nen_from;
    QLabel* Label17;
    QLabel* Label_shunkou_nen_to;
    QLabel* Label18;
    QLabel* Label15;
    QLabel* Label4;
    QLabel* Label_kenzai;
    QLabel* Label12;
    QLabel* Label_shohin_name;
    QLabel* Label5;
    QLabel* Label_kataban;
    QLabel* Label11;
    QLabel* Label_maker_name;
    QLabel* Label3;
    QLabel* Label_nintei_no;
    QLabel* Label13;
    QLabel* Label14;
    QLabel* Label6;
    QLabel* Label16;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QPushButton* Command_kenzai_info;
    QPushButton* Command_shiyou_bui;
    QPushButton* Command_ryutu_kikan;
    QPushButton* Command_ReportOut;
    QPushButton* CommandExit;
    QLabel* Image1;

public slots:
    void Command_ReportOut_Click();
    void CommandExit_Click();
    void Command_kenzai_info_Click();
    void Command_shiyou_bui_Click();
    void Command_ryutu_kikan_Click();
    void OpenKenzaiNameListDoc();
    void OpenNinteiNoDoc();

private:
    void BuildConditions();
    void BuildCautions();
};

} // namespace solario
