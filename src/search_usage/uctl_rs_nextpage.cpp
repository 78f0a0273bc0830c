#include "search_usage/uctl_rs_nextpage.h"

#include "platform/key_codes.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace solario {

namespace {

// A name of the list: always room for two lines ("石綿含有スレートボード・フレキシブル
// 板" needs them), so that the rows stand still as pages change and no line is cut.
// The height does not follow the width: a grid gives a wrapped label too little.
class TwoLineLabel : public QLabel {
public:
    using QLabel::QLabel;
    bool hasHeightForWidth() const override { return false; }
    QSize sizeHint() const override {
        return {QLabel::sizeHint().width(), fontMetrics().lineSpacing() * 2 + 4};
    }
    QSize minimumSizeHint() const override {
        return {fontMetrics().horizontalAdvance(QStringLiteral("石綿含有スレート")),
                sizeHint().height()};
    }
};

} // namespace

UCtl_RS_NextPage::UCtl_RS_NextPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("UCtl_RS_NextPage"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    Frame_Name_List = new QGroupBox(
        QStringLiteral("①入力条件に該当する石綿（アスベスト）建材名リスト（一般名）"), this);
    Frame_Name_List->setObjectName(QStringLiteral("Frame_Name_List"));
    outer->addWidget(Frame_Name_List);
    auto* grid = new QGridLayout(Frame_Name_List);
    grid->setHorizontalSpacing(8);
    BuildRows(*grid);
    BuildPaging(*grid);
}

void UCtl_RS_NextPage::BuildRows(QGridLayout& grid) {
    // Two columns of rows: 0-2 on the left, 3-5 on the right, each with its headings.
    for (int side = 0; side < 2; ++side) {
        auto* name = new QLabel(QStringLiteral("建材名（一般名）"), Frame_Name_List);
        name->setObjectName(QStringLiteral("Label_Target_Name(%1)").arg(side));
        auto* count = new QLabel(QStringLiteral("該当件数"), Frame_Name_List);
        count->setObjectName(QStringLiteral("Label_Another_Name(%1)").arg(side));
        Label_Target_Name.append(name);
        Label_Another_Name.append(count);
        grid.addWidget(name, 0, side * 5 + 1);
        grid.addWidget(count, 0, side * 5 + 2, Qt::AlignRight);
    }
    for (int row = 0; row < 6; ++row) {
        const int side = row / 3, line = row % 3 + 1;
        auto* box = new QCheckBox(Frame_Name_List);
        box->setObjectName(QStringLiteral("Check1(%1)").arg(row));
        auto* name = new TwoLineLabel(Frame_Name_List);
        name->setObjectName(QStringLiteral("Label_Target_Name_List(%1)").arg(row));
        name->setWordWrap(true);
        name->setTextFormat(Qt::PlainText);
        name->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        auto* count = new QLabel(Frame_Name_List);
        count->setObjectName(QStringLiteral("Label_Another_Name_List(%1)").arg(row));
        count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        count->setMinimumWidth(count->fontMetrics().horizontalAdvance(QStringLiteral("該当件数")));
        auto* info = new QPushButton(QStringLiteral("特徴"), Frame_Name_List);
        info->setObjectName(QStringLiteral("Cmd_Info(%1)").arg(row));
        info->setAutoDefault(false);
        Check1.append(box);
        Label_Target_Name_List.append(name);
        Label_Another_Name_List.append(count);
        Cmd_Info.append(info);
        grid.addWidget(box, line, side * 5);
        grid.addWidget(name, line, side * 5 + 1);
        grid.addWidget(count, line, side * 5 + 2);
        grid.addWidget(info, line, side * 5 + 3);
        box->installEventFilter(this);
        info->installEventFilter(this);
        // A tick is recorded as soon as it changes, by mouse or by keyboard.
        connect(box, &QCheckBox::clicked, this, [this, row](bool) {
            if (Entry(row) < mCheck.size())
                mCheck[Entry(row)] = Check1[row]->isChecked() ? 1 : 0;
        });
        connect(info, &QPushButton::clicked, this, [this, row] { emit Click(GetID(row)); });
    }
    grid.setColumnStretch(1, 1);
    grid.setColumnStretch(6, 1);
    grid.setColumnMinimumWidth(4, 16);
}

