#pragma once

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
    // The top and bottom page margins. The lists put a heading line at the top of every
    // page only when a page holds exactly the lines they count on (kListRowsFirstPage and
    // kListRowsPerPage, kNameRowsFirstPage and kNameRowsPerPage), so their margins are
    // chosen for A4 to give just that.
    double verticalMarginMm = 10;
    ReportBand pageHeader;
    ReportBand groupHeader;
    ReportBand detail;
    ReportBand groupFooter;
    ReportBand pageFooter;
    // A line printed at the foot of every page, below the page footer, in the bottom
    // margin: it takes no room from the bands, so the pages break as without it.
    QString pageNote;
};

const ReportLayout& DataReport_ListKenzai2();
const ReportLayout& DataReport_SelectKenzai();
const ReportLayout& DataReport_Error_1();
const ReportLayout& DataReport_Error_1_1();
const ReportLayout& DataReport_Error_2();
const ReportLayout& DataReport_Error_3();
const ReportLayout& DataReport_DetailKenzai();

} // namespace solario
