#include "data/query_builders.h"

#include "data/field_catalogue.h"

namespace solario {
namespace {

inline constexpr int kLookupMinimum = 257; // the lists never hold fewer entries

const QString kStart = QStringLiteral("製造開始");
const QString kEnd = QStringLiteral("製造終了");
const QString kCertKind = QStringLiteral("不燃材料認定番号（種類）");
const QString kCertNumber = QStringLiteral("不燃材料認定番号（番号）");
const QString kContent = QStringLiteral("石綿含有率");
const QString kFloor = QStringLiteral("床");

QString YesNoColumn(const QString& name) {
    return QStringLiteral(" IIf( ") + name + QStringLiteral(" = True , '○' , '') as ") + name;
}

QString NullAsEmpty(const QString& name, const QString& alias) {
    return QStringLiteral(" IIf( isnull(") + name + QStringLiteral(") , '' , ") + name +
           QStringLiteral(") as ") + alias;
}

QString FromWhere(const QString& columns, const QString& where) {
    QString sql = QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM ") + kMaterialTable;
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    return sql;
}

Result<qint32> OpenCounted(Recordset& recordset, const QString& sql, Connection& connection) {
    if (Status s = recordset.Open(sql, connection); !s)
        return Failure{s.error()};
    return recordset.RecordCount();
}

void PartConditions(const QString& partColumn, const QString& usageColumn, QString& condition,
                    QString& order) {
    if (partColumn == kFloor) {
        condition = QStringLiteral(" (廊下居室床 IS NOT NULL OR 洗面脱衣便所床 IS NOT NULL) ");
        order = QStringLiteral(" ORDER BY 廊下居室床,洗面脱衣便所床,一般名");
    } else {
        condition = partColumn + QStringLiteral(" IS NOT NULL ");
        order = QStringLiteral(" ORDER BY ") + partColumn + QStringLiteral(",一般名");
    }
    if (!usageColumn.isEmpty())
        condition += QStringLiteral(" AND ") + usageColumn + QStringLiteral(" IS NOT NULL ");
}

bool IsZero(const FieldValue& v) {
    if (v.IsNumber())
        return v.ToReal() == 0;
    if (v.type() == FieldValue::Type::Text) {
        bool number = false;
        const double d = v.ToText().trimmed().toDouble(&number);
        return number && d == 0;
    }
    return false;
}

} // namespace

QString QuoteSqlText(const QString& value) {
    QString quoted = value;
    quoted.replace(u'\'', QStringLiteral("''"));
    return u'\'' + quoted + u'\'';
}

QString BuildMaterialListSql(const AppState& s, const QString& where) {
    QString columns;
    const qint32 last = s.FieldCount - 1;
    for (qint32 row = 0; row < s.FieldCount; ++row) {
        const QString& name = s.FieldNames[size_t(row)];
        if (s.FieldKinds[size_t(row)] == kKindYesNo)
            columns += YesNoColumn(name);
        else if (name == kStart)
            columns += QStringLiteral(
                " IIf(製造開始 = 0 , '', 製造開始) & \"～\" & 製造終了 as 製造期間 ");
        else if (name == kEnd)
            ;
        else if (name == kCertKind)
            columns +=
                QStringLiteral(" IIf( isnull(") + name + QStringLiteral(") , '' , ") +
                QStringLiteral(
                    " \"\" & 不燃材料認定番号（種類） & \"-\" & 不燃材料認定番号（番号） & \"\" ") +
                QStringLiteral(") as 不燃材料等認定番号");
        else if (name == kCertNumber)
            ;
        else if (name == kContent)
            columns += NullAsEmpty(name, QStringLiteral("[含有率(%)]"));
        else
            columns += NullAsEmpty(name, name);
        if (name != kEnd && name != kCertNumber && row != last)
            columns += u',';
    }
    return FromWhere(columns, where);
}

QString BuildMaterialDetailSql(const AppState& s, const QString& where) {
    QString columns;
    for (qint32 row = 0; row < s.FieldCount; ++row) {
        const QString& name = s.FieldNames[size_t(row)];
        columns +=
            s.FieldKinds[size_t(row)] == kKindYesNo ? YesNoColumn(name) : NullAsEmpty(name, name);
        if (row != s.FieldCount - 1)
            columns += u',';
    }
    return FromWhere(columns, where);
}

QString BuildGeneralNameSql(const QString& table, bool withId, const QString& partColumn,
                            const QString& usageColumn) {
    QString condition, order;
    PartConditions(partColumn, usageColumn, condition, order);
    return QStringLiteral("SELECT 一般名") + (withId ? QStringLiteral(", ID") : QString()) +
           QStringLiteral(" FROM ") + table + QStringLiteral(" WHERE ") + condition + order;
}

QString BuildDistinctSql(const AppState& s, const QString& table, const QString& column,
                         const QString& direction) {
    QString extra;
    const qint32 row = FindFieldIndex(s, column);
    if (row >= 0 && s.FieldKinds[size_t(row)] == kKindText)
        extra = QStringLiteral(" AND ") + column + QStringLiteral(" <> '' ");
    return QStringLiteral("SELECT DISTINCT ") + column + QStringLiteral(" FROM ") + table +
           QStringLiteral(" WHERE ") + column + QStringLiteral(" IS NOT NULL") + extra +
           QStringLiteral(" ORDER BY ") + column + u' ' + direction;
}

Result<qint32> OpenMaterialList(AppState& s, Connection& connection, Recordset& recordset,
                                const QString& where) {
    s.ListBaseSql = BuildMaterialListSql(s, where);
    return OpenCounted(recordset, s.ListBaseSql + QStringLiteral(" ORDER BY ID"), connection);
}

Result<qint32> RequerySorted(Connection& connection, Recordset& recordset, const QString& baseSql,
                             const QString& orderBy) {
    recordset.Close();
    return OpenCounted(recordset, baseSql + QStringLiteral(" ORDER BY ") + orderBy, connection);
}

Result<qint32> OpenMaterialDetail(const AppState& s, Connection& connection, Recordset& recordset,
                                  const QString& where) {
    return OpenCounted(recordset, BuildMaterialDetailSql(s, where), connection);
}

Result<int> LookupGeneralNames(AppState& s, Connection& connection,
                               std::unique_ptr<Recordset>& recordset, const QString& extraWhere,
                               const QString& partColumn, const QString& usageColumn) {
    if (!recordset)
        recordset = std::make_unique<Recordset>();
    Recordset& rs = *recordset;

    QStringList ids, names, nonContaining;
    QList<int> counts;
    QString nonContainingList;
    auto finish = [&](const Status& status) -> Result<int> {
        rs.Close();
        recordset.reset();
        if (!status) {
            ids.clear();
            names.clear();
            counts.clear();
            nonContaining = QStringList{QString()};
            nonContainingList.clear();
        }
        const int found = int(names.size());
        const qsizetype size = std::max<qsizetype>(kLookupMinimum, found);
        s.GeneralNameCount = found;
        s.GeneralNames = names;
        s.GeneralNameIds = ids;
        s.GeneralNameCounts = counts;
        s.GeneralNames.resize(size);
        s.GeneralNameIds.resize(size);
        s.GeneralNameCounts.resize(size, 0);
        s.NonContainingNames = nonContaining;
        s.NonContainingNameList = nonContainingList;
        if (!status)
            return Failure{status.error()};
        return found;
    };

    // Candidate names at the part, in the part's own order.
    if (Status st = rs.Open(BuildGeneralNameSql(kContainingTable, true, partColumn, usageColumn),
                            connection);
        !st)
        return finish(st);
    QStringList candidates, candidateIds;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        candidates.append(rs.Field(0).ToText());
        candidateIds.append(rs.Field(1).ToText());
    }
    rs.Close();

