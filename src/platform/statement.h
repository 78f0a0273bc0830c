#pragma once

#include "platform/result.h"

#include <QString>
#include <sqlite3.h>
#include <vector>

namespace solario {

// The engine's failure in Japanese, with its own words after it for the expert.
QString EngineText(sqlite3* db);

// A prepared SQLite statement, finalized when it goes.
struct Statement {
    sqlite3_stmt* stmt = nullptr;
    Statement() = default;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement() { sqlite3_finalize(stmt); }
};

// Prepares exactly one SQLite statement; a second one hidden in the text is refused.
Status Prepare(sqlite3* db, const QString& sql, Statement& st);
// Binds a text to the statement's parameter (from 1), every character kept, NULs too.
int BindText(sqlite3_stmt* stmt, int index, const QString& text);

// A text the engine hands back, every character kept: a leading U+FEFF is part of the value,
// not a byte-order mark to drop.
QString TextFromEngine(const char* utf8, qsizetype bytes);

// The same for a statement in the Jet dialect, translated first.
Status PrepareJet(sqlite3* db, const QString& jetSql, Statement& st);

// The index of the name among a result's column names (exact first, then ignoring case
// as Jet does), or -1.
int FindColumn(const std::vector<QString>& names, const QString& name);

// A column of the statement's current row as the screens read it.
class FieldValue;
FieldValue ColumnValue(sqlite3_stmt* stmt, int column);

} // namespace solario
