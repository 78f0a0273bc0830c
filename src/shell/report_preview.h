#pragma once

#include "platform/result.h"
#include "shell/platform.h"

#include <QAbstractScrollArea>
#include <QDialog>
#include <QImage>
#include <QList>
#include <QPrinter>
#include <utility>

class QLabel;
class QPushButton;
class QSpinBox;

namespace solario {

class ReportDocument;

// The report's pages one under the other, each drawn when it comes into sight; only the
// last few drawn are kept, so a report of thousands of pages takes no more memory than a
// few.
class ReportPageView : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum class Zoom { Width, WholePage, Fixed };

    ReportPageView(const ReportDocument& document, QWidget* parent);

    // The page at the top of the view (from 0), and going to one.
    int CurrentPage() const;
    void GoToPage(int index);
    void SetZoom(Zoom mode, double factor = 1.0);
    // Larger or smaller by a step, from what is shown.
    void ZoomBy(double factor);
    // Screen pixels a twip of the page takes.
    double Scale() const { return scale_; }
    // The pages drawn and kept now.
    int KeptPages() const { return int(kept_.size()); }

signals:
    void CurrentPageChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QSize PagePixels() const;
    int PageTop(int index) const;
    void UpdateScale();
    void UpdateBars();
    const QImage& Drawn(int index);

    const ReportDocument& document_;
    QSizeF paper_;    // twips
    QPointF margins_; // twips: where the printable area starts on the paper
    Zoom mode_ = Zoom::Width;
    double factor_ = 1.0;
    double scale_ = 0.05;
    int lastPage_ = -1;
    QList<std::pair<int, QImage>> kept_; // the most recently drawn first
};

// The print preview of a report: its pages, with printing, saving as PDF, page set-up,
// paging and zoom, each reachable by Tab and by a shortcut that its tooltip names; Esc
// closes it. It opens inside the screen it is shown on.
class ReportPreview : public QDialog {
    Q_OBJECT
public:
    ReportPreview(const ReportDocument& document, Platform& platform, QWidget* owner);

    QPushButton* PrintButton;
    QPushButton* PdfButton;
    QPushButton* PageSetupButton;
    QPushButton* FirstButton;
    QPushButton* PreviousButton;
    QSpinBox* PageBox;
    QLabel* PageCountLabel;
    QPushButton* NextButton;
    QPushButton* LastButton;
    QPushButton* ZoomOutButton;
    QPushButton* ZoomInButton;
    QPushButton* FitWidthButton;
    QPushButton* WholePageButton;
    QPushButton* CloseButton;
    ReportPageView* Pages;

    // Asks where to save and saves the report as PDF; a failure is told in a box.
    void SavePdf();
    // The print dialog, then the pages it asks for onto the printer (or into the file it
    // names, through the same safe save as PDF保存).
    void Print();
    void PageSetup();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* Button(const QString& caption, const QKeySequence& key, const QString& tip);
    void FitIntoScreen(QWidget* owner);

    const ReportDocument& document_;
    Platform& platform_;
    QPrinter printer_;
};

} // namespace solario
