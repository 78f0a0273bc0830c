#include "tools/data_exchange.h"

#include "data/app_state.h"
#include "data/database.h"
#include "data/field_catalogue.h"
#include "data/list_export.h"
#include "data/query_builders.h"
#include "platform/atomic_file.h"
#include "platform/statement.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sqlite3.h>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

namespace solario::exchange {

// ---------------------------------------------------------------------------------------
// Reading CSV

CsvReader::CsvReader(QIODevice& device, TextEncoding encoding, qint64 blockBytes)
    : device_(device), decoder_(TextCodecName(encoding)), blockBytes_(qMax<qint64>(1, blockBytes)) {
}

bool CsvReader::Peek(char16_t& c) {
    while (pos_ >= buffer_.size()) {
        const QByteArray block = device_.read(blockBytes_);
        if (block.isEmpty())
            return false;
        buffer_ = decoder_.decode(block);
        pos_ = 0;
        if (!started_ && !buffer_.isEmpty()) {
            started_ = true;
            if (buffer_.front() == QChar(0xFEFF))
                pos_ = 1;
        }
    }
    c = buffer_.at(pos_).unicode();
    return true;
}

void CsvReader::Take() {
    ++pos_;
}

bool CsvReader::Next(CsvRecord& record) {
    record.fields.clear();
    record.error.clear();
    char16_t c = 0;
    if (!Peek(c))
        return false;
    record.line = line_;
    enum class State { FieldStart, Unquoted, Quoted, AfterQuote } state = State::FieldStart;
    CsvField field;
    // A record ends at CR LF, LF or a lone CR; each counts as one line.
    auto endOfLine = [this] {
        char16_t first = 0;
        Peek(first);
        Take();
        char16_t next = 0;
        if (first == u'\r' && Peek(next) && next == u'\n')
            Take();
        ++line_;
    };
    // Outside quotes a comma ends the field and a line break the record.
    enum class Boundary { None, Field, Record };
    auto boundary = [&](char16_t ch) {
        if (ch == u',') {
            Take();
            record.fields.append(field);
            field = CsvField();
            state = State::FieldStart;
            return Boundary::Field;
        }
        if (ch == u'\r' || ch == u'\n') {
            endOfLine();
            record.fields.append(field);
            return Boundary::Record;
        }
        return Boundary::None;
    };
    while (true) {
        if (!Peek(c)) {
            if (state == State::Quoted)
                record.error = u"引用符が閉じられないまま、ファイルが終わっています"_s;
            record.fields.append(field);
            return true;
        }
        switch (state) {
        case State::FieldStart:
            if (c == u'"') {
                Take();
                field.quoted = true;
                state = State::Quoted;
            } else {
                state = State::Unquoted;
            }
            break;
        case State::Unquoted:
            if (const Boundary b = boundary(c); b == Boundary::Record)
                return true;
            else if (b == Boundary::None) {
                field.text += QChar(c);
                Take();
            }
            break;
        case State::Quoted:
            Take();
            if (c == u'"') {
                state = State::AfterQuote;
                break;
            }
            field.text += QChar(c);
            if (c == u'\n') {
                ++line_;
            } else if (c == u'\r') {
                char16_t next = 0;
                if (!Peek(next) || next != u'\n')
                    ++line_;
            }
            break;
        case State::AfterQuote:
            if (c == u'"') {
                Take();
                field.text += QChar(u'"');
                state = State::Quoted;
            } else if (const Boundary b = boundary(c); b == Boundary::Record) {
                return true;
            } else if (b == Boundary::None) {
                // Not CSV; the rest of the field is kept so the row can be shown and refused.
                if (record.error.isEmpty())
                    record.error = u"引用符で囲んだ値の後に、区切りのない文字があります"_s;
                field.text += QChar(c);
                Take();
                state = State::Unquoted;
            }
            break;
        }
    }
}

Result<TextEncoding> DetectFileEncoding(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{u"ファイルを開けません: "_s + QDir::toNativeSeparators(path) + u"（"_s +
                       file.errorString() + u"）"_s};
    const QByteArray head = file.peek(1 << 16);
    const TextEncoding marked = DetectTextEncoding(head.left(3));
    if (marked == TextEncoding::Utf16LE || marked == TextEncoding::Utf16BE ||
        head.startsWith("\xEF\xBB\xBF"))
        return marked;
    // Without its mark UTF-16 shows its commas as a comma and a NUL byte; a NUL inside a
    // value of UTF-8 or Shift_JIS text is a fault of that row alone.
    if (head.contains(QByteArray(",\0", 2)) || head.contains(QByteArray("\0,", 2)))
        return Failure{QDir::toNativeSeparators(path) +
                       u": 文字コードが UTF-8 でも Shift_JIS でもありません（UTF-16 なら BOM 付きで"
                       u"保存してください）"_s};
    QStringDecoder probe(QStringConverter::Utf8);
    while (!file.atEnd()) {
        const QString part = probe.decode(file.read(1 << 20));
        if (probe.hasError())
            return TextEncoding::ShiftJis;
    }
    return TextEncoding::Utf8;
}

// ---------------------------------------------------------------------------------------
// The tables

QString EncodingName(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8:
        return u"UTF-8"_s;
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE:
        return u"UTF-16"_s;
    default:
        return u"Shift_JIS"_s;
    }
}

