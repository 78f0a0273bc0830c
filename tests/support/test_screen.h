#pragma once

#include "shell/screen.h"

#include <QPushButton>
#include <functional>

namespace solario::test {

// A screen of the chain as the searches and lists behave: its activation unloads it
// while a return to the menu is under way; it can open a child, go back to the menu
// and go back one step.
class TestScreen : public Screen {
    Q_OBJECT

public:
    TestScreen(AppState& s, Platform& p, const QString& name,
               std::function<std::unique_ptr<Screen>()> makeChild = {})
        : Screen(s, p, QStringLiteral("【ソラリオ】") + name), makeChild_(std::move(makeChild)) {
        setObjectName(name);
        CommandExit = MakeButton(QStringLiteral("CommandExit"), QStringLiteral("戻る"));
        CommandGoMenu =
            MakeButton(QStringLiteral("CommandGoMenu"), QStringLiteral("メニューに戻る"));
        CommandNext = MakeButton(QStringLiteral("CommandNext"), QStringLiteral("次へ"));
        connect(CommandExit, &QPushButton::clicked, this, [this] {
            CloseHelp();
            Unload();
        });
        connect(CommandGoMenu, &QPushButton::clicked, this, [this] {
            s_.BackToMenu = 1;
            CloseHelp();
            Unload();
        });
        connect(CommandNext, &QPushButton::clicked, this, [this] {
            if (makeChild_)
                OpenChild(makeChild_());
        });
    }

    void Form_Activate() override {
        ++activations;
        if (s_.BackToMenu >= 1)
            Unload();
        else
            ShowInTaskbar(*this);
    }

    QPushButton* CommandExit;
    QPushButton* CommandGoMenu;
    QPushButton* CommandNext;
    int activations = 0;

private:
    std::function<std::unique_ptr<Screen>()> makeChild_;
};

// A bottom screen like the menu: its activation ends any return to the menu.
class TestRoot : public TestScreen {
    Q_OBJECT

public:
    using TestScreen::TestScreen;
    void Form_Activate() override {
        ++activations;
        s_.BackToMenu = 0;
        ShowInTaskbar(*this);
    }
};

} // namespace solario::test
