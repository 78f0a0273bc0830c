#pragma once

#include "platform/connection.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <functional>
#include <memory>

namespace solario {

inline const QString kConditionsTable = QStringLiteral("帳票検索条件テーブル");
inline const QString kGeneralNameReportTable = QStringLiteral("帳票アスベスト含有建材名テーブル");
inline const QString kListReportTable = QStringLiteral("帳票含有建材一覧テーブル");
inline const QString kDetailReportTable = QStringLiteral("帳票含有建材個別情報テーブル");

// The columns of each report table, in order.
const QStringList& ConditionsColumns();
const QStringList& GeneralNameReportColumns();
const QStringList& ListReportColumns();
const QStringList& DetailReportColumns();

// The three report commands, kept as they were written for the data-shaping provider.
extern const QString kCommand1Text;
extern const QString kCommand2Text;
extern const QString kCommand3Text;

// A report command taken apart: the parent query and, for a parent-child command,
// the ordered child query and the columns that relate a child row to its parent.
struct ShapeCommand {
    QString text;
    QString parentSql;
    QString parentName;
    QString childSql; // empty for a plain command
    QString childName;
    QString parentKey;
    QString childKey;
};

// Reads "SHAPE {parent} AS name APPEND ({child} AS child RELATE 'a' TO 'b') AS child"; any
// other text is a table name (optionally `quoted`) whose rows are read whole.
Result<ShapeCommand> ParseShapeCommand(const QString& text);

// The recordset of one report command. A requery only marks it stale: it reads again
// when the report next asks for its rows, so writing n rows costs n statements, not n
// re-reads.
class ReportRecordset {
public:
    ReportRecordset(Connection& connection, ShapeCommand command);

    Status Open();
    void Close();
    bool IsOpen() const { return open_; }
    void Requery();
    // Lets go of the rows read, as a requery does, and of the memory they took.
    void Release();
    bool IsStale() const { return stale_; }
    const ShapeCommand& Command() const { return command_; }

    // The parent rows (for a plain command, its only rows).
    Result<const Recordset*> Parent();
    // The child rows in their query's order; empty for a plain command.
    Result<const Recordset*> Children();
    // Rows of Children() that belong to the given parent row, in order.
    Result<QList<qint32>> ChildRowsOf(qint32 parentRow);

private:
    Status Refresh();

    Connection& connection_;
    ShapeCommand command_;
    Recordset parent_;
    Recordset child_;
    QHash<QString, QList<qint32>> childrenByKey_;
    bool open_ = false;
    bool stale_ = true;
};

// The report data: a scratch database of its own, in memory, with the four report
// tables, the conditions row ID "01", and the three command recordsets.
struct ReportDataEnvironment {
    Connection Connection1;
    std::unique_ptr<ReportRecordset> rsCommand1;
    std::unique_ptr<ReportRecordset> rsCommand2;
    std::unique_ptr<ReportRecordset> rsCommand3;

    // Creates the scratch database with its tables and the conditions row.
    Status OpenConnection();
    // Opens the three command recordsets, in order.
    Status OpenRecordsets();
    void Close();
};

// Runs the writing of a print's tables as one: what it wrote stays only when it succeeds;
// a failure or a stop leaves the tables as they were before it.
Status WriteReportTables(ReportDataEnvironment& env, const std::function<Status()>& write);

// UPDATE 帳票検索条件テーブル SET c0=v0,... for the columns up to the first empty name;
// then the recordset is re-queried. Values are bound, so every character is kept.
Status UpdateReportConditions(ReportDataEnvironment& env, ReportRecordset& recordset,
                              const QStringList& columns, const QStringList& values);
// DELETE FROM the table; then the recordset is re-queried.
Status DeleteAllRows(ReportDataEnvironment& env, const QString& table, ReportRecordset& recordset);
// INSERT INTO the table the columns up to the first empty name; then the recordset is
// re-queried.
Status InsertRow(ReportDataEnvironment& env, ReportRecordset& recordset, const QString& table,
                 const QStringList& columns, const QStringList& values);

} // namespace solario
