#include "platform/keyed_recordset.h"

#include "platform/jet_sql.h"
#include "platform/statement.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>
#include <unordered_map>

namespace solario {

KeyedRecordset::KeyedRecordset() = default;

KeyedRecordset::~KeyedRecordset() {
    Close();
}

void KeyedRecordset::ClearWindows() const {
    windows_.clear();
}

void KeyedRecordset::Close() {
    sqlite3_finalize(rows_);
    rows_ = nullptr;
    ClearWindows();
    keys_.clear();
    keys_.shrink_to_fit();
    names_.clear();
    open_ = false;
    connection_ = nullptr;
}

namespace {

// A sort value as SQLite's ORDER BY compares it: NULLs alike, numbers by value, texts and
// blobs by their bytes.
struct SortValue {
    int kind = SQLITE_NULL; // SQLITE_NULL, SQLITE_INTEGER (any number), SQLITE_TEXT, SQLITE_BLOB
    bool integer = false;
    qint64 i = 0;
    double d = 0;
    std::string bytes;

    static int KindOf(int type) { return type == SQLITE_FLOAT ? SQLITE_INTEGER : type; }
    static const void* Bytes(sqlite3_stmt* st, int column, int kind) {
        return kind == SQLITE_TEXT ? static_cast<const void*>(sqlite3_column_text(st, column))
                                   : sqlite3_column_blob(st, column);
    }