QString TableFileName(const QString& table) {
    return table + u".csv"_s;
}

const QStringList& ExchangedTables() {
    static const QStringList tables = {kContainingTable, kNonContainingTable, kMaterialTable};
    return tables;
}

QString RejectionText(const Rejection& r) {
    QString text = r.file + u':' + QString::number(r.line) + u": "_s;
    if (!r.column.isEmpty())
        text += r.column + u": "_s;
    return text + r.reason;
}

namespace {

// What a column accepts, and how its value is stored.
enum class Rule {
    Text,        // any text; NULL when the field is empty without quotes
    Key,         // a text, not empty, once in the table
    OptionalKey, // a text once in the table when not empty (the unused ID of a table)
    Name,        // a general name, not empty, once in the table
    ProductName, // a general name of the asbestos-containing materials
    Year,        // a whole year, four digits or 0
    Number,      // any number
    YesNo,       // yes/no in a spreadsheet's forms; empty is no
    Occurs,      // yes or empty: a general name's usage, NULL when it does not occur
};

QList<Rule> RulesOf(const QString& table) {
    QList<Rule> rules;
    if (table == kMaterialTable) {
        AppState s;
        InitFieldCatalogue(s);
        for (int i = 0; i < s.FieldCount; ++i) {
            const QString& name = s.FieldNames[size_t(i)];
            const QString& kind = s.FieldKinds[size_t(i)];
            if (name == u"ID")
                rules.append(Rule::Key);
            else if (name == u"建材名（一般名）")
                rules.append(Rule::ProductName);
            else if (name == u"製造開始" || name == u"製造終了")
                rules.append(Rule::Year);
            else if (kind == kKindNumber)
                rules.append(Rule::Number);
            else if (kind == kKindYesNo)
                rules.append(Rule::YesNo);
            else
                rules.append(Rule::Text);
        }
    } else {
        rules = {Rule::Name, table == kContainingTable ? Rule::Key : Rule::OptionalKey};
        for (qsizetype i = 0; i < GeneralNamePartColumns().size(); ++i)
            rules.append(Rule::Number);
        for (qsizetype i = 0; i < GeneralNameUsageColumns().size(); ++i)
            rules.append(Rule::Occurs);
    }
    return rules;
}

struct Cell {
    enum class Kind { Null, Integer, Real, Text } kind = Kind::Null;
    qint64 integer = 0;
    double real = 0;
    QString text;
};

QString Shown(const QString& value) {
    constexpr qsizetype kShown = 40;
    return u"「"_s + (value.size() > kShown ? value.left(kShown) + u"…"_s : value) + u"」"_s;
}

QString Trimmed(const QString& text) {
    qsizetype begin = 0, end = text.size();
    while (begin < end && (text[begin] == u' ' || text[begin] == u'\t'))
        ++begin;
    while (end > begin && (text[end - 1] == u' ' || text[end - 1] == u'\t'))
        --end;
    return text.mid(begin, end - begin);
}

// A number as written in a file; false when it is none.
bool ParseNumber(const QString& text, Cell& cell) {
    bool ok = false;
    const qint64 whole = text.toLongLong(&ok);
    if (ok) {
        cell.kind = Cell::Kind::Integer;
        cell.integer = whole;
        return true;
    }
    const double real = text.toDouble(&ok);
    if (!ok || !std::isfinite(real))
        return false;
    // Exports write whole numbers of floating columns with a fraction ("1990.0").
    if (real == std::floor(real) && std::fabs(real) < 9.0e15) {
        cell.kind = Cell::Kind::Integer;
        cell.integer = qint64(real);
    } else {
        cell.kind = Cell::Kind::Real;
        cell.real = real;
    }
    return true;
}

enum class Truth { Yes, No, Unknown };

Truth ParseYesNo(const QString& trimmed) {
    static const QStringList yes = {u"1"_s, u"-1"_s, u"true"_s, u"yes"_s, u"○"_s};
    static const QStringList no = {u"0"_s, u"false"_s, u"no"_s, QString()};
    if (yes.contains(trimmed, Qt::CaseInsensitive))
        return Truth::Yes;
    if (no.contains(trimmed, Qt::CaseInsensitive))
        return Truth::No;
    return Truth::Unknown;
}

QString ControlCharacterIn(const QString& text) {
    for (QChar c : text)
        if ((c.unicode() < 0x20 && c != u'\t' && c != u'\r' && c != u'\n') || c.unicode() == 0x7F)
            return u"制御文字（U+%1）を含んでいます"_s.arg(c.unicode(), 4, 16, QChar(u'0'))
                .toUpper();
    return QString();
}

// The checks of one table's file as it is read.
struct TableCheck {
    QList<Rule> rules;
    QHash<QString, qint64> keys; // key or name → line it was first accepted on
    QHash<QString, qint64> names;
    const QSet<QString>* containingNames = nullptr; // for the product table
};

// Checks one field into a cell; the reason it is refused, or an empty text. A text
// written for spreadsheets (SpreadsheetText) is read back as it was.
QString CheckField(Rule rule, const CsvField& written, const TableCheck& check, Cell& cell) {
    cell = Cell();
    CsvField field = written;
    if (rule == Rule::Text || rule == Rule::Key || rule == Rule::OptionalKey ||
        rule == Rule::Name || rule == Rule::ProductName)
        field.text = FromSpreadsheetText(written.text);
    if (const QString control = ControlCharacterIn(field.text); !control.isEmpty())
        return control;
    switch (rule) {
    case Rule::Text:
        if (!field.text.isEmpty() || field.quoted) {
            cell.kind = Cell::Kind::Text;
            cell.text = field.text;
        }
        return QString();
    case Rule::Key:
    case Rule::OptionalKey:
    case Rule::Name:
    case Rule::ProductName: {
        if (field.text.isEmpty()) {
            if (rule == Rule::OptionalKey) {
                if (field.quoted)
                    cell.kind = Cell::Kind::Text;
                return QString();
            }
            return rule == Rule::Key ? u"ID が空です"_s : u"一般名が空です"_s;
        }
        cell.kind = Cell::Kind::Text;
        cell.text = field.text;
        const QHash<QString, qint64>& seen = rule == Rule::Name ? check.names : check.keys;
        if (rule != Rule::ProductName && seen.contains(field.text))
            return (rule == Rule::Name ? u"一般名"_s : u"ID"_s) + Shown(field.text) + u"は "_s +
                   QString::number(seen.value(field.text)) + u" 行目と重複しています"_s;
        if (rule == Rule::ProductName && check.containingNames &&
            !check.containingNames->contains(field.text))
            return u"一般名"_s + Shown(field.text) + u"が "_s + kContainingTable +
                   u" にありません"_s;
        return QString();
    }
    case Rule::Year:
    case Rule::Number: {
        const QString text = Trimmed(field.text);
        if (text.isEmpty())
            return QString();
        if (!ParseNumber(text, cell))
            return u"数値として読めません（"_s + Shown(field.text) + u"）"_s;
        if (rule == Rule::Year) {
            if (cell.kind != Cell::Kind::Integer)
                return u"年は整数で書いてください（"_s + Shown(field.text) + u"）"_s;
            if (cell.integer != 0 && (cell.integer < 1000 || cell.integer > 9999))
                return u"年は西暦4桁か 0 で書いてください（"_s + Shown(field.text) + u"）"_s;
        }
        return QString();
    }
    case Rule::YesNo:
    case Rule::Occurs: {
        const Truth truth = ParseYesNo(Trimmed(field.text));
        if (truth == Truth::Unknown)
            return u"はい・いいえとして読めません（"_s + Shown(field.text) +
                   u"）。1/0、-1、True/False、Yes/No、○/空欄のどれかで書いてください"_s;
        if (rule == Rule::Occurs) {
            // The searches take any value here as "occurs"; a written "no" would read as yes.
            if (truth == Truth::No && !Trimmed(field.text).isEmpty())
                return u"この列は、当てはまるときに 1 か ○ を書き、当てはまらないときは空欄にします（"_s +
                       Shown(field.text) + u"）"_s;
            if (truth == Truth::Yes) {
                cell.kind = Cell::Kind::Integer;
                cell.integer = 1;
            }
            return QString();
        }
        cell.kind = Cell::Kind::Integer;
        cell.integer = truth == Truth::Yes ? 1 : 0;
        return QString();
    }
    }
    return QString();
}

QString Quoted(const QString& name) {
    return u'"' + name + u'"';
}

// An SQLite database being written or read, closed when it goes.
struct Database {
    sqlite3* db = nullptr;
    ~Database() { Close(); }
    void Close() {
        sqlite3_close(db);
        db = nullptr;
    }
    Status Exec(const QString& sql) {
        char* error = nullptr;
        if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
            sqlite3_free(error);
            return Failure{EngineText(db)};
        }
        return {};
    }
};

