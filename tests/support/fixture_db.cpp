#include "support/fixture_db.h"

#include "data/app_state.h"
#include "data/field_catalogue.h"

#include <QFile>
#include <QtTest>
#include <sqlite3.h>

namespace solario::test {
namespace {

QString Quote(const QString& name) {
    return u'"' + name + u'"';
}

} // namespace

FixtureDb::FixtureDb(const QString& path) {
    QFile::remove(path);
    if (sqlite3_open(path.toUtf8().constData(), &db_) != SQLITE_OK)
        qFatal("cannot create fixture %s", qPrintable(path));
    AppState s;
    InitFieldCatalogue(s);
    QStringList defs;
    for (int i = 0; i < s.FieldCount; ++i) {
        const QString& kind = s.FieldKinds[size_t(i)];
        defs.append(Quote(s.FieldNames[size_t(i)]) +
                    (kind == kKindText ? QStringLiteral(" TEXT") : QStringLiteral(" INTEGER")));
    }
    Exec(QStringLiteral("CREATE TABLE ") + Quote(kMaterialTable) + u'(' + defs.join(u',') + u')');
    QStringList lookup = {QStringLiteral("一般名 TEXT"), QStringLiteral("ID TEXT")};
    for (const QString& c : GeneralNamePartColumns() + GeneralNameUsageColumns())
        lookup.append(Quote(c) + QStringLiteral(" INTEGER"));
    for (const QString& t : {kContainingTable, kNonContainingTable})
        Exec(QStringLiteral("CREATE TABLE ") + Quote(t) + u'(' + lookup.join(u',') + u')');
}

FixtureDb::~FixtureDb() {
    Close();
}

void FixtureDb::Close() {
    if (db_) {
        sqlite3_close(db_);
        db_ = nullptr;
    }
}

void FixtureDb::Exec(const QString& sql) {
    char* err = nullptr;
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK)
        qFatal("fixture statement failed: %s\n%s", err, qPrintable(sql));
}

void FixtureDb::Insert(const QString& table, const QVariantMap& values) {
    QStringList names, marks;
    for (auto it = values.begin(); it != values.end(); ++it) {
        names.append(Quote(it.key()));
        marks.append(QStringLiteral("?"));
    }
    const QByteArray sql =
        (QStringLiteral("INSERT INTO ") + Quote(table) + u'(' + names.join(u',') +
         QStringLiteral(") VALUES (") + marks.join(u',') + u')')
            .toUtf8();
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db_, sql.constData(), -1, &st, nullptr) != SQLITE_OK)
        qFatal("fixture insert: %s", sqlite3_errmsg(db_));
    int i = 1;
    for (const QVariant& v : values) {
        if (v.isNull())
            sqlite3_bind_null(st, i);
        else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong ||
                 v.typeId() == QMetaType::Bool)
            sqlite3_bind_int64(st, i, v.toLongLong());
        else if (v.typeId() == QMetaType::Double)
            sqlite3_bind_double(st, i, v.toDouble());
        else {
            // UTF-8, as the program binds: a leading U+FEFF stays part of the value.
            const QByteArray s = v.toString().toUtf8();
            sqlite3_bind_text(st, i, s.constData(), int(s.size()), SQLITE_TRANSIENT);
        }
        ++i;
    }
    if (sqlite3_step(st) != SQLITE_DONE)
        qFatal("fixture insert: %s", sqlite3_errmsg(db_));
    sqlite3_finalize(st);
}

void FixtureDb::AddProduct(const QVariantMap& values) {
    AppState s;
    InitFieldCatalogue(s);
    QVariantMap row;
    for (int i = 0; i < s.FieldCount; ++i)
        if (s.FieldKinds[size_t(i)] == kKindYesNo)
            row.insert(s.FieldNames[size_t(i)], 0);
    for (auto it = values.begin(); it != values.end(); ++it)
        row.insert(it.key(), it.value());
    Insert(kMaterialTable, row);
}

void FixtureDb::AddGeneralName(bool containing, const QString& name, const QString& id,
                               const QVariantMap& partsAndUsages) {
    QVariantMap row = partsAndUsages;
    row.insert(QStringLiteral("一般名"), name);
    row.insert(QStringLiteral("ID"), id);
    Insert(containing ? kContainingTable : kNonContainingTable, row);
}

} // namespace solario::test
