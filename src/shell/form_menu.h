#pragma once

#include "shell/screen.h"
#include "shell/tooltip.h"

#include <functional>

class QLabel;
class QLocalServer;
class QLockFile;

namespace solario {

// The main menu: the start-up object, the hub of the screens, and the shutdown.
class Form_Menu : public Screen {
    Q_OBJECT

public:
    using ScreenFactory = std::function<std::unique_ptr<Screen>(AppState&, Platform&)>;

    Form_Menu(AppState& state, Platform& platform);
    ~Form_Menu() override;

    // The start-up, in order. False when the program must end at once, with the exit
    // status in *exitCode.
    bool Form_Load(int* exitCode);
    void Form_Activate() override;
    void DispatchFunctionKey(int keyCode) override;

    // The screens the search buttons open.
    ScreenFactory MakeSearchD;
    ScreenFactory MakeSearchN;

    QPushButton* CommandHelp;
    QPushButton* CommandExit;
    QPushButton* CommandSearchD;
    QPushButton* CommandSearchN;
    QPushButton* CommandExplan;
    QLabel* Label4;
    QLabel* SampleMark; // "サンプルデータ（架空）" beside the edition, for made-up data
    QLabel* Label1;
    QLabel* Label3;
    QLabel* Image1;
    std::unique_ptr<clsToolTip> MenuToolTip;

public slots:
    void CommandSearchD_Click();
    void CommandSearchN_Click();
    void CommandExplan_Click();
    void CommandHelp_Click();
    void CommandExit_Click();

protected:
    bool Form_QueryUnload(int unloadMode) override;
    void Form_Unload() override;

private:
    void PlaceControls();
    void OpenUsageNotes();
    void OpenRegisteredInfo();
    void OpenEnvironment();
    void ShowDataInUse();
    bool ConfirmEnd();
    void SetUpToolTips();
    void Open(const ScreenFactory& factory);

    void ComeForward();

    std::unique_ptr<QLockFile> instanceLock_;
    std::unique_ptr<QLocalServer> instanceServer_;
    int broughtForward_ = 0;

public:
    // Times a second start brought this program forward.
    int TimesBroughtForward() const { return broughtForward_; }
};

// The menu's tips, line by line.
QString SearchDToolTipText();
QString SearchNToolTipText();

} // namespace solario