Status Bind(sqlite3* db, sqlite3_stmt* st, int index, const Cell& cell) {
    int rc = SQLITE_OK;
    switch (cell.kind) {
    case Cell::Kind::Null:
        rc = sqlite3_bind_null(st, index);
        break;
    case Cell::Kind::Integer:
        rc = sqlite3_bind_int64(st, index, cell.integer);
        break;
    case Cell::Kind::Real:
        rc = sqlite3_bind_double(st, index, cell.real);
        break;
    case Cell::Kind::Text:
        rc = BindText(st, index, cell.text);
        break;
    }
    return rc == SQLITE_OK ? Status() : Status(Failure{EngineText(db)});
}

// What looks like IDs that lost their leading zeros: IDs of digits of differing lengths
// where some start with 0 (a spreadsheet took them for numbers), and general-name IDs of
// one digit, which no longer name their documents (01.pdf … 41.pdf).
QStringList IdDoubts(const QStringList& ids, bool generalNames) {
    QStringList doubts;
    static const QRegularExpression digits(u"^[0-9]+$"_s);
    QMap<qsizetype, QString> byLength; // length → an example
    bool padded = false;
    for (const QString& id : ids) {
        if (!digits.match(id).hasMatch())
            continue;
        byLength.insert(id.size(), id);
        padded = padded || (id.size() > 1 && id.startsWith(u'0'));
    }
    if (padded && byLength.size() > 1) {
        QStringList examples;
        for (auto it = byLength.cbegin(); it != byLength.cend(); ++it)
            examples.append(u"%1 桁（「%2」など）"_s.arg(it.key()).arg(it.value()));
        doubts.append(u"ID の桁数がそろっていません: "_s + examples.join(u"、"_s) +
                      u"。表計算ソフトで先頭の 0 が落ちていないか確かめてください"_s);
    }
    if (generalNames && byLength.contains(1))
        doubts.append(u"一般名の ID「"_s + byLength.value(1) +
                      u"」は 1 桁です。一般名ごとの資料（01.pdf など）の名前と合いません。先頭の 0 "
                      u"が落ちていないか確かめてください"_s);
    return doubts;
}

