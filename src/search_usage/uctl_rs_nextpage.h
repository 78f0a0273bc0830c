#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

class QGridLayout;

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace solario {

// A list of named entries shown six at a time (three rows in each of two columns), each
// with a tick box, a count and a 特徴 button, paged with 前の６件 / 次の６件. It keeps the
// ticks of every page. It holds as many entries as it is given.
class UCtl_RS_NextPage : public QWidget {
    Q_OBJECT

public:
    explicit UCtl_RS_NextPage(QWidget* parent = nullptr);

    QString Frame_Caption() const;
    void SetFrame_Caption(const QString& caption);
    // Puts the focus on the tick box of a row (0 to 5).
    void ChkSetForcus(int row);
    QString Target_Item() const { return mTargetItem; }
    void SetTarget_Item(const QString& v) { mTargetItem = v; }
    QString Target_Item_Name() const { return mTargetItemName; }
    void SetTarget_Item_Name(const QString& v);
    QString Another_Item() const { return mAnotherItem; }
    void SetAnother_Item(const QString& v) { mAnotherItem = v; }
    QString Another_Item_Name() const { return mAnotherItemName; }
    void SetAnother_Item_Name(const QString& v);
    qint32 Rec_Cnt() const { return mRecCnt; }
    void SetRec_Cnt(qint32 count);

    // Each reads Rec_Cnt elements from the start of the list.
    void Set_Data(const QStringList& names);
    void Set_ID(const QStringList& ids);
    void Set_Kensu(const QList<int>& counts);
    // Writes Rec_Cnt recorded ticks (0 or 1) from the start of the list.
    void Get_Check(QList<int>& checks) const;
    // The ID of the entry in a row of the page on show (empty for an empty row).
    QString GetID(int row) const;
    // "next" shows the next page; any other text the previous one.
    void Set_Name_List(const QString& direction);
    int Read_Next_Set();
    int Read_Previous_Set();

    QGroupBox* Frame_Name_List;
    QList<QCheckBox*> Check1;
    QList<QLabel*> Label_Target_Name_List;
    QList<QLabel*> Label_Another_Name_List;
    QList<QPushButton*> Cmd_Info;
    QList<QLabel*> Label_Target_Name;
    QList<QLabel*> Label_Another_Name;
    QPushButton* Cmd_Before;
    QPushButton* Cmd_Next;
    QLabel* Label1;

signals:
    void Click(const QString& id);
    void KeyDown(int keyCode, int shift, const QString& id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void KeepFocusInTheList(QPushButton* pressed, QPushButton* other);
    // The six rows of tick box, name, count and "特徴" in two columns, with headings.
    void BuildRows(QGridLayout& grid);
    // The hint and the two paging buttons below the rows.
    void BuildPaging(QGridLayout& grid);
    void RecordPage();
    void FillRow(int row);
    void EnableRow(int row, bool enabled);
    qint32 Entry(int row) const { return (mPage - 1) * 6 + row; }

    qint32 mRecCnt = 0;
    qint32 mNextRec = 1;
    qint32 mCursor = 0;
    qint32 mShownCnt = 0;
    qint32 mPage = 1;
    QStringList mData;
    QStringList mID;
    QList<int> mKensu;
    QList<int> mCheck;
    QString mTargetItem, mTargetItemName, mAnotherItem, mAnotherItemName;
};

} // namespace solario
