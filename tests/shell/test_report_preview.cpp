#include "data/query_builders.h"
#include "reports/report_engine.h"
#include "result_list/list_report.h"
#include "shell/print_report.h"
#include "shell/qt_platform.h"
#include "shell/report_preview.h"
#include "support/loaded_state.h"

#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QProgressDialog>
#include <QThread>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>

using namespace solario;
using namespace solario::test;

namespace {

// A printed list of 300 products: fifteen pages.
struct Previewed : LoadedState {
    Previewed()
        : LoadedState([](FixtureDb& db) {
              db.Exec(QStringLiteral("BEGIN"));
              for (int i = 0; i < 300; ++i)
                  db.AddProduct(Product({{u"ID", QStringLiteral("%1").arg(i + 1, 5, 10, QChar(u'0'))},
                                         {u"建材名（一般名）", QStringLiteral("石綿含有ビニル床タイル")},
                                         {u"商品名", QStringLiteral("建材%1").arg(i)}}));
              db.Exec(QStringLiteral("COMMIT"));
          }) {
        s.MainRecordset = std::make_unique<KeyedRecordset>();
        if (!OpenMaterialList(s, *s.MainConnection, *s.MainRecordset, QString()) ||
            !WriteListReport(s, s.MainRecordset.get()))
            qFatal("cannot write the list");
        document = ReportDocument::LayOut(PrintedLayout(s, DataReport_ListKenzai2()),
                                          *s.DataEnvironment1->rsCommand2)
                       .value();
        preview = std::make_unique<ReportPreview>(*document, p, nullptr);
        preview->show();
        QApplication::setActiveWindow(preview.get());
    }
    std::shared_ptr<const ReportDocument> document;
    std::unique_ptr<ReportPreview> preview;
};

} // namespace

class TestReportPreview : public QObject {
    Q_OBJECT

private slots:
    void pagesByKeyboard();
    void drawsOnlyThePagesLookedAt();
    void savesByKeyboard();
    void aFailedSaveSaysWhy();
    void everyControlByTabWithItsShortcutShown();
    void printsUnderTheReportsNames();
    void fitsTheScreenAndClosesWithEscape();
    void longWorkShowsItsProgressAndStops();
};

void TestReportPreview::pagesByKeyboard() {
    Previewed t;
    ReportPreview& v = *t.preview;
    QCOMPARE(t.document->PageCount(), 15);
    QCOMPARE(v.PageCountLabel->text(), QStringLiteral("／ 15 ページ"));
    QCOMPARE(v.Pages->CurrentPage(), 0);
    QTest::keyClick(&v, Qt::Key_PageDown);
    QCOMPARE(v.Pages->CurrentPage(), 1);
    QCOMPARE(v.PageBox->value(), 2);
    QTest::keyClick(&v, Qt::Key_End);
    QCOMPARE(v.Pages->CurrentPage(), 14);
    QCOMPARE(v.PageBox->value(), 15);
    QTest::keyClick(&v, Qt::Key_PageUp);
    QCOMPARE(v.Pages->CurrentPage(), 13);
    QTest::keyClick(&v, Qt::Key_Home);
    QCOMPARE(v.Pages->CurrentPage(), 0);
    // A page number typed into the page box.
    QTest::keyClick(&v, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), v.PageBox);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(v.Pages->CurrentPage(), 6);
    QVERIFY(t.p.boxes.isEmpty() && !qobject_cast<QPrintDialog*>(QApplication::activeModalWidget()));
    // Enter on a focused button presses it.
    v.LastButton->setFocus();
    QTest::keyClick(v.LastButton, Qt::Key_Return);
    QCOMPARE(v.Pages->CurrentPage(), 14);
    v.FirstButton->setFocus();
    QTest::keyClick(v.FirstButton, Qt::Key_Space);
    QCOMPARE(v.Pages->CurrentPage(), 0);
    v.PageBox->setValue(7);
    QCOMPARE(v.Pages->CurrentPage(), 6);
    // Zoom keys: larger and smaller, and back to the whole page.
    const double scale = v.Pages->Scale();
    QTest::keyClick(&v, Qt::Key_Plus, Qt::ControlModifier);
    QVERIFY(v.Pages->Scale() > scale);
    QTest::keyClick(&v, Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(&v, Qt::Key_Minus, Qt::ControlModifier);
    QVERIFY(v.Pages->Scale() < scale);
    QTest::keyClick(&v, Qt::Key_2, Qt::ControlModifier);
    QCOMPARE(v.Pages->CurrentPage(), 6); // the page stays in view
}

// Pages are drawn when they come into sight and only a few are kept, whatever the
// report's length.
void TestReportPreview::drawsOnlyThePagesLookedAt() {
    Previewed t;
    ReportPreview& v = *t.preview;
    for (int page = 0; page < t.document->PageCount(); ++page) {
        v.Pages->GoToPage(page);
        v.Pages->viewport()->grab(); // drawn as the screen draws it
        QVERIFY(v.Pages->KeptPages() >= 1);
        QVERIFY2(v.Pages->KeptPages() <= 6, qPrintable(QString::number(v.Pages->KeptPages())));
    }
}

