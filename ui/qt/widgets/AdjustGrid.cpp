#include "ui/qt/widgets/AdjustGrid.h"

#include <QMouseEvent>

namespace {
// The cell being edited stands out in the selection colour's lighter tone.
const QColor kMarkColor(255, 255, 160);
} // namespace

CAdjustGrid::CAdjustGrid(int rows, int cols, QWidget* parent) : CFlexGrid(parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setColumns(cols);
    setValueRows(rows - 1);
}

void CAdjustGrid::setValueRows(int n) {
    const int old = rowCount();
    setRowCount(std::max(n, 0));
    for (int r = old; r < rowCount(); ++r)
        makeRow(r);
    if (rowCount() > 0 && columnCount() > 1)
        setCurrentCell(0, 1);
}

void CAdjustGrid::setCellMarked(int row, int col, bool marked) {
    if (row < 1 || col < 1)
        return;
    if (QTableWidgetItem* it = cellItem(row, col)) {
        it->setBackground(marked ? QBrush(kMarkColor) : QBrush());
        QFont f = it->font();
        f.setBold(marked);
        it->setFont(f);
    }
}

bool CAdjustGrid::cellMarked(int row, int col) const {
    const QTableWidgetItem* it = row >= 1 && col >= 1 ? cellItem(row, col) : nullptr;
    return it && it->background().style() != Qt::NoBrush;
}

void CAdjustGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (current.isValid() && current.column() == 0) {
        // A click on a row label makes a value cell of that row current.
        if (previous.isValid() && previous.column() > 0)
            emit leaveCell(previous.row() + 1, previous.column());
        CFlexGrid::currentChanged(current, previous);
        setCurrentCell(current.row(),
                       previous.isValid() && previous.column() > 0 ? previous.column() : 1);
        return;
    }
    if (previous.isValid() && previous.column() > 0)
        emit leaveCell(previous.row() + 1, previous.column());
    CFlexGrid::currentChanged(current, previous);
    if (current.isValid())
        emit enterCell(current.row() + 1, current.column());
}

void CAdjustGrid::mousePressEvent(QMouseEvent* e) {
    const QModelIndex idx = indexAt(e->position().toPoint());
    CFlexGrid::mousePressEvent(e);
    if (e->button() == Qt::LeftButton && idx.isValid() && idx.column() > 0)
        emit mouseDown(idx.row() + 1, idx.column());
}
