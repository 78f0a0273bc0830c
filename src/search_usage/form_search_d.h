#pragma once

#include "search_usage/usage_reports.h"
#include "shell/screen.h"

#include <QList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace solario {

// The search by usage: a detached house's years, one construction part and its usage.
class Form_Search_D : public Screen {
    Q_OBJECT

public:
    Form_Search_D(AppState& state, Platform& platform);

    bool Form_Load();
    void Form_Activate() override;
    void DispatchFunctionKey(int keyCode) override;

    QGroupBox* Frame6;
    QGroupBox* Frame9;
    QLineEdit* TextStartYear;
    QLineEdit* TextEndYear;
    QComboBox* ComboStartYear;
    QComboBox* ComboEndYear;
    QGroupBox* Frame3;
    QGroupBox* Frame10;
    QGroupBox* Frame8;
    QGroupBox* Frame5;
    QGroupBox* Frame1;
    QList<QCheckBox*> Check_Sekobui;
    QList<QCheckBox*> Check_Shiyoho;
    QPushButton* CommandSearchDetail;
    QPushButton* CommandHelp;
    QPushButton* CommandExit;
    QLabel* Label1;
    QLabel* Image1;

public slots:
    void CommandSearchDetail_Click();
    void CommandHelp_Click();
    void CommandExit_Click();
    void TextStartYear_LostFocus();
    void TextEndYear_LostFocus();

protected:
    bool Form_QueryUnload(int unloadMode) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QGroupBox* BuildBuildingSection();
    QGroupBox* BuildPartSection();
    QGroupBox* BuildUsageSection();
    void ConnectControls();
    // Exactly one part, and a usage exactly when the part is exterior or interior; else
    // the message with the focus on the offending box.
    bool CheckPartAndUsage(int& part, int& usage);
    // The condition copies for the notices and the printouts.
    void KeepConditions(const QString& where, const QString& start, const QString& end, int part,
                        const QString& usageColumn);
    void OpenNameSelection();
    void ShowUsageNotice(UsageNoticeKind kind);
    void BoxReleased(QList<QCheckBox*>& boxes, int index);
    void BoxKeyPressed(QList<QCheckBox*>& boxes, int index);
};

} // namespace solario
