#include "platform/connection.h"

#include "platform/jet_functions.h"
#include "platform/jet_sql.h"
#include "platform/statement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QUrl>
#include <cstring>
#include <limits>
#include <sqlite3.h>

namespace solario {

FieldValue FieldValue::FromInteger(qint64 v) {
    FieldValue f;
    f.type_ = Type::Integer;
    f.integer_ = v;
    return f;
}

FieldValue FieldValue::FromReal(double v) {
    FieldValue f;
    f.type_ = Type::Real;
    f.real_ = v;
    return f;
}

FieldValue FieldValue::FromText(QString v) {
    FieldValue f;
    f.type_ = Type::Text;
    f.text_ = std::move(v);
    return f;
}

QString FieldValue::ToText() const {
    switch (type_) {
    case Type::Null:
        return QString();
    case Type::Integer:
        return QString::number(integer_);
    case Type::Real:
        return QString::number(real_, 'g', QLocale::FloatingPointShortest);
    case Type::Text:
        return text_;
    }
    return QString();
}

qint64 FieldValue::ToInteger() const {
    switch (type_) {
    case Type::Integer:
        return integer_;
    case Type::Real:
        return qint64(real_);
    case Type::Text:
        return text_.trimmed().toLongLong();
    case Type::Null:
        break;
    }
    return 0;
}

double FieldValue::ToReal() const {
    switch (type_) {
    case Type::Integer:
        return double(integer_);
    case Type::Real:
        return real_;
    case Type::Text:
        return text_.trimmed().toDouble();
    case Type::Null:
        break;
    }
    return 0;
}

QString EngineText(sqlite3* db) {
    if (!db)
        return QStringLiteral("メモリが不足しています。");
    const char* own = sqlite3_errmsg(db);
    QString what;
    switch (sqlite3_extended_errcode(db) & 0xFF) {
    case SQLITE_CANTOPEN:
        what = QStringLiteral("データベースファイルを開けません。");
        break;
    case SQLITE_NOTADB:
        what = QStringLiteral("このファイルはデータベースではありません。");
        break;
    case SQLITE_CORRUPT:
        what = QStringLiteral("データベースファイルが壊れています。");
        break;
    case SQLITE_PERM:
    case SQLITE_AUTH:
        what = QStringLiteral("データベースファイルへのアクセスが許可されていません。");
        break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        what = QStringLiteral("データベースファイルは他のプログラムが使用中です。");
        break;
    case SQLITE_IOERR:
        what = QStringLiteral("データベースファイルの読み書きに失敗しました。");
        break;
    case SQLITE_NOMEM:
        what = QStringLiteral("メモリが不足しています。");
        break;
    case SQLITE_READONLY:
        what = (sqlite3_extended_errcode(db) == SQLITE_READONLY_ROLLBACK ||
                sqlite3_extended_errcode(db) == SQLITE_READONLY_RECOVERY)
                   ? QStringLiteral("ほかのプログラムがこのデータベースに書き込んでいる途中で終わっています"
                                    "（書きかけの記録が残っています）。書き込んだプログラムで開き直してく"
                                    "ださい。")
                   : QStringLiteral("データベースは読み取り専用です。");
        break;
    case SQLITE_FULL:
        what = QStringLiteral("ディスクの空きが足りません。");
        break;
    case SQLITE_CONSTRAINT:
    case SQLITE_MISMATCH:
    case SQLITE_TOOBIG:
    case SQLITE_RANGE:
        what = QStringLiteral("データを書き込めません。");
        break;
    default:
        what = QStringLiteral("SQL 文を実行できません。");
        break;
    }
    return what + QStringLiteral("（") + QString::fromUtf8(own) + QStringLiteral("）");
}

namespace {

// Only one statement may run per call; a second one hidden in a text is refused.
bool OnlyBlanksLeft(const char* tail) {
    for (; tail && *tail; ++tail) {
        if (*tail != ' ' && *tail != '\t' && *tail != '\r' && *tail != '\n' && *tail != ';')
            return false;
    }
    return true;
}

} // namespace

Status Prepare(sqlite3* db, const QString& sql, Statement& st) {
    if (!db)
        return Failure{QStringLiteral("データベースに接続されていません。")};
    // SQLite ends a statement's text at a NUL: what follows would be dropped unseen.
    if (sql.contains(QChar(0)))
        return Failure{QStringLiteral("SQL 文に NUL 文字が含まれているため実行できません。")};
    const QByteArray utf8 = sql.toUtf8();
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &st.stmt, &tail) != SQLITE_OK)
        return Failure{EngineText(db)};
    if (!st.stmt)
        return Failure{QStringLiteral("SQL 文がありません。")};
    if (!OnlyBlanksLeft(tail))
        return Failure{QStringLiteral("SQL 文は一度にひとつしか実行できません。")};
    return {};
}

