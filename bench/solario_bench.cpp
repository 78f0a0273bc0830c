// Timings and memory of the result list on a large generated database.
//   solario_bench [--products N] [--database FILE]
// Without --database it generates N products (100 000) in a temporary folder first.
// Prints one line per figure; the "raw" lines are SQLite alone stepping the statement the
// program's figure needs (every cell read, nothing kept), measured in the same run.
#include "data/field_catalogue.h"
#include "data/list_export.h"
#include "data/query_builders.h"
#include "data/report_data.h"
#include "detail/form_detail.h"
#include "platform/jet_sql.h"
#include "reports/report_engine.h"
#include "reports/report_layout.h"
#include "result_list/form_list.h"
#include "result_list/list_model.h"
#include "result_list/list_report.h"
#include "platform/memory.h"
#include "shell/print_report.h"
#include "shell/qt_platform.h"
#include "shell/report_preview.h"
#include "tools/data_exchange.h"
#include "tools/sample_data.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sqlite3.h>

using namespace solario;

namespace {

double Ms(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e6;
}

// Median of several runs, in milliseconds.
double Median(int runs, const std::function<void()>& work) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        ms.push_back(Ms(t));
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

void Line(const QString& what, double value, const char* unit) {
    std::printf("%-58s %10.1f %s\n", qUtf8Printable(what), value, unit);
    std::fflush(stdout);
}

void Check(const Status& s, const char* what) {
    if (!s) {
        std::fprintf(stderr, "%s failed: %s\n", what, qUtf8Printable(s.error()));
        std::exit(1);
    }
}

// The floor: SQLite stepping the statement and reading every cell as text, with nothing
// kept. Returns the number of rows.
qint64 StepRaw(Connection& c, const QString& jetSql) {
    const QByteArray sql = TranslateJetSql(jetSql).value().toUtf8();
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

// A platform whose modal screens close as soon as they are shown, so that the detail
// can be timed from the key to the screen.
class BenchPlatform : public QtPlatform {
public:
    using QtPlatform::QtPlatform;
    void ShowModal(Screen& screen) override {
        screen.show();
        QCoreApplication::processEvents();
        screen.hide();
    }
};

// The list screen as a search leaves it: the query run, the list made and shown.
std::unique_ptr<Form_List> SearchAndShow(AppState& s, Platform& p, const QString& where) {
    const Result<qint32> n = RunListQuery(s, p, where);
    Check(n, "search");
    auto list = MakeResultList(s, p, SearchRoute::ByName);
    list->show();
    QCoreApplication::processEvents();
    return list;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int products = 100000;
    QString path;
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == u"--products")
            products = args[i + 1].toInt();
        else if (args[i] == u"--database")
            path = args[i + 1];
    }
    QTemporaryDir dir;
    if (path.isEmpty()) {
        path = dir.filePath(QStringLiteral("app.db"));
        QElapsedTimer t;
        t.start();
        Check(sample::WriteSampleDatabase(path, products), "generate");
        Line(QStringLiteral("generate the sample database"), Ms(t), "ms");
    }

    AppState s;
    InitFieldCatalogue(s);
    s.ProgramFolder = dir.path();
    s.DataVersion = kDataEdition;
    s.MainConnection = std::make_unique<Connection>();
    Check(s.MainConnection->OpenReadOnly(path), "open");
    Connection& c = *s.MainConnection;
    BenchPlatform platform(dir.path());

    // Peak memory from here on (Linux: writing 5 to clear_refs resets the peak).
    if (QFile clear(QStringLiteral("/proc/self/clear_refs")); clear.open(QIODevice::WriteOnly))
        clear.write("5");