// Reads one table's file into the open database.
Status ImportTable(Database& w, const QString& folder, const QString& table, TableCheck& check,
                   const ImportOptions& options, ImportSummary& summary, QSet<QString>* namesOut) {
    TableCount count;
    count.table = table;
    count.file = TableFileName(table);
    const QString path = QDir(folder).filePath(count.file);
    if (!QFileInfo(path).isFile())
        return Failure{u"ファイルがありません: "_s + QDir::toNativeSeparators(path)};
    const Result<TextEncoding> encoding = DetectFileEncoding(path);
    if (!encoding)
        return Failure{encoding.error()};
    count.encoding = encoding.value();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{u"ファイルを開けません: "_s + QDir::toNativeSeparators(path) + u"（"_s +
                       file.errorString() + u"）"_s};
    CsvReader reader(file, count.encoding);
    CsvRecord record;
    if (!reader.Next(record))
        return Failure{count.file + u": 見出しの行がありません"_s};

    // The heading names the columns; their order is the file's own.
    const QStringList columns = MaterialTableColumns(table);
    QList<int> target; // file field → table column, or -1 for a column the program has not
    for (const CsvField& heading : record.fields) {
        const QString name = heading.text;
        const int at = int(columns.indexOf(name));
        if (at >= 0 && target.contains(at))
            return Failure{count.file + u":1: 見出しに列「"_s + name + u"」が二度あります"_s};
        if (at < 0)
            count.ignoredColumns.append(name);
        target.append(at);
    }
    QStringList missing;
    for (int i = 0; i < columns.size(); ++i)
        if (!target.contains(i))
            missing.append(columns[i]);
    if (!missing.isEmpty())
        return Failure{count.file + u":1: 見出しに次の列がありません: "_s + missing.join(u"、"_s)};

    QStringList marks;
    for (int i = 0; i < columns.size(); ++i)
        marks.append(u"?"_s);
    QStringList quotedColumns;
    for (const QString& c : columns)
        quotedColumns.append(Quoted(c));
    Statement insert;
    if (Status s = Prepare(w.db,
                           u"INSERT INTO "_s + Quoted(table) + u" ("_s + quotedColumns.join(u',') +
                               u") VALUES ("_s + marks.join(u',') + u')',
                           insert);
        !s)
        return s;

    std::vector<Cell> cells(size_t(columns.size()));
    while (reader.Next(record)) {
        const bool blank =
            std::all_of(record.fields.begin(), record.fields.end(),
                        [](const CsvField& f) { return f.text.isEmpty() && !f.quoted; });
        if (blank && record.error.isEmpty()) {
            ++count.blankLines;
            continue;
        }
        QList<Rejection> faults;
        auto fault = [&](const QString& column, const QString& reason) {
            faults.append({count.file, record.line, column, reason});
        };
        if (!record.error.isEmpty())
            fault(QString(), record.error);
        else if (record.fields.size() != target.size())
            fault(QString(),
                  u"列の数が見出しと違います（見出し %1 列、この行 %2 列）"_s.arg(target.size())
                      .arg(record.fields.size()));
        else
            for (qsizetype f = 0; f < record.fields.size(); ++f) {
                const int column = target[f];
                if (column < 0)
                    continue;
                const QString reason =
                    CheckField(check.rules[column], record.fields[f], check, cells[size_t(column)]);
                if (!reason.isEmpty())
                    fault(columns[column], reason);
            }
        if (!faults.isEmpty()) {
            ++count.rejected;
            ++summary.rejected;
            for (const Rejection& r : faults)
                if (options.rejected)
                    options.rejected(r);
            if (options.strict)
                return Failure{u"取り込みを中止しました（--strict）: "_s +
                               RejectionText(faults.front())};
            continue;
        }
        for (int column = 0; column < columns.size(); ++column) {
            const Cell& cell = cells[size_t(column)];
            if (cell.kind != Cell::Kind::Text)
                continue;
            const Rule rule = check.rules[column];
            if (rule == Rule::Key || (rule == Rule::OptionalKey && !cell.text.isEmpty()))
                check.keys.insert(cell.text, record.line);
            else if (rule == Rule::Name)
                check.names.insert(cell.text, record.line);
        }
        for (int column = 0; column < columns.size(); ++column)
            if (Status s = Bind(w.db, insert.stmt, column + 1, cells[size_t(column)]); !s)
                return s;
        if (sqlite3_step(insert.stmt) != SQLITE_DONE)
            return Failure{EngineText(w.db)};
        sqlite3_reset(insert.stmt);
        if (++count.rows % 10000 == 0 && options.progress)
            options.progress(count.file, count.rows);
    }
    if (reader.DecodingFailed())
        return Failure{count.file + u": "_s + EncodingName(count.encoding) +
                       u" として読めない文字があります。文字コードが UTF-8 でも Shift_JIS でもありません。"
                       u"UTF-8 か Shift_JIS で保存してください"_s};
    // IDs a spreadsheet may have taken for numbers and dropped the zeros of.
    for (const QString& doubt : IdDoubts(check.keys.keys(), table == kContainingTable)) {
        const Warning warning{count.file, doubt};
        summary.warnings.append(warning);
        if (options.warned)
            options.warned(warning);
        if (options.strict)
            return Failure{u"取り込みを中止しました（--strict）: "_s + count.file + u": "_s + doubt};
    }
    if (namesOut)
        for (auto it = check.names.cbegin(); it != check.names.cend(); ++it)
            namesOut->insert(it.key());
    summary.tables.append(count);
    return {};
}