    void Read(sqlite3_stmt* st, int column) {
        const int type = sqlite3_column_type(st, column);
        kind = KindOf(type);
        integer = type == SQLITE_INTEGER;
        if (kind == SQLITE_INTEGER) {
            i = sqlite3_column_int64(st, column);
            d = sqlite3_column_double(st, column);
        } else if (kind == SQLITE_TEXT || kind == SQLITE_BLOB) {
            const void* data = Bytes(st, column, kind);
            const size_t size = size_t(sqlite3_column_bytes(st, column));
            bytes.assign(data ? static_cast<const char*>(data) : "", size);
        }
    }
    bool Same(sqlite3_stmt* st, int column) const {
        const int type = sqlite3_column_type(st, column);
        if (KindOf(type) != kind)
            return false;
        switch (kind) {
        case SQLITE_NULL:
            return true;
        case SQLITE_INTEGER:
            return integer && type == SQLITE_INTEGER ? sqlite3_column_int64(st, column) == i
                                                     : sqlite3_column_double(st, column) == d;
        default: {
            const void* data = Bytes(st, column, kind);
            const size_t size = size_t(sqlite3_column_bytes(st, column));
            return size == bytes.size() &&
                   (size == 0 || std::memcmp(data, bytes.data(), size) == 0);
        }
        }
    }
};

// The keys the statement returns, in its order. Columns after the key are the values the
// statement orders by: rows whose values are all equal (and so stand together) are put
// in key order, the table's stored order, whichever way the engine found them.
Status ReadKeys(Connection& connection, const QString& keyJetSql, std::vector<qint64>& keys) {
    Statement st;
    if (Status s = PrepareJet(connection.Handle(), keyJetSql, st); !s)
        return s;
    const int values = sqlite3_column_count(st.stmt) - 1;
    if (values < 0)
        return Failure{QStringLiteral("SQL 文の列の数が合いません。")};
    std::vector<SortValue> run;
    run.resize(size_t(values));
    size_t runStart = 0;
    auto closeRun = [&] {
        if (keys.size() - runStart > 1)
            std::sort(keys.begin() + qsizetype(runStart), keys.end());
        runStart = keys.size();
    };
    int rc;
    while ((rc = sqlite3_step(st.stmt)) == SQLITE_ROW) {
        if (keys.size() >= std::size_t(std::numeric_limits<qint32>::max()))
            return Failure{QStringLiteral("行が多すぎて読み込めません。")};
        if (values > 0) {
            bool same = !keys.empty();
            for (int v = 0; same && v < values; ++v)
                same = run[size_t(v)].Same(st.stmt, v + 1);
            if (!same) {
                closeRun();
                for (int v = 0; v < values; ++v)
                    run[size_t(v)].Read(st.stmt, v + 1);
            }
        }
        keys.push_back(sqlite3_column_int64(st.stmt, 0));
    }
    if (rc != SQLITE_DONE)
        return Failure{EngineText(connection.Handle())};
    if (values > 0)
        closeRun();
    return {};
}

} // namespace

Status KeyedRecordset::Open(Connection& connection, const QString& keyJetSql,
                            const QString& rowsJetSql, const QString& keyColumn) {
    Close();
    std::vector<qint64> keys;
    if (Status s = ReadKeys(connection, keyJetSql, keys); !s)
        return s;
    // One statement serves every window: its parameters are the window's keys.
    QString in = QStringLiteral(" WHERE ") + keyColumn + QStringLiteral(" IN (");
    for (int i = 0; i < kWindowRows; ++i)
        in += i == 0 ? QStringLiteral("?") : QStringLiteral(",?");
    in += u')';
    Statement rows;
    if (Status s = PrepareJet(connection.Handle(), rowsJetSql + in, rows); !s)
        return s;
    const int columns = sqlite3_column_count(rows.stmt) - 1; // the last one is the key
    if (columns < 1)
        return Failure{QStringLiteral("SQL 文の列の数が合いません。")};
    for (int c = 0; c < columns; ++c)
        names_.push_back(QString::fromUtf8(sqlite3_column_name(rows.stmt, c)));
    std::swap(rows_, rows.stmt);
    keys_ = std::move(keys);
    keySource_ = keyJetSql;
    rowsSource_ = rowsJetSql;
    connection_ = &connection;
    open_ = true;
    return {};
}

Status KeyedRecordset::Reorder(const QString& keyJetSql) {
    if (!open_)
        return Failure{QStringLiteral("レコードセットが開かれていません。")};
    std::vector<qint64> keys;
    if (Status s = ReadKeys(*connection_, keyJetSql, keys); !s)
        return s;
    keys_ = std::move(keys);
    keySource_ = keyJetSql;
    ClearWindows();
    return {};
}

int KeyedRecordset::FieldIndex(const QString& name) const {
    return FindColumn(names_, name);
}

Status KeyedRecordset::ReadRows(const qint64* keys, int count, std::vector<FieldValue>& cells,
                                std::vector<bool>* found) const {
    return ReadRows(rows_, FieldCount(), keys, count, cells, found);
}

Status KeyedRecordset::ReadRows(sqlite3_stmt* statement, int columns, const qint64* keys, int count,
                                std::vector<FieldValue>& cells, std::vector<bool>* found) const {
    cells.assign(size_t(count) * size_t(columns), FieldValue());
    if (found)
        found->assign(size_t(count), false);
    // Where each key's row goes; a key may be asked for twice.
    std::unordered_multimap<qint64, int> places;
    for (int i = 0; i < kWindowRows; ++i) {
        if (i < count) {
            sqlite3_bind_int64(statement, i + 1, keys[i]);
            places.emplace(keys[i], i);
        } else {
            sqlite3_bind_null(statement, i + 1);
        }
    }
    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        const qint64 key = sqlite3_column_int64(statement, columns);
        auto [from, to] = places.equal_range(key);
        for (auto it = from; it != to; ++it) {
            const size_t base = size_t(it->second) * size_t(columns);
            for (int c = 0; c < columns; ++c)
                cells[base + size_t(c)] = ColumnValue(statement, c);
            if (found)
                (*found)[size_t(it->second)] = true;
        }
    }
    Status status;
    if (rc != SQLITE_DONE)
        status = Failure{EngineText(connection_->Handle())};
    sqlite3_reset(statement);
    return status;
}

Status KeyedRecordset::ReadWindow(qint32 first, Window& window) const {
    const int count = int(std::min<qint64>(kWindowRows, qint64(keys_.size()) - first));
    window.first = first;
    return ReadRows(keys_.data() + first, count, window.cells, nullptr);
}

