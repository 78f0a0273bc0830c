#pragma once

#include "data/app_state.h"
#include "data/field_catalogue.h"

namespace solario {

// A text as an SQL literal: between single quotes, an apostrophe inside doubled, so
// that no value can end the literal early.
QString QuoteSqlText(const QString& value);

// The result-list SELECT (81 columns in grid order) without its ORDER BY.
QString BuildMaterialListSql(const AppState& s, const QString& where);
// The full-record SELECT: all 83 catalogue columns under their own names.
QString BuildMaterialDetailSql(const AppState& s, const QString& where);
// "SELECT 一般名[, ID] FROM <table> WHERE <part condition><usage condition><order>".
QString BuildGeneralNameSql(const QString& table, bool withId, const QString& partColumn,
                            const QString& usageColumn);
QString BuildDistinctSql(const AppState& s, const QString& table, const QString& column,
                         const QString& direction);

// The default order of a result list: the table's own ID column, which its primary key
// keeps in order (the list's "ID" is the ID with NULL read as empty, which orders the
// same rows alike but no index serves).
inline const QString kListDefaultOrder = kMaterialTable + QStringLiteral(".ID");

// A result list is read as two statements derived from its SELECT (ListBaseSql):
// the key statement lists the rows' keys in the order asked for, evaluating only what
// the condition and the order need; the rows statement reads the list's columns of the
// rows shown. In the order, a name that is one of the SELECT's aliases stands for the
// aliased expression, as in the SELECT itself; rows whose values are equal come in the
// table's stored order.
Result<QString> BuildListKeySql(const QString& baseSql, const QString& orderBy);
Result<QString> BuildListRowsSql(const QString& baseSql);

// The indexes that let the searches and sorts of a large table read indexes instead of
// the table: SQLite statements (CREATE INDEX IF NOT EXISTS) for whoever writes a
// database. The sorts by a column shown as "NULL reads empty" are served by an index on
// that very expression, taken from the list SELECT itself so that the engine matches it.
QStringList ListIndexStatements(const AppState& s);
// The same for the program's own catalogue, as the generator and the import write them.
QStringList MaterialIndexStatements();

// Opens the result list into the recordset, ordered by ID, and keeps the SELECT without
// its ORDER BY in ListBaseSql. Returns the number of rows.
Result<qint32> OpenMaterialList(AppState& s, Connection& connection, KeyedRecordset& recordset,
                                const QString& where);
// Reopens the list SELECT with another order. Returns the number of rows; on failure the
// list keeps its rows and order.
Result<qint32> RequerySorted(Connection& connection, KeyedRecordset& recordset,
                             const QString& baseSql, const QString& orderBy);
// The first row (from 0) of the open list whose first `cells.size()` cells read as the
// given texts, or -1. `hint` is the key of a row known to read so (the ticked product);
// other candidates are those with the same product name.
Result<qint32> FindListRow(Connection& connection, const KeyedRecordset& list,
                           const QStringList& cells, qint64 hint);
// Opens the full record(s) matching the condition. Returns the number of rows.
Result<qint32> OpenMaterialDetail(const AppState& s, Connection& connection, Recordset& recordset,
                                  const QString& where);

// Which asbestos-containing general names occur at the part (and usage, when given)
// and have matching products; fills GeneralNames, GeneralNameIds, GeneralNameCounts,
// GeneralNameCount, NonContainingNames and NonContainingNameList. The recordset is
// released afterwards. On failure the results are left empty.
Result<int> LookupGeneralNames(AppState& s, Connection& connection,
                               std::unique_ptr<Recordset>& recordset, const QString& extraWhere,
                               const QString& partColumn, const QString& usageColumn);

// Appends a combo's items: the first item (when not empty), an empty item, then the
// distinct non-zero values of the column. The recordset is released afterwards.
Status FillDistinctCombo(const AppState& s, Connection& connection,
                         std::unique_ptr<Recordset>& recordset, const QString& table,
                         const QString& column, QStringList& items, const QString& firstItem,
                         const QString& direction);
// FillDistinctCombo over the material table.
Status FillYearCombo(const AppState& s, Connection& connection,
                     std::unique_ptr<Recordset>& recordset, const QString& column,
                     QStringList& items, const QString& firstItem, const QString& direction);

} // namespace solario