Status WriteMetadata(Database& w, const QList<std::pair<QString, QString>>& rows) {
    if (Status s = w.Exec(kCreateMetadataTable); !s)
        return s;
    Statement insert;
    if (Status s = Prepare(w.db, u"INSERT INTO "_s + kMetadataTable + u" VALUES (?, ?)"_s, insert);
        !s)
        return s;
    for (const auto& [key, value] : rows) {
        Cell k, v;
        k.kind = v.kind = Cell::Kind::Text;
        k.text = key;
        v.text = value;
        if (Status s = Bind(w.db, insert.stmt, 1, k); !s)
            return s;
        if (Status s = Bind(w.db, insert.stmt, 2, v); !s)
            return s;
        if (sqlite3_step(insert.stmt) != SQLITE_DONE)
            return Failure{EngineText(w.db)};
        sqlite3_reset(insert.stmt);
    }
    return {};
}

Status CheckWritten(Database& w, const ImportSummary& summary) {
    Statement integrity;
    if (Status s = Prepare(w.db, u"PRAGMA integrity_check"_s, integrity); !s)
        return s;
    if (sqlite3_step(integrity.stmt) != SQLITE_ROW ||
        ColumnValue(integrity.stmt, 0).ToText() != u"ok")
        return Failure{u"書き上げたデータベースの検査に失敗しました"_s};
    for (const TableCount& count : summary.tables) {
        Statement rows;
        if (Status s = Prepare(w.db, u"SELECT count(*) FROM "_s + Quoted(count.table), rows); !s)
            return s;
        if (sqlite3_step(rows.stmt) != SQLITE_ROW ||
            sqlite3_column_int64(rows.stmt, 0) != count.rows)
            return Failure{u"書き上げたデータベースの行数が合いません: "_s + count.table};
    }
    return {};
}

