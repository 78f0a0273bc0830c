#include "result_list/form_list.h"

#include "data/field_catalogue.h"
#include "data/list_export.h"
#include "data/query_builders.h"
#include "data/report_writing.h"
#include "detail/form_detail.h"
#include "reports/report_layout.h"
#include "result_list/list_header.h"
#include "result_list/list_model.h"
#include "result_list/list_report.h"
#include "shell/help_topics.h"
#include "shell/message_boxes.h"
#include "shell/print_report.h"
#include "shell/screen_kit.h"
#include "shell/settings.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTableView>

namespace solario {

namespace {

// The width the columns share: the grid less its frame and the room of a vertical scroll bar.
int ColumnsRoom(const QTableView& grid) {
    return grid.width() - 2 * grid.frameWidth() -
           grid.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &grid);
}

// A period is never cut ("1972～1988"), and the columns fill the grid's width without a
// horizontal scroll bar: what they need beyond the catalogue's widths is taken from the
// general name's column, the widest.
void FitColumns(QTableView& grid, int nameColumn, int periodColumn) {
    if (nameColumn < 0 || periodColumn < 0)
        return;
    const int period = grid.fontMetrics().horizontalAdvance(QStringLiteral("0000～0000")) + 10;
    grid.setColumnWidth(periodColumn, std::max(grid.columnWidth(periodColumn), period));
    int total = 0;
    for (int c = 0; c < grid.model()->columnCount(); ++c)
        if (!grid.isColumnHidden(c))
            total += grid.columnWidth(c);
    const int room = ColumnsRoom(grid);
    if (total > room)
        grid.setColumnWidth(nameColumn, grid.columnWidth(nameColumn) - (total - room));
}

} // namespace

void SetupListGrid(const AppState& s, QTableView& grid, ListModel& model) {
    QHeaderView& header = *grid.horizontalHeader();
    // The tick column holds its picture at any resolution.
    grid.setColumnWidth(0, std::max(Twips(grid, 200), grid.iconSize().width() + 8));
    int nameColumn = -1, periodColumn = -1;
    grid.setColumnHidden(0, false);
    int c = 0;
    for (qint32 row = 0; row < s.FieldCount; ++row) {
        const QString& name = s.FieldNames[size_t(row)];
        if (name == u"不燃材料認定番号（番号）" || name == u"製造終了")
            continue;
        ++c;
        if (c >= model.columnCount())
            break;
        // The catalogue's widths; a heading too long for its column wraps.
        const int width = s.FieldWidths[size_t(row)];
        grid.setColumnHidden(c, width == 0);
        if (width > 0)
            grid.setColumnWidth(c, Twips(grid, width));
        if (name == u"製造開始")
            periodColumn = c;
        else if (name == u"建材名（一般名）")
            nameColumn = c;
        if (s.FieldKinds[size_t(row)] == kKindYesNo || name == u"製造開始")
            model.SetAlignment(c, Qt::AlignCenter);
    }
    FitColumns(grid, nameColumn, periodColumn);
    header.setSectionResizeMode(QHeaderView::Interactive);
    header.setSectionResizeMode(0, QHeaderView::Fixed);
    if (auto* wrapping = qobject_cast<WrappingHeader*>(&header))
        wrapping->FitHeightToHeadings();
}

QString BuildSortOrder(const AppState& s, int gridColumn, const QString& direction) {
    auto name = [&s](int i) { return s.FieldNames[size_t(i)]; };
    const QString w = u' ' + direction;
    if (gridColumn >= 1 && gridColumn <= 4)
        return name(gridColumn - 1) + w;
    if (gridColumn == 5)
        return direction == u"ASC" ? name(4) + w + QStringLiteral(", ") + name(5) + w
                                   : name(5) + w + QStringLiteral(", ") + name(4) + w;
    if (gridColumn == 6 || gridColumn == 7)
        return name(gridColumn) + w;
    if (gridColumn == 8)
        return name(8) + w + QStringLiteral(", ") + name(9) + w;
    return name(gridColumn + 1) + w;
}

