// Every window of the program over the sample installation, on the screen this test is
// given (CTest runs it on a 1366×768 screen at 100 % and 125 % and a 1920×1080 screen at
// 150 %, each less a task bar of 48 px): the window with a desktop's frame around it lies
// inside the screen, it can never be made larger than the screen by its minimum size, and
// every visible control lies inside the window or inside a part that scrolls to it.
#include "data/query_builders.h"
#include "data/report_data.h"
#include "data/report_writing.h"
#include "data/search_conditions.h"
#include "detail/form_detail.h"
#include "reports/report_engine.h"
#include "reports/report_layout.h"
#include "result_list/form_list.h"
#include "result_list/list_report.h"
#include "search_name/form_error_3.h"
#include "search_name/form_search_n.h"
#include "search_usage/form_error_usage.h"
#include "search_usage/form_search_d.h"
#include "search_usage/form_search_d2.h"
#include "search_usage/uctl_rs_nextpage.h"
#include "shell/form_explan.h"
#include "shell/form_menu.h"
#include "shell/print_report.h"
#include "shell/qt_platform.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace solario;

namespace {

// A frame as the users' desktops draw it: a title bar and a border on the other sides.
constexpr int kTitleBar = 32;
constexpr int kBorder = 8;

// A content larger than the part that shows it must come with a scroll bar: one among the
// part's children or its parent's that can move.
bool Scrolls(QWidget* part) {
    QList<QScrollBar*> bars = part->findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly);
    if (part->parentWidget())
        bars += part->parentWidget()->findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly);
    for (QScrollBar* bar : bars)
        if (bar->isVisible() && bar->isEnabled() && bar->maximum() > 0)
            return true;
    return false;
}

// Every visible control under `parent` inside it, or scrolled into it.
void CheckInside(QWidget* parent, const QString& screen, QStringList& faults) {
    if (auto* area = qobject_cast<QAbstractScrollArea*>(parent->parentWidget()))
        if (area->viewport() == parent)
            return; // the scroll area brings its content into view
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || !child->isVisibleTo(parent) || child->size().isEmpty())
            continue;
        const QRect at = child->geometry();
        if (!parent->rect().contains(at)) {
            const bool sideways = at.left() < 0 || at.right() > parent->rect().right();
            if (sideways || !Scrolls(parent))
                faults << QStringLiteral("%1: %2 (%3) at %4,%5 %6×%7 outside %8 %9×%10")
                              .arg(screen, child->objectName(),
                                   QString::fromLatin1(child->metaObject()->className()))
                              .arg(at.x())
                              .arg(at.y())
                              .arg(at.width())
                              .arg(at.height())
                              .arg(parent->objectName())
                              .arg(parent->width())
                              .arg(parent->height());
        }
        CheckInside(child, screen, faults);
    }
}

// The controls in the order Tab reaches them.
QStringList TabOrder(QWidget& window) {
    QStringList names;
    for (QWidget* w = window.nextInFocusChain(); w && w != &window; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&window) && w->isEnabled())
            names.append(w->objectName());
    return names;
}

QStringList Faults(QWidget& window, const QStringList& tabOrder = {}) {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    QStringList faults;
    const QString name = window.objectName();
    // However it is fitted, the keyboard works there as before.
    if (!tabOrder.isEmpty() && TabOrder(window) != tabOrder)
        faults << QStringLiteral("%1: the tab order %2 became %3")
                      .arg(name, tabOrder.join(u' '), TabOrder(window).join(u' '));
    if (qobject_cast<Screen*>(&window)) {
        QApplication::setActiveWindow(&window);
        QWidget* focused = QApplication::focusWidget();
        if (!focused || focused->window() != &window)
            faults << QStringLiteral("%1: no control has the focus").arg(name);
        // Where the contents scroll, the control that takes the focus comes into view.
        if (auto* area = window.findChild<QAbstractScrollArea*>(QStringLiteral("ScreenScroll"))) {
            qInfo("%s scrolls", qPrintable(name));
            for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
                if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible() || !w->isEnabled())
                    continue;
                w->setFocus(Qt::TabFocusReason);
                QCoreApplication::processEvents();
                const QRect at(w->mapTo(area->viewport(), QPoint(0, 0)), w->size());
                if (!area->viewport()->rect().contains(at))
                    faults << QStringLiteral("%1: %2 has the focus out of view")
                                  .arg(name, w->objectName());
            }
            if (focused)
                focused->setFocus();
        }
    }
    const QRect room = window.screen()->availableGeometry();
    const QRect framed = window.geometry().adjusted(-kBorder, -kTitleBar, kBorder, kBorder);
    if (!room.contains(framed))
        faults << QStringLiteral("%1: the window %2,%3 %4×%5 with its frame is outside %6,%7 %8×%9")
                      .arg(name)
                      .arg(window.x())
                      .arg(window.y())
                      .arg(window.width())
                      .arg(window.height())
                      .arg(room.x())
                      .arg(room.y())
                      .arg(room.width())
                      .arg(room.height());
    const QSize least = window.minimumSize() + QSize(2 * kBorder, kTitleBar + kBorder);
    if (least.width() > room.width() || least.height() > room.height())
        faults << QStringLiteral("%1: its minimum size %2×%3 is larger than the screen")
                      .arg(name)
                      .arg(window.minimumWidth())
                      .arg(window.minimumHeight());
    CheckInside(&window, name, faults);
    // A screen reader names every control the keyboard reaches, and says what a picture
    // button does.
    for (QWidget* w = window.nextInFocusChain(); w && w != &window; w = w->nextInFocusChain()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(&window))
            continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
            faults << QStringLiteral("%1: %2 (%3) has no accessible name")
                          .arg(name, w->objectName(),
                               QString::fromLatin1(w->metaObject()->className()));
        if (auto* b = qobject_cast<QAbstractButton*>(w);
            b && b->text().isEmpty() && !b->icon().isNull() && b->accessibleDescription().isEmpty())
            faults << QStringLiteral("%1: the picture button %2 has no description")
                          .arg(name, w->objectName());
    }
    return faults;
}

} // namespace

