// Shows the screens over an installation folder and saves a picture of the whole
// desktop after each step, for looking at what was built (run it under Xvfb, with
// QT_FONT_DPI=144 for a high-resolution screen).
//   screenshots INSTALLATION_DIR OUTPUT_DIR
#include "data/query_builders.h"
#include "data/report_data.h"
#include "data/report_writing.h"
#include "data/search_conditions.h"
#include "detail/detail_report.h"
#include "detail/form_detail.h"
#include "reports/report_engine.h"
#include "reports/report_layout.h"
#include "result_list/form_list.h"
#include "result_list/list_model.h"
#include "result_list/list_report.h"
#include "search_name/form_error_3.h"
#include "search_name/form_search_n.h"
#include "search_name/no_hit_report.h"
#include "search_usage/form_error_usage.h"
#include "search_usage/form_search_d.h"
#include "search_usage/form_search_d2.h"
#include "search_usage/uctl_rs_nextpage.h"
#include "search_usage/usage_reports.h"
#include "shell/application.h"
#include "shell/form_explan.h"
#include "shell/form_menu.h"
#include "shell/print_report.h"
#include "shell/qt_platform.h"
#include <QCheckBox>

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <cstdio>

namespace {

void Settle() {
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(25);
    }
}

void Shoot(const QDir& out, const QString& name) {
    Settle();
    QGuiApplication::primaryScreen()->grabWindow(0).save(
        out.filePath(name + QStringLiteral(".png")));
    std::printf("%s\n", qUtf8Printable(out.filePath(name + QStringLiteral(".png"))));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (app.arguments().size() != 3) {
        std::fprintf(stderr, "usage: screenshots INSTALLATION_DIR OUTPUT_DIR\n");
        return 2;
    }
    const QDir out(app.arguments()[2]);
    QDir().mkpath(out.path());
    QTemporaryDir lock;

    solario::AppState s;
    s.ProgramFolder = app.arguments()[1];
    solario::SetUpApplication(app, s.ProgramFolder);
    s.InstanceLockPath = lock.filePath(QStringLiteral("lock"));
    solario::QtPlatform platform(s.ProgramFolder);
    solario::Form_Menu menu(s, platform);
    int code = 0;
    if (!menu.Form_Load(&code))
        return code;
    menu.show();
    menu.Form_Activate();
    Shoot(out, QStringLiteral("menu"));

    menu.MenuToolTip->ShowTipFor(menu.CommandSearchD);
    Shoot(out, QStringLiteral("menu_tooltip_usage"));
    menu.MenuToolTip->ShowTipFor(menu.CommandSearchN);
    Shoot(out, QStringLiteral("menu_tooltip_name"));

    menu.CommandHelp_Click();
    Shoot(out, QStringLiteral("menu_help"));
    platform.CloseAllHelp(&menu, s.HelpFile);

    menu.hide();
    solario::Form_Explan explan(s, platform);
    explan.show();
    explan.Form_Activate();
    Shoot(out, QStringLiteral("explan"));
    explan.CommandHelp_Click();
    Shoot(out, QStringLiteral("explan_help"));
    platform.CloseAllHelp(&explan, s.HelpFile);
    explan.hide();

    // The search by name, with a little typed into it.
    solario::Form_Search_N search(s, platform);
    search.Form_Load();
    search.TextStartYear->setText(QStringLiteral("1983"));
    search.TextEndYear->setText(QStringLiteral("1990"));
    search.Text_Maker->setText(QStringLiteral("工業"));
    search.show();
    search.Form_Activate();
    Shoot(out, QStringLiteral("search_name"));
    search.hide();

    // The whole list, sorted by product name, one row ticked.
    s.MainRecordset = std::make_unique<solario::KeyedRecordset>();
    if (!solario::OpenMaterialList(s, *s.MainConnection, *s.MainRecordset, QString()))
        return 1;
    s.SearchRouteTitle = solario::SearchRoute::ByName;
    solario::Form_List list(s, platform);
    list.Form_Load();
    list.show();
    list.Form_Activate();
    list.ClickHeading(2);
    list.CommandSort_Click();
    list.ClickTickCell(3);
    Shoot(out, QStringLiteral("list"));
    list.hide();
    auto save = [&](const solario::ReportLayout& layout, const solario::Status& written) {
        if (written)
            solario::SaveReportPdf(solario::PrintedLayout(s, layout),
                                   solario::CommandRecordset(*s.DataEnvironment1, layout.command),
                                   out.filePath(layout.name + QStringLiteral(".pdf")));
        std::printf("%s\n", qUtf8Printable(out.filePath(layout.name + QStringLiteral(".pdf"))));
    };
    save(solario::DataReport_ListKenzai2(), solario::WriteListReport(s, s.MainRecordset.get()));
    // The preview as the print button shows it, pictured and then closed.
    QTimer::singleShot(2500, [&] {
        Shoot(out, QStringLiteral("preview"));
        if (QWidget* preview = QApplication::activeModalWidget())
            preview->close();
    });
    const auto laid = solario::ReportDocument::LayOut(
        solario::PrintedLayout(s, solario::DataReport_ListKenzai2()),
        *s.DataEnvironment1->rsCommand2);
    if (laid)
        platform.ShowReport(*laid.value(), &list);
    else
        std::printf("preview: %s\n", qUtf8Printable(laid.error()));

    // The record of the ticked product, at the top and one page down.
    s.DetailRecordset = std::make_unique<solario::Recordset>();
    if (!solario::OpenMaterialDetail(s, *s.MainConnection, *s.DetailRecordset,
                                     QStringLiteral(" ID = '") + s.ListIds[2] +
                                         QStringLiteral("' ")))
        return 1;
    s.DetailValues.clear();
    for (int i = 0; i < s.FieldCount; ++i)
        s.DetailValues.append(s.DetailRecordset->ValueText(0, i));
    s.DetailValues.append(QString());
    solario::Form_Detail detail(s, platform);
    detail.Form_Load();
    detail.show();
    detail.Form_Activate();
    Shoot(out, QStringLiteral("detail_top"));
    detail.CheckKeyCode(solario::kKeyPageDown);
    Shoot(out, QStringLiteral("detail_page2"));
    detail.CheckKeyCode(solario::kKeyPageDown);
    Shoot(out, QStringLiteral("detail_end"));
    detail.hide();
    save(solario::DataReport_DetailKenzai(), solario::WriteDetailReport(s));

    // The notice of a search that found nothing.
    s.CondStartYear = QStringLiteral("1983");
    s.CondEndYear = QString();
    s.CondMaker = QStringLiteral("工業");
    s.CondNintei = QStringLiteral("不燃-指定なし");
    solario::Form_Error_3 notice(s, platform);
    notice.Form_Load();
    notice.show();
    notice.Form_Activate();
    Shoot(out, QStringLiteral("notice_name"));
    notice.hide();
    save(solario::DataReport_Error_3(), solario::WriteNameSearchNotice(s));

    // The search by usage, then the names found for a room's ceiling as finish material.
    solario::Form_Search_D usage(s, platform);
    usage.Form_Load();
    usage.TextStartYear->setText(QStringLiteral("1975"));
    usage.TextEndYear->setText(QStringLiteral("1985"));
    usage.Check_Sekobui[3]->setChecked(true);
    usage.Check_Shiyoho[0]->setChecked(true);
    usage.show();
    usage.Form_Activate();
    Shoot(out, QStringLiteral("search_usage"));
    usage.hide();
    s.UsageWhere = solario::BuildUsageWhere(QStringLiteral("1975"), QStringLiteral("1985"));
    std::unique_ptr<solario::Recordset> lookup;
    if (!solario::LookupGeneralNames(s, *s.MainConnection, lookup, s.UsageWhere,
                                     QStringLiteral("居室天井"), QStringLiteral("仕上げ材")))
        return 1;
    s.CondStartYear = QStringLiteral("1975");
    s.CondEndYear = QStringLiteral("1985");
    s.CondSekobui = QStringLiteral("居室天井");
    s.CondShiyoho = QStringLiteral("仕上げ材");
    solario::Form_Search_D2 select(s, platform);
    select.Form_Load();
    select.show();
    select.Form_Activate();
    select.UCtl_RS_NextPage1->Check1[1]->click();
    Shoot(out, QStringLiteral("select_page1"));
    while (select.UCtl_RS_NextPage1->Cmd_Next->isEnabled())
        select.UCtl_RS_NextPage1->Cmd_Next->click();
    Shoot(out, QStringLiteral("select_last_page"));
    select.hide();
    save(solario::DataReport_SelectKenzai(), solario::WriteNameSelectReport(s));

    s.SelectedNames = QStringList{s.GeneralNames.value(0), s.GeneralNames.value(1), QString()};
    s.CondMaker = QStringLiteral("工業");
    s.CondShohin.clear();
    for (int kind = 0; kind < 3; ++kind) {
        std::unique_ptr<solario::UsageNotice> n;
        if (kind == 0)
            n = std::make_unique<solario::Form_Error_1>(s, platform);
        else if (kind == 1)
            n = std::make_unique<solario::Form_Error_1_1>(s, platform);
        else
            n = std::make_unique<solario::Form_Error_2>(s, platform);
        n->Form_Load();
        n->show();
        n->Form_Activate();
        Shoot(out, n->objectName());
        n->hide();
        const solario::UsageNoticeKind k = kind == 0   ? solario::UsageNoticeKind::NothingFound
                                           : kind == 1 ? solario::UsageNoticeKind::Insulation
                                                       : solario::UsageNoticeKind::NoProduct;
        save(kind == 0   ? solario::DataReport_Error_1()
             : kind == 1 ? solario::DataReport_Error_1_1()
                         : solario::DataReport_Error_2(),
             solario::WriteUsageNotice(s, k));
    }
    return 0;
}