Result<qint32> RunListQuery(AppState& s, Platform& platform, const QString& where) {
    if (!s.MainConnection) {
        ShowWarning(platform, kNotConnected);
        return Failure{kNotConnected};
    }
    if (!s.MainRecordset)
        s.MainRecordset = std::make_unique<KeyedRecordset>();
    platform.SetBusy(true);
    const Result<qint32> found = OpenMaterialList(s, *s.MainConnection, *s.MainRecordset, where);
    platform.SetBusy(false);
    if (!found)
        ShowFailure(platform, QStringLiteral("検索できませんでした。"), found.error());
    return found;
}

std::unique_ptr<Form_List> MakeResultList(AppState& s, Platform& platform, SearchRoute route) {
    // ListIds reads the IDs from the list's rows, in the list's order.
    s.SearchRouteTitle = route;
    auto list = std::make_unique<Form_List>(s, platform);
    list->Form_Load();
    return list;
}

void ReleaseResultList(AppState& s) {
    s.SearchRouteTitle = SearchRoute::None;
    if (s.MainRecordset)
        s.MainRecordset->Close();
    s.MainRecordset.reset();
}

Form_List::Form_List(AppState& state, Platform& platform)
    : Screen(state, platform, QStringLiteral("【ソラリオ】")) {
    setObjectName(QStringLiteral("Form_List"));
    Image1 = MakeBanner(this);
    CommandHelp = MakeHelpButton(this);
    CommandSort = MakeButton(QStringLiteral("CommandSort"), QStringLiteral("並び替え"));
    CommandGoMenu = MakeButton(QStringLiteral("CommandGoMenu"), QStringLiteral("メニューに戻る"));
    CommandExit = MakeButton(QStringLiteral("CommandExit"), QStringLiteral("戻る"));
    Command_ReportOut =
        MakeButton(QStringLiteral("Command_ReportOut"), QStringLiteral("検索結果の印刷"));
    CommandDetail =
        MakeButton(QStringLiteral("CommandDetail"), QStringLiteral("更に詳細な情報の表示"));
    CommandCsv = MakeButton(QStringLiteral("CommandCsv"), QStringLiteral("CSV保存（F5）"));
    BuildHeadings();
    BuildGrid();
    PlaceControls();

    QWidget* order[] = {CommandHelp,       CommandSort,   CommandGoMenu,           CommandExit,
                        Command_ReportOut, CommandDetail, MSHFlexGridSearchResult, CommandCsv};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    CommandHelp->setFocus(); // first in tab order

    connect(CommandDetail, &QPushButton::clicked, this, &Form_List::CommandDetail_Click);
    connect(CommandSort, &QPushButton::clicked, this, &Form_List::CommandSort_Click);
    connect(Command_ReportOut, &QPushButton::clicked, this, &Form_List::Command_ReportOut_Click);
    connect(CommandGoMenu, &QPushButton::clicked, this, &Form_List::CommandGoMenu_Click);
    connect(CommandExit, &QPushButton::clicked, this, &Form_List::CommandExit_Click);
    connect(CommandHelp, &QPushButton::clicked, this, &Form_List::CommandHelp_Click);
    connect(CommandCsv, &QPushButton::clicked, this, &Form_List::CommandCsv_Click);
    connect(MSHFlexGridSearchResult->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &Form_List::ClickHeading);
    MSHFlexGridSearchResult->viewport()->installEventFilter(this);
    MSHFlexGridSearchResult->installEventFilter(this);
    InstallKeyHandler({Command_ReportOut, CommandDetail, CommandExit, CommandHelp, CommandSort,
                       MSHFlexGridSearchResult, CommandCsv});
}

