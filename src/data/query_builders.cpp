#include "data/query_builders.h"

#include "data/field_catalogue.h"
#include "platform/jet_sql.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

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

// Where a Jet text stands outside parentheses, quotes and brackets: calls `top` with
// the position of every such character.
template <typename F> void ForEachTopLevel(const QString& text, F top) {
    int depth = 0;
    QChar quote;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u'[') {
            quote = u']';
        } else if (c == u'(') {
            ++depth;
        } else if (c == u')') {
            --depth;
        } else if (depth == 0) {
            top(i);
        }
    }
}

// Splits a Jet text at its top-level commas.
QStringList SplitTopLevel(const QString& text) {
    QStringList parts;
    qsizetype start = 0;
    ForEachTopLevel(text, [&](qsizetype i) {
        if (text[i] == u',') {
            parts.append(text.mid(start, i - start));
            start = i + 1;
        }
    });
    parts.append(text.mid(start));
    return parts;
}

// A name as SQLite matches names: ignoring the case of ASCII letters only.
QString NameKey(const QString& name) {
    QString key = name;
    for (QChar& c : key)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    return key;
}

QString Unbracketed(QString name) {
    name = name.trimmed();
    if (name.size() >= 2 && name.front() == u'[' && name.back() == u']')
        name = name.mid(1, name.size() - 2);
    return name;
}

// The parts of a list SELECT: its columns, its FROM clause and its condition.
struct ListSelect {
    QString columns;
    QString from;
    QString where; // with its leading " WHERE ", or empty
};

Result<ListSelect> SplitListSelect(const QString& baseSql) {
    const QString select = QStringLiteral("SELECT ");
    const QString from = QStringLiteral(" FROM ") + kMaterialTable;
    const qsizetype at = baseSql.indexOf(from);
    const QString rest = at < 0 ? QString() : baseSql.mid(at + from.size());
    if (!baseSql.startsWith(select) || at < 0 ||
        !(rest.isEmpty() || rest.startsWith(QStringLiteral(" WHERE "))))
        return Failure{QStringLiteral("検索結果の SQL 文の形が違います。")};
    return ListSelect{baseSql.mid(select.size(), at - select.size()), from, rest};
}

// The expression behind each alias of the SELECT's columns ("<expression> as <alias>").
QHash<QString, QString> AliasExpressions(const QString& columns) {
    QHash<QString, QString> aliases;
    for (const QString& column : SplitTopLevel(columns)) {
        // The alias follows the last top-level " as ".
        qsizetype split = -1;
        ForEachTopLevel(column, [&](qsizetype i) {
            if (column[i].isSpace() &&
                column.mid(i + 1, 3).compare(u"as ", Qt::CaseInsensitive) == 0)
                split = i;
        });
        if (split >= 0)
            aliases.insert(NameKey(Unbracketed(column.mid(split + 4))), column.left(split));
    }
    return aliases;
}

} // namespace

