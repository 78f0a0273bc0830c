#pragma once

#include <QRect>
#include <QString>
#include <initializer_list>

class QFont;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace solario {

// What every screen repeats: lengths in twips, labels, the banner, picture buttons and
// captions that must not be cut.

// The caption of the button that opens the document on the registered material data.
inline const QString kRegisteredInfoCaption =
    QStringLiteral("本データベースに登録されている\r\n\u3000\u3000\u3000\u3000建材情報について");

// Pixels for a length in twips (1440 to the inch) at the widget's logical DPI.
int Twips(const QWidget& widget, int twips);
// Places a widget by its rectangle in twips.
void PlaceTwips(QWidget& widget, int left, int top, int width, int height);
// A widget and its rectangle in twips, for a screen whose layout gives positions.
struct TwipsRect {
    QWidget* widget;
    int left, top, width, height;
};
// Places every widget of the table.
void PlaceTwips(std::initializer_list<TwipsRect> placements);

// A caption's line breaks (CR LF, or CR alone) as Qt's.
QString QtLineBreaks(const QString& caption);
// A label of plain text; a caption's line breaks become Qt's.
QLabel* MakeLabel(QWidget* parent, const QString& objectName, const QString& text);
// Makes a word-wrapped label exactly as wide as the text of its first line, so that it
// breaks where the screen's text means it to, whatever the font and resolution.
void FitToFirstLine(QLabel& label, const QString& firstLine);
// The font scaled by the factor, bold when asked: the screens' titles and headlines.
QFont ScaledFont(const QFont& font, double factor, bool bold);

// The mark of made-up data and the page note of its prints. Every screen shows the mark
// on its banner (and the menu beside the edition) while the open database says it is
// sample data; the screens show or hide it as they are shown.
inline const QString kSampleMarkText = QStringLiteral("サンプルデータ（架空）");
inline const QString kSampleMarkName = QStringLiteral("SampleMark");
inline const QString kSamplePageNote =
    QStringLiteral("サンプルデータ（架空）：実在の製品情報ではありません");
// A hidden mark, in colours of its own so that it reads on any desktop palette.
QLabel* MakeSampleMark(QWidget* parent);

// The banner picture across a screen ("Image1"), with the sample mark at its right.
QLabel* MakeBanner(QWidget* parent);
// A picture button that Enter never presses on its own.
QPushButton* MakePictureButton(QWidget* parent, const QString& objectName, const QString& image,
                               const QString& accessibleName, const QString& description);
// A row that holds the widget in its middle: the search buttons below the questions.
QHBoxLayout* CentredRow(QWidget* widget);
// The help button of every screen with help ("CommandHelp").
QPushButton* MakeHelpButton(QWidget* parent);
// Sizes a picture button's image to the button, less a small border.
void FitIcon(QPushButton* button);
// The height that two lines of the widget's font need inside a button.
int TwoLinesHeight(const QWidget& widget);
// The part of the window's screen a window may cover: the area the desktop leaves free
// (without its task bar), less the frame the desktop draws around the window. Until the
// window is shown the frame is not known, so a usual one is reserved: a title bar and
// borders as the users' desktops draw them.
QRect WindowRoom(const QWidget& window);
// Keeps a top-level window inside its room: a minimum size larger than the room becomes
// the room's, a size larger than the room shrinks to it, and a window that reaches
// beyond the room moves into it (centred on the side where it reached out).
void FitOnScreen(QWidget& window);
// Moves a top-level window so that its inside (without the frame) begins at the point:
// move() places the frame, whose margins the desktop may already have drawn.
void MoveInsideTo(QWidget& window, const QPoint& inside);

// A placed button with a two-line caption gets the room of two lines of its font; it
// grows around its middle so that it keeps its place among its neighbours.
void FitTwoLines(QPushButton& button);

} // namespace solario
