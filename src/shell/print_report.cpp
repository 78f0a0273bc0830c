#include "shell/print_report.h"

#include "data/report_writing.h"
#include "platform/memory.h"
#include "reports/report_engine.h"
#include "shell/message_boxes.h"
#include "shell/screen_kit.h"
#include "shell/settings.h"

namespace solario {

ReportLayout PrintedLayout(const AppState& s, const ReportLayout& layout,
                           const QDateTime& printedAt) {
    ReportLayout printed = layout;
    if (s.SampleData)
        printed.pageNote = kSamplePageNote;
    printed.printedAt = printedAt;
    printed.fileName = SuggestedFileName(layout.fileStem, PrintSubject(s, layout.command == 3),
                                         QStringLiteral("pdf"), printedAt.date());
    // The page headers print the edition of the data in use.
    if (!s.DataVersion.isEmpty() && s.DataVersion != kDataEdition)
        for (ReportBand* band : {&printed.pageHeader, &printed.pageFooter, &printed.groupHeader,
                                 &printed.groupFooter, &printed.detail})
            for (ReportElement& e : band->elements)
                if (e.kind == ReportElement::Kind::Label && e.text == kDataEdition)
                    e.text = s.DataVersion;
    return printed;
}

void PrintReport(AppState& s, Platform& platform, QWidget* owner, const ReportLayout& layout,
                 const std::function<Status(const Progress&)>& write) {
    ReportDataEnvironment* env = s.DataEnvironment1.get();
    Status status = env && env->rsCommand1
                        ? Status()
                        : Status(Failure{QStringLiteral("帳票データが開かれていません。")});
    std::shared_ptr<const ReportDocument> document;
    platform.SetBusy(true);
    if (status) {
        const auto view = platform.ShowProgress(owner, QStringLiteral("印刷の準備をしています…"));
        const Progress progress = [&view](qint64 done, qint64 total) {
            return view->Step(done, total);
        };
        status = WriteReportTables(*env, [&] { return write(progress); });
        if (status) {
            auto laid = ReportDocument::LayOut(PrintedLayout(s, layout),
                                               CommandRecordset(*env, layout.command), progress);
            if (laid)
                document = laid.value();
            else
                status = Failure{laid.error()};
        }
    }
    platform.SetBusy(false);
    if (status && document->PageCount() > kPagesToConfirm &&
        platform.MessageBox(QStringLiteral("印刷するページは全部で %1 ページです。\r続けますか？")
                                .arg(QLocale(QLocale::Japanese).toString(document->PageCount())),
                            QStringLiteral("確認"), box::kYesNo | box::kQuestion) != box::kYes)
        status = Stopped();
    if (status)
        status = platform.ShowReport(*document, owner);
    // The pages and the rows they were read from are not needed any more.
    document.reset();
    if (env)
        for (auto* rs : {&env->rsCommand1, &env->rsCommand2, &env->rsCommand3})
            if (*rs)
                (*rs)->Release();
    GiveBackFreeMemory();
    if (!status && !WasStopped(status))
        ShowFailure(platform, QStringLiteral("印刷できませんでした。"), status.error());
}

} // namespace solario
