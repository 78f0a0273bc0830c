#include "data/list_export.h"

#include "platform/atomic_file.h"

namespace solario {

namespace {

// The text starts a formula: after any apostrophes, one of = + - @, a tab or a CR.
bool StartsFormula(const QString& text, qsizetype& apostrophes) {
    apostrophes = 0;
    while (apostrophes < text.size() && text.at(apostrophes) == u'\'')
        ++apostrophes;
    return apostrophes < text.size() &&
           QStringView(u"=+-@\t\r").contains(text.at(apostrophes));
}

QString Quoted(const QString& text, QChar separator) {
    const QString field = SpreadsheetText(text);
    if (!field.contains(separator) && !field.contains(u'"') && !field.contains(u'\r') &&
        !field.contains(u'\n'))
        return field;
    QString quoted = field;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString Line(const QStringList& fields, QChar separator) {
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += separator;
        line += Quoted(fields[i], separator);
    }
    return line + QStringLiteral("\r\n");
}

QStringList RowFields(const KeyedRecordset& list, const ExportColumns& columns, qint32 row) {
    QStringList fields;
    fields.reserve(columns.fields.size());
    for (int field : columns.fields)
        fields.append(list.ValueText(row, field));
    return fields;
}

} // namespace

QString SpreadsheetText(const QString& text) {
    qsizetype apostrophes = 0;
    return StartsFormula(text, apostrophes) ? u'\'' + text : text;
}

QString FromSpreadsheetText(const QString& field) {
    qsizetype apostrophes = 0;
    return StartsFormula(field, apostrophes) && apostrophes > 0 ? field.mid(1) : field;
}

QString CsvLine(const QStringList& fields) {
    return Line(fields, u',');
}

Status WriteListCsv(const KeyedRecordset& list, const ExportColumns& columns, const QString& path) {
    AtomicFile file(path);
    if (Status s = file.Begin(); !s)
        return s;
    QByteArray block = QByteArrayLiteral("\xEF\xBB\xBF") + CsvLine(columns.headings).toUtf8();
    const Status read = list.ForEachRow(columns.fields, [&](const QStringList& fields) {
        block += CsvLine(fields).toUtf8();
        // Written in blocks: a million rows never sit in memory at once.
        if (block.size() >= (1 << 20)) {
            file.write(block);
            block.clear();
        }
        return true;
    });
    if (!read)
        return Failure{read.error()};
    file.write(block);
    return file.Commit();
}

QString ListRowsAsTsv(const KeyedRecordset& list, const ExportColumns& columns,
                      const QList<qint32>& rows) {
    QString text = Line(columns.headings, u'\t');
    for (qint32 r : rows)
        text += Line(RowFields(list, columns, r), u'\t');
    return text;
}

} // namespace solario
