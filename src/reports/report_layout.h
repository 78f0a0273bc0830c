#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <Qt>

namespace solario {

// One thing a report band prints, placed in twips from the band's top-left corner.
struct ReportElement {
    enum class Kind { Label, Value, Picture, Rect, RoundRect, Line, PageNumber, PageCount };
    Kind kind = Kind::Label;
    int top = 0;
    int left = 0;
    int width = 0;
    int height = 0;
    QString text; // a label's text, a value's column name
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    bool orange = false;
    double size = 1.0; // relative to the report's body type
    bool bold = false;
    // Elements with the same number (not 0) stay on one page when their band has to
    // break across pages.
    int keep = 0;
};

struct ReportBand {
    int height = 0;
    QList<ReportElement> elements;
    bool IsEmpty() const { return elements.isEmpty(); }
};

// A report layout: which command it reads, its page, and its bands.
struct ReportLayout {
    QString name;
    QString title;    // the document's title, as a saved PDF names it
    QString fileStem; // the start of the file name a save suggests: stem_YYYYMMDD.pdf
    int command = 1;  // 1, 2 or 3: rsCommand1, rsCommand2, rsCommand3
    bool landscape = false;
    int width = 0; // twips
    // The top and bottom page margins. A list's page holds the lines its writer counts on
    // (kListRowsFirstPage and kListRowsPerPage, kNameRowsFirstPage and kNameRowsPerPage)
    // when every value fits its line, so the height between them is chosen for A4 to give
    // just that. The bottom margin holds the page note, at least 5 mm above the paper's
    // edge, where every printer prints.
    double topMarginMm = 10;
    double bottomMarginMm = 10;
    // The detail rows carry their own heading lines: the first child row is one, and rows
    // with the same texts repeat it. Every page of rows then starts with the heading,
    // wherever the rows' heights break the pages.
    bool headingRows = false;
    ReportBand pageHeader;
    ReportBand groupHeader;
    ReportBand detail;
    ReportBand groupFooter;
    ReportBand pageFooter;
    // A line printed at the foot of every page, below the page footer, in the bottom
    // margin: it takes no room from the bands, so the pages break as without it. With the
    // time of printing set, the line also says when the page was printed, and on a layout
    // without page numbers of its own, which page of how many it is.
    QString pageNote;
    QDateTime printedAt;
    // The name a save of the printed report suggests (with its extension).
    QString fileName;
};

const ReportLayout& DataReport_ListKenzai2();
const ReportLayout& DataReport_SelectKenzai();
const ReportLayout& DataReport_Error_1();
const ReportLayout& DataReport_Error_1_1();
const ReportLayout& DataReport_Error_2();
const ReportLayout& DataReport_Error_3();
const ReportLayout& DataReport_DetailKenzai();

} // namespace solario