void TestReportPreview::savesByKeyboard() {
    Previewed t;
    QTemporaryDir out;
    t.p.saveAnswer = out.filePath(QStringLiteral("一覧.pdf"));
    QTest::keyClick(t.preview.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(t.p.Calls(QStringLiteral("ChooseSaveFile")),
             QStringList{QStringLiteral("ChooseSaveFile:PDF保存:pdf:") + t.document->Layout().fileName});
    QVERIFY(t.document->Layout().fileName.startsWith(QStringLiteral("検索結果一覧_全件_")));
    QVERIFY(t.p.boxes.isEmpty());
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {t.p.saveAnswer});
    info.waitForFinished(30000);
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Pages:\\s+15\\n"))), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("石綿含有建材リスト")));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("Creator:\\s+ソラリオ"))));
}

void TestReportPreview::aFailedSaveSaysWhy() {
    Previewed t;
    QTemporaryDir out;
    t.p.saveAnswer = out.filePath(QStringLiteral("gone/一覧.pdf"));
    t.preview->PdfButton->click();
    QCOMPARE(t.p.boxes.size(), 1);
    QVERIFY2(t.p.boxes[0].text.startsWith(QStringLiteral("PDFファイルを保存できませんでした。\r\r"
                                                         "保存先のフォルダが見つかりません。")),
             qPrintable(t.p.boxes[0].text));
}

void TestReportPreview::everyControlByTabWithItsShortcutShown() {
    Previewed t;
    ReportPreview& v = *t.preview;
    QSet<QWidget*> reached;
    for (int i = 0; i < 40; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* w = QApplication::focusWidget();
        reached.insert(w && w->parentWidget() == v.PageBox ? v.PageBox : w);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{
             v.PrintButton, v.PdfButton, v.PageSetupButton, v.FirstButton, v.PreviousButton,
             v.PageBox, v.NextButton, v.LastButton, v.ZoomOutButton, v.ZoomInButton,
             v.FitWidthButton, v.WholePageButton, v.CloseButton, v.Pages})
        QVERIFY2(reached.contains(w), qPrintable(w->objectName() + w->toolTip()));
    const std::pair<QPushButton*, const char*> shortcuts[] = {
        {v.PrintButton, "Ctrl+P"}, {v.PdfButton, "Ctrl+S"}, {v.PageSetupButton, "Ctrl+U"},
        {v.NextButton, "PgDown"},  {v.CloseButton, "Esc"}};
    for (const auto& [button, key] : shortcuts)
        QVERIFY2(button->toolTip().contains(QString::fromUtf8(key)), qPrintable(button->toolTip()));
}

// The print dialog suggests, for printing to a file, the name PDF保存 suggests.
void TestReportPreview::printsUnderTheReportsNames() {
    Previewed t;
    QString suggested, title;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            suggested = dialog->printer()->docName();
            title = dialog->windowTitle();
            dialog->reject();
        }
    });
    QTest::keyClick(t.preview.get(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(title, QStringLiteral("印刷"));
    QCOMPARE(suggested + QStringLiteral(".pdf"), t.document->Layout().fileName);
}

void TestReportPreview::fitsTheScreenAndClosesWithEscape() {
    Previewed t;
    ReportPreview& v = *t.preview;
    const QRect room = v.screen()->availableGeometry();
    QVERIFY2(room.contains(v.frameGeometry()),
             qPrintable(QStringLiteral("%1x%2 in %3x%4")
                            .arg(v.frameGeometry().width())
                            .arg(v.frameGeometry().height())
                            .arg(room.width())
                            .arg(room.height())));
    QTest::keyClick(&v, Qt::Key_Escape);
    QVERIFY(!v.isVisible());
}

// Work that lasts shows its progress with 中止, which Esc presses too; work that ends at
// once shows nothing.
void TestReportPreview::longWorkShowsItsProgressAndStops() {
    QtPlatform platform(QDir::tempPath());
    auto shownDialog = [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QProgressDialog*>(w); dialog && dialog->isVisible())
                return dialog;
        return static_cast<QProgressDialog*>(nullptr);
    };
    {
        const auto quick = platform.ShowProgress(nullptr, QStringLiteral("すぐ終わる作業"));
        for (int i = 1; i <= 10; ++i)
            QVERIFY(quick->Step(i, 10));
        QVERIFY(!shownDialog());
    }
    const auto view = platform.ShowProgress(nullptr, QStringLiteral("印刷の準備をしています…"));
    bool going = true;
    QProgressDialog* dialog = nullptr;
    for (qint64 step = 1; going && step < 100000; ++step) {
        going = view->Step(step, 100000);
        QThread::msleep(2);
        if (!dialog && (dialog = shownDialog())) {
            QCOMPARE(dialog->labelText(), QStringLiteral("印刷の準備をしています…"));
            QVERIFY(dialog->findChild<QPushButton*>()->text() == QStringLiteral("中止"));
            QTest::keyClick(dialog, Qt::Key_Escape);
        }
    }
    QVERIFY(dialog);
    QVERIFY(!going);
}

QTEST_MAIN(TestReportPreview)
#include "test_report_preview.moc"