    for (qsizetype i = 0; i < candidates.size(); ++i) {
        QString sql = QStringLiteral("SELECT count(*)  FROM ") + kMaterialTable +
                      QStringLiteral(" WHERE (建材名（一般名） = ") + QuoteSqlText(candidates[i]) +
                      u')';
        if (!extraWhere.isEmpty())
            sql += QStringLiteral(" AND ") + extraWhere;
        if (Status st = rs.Open(sql, connection); !st)
            return finish(st);
        const qint64 count = rs.Field(0).ToInteger();
        if (count != 0) {
            ids.append(candidateIds[i]);
            names.append(candidates[i]);
            counts.append(int(count));
        }
        rs.Close();
    }

    if (Status st = rs.Open(
            BuildGeneralNameSql(kNonContainingTable, false, partColumn, usageColumn), connection);
        !st)
        return finish(st);
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        const QString name = rs.Field(0).ToText();
        if (!nonContaining.isEmpty())
            nonContainingList += QStringLiteral("／");
        nonContainingList += name;
        nonContaining.append(name);
    }
    nonContaining.append(QString()); // the entry after the last name stays empty
    return finish(Status());
}

Status FillDistinctCombo(const AppState& s, Connection& connection,
                         std::unique_ptr<Recordset>& recordset, const QString& table,
                         const QString& column, QStringList& items, const QString& firstItem,
                         const QString& direction) {
    if (!recordset)
        recordset = std::make_unique<Recordset>();
    const Status opened =
        recordset->Open(BuildDistinctSql(s, table, column, direction), connection);
    if (opened) {
        if (!firstItem.isEmpty())
            items.append(firstItem);
        items.append(QString());
        for (recordset->MoveFirst(); !recordset->Eof(); recordset->MoveNext()) {
            const FieldValue v = recordset->Field(0);
            if (!IsZero(v))
                items.append(v.ToText());
        }
    }
    recordset->Close();
    recordset.reset();
    return opened;
}

Status FillYearCombo(const AppState& s, Connection& connection,
                     std::unique_ptr<Recordset>& recordset, const QString& column,
                     QStringList& items, const QString& firstItem, const QString& direction) {
    return FillDistinctCombo(s, connection, recordset, kMaterialTable, column, items, firstItem,
                             direction);
}

} // namespace solario
