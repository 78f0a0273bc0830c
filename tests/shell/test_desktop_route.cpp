#include "detail/form_detail.h"
#include "result_list/form_list.h"
#include "search_name/form_search_n.h"
#include "shell/qt_platform.h"
#include "support/loaded_state.h"
#include "support/test_screen.h"

#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>

using namespace solario;
using namespace solario::test;

// The whole name route over the desktop implementation, each screen waiting in its own
// event loop as it does for a user: menu → search → list → detail → back to the menu.
class TestDesktopRoute : public QObject {
    Q_OBJECT

private slots:
    void routeUnwindsThroughRealLoops();
    void messageLinesStayWhole();
};

namespace {

// Runs the step once the screen of that name is the one shown.
void When(const QString& screen, std::function<void(QWidget*)> step, int tries = 200) {
    QTimer::singleShot(10, [=] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == screen && w->isVisible()) {
                step(w);
                return;
            }
        if (tries > 0)
            When(screen, step, tries - 1);
    });
}

} // namespace

void TestDesktopRoute::messageLinesStayWhole() {
    AppState s;
    InitMessages(s);
    QtPlatform desktop(QDir::tempPath());
    // Every numbered message: each of its lines is shown on one line of the box.
    for (size_t n = 1; n < s.Messages.size(); ++n) {
        const QString message = s.Messages[n];
        if (message.isEmpty())
            continue;
        int widest = 0, shown = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            for (const QString& line : QString(message).replace(u'\r', u'\n').split(u'\n'))
                widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
            shown = label->contentsRect().width();
            box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click()
                                         : box->buttons().first()->click();
        });
        desktop.MessageBox(message, QStringLiteral("メッセージ"), box::kExclamation);
        QVERIFY2(shown >= widest,
                 qPrintable(QStringLiteral("%1: %2 < %3").arg(n).arg(shown).arg(widest)));
    }
}

void TestDesktopRoute::routeUnwindsThroughRealLoops() {
    LoadedState t([](FixtureDb& db) {
        db.AddProduct(Product({{u"ID", "0001"},
                               {u"建材名（一般名）", "石綿含有ビニル床タイル"},
                               {u"商品名", "タイル"}}));
    });
    QtPlatform desktop(t.dir.path());
    TestRoot menu(t.s, desktop, QStringLiteral("Form_Menu"), [&] {
        auto s = std::make_unique<Form_Search_N>(t.s, desktop);
        s->Form_Load();
        return s;
    });
    menu.show();
    QStringList seen;
    int deepest = 0;
    When(QStringLiteral("Form_Search_N"), [&](QWidget* w) {
        seen << w->objectName();
        When(QStringLiteral("Form_List"), [&](QWidget* w) {
            seen << w->objectName();
            auto* list = static_cast<Form_List*>(w);
            list->ClickTickCell(1);
            When(QStringLiteral("Form_Detail"), [&](QWidget* w) {
                seen << w->objectName();
                deepest = QThread::currentThread()->loopLevel();
                static_cast<Form_Detail*>(w)->CommandGoMenu->click();
            });
            list->CommandDetail->click();
        });
        static_cast<Form_Search_N*>(w)->CommandSearch->click();
    });
    const int base = QThread::currentThread()->loopLevel();
    menu.CommandNext->click(); // returns once everything above the menu has unwound
    QCOMPARE(seen, QStringList({"Form_Search_N", "Form_List", "Form_Detail"}));
    QCOMPARE(deepest, base + 3); // one loop per open child, no more
    QCOMPARE(QThread::currentThread()->loopLevel(), base);
    QVERIFY(menu.isVisible());
    QCOMPARE(t.s.BackToMenu, 0);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != &menu)
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
}

QTEST_MAIN(TestDesktopRoute)
#include "test_desktop_route.moc"