void UCtl_RS_NextPage::BuildPaging(QGridLayout& grid) {
    Label1 = new QLabel(QStringLiteral("※それぞれの特徴を参照し当てはまるものを選択して下さい。"),
                        Frame_Name_List);
    Label1->setObjectName(QStringLiteral("Label1"));
    Cmd_Before = new QPushButton(QStringLiteral("前の６件"), Frame_Name_List);
    Cmd_Before->setObjectName(QStringLiteral("Cmd_Before"));
    Cmd_Next = new QPushButton(QStringLiteral("次の６件"), Frame_Name_List);
    Cmd_Next->setObjectName(QStringLiteral("Cmd_Next"));
    for (QPushButton* b : {Cmd_Before, Cmd_Next})
        b->setAutoDefault(false);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Label1);
    bottom->addStretch();
    bottom->addWidget(Cmd_Before);
    bottom->addWidget(Cmd_Next);
    grid.addLayout(bottom, 4, 0, 1, 9);
    Cmd_Before->setEnabled(false);
    Cmd_Next->setEnabled(false);
    for (int row = 0; row < 6; ++row) {
        setTabOrder(Check1[row], Cmd_Info[row]);
        if (row < 5)
            setTabOrder(Cmd_Info[row], Check1[row + 1]);
    }
    setTabOrder(Cmd_Info[5], Cmd_Before);
    setTabOrder(Cmd_Before, Cmd_Next);

    connect(Cmd_Next, &QPushButton::clicked, this, [this] {
        RecordPage();
        ++mPage;
        Set_Name_List(QStringLiteral("next"));
        KeepFocusInTheList(Cmd_Next, Cmd_Before);
    });
    connect(Cmd_Before, &QPushButton::clicked, this, [this] {
        RecordPage();
        --mPage;
        Set_Name_List(QStringLiteral("Previous"));
        KeepFocusInTheList(Cmd_Before, Cmd_Next);
    });
}

QString UCtl_RS_NextPage::Frame_Caption() const {
    return Frame_Name_List->title();
}
void UCtl_RS_NextPage::SetFrame_Caption(const QString& caption) {
    Frame_Name_List->setTitle(caption);
}

// A paging button that turned itself off loses the focus; it goes to the other paging
// button, or the page's first row, never out of the list to whatever comes next.
void UCtl_RS_NextPage::KeepFocusInTheList(QPushButton* pressed, QPushButton* other) {
    if (pressed->isEnabled())
        return;
    if (other->isEnabled())
        other->setFocus(Qt::OtherFocusReason);
    else if (Check1[0]->isEnabled())
        Check1[0]->setFocus(Qt::OtherFocusReason);
}

void UCtl_RS_NextPage::ChkSetForcus(int row) {
    if (row >= 0 && row < 6)
        Check1[row]->setFocus();
}

void UCtl_RS_NextPage::SetTarget_Item_Name(const QString& v) {
    mTargetItemName = v;
    for (QLabel* l : Label_Target_Name)
        l->setText(v);
}

void UCtl_RS_NextPage::SetAnother_Item_Name(const QString& v) {
    mAnotherItemName = v;
    for (QLabel* l : Label_Another_Name)
        l->setText(v);
}

void UCtl_RS_NextPage::SetRec_Cnt(qint32 count) {
    mRecCnt = std::max(0, count);
    // Room for every entry, and for the blank rows of the last page.
    const qsizetype size = qsizetype(mRecCnt) + 6;
    mData.resize(size);
    mID.resize(size);
    mKensu.resize(size, 0);
    mCheck.resize(size, 0);
}

void UCtl_RS_NextPage::Set_Data(const QStringList& names) {
    for (qint32 i = 0; i < mRecCnt; ++i)
        mData[i] = names.value(i);
}

