#pragma once

#include "platform/connection.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <list>
#include <vector>

struct sqlite3_stmt;

namespace solario {

// A read-only result of any length that holds only its rows' keys (the table's rowids)
// in order, and reads the cells of the rows asked for in small windows, keeping a few
// windows at hand. A million rows cost eight megabytes of keys; the cells of a row are
// read when it is shown or printed.
//
// Two Jet-dialect statements describe it: the key statement returns the rows' keys in the
// result's order, then the values it orders by (rows whose values are equal are put in
// key order, so equal rows keep the table's order whichever way the engine found them);
// the rows statement selects the cells of any row and ends
// with its FROM clause and the key as its last column, so that the recordset can add
// " WHERE <key> IN (...)". The two must describe the same rows, which the caller
// guarantees (and its tests prove).
class KeyedRecordset {
public:
    // Rows read at a time; a window holds the rows around the one asked for.
    static constexpr int kWindowRows = 64;

    KeyedRecordset();
    ~KeyedRecordset();
    KeyedRecordset(const KeyedRecordset&) = delete;
    KeyedRecordset& operator=(const KeyedRecordset&) = delete;

    // Reads the keys and prepares the rows statement. On failure the recordset is closed.
    Status Open(Connection& connection, const QString& keyJetSql, const QString& rowsJetSql,
                const QString& keyColumn);
    // Reads the keys again with another key statement (another order of the same rows);
    // the rows statement stays. On failure the recordset keeps its rows and order.
    Status Reorder(const QString& keyJetSql);
    void Close();
    bool IsOpen() const { return open_; }

    const QString& KeySource() const { return keySource_; }
    const QString& RowsSource() const { return rowsSource_; }
    qint32 RecordCount() const { return qint32(keys_.size()); }
    // The cells of a row, without the key column.
    int FieldCount() const { return int(names_.size()); }
    const QString& FieldName(int column) const { return names_[size_t(column)]; }
    // The column of that name (exact first, then ignoring case as Jet does), or -1.
    int FieldIndex(const QString& name) const;

    qint64 Key(qint32 row) const { return keys_[size_t(row)]; }
    const std::vector<qint64>& Keys() const { return keys_; }

    // A cell of the row at that position (from 0); a NULL value out of range or when
    // the row cannot be read.
    FieldValue Value(qint32 row, int column) const;
    QString ValueText(qint32 row, int column) const;
    // The cells of the rows with these keys, in the keys' order; a key no row has gives
    // an empty list.
    Result<std::vector<std::vector<FieldValue>>> ReadByKeys(const std::vector<qint64>& keys) const;

    // Every row in order, the given columns only, as texts; `row` returns false to stop.
    // For writing a whole list out: nothing is kept.
    Status ForEachRow(const QList<int>& columns,
                      const std::function<bool(const QStringList&)>& row) const;

    // Bytes held by the keys and the windows (for the memory benchmark).
    std::size_t MemoryBytes() const;

private:
    struct Window {
        qint32 first = 0;
        std::vector<FieldValue> cells; // rows x FieldCount, row after row
    };
    const Window* FindWindow(qint32 row) const;
    Status ReadWindow(qint32 first, Window& window) const;
    // Reads the rows of up to kWindowRows keys into `cells`, in the keys' order.
    Status ReadRows(const qint64* keys, int count, std::vector<FieldValue>& cells,
                    std::vector<bool>* found) const;
    Status ReadRows(sqlite3_stmt* statement, int columns, const qint64* keys, int count,
                    std::vector<FieldValue>& cells, std::vector<bool>* found) const;
    void ClearWindows() const;

    Connection* connection_ = nullptr;
    bool open_ = false;
    QString keySource_;
    QString rowsSource_;
    std::vector<qint64> keys_;
    std::vector<QString> names_;
    sqlite3_stmt* rows_ = nullptr; // the rows statement with kWindowRows parameters
    // The windows read last, most recent first.
    static constexpr int kWindowsKept = 12;
    mutable std::list<Window> windows_;
};

} // namespace solario
