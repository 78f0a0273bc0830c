#include "shell/qt_platform.h"
#include "shell/settings.h"
#include "tools/sample_data.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHelpEngineCore>
#include <QHelpLink>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>
#include <QtTest>

using namespace solario;

// The installation folder the build writes: help, settings and documents as shipped.
class TestInstallation : public QObject {
    Q_OBJECT

private slots:
    void helpHasEveryScreensTopic_data();
    void helpHasEveryScreensTopic();
    void settingsNameDocumentsThatExist();
    void documentsReadBackAsWritten();
    void everyGeneralNameHasItsDocument();
    void theHelpWindowClosesByKeys();
};

void TestInstallation::helpHasEveryScreensTopic_data() {
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("tells");    // the buttons and keys that work there
    QTest::addColumn<QStringList>("tellsNot"); // what the screen does not have
    QTest::newRow("menu") << 10 << "メニュー"
                          << QStringList{"使用状態からの検索",
                                         "建材名称等からの検索",
                                         "ご利用にあたって",
                                         "F1",
                                         "F2",
                                         "F3",
                                         "F4",
                                         "F5",
                                         "F6",
                                         "終了／Esc"}
                          << QStringList{"F7"};
    QTest::newRow("usage search") << 14 << "使用状態からの検索"
                                  << QStringList{"建材名リスト（一般名）表示／F2",
                                                 "？（ヘルプ）／F1", "戻る／Esc"}
                                  << QStringList{"F3"};
    QTest::newRow("name selection")
        << 18 << "建材名（一般名）の選択" << QStringList{"前の６件・次の６件",
                                                         "F2～F7",
                                                         "特徴",
                                                         "建材リスト（商品名）表示／F8",
                                                         "検索結果の印刷／F9",
                                                         "メニューに戻る",
                                                         "戻る／Esc"}
        << QStringList{"PageUp", "PageDown", "前ページ"};
    QTest::newRow("list, usage route")
        << 22 << "検索結果一覧"
        << QStringList{"並び替え／F2", "検索結果の印刷／F3", "更に詳細な情報の表示／F4", "スペース",
                       "戻る／Esc"}
        << QStringList{"PageUp"};
    QTest::newRow("detail, usage route")
        << 24 << "建材の詳細情報"
        << QStringList{"PageUp・PageDown", "検索結果の印刷／F2", "戻る／Esc", "コピー"}
        << QStringList{"F3"};
    QTest::newRow("name search") << 28 << "建材名称等からの検索"
                                 << QStringList{"建材リスト（商品名）表示／F2", "？（ヘルプ）／F1",
                                                "全角・半角", "長音「ー」とハイフン",
                                                "見えない文字", "全角（－"}
                                 << QStringList{"F3"};
    QTest::newRow("list, name route") << 32 << "検索結果一覧" << QStringList{"F4"} << QStringList{};
    QTest::newRow("detail, name route")
        << 34 << "建材の詳細情報" << QStringList{"F2"} << QStringList{};
    QTest::newRow("explanation") << 36 << "ご利用にあたって"
                                 << QStringList{"F1", "F2", "F3", "F4", "F5", "F6", "Esc"}
                                 << QStringList{"F7"};
}