void UCtl_RS_NextPage::Set_ID(const QStringList& ids) {
    for (qint32 i = 0; i < mRecCnt; ++i)
        mID[i] = ids.value(i);
}

void UCtl_RS_NextPage::Set_Kensu(const QList<int>& counts) {
    for (qint32 i = 0; i < mRecCnt; ++i)
        mKensu[i] = counts.value(i);
}

void UCtl_RS_NextPage::Get_Check(QList<int>& checks) const {
    if (checks.size() < mRecCnt)
        checks.resize(mRecCnt, 0);
    for (qint32 i = 0; i < mRecCnt; ++i)
        checks[i] = mCheck.value(i);
}

QString UCtl_RS_NextPage::GetID(int row) const {
    if (row < 0 || row > 5)
        return QString();
    return mID.value(Entry(row));
}

void UCtl_RS_NextPage::Set_Name_List(const QString& direction) {
    if (direction == u"next")
        Read_Next_Set();
    else
        Read_Previous_Set();
}

void UCtl_RS_NextPage::FillRow(int row) {
    Label_Target_Name_List[row]->setText(mData.value(mCursor));
    Label_Another_Name_List[row]->setText(QString::number(mKensu.value(mCursor)));
    Check1[row]->setChecked(mCheck.value(mCursor) != 0);
}

void UCtl_RS_NextPage::EnableRow(int row, bool enabled) {
    Check1[row]->setEnabled(enabled);
    Label_Target_Name_List[row]->setEnabled(enabled);
    Label_Another_Name_List[row]->setEnabled(enabled);
    Cmd_Info[row]->setEnabled(enabled);
}

int UCtl_RS_NextPage::Read_Next_Set() {
    qint32 last = mNextRec + 5;
    if (last < mRecCnt) {
        Cmd_Next->setEnabled(true);
    } else {
        last = mRecCnt;
        Cmd_Next->setEnabled(false);
    }
    mShownCnt = 0;
    for (int row = 0; row < 6; ++row) {
        if (mNextRec + row > last) {
            Label_Target_Name_List[row]->setText(QString());
            Label_Another_Name_List[row]->setText(QString());
            Check1[row]->setChecked(false);
            EnableRow(row, false);
        } else {
            FillRow(row);
            ++mCursor;
            ++mShownCnt;
        }
    }
    Cmd_Before->setEnabled(mNextRec > 6);
    mNextRec += mShownCnt;
    return 0;
}

int UCtl_RS_NextPage::Read_Previous_Set() {
    mCursor -= mShownCnt + 6;
    mNextRec -= mShownCnt + 6;
    Cmd_Before->setEnabled(mNextRec > 1);
    mShownCnt = 0;
    for (int row = 0; row < 6; ++row) {
        FillRow(row);
        ++mCursor;
        ++mShownCnt;
        EnableRow(row, true);
    }
    Cmd_Next->setEnabled(!(mRecCnt < mNextRec + 5));
    mNextRec += mShownCnt;
    return 0;
}

void UCtl_RS_NextPage::RecordPage() {
    for (int row = 0; row < 6; ++row)
        if (Entry(row) < mCheck.size())
            mCheck[Entry(row)] = Check1[row]->isChecked() ? 1 : 0;
}

bool UCtl_RS_NextPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        for (int row = 0; row < 6; ++row) {
            if (watched == Check1[row] || watched == Cmd_Info[row]) {
                auto* key = static_cast<QKeyEvent*>(event);
                const int code = KeyCodeOf(key->key());
                if (code != 0) {
                    int shift = 0;
                    if (key->modifiers() & Qt::ShiftModifier)
                        shift |= 1;
                    if (key->modifiers() & Qt::ControlModifier)
                        shift |= 2;
                    if (key->modifiers() & Qt::AltModifier)
                        shift |= 4;
                    emit KeyDown(code, shift, GetID(row));
                }
                break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace solario
