#pragma once

#include "data/field_catalogue.h"
#include "shell/screen.h"

#include <QList>

class QCheckBox;
class QFrame;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QScrollBar;

namespace solario {

// The full record of one product, from DetailValues, in a tall page that scrolls
// inside the window. It only displays: its tick boxes never change.
class Form_Detail : public Screen {
    Q_OBJECT

public:
    Form_Detail(AppState& state, Platform& platform);

    // Fills every label and tick box from DetailValues and sets the scrolling up.
    void Form_Load();
    void Form_Activate() override;
    void DispatchFunctionKey(int keyCode) override;
    // Page Up (33) and Page Down (34) move the page by the window's height.
    void CheckKeyCode(int keyCode);

    // The page's top inside the window, in twips (0 or below).
    int ContentTop() const { return top_; }

    QWidget* picWindow;
    QWidget* picI_Scroll;
    QScrollBar* VScroll1;

    QPushButton* CommandHelp;
    QPushButton* Command_ReportOut;
    QPushButton* CommandGoMenu;
    QPushButton* CommandExit;
    QPushButton* Command_shiyou_bui;
    QLabel* Label_Ippan;
    QLabel* Label_Kataban;
    QLabel* Label_Shohinmei;
    QLabel* Label_SeisanMaker;
    QLabel* Label_Maker;
    QLabel* Label_IshiwataSeozo_From;
    QLabel* Label_IshiwataSeozo_To;
    QLabel* Label_BohkaZairyo;
    QLabel* Label_IshiwataRitu;
    QLabel* Label_IshiwataShurui;
    QLabel* Label_Menjou;
    QLabel* Label_Boad_Atusa;
    QLabel* Label_Boad_Sunpou;
    QLabel* Label_Makimono_Atusa;
    QLabel* Label_Makimono_Sunpou;
    QLabel* Label_Koyu_Miwakekata;
    QList<QLabel*> Label_Hyoji;
    QFrame* Frame4;
    QLabel* Label_Hanbai_Chiiki;
    QLabel* Label_Madoguchi_Maker;
    QLabel* Label_Madoguchi_Maker_TEL;
    QLabel* Label_Madoguchi_Dantai;
    QLabel* Label_Madoguchi_Dantai_TEL;
    QList<QCheckBox*> Check_Tatemono_Shurui;
    QList<QCheckBox*> Check_Sekobui_Gaiso;
    QList<QCheckBox*> Check_Sekobui_Naiso;
    QList<QCheckBox*> Check_Taika_Hifuku;
    QList<QCheckBox*> Check_Setubi;
    QList<QCheckBox*> Check_Sonota;
    QList<QCheckBox*> Check_Use;
    QList<QCheckBox*> Check_Sozai_Cement;
    QList<QCheckBox*> Check_Sozai_Fiber;
    QList<QCheckBox*> Check_Sozai_Plastic;
    QList<QCheckBox*> Check_Sozai_Asphalt;

public slots:
    void CommandHelp_Click();
    void Command_ReportOut_Click();
    void CommandGoMenu_Click();
    void CommandExit_Click();
    void Command_shiyou_bui_Click();
    void VScroll1_Change(int value);

protected:
    bool Form_QueryUnload(int unloadMode) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The frame of a row of tick boxes, and the caption that leads it (none when empty).
    struct TickRowCaption {
        QString frameName;
        QString labelName;
        QString text;
    };

    QWidget* BuildHeader();
    QGridLayout* BuildHeaderValues(QWidget* frame5);
    QWidget* BuildUses();
    QWidget* BuildInteriorParts(QWidget* parent);
    QWidget* BuildShape();
    QWidget* BuildShapeValues(QWidget* parent);
    QWidget* BuildMarks();
    QWidget* BuildSalesRegion();
    QWidget* BuildContacts();
    QFrame* TickRow(QWidget* parent, const TickRowCaption& caption, QList<QCheckBox*>& list,
                    const QString& arrayName, const QList<FlagColumn>& flags);
    // A tick box with its caption to its right for each column, into the row.
    void AddTickBoxes(QWidget* parent, QList<QCheckBox*>& list, const QString& arrayName,
                      const QList<FlagColumn>& flags, QHBoxLayout* into);
    QString Value(const QString& column) const;
    void LayOutViewport();
    void FitPage();

    QList<QCheckBox*> allBoxes_;
    int top_ = 0;
    int contentHeight_ = 15300; // twips
    int viewportHeight_ = 7700; // twips
};

} // namespace solario
