#pragma once

#include "platform/keyed_recordset.h"

#include <QList>
#include <QStringList>

namespace solario {

// The columns of a result list that leave the program, in the list's order: the fields
// (of the list's rows) and the heading each is written under.
struct ExportColumns {
    QList<int> fields;
    QStringList headings;
};

// A text as a spreadsheet must take it: one that a spreadsheet would run as a formula
// (it starts with =, +, -, @, a tab or a carriage return, after any apostrophes) gets one
// more apostrophe in front, which spreadsheets show as text and do not show. Every other
// text is kept as it is.
QString SpreadsheetText(const QString& text);
// Takes exactly that apostrophe off again, so that a text read back is the one written.
QString FromSpreadsheetText(const QString& field);

// One CSV line (RFC 4180): every field as SpreadsheetText writes it; a field holding a
// comma, a quote, CR or LF is quoted, its quotes doubled; the line ends in CR LF.
QString CsvLine(const QStringList& fields);

// Writes the heading line and every row of the list, in its order, as a CSV file that
// Japanese spreadsheets open as it is: UTF-8 with a byte-order mark, CR LF line ends.
// The file is written beside its place and renamed into it only when complete, so a
// failed write leaves no half file and any earlier file as it was.
Status WriteListCsv(const KeyedRecordset& list, const ExportColumns& columns, const QString& path);

// The heading line and the given rows (positions in the list, from 0) as tab-separated
// text for the clipboard: fields as SpreadsheetText writes them, and a field holding a
// tab, a quote, CR or LF is quoted as in CSV, which spreadsheets read back when pasting.
QString ListRowsAsTsv(const KeyedRecordset& list, const ExportColumns& columns,
                      const QList<qint32>& rows);

} // namespace solario