class TestWindowFit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyScreenFits();

private:
    QTemporaryDir home_;
};

void TestWindowFit::initTestCase() {
    // The sample database, never one the user may have put in a data folder.
    qputenv("XDG_DATA_HOME", home_.filePath(QStringLiteral("data")).toLocal8Bit());
    qInfo("screen %d×%d available, scale %s",
          QGuiApplication::primaryScreen()->availableGeometry().width(),
          QGuiApplication::primaryScreen()->availableGeometry().height(),
          qgetenv("QT_SCALE_FACTOR").constData());
}

void TestWindowFit::everyScreenFits() {
    AppState s;
    s.ProgramFolder = QStringLiteral(SOLARIO_INSTALL_DIR);
    s.InstanceLockPath = home_.filePath(QStringLiteral("lock"));
    QtPlatform platform(s.ProgramFolder);
    QStringList faults;
    // A screen shown as the program shows it, checked and hidden again.
    auto check = [&](Screen& screen, const std::function<void()>& load) {
        load();
        const QStringList order = TabOrder(screen);
        screen.show();
        screen.Form_Activate();
        faults << Faults(screen, order);
        screen.hide();
    };

    Form_Menu menu(s, platform);
    int code = 0;
    QVERIFY(menu.Form_Load(&code));
    const QStringList menuOrder = TabOrder(menu);
    menu.show();
    menu.Form_Activate();
    faults << Faults(menu, menuOrder);

    // The help window, and a message of several lines.
    menu.CommandHelp_Click();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w != &menu)
            faults << Faults(*w);
    platform.CloseAllHelp(&menu, s.HelpFile);
    QTimer::singleShot(0, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            faults << Faults(*box);
            box->close();
        }
    });
    platform.MessageBox(s.Messages[8], QStringLiteral("ソラリオ"), 0);
    menu.hide();

    Form_Explan explan(s, platform);
    check(explan, [] {});

    Form_Search_N search(s, platform);
    check(search, [&] { search.Form_Load(); });

    s.MainRecordset = std::make_unique<KeyedRecordset>();
    QVERIFY(OpenMaterialList(s, *s.MainConnection, *s.MainRecordset, QString()));
    s.SearchRouteTitle = SearchRoute::ByName;
    Form_List list(s, platform);
    list.Form_Load();
    const QStringList listOrder = TabOrder(list);
    list.show();
    list.Form_Activate();
    faults << Faults(list, listOrder);

    // The preview of the whole list, as the print button shows it.
    QVERIFY(WriteListReport(s, s.MainRecordset.get()));
    const auto laid = ReportDocument::LayOut(PrintedLayout(s, DataReport_ListKenzai2()),
                                             *s.DataEnvironment1->rsCommand2);
    QVERIFY(laid);
    QTimer::singleShot(0, [&] {
        if (QWidget* preview = QApplication::activeModalWidget()) {
            faults << Faults(*preview);
            preview->close();
        }
    });
    QVERIFY(platform.ShowReport(*laid.value(), &list));
    list.hide();

    s.DetailRecordset = std::make_unique<Recordset>();
    QVERIFY(OpenMaterialDetail(s, *s.MainConnection, *s.DetailRecordset,
                               QStringLiteral(" ID = '") + s.ListIds[1] + QStringLiteral("' ")));
    s.DetailValues.clear();
    for (int i = 0; i < s.FieldCount; ++i)
        s.DetailValues.append(s.DetailRecordset->ValueText(0, i));
    s.DetailValues.append(QString());
    Form_Detail detail(s, platform);
    check(detail, [&] { detail.Form_Load(); });

    s.CondStartYear = QStringLiteral("1983");
    s.CondMaker = QStringLiteral("工業");
    s.CondShohin = QStringLiteral("長い商品名の例として入力された条件");
    s.CondNintei = QStringLiteral("不燃-指定なし");
    Form_Error_3 notice(s, platform);
    check(notice, [&] { notice.Form_Load(); });

    Form_Search_D usage(s, platform);
    check(usage, [&] { usage.Form_Load(); });

    s.UsageWhere = BuildUsageWhere(QStringLiteral("1975"), QStringLiteral("1985"));
    std::unique_ptr<Recordset> lookup;
    QVERIFY(LookupGeneralNames(s, *s.MainConnection, lookup, s.UsageWhere,
                               QStringLiteral("居室天井"), QStringLiteral("仕上げ材")));
    s.CondSekobui = QStringLiteral("居室天井");
    s.CondShiyoho = QStringLiteral("仕上げ材");
    Form_Search_D2 select(s, platform);
    check(select, [&] { select.Form_Load(); });

    s.SelectedNames = QStringList{s.GeneralNames.value(0), s.GeneralNames.value(1), QString()};
    for (int kind = 0; kind < 3; ++kind) {
        std::unique_ptr<UsageNotice> n;
        if (kind == 0)
            n = std::make_unique<Form_Error_1>(s, platform);
        else if (kind == 1)
            n = std::make_unique<Form_Error_1_1>(s, platform);
        else
            n = std::make_unique<Form_Error_2>(s, platform);
        check(*n, [&] { n->Form_Load(); });
    }
    if (!faults.isEmpty())
        QFAIL(qPrintable(faults.join(u'\n')));
}

QTEST_MAIN(TestWindowFit)
#include "test_window_fit.moc"