// Removes the partly written file unless the import went through.
struct PartialFile {
    QString path;
    bool keep = false;
    std::function<void(const QString&)> told; // told when the file is gone or in place
    ~PartialFile() {
        if (!keep && !path.isEmpty()) {
            QFile::remove(path);
            QFile::remove(path + u"-journal"_s);
        }
        if (told)
            told(QString());
    }
};

bool IsSqliteFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(16) == QByteArray("SQLite format 3\0", 16);
}

// The same file, by its real path (links resolved) and, where there are any, by its
// device and inode (hard links).
bool SameFile(const QFileInfo& a, const QFileInfo& b) {
    if (!a.exists() || !b.exists())
        return false;
    if (a.canonicalFilePath() == b.canonicalFilePath())
        return true;
#ifdef Q_OS_UNIX
    struct stat sa{}, sb{};
    return ::stat(QFile::encodeName(a.absoluteFilePath()).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b.absoluteFilePath()).constData(), &sb) == 0 &&
           sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
#else
    return false;
#endif
}

// A target that is no database, or one of the files the import reads, is never replaced.
Status CheckTarget(const QString& folder, const QFileInfo& target) {
    for (const QString& table : ExchangedTables())
        if (SameFile(target, QFileInfo(QDir(folder).filePath(TableFileName(table)))))
            return Failure{u"書き出し先が取り込むファイルそのものです: "_s +
                           QDir::toNativeSeparators(target.absoluteFilePath()) +
                           u"。別の名前（例: app.db）を指定してください"_s};
    if (target.exists() && (!target.isFile() || !IsSqliteFile(target.absoluteFilePath())))
        return Failure{u"書き出し先にデータベースではないファイルがあります: "_s +
                       QDir::toNativeSeparators(target.absoluteFilePath()) +
                       u"。置き換えてよいデータベースか、まだないファイルを指定してください"_s};
    return {};
}

} // namespace

