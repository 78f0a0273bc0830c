#include "platform/ini_file.h"
#include "shell/settings.h"
#include "support/fake_platform.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

using namespace solario;
using solario::test::FakePlatform;

namespace {

QByteArray ShiftJis(const QString& text) {
    QStringEncoder encoder("Shift_JIS");
    return encoder.encode(text);
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void readsValues_data();
    void readsValues();
    void cutsAt511Bytes_data();
    void cutsAt511Bytes();
    void missingFileIsEmpty();
    void oversizedFileIsNoSettingsFile();
    void loadSettings_data();
    void loadSettings();
    void documentPaths_data();
    void documentPaths();
    void onlyDocumentsAreOpened_data();
    void onlyDocumentsAreOpened();
    void suggestedNamesSayWhatIsInThem_data();
    void suggestedNamesSayWhatIsInThem();
    void savesRememberTheLastFolder();
};

void TestSettings::readsValues_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    const QByteArray utf8 =
        QStringLiteral("[PDF]\r\npath=C:\\資料\r\nご利用上の注意=注意.pdf\r\n").toUtf8();
    QTest::newRow("UTF-8") << utf8 << "PDF"
                           << "ご利用上の注意"
                           << "注意.pdf";
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF") + utf8 << "PDF"
                                    << "path"
                                    << "C:\\資料";
    QTest::newRow("Shift_JIS")
        << ShiftJis(QStringLiteral(
               "[PDF]\r\npath=C:\\表示\\資料\r\n建材名（一般名）一覧=一覧表.pdf\r\n"))
        << "PDF"
        << "建材名（一般名）一覧"
        << "一覧表.pdf";
    QTest::newRow("Shift_JIS value with 0x5C trail bytes")
        << ShiftJis(QStringLiteral("[PDF]\npath=D:\\ソフト\\表\n")) << "PDF"
        << "path"
        << "D:\\ソフト\\表";
    QTest::newRow("names ignore case") << QByteArray("[pdf]\nPATH=x\n") << "PDF"
                                       << "path"
                                       << "x";
    QTest::newRow("blanks around key and value")
        << QByteArray("[PDF]\n  path  =   docs  \n") << "PDF"
        << "path"
        << "docs";
    QTest::newRow("enclosing quotes removed") << QByteArray("[PDF]\npath=\" docs \"\n") << "PDF"
                                              << "path"
                                              << " docs ";
    QTest::newRow("unpaired quote kept") << QByteArray("[PDF]\npath=\"docs\n") << "PDF"
                                         << "path"
                                         << "\"docs";
    QTest::newRow("first of two keys") << QByteArray("[PDF]\npath=a\npath=b\n") << "PDF"
                                       << "path"
                                       << "a";
    QTest::newRow("key of another section") << QByteArray("[OTHER]\npath=a\n[PDF]\nx=1\n") << "PDF"
                                            << "path"
                                            << "";
    QTest::newRow("missing section") << QByteArray("[OTHER]\npath=a\n") << "PDF"
                                     << "path"
                                     << "";
    QTest::newRow("empty value") << QByteArray("[PDF]\npath=\n") << "PDF"
                                 << "path"
                                 << "";
    QTest::newRow("comment line") << QByteArray("[PDF]\n;path=a\npath=b\n") << "PDF"
                                  << "path"
                                  << "b";
    QTest::newRow("equals sign in the value") << QByteArray("[PDF]\npath=a=b\n") << "PDF"
                                              << "path"
                                              << "a=b";
}

void TestSettings::readsValues() {
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("app.ini"));
    Write(path, file);
    QCOMPARE(ReadIniValue(section, key, path), value);
}

void TestSettings::cutsAt511Bytes_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("value");
    const QString a511(511, u'a');
    QTest::newRow("511 bytes read whole") << ("[PDF]\npath=" + a511.toLatin1() + "\n") << a511;
    QTest::newRow("512 bytes cut to 511") << ("[PDF]\npath=" + a511.toLatin1() + "b\n") << a511;
    // 170 kanji are 510 bytes in UTF-8; the 171st would end at byte 513.
    const QString kanji170(170, u'石');
    QTest::newRow("UTF-8 cut before a character that does not fit")
        << ("[PDF]\npath=" + (kanji170 + QStringLiteral("綿綿")).toUtf8() + "\n") << kanji170;
    // 255 kanji are 510 bytes in Shift_JIS; one more ASCII letter fits, a kanji does not.
    const QString kanji255(255, u'石');
    QTest::newRow("Shift_JIS: a letter fits in byte 511")
        << ShiftJis(QStringLiteral("[PDF]\npath=") + kanji255 + QStringLiteral("xy\n"))
        << kanji255 + QStringLiteral("x");
    QTest::newRow("Shift_JIS: half a kanji is not kept")
        << ShiftJis(QStringLiteral("[PDF]\npath=") + kanji255 + QStringLiteral("綿\n")) << kanji255;
}

