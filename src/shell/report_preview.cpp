#include "shell/report_preview.h"

#include "reports/report_engine.h"
#include "shell/flow_layout.h"
#include "shell/message_boxes.h"
#include "shell/screen_kit.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>

namespace solario {
namespace {

constexpr int kGap = 12;           // pixels around and between the pages
constexpr qsizetype kKeptPages = 6; // pages kept drawn
constexpr double kMmToTwips = 1440 / 25.4;

} // namespace

ReportPageView::ReportPageView(const ReportDocument& document, QWidget* parent)
    : QAbstractScrollArea(parent), document_(document) {
    setObjectName(QStringLiteral("Pages"));
    const QPageLayout page = document.Page();
    const QSizeF mm = page.fullRectPoints().size() / 72.0 * 25.4;
    paper_ = mm * kMmToTwips;
    const QMarginsF margins = page.margins(QPageLayout::Millimeter);
    margins_ = QPointF(margins.left(), margins.top()) * kMmToTwips;
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    setAccessibleName(QStringLiteral("ページ"));
    verticalScrollBar()->setSingleStep(40);
    horizontalScrollBar()->setSingleStep(40);
}

QSize ReportPageView::PagePixels() const {
    return QSize(int(std::lround(paper_.width() * scale_)),
                 int(std::lround(paper_.height() * scale_)));
}

int ReportPageView::PageTop(int index) const {
    return kGap + index * (PagePixels().height() + kGap);
}

void ReportPageView::UpdateScale() {
    const QSize room = viewport()->size() - QSize(2 * kGap, 2 * kGap);
    const double width = room.width() / paper_.width();
    const double whole = std::min(width, room.height() / paper_.height());
    double scale = mode_ == Zoom::Width       ? width
                   : mode_ == Zoom::WholePage ? whole
                                              : factor_;
    scale = std::clamp(scale, 0.01, 0.4); // from a thumbnail to four times the paper's size
    if (scale != scale_) {
        scale_ = scale;
        kept_.clear();
    }
    UpdateBars();
}

void ReportPageView::UpdateBars() {
    const QSize page = PagePixels();
    const int height = PageTop(document_.PageCount());
    QScrollBar* v = verticalScrollBar();
    v->setRange(0, std::max(0, height - viewport()->height()));
    v->setPageStep(viewport()->height());
    QScrollBar* h = horizontalScrollBar();
    h->setRange(0, std::max(0, page.width() + 2 * kGap - viewport()->width()));
    h->setPageStep(viewport()->width());
}

int ReportPageView::CurrentPage() const {
    const int pitch = PagePixels().height() + kGap;
    const int y = verticalScrollBar()->value() + std::min(viewport()->height(), pitch) / 3;
    return std::clamp(y / std::max(pitch, 1), 0, std::max(0, document_.PageCount() - 1));
}

void ReportPageView::GoToPage(int index) {
    index = std::clamp(index, 0, std::max(0, document_.PageCount() - 1));
    verticalScrollBar()->setValue(PageTop(index) - kGap);
    // At the end of the list the view may not reach the page's top: it still is the page.
    if (CurrentPage() != index || lastPage_ != index) {
        lastPage_ = index;
        emit CurrentPageChanged(index);
    }
}

void ReportPageView::SetZoom(Zoom mode, double factor) {
    const int page = CurrentPage();
    mode_ = mode;
    factor_ = factor;
    UpdateScale();
    GoToPage(page);
    viewport()->update();
}

void ReportPageView::ZoomBy(double factor) {
    SetZoom(Zoom::Fixed, scale_ * factor);
}

const QImage& ReportPageView::Drawn(int index) {
    for (qsizetype i = 0; i < kept_.size(); ++i)
        if (kept_[i].first == index) {
            kept_.move(i, 0);
            return kept_.front().second;
        }
    const double ratio = devicePixelRatioF();
    QImage image(PagePixels() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                         QPainter::SmoothPixmapTransform);
        p.scale(scale_, scale_);
        p.translate(margins_);
        document_.DrawPage(p, index);
    }
    kept_.prepend({index, std::move(image)});
    while (kept_.size() > kKeptPages)
        kept_.removeLast();
    return kept_.front().second;
}

