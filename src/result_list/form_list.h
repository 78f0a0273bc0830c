#pragma once

#include "shell/screen.h"

#include <QList>
#include <QMap>
#include <array>

class QGroupBox;
class QLabel;
class QTableView;

namespace solario {

class ListModel;

// Lays the result grid out from the field catalogue: 82 columns, the tick column, the
// catalogue widths (twips at the screen's resolution; a width of 0 hides the column) and
// the centred columns.
void SetupListGrid(const AppState& s, QTableView& grid, ListModel& model);

// The ORDER BY text (without the words) for a grid column and a direction word.
QString BuildSortOrder(const AppState& s, int gridColumn, const QString& direction);

class Form_List;

// Runs the list query of a search into the shared recordset (busy pointer around it); a
// failure is shown in a box. Returns the number of rows.
Result<qint32> RunListQuery(AppState& s, Platform& platform, const QString& where);
// The result list over the rows found: ListIds filled, the route kept, the grid loaded.
std::unique_ptr<Form_List> MakeResultList(AppState& s, Platform& platform, SearchRoute route);
// Once the list or notice has closed: no route, and the list recordset released.
void ReleaseResultList(AppState& s);

// The products a search found, one per grid row, with one row that can carry the tick.
class Form_List : public Screen {
    Q_OBJECT

public:
    Form_List(AppState& state, Platform& platform);
    ~Form_List() override;

    void Form_Load();
    void Form_Activate() override;
    void DispatchFunctionKey(int keyCode) override;

    // The grid's mouse rules, by where the button was released: the tick column of a
    // row (grid row from 1), a data cell, or a column heading.
    void ClickTickCell(qint32 gridRow);
    void ClickDataCell(qint32 gridRow, int gridColumn);
    void ClickHeading(int gridColumn);

    qint32 TickedRow() const;
    int SortColumn = 0;
    int SortDirIndex = 1;
    std::array<QString, 11> TickedRowCells;

    QLabel* Label3;
    QLabel* Label1;
    QLabel* LabelCount;
    QTableView* MSHFlexGridSearchResult;
    QGroupBox* Frame1;
    QLabel* Label2;
    QLabel* Label6;
    QLabel* Label4;
    QLabel* Label5;
    QPushButton* CommandHelp;
    QPushButton* CommandSort;
    QPushButton* CommandGoMenu;
    QPushButton* CommandExit;
    QPushButton* Command_ReportOut;
    QPushButton* CommandDetail;
    // The list leaves the program: a CSV file of every row (F5), and the selected or
    // ticked row on the clipboard (Ctrl+C in the grid).
    QPushButton* CommandCsv;
    QLabel* Image1;
    ListModel* Model;

public slots:
    void CommandDetail_Click();
    void CommandSort_Click();
    void Command_ReportOut_Click();
    void CommandGoMenu_Click();
    void CommandExit_Click();
    void CommandHelp_Click();
    void CommandCsv_Click();
    void CopyRows();

protected:
    bool Form_QueryUnload(int unloadMode) override;
    void Form_Unload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildHeadings();
    void BuildGrid();
    void PlaceControls();
    void Bind();
    // The columns' widths: the opening ones, widened in proportion for the text columns
    // when the grid is wider, and those the user set, which stay.
    void SpreadColumns();
    // The sort arrow: on the column chosen for the next sort, else on the list's order.
    void ShowSortMark();
    void ScrollToTick();
    QList<int> openingWidths_;
    QMap<int, int> userWidths_;
    QMap<QString, int> widthsToKeep_; // set by the user here, by heading
    bool sizingColumns_ = false;
    int sortedColumn_ = 0;
    Qt::SortOrder sortedOrder_ = Qt::AscendingOrder;
};

} // namespace solario
