#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

struct sqlite3;

namespace solario::test {

// A small material database written by the tests themselves, so that each case shows
// exactly the rows it is about.
class FixtureDb {
public:
    explicit FixtureDb(const QString& path);
    ~FixtureDb();

    // A product: the given columns, every other text NULL, numbers NULL, flags 0.
    void AddProduct(const QVariantMap& values);
    // A row of 一般名－部位_含有マスタ (containing = true) or 一般名－部位_非含有マスタ.
    void AddGeneralName(bool containing, const QString& name, const QString& id,
                        const QVariantMap& partsAndUsages);
    // Runs any statement on the fixture, for cases the helpers do not cover.
    void Exec(const QString& sql);
    void Close();

private:
    void Insert(const QString& table, const QVariantMap& values);
    sqlite3* db_ = nullptr;
};

} // namespace solario::test