void ReportPageView::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    const QSize page = PagePixels();
    const int pitch = page.height() + kGap;
    const int top = verticalScrollBar()->value();
    const int x = std::max(kGap, (viewport()->width() - page.width()) / 2) -
                  horizontalScrollBar()->value();
    const int first = std::max(0, (top - kGap) / pitch);
    for (int i = first; i < document_.PageCount(); ++i) {
        const int y = PageTop(i) - top;
        if (y > viewport()->height())
            break;
        p.fillRect(QRect(QPoint(x + 3, y + 3), page), QColor(0, 0, 0, 60)); // its shadow
        p.drawImage(QPoint(x, y), Drawn(i));
        p.setPen(QColor(120, 120, 120));
        p.drawRect(QRect(QPoint(x, y), page).adjusted(0, 0, -1, -1));
    }
}

void ReportPageView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    const int page = CurrentPage();
    UpdateScale();
    if (mode_ != Zoom::Fixed)
        GoToPage(page);
}

void ReportPageView::scrollContentsBy(int, int) {
    viewport()->update();
    const int page = CurrentPage();
    if (page != lastPage_) {
        lastPage_ = page;
        emit CurrentPageChanged(page);
    }
}

void ReportPageView::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        ZoomBy(event->angleDelta().y() > 0 ? 1.25 : 0.8);
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

