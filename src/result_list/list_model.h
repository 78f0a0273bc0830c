#pragma once

#include "platform/keyed_recordset.h"

#include <QAbstractTableModel>
#include <QPixmap>
#include <QVector>

namespace solario {

// The result grid's rows read from the list recordset as they are drawn: the recordset
// reads the rows in view in small windows, so a list of any length opens at once. Column 0 is the
// tick column; grid column c shows field c - 1 of the list query; row 0 of the original
// grid (the headings) is the header.
class ListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ListModel(QObject* parent = nullptr);

    // Shows the recordset's rows (null: no rows).
    void Bind(const KeyedRecordset* recordset, int columns);
    void SetAlignment(int column, Qt::Alignment alignment);
    Qt::Alignment Alignment(int column) const {
        return alignments_.value(column, Qt::AlignLeft | Qt::AlignVCenter);
    }
    // The grid row (from 1) that shows the ticked image, 0 for none.
    void SetTickedRow(qint32 gridRow);
    qint32 TickedRow() const { return ticked_; }

    // The text of a cell by grid row (1 = first record) and grid column.
    QString CellText(qint32 gridRow, int gridColumn) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const KeyedRecordset* rs_ = nullptr;
    int columns_ = 0;
    qint32 ticked_ = 0;
    QVector<Qt::Alignment> alignments_;
    QPixmap checked_;
    QPixmap unchecked_;
};

} // namespace solario