void TestSettings::cutsAt511Bytes() {
    QFETCH(QByteArray, file);
    QFETCH(QString, value);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("app.ini"));
    Write(path, file);
    QCOMPARE(ReadIniValue(QStringLiteral("PDF"), QStringLiteral("path"), path), value);
}

void TestSettings::missingFileIsEmpty() {
    QTemporaryDir dir;
    QCOMPARE(ReadIniValue(QStringLiteral("PDF"), QStringLiteral("path"),
                          dir.filePath(QStringLiteral("none.ini"))),
             QString());
}

void TestSettings::oversizedFileIsNoSettingsFile() {
    // A file of the limit is read; one byte more and it holds nothing, however sound its
    // first lines (a 100 MB file once took seconds a key).
    QTemporaryDir dir;
    const QByteArray head = "[PDF]\npath=docs\n;";
    const QString path = dir.filePath(QStringLiteral("app.ini"));
    Write(path, head + QByteArray(IniFile::kMaxIniBytes - head.size(), 'x'));
    QCOMPARE(IniFile(path).Value(QStringLiteral("PDF"), QStringLiteral("path")),
             QStringLiteral("docs"));
    Write(path, head + QByteArray(IniFile::kMaxIniBytes - head.size() + 1, 'x'));
    QCOMPARE(IniFile(path).Value(QStringLiteral("PDF"), QStringLiteral("path")), QString());
    QCOMPARE(ReadIniValue(QStringLiteral("PDF"), QStringLiteral("path"), path), QString());
}

void TestSettings::loadSettings_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    QTest::newRow("folder without separator") << "C:\\docs"
                                              << "C:\\docs\\";
    QTest::newRow("folder with separator") << "C:\\docs\\"
                                           << "C:\\docs\\";
    QTest::newRow("empty folder") << ""
                                  << "\\";
    QTest::newRow("slashes") << "/opt/solario/docs"
                             << "/opt/solario/docs/";
    QTest::newRow("slash at the end") << "docs/"
                                      << "docs/";
    QTest::newRow("relative folder") << "docs"
                                     << "docs\\";
}

void TestSettings::loadSettings() {
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QTemporaryDir dir;
    Write(dir.filePath(QStringLiteral("app.ini")),
          (QStringLiteral("[PDF]\npath=") + path +
           QStringLiteral("\nご利用上の注意=a.pdf\n本DB登録建材情報=b.pdf\n動作環境=c.pdf\n"
                          "建材名（一般名）一覧=d.pdf\n不燃材料認定番号=e.pdf\n施工部位とは=f.pdf\n"
                          "製造期間と竣工（改修）年について=g.pdf\n"))
              .toUtf8());
    AppState s;
    s.ProgramFolder = dir.path();
    LoadSettings(s);
    QCOMPARE(s.PdfFolder, folder);
    QCOMPARE(s.DocUsageNotes, folder + QStringLiteral("a.pdf"));
    QCOMPARE(s.DocRegisteredInfo, folder + QStringLiteral("b.pdf"));
    QCOMPARE(s.DocEnvironment, folder + QStringLiteral("c.pdf"));
    QCOMPARE(s.DocNameList, folder + QStringLiteral("d.pdf"));
    QCOMPARE(s.DocNinteiNo, folder + QStringLiteral("e.pdf"));
    QCOMPARE(s.DocPartsInfo, folder + QStringLiteral("f.pdf"));
    QCOMPARE(s.DocPeriodInfo, folder + QStringLiteral("g.pdf"));

    // Without the file every path is the bare separator.
    AppState none;
    none.ProgramFolder = dir.filePath(QStringLiteral("nothing"));
    LoadSettings(none);
    QCOMPARE(none.PdfFolder, QStringLiteral("\\"));
    QCOMPARE(none.DocPeriodInfo, QStringLiteral("\\"));
}

void TestSettings::documentPaths_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("resolved");
    QTest::newRow("relative with backslashes") << "docs\\a.pdf"
                                               << "/prog/docs/a.pdf";
    QTest::newRow("relative with slashes") << "docs/sub/a.pdf"
                                           << "/prog/docs/sub/a.pdf";
    QTest::newRow("absolute") << "/srv/docs/a.pdf"
                              << "/srv/docs/a.pdf";
    QTest::newRow("parent folder") << "..\\docs\\a.pdf"
                                   << "/docs/a.pdf";
    QTest::newRow("empty") << ""
                           << "";
}

void TestSettings::documentPaths() {
    QFETCH(QString, path);
    QFETCH(QString, resolved);
    QCOMPARE(ResolveDocumentPath(QStringLiteral("/prog"), path), resolved);
}

