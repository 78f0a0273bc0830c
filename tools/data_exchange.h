#pragma once

#include "platform/result.h"
#include "platform/text_encoding.h"

#include <QDate>
#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <functional>

// The material tables as CSV files, in and out: one file per table, named after it,
// a heading row of the table's column names, then one row per record.
//   - An empty field without quotes is NULL; "" (two quotes) is an empty text. Texts are
//     written quoted, numbers and yes/no values without.
//   - Yes/no columns are read in the forms spreadsheets and database exports write:
//     1/0, -1, True/False, Yes/No (any case), ○ or an empty field; stored as 1 and 0.
//   - Files are read as UTF-8 (with or without a byte-order mark) or Shift_JIS (CP932),
//     and written as UTF-8 with a byte-order mark and CR LF line ends.
namespace solario::exchange {

// One field of a CSV record; `quoted` tells "" (an empty text) from nothing (NULL).
struct CsvField {
    QString text;
    bool quoted = false;
};

struct CsvRecord {
    QList<CsvField> fields;
    qint64 line = 0; // line of the file on which the record begins, from 1
    QString error;   // why the record is malformed; empty when it is sound
};

// Reads RFC 4180 records (fields separated by commas, records by CR LF, LF or CR;
// quoted fields may hold any of them) from a device, decoding it block by block, so that
// a file of any size is read in little memory. A byte-order mark at the start is skipped.
class CsvReader {
public:
    CsvReader(QIODevice& device, TextEncoding encoding, qint64 blockBytes = 1 << 20);

    // The next record; false at the end of the file.
    bool Next(CsvRecord& record);
    // True when some bytes of the file were not text in its encoding.
    bool DecodingFailed() const { return decoder_.hasError(); }

private:
    bool Peek(char16_t& c);
    void Take();

    QIODevice& device_;
    QStringDecoder decoder_;
    qint64 blockBytes_;
    QString buffer_;
    qsizetype pos_ = 0;
    qint64 line_ = 1;
    bool started_ = false;
};

// The encoding of the file: UTF-8 when it starts with the byte-order mark or is valid
// UTF-8 throughout, Shift_JIS otherwise. Reads the file once, block by block.
Result<TextEncoding> DetectFileEncoding(const QString& path);

// "UTF-8" or "Shift_JIS", as the summary of an import names a file's encoding.
QString EncodingName(TextEncoding encoding);

// The file name of a material table: its name and ".csv".
QString TableFileName(const QString& table);
// The three material tables, in the order they are imported (the general-name tables
// first, as the products' general names are checked against them).
const QStringList& ExchangedTables();

// A row left out of an import, and why.
struct Rejection {
    QString file;   // the file's name
    qint64 line;    // the line the row begins on
    QString column; // the column at fault; empty when the row as a whole is
    QString reason;
};
// "file:line: column: reason", as compilers list faults.
QString RejectionText(const Rejection& r);

// A doubt about a table that does not keep a row out: IDs that look as if a spreadsheet
// dropped their leading zeros.
struct Warning {
    QString file;
    QString text;
};

struct ImportOptions {
    QString edition; // required: the data edition the program shows, e.g. "２０２６年１２月版"
    bool strict = false; // refuse the whole import on the first rejected row or warning
    bool allowEmpty = false; // a table without rows is imported (otherwise refused)
    QDate date;          // the import date recorded in the database
    // What is being done, now and then: a file and the rows read so far, or a step of its
    // own (rows -1).
    std::function<void(const QString& step, qint64 rows)> progress;
    std::function<void(const Rejection&)> rejected; // each, as found
    std::function<void(const Warning&)> warned;     // each, as found
    // The temporary file the database is being built in, once made; an empty text once
    // it is gone or in place. For removing it when the program is stopped by a signal.
    std::function<void(const QString& path)> temporaryFile;
};

// What was read of one table's file.
struct TableCount {
    QString table;
    QString file;
    TextEncoding encoding = TextEncoding::Utf8;
    qint64 rows = 0;       // rows stored
    qint64 rejected = 0;   // rows left out
    qint64 blankLines = 0; // lines without any value, skipped
    QStringList ignoredColumns;
};

struct ImportSummary {
    QList<TableCount> tables;
    qint64 rejected = 0;
    QList<Warning> warnings;
};

// The marker of an import's temporary file: "<target>.importing-<process id>".
inline const QString kImportingMarker = QStringLiteral(".importing-");

// Builds a material database at `target` from the three files in `folder`: every row is
// checked against the table's columns, the good rows are stored in file order with the
// indexes the searches use, the edition and the import date in the metadata. The new
// database is written beside the target and put in its place only when complete and
// checked, with the old file's permissions; on any failure the target is left as it was.
// Refused before anything is written: a target that exists and is no SQLite database, or
// that is one of the files read. A table without rows is refused unless allowEmpty.
// Temporary files of imports that were killed are removed from the target's folder.
Status ImportDatabase(const QString& folder, const QString& target, const ImportOptions& options,
                      ImportSummary& summary);

// Writes the three material tables of the database as files in `folder` (made when
// missing), in the same format, rows in stored order. The three are written into a
// folder of their own beside `folder` and moved into it only when all are complete: on
// any failure none of the files there is replaced, and the failure names the file and why.
Status ExportDatabase(const QString& database, const QString& folder, QList<TableCount>& counts);

} // namespace solario::exchange
