#pragma once

#include "data/field_catalogue.h"
#include "data/input_rules.h"
#include "data/report_data.h"
#include "support/fake_platform.h"
#include "support/fixture_db.h"
#include "support/helpers.h"

#include <QTemporaryDir>
#include <QtTest>
#include <functional>

namespace solario::test {

// The shared state as the start-up leaves it, over a fixture database that the test
// fills, with a fake desktop.
struct LoadedState {
    explicit LoadedState(const std::function<void(FixtureDb&)>& fill) {
        {
            FixtureDb db(dir.filePath(QStringLiteral("app.db")));
            fill(db);
        }
        s.ProgramFolder = dir.path();
        WriteDocuments(dir.filePath(QStringLiteral("docs")));
        s.HelpFile = QStringLiteral("app.qhc");
        s.PdfFolder = QStringLiteral("docs\\");
        s.DocPartsInfo = QStringLiteral("docs\\部位.pdf");
        s.DocNameList = QStringLiteral("docs\\一覧.pdf");
        s.DocNinteiNo = QStringLiteral("docs\\認定.pdf");
        s.DocRegisteredInfo = QStringLiteral("docs\\登録.pdf");
        s.DocPeriodInfo = QStringLiteral("docs\\期間.pdf");
        s.DataVersion = kDataEdition;
        InitFieldCatalogue(s);
        InitSpecialChars(s);
        InitMessages(s);
        s.MainConnection = std::make_unique<Connection>();
        if (!s.MainConnection->OpenReadOnly(dir.filePath(QStringLiteral("app.db"))))
            qFatal("cannot open the fixture");
        s.DbOpen = true;
        s.DataEnvironment1 = std::make_unique<ReportDataEnvironment>();
        if (!s.DataEnvironment1->OpenConnection() || !s.DataEnvironment1->OpenRecordsets())
            qFatal("cannot open the report data");
    }
    QString Doc(const QString& name) const { return dir.filePath(QStringLiteral("docs/") + name); }

    QTemporaryDir dir;
    AppState s;
    FakePlatform p;
};

} // namespace solario::test