ReportPreview::ReportPreview(const ReportDocument& document, Platform& platform, QWidget* owner)
    : QDialog(owner), document_(document), platform_(platform),
      printer_(QPrinter::HighResolution) {
    setObjectName(QStringLiteral("ReportPreview"));
    const ReportLayout& layout = document.Layout();
    setWindowTitle(QStringLiteral("【ソラリオ】印刷プレビュー（") + layout.title +
                   QStringLiteral("）"));
    printer_.setPageLayout(document.Page());
    printer_.setCreator(QStringLiteral("ソラリオ"));

    PrintButton = Button(QStringLiteral("印刷…"), QKeySequence(Qt::CTRL | Qt::Key_P),
                         QStringLiteral("印刷"));
    PdfButton = Button(QStringLiteral("PDF保存…"), QKeySequence(Qt::CTRL | Qt::Key_S),
                       QStringLiteral("PDFファイルに保存"));
    PageSetupButton = Button(QStringLiteral("ページ設定…"), QKeySequence(Qt::CTRL | Qt::Key_U),
                             QStringLiteral("用紙と向き"));
    FirstButton = Button(QStringLiteral("先頭"), QKeySequence(Qt::Key_Home),
                         QStringLiteral("最初のページ"));
    PreviousButton = Button(QStringLiteral("前"), QKeySequence(Qt::Key_PageUp),
                            QStringLiteral("前のページ"));
    PageBox = new QSpinBox(this);
    PageBox->setObjectName(QStringLiteral("PageBox"));
    PageBox->setRange(1, std::max(1, document.PageCount()));
    PageBox->setAccessibleName(QStringLiteral("ページ番号"));
    // The box's own text field is what takes the focus, and what a screen reader names.
    if (auto* field = PageBox->findChild<QLineEdit*>())
        field->setAccessibleName(PageBox->accessibleName());
    PageBox->setToolTip(QStringLiteral("表示するページ (Ctrl+G)"));
    PageBox->setKeyboardTracking(false);
    PageCountLabel = new QLabel(QStringLiteral("／ %1 ページ").arg(document.PageCount()), this);
    NextButton = Button(QStringLiteral("次"), QKeySequence(Qt::Key_PageDown),
                        QStringLiteral("次のページ"));
    LastButton = Button(QStringLiteral("最後"), QKeySequence(Qt::Key_End),
                        QStringLiteral("最後のページ"));
    ZoomOutButton = Button(QStringLiteral("縮小"), QKeySequence(Qt::CTRL | Qt::Key_Minus),
                           QStringLiteral("縮小"));
    ZoomInButton = Button(QStringLiteral("拡大"), QKeySequence(Qt::CTRL | Qt::Key_Plus),
                          QStringLiteral("拡大"));
    FitWidthButton = Button(QStringLiteral("幅に合わせる"), QKeySequence(Qt::CTRL | Qt::Key_1),
                            QStringLiteral("ページの幅に合わせる"));
    WholePageButton = Button(QStringLiteral("ページ全体"), QKeySequence(Qt::CTRL | Qt::Key_2),
                             QStringLiteral("ページ全体を表示"));
    CloseButton = Button(QStringLiteral("閉じる"), QKeySequence(Qt::Key_Escape),
                         QStringLiteral("プレビューを閉じる"));
    Pages = new ReportPageView(document, this);

    // The controls in groups that keep together; on a narrow screen the groups take a
    // second row.
    auto* bar = new FlowLayout(nullptr, 12);
    auto group = [this, bar](std::initializer_list<QWidget*> widgets) {
        auto* box = new QWidget(this);
        auto* row = new QHBoxLayout(box);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(4);
        for (QWidget* w : widgets)
            row->addWidget(w);
        bar->addWidget(box);
    };
    group({PrintButton, PdfButton, PageSetupButton});
    group({FirstButton, PreviousButton, PageBox, PageCountLabel, NextButton, LastButton});
    group({ZoomOutButton, ZoomInButton, FitWidthButton, WholePageButton});
    group({CloseButton});
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(6, 6, 6, 6);
    page->addLayout(bar);
    page->addWidget(Pages, 1);
    QWidget* previous = PrintButton;
    for (QWidget* w : std::initializer_list<QWidget*>{
             PdfButton, PageSetupButton, FirstButton, PreviousButton, PageBox, NextButton,
             LastButton, ZoomOutButton, ZoomInButton, FitWidthButton, WholePageButton, CloseButton,
             Pages}) {
        setTabOrder(previous, w);
        previous = w;
    }

    connect(PrintButton, &QPushButton::clicked, this, &ReportPreview::Print);
    connect(PdfButton, &QPushButton::clicked, this, &ReportPreview::SavePdf);
    connect(PageSetupButton, &QPushButton::clicked, this, &ReportPreview::PageSetup);
    connect(FirstButton, &QPushButton::clicked, this, [this] { Pages->GoToPage(0); });
    connect(PreviousButton, &QPushButton::clicked, this,
            [this] { Pages->GoToPage(Pages->CurrentPage() - 1); });
    connect(NextButton, &QPushButton::clicked, this,
            [this] { Pages->GoToPage(Pages->CurrentPage() + 1); });
    connect(LastButton, &QPushButton::clicked, this,
            [this] { Pages->GoToPage(document_.PageCount() - 1); });
    connect(ZoomOutButton, &QPushButton::clicked, this, [this] { Pages->ZoomBy(0.8); });
    connect(ZoomInButton, &QPushButton::clicked, this, [this] { Pages->ZoomBy(1.25); });
    connect(FitWidthButton, &QPushButton::clicked, this,
            [this] { Pages->SetZoom(ReportPageView::Zoom::Width); });
    connect(WholePageButton, &QPushButton::clicked, this,
            [this] { Pages->SetZoom(ReportPageView::Zoom::WholePage); });
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(PageBox, &QSpinBox::valueChanged, this, [this](int value) {
        if (Pages->CurrentPage() != value - 1)
            Pages->GoToPage(value - 1);
    });
    connect(Pages, &ReportPageView::CurrentPageChanged, this, [this](int index) {
        const QSignalBlocker quiet(PageBox);
        PageBox->setValue(index + 1);
    });
    // Ctrl+= as well, as keyboards without a plus key of their own type it.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), this), &QShortcut::activated,
            ZoomInButton, &QPushButton::click);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_G), this), &QShortcut::activated,
            this, [this] {
                PageBox->setFocus();
                PageBox->selectAll();
            });
    FitIntoScreen(owner);
    Pages->setFocus();
}