void Form_List::BuildHeadings() {
    const QFont bold = ScaledFont(font(), 1.15, true);
    Label3 =
        MakeLabel(this, QStringLiteral("Label3"),
                  QStringLiteral("入力条件に該当する石綿（アスベスト）含有建材リスト（商品名）"));
    Label1 = MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("該当件数："));
    LabelCount = MakeLabel(this, QStringLiteral("LabelCount"), QString());
    for (QLabel* label : {Label3, Label1, LabelCount})
        label->setFont(bold);
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Label2 = MakeLabel(
        Frame1, QStringLiteral("Label2"),
        QStringLiteral("当画面では、指定された条件で検索した結果を表形式で表示します。\r\n"
                       "操作性は、市販の表計算ソフトと同様ですので表示されている項目の幅"
                       "も自由に調整ができます。"));
    Label6 =
        MakeLabel(Frame1, QStringLiteral("Label6"), QStringLiteral("■指定項目での並び替え機能"));
    Label4 =
        MakeLabel(Frame1, QStringLiteral("Label4"),
                  QStringLiteral("並び替えを行いたい列のタイトルをクリックし、『並び替え』ボタンを"
                                 "クリックすると、その項目の並び替えを行います。"));
    Label5 =
        MakeLabel(Frame1, QStringLiteral("Label5"),
                  QStringLiteral("ボタンをクリックする毎に、昇順での並び替え、降順での並び替えを"
                                 "繰り返します。"));
    PlaceTwips({{Label3, 240, 1335, 8400, 360},
                {Label1, 8880, 1335, 1440, 360},
                {LabelCount, 10320, 1335, 1560, 360},
                {Frame1, 240, 1740, 11640, 1500},
                {Label2, 120, 120, 11400, 540},
                {Label6, 120, 690, 11400, 270},
                {Label4, 360, 960, 11160, 270},
                {Label5, 360, 1200, 11160, 270}});
}

void Form_List::BuildGrid() {
    Model = new ListModel(this);
    MSHFlexGridSearchResult = new QTableView(this);
    QTableView& grid = *MSHFlexGridSearchResult;
    grid.setObjectName(QStringLiteral("MSHFlexGridSearchResult"));
    grid.setAccessibleName(QStringLiteral("石綿（アスベスト）含有建材リスト"));
    grid.setHorizontalHeader(new WrappingHeader(&grid));
    grid.setIconSize(QSize(16, 16));
    grid.setModel(Model);
    grid.verticalHeader()->hide();
    grid.setSelectionMode(QAbstractItemView::SingleSelection);
    grid.setSelectionBehavior(QAbstractItemView::SelectItems);
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid.setTabKeyNavigation(false); // Tab leaves the grid for the buttons; arrows move in it
    grid.setWordWrap(false);
    grid.setTextElideMode(Qt::ElideRight);
    grid.verticalHeader()->setDefaultSectionSize(std::max(fontMetrics().height() + 6, 22));
    grid.horizontalHeader()->setSortIndicatorShown(true);
    grid.horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    // A width the user drags, or fits by a double click on the border, is the user's.
    connect(grid.horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) {
                if (sizingColumns_ || column < 1)
                    return;
                userWidths_[column] = width;
                // Kept for the next list when this one goes: a drag resizes at every move.
                widthsToKeep_[Model->headerData(column, Qt::Horizontal, Qt::DisplayRole)
                                  .toString()] = width;
            });
}

void Form_List::SpreadColumns() {
    QTableView& grid = *MSHFlexGridSearchResult;
    const int columns = Model->columnCount();
    if (openingWidths_.size() != columns)
        return;
    const int room = ColumnsRoom(grid);
    int used = 0;
    qint64 spreadOver = 0;
    auto spreads = [&](int c) {
        return c > 0 && !userWidths_.contains(c) &&
               (Model->Alignment(c) & Qt::AlignHorizontal_Mask) == Qt::AlignLeft;
    };
    for (int c = 0; c < columns; ++c) {
        if (grid.isColumnHidden(c))
            continue;
        used += userWidths_.value(c, openingWidths_[c]);
        if (spreads(c))
            spreadOver += openingWidths_[c];
    }
    const qint64 extra = std::max(0, room - used);
    sizingColumns_ = true;
    for (int c = 0; c < columns; ++c) {
        if (grid.isColumnHidden(c))
            continue;
        int width = userWidths_.value(c, openingWidths_[c]);
        if (spreads(c) && spreadOver > 0)
            width += int(extra * openingWidths_[c] / spreadOver);
        if (grid.columnWidth(c) != width)
            grid.setColumnWidth(c, width);
    }
    sizingColumns_ = false;
}

void Form_List::ShowSortMark() {
    // A column chosen afresh shows the direction its first sort takes.
    const int column = SortColumn >= 1 ? SortColumn : sortedColumn_;
    MSHFlexGridSearchResult->horizontalHeader()->setSortIndicator(
        column >= 1 ? column : -1, column == sortedColumn_ ? sortedOrder_ : Qt::AscendingOrder);
}