QString QuoteSqlText(const QString& value) {
    // A NUL would end the statement's text; such a value (read from the database, never
    // typed) is written as the bytes of its text.
    if (value.contains(QChar(0)))
        return QStringLiteral("CAST(X'") + QString::fromLatin1(value.toUtf8().toHex()) +
               QStringLiteral("' AS TEXT)");
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

Result<QString> BuildListKeySql(const QString& baseSql, const QString& orderBy) {
    const Result<ListSelect> select = SplitListSelect(baseSql);
    if (!select)
        return Failure{select.error()};
    const QHash<QString, QString> aliases = AliasExpressions(select.value().columns);
    static const QRegularExpression term(QStringLiteral("^\\s*(.*?)(\\s+(ASC|DESC))?\\s*$"),
                                         QRegularExpression::CaseInsensitiveOption);
    QStringList values, keys;
    for (const QString& part : SplitTopLevel(orderBy)) {
        const QRegularExpressionMatch m = term.match(part);
        const QString name = m.captured(1);
        if (name.isEmpty())
            return Failure{QStringLiteral("並び替えの項目がありません。")};
        const auto alias = aliases.constFind(NameKey(Unbracketed(name)));
        const QString value = alias != aliases.cend() ? u'(' + alias.value() + u')' : name;
        values.append(value);
        keys.append(value + (m.captured(3).isEmpty() ? QString() : u' ' + m.captured(3)));
    }
    // The values come back beside the keys: rows with equal values are put in the
    // table's stored order whatever way the engine finds the rows.
    return QStringLiteral("SELECT _rowid_, ") + values.join(QStringLiteral(", ")) +
           select.value().from + select.value().where + QStringLiteral(" ORDER BY ") +
           keys.join(QStringLiteral(", "));
}

Result<QString> BuildListRowsSql(const QString& baseSql) {
    const Result<ListSelect> select = SplitListSelect(baseSql);
    if (!select)
        return Failure{select.error()};
    return QStringLiteral("SELECT ") + select.value().columns +
           QStringLiteral(", _rowid_ AS solario_key") + select.value().from;
}

QStringList MaterialIndexStatements() {
    AppState catalogue;
    InitFieldCatalogue(catalogue);
    return ListIndexStatements(catalogue);
}

QStringList ListIndexStatements(const AppState& s) {
    const QString table = u'"' + kMaterialTable + u'"';
    auto index = [&](const QString& name, const QString& columns) {
        return QStringLiteral("CREATE INDEX IF NOT EXISTS \"solario_") + name +
               QStringLiteral("\" ON ") + table + QStringLiteral(" (") + columns + u')';
    };
    auto quoted = [](const QString& column) { return u'"' + column + u'"'; };
    QStringList statements = {
        // The general name asked for by both routes and counted by the usage route.
        index(QStringLiteral("name"), quoted(QStringLiteral("建材名（一般名）"))),
        // The years of both routes; the period's sort, ascending and descending.
        index(QStringLiteral("start_end"),
              quoted(QStringLiteral("製造開始")) + u',' + quoted(QStringLiteral("製造終了"))),
        index(QStringLiteral("end_start"),
              quoted(QStringLiteral("製造終了")) + u',' + quoted(QStringLiteral("製造開始"))),
        index(QStringLiteral("content"), quoted(QStringLiteral("石綿含有率"))),
        index(QStringLiteral("certification"),
              quoted(QStringLiteral("不燃材料認定番号（種類）")) + u',' +
                  quoted(QStringLiteral("不燃材料認定番号（番号）")))};
    // The shown texts the other visible columns sort by; the column itself beside its
    // expression lets the engine read the index alone.
    const QHash<QString, QString> aliases =
        AliasExpressions(SplitListSelect(BuildMaterialListSql(s, QString())).value().columns);
    int n = 0;
    for (const QString& column :
         {QStringLiteral("建材名（一般名）"), QStringLiteral("商品名"),
          QStringLiteral("型番・品番"), QStringLiteral("生産時のメーカー名"),
          QStringLiteral("石綿の種類")})
        statements.append(index(QStringLiteral("shown_%1").arg(++n),
                                u'(' + TranslateJetSql(aliases.value(NameKey(column))).value() +
                                    QStringLiteral("), ") + quoted(column)));
    return statements;
}

Result<qint32> OpenMaterialList(AppState& s, Connection& connection, KeyedRecordset& recordset,
                                const QString& where) {
    s.ListBaseSql = BuildMaterialListSql(s, where);
    // A new search: nothing of the last list stays, even when this one fails.
    recordset.Close();
    return RequerySorted(connection, recordset, s.ListBaseSql, kListDefaultOrder);
}

Result<qint32> RequerySorted(Connection& connection, KeyedRecordset& recordset,
                             const QString& baseSql, const QString& orderBy) {
    const Result<QString> keys = BuildListKeySql(baseSql, orderBy);
    const Result<QString> rows = BuildListRowsSql(baseSql);
    if (!keys || !rows)
        return Failure{keys ? rows.error() : keys.error()};
    // The same rows in another order need only their keys read again.
    const Status st =
        recordset.IsOpen() && recordset.RowsSource() == rows.value()
            ? recordset.Reorder(keys.value())
            : recordset.Open(connection, keys.value(), rows.value(), QStringLiteral("_rowid_"));
    if (!st)
        return Failure{st.error()};
    return recordset.RecordCount();
}

Result<qint32> FindListRow(Connection& connection, const KeyedRecordset& list,
                           const QStringList& cells, qint64 hint) {
    // Candidates: the row known to match and the rows with the same product name (an
    // empty name reads so from NULL and from an empty text).
    const int product = list.FieldIndex(QStringLiteral("商品名"));
    QString sql = QStringLiteral("SELECT _rowid_ FROM ") + kMaterialTable +
                  QStringLiteral(" WHERE _rowid_ = ") + QString::number(hint);
    if (product >= 0 && product < cells.size())
        sql += cells[product].isEmpty()
                   ? QStringLiteral(" OR 商品名 IS NULL OR 商品名 = ''")
                   : QStringLiteral(" OR 商品名 = ") + QuoteSqlText(cells[product]);
    Recordset candidates;
    if (Status st = candidates.Open(sql, connection); !st)
        return Failure{st.error()};
    std::vector<qint64> keys;
    for (candidates.MoveFirst(); !candidates.Eof(); candidates.MoveNext())
        keys.push_back(candidates.Field(0).ToInteger());
    const auto read = list.ReadByKeys(keys);
    if (!read)
        return Failure{read.error()};
    QSet<qint64> matching;
    for (size_t i = 0; i < keys.size(); ++i) {
        const std::vector<FieldValue>& row = read.value()[i];
        bool same = !row.empty();
        for (qsizetype j = 0; same && j < cells.size(); ++j)
            same = size_t(j) < row.size() && row[size_t(j)].ToText() == cells[j];
        if (same)
            matching.insert(keys[i]);
    }
    // The first of them in the list's order.
    const std::vector<qint64>& order = list.Keys();
    for (size_t r = 0; r < order.size() && !matching.isEmpty(); ++r)
        if (matching.contains(order[r]))
            return qint32(r);
    return -1;
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
