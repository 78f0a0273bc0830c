#include "shell/settings.h"

#include "platform/ini_file.h"
#include "shell/message_boxes.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace solario {

Status LoadSettings(AppState& s) {
    const QString path = QDir(s.ProgramFolder).filePath(kSettingsFileName);
    const QFileInfo info(path);
    const bool usable = !info.exists() || info.isFile();
    const IniFile file(usable ? path : QString()); // read once
    s.PdfFolder = file.Value(QStringLiteral("PDF"), QStringLiteral("path"));
    // The folder ends with a separator; "\" as the installation wrote it, unless the
    // value already separates with "/".
    if (!s.PdfFolder.endsWith(u'\\') && !s.PdfFolder.endsWith(u'/'))
        s.PdfFolder += s.PdfFolder.contains(u'/') && !s.PdfFolder.contains(u'\\') ? u'/' : u'\\';
    const std::pair<const char16_t*, QString*> documents[] = {
        {u"ご利用上の注意", &s.DocUsageNotes},
        {u"本DB登録建材情報", &s.DocRegisteredInfo},
        {u"動作環境", &s.DocEnvironment},
        {u"建材名（一般名）一覧", &s.DocNameList},
        {u"不燃材料認定番号", &s.DocNinteiNo},
        {u"施工部位とは", &s.DocPartsInfo},
        {u"製造期間と竣工（改修）年について", &s.DocPeriodInfo}};
    for (const auto& [key, target] : documents)
        *target = s.PdfFolder + file.Value(QStringLiteral("PDF"), QString::fromUtf16(key));
    if (!usable)
        return Failure{QStringLiteral("設定ファイルがファイルではないため、読みませんでした（フォルダ、"
                                      "名前付きパイプなどは開きません）。説明資料は開けません。\r") +
                       QDir::toNativeSeparators(path)};
    return {};
}

QString ResolveDocumentPath(const QString& programFolder, const QString& path) {
    QString p = path;
    p.replace(u'\\', u'/');
    if (p.isEmpty())
        return p;
    if (QDir::isRelativePath(p))
        p = QDir(programFolder).filePath(p);
    return QDir::cleanPath(p);
}

bool OpenDocument(const AppState& s, Platform& platform, const QString& path) {
    const QString file = ResolveDocumentPath(s.ProgramFolder, path);
    const QString shown = QDir::toNativeSeparators(file);
    const QFileInfo info(file);
    if (file.isEmpty() || !info.exists()) {
        ShowWarning(platform, QStringLiteral("資料が見つかりません。\r") + shown);
        return false;
    }
    // app.ini names the documents: whatever else it might name (a program, a desktop
    // entry, a file elsewhere) is never handed to the desktop.
    const QString folder = QFileInfo(s.PdfFolder.isEmpty()
                                         ? s.ProgramFolder
                                         : ResolveDocumentPath(s.ProgramFolder, s.PdfFolder))
                               .canonicalFilePath();
    const QString real = info.canonicalFilePath();
    if (!info.isFile() || info.suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) != 0 ||
        QFileInfo(real).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) != 0 ||
        folder.isEmpty() || !real.startsWith(folder + u'/')) {
        ShowWarning(platform, QStringLiteral("この資料は開けません。説明資料のフォルダにある PDF ファイル"
                                             "だけを開きます。\r") +
                                  shown);
        return false;
    }
    if (!platform.OpenDocument(file)) {
        ShowWarning(platform, QStringLiteral("資料を開けませんでした。PDF を表示するアプリケーションが"
                                             "あるか確かめてください。\r") +
                                  shown);
        return false;
    }
    return true;
}

namespace {

// The user's own settings (not app.ini, which belongs to the installation).
const QString kOrganisation = QStringLiteral("Solario");

QString FolderKey(const QString& kind) {
    return QStringLiteral("folders/") + kind;
}

} // namespace

QString LastUsedFolder(const QString& kind) {
    const QString folder =
        QSettings(kOrganisation, kOrganisation).value(FolderKey(kind)).toString();
    if (!folder.isEmpty() && QDir(folder).exists())
        return folder;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void RememberFolder(const QString& kind, const QString& folder) {
    QSettings(kOrganisation, kOrganisation).setValue(FolderKey(kind), folder);
}

namespace {

QString ColumnKey(const QString& grid, const QString& heading) {
    // A heading may hold "/" or "（"; the key holds it percent-encoded.
    return QStringLiteral("columns/") + grid + u'/' +
           QString::fromLatin1(heading.toUtf8().toPercentEncoding());
}

} // namespace

int RememberedColumnWidth(const QString& grid, const QString& heading) {
    const int width =
        QSettings(kOrganisation, kOrganisation).value(ColumnKey(grid, heading)).toInt();
    return width > 0 ? width : 0;
}

void RememberColumnWidth(const QString& grid, const QString& heading, int width) {
    QSettings(kOrganisation, kOrganisation).setValue(ColumnKey(grid, heading), width);
}

QString SuggestedFileName(const QString& stem, const QString& subject, const QString& extension,
                          const QDate& date) {
    constexpr qsizetype kLongest = 40;
    QString safe;
    for (const QChar c : subject) {
        const bool unsafe = QStringLiteral("\\/:*?\"<>|").contains(c) || c.isSpace() ||
                            c.category() == QChar::Other_Control ||
                            c.category() == QChar::Other_Format;
        if (!unsafe)
            safe += c;
        else if (!safe.endsWith(u'_'))
            safe += u'_';
    }
    // Nor may a name end in a dot on every desktop.
    while (!safe.isEmpty() && (safe.front() == u'_' || safe.front() == u'.'))
        safe.remove(0, 1);
    if (safe.size() > kLongest)
        safe.truncate(safe.at(kLongest - 1).isHighSurrogate() ? kLongest - 1 : kLongest);
    while (!safe.isEmpty() && (safe.back() == u'_' || safe.back() == u'.'))
        safe.chop(1);
    QString name = stem;
    if (!safe.isEmpty())
        name += u'_' + safe;
    return name + u'_' + date.toString(QStringLiteral("yyyyMMdd")) + u'.' + extension;
}

} // namespace solario