QPushButton* ReportPreview::Button(const QString& caption, const QKeySequence& key,
                                   const QString& tip) {
    auto* button = new QPushButton(caption, this);
    button->setAutoDefault(false); // Enter presses the focused button: see keyPressEvent
    // As wide as the caption, not the style's wider default.
    button->setFixedWidth(std::min(button->sizeHint().width(),
                                   button->fontMetrics().horizontalAdvance(caption) +
                                       2 * button->fontMetrics().averageCharWidth() + 8));
    button->setFocusPolicy(Qt::StrongFocus);
    button->setToolTip(tip + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) +
                       u')');
    // The page keys move through the pages wherever the focus is, but in the page box,
    // where they edit the number.
    auto* shortcut = new QShortcut(key, this);
    connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
    return button;
}

void ReportPreview::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The frame the desktop drew may push the window past the screen's edge.
    FitOnScreen(*this);
}

void ReportPreview::FitIntoScreen(QWidget* owner) {
    // On the owner's screen, where the user looks.
    const QRect room = WindowRoom(owner ? *owner->window() : *this);
    const QSize size = (owner ? owner->size().expandedTo(QSize(1000, 720)) : QSize(1000, 720))
                           .boundedTo(room.size());
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(size);
    MoveInsideTo(*this, QPoint(room.left() + (room.width() - size.width()) / 2,
                               room.top() + (room.height() - size.height()) / 2));
}

// Enter presses the button that has the focus, as Space does; elsewhere (the page box,
// the pages) it presses nothing, so a typed page number never starts a print.
void ReportPreview::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ReportPreview::SavePdf() {
    const ReportLayout& layout = document_.Layout();
    const QString path =
        platform_.ChooseSaveFile(this, QStringLiteral("PDF保存"), QStringLiteral("pdf"),
                                 layout.fileName, QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    const auto view = platform_.ShowProgress(this, QStringLiteral("PDFファイルを保存しています…"));
    const Result<int> saved = SaveReportPdf(
        document_, path, [&view](qint64 done, qint64 total) { return view->Step(done, total); });
    if (!saved && !WasStopped(saved))
        ShowFailure(platform_, QStringLiteral("PDFファイルを保存できませんでした。"),
                    saved.error());
}

void ReportPreview::Print() {
    const ReportLayout& layout = document_.Layout();
    // Printing to a file suggests the name PDF保存 does; the job itself is named by the
    // report's title.
    printer_.setDocName(QFileInfo(layout.fileName).completeBaseName());
    printer_.setOutputFileName(QString());
    QPrintDialog dialog(&printer_, this);
    dialog.setWindowTitle(QStringLiteral("印刷"));
    dialog.setMinMax(1, document_.PageCount());
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printer_.setDocName(layout.title);
    const bool range = printer_.printRange() == QPrinter::PageRange;
    const int first = range ? printer_.fromPage() : 1;
    const int last = range ? printer_.toPage() : 0;
    if (printer_.outputFormat() == QPrinter::PdfFormat && !printer_.outputFileName().isEmpty()) {
        const auto view = platform_.ShowProgress(this, QStringLiteral("PDFファイルを保存しています…"));
        const Result<int> saved =
            SaveReportPdf(document_, printer_.outputFileName(),
                          [&view](qint64 done, qint64 total) { return view->Step(done, total); },
                          first, last);
        printer_.setOutputFileName(QString());
        if (!saved && !WasStopped(saved))
            ShowFailure(platform_, QStringLiteral("PDFファイルを保存できませんでした。"),
                        saved.error());
        return;
    }
    const auto view = platform_.ShowProgress(this, QStringLiteral("印刷しています…"));
    const Result<int> printed = PrintDocument(
        document_, printer_, [&view](qint64 done, qint64 total) { return view->Step(done, total); },
        first, last, printer_.colorMode() == QPrinter::GrayScale, [this] { printer_.abort(); });
    if (!printed && !WasStopped(printed))
        ShowFailure(platform_, QStringLiteral("印刷できませんでした。"), printed.error());
}

void ReportPreview::PageSetup() {
    QPageSetupDialog dialog(&printer_, this);
    dialog.setWindowTitle(QStringLiteral("ページ設定"));
    dialog.exec();
}

} // namespace solario
