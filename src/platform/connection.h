#pragma once

#include "platform/result.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

struct sqlite3;

namespace solario {

// One value read from the database.
class FieldValue {
public:
    enum class Type : std::uint8_t { Null = 0, Integer = 1, Real = 2, Text = 3 };

    FieldValue() = default;
    static FieldValue FromInteger(qint64 v);
    static FieldValue FromReal(double v);
    static FieldValue FromText(QString v);

    Type type() const { return type_; }
    bool IsNull() const { return type_ == Type::Null; }
    bool IsNumber() const { return type_ == Type::Integer || type_ == Type::Real; }
    // The value as the screens show it: NULL as an empty text, numbers in plain digits.
    QString ToText() const;
    qint64 ToInteger() const;
    double ToReal() const;

private:
    Type type_ = Type::Null;
    qint64 integer_ = 0;
    double real_ = 0;
    QString text_;
};

// A connection to one SQLite database. Statements given to Execute and to a
// recordset's Open are in the Jet dialect and are translated on the way in.
class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens an existing database file for reading only; nothing can write to it
    // through this connection. Fails on a missing file and on a file that is not a
    // database, with the engine's description.
    Status OpenReadOnly(const QString& filePath);
    // Opens a new, empty database in memory that can be written.
    Status OpenScratch();
    void Close();
    bool IsOpen() const { return db_ != nullptr; }

    // Runs one Jet-dialect statement that returns no rows.
    Status Execute(const QString& jetSql);
    // Runs one SQLite statement with its "?" parameters bound to the given texts, so
    // that any character of a value is stored as it is.
    Status ExecuteBound(const QString& sql, const QStringList& values);

    sqlite3* Handle() const { return db_; }

private:
    Status Configure();
    Status Fail(const QString& context) const;

    sqlite3* db_ = nullptr;
};

// A static, read-only snapshot of a query's rows, read in full when it is opened so
// that its record count is exact. The current-row cursor follows the recordsets the
// screens were written against (MoveFirst, MoveNext, Eof, ...); any row can also be
// read directly.
class Recordset {
public:
    Recordset();
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Opens a Jet-dialect query on the connection. On failure the recordset stays closed.
    Status Open(const QString& jetSql, Connection& connection);
    // Reads the same query again over the same connection.
    Status Requery();
    void Close();
    bool IsOpen() const { return open_; }

    const QString& Source() const { return source_; }
    qint32 RecordCount() const { return rows_; }
    int FieldCount() const { return int(names_.size()); }
    const QString& FieldName(int column) const { return names_[size_t(column)]; }
    // The column of that name (exact first, then ignoring case as Jet does), or -1.
    int FieldIndex(const QString& name) const;

    // Cursor over the rows.
    bool Eof() const { return position_ >= rows_; }
    bool Bof() const { return position_ < 0 || rows_ == 0; }
    qint32 AbsolutePosition() const { return position_; }
    void MoveFirst() { position_ = 0; }
    void MoveLast() { position_ = rows_ > 0 ? rows_ - 1 : 0; }
    void MoveNext();
    void MovePrevious();
    void MoveTo(qint32 row);

    // Field of the current row; a NULL value when the cursor stands on no row.
    FieldValue Field(int column) const;
    FieldValue Field(const QString& name) const;
    // Any row and column; ValueText is the shortcut the grid and the reports use.
    FieldValue Value(qint32 row, int column) const;
    QString ValueText(qint32 row, int column) const;

private:
    struct Cell {
        std::uint32_t ref;     // chunk index << kOffsetBits | offset in the chunk
        std::uint32_t lenType; // length in bytes << 2 | type
    };
    static constexpr unsigned kOffsetBits = 22;
    static constexpr std::size_t kChunkBytes = std::size_t(1) << kOffsetBits;

    void Clear();
    // Room for `bytes` more bytes in the current block; Commit takes what was used.
    char* Reserve(std::size_t bytes);
    Cell Commit(FieldValue::Type type, std::size_t bytes);
    Cell Store(FieldValue::Type type, const void* data, std::size_t bytes);
    const char* Data(const Cell& cell) const;

    Connection* connection_ = nullptr;
    QString source_;
    bool open_ = false;
    qint32 rows_ = 0;
    qint32 position_ = 0;
    std::vector<QString> names_;
    // Cells and their texts (UTF-8, as the database holds them; decoded when read) are
    // kept in blocks so that a large snapshot never needs one huge allocation or a copy
    // while it grows.
    std::deque<Cell> cells_;
    std::vector<std::unique_ptr<char[]>> chunks_;
    std::vector<std::size_t> chunkSizes_;
    std::size_t chunkUsed_ = 0;
};

} // namespace solario
