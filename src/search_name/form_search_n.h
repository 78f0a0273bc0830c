#pragma once

#include "shell/screen.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace solario {

// The general names of the name search's list, after its empty first entry.
const QStringList& KenzaiNameList();
// The certification kinds of the name search's list, after its empty first entry.
const QStringList& NinteiKindList();

// The search by name: the questionnaire, its checks, and the route to the result list
// or the no-hit notice.
class Form_Search_N : public Screen {
    Q_OBJECT

public:
    struct Condition {
        bool ok = false;
        QString where;
    };

    Form_Search_N(AppState& state, Platform& platform);

    // Fills the year lists and the two fixed lists. False (after a message) when the
    // year lists cannot be read; the screen stays usable.
    bool Form_Load();
    void Form_Activate() override;
    void DispatchFunctionKey(int keyCode) override;

    // Checks the input in order (focus first, message second) and builds the WHERE
    // text; writes the condition copies.
    Condition BuildNameCondition();

    QLabel* Label5;
    QLabel* Label3;
    QLabel* Label7;
    QLabel* Label11;
    QGroupBox* Frame9;
    QLineEdit* TextStartYear;
    QLabel* Label18;
    QLabel* Label2;
    QLineEdit* TextEndYear;
    QLabel* Label9;
    QComboBox* ComboStartYear;
    QComboBox* ComboEndYear;
    QGroupBox* Frame1;
    QComboBox* Combo_KanzaiName;
    QGroupBox* Frame4;
    QLineEdit* Text_Maker;
    QGroupBox* Frame2;
    QLineEdit* Text_Shohin;
    QGroupBox* Frame3;
    QLineEdit* Text_Kataban;
    QGroupBox* Frame5;
    QLabel* Label1;
    QComboBox* Combo_Nintei;
    QLabel* Label4;
    QLabel* Label8;
    QLineEdit* Text_NinteiNo;
    QLabel* Label6;
    QPushButton* CommandSearch;
    QPushButton* CommandHelp;
    QPushButton* CommandExit;
    QLabel* Image1;

public slots:
    void CommandSearch_Click();
    void CommandHelp_Click();
    void CommandExit_Click();
    void ComboStartYear_Click();
    void ComboEndYear_Click();
    void TextStartYear_LostFocus();
    void TextEndYear_LostFocus();

protected:
    bool Form_QueryUnload(int unloadMode) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildYearSection();
    void BuildNameSection();
    void BuildCertificationSection();
    void PlaceControls();
    // The condition copies for the notice and the printouts.
    void KeepConditions(const QString& name, const QString& maker, const QString& product,
                        const QString& model, const QString& kind, const QString& number);
    void ShowNoHitNotice();
};

} // namespace solario
