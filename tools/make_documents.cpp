// Writes the explanation documents of the installation as PDF files, from the texts in
// resources/documents: the seven documents that app.ini names, under the names it gives
// them, and one document per asbestos-containing general name, named by its ID.
//   make_documents SOURCE_DIR APP_INI OUTPUT_DIR
#include "platform/ini_file.h"
#include "reports/report_font.h"
#include "tools/sample_data.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <cstdio>

namespace {

const char kFictional[] =
    "\n\n---\n\nこの資料はソラリオのサンプル版に添付されたものです。サンプル版の商品データ"
    "（商品名・メーカー名・電話番号など）はすべて架空のもので、実在の建材の石綿含有の有無の"
    "判断に使うことはできません。\n";

bool Fail(const QString& message) {
    std::fprintf(stderr, "make_documents: %s\n", qUtf8Printable(message));
    return false;
}

QString ReadText(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    QString text = QString::fromUtf8(f.readAll());
    static const QRegularExpression comment(QStringLiteral("<!--.*?-->\\s*"),
                                            QRegularExpression::DotMatchesEverythingOption);
    return text.remove(comment);
}

bool WritePdf(const QString& markdown, const QString& title, const QString& path) {
    QPdfWriter writer(path);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("ソラリオ"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
    QTextDocument doc;
    QFont font(solario::ReportFontFamily());
    font.setPointSize(11);
    doc.setDefaultFont(font);
    doc.setDefaultStyleSheet(QStringLiteral("h1 { color: #1d3f63; } h2 { color: #1d3f63; }"));
    doc.setMarkdown(markdown);
    // Room around headings, and tables across the page.
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QTextBlockFormat f = b.blockFormat();
        if (f.headingLevel() > 0) {
            f.setTopMargin(f.headingLevel() == 1 ? 0 : 14);
            f.setBottomMargin(6);
        } else {
            f.setLineHeight(140, QTextBlockFormat::ProportionalHeight);
            f.setBottomMargin(4);
        }
        QTextCursor(b).setBlockFormat(f);
    }
    for (QTextFrame* frame : doc.rootFrame()->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(frame)) {
            QTextTableFormat f = table->format();
            f.setWidth(QTextLength(QTextLength::PercentageLength, 100));
            f.setCellPadding(4);
            f.setCellSpacing(0);
            f.setBorderCollapse(true);
            table->setFormat(f);
        }
    }
    // Lay the text out at the writer's own resolution, a page at a time, with the page
    // number under each page.
    writer.setResolution(300);
    doc.documentLayout()->setPaintDevice(&writer);
    const QSizeF page(writer.width(), writer.height() - writer.resolution() / 2);
    doc.setPageSize(page);
    QPainter painter(&writer);
    const int pages = doc.pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            writer.newPage();
        painter.save();
        painter.translate(0, -i * page.height());
        doc.drawContents(&painter, QRectF(QPointF(0, i * page.height()), page));
        painter.restore();
        painter.setFont(font);
        painter.drawText(QRectF(0, page.height(), page.width(), writer.resolution() / 2),
                         Qt::AlignCenter, QStringLiteral("%1 / %2").arg(i + 1).arg(pages));
    }
    painter.end();
    return QFileInfo(path).size() > 0 || Fail(QStringLiteral("cannot write ") + path);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: make_documents SOURCE_DIR APP_INI OUTPUT_DIR\n");
        return 2;
    }
    const QDir sources(args[1]);
    const QString ini = args[2];
    const QDir out(args[3]);
    if (!QDir().mkpath(out.path()))
        return Fail(QStringLiteral("cannot make ") + out.path()), 1;

    // The general names, each with what is known of it.
    const QString namesText = ReadText(sources.filePath(QStringLiteral("general_names.md")));
    static const QRegularExpression heading(QStringLiteral("^## (\\d+) (.+)$"),
                                            QRegularExpression::MultilineOption);
    QStringList ids, names, bodies;
    QRegularExpressionMatchIterator it = heading.globalMatch(namesText);
    QList<QRegularExpressionMatch> matches;
    while (it.hasNext())
        matches.append(it.next());
    for (qsizetype i = 0; i < matches.size(); ++i) {
        const qsizetype end =
            i + 1 < matches.size() ? matches[i + 1].capturedStart() : namesText.size();
        ids.append(matches[i].captured(1));
        names.append(matches[i].captured(2).trimmed());
        bodies.append(
            namesText.mid(matches[i].capturedEnd(), end - matches[i].capturedEnd()).trimmed());
    }
    // The texts must name exactly the general names of the database, character for character.
    if (names != solario::sample::GeneralNames())
        return Fail(QStringLiteral("general_names.md does not list the 41 general names in order")),
               1;

    const std::pair<const char16_t*, const char*> documents[] = {
        {u"ご利用上の注意", "usage_notes.md"},
        {u"本DB登録建材情報", "registered_info.md"},
        {u"動作環境", "environment.md"},
        {u"建材名（一般名）一覧", "name_list.md"},
        {u"不燃材料認定番号", "nintei.md"},
        {u"施工部位とは", "parts_info.md"},
        {u"製造期間と竣工（改修）年について", "period_info.md"}};
    for (const auto& [key, source] : documents) {
        const QString file =
            solario::ReadIniValue(QStringLiteral("PDF"), QString::fromUtf16(key), ini);
        if (file.isEmpty())
            return Fail(QStringLiteral("app.ini names no file for ") + QString::fromUtf16(key)), 1;
        QString text = ReadText(sources.filePath(QString::fromLatin1(source)));
        if (text.isEmpty())
            return Fail(QStringLiteral("cannot read ") + QString::fromLatin1(source)), 1;
        QStringList list;
        for (qsizetype i = 0; i < names.size(); ++i)
            list.append(QStringLiteral("- ") + names[i]);
        text.replace(QStringLiteral("@GENERAL_NAMES@"), list.join(u'\n'));
        const QString title = text.section(u'\n', 0, 0).remove(QStringLiteral("# "));
        if (!WritePdf(text + QString::fromUtf8(kFictional), title, out.filePath(file)))
            return 1;
    }
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString text = QStringLiteral("# ") + names[i] + QStringLiteral("\n\n") + bodies[i] +
                             QStringLiteral("\n\n建材の石綿含有の有無は、商品や製造時期によって"
                                            "異なります。建材の表示、メーカーへの問い合わせ、"
                                            "または分析によって確認してください。") +
                             QString::fromUtf8(kFictional);
        if (!WritePdf(text, names[i], out.filePath(ids[i] + QStringLiteral(".pdf"))))
            return 1;
    }
    return 0;
}