    // The whole table, from the search key to the rows shown.
    const QString all;
    const QString maker =
        QStringLiteral("((現在のメーカー名 LIKE '%工業%') OR (生産時のメーカー名 LIKE '%工業%'))");
    for (const auto& [what, where] :
         {std::pair{"whole table", all}, std::pair{"maker LIKE '%工業%'", maker}}) {
        qint32 rows = 0;
        const double ms = Median(5, [&] {
            auto list = SearchAndShow(s, platform, where);
            rows = list->Model->rowCount();
            list.reset();
            ReleaseResultList(s);
        });
        Line(QStringLiteral("list, %1: search key to rows shown (%2 rows)")
                 .arg(QString::fromUtf8(what))
                 .arg(rows),
             ms, "ms");
        const QString keys =
            BuildListKeySql(BuildMaterialListSql(s, where), kListDefaultOrder).value();
        const double raw = Median(5, [&] { StepRaw(c, keys); });
        Line(QStringLiteral("  raw SQLite stepping its keys"), raw, "ms");
        Line(QStringLiteral("  program / raw"), ms / raw, "x");
    }
    {
        // What the list once did: every cell of every row read.
        const QString full = BuildMaterialListSql(s, QString()) + QStringLiteral(" ORDER BY ID");
        Line(QStringLiteral("  (raw SQLite stepping every cell of the whole list)"),
             Median(1, [&] { StepRaw(c, full); }), "ms");
    }

    // Sorting the whole list by each visible column, both ways, with a tick carried over.
    auto list = SearchAndShow(s, platform, QString());
    const qint32 rows = list->Model->rowCount();
    double worst = 0;
    for (int column = 1; column <= 8; ++column) {
        list->ClickTickCell(std::max(1, rows / 2));
        for (const char* direction : {"ASC", "DESC"}) {
            list->ClickHeading(column);
            if (direction[0] == 'D')
                list->SortDirIndex = 0; // the next sort is descending
            QElapsedTimer t;
            t.start();
            list->CommandSort_Click();
            QCoreApplication::processEvents();
            const double ms = Ms(t);
            worst = std::max(worst, ms);
            const QString order = BuildSortOrder(s, column, QString::fromLatin1(direction));
            const double raw =
                Median(1, [&] { StepRaw(c, BuildListKeySql(s.ListBaseSql, order).value()); });
            Line(QStringLiteral("sort by column %1 %2 (raw keys %3 ms)")
                     .arg(column)
                     .arg(QString::fromLatin1(direction))
                     .arg(raw, 0, 'f', 1),
                 ms, "ms");
            if (list->TickedRow() == 0) {
                std::fprintf(stderr, "the tick was lost\n");
                return 1;
            }
        }
    }
    Line(QStringLiteral("sort: slowest of the 16"), worst, "ms");

    // Scrolling: the view jumps to rows across the list, each drawn at once.
    {
        QTableView& grid = *list->MSHFlexGridSearchResult;
        QElapsedTimer t;
        t.start();
        const int jumps = 50;
        for (int i = 0; i < jumps; ++i) {
            grid.scrollTo(list->Model->index(int(qint64(rows - 1) * i / (jumps - 1)), 1));
            grid.viewport()->repaint();
        }
        Line(QStringLiteral("scroll: jump anywhere and draw, per jump"), Ms(t) / jumps, "ms");
    }

    // The whole list saved as CSV: the shown columns and the ID of every row.
    {
        ExportColumns columns;
        for (int c = 1; c <= 8; ++c) {
            columns.fields.append(c - 1);
            columns.headings.append(s.MainRecordset->FieldName(c - 1));
        }
        columns.fields.append(s.MainRecordset->FieldIndex(QStringLiteral("ID")));
        columns.headings.append(QStringLiteral("ID"));
        const QString csv = dir.filePath(QStringLiteral("list.csv"));
        Line(QStringLiteral("CSV of the whole list (%1 rows)").arg(rows),
             Median(3, [&] { Check(WriteListCsv(*s.MainRecordset, columns, csv), "csv"); }), "ms");
    }

    // The detail of the ticked product: the key to the detail screen shown.
    Line(QStringLiteral("detail of the ticked product"),
         Median(5, [&] { list->CommandDetail_Click(); }), "ms");
    Line(QStringLiteral("peak resident memory with the whole list open"),
         double(PeakResidentBytes()) / 1048576.0, "MiB");
    Line(QStringLiteral("  keys and cached windows held by the list"),
         double(s.MainRecordset->MemoryBytes()) / 1048576.0, "MiB");
    list.reset();
    ReleaseResultList(s);

