#include "shell/print_report.h"

#include "data/report_writing.h"
#include "reports/report_layout.h"
#include "shell/message_boxes.h"
#include "shell/screen_kit.h"

namespace solario {

ReportLayout PrintedLayout(const AppState& s, const ReportLayout& layout) {
    ReportLayout printed = layout;
    if (s.SampleData)
        printed.pageNote = kSamplePageNote;
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
                 const std::function<Status()>& write) {
    ReportDataEnvironment* env = s.DataEnvironment1.get();
    Status status = env && env->rsCommand1
                        ? Status()
                        : Status(Failure{QStringLiteral("帳票データが開かれていません。")});
    platform.SetBusy(true);
    if (status)
        status = write();
    platform.SetBusy(false);
    if (status)
        status = platform.ShowReport(PrintedLayout(s, layout),
                                     CommandRecordset(*env, layout.command), owner);
    if (!status)
        ShowFailure(platform, QStringLiteral("印刷できませんでした。"), status.error());
}

} // namespace solario
