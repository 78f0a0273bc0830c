#pragma once

#include <QColor>
#include <QList>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class QLabel;
class QWidget;

namespace solario {

// Pop-up tips for the controls of one window, with an optional header line, a maximum
// width (which also lets a tip span several lines), delays, margins and colours. One
// tip window per owner; every operation but Create, fIsWindow and the header does
// nothing (and returns false, 0 or an empty text) until Create has made it.
class clsToolTip : public QObject {
    Q_OBJECT

public:
    // Delay kinds.
    enum { kAutomatic = 0, kReshow = 1, kAutoPop = 2, kInitial = 3 };

    clsToolTip();
    ~clsToolTip() override;

    bool Create(QWidget* owner);
    bool AddTool(QWidget* control, const QString& text = QString());
    bool RemoveTool(QWidget* control);
    bool HasToolTip(QWidget* control) const;
    int ToolCount() const;
    QString ToolText(QWidget* control) const;
    void SetToolText(QWidget* control, const QString& text);

    QColor BackColor() const;
    void SetBackColor(const QColor& color);
    QColor ForeColor() const;
    void SetForeColor(const QColor& color);
    int DelayTime(int kind) const;
    void SetDelayTime(int kind, int milliseconds);
    int Margin(int side) const;
    void SetMargin(int side, int pixels);
    int MaxTipWidth() const;
    void SetMaxTipWidth(int pixels);

    QString ToolTipHeader() const { return header_; }
    void SetToolTipHeader(const QString& header);
    bool ToolTipHeaderShow() const { return headerShown_; }
    void SetToolTipHeaderShow(bool shown) { headerShown_ = shown; }

    // The tip window, or null before Create.
    QWidget* hWnd() const;
    QWidget* ToolTipHandle() const { return hWnd(); }

    // Whether the control is a window of its own that can have a tip: labels and
    // pictures are drawn on their container and have none.
    static bool fIsWindow(QWidget* control);

    // Shows the control's tip now, as the pointer resting on it would (for tests and
    // screenshots); false when it has no text.
    bool ShowTipFor(QWidget* control);
    bool IsTipShown() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Tool {
        QPointer<QWidget> control;
        QString text;
    };
    int Find(QWidget* control) const;
    QString WithHeader(const QString& text) const;
    void HideTip();

    QPointer<QLabel> tip_;
    QList<Tool> tools_;
    QString header_;
    bool headerShown_ = false;
    bool multiline_ = false;
    int maxWidth_ = -1;
    int delays_[4] = {500, 100, 5000, 500};
    QMargins margins_;
    QTimer showTimer_;
    QTimer hideTimer_;
    QPointer<QWidget> pending_;
};

} // namespace solario
