// Timings and memory of the queries on a large generated database.
//   solario_bench [--products N]
// Prints one line per figure.
#include "data/field_catalogue.h"
#include "data/query_builders.h"
#include "data/report_data.h"
#include "platform/jet_sql.h"
#include "tools/sample_data.h"

#include "reports/report_engine.h"
#include "reports/report_layout.h"
#include "result_list/form_list.h"
#include "result_list/list_model.h"
#include "result_list/list_report.h"
#include "shell/qt_platform.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sqlite3.h>

using namespace solario;

namespace {

// Resident and peak memory of this process in kB, from /proc.
long StatusKb(const char* key) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qsizetype(std::strlen(key))).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Median of several runs, in milliseconds.
double Median(int runs, const std::function<void()>& work) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

void Line(const char* what, double value, const char* unit) {
    std::printf("%-52s %10.1f %s\n", what, value, unit);
    std::fflush(stdout);
}

// The floor: SQLite stepping the same statement and reading every cell as text, with
// nothing kept. Returns the number of rows.
qint64 StepRaw(Connection& c, const QString& jetSql) {
    const QByteArray sql = TranslateJetSql(jetSql).toUtf8();
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(c.Handle(), sql.constData(), int(sql.size()), &st, nullptr) != SQLITE_OK)
        return -1;
    qint64 rows = 0;
    const int columns = sqlite3_column_count(st);
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int i = 0; i < columns; ++i)
            sqlite3_column_text(st, i);
        ++rows;
    }
    sqlite3_finalize(st);
    return rows;
}