    // Printing a list of n products, as the print button does it: the report tables
    // written, the pages laid out, then the preview showing the first, a middle and the
    // last page (drawn when shown), and every page drawn into a PDF. Peak memory is
    // measured from the start of each print, and what is left after it is let go.
    s.DataEnvironment1 = std::make_unique<ReportDataEnvironment>();
    Check(s.DataEnvironment1->OpenConnection(), "report connection");
    Check(s.DataEnvironment1->OpenRecordsets(), "report recordsets");
    s.SearchRouteTitle = SearchRoute::ByName;
    ReportDataEnvironment& env = *s.DataEnvironment1;
    for (int n : {1000, 10000, 100000}) {
        if (n > products)
            break;
        const QString where = QStringLiteral("_rowid_ IN (SELECT _rowid_ FROM ") + kMaterialTable +
                              QStringLiteral(" ORDER BY _rowid_ LIMIT %1)").arg(n);
        s.MainRecordset = std::make_unique<KeyedRecordset>();
        Check(OpenMaterialList(s, c, *s.MainRecordset, where), "print list");
        if (QFile clear(QStringLiteral("/proc/self/clear_refs")); clear.open(QIODevice::WriteOnly))
            clear.write("5");
        const double before = double(ResidentBytes()) / 1048576.0;
        QElapsedTimer t;
        t.start();
        Check(WriteReportTables(env, [&] { return WriteListReport(s, s.MainRecordset.get()); }),
              "write");
        const double written = Ms(t);
        t.restart();
        auto laid = ReportDocument::LayOut(PrintedLayout(s, DataReport_ListKenzai2()),
                                           *env.rsCommand2);
        Check(laid, "lay out");
        const double layout = Ms(t);
        const ReportDocument& document = *laid.value();
        const int pages = document.PageCount();
        double shown = 0;
        {
            ReportPreview preview(document, platform, nullptr);
            preview.show();
            QCoreApplication::processEvents();
            t.restart();
            for (int page : {0, pages / 2, pages - 1}) {
                preview.Pages->GoToPage(page);
                preview.Pages->viewport()->grab();
            }
            shown = Ms(t) / 3;
        }
        t.restart();
        Check(SaveReportPdf(document, dir.filePath(QStringLiteral("list.pdf"))), "pdf");
        const double drawn = Ms(t);
        const double peak = double(PeakResidentBytes()) / 1048576.0;
        laid = Failure{};
        for (auto* rs : {&env.rsCommand1, &env.rsCommand2, &env.rsCommand3})
            (*rs)->Release();
        GiveBackFreeMemory();
        const QString what = QStringLiteral("print %1 products (%2 pages): ").arg(n).arg(pages);
        Line(what + QStringLiteral("tables written"), written, "ms");
        Line(what + QStringLiteral("pages laid out"), layout, "ms");
        Line(what + QStringLiteral("tables and layout, to the preview"), written + layout, "ms");
        Line(what + QStringLiteral("a page drawn in the preview"), shown, "ms");
        Line(what + QStringLiteral("every page drawn into a PDF"), drawn, "ms");
        Line(what + QStringLiteral("pages a second, laid out and drawn"),
             pages / ((layout + drawn) / 1000.0), "pages/s");
        Line(what + QStringLiteral("peak resident memory"), peak, "MiB");
        Line(what + QStringLiteral("  resident before / after, all let go"),
             before, QStringLiteral("/ %1 MiB").arg(double(ResidentBytes()) / 1048576.0, 0, 'f', 1)
                         .toUtf8()
                         .constData());
    }

    // The material tables out as CSV files and back into a new database, as the import
    // tool does it (every row checked, indexes written, the file checked and renamed).
    {
        const QString folder = dir.filePath(QStringLiteral("csv"));
        QList<exchange::TableCount> counts;
        QElapsedTimer t;
        t.start();
        Check(exchange::ExportDatabase(path, folder, counts), "export");
        Line(QStringLiteral("export the three tables as CSV (%1 products)")
                 .arg(counts.value(2).rows),
             Ms(t), "ms");
        exchange::ImportOptions options;
        options.edition = QStringLiteral("２０２６年１２月版");
        exchange::ImportSummary summary;
        t.restart();
        Check(exchange::ImportDatabase(folder, dir.filePath(QStringLiteral("imported.db")), options,
                                       summary),
              "import");
        Line(QStringLiteral("import them into a new database (%1 products)")
                 .arg(summary.tables.value(2).rows),
             Ms(t), "ms");
    }
    return 0;
}