Status ImportDatabase(const QString& folder, const QString& target, const ImportOptions& options,
                      ImportSummary& summary) {
    summary = ImportSummary();
    const QString edition = options.edition.trimmed();
    if (edition.isEmpty())
        return Failure{u"データの版（--edition）を指定してください"_s};
    if (!QFileInfo(folder).isDir())
        return Failure{u"フォルダがありません: "_s + QDir::toNativeSeparators(folder)};
    const QFileInfo targetInfo(target);
    if (targetInfo.isDir())
        return Failure{u"書き出し先がフォルダです: "_s + QDir::toNativeSeparators(target)};
    if (!targetInfo.absoluteDir().exists())
        return Failure{u"書き出し先のフォルダがありません: "_s +
                       QDir::toNativeSeparators(targetInfo.absolutePath())};
    if (Status s = CheckTarget(folder, targetInfo); !s)
        return s;
    RemoveStaleTemporaryFiles(targetInfo.absolutePath(), kImportingMarker);

    // Built beside the target under a name of its own, and put in its place only when
    // complete and checked.
    PartialFile partial{targetInfo.absoluteFilePath() + kImportingMarker +
                        QString::number(QCoreApplication::applicationPid()),
                        false, options.temporaryFile};
    QFile::remove(partial.path);
    if (options.temporaryFile)
        options.temporaryFile(partial.path);
    Database w;
    if (sqlite3_open_v2(QDir::toNativeSeparators(partial.path).toUtf8().constData(), &w.db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        return Failure{u"データベースを作成できません: "_s +
                       QDir::toNativeSeparators(partial.path) + u"（"_s + EngineText(w.db) +
                       u"）"_s};
    // No journal while building: the file is not in use until it is renamed into place,
    // and a failed build is thrown away whole. What remains is a rollback-journal file.
    for (const QString& pragma :
         {u"PRAGMA journal_mode=OFF"_s, u"PRAGMA cache_size=-65536"_s, u"BEGIN"_s})
        if (Status s = w.Exec(pragma); !s)
            return s;
    for (const QString& table : ExchangedTables())
        if (Status s = w.Exec(CreateMaterialTableSql(table)); !s)
            return s;

    QSet<QString> containingNames;
    for (const QString& table : ExchangedTables()) {
        TableCheck check;
        check.rules = RulesOf(table);
        check.containingNames = &containingNames;
        if (Status s = ImportTable(w, folder, table, check, options, summary,
                                   table == kContainingTable ? &containingNames : nullptr);
            !s)
            return s;
    }

    // A table that came out empty (a file of headings only) would replace working data
    // with none.
    for (const TableCount& count : summary.tables)
        if (count.rows == 0 && !options.allowEmpty)
            return Failure{count.file + u": 取り込める行がありません。空のまま取り込むときは "_s
                                        u"--allow-empty を付けてください"_s};
    const QDate date = options.date.isValid() ? options.date : QDate::currentDate();
    if (Status s = WriteMetadata(
            w, {{kMetadataEdition, edition}, {kMetadataImported, date.toString(Qt::ISODate)}});
        !s)
        return s;
    if (options.progress)
        options.progress(u"索引を作成しています"_s, -1);
    for (const QString& index : MaterialIndexStatements())
        if (Status s = w.Exec(index); !s)
            return s;
    if (Status s = w.Exec(u"COMMIT"_s); !s)
        return s;

    // The finished file is read back before it may replace anything.
    if (options.progress)
        options.progress(u"できあがったデータベースを検査しています"_s, -1);
    if (Status s = CheckWritten(w, summary); !s)
        return s;
    if (sqlite3_close(w.db) != SQLITE_OK)
        return Failure{EngineText(w.db)};
    w.db = nullptr;

    // The new file takes the permissions of the one it replaces.
    if (targetInfo.exists())
        QFile::setPermissions(partial.path, QFile::permissions(targetInfo.absoluteFilePath()));
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(partial.path.toStdU16String()),
                            std::filesystem::path(targetInfo.absoluteFilePath().toStdU16String()),
                            error);
    if (error)
        return Failure{u"データベースを置き換えられません: "_s +
                       QDir::toNativeSeparators(targetInfo.absoluteFilePath()) + u"（"_s +
                       FileErrorCause(error) + u"）"_s};
    partial.keep = true;
    return {};
}

// ---------------------------------------------------------------------------------------
// Writing CSV

namespace {

QString QuotedText(const QString& text) {
    QString quoted = text;
    quoted.replace(u'"', u"\"\""_s);
    return u'"' + quoted + u'"';
}

} // namespace

namespace {

std::filesystem::path FsPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

// Writes one table's file into the folder.
Status ExportTable(sqlite3* db, const QString& table, const QString& folder, TableCount& count) {
    count.table = table;
    count.file = TableFileName(table);
    const QStringList columns = MaterialTableColumns(table);
    QStringList quotedColumns;
    for (const QString& c : columns)
        quotedColumns.append(Quoted(c));
    Statement select;
    if (Status s = Prepare(db,
                           u"SELECT "_s + quotedColumns.join(u',') + u" FROM "_s + Quoted(table) +
                               u" ORDER BY _rowid_"_s,
                           select);
        !s)
        return Failure{table + u": "_s + s.error()};
    AtomicFile file(QDir(folder).filePath(count.file));
    if (Status s = file.Begin(); !s)
        return Failure{count.file + u": "_s + s.error()};
    QByteArray block = QByteArrayLiteral("\xEF\xBB\xBF") + CsvLine(columns).toUtf8();
    QString line;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(select.stmt)) == SQLITE_ROW) {
        line.clear();
        for (int c = 0; c < columns.size(); ++c) {
            if (c > 0)
                line += u',';
            switch (sqlite3_column_type(select.stmt, c)) {
            case SQLITE_NULL:
                break;
            case SQLITE_INTEGER:
                line += QString::number(sqlite3_column_int64(select.stmt, c));
                break;
            case SQLITE_FLOAT:
                line += QString::number(sqlite3_column_double(select.stmt, c), 'g',
                                        QLocale::FloatingPointShortest);
                break;
            case SQLITE_TEXT:
                line += QuotedText(SpreadsheetText(ColumnValue(select.stmt, c).ToText()));
                break;
            default:
                return Failure{table + u": 列「"_s + columns[c] +
                               u"」にバイナリの値があり、書き出せません"_s};
            }
        }
        line += u"\r\n"_s;
        block += line.toUtf8();
        ++count.rows;
        if (block.size() >= (1 << 20)) {
            file.write(block);
            block.clear();
        }
    }
    if (rc != SQLITE_DONE)
        return Failure{table + u": "_s + EngineText(db)};
    file.write(block);
    if (Status s = file.Commit(); !s)
        return Failure{count.file + u": "_s + s.error()};
    return {};
}

