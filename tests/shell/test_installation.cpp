#include "shell/settings.h"
#include "tools/sample_data.h"

#include <QDir>
#include <QFileInfo>
#include <QHelpEngineCore>
#include <QHelpLink>
#include <QtTest>

using namespace solario;

// The installation folder the build writes: help, settings and documents as shipped.
class TestInstallation : public QObject {
    Q_OBJECT

private slots:
    void helpHasEveryScreensTopic_data();
    void helpHasEveryScreensTopic();
    void settingsNameDocumentsThatExist();
    void everyGeneralNameHasItsDocument();
};

void TestInstallation::helpHasEveryScreensTopic_data() {
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("title");
    QTest::newRow("menu") << 10 << "メニュー";
    QTest::newRow("usage search") << 14 << "使用状態からの検索";
    QTest::newRow("name selection") << 18 << "建材名（一般名）の選択";
    QTest::newRow("list, usage route") << 22 << "検索結果一覧";
    QTest::newRow("detail, usage route") << 24 << "建材の詳細情報";
    QTest::newRow("name search") << 28 << "建材名称等からの検索";
    QTest::newRow("list, name route") << 32 << "検索結果一覧";
    QTest::newRow("detail, name route") << 34 << "建材の詳細情報";
    QTest::newRow("explanation") << 36 << "ご利用にあたって";
}

void TestInstallation::helpHasEveryScreensTopic() {
    QFETCH(int, topic);
    QFETCH(QString, title);
    QHelpEngineCore engine(QDir(QStringLiteral(SOLARIO_INSTALL_DIR)).filePath(kHelpFileName));
    engine.setReadOnly(true);
    QVERIFY(engine.setupData());
    const QList<QHelpLink> links = engine.documentsForIdentifier(QString::number(topic));
    QCOMPARE(links.size(), 1);
    const QString page = QString::fromUtf8(engine.fileData(links.first().url));
    QVERIFY2(page.contains(QStringLiteral("<h1>") + title + QStringLiteral("</h1>")),
             qPrintable(page.left(300)));
    QVERIFY(page.contains(QStringLiteral("架空"))); // every page says the sample data is fictional
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

QTEST_GUILESS_MAIN(TestInstallation)
#include "test_installation.moc"