const KeyedRecordset::Window* KeyedRecordset::FindWindow(qint32 row) const {
    if (!open_ || row < 0 || row >= RecordCount())
        return nullptr;
    const qint32 first = row - row % kWindowRows;
    for (auto it = windows_.begin(); it != windows_.end(); ++it) {
        if (it->first == first) {
            windows_.splice(windows_.begin(), windows_, it);
            return &windows_.front();
        }
    }
    Window window;
    if (!ReadWindow(first, window))
        return nullptr;
    windows_.push_front(std::move(window));
    if (int(windows_.size()) > kWindowsKept)
        windows_.pop_back();
    return &windows_.front();
}

FieldValue KeyedRecordset::Value(qint32 row, int column) const {
    if (column < 0 || column >= FieldCount())
        return FieldValue();
    const Window* window = FindWindow(row);
    if (!window)
        return FieldValue();
    return window->cells[size_t(row - window->first) * size_t(FieldCount()) + size_t(column)];
}

QString KeyedRecordset::ValueText(qint32 row, int column) const {
    return Value(row, column).ToText();
}

Result<std::vector<std::vector<FieldValue>>>
KeyedRecordset::ReadByKeys(const std::vector<qint64>& keys) const {
    if (!open_)
        return Failure{QStringLiteral("レコードセットが開かれていません。")};
    std::vector<std::vector<FieldValue>> rows(keys.size());
    std::vector<FieldValue> cells;
    std::vector<bool> found;
    const size_t columns = size_t(FieldCount());
    for (size_t at = 0; at < keys.size(); at += kWindowRows) {
        const int count = int(std::min<size_t>(kWindowRows, keys.size() - at));
        if (Status s = ReadRows(keys.data() + at, count, cells, &found); !s)
            return Failure{s.error()};
        for (int i = 0; i < count; ++i)
            if (found[size_t(i)])
                rows[at + size_t(i)].assign(cells.begin() + qsizetype(size_t(i) * columns),
                                            cells.begin() + qsizetype(size_t(i + 1) * columns));
    }
    return rows;
}

Status KeyedRecordset::ForEachRow(const QList<int>& columns,
                                  const std::function<bool(const QStringList&)>& row) const {
    if (!open_)
        return Failure{QStringLiteral("レコードセットが開かれていません。")};
    // Only these columns: the engine evaluates no others.
    const QString key = QString::fromUtf8(sqlite3_column_name(rows_, FieldCount()));
    QString sql = QStringLiteral("SELECT ");
    for (int c : columns) {
        if (c < 0 || c >= FieldCount())
            return Failure{QStringLiteral("列がありません。")};
        sql += u'[' + names_[size_t(c)] + QStringLiteral("], ");
    }
    sql += u'[' + key + QStringLiteral("] FROM (") + rowsSource_ + QStringLiteral(") WHERE [") +
           key + QStringLiteral("] IN (");
    for (int i = 0; i < kWindowRows; ++i)
        sql += i == 0 ? QStringLiteral("?") : QStringLiteral(",?");
    sql += u')';
    Statement st;
    if (Status s = PrepareJet(connection_->Handle(), sql, st); !s)
        return s;
    std::vector<FieldValue> cells;
    QStringList texts;
    const int n = int(columns.size());
    for (size_t at = 0; at < keys_.size(); at += kWindowRows) {
        const int count = int(std::min<size_t>(kWindowRows, keys_.size() - at));
        if (Status s = ReadRows(st.stmt, n, keys_.data() + at, count, cells, nullptr); !s)
            return s;
        for (int i = 0; i < count; ++i) {
            texts.clear();
            for (int c = 0; c < n; ++c)
                texts.append(cells[size_t(i) * size_t(n) + size_t(c)].ToText());
            if (!row(texts))
                return {};
        }
    }
    return {};
}

std::size_t KeyedRecordset::MemoryBytes() const {
    std::size_t bytes = keys_.capacity() * sizeof(qint64);
    for (const Window& w : windows_)
        for (const FieldValue& v : w.cells)
            bytes += sizeof(FieldValue) + size_t(v.ToText().size()) * 2;
    return bytes;
}

} // namespace solario