// Moves the written files from the staging folder into the folder, the old ones aside
// first; when a move fails, what was moved goes back, so the folder holds the old set
// or the new one, never a mix.
Status MoveIntoPlace(const QString& staging, const QString& folder, const QStringList& files) {
    // Only files are replaced: anything else of that name stays, and nothing moves.
    for (const QString& name : files) {
        const QFileInfo old(QDir(folder).filePath(name));
        if ((old.exists() || old.isSymLink()) && !old.isFile())
            return Failure{name + u": 置き換えられません（同じ名前のフォルダなど、ファイルではないもの"
                                  u"があります）"_s};
    }
    QStringList moved, setAside;
    auto undo = [&] {
        std::error_code ignored;
        for (const QString& name : moved)
            std::filesystem::rename(FsPath(QDir(folder).filePath(name)),
                                    FsPath(QDir(staging).filePath(name)), ignored);
        for (const QString& name : setAside)
            std::filesystem::rename(FsPath(QDir(staging).filePath(name + u".old"_s)),
                                    FsPath(QDir(folder).filePath(name)), ignored);
    };
    for (const QString& name : files) {
        std::error_code error;
        const QString old = QDir(folder).filePath(name);
        if (QFileInfo::exists(old)) {
            std::filesystem::rename(FsPath(old), FsPath(QDir(staging).filePath(name + u".old"_s)),
                                    error);
            if (error) {
                undo();
                return Failure{name + u": 置き換えられません（"_s + FileErrorCause(error) + u"）"_s};
            }
            setAside.append(name);
        }
        std::filesystem::rename(FsPath(QDir(staging).filePath(name)), FsPath(old), error);
        if (error) {
            undo();
            return Failure{name + u": 置き換えられません（"_s + FileErrorCause(error) + u"）"_s};
        }
        moved.append(name);
    }
    return {};
}

// Removes the staging folders that exports killed on the way left beside the folder.
void RemoveStaleStagingFolders(const QFileInfo& target) {
    const QDir parent = target.absoluteDir();
    const QRegularExpression ours(u"^"_s + QRegularExpression::escape(target.fileName()) +
                                  u"\\.exporting-(\\d+)$"_s);
    for (const QString& name : parent.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        const QRegularExpressionMatch m = ours.match(name);
        if (m.hasMatch() && !ProcessIsRunning(m.captured(1).toLongLong()))
            QDir(parent.filePath(name)).removeRecursively();
    }
}

} // namespace

Status ExportDatabase(const QString& database, const QString& folder, QList<TableCount>& counts) {
    counts.clear();
    if (!QFileInfo(database).isFile())
        return Failure{u"データベースがありません: "_s + QDir::toNativeSeparators(database)};
    const QFileInfo target(folder);
    if (target.exists() && !target.isDir())
        return Failure{u"書き出し先がフォルダではありません: "_s + QDir::toNativeSeparators(folder)};
    if (!target.absoluteDir().exists() && !QDir().mkpath(target.absolutePath()))
        return Failure{u"フォルダを作成できません: "_s +
                       QDir::toNativeSeparators(target.absolutePath())};
    Database r;
    if (sqlite3_open_v2(QDir::toNativeSeparators(database).toUtf8().constData(), &r.db,
                        SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        return Failure{u"データベースを開けません: "_s + QDir::toNativeSeparators(database) +
                       u"（"_s + EngineText(r.db) + u"）"_s};

    // The three files are written beside the folder first, and replace the old ones only
    // when all three are complete.
    RemoveStaleStagingFolders(target);
    const QString staging = target.absoluteFilePath() + u".exporting-"_s +
                            QString::number(QCoreApplication::applicationPid());
    QDir(staging).removeRecursively();
    if (!QDir().mkpath(staging))
        return Failure{u"作業用のフォルダを作成できません: "_s + QDir::toNativeSeparators(staging)};
    struct Staging {
        QString path;
        ~Staging() { QDir(path).removeRecursively(); }
    } cleanup{staging};
    QStringList files;
    for (const QString& table : ExchangedTables()) {
        TableCount count;
        if (Status s = ExportTable(r.db, table, staging, count); !s)
            return s;
        files.append(count.file);
        counts.append(count);
    }
    std::error_code error;
    if (!target.exists()) {
        // A new folder: the staging folder becomes it, whole.
        std::filesystem::rename(FsPath(staging), FsPath(target.absoluteFilePath()), error);
        if (error) {
            counts.clear();
            return Failure{QDir::toNativeSeparators(folder) + u": 作成できません（"_s +
                           FileErrorCause(error) + u"）"_s};
        }
        return {};
    }
    if (Status s = MoveIntoPlace(staging, target.absoluteFilePath(), files); !s) {
        counts.clear();
        return s;
    }
    return {};
}

} // namespace solario::exchange
