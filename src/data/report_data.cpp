#include "data/report_data.h"

#include "platform/jet_sql.h"

#include <QRegularExpression>

namespace solario {

const QString kCommand1Text = QStringLiteral(
    " SHAPE {SELECT * FROM `帳票検索条件テーブル`}  AS Command1 APPEND ({select b.建材名, "
    "b.該当件数, b.ソートNo, b.ID from 帳票検索条件テーブル as a, 帳票アスベスト含有建材名テーブル "
    "as b where a.ID = b.ID order by b.ソートNo}  AS Command1_1 RELATE 'ID' TO 'ID') AS "
    "Command1_1");
const QString kCommand2Text = QStringLiteral(
    " SHAPE {SELECT * FROM `帳票検索条件テーブル`}  AS Command2 APPEND ({select b.建材名, "
    "b.商品名, b.型番・品番, b.生産時のメーカー名, b.石綿含有製造期間, b.含有率, b.石綿種類, "
    "b.不燃材料認定番号, b.ID, b.ソートNo from 帳票検索条件テーブル as a, "
    "帳票含有建材一覧テーブル as b  where a.ID = b.ID order by b.ソートNo}  AS Command2_1 "
    "RELATE 'ID' TO 'ID') AS Command2_1");
const QString kCommand3Text = QStringLiteral("`帳票含有建材個別情報テーブル`");

const QStringList& ConditionsColumns() {
    static const QStringList columns = {QStringLiteral("ID"),
                                        QStringLiteral("建物の種類"),
                                        QStringLiteral("竣工年"),
                                        QStringLiteral("施工部位"),
                                        QStringLiteral("使われ方"),
                                        QStringLiteral("建材名"),
                                        QStringLiteral("現在のメーカー名"),
                                        QStringLiteral("商品名"),
                                        QStringLiteral("型番・品番"),
                                        QStringLiteral("不燃材料認定番号"),
                                        QStringLiteral("メッセージ"),
                                        QStringLiteral("非含有建材名"),
                                        QStringLiteral("DBバージョン")};
    return columns;
}

const QStringList& GeneralNameReportColumns() {
    static const QStringList columns = {QStringLiteral("建材名"), QStringLiteral("該当件数"),
                                        QStringLiteral("ソートNo"), QStringLiteral("ID")};
    return columns;
}

const QStringList& ListReportColumns() {
    static const QStringList columns = {
        QStringLiteral("建材名"),           QStringLiteral("商品名"),
        QStringLiteral("型番・品番"),       QStringLiteral("生産時のメーカー名"),
        QStringLiteral("石綿含有製造期間"), QStringLiteral("含有率"),
        QStringLiteral("石綿種類"),         QStringLiteral("不燃材料認定番号"),
        QStringLiteral("ソートNo"),         QStringLiteral("ID")};
    return columns;
}

const QStringList& DetailReportColumns() {
    static const QStringList columns = {QStringLiteral("建材名"),
                                        QStringLiteral("商品名"),
                                        QStringLiteral("型番・品番"),
                                        QStringLiteral("メーカー名"),
                                        QStringLiteral("生産時のメーカー名"),
                                        QStringLiteral("石綿含有製造期間"),
                                        QStringLiteral("不燃材料認定番号"),
                                        QStringLiteral("石綿含有率"),
                                        QStringLiteral("石綿の種類"),
                                        QStringLiteral("建物の種類"),
                                        QStringLiteral("外装材"),
                                        QStringLiteral("内装材"),
                                        QStringLiteral("耐火被覆材"),
                                        QStringLiteral("設備"),
                                        QStringLiteral("その他"),
                                        QStringLiteral("使われ方"),
                                        QStringLiteral("素材"),
                                        QStringLiteral("形状・外観（綿状）"),
                                        QStringLiteral("形状・外観（ボード状厚さmm）"),
                                        QStringLiteral("形状・外観（ボード状標準寸法mm）"),
                                        QStringLiteral("形状・外観（巻物厚さmm）"),
                                        QStringLiteral("形状・外観（巻物標準寸法mm）"),
                                        QStringLiteral("固有の見分け方"),
                                        QStringLiteral("会社名マーク"),
                                        QStringLiteral("商品名内容"),
                                        QStringLiteral("その他ロット番号等"),
                                        QStringLiteral("不燃材料認定番号有無"),
                                        QStringLiteral("ＪＩＳ許可番号"),
                                        QStringLiteral("aマーク"),
                                        QStringLiteral("販売地域"),
                                        QStringLiteral("相談窓口（メーカー名称）"),
                                        QStringLiteral("相談窓口（メーカー電話）"),
                                        QStringLiteral("相談窓口（関係団体名称）"),
                                        QStringLiteral("相談窓口（関係団体電話）"),
                                        QStringLiteral("DBバージョン")};
    return columns;
}

namespace {

QString QuoteIdentifier(const QString& name) {
    QString quoted = name;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

// The column/value lists end at the first empty column name.
qsizetype UsedColumns(const QStringList& columns) {
    qsizetype n = 0;
    while (n < columns.size() && !columns[n].isEmpty())
        ++n;
    return n;
}

QStringList UsedValues(const QStringList& values, qsizetype n) {
    QStringList used;
    used.reserve(n);
    for (qsizetype i = 0; i < n; ++i)
        used.append(i < values.size() ? values[i] : QString(""));
    return used;
}

Status CreateTable(Connection& c, const QString& table, const QStringList& columns) {
    QStringList defs;
    for (const QString& col : columns)
        defs.append(QuoteIdentifier(col) + QStringLiteral(" TEXT"));
    return c.ExecuteBound(QStringLiteral("CREATE TABLE ") + QuoteIdentifier(table) +
                              QStringLiteral(" (") + defs.join(u',') + u')',
                          {});
}

} // namespace

namespace {

// How deep the text's parentheses go, literals included: a bound that keeps the
// statements made from a command within what the translation reads.
int ParenthesisDepth(const QString& text) {
    int depth = 0, deepest = 0;
    for (QChar c : text) {
        if (c == u'(')
            deepest = std::max(deepest, ++depth);
        else if (c == u')' && depth > 0)
            --depth;
    }
    return deepest;
}

} // namespace

Result<ShapeCommand> ParseShapeCommand(const QString& text) {
    if (ParenthesisDepth(text) > kMaxNesting)
        return Failure{QStringLiteral("帳票コマンドの括弧の入れ子が深すぎます（%1 段まで）。")
                           .arg(kMaxNesting)};
    static const QRegularExpression shape(
        QStringLiteral(R"(^\s*SHAPE\s*\{([^}]*)\}\s*AS\s+(\S+)\s+APPEND\s*\(\s*\{([^}]*)\}\s*)"
                       R"(AS\s+(\S+)\s+RELATE\s+'([^']*)'\s+TO\s+'([^']*)'\s*\)\s*AS\s+(\S+)\s*$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    ShapeCommand cmd;
    cmd.text = text;
    const QRegularExpressionMatch m = shape.match(text);
    if (m.hasMatch()) {
        cmd.parentSql = m.captured(1).trimmed();
        cmd.parentName = m.captured(2);
        cmd.childSql = m.captured(3).trimmed();
        cmd.childName = m.captured(4);
        cmd.parentKey = m.captured(5);
        cmd.childKey = m.captured(6);
        if (cmd.childName != m.captured(7) || cmd.parentSql.isEmpty() || cmd.childSql.isEmpty())
            return Failure{QStringLiteral("帳票コマンドを解釈できません。（") + text +
                           QStringLiteral("）")};
        return cmd;
    }
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(QStringLiteral("SHAPE"), Qt::CaseInsensitive) || trimmed.isEmpty())
        return Failure{QStringLiteral("帳票コマンドを解釈できません。（") + text +
                       QStringLiteral("）")};
    if (trimmed.startsWith(QStringLiteral("SELECT"), Qt::CaseInsensitive))
        cmd.parentSql = trimmed;
    else
        cmd.parentSql = QStringLiteral("SELECT * FROM ") + trimmed;
    return cmd;
}

ReportRecordset::ReportRecordset(Connection& connection, ShapeCommand command)
    : connection_(connection), command_(std::move(command)) {}

Status ReportRecordset::Open() {
    open_ = true;
    stale_ = true;
    Status s = Refresh();
    if (!s)
        open_ = false;
    return s;
}

void ReportRecordset::Close() {
    parent_.Close();
    child_.Close();
    childrenByKey_.clear();
    open_ = false;
    stale_ = true;
}

void ReportRecordset::Requery() {
    stale_ = true;
}

void ReportRecordset::Release() {
    parent_.Close();
    child_.Close();
    childrenByKey_ = {};
    stale_ = true;
}

Status ReportRecordset::Refresh() {
    if (!open_)
        return Failure{QStringLiteral("帳票のレコードセットが開かれていません。")};
    if (!stale_)
        return {};
    childrenByKey_.clear();
    if (Status s = parent_.Open(command_.parentSql, connection_); !s)
        return s;
    if (!command_.childSql.isEmpty()) {
        if (Status s = child_.Open(command_.childSql, connection_); !s)
            return s;
        const int key = child_.FieldIndex(command_.childKey);
        if (key < 0)
            return Failure{command_.childName + QStringLiteral(" に列 ") + command_.childKey +
                           QStringLiteral(" がありません。")};
        if (parent_.FieldIndex(command_.parentKey) < 0)
            return Failure{command_.parentName + QStringLiteral(" に列 ") + command_.parentKey +
                           QStringLiteral(" がありません。")};
        for (qint32 row = 0; row < child_.RecordCount(); ++row)
            childrenByKey_[child_.ValueText(row, key)].append(row);
    }
    stale_ = false;
    return {};
}

Result<const Recordset*> ReportRecordset::Parent() {
    if (Status s = Refresh(); !s)
        return Failure{s.error()};
    return &parent_;
}

Result<const Recordset*> ReportRecordset::Children() {
    if (Status s = Refresh(); !s)
        return Failure{s.error()};
    return &child_;
}

Result<QList<qint32>> ReportRecordset::ChildRowsOf(qint32 parentRow) {
    if (Status s = Refresh(); !s)
        return Failure{s.error()};
    if (command_.childSql.isEmpty())
        return QList<qint32>();
    const QString key = parent_.ValueText(parentRow, parent_.FieldIndex(command_.parentKey));
    return childrenByKey_.value(key);
}

Status ReportDataEnvironment::OpenConnection() {
    if (Status s = Connection1.OpenScratch(); !s)
        return s;
    const std::pair<QString, const QStringList*> tables[] = {
        {kConditionsTable, &ConditionsColumns()},
        {kGeneralNameReportTable, &GeneralNameReportColumns()},
        {kListReportTable, &ListReportColumns()},
        {kDetailReportTable, &DetailReportColumns()}};
    for (const auto& [table, columns] : tables)
        if (Status s = CreateTable(Connection1, table, *columns); !s)
            return s;
    return Connection1.ExecuteBound(QStringLiteral("INSERT INTO ") +
                                        QuoteIdentifier(kConditionsTable) +
                                        QStringLiteral(" (ID) VALUES (?)"),
                                    {QStringLiteral("01")});
}

Status ReportDataEnvironment::OpenRecordsets() {
    std::unique_ptr<ReportRecordset>* targets[] = {&rsCommand1, &rsCommand2, &rsCommand3};
    const QString* texts[] = {&kCommand1Text, &kCommand2Text, &kCommand3Text};
    for (int i = 0; i < 3; ++i) {
        Result<ShapeCommand> cmd = ParseShapeCommand(*texts[i]);
        if (!cmd)
            return Failure{cmd.error()};
        *targets[i] = std::make_unique<ReportRecordset>(Connection1, cmd.value());
        if (Status s = (*targets[i])->Open(); !s)
            return s;
    }
    return {};
}

void ReportDataEnvironment::Close() {
    for (auto* rs : {&rsCommand1, &rsCommand2, &rsCommand3})
        if (*rs)
            (*rs)->Close();
    Connection1.Close();
}

Status WriteReportTables(ReportDataEnvironment& env, const std::function<Status()>& write) {
    if (Status s = env.Connection1.ExecuteBound(QStringLiteral("BEGIN"), {}); !s)
        return s;
    Status written = write();
    if (written)
        written = env.Connection1.ExecuteBound(QStringLiteral("COMMIT"), {});
    if (!written) {
        env.Connection1.ExecuteBound(QStringLiteral("ROLLBACK"), {});
        for (auto* rs : {&env.rsCommand1, &env.rsCommand2, &env.rsCommand3})
            if (*rs)
                (*rs)->Requery();
    }
    return written;
}

Status UpdateReportConditions(ReportDataEnvironment& env, ReportRecordset& recordset,
                              const QStringList& columns, const QStringList& values) {
    const qsizetype n = UsedColumns(columns);
    if (n == 0)
        return Failure{QStringLiteral("更新する列がありません。")};
    QStringList sets;
    for (qsizetype i = 0; i < n; ++i)
        sets.append(QuoteIdentifier(columns[i]) + QStringLiteral("=?"));
    // No WHERE: the table holds the one conditions row.
    const Status s =
        env.Connection1.ExecuteBound(QStringLiteral("UPDATE ") + QuoteIdentifier(kConditionsTable) +
                                         QStringLiteral(" SET ") + sets.join(u','),
                                     UsedValues(values, n));
    recordset.Requery();
    return s;
}

Status DeleteAllRows(ReportDataEnvironment& env, const QString& table, ReportRecordset& recordset) {
    const Status s =
        env.Connection1.ExecuteBound(QStringLiteral("DELETE FROM ") + QuoteIdentifier(table), {});
    recordset.Requery();
    return s;
}

Status InsertRow(ReportDataEnvironment& env, ReportRecordset& recordset, const QString& table,
                 const QStringList& columns, const QStringList& values) {
    const qsizetype n = UsedColumns(columns);
    if (n == 0)
        return Failure{QStringLiteral("追加する列がありません。")};
    QStringList names, marks;
    for (qsizetype i = 0; i < n; ++i) {
        names.append(QuoteIdentifier(columns[i]));
        marks.append(QStringLiteral("?"));
    }
    const Status s = env.Connection1.ExecuteBound(
        QStringLiteral("INSERT INTO ") + QuoteIdentifier(table) + QStringLiteral(" (") +
            names.join(u',') + QStringLiteral(") VALUES (") + marks.join(u',') + u')',
        UsedValues(values, n));
    recordset.Requery();
    return s;
}

} // namespace solario
