#pragma once

#include <QLayout>
#include <QList>

namespace solario {

// Lays its items out left to right and starts a new row where the width ends, so that a
// row of buttons fits a narrow screen by taking two rows instead of running off it.
class FlowLayout : public QLayout {
public:
    explicit FlowLayout(QWidget* parent = nullptr, int spacing = 6);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return int(items_.size()); }
    QLayoutItem* itemAt(int index) const override { return items_.value(index); }
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    int Arrange(const QRect& rect, bool place) const;

    QList<QLayoutItem*> items_;
};

} // namespace solario