void Form_List::ScrollToTick() {
    const qint32 ticked = Model->TickedRow();
    if (ticked == 0)
        return;
    QTableView& grid = *MSHFlexGridSearchResult;
    const int column = grid.currentIndex().isValid() ? grid.currentIndex().column() : 1;
    const QModelIndex at = Model->index(ticked - 1, column);
    grid.setCurrentIndex(at);
    grid.scrollTo(at, QAbstractItemView::PositionAtCenter);
}

void Form_List::PlaceControls() {
    PlaceTwips({{Image1, 0, 0, 12120, 600},
                {CommandHelp, 240, 720, 495, 495},
                {CommandSort, 855, 720, 1455, 495},
                {CommandGoMenu, 2430, 720, 1935, 495},
                {CommandExit, 4485, 720, 1335, 495},
                {Command_ReportOut, 6960, 720, 1935, 495},
                {CommandDetail, 9015, 720, 2865, 495}});
    PlaceTwips(*MSHFlexGridSearchResult, 240, 3360, 11640, 5040);
    // Below the grid, at its right edge, in a row of its own: the buttons above stay.
    PlaceTwips(*CommandCsv, 11880 - 1935, 8520, 1935, 495);
    FitIcon(CommandHelp);
    setMinimumSize(Twips(*this, 12120), Twips(*this, 9255));
    resize(minimumSize());
    AllowEnlarging();
}

void Form_List::resizeEvent(QResizeEvent* event) {
    // The grid takes what the window gains; the buttons and texts stay where they are.
    const int margin = Twips(*this, 240);
    const int csvRow = Twips(*this, 120) + CommandCsv->height();
    const QPoint corner = MSHFlexGridSearchResult->pos();
    MSHFlexGridSearchResult->resize(width() - corner.x() - margin,
                                    height() - corner.y() - margin - csvRow);
    SpreadColumns();
    CommandCsv->move(width() - margin - CommandCsv->width(),
                     height() - margin - CommandCsv->height());
    Image1->resize(width(), Image1->height()); // the banner spans the window
    Screen::resizeEvent(event);
}

Form_List::~Form_List() {
    for (auto [heading, width] : widthsToKeep_.asKeyValueRange())
        RememberColumnWidth(QStringLiteral("list"), heading, width);
}

qint32 Form_List::TickedRow() const {
    return Model->TickedRow();
}

void Form_List::Bind() {
    sizingColumns_ = true;
    Model->Bind(s_.MainRecordset && s_.MainRecordset->IsOpen() ? s_.MainRecordset.get() : nullptr,
                s_.FieldCount - 1);
    SetupListGrid(s_, *MSHFlexGridSearchResult, *Model);
    openingWidths_.clear();
    for (int c = 0; c < Model->columnCount(); ++c)
        openingWidths_.append(MSHFlexGridSearchResult->columnWidth(c));
    sizingColumns_ = false;
    SpreadColumns();
    ShowSortMark();
    LabelCount->setText(QString::number(Model->rowCount()));
}

void Form_List::Form_Load() {
    p_.SetBusy(true);
    SortColumn = 0;
    SortDirIndex = 1;
    Bind();
    // The widths this user gave the columns before.
    for (int c = 1; c < Model->columnCount(); ++c)
        if (const int width = RememberedColumnWidth(
                QStringLiteral("list"), Model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()))
            userWidths_[c] = width;
    SpreadColumns();
    p_.SetBusy(false);
}

void Form_List::Form_Activate() {
    UnloadOrShowInTaskbar();
}

void Form_List::DispatchFunctionKey(int keyCode) {
    RunKeyHandler<Form_List>(*this, keyCode,
                             {{kKeyF1, &Form_List::CommandHelp_Click},
                              {kKeyF2, &Form_List::CommandSort_Click},
                              {kKeyF3, &Form_List::Command_ReportOut_Click},
                              {kKeyF4, &Form_List::CommandDetail_Click},
                              {kKeyF5, &Form_List::CommandCsv_Click},
                              {kKeyEscape, &Form_List::CommandExit_Click}});
}