void TestSettings::onlyDocumentsAreOpened_data() {
    QTest::addColumn<QString>("path");   // as app.ini names it
    QTest::addColumn<bool>("viewer");    // the desktop can show PDF files
    QTest::addColumn<QString>("opened"); // the file handed to the desktop, or none
    QTest::addColumn<QString>("box");    // the start of the message, or none
    QTest::newRow("a document of the folder") << "docs\\01.pdf" << true << "docs/01.pdf" << "";
    QTest::newRow("upper-case extension") << "docs\\02.PDF" << true << "docs/02.PDF" << "";
    QTest::newRow("missing") << "docs\\99.pdf" << true << "" << "資料が見つかりません。";
    QTest::newRow("a script") << "docs\\run.sh" << true << "" << "この資料は開けません。";
    QTest::newRow("a desktop entry") << "docs\\viewer.desktop" << true << ""
                                     << "この資料は開けません。";
    QTest::newRow("out of the folder by ..")
        << "docs\\..\\outside.pdf" << true << "" << "この資料は開けません。";
    QTest::newRow("out of the folder by a link")
        << "docs\\link.pdf" << true << "" << "この資料は開けません。";
    QTest::newRow("a folder named like a document")
        << "docs\\folder.pdf" << true << "" << "この資料は開けません。";
    QTest::newRow("no viewer on the desktop")
        << "docs\\01.pdf" << false << "docs/01.pdf" << "資料を開けませんでした。";
}

void TestSettings::onlyDocumentsAreOpened() {
    QFETCH(QString, path);
    QFETCH(bool, viewer);
    QFETCH(QString, opened);
    QFETCH(QString, box);
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("docs/folder.pdf"));
    for (const char* name : {"docs/01.pdf", "docs/02.PDF", "docs/run.sh", "docs/viewer.desktop",
                             "outside.pdf"}) {
        QFile file(dir.filePath(QString::fromUtf8(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("outside.pdf")),
                        dir.filePath(QStringLiteral("docs/link.pdf"))));
    AppState s;
    s.ProgramFolder = dir.path();
    s.PdfFolder = QStringLiteral("docs\\");
    FakePlatform p;
    p.documentOpens = viewer;
    QCOMPARE(OpenDocument(s, p, path), box.isEmpty());
    QCOMPARE(p.Calls(QStringLiteral("OpenDocument")),
             opened.isEmpty() ? QStringList()
                              : QStringList{QStringLiteral("OpenDocument:") + dir.filePath(opened)});
    if (box.isEmpty()) {
        QVERIFY(p.boxes.isEmpty());
        return;
    }
    QCOMPARE(p.boxes.size(), 1);
    QVERIFY2(p.boxes[0].text.startsWith(box), qPrintable(p.boxes[0].text));
    // It names the file as app.ini points to it.
    QVERIFY(p.boxes[0].text.endsWith(
        QDir::toNativeSeparators(ResolveDocumentPath(dir.path(), path))));
}

void TestSettings::suggestedNamesSayWhatIsInThem_data() {
    QTest::addColumn<QString>("stem");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("name");
    QTest::newRow("conditions") << "検索結果一覧"
                                << "1975～1985_居室天井_仕上げ材"
                                << "検索結果一覧_1975～1985_居室天井_仕上げ材_20261210.pdf";
    QTest::newRow("a record") << "建材個別情報"
                              << "FRユキシロカバー 637号_000123"
                              << "建材個別情報_FRユキシロカバー_637号_000123_20261210.pdf";
    QTest::newRow("what no file name may hold")
        << "検索結果一覧"
        << "a/b\\c:d*e?f\"g<h>i|j\tk\u3000l\u200Bm"
        << "検索結果一覧_a_b_c_d_e_f_g_h_i_j_k_l_m_20261210.pdf";
    QTest::newRow("no leading or trailing dots or blanks")
        << "建材名リスト"
        << " ..屋根. "
        << "建材名リスト_屋根_20261210.pdf";
    QTest::newRow("nothing left") << "検索結果一覧"
                                  << "\u3000/"
                                  << "検索結果一覧_20261210.pdf";
    QTest::newRow("a long subject is kept to 40 characters")
        << "検索結果一覧" << QString(50, u'建')
        << "検索結果一覧_" + QString(40, u'建') + "_20261210.pdf";
    QTest::newRow("never half a character")
        << "検索結果一覧" << QString(39, u'建') + QStringLiteral("𠮷𠮷")
        << "検索結果一覧_" + QString(39, u'建') + "_20261210.pdf";
}

void TestSettings::suggestedNamesSayWhatIsInThem() {
    QFETCH(QString, stem);
    QFETCH(QString, subject);
    QFETCH(QString, name);
    QCOMPARE(SuggestedFileName(stem, subject, QStringLiteral("pdf"), QDate(2026, 12, 10)), name);
}

void TestSettings::savesRememberTheLastFolder() {
    QStandardPaths::setTestModeEnabled(true); // the user's own settings stay untouched
    QTemporaryDir folder;
    RememberFolder(QStringLiteral("pdf"), folder.path());
    QCOMPARE(LastUsedFolder(QStringLiteral("pdf")), folder.path());
    // A folder that has gone since: the documents folder again.
    RememberFolder(QStringLiteral("pdf"), folder.filePath(QStringLiteral("gone")));
    QCOMPARE(LastUsedFolder(QStringLiteral("pdf")),
             QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