int BindText(sqlite3_stmt* stmt, int index, const QString& text) {
    // Bound as UTF-8: SQLite takes a UTF-16 text's leading U+FEFF or U+FFFE for a byte-order
    // mark, dropping it or reading the rest in the other byte order.
    const QByteArray utf8 = text.toUtf8();
    return sqlite3_bind_text(stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

QString TextFromEngine(const char* utf8, qsizetype bytes) {
    if (bytes >= 3 && std::memcmp(utf8, "\xEF\xBB\xBF", 3) == 0)
        return QChar(0xFEFF) + QString::fromUtf8(utf8 + 3, bytes - 3);
    return QString::fromUtf8(utf8, bytes);
}

Status PrepareJet(sqlite3* db, const QString& jetSql, Statement& st) {
    const Result<QString> sql = TranslateJetSql(jetSql);
    if (!sql)
        return Failure{sql.error()};
    return Prepare(db, sql.value(), st);
}

FieldValue ColumnValue(sqlite3_stmt* stmt, int column) {
    sqlite3_value* value = sqlite3_column_value(stmt, column);
    switch (sqlite3_value_type(value)) {
    case SQLITE_NULL:
        return FieldValue();
    case SQLITE_INTEGER:
        return FieldValue::FromInteger(sqlite3_value_int64(value));
    case SQLITE_FLOAT:
        return FieldValue::FromReal(sqlite3_value_double(value));
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
        const int bytes = sqlite3_value_bytes(value);
        if (!text || bytes == 0)
            return FieldValue::FromText(QStringLiteral(""));
        return FieldValue::FromText(TextFromEngine(text, qsizetype(bytes)));
    }
    }
}

Connection::Connection() = default;

Connection::~Connection() {
    Close();
}

Status Connection::Fail(const QString& context) const {
    QString message = EngineText(db_);
    if (!context.isEmpty())
        message += u'\r' + QDir::toNativeSeparators(context);
    return Failure{message};
}

Status Connection::Configure() {
    // Double-quoted strings are literals only through our translation, never by
    // SQLite's own fallback, which would silently read a misspelt column as a text.
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    if (RegisterJetFunctions(db_) != SQLITE_OK)
        return Fail(QString());
    return {};
}

namespace {

// True for a database file written in write-ahead-log mode (header bytes 18 and 19).
bool IsWalFile(const QString& filePath) {
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(20);
    return header.size() == 20 && header.startsWith("SQLite format 3") && header[18] == 2;
}

} // namespace

Status Connection::OpenReadOnly(const QString& filePath) {
    Close();
    // A rollback-journal file is read without writing anything beside it. A file in
    // write-ahead-log mode would make SQLite create -shm and -wal files beside it (and
    // fail in a read-only folder): when no log of unfinished changes lies beside it, the
    // file is all there is, and it is read as unchanging.
    QByteArray uri =
        QUrl::fromLocalFile(filePath).toString(QUrl::FullyEncoded).toUtf8() + "?mode=ro";
    if (IsWalFile(filePath) && QFileInfo(filePath + QStringLiteral("-wal")).size() == 0)
        uri += "&immutable=1";
    const int rc =
        sqlite3_open_v2(uri.constData(), &db_,
                        SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        Status failure = Fail(filePath);
        Close();
        return failure;
    }
    if (Status s = Configure(); !s) {
        Close();
        return s;
    }
    // SQLite reads the file lazily; read its schema now so that a file that is not a
    // database is refused here and not by the first search.
    Statement probe;
    Status s = Prepare(db_, QStringLiteral("SELECT count(*) FROM sqlite_master"), probe);
    if (s && sqlite3_step(probe.stmt) != SQLITE_ROW)
        s = Fail(QString());
    if (!s) {
        Failure failure{s.error() + u'\r' + QDir::toNativeSeparators(filePath)};
        Close();
        return failure;
    }
    return {};
}

Status Connection::OpenScratch() {
    Close();
    if (sqlite3_open_v2(":memory:", &db_,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
        Status failure = Fail(QString());
        Close();
        return failure;
    }
    if (Status s = Configure(); !s) {
        Close();
        return s;
    }
    return {};
}

void Connection::Close() {
    if (db_) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

Status Connection::Execute(const QString& jetSql) {
    const Result<QString> sql = TranslateJetSql(jetSql);
    if (!sql)
        return Failure{sql.error()};
    return ExecuteBound(sql.value(), {});
}

Status Connection::ExecuteBound(const QString& sql, const QStringList& values) {
    Statement st;
    if (Status s = Prepare(db_, sql, st); !s)
        return s;
    if (sqlite3_bind_parameter_count(st.stmt) != values.size())
        return Failure{QStringLiteral("SQL 文の値の数が合いません。（") + sql +
                       QStringLiteral("）")};
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (BindText(st.stmt, int(i + 1), values[i]) != SQLITE_OK)
            return Fail(QString());
    }
    int rc;
    while ((rc = sqlite3_step(st.stmt)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE)
        return Fail(QString());
    return {};
}

Recordset::Recordset() = default;
Recordset::~Recordset() = default;

void Recordset::Clear() {
    rows_ = 0;
    position_ = 0;
    names_.clear();
    decltype(cells_)().swap(cells_); // the memory goes too, not only the cells
    chunks_.clear();
    chunkSizes_.clear();
    chunkUsed_ = 0;
}

void Recordset::Close() {
    Clear();
    open_ = false;
}

char* Recordset::Reserve(std::size_t bytes) {
    if (chunks_.empty() || chunkUsed_ + bytes > chunkSizes_.back()) {
        const std::size_t size = bytes > kChunkBytes ? bytes : kChunkBytes;
        chunks_.push_back(std::make_unique_for_overwrite<char[]>(size));
        chunkSizes_.push_back(size);
        chunkUsed_ = 0;
    }
    return chunks_.back().get() + chunkUsed_;
}

Recordset::Cell Recordset::Commit(FieldValue::Type type, std::size_t bytes) {
    Cell cell{0, std::uint32_t(bytes << 2) | std::uint32_t(type)};
    if (bytes == 0)
        return cell;
    cell.ref = std::uint32_t((chunks_.size() - 1) << kOffsetBits) | std::uint32_t(chunkUsed_);
    chunkUsed_ += bytes;
    return cell;
}

Recordset::Cell Recordset::Store(FieldValue::Type type, const void* data, std::size_t bytes) {
    if (bytes != 0)
        std::memcpy(Reserve(bytes), data, bytes);
    return Commit(type, bytes);
}

const char* Recordset::Data(const Cell& cell) const {
    return chunks_[cell.ref >> kOffsetBits].get() + (cell.ref & (kChunkBytes - 1));
}

Status Recordset::Open(const QString& jetSql, Connection& connection) {
    Close();
    source_ = jetSql;
    connection_ = &connection;
    Statement st;
    if (Status s = PrepareJet(connection.Handle(), jetSql, st); !s)
        return s;
    const int columns = sqlite3_column_count(st.stmt);
    names_.reserve(size_t(columns));
    for (int c = 0; c < columns; ++c)
        names_.push_back(QString::fromUtf8(sqlite3_column_name(st.stmt, c)));

    int rc;
    qint64 rows = 0;
    while ((rc = sqlite3_step(st.stmt)) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            // One value handle per cell: cheaper than a column call per property.
            sqlite3_value* value = sqlite3_column_value(st.stmt, c);
            switch (sqlite3_value_type(value)) {
            case SQLITE_NULL:
                cells_.push_back(Store(FieldValue::Type::Null, nullptr, 0));
                break;
            case SQLITE_INTEGER: {
                const sqlite3_int64 v = sqlite3_value_int64(value);
                cells_.push_back(Store(FieldValue::Type::Integer, &v, sizeof v));
                break;
            }
            case SQLITE_FLOAT: {
                const double v = sqlite3_value_double(value);
                cells_.push_back(Store(FieldValue::Type::Real, &v, sizeof v));
                break;
            }
            default: {
                const int bytes = sqlite3_value_bytes(value);
                cells_.push_back(
                    Store(FieldValue::Type::Text, sqlite3_value_text(value), std::size_t(bytes)));
                break;
            }
            }
        }
        ++rows;
    }
    if (rc != SQLITE_DONE) {
        Status failure = Failure{EngineText(connection.Handle())};
        Clear();
        return failure;
    }
    if (rows > std::numeric_limits<qint32>::max()) {
        Clear();
        return Failure{QStringLiteral("行が多すぎて読み込めません。")};
    }
    rows_ = qint32(rows);
    open_ = true;
    return {};
}

Status Recordset::Requery() {
    if (!connection_)
        return Failure{QStringLiteral("レコードセットが開かれていません。")};
    const QString sql = source_;
    return Open(sql, *connection_);
}

int FindColumn(const std::vector<QString>& names, const QString& name) {
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == name)
            return int(i);
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i].compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

int Recordset::FieldIndex(const QString& name) const {
    return FindColumn(names_, name);
}

void Recordset::MoveNext() {
    if (position_ < rows_)
        ++position_;
}

void Recordset::MovePrevious() {
    if (position_ >= 0)
        --position_;
}

void Recordset::MoveTo(qint32 row) {
    position_ = row;
}

FieldValue Recordset::Field(int column) const {
    return Value(position_, column);
}

FieldValue Recordset::Field(const QString& name) const {
    return Value(position_, FieldIndex(name));
}

FieldValue Recordset::Value(qint32 row, int column) const {
    if (row < 0 || row >= rows_ || column < 0 || column >= FieldCount())
        return FieldValue();
    const Cell& cell = cells_[size_t(row) * names_.size() + size_t(column)];
    const auto type = FieldValue::Type(cell.lenType & 3);
    const std::size_t bytes = cell.lenType >> 2;
    switch (type) {
    case FieldValue::Type::Null:
        return FieldValue();
    case FieldValue::Type::Integer: {
        qint64 v;
        std::memcpy(&v, Data(cell), sizeof v);
        return FieldValue::FromInteger(v);
    }
    case FieldValue::Type::Real: {
        double v;
        std::memcpy(&v, Data(cell), sizeof v);
        return FieldValue::FromReal(v);
    }
    case FieldValue::Type::Text:
        if (bytes == 0)
            return FieldValue::FromText(QStringLiteral(""));
        return FieldValue::FromText(TextFromEngine(Data(cell), qsizetype(bytes)));
    }
    return FieldValue();
}

QString Recordset::ValueText(qint32 row, int column) const {
    return Value(row, column).ToText();
}

} // namespace solario