bool Form_List::eventFilter(QObject* watched, QEvent* event) {
    // Space ticks or unticks the row of the current cell, as a click on its tick cell.
    if (watched == MSHFlexGridSearchResult && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QModelIndex current = MSHFlexGridSearchResult->currentIndex();
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier &&
            current.isValid()) {
            ClickTickCell(current.row() + 1);
            return true;
        }
        if (key->matches(QKeySequence::Copy)) {
            CopyRows();
            return true;
        }
        // Ctrl+Space chooses the current cell's column for sorting, as a click on its
        // heading does (spreadsheets select a column so).
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::ControlModifier &&
            current.isValid()) {
            ClickHeading(current.column());
            return true;
        }
    }
    if (watched == MSHFlexGridSearchResult->viewport() &&
        event->type() == QEvent::MouseButtonRelease) {
        const QModelIndex index = MSHFlexGridSearchResult->indexAt(
            static_cast<QMouseEvent*>(event)->position().toPoint());
        if (!index.isValid())
            SortColumn = 0;
        else if (index.column() == 0)
            ClickTickCell(index.row() + 1);
        else
            ClickDataCell(index.row() + 1, index.column());
        ShowSortMark();
    }
    return Screen::eventFilter(watched, event);
}

void Form_List::ClickTickCell(qint32 gridRow) {
    SortColumn = 0;
    ShowSortMark();
    if (Model->TickedRow() == gridRow) {
        Model->SetTickedRow(0);
        return;
    }
    Model->SetTickedRow(gridRow);
    for (int k = 1; k <= 10; ++k)
        TickedRowCells[size_t(k - 1)] = Model->CellText(gridRow, k);
    SortDirIndex = 1;
}

void Form_List::ClickDataCell(qint32, int gridColumn) {
    SortColumn = 0;
    // In a one-row list the row is also the last row, so the grid takes a click on any
    // of its cells for a click on the column's heading.
    if (Model->rowCount() == 1) {
        SortColumn = gridColumn;
        SortDirIndex = 1;
    }
    ShowSortMark();
}

void Form_List::ClickHeading(int gridColumn) {
    SortColumn = gridColumn >= 1 ? gridColumn : 0;
    SortDirIndex = 1;
    ShowSortMark();
}

void Form_List::CommandDetail_Click() {
    if (Model->TickedRow() == 0) {
        ShowWarning(
            p_, QStringLiteral(
                    "詳細情報を表示するデータの行を選択（先頭カラムをチェック）してください。"));
        return;
    }
    const QString id = s_.ListIds.value(Model->TickedRow() - 1);
    if (!s_.DetailRecordset)
        s_.DetailRecordset = std::make_unique<Recordset>();
    const Result<qint32> found =
        OpenMaterialDetail(s_, *s_.MainConnection, *s_.DetailRecordset,
                           QStringLiteral(" ID = ") + QuoteSqlText(id) + u' ');
    if (!found || found.value() == 0) {
        if (found)
            ShowWarning(p_, QStringLiteral("詳細情報を読み込めませんでした。"));
        else
            ShowFailure(p_, QStringLiteral("詳細情報を読み込めませんでした。"), found.error());
        s_.DetailRecordset.reset();
        return;
    }
    s_.DetailValues = QStringList(s_.FieldCount + 1);
    for (int i = 0; i < s_.FieldCount; ++i)
        s_.DetailValues[i] = s_.DetailRecordset->ValueText(0, i);
    s_.DetailRecordset->Close();
    s_.DetailRecordset.reset();
    auto detail = std::make_unique<Form_Detail>(s_, p_);
    detail->Form_Load();
    OpenChild(std::move(detail), [this] {
        SortColumn = 0;
        ShowSortMark();
    });
}