void TestInstallation::helpHasEveryScreensTopic() {
    QFETCH(int, topic);
    QFETCH(QString, title);
    QFETCH(QStringList, tells);
    QFETCH(QStringList, tellsNot);
    QHelpEngineCore engine(QDir(QStringLiteral(SOLARIO_INSTALL_DIR)).filePath(kHelpFileName));
    engine.setReadOnly(true);
    QVERIFY(engine.setupData());
    const QList<QHelpLink> links = engine.documentsForIdentifier(QString::number(topic));
    QCOMPARE(links.size(), 1);
    const QString page = QString::fromUtf8(engine.fileData(links.first().url));
    QVERIFY2(page.contains(QStringLiteral("<h1>") + title + QStringLiteral("</h1>")),
             qPrintable(page.left(300)));
    QVERIFY(page.contains(QStringLiteral("架空"))); // every page says the sample data is fictional
    for (const QString& t : tells)
        QVERIFY2(page.contains(t), qPrintable(t));
    for (const QString& t : tellsNot)
        QVERIFY2(!page.contains(t), qPrintable(t));
    // Every page leads to the contents, and every link leads to a page of the help.
    QVERIFY(page.contains(QStringLiteral("href=\"index.html\"")));
    const QRegularExpression href(QStringLiteral("href=\"([^\"#]+\\.html)\""));
    for (auto m = href.globalMatch(page); m.hasNext();) {
        const QString target = m.next().captured(1);
        QVERIFY2(!engine.fileData(links.first().url.resolved(QUrl(target))).isEmpty(),
                 qPrintable(target));
    }
}

void TestInstallation::settingsNameDocumentsThatExist() {
    AppState s;
    s.ProgramFolder = QStringLiteral(SOLARIO_INSTALL_DIR);
    LoadSettings(s);
    for (const QString* doc : {&s.DocUsageNotes, &s.DocRegisteredInfo, &s.DocEnvironment,
                               &s.DocNameList, &s.DocNinteiNo, &s.DocPartsInfo, &s.DocPeriodInfo}) {
        const QString path = ResolveDocumentPath(s.ProgramFolder, *doc);
        QVERIFY2(QFileInfo(path).isFile() && QFileInfo(path).size() > 1000, qPrintable(path));
    }
}

void TestInstallation::documentsReadBackAsWritten() {
    // The explanation documents' text layer, as a search in the PDF finds it: the
    // ideographs themselves, never a radical drawn with the same glyph.
    const QDir docs(QDir(QStringLiteral(SOLARIO_INSTALL_DIR)).filePath(QStringLiteral("docs")));
    const QStringList files = docs.entryList({QStringLiteral("*.pdf")});
    QVERIFY(files.size() >= 41);
    int withAsbestos = 0;
    for (const QString& file : files) {
        QProcess run;
        run.start(QStringLiteral("pdftotext"), {docs.filePath(file), QStringLiteral("-")});
        QVERIFY(run.waitForFinished(30000));
        const QString text = QString::fromUtf8(run.readAllStandardOutput());
        withAsbestos += text.contains(QStringLiteral("石綿")) ? 1 : 0;
        for (const char32_t c : text.toUcs4())
            QVERIFY2(!(c >= 0x2E80 && c <= 0x2FDF), qPrintable(file));
    }
    QVERIFY(withAsbestos >= 41);
}

void TestInstallation::everyGeneralNameHasItsDocument() {
    AppState s;
    s.ProgramFolder = QStringLiteral(SOLARIO_INSTALL_DIR);
    LoadSettings(s);
    for (int id = 1; id <= sample::GeneralNames().size(); ++id) {
        const QString path = ResolveDocumentPath(
            s.ProgramFolder, s.PdfFolder + QStringLiteral("%1.pdf").arg(id, 2, 10, QChar(u'0')));
        QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
    }
}

// The help window of the installed help closes with Esc and with Ctrl+W.
void TestInstallation::theHelpWindowClosesByKeys() {
    QtPlatform platform(QStringLiteral(SOLARIO_INSTALL_DIR));
    QWidget owner;
    owner.show();
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        QCOMPARE(platform.ShowHelp(&owner, kHelpFileName, 10), 1);
        QWidget* help = owner.findChild<QWidget*>(QStringLiteral("HelpWindow"));
        QVERIFY(help && help->isVisible());
        QApplication::setActiveWindow(help);
        QTest::keySequence(help, key);
        QVERIFY2(!help->isVisible(), qPrintable(key.toString()));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

QTEST_MAIN(TestInstallation)
#include "test_installation.moc"