void Check(const Status& s, const char* what) {
    if (!s) {
        std::fprintf(stderr, "%s failed: %s\n", what, qUtf8Printable(s.error()));
        std::exit(1);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int products = 100000;
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == u"--products")
        products = args[2].toInt();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("app.db"));

    QElapsedTimer t;
    t.start();
    Check(sample::WriteSampleDatabase(path, products), "generate");
    std::printf("products: %d\n", products);
    Line("generate the sample database", double(t.elapsed()), "ms");

    AppState s;
    InitFieldCatalogue(s);
    Connection c;
    Check(c.OpenReadOnly(path), "open");

    const long rssBefore = StatusKb("VmRSS:");
    {
        Recordset rs;
        Check(OpenMaterialList(s, c, rs, QString()), "list");
        const long rssAfter = StatusKb("VmRSS:");
        Line("recordset of the whole list: bytes held", double(rs.MemoryBytes()) / 1048576.0,
             "MiB");
        Line("recordset of the whole list: resident growth", double(rssAfter - rssBefore) / 1024.0,
             "MiB");
    }

    Recordset rs;
    const double whole = Median(5, [&] { Check(OpenMaterialList(s, c, rs, QString()), "list"); });
    Line("OpenMaterialList, empty WHERE", whole, "ms");
    // The same statement stepped by SQLite alone, in the same run: the floor.
    const QString listSql = s.ListBaseSql + QStringLiteral(" ORDER BY ID");
    const double raw = Median(5, [&] { StepRaw(c, listSql); });
    Line("  raw SQLite stepping the same rows", raw, "ms");
    Line("  program / raw", whole / raw, "x");
    const QString maker =
        QStringLiteral("((現在のメーカー名 LIKE '%工業%') OR (生産時のメーカー名 LIKE '%工業%'))");
    qint32 rows = 0;
    Line("OpenMaterialList, maker LIKE '%工業%'",
         Median(5,
                [&] {
                    const Result<qint32> n = OpenMaterialList(s, c, rs, maker);
                    Check(n, "maker");
                    rows = n.value();
                }),
         "ms");
    std::printf("  (%d rows)\n", rows);
    {
        const QString makerSql = BuildMaterialListSql(s, maker) + QStringLiteral(" ORDER BY ID");
        const double makerRaw = Median(5, [&] { StepRaw(c, makerSql); });
        Line("  raw SQLite stepping the same rows", makerRaw, "ms");
    }
    Check(OpenMaterialList(s, c, rs, QString()), "list");
    Line("RequerySorted by 商品名",
         Median(5,
                [&] {
                    Check(RequerySorted(c, rs, s.ListBaseSql, QStringLiteral("商品名 ASC")),
                          "sort");
                }),
         "ms");

    const QString house = QStringLiteral(
        "(建物の種類（戸建住宅）= True) AND (製造終了 >= 1979 AND 製造開始 <= 1990)");
    std::unique_ptr<Recordset> lookup;
    Line("LookupGeneralNames 屋根 / 仕上げ材",
         Median(5,
                [&] {
                    Check(LookupGeneralNames(s, c, lookup, house, QStringLiteral("屋根"),
                                             QStringLiteral("仕上げ材")),
                          "roof");
                }),
         "ms");
    Line("LookupGeneralNames 床, no usage",
         Median(5,
                [&] {
                    Check(LookupGeneralNames(s, c, lookup, house, QStringLiteral("床"), QString()),
                          "floor");
                }),
         "ms");

    // A printed list: clear the table, write every row, then read it once.
    ReportDataEnvironment env;
    Check(env.OpenConnection(), "report connection");
    Check(env.OpenRecordsets(), "report recordsets");
    for (int n : {1000, 10000}) {
        const double ms = Median(3, [&] {
            Check(DeleteAllRows(env, kListReportTable, *env.rsCommand2), "delete");
            for (int i = 1; i <= n; ++i)
                Check(InsertRow(env, *env.rsCommand2, kListReportTable, ListReportColumns(),
                                {QStringLiteral("建材名"), QStringLiteral("商品名"),
                                 QStringLiteral("型番"), QStringLiteral("メーカー"),
                                 QStringLiteral("1970～1980"), QStringLiteral("5"),
                                 QStringLiteral("クリソタイル"), QStringLiteral("不燃-1"),
                                 QStringLiteral("%1").arg(i, 7, 10, QChar(u'0')),
                                 QStringLiteral("01")}),
                      "insert");
            Check(Status(env.rsCommand2->Children()), "read");
        });
        char what[64];
        std::snprintf(what, sizeof what, "report list of %d rows: write and read", n);
        Line(what, ms, "ms");
    }
    // The result list screen over the whole table: the query, the grid, then a sort with
    // the list of IDs refilled and the tick found again.
    rs.Close();
    {
        // Peak memory from here on (Linux: writing 5 to clear_refs resets the peak).
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        if (clear.open(QIODevice::WriteOnly))
            clear.write("5");
        clear.close();
        s.ProgramFolder = dir.path();
        s.MainConnection = std::make_unique<Connection>();
        Check(s.MainConnection->OpenReadOnly(path), "open");
        QtPlatform platform(dir.path());
        QElapsedTimer open;
        open.start();
        s.MainRecordset = std::make_unique<Recordset>();
        const Result<qint32> n =
            OpenMaterialList(s, *s.MainConnection, *s.MainRecordset, QString());
        Check(n, "list");
        const int id = s.MainRecordset->FieldIndex(QStringLiteral("ID"));
        s.ListIds = QStringList(n.value() + 1);
        for (qint32 i = 0; i < n.value(); ++i)
            s.ListIds[i] = s.MainRecordset->ValueText(i, id);
        Form_List list(s, platform);
        list.Form_Load();
        list.show();
        QCoreApplication::processEvents();
        Line("result list screen: search and show all rows", double(open.nsecsElapsed()) / 1e6,
             "ms");
        list.ClickTickCell(n.value() / 2);
        list.ClickHeading(2);
        QElapsedTimer sort;
        sort.start();
        list.CommandSort_Click();
        QCoreApplication::processEvents();
        Line("result list screen: sort by 商品名 with the tick", double(sort.nsecsElapsed()) / 1e6,
             "ms");
        list.hide();

        // Printing the first 10 000 of the sorted list: the report tables, then the whole
        // report laid out and drawn (what the preview does before it shows a page).
        {
            QtPlatform dummy(dir.path());
            Recordset part;
            Check(part.Open(s.ListBaseSql + QStringLiteral(" ORDER BY ID LIMIT 10000"),
                            *s.MainConnection),
                  "part");
            s.DataEnvironment1 = std::make_unique<ReportDataEnvironment>();
            Check(s.DataEnvironment1->OpenConnection(), "report connection");
            Check(s.DataEnvironment1->OpenRecordsets(), "report recordsets");
            s.SearchRouteTitle = SearchRoute::ByName;
            s.DataVersion = kDataEdition;
            QElapsedTimer print;
            print.start();
            Check(WriteListReport(s, &part), "write");
            const double written = double(print.nsecsElapsed()) / 1e6;
            const Result<int> pages =
                SaveReportPdf(DataReport_ListKenzai2(), *s.DataEnvironment1->rsCommand2,
                              dir.filePath(QStringLiteral("list.pdf")));
            Check(pages, "report");
            Line("print 10 000 products: report tables written", written, "ms");
            Line("print 10 000 products: tables and all pages drawn",
                 double(print.nsecsElapsed()) / 1e6, "ms");
            std::printf("  (%d pages)\n", pages.value());
        }
        Line("result list screen: peak resident memory", double(StatusKb("VmHWM:")) / 1024.0,
             "MiB");
    }
    return 0;
}