void Form_List::CommandSort_Click() {
    if (SortColumn == 0) {
        ShowWarning(p_, QStringLiteral(
                            "並べ替えする項目を、列選択（列ヘッダーのクリック）してください。。"));
        return;
    }
    p_.SetBusy(true);
    SortDirIndex = SortDirIndex == 0 ? 1 : 0;
    const qint32 ticked = Model->TickedRow();
    KeyedRecordset& list = *s_.MainRecordset;
    const qint64 tickedKey = ticked != 0 ? list.Key(ticked - 1) : 0;
    Model->Bind(nullptr, s_.FieldCount - 1);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const QString order = BuildSortOrder(s_, SortColumn, s_.SortWords[size_t(SortDirIndex)]);
    // A failed sort leaves the list in the order it had.
    const Result<qint32> n = RequerySorted(*s_.MainConnection, list, s_.ListBaseSql, order);
    Bind();
    if (!n) {
        Model->SetTickedRow(ticked);
        p_.SetBusy(false);
        ShowFailure(p_, QStringLiteral("並び替えできませんでした。"), n.error());
        return;
    }
    // The ticked product is found again by the texts of its first ten columns: the first
    // row that reads so carries the tick.
    if (ticked != 0) {
        const QStringList cells(TickedRowCells.begin(), TickedRowCells.begin() + 10);
        const Result<qint32> row = FindListRow(*s_.MainConnection, list, cells, tickedKey);
        if (row && row.value() >= 0)
            Model->SetTickedRow(row.value() + 1);
    }
    sortedColumn_ = SortColumn;
    sortedOrder_ = SortDirIndex == 0 ? Qt::AscendingOrder : Qt::DescendingOrder;
    ShowSortMark();
    ScrollToTick();
    p_.SetBusy(false);
}

void Form_List::Command_ReportOut_Click() {
    // The grid's current order is the printed order.
    PrintReport(s_, p_, this, DataReport_ListKenzai2(),
                [this](const Progress& progress) {
                    return WriteListReport(s_, s_.MainRecordset.get(), progress);
                });
}

namespace {

// What leaves the program: the columns the grid shows, under their headings, in its
// order, then the product's ID.
ExportColumns ShownColumns(const QTableView& grid, const ListModel& model,
                           const KeyedRecordset& list) {
    ExportColumns columns;
    for (int c = 1; c < model.columnCount(); ++c)
        if (!grid.isColumnHidden(c)) {
            columns.fields.append(c - 1);
            columns.headings.append(
                model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
        }
    const int id = list.FieldIndex(QStringLiteral("ID"));
    if (id >= 0 && !columns.fields.contains(id)) {
        columns.fields.append(id);
        columns.headings.append(QStringLiteral("ID"));
    }
    return columns;
}

} // namespace

void Form_List::CommandCsv_Click() {
    if (!s_.MainRecordset || !s_.MainRecordset->IsOpen())
        return;
    const QString path =
        p_.ChooseSaveFile(this, QStringLiteral("CSV保存"), QStringLiteral("csv"),
                          SuggestedFileName(QStringLiteral("検索結果一覧"), PrintSubject(s_, false),
                                            QStringLiteral("csv")),
                          QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty())
        return;
    p_.SetBusy(true);
    const Status written = WriteListCsv(
        *s_.MainRecordset, ShownColumns(*MSHFlexGridSearchResult, *Model, *s_.MainRecordset), path);
    p_.SetBusy(false);
    if (!written)
        ShowFailure(p_, QStringLiteral("CSVファイルを保存できませんでした。"), written.error());
}

void Form_List::CopyRows() {
    if (!s_.MainRecordset || !s_.MainRecordset->IsOpen())
        return;
    QList<qint32> rows;
    for (const QModelIndex& index : MSHFlexGridSearchResult->selectionModel()->selectedIndexes())
        if (!rows.contains(index.row()))
            rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    if (rows.isEmpty() && Model->TickedRow() != 0)
        rows.append(Model->TickedRow() - 1);
    if (rows.isEmpty())
        return;
    QApplication::clipboard()->setText(
        ListRowsAsTsv(*s_.MainRecordset,
                      ShownColumns(*MSHFlexGridSearchResult, *Model, *s_.MainRecordset), rows));
}

void Form_List::CommandGoMenu_Click() {
    GoBackToMenu();
}

void Form_List::CommandExit_Click() {
    GoBack();
}

void Form_List::CommandHelp_Click() {
    ShowHelpTopic(HelpTopic(HelpScreen::List, s_.SearchRouteTitle));
}

bool Form_List::Form_QueryUnload(int unloadMode) {
    return CloseHelpIfUserCloses(unloadMode);
}

void Form_List::Form_Unload() {
    s_.SearchRouteTitle = SearchRoute::None;
    Model->Bind(nullptr, 0);
}

} // namespace solario
