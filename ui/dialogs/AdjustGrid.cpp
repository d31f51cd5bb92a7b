#include "ui/dialogs/AdjustGrid.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace {
// The cell being edited stands out in the selection colour's lighter tone.
const QColor kMarkColor(255, 255, 160);
} // namespace

CAdjustGrid::CAdjustGrid(int rows, int cols, QWidget* parent) : QTableWidget(0, cols, parent) {
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int c = 0; c < cols; ++c)
        setHorizontalHeaderItem(c, new QTableWidgetItem);
    setValueRows(rows - 1);
}

void CAdjustGrid::makeRow(int r) {
    for (int c = 0; c < columnCount(); ++c) {
        auto* item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignCenter);
        if (c == 0) {
            // Row labels look and behave like the header: never current.
            item->setFlags(Qt::ItemIsEnabled);
            item->setBackground(palette().button());
        } else {
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        }
        setItem(r, c, item);
    }
}

void CAdjustGrid::setValueRows(int n) {
    const int old = rowCount();
    setRowCount(std::max(n, 0));
    for (int r = old; r < rowCount(); ++r)
        makeRow(r);
    if (rowCount() > 0 && columnCount() > 1)
        setCurrentCell(0, 1);
}

void CAdjustGrid::setCurrent(int row, int col) {
    if (row >= 1 && row < rows() && col >= 1 && col < cols())
        setCurrentCell(row - 1, col);
}

QTableWidgetItem* CAdjustGrid::cellItem(int row, int col) const {
    if (row < 0 || row >= rows() || col < 0 || col >= cols())
        return nullptr;
    return row == 0 ? horizontalHeaderItem(col) : item(row - 1, col);
}

QString CAdjustGrid::textMatrix(int row, int col) const {
    const QTableWidgetItem* it = cellItem(row, col);
    return it ? it->text() : QString();
}

void CAdjustGrid::setTextMatrix(int row, int col, const QString& text) {
    if (QTableWidgetItem* it = cellItem(row, col))
        it->setText(text);
}

QRect CAdjustGrid::cellRect(int row, int col) const {
    if (row < 1 || row >= rows() || col < 0 || col >= cols())
        return {};
    return visualRect(model()->index(row - 1, col));
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

QSize CAdjustGrid::fullSize() const {
    int w = 2 * frameWidth();
    for (int c = 0; c < cols(); ++c)
        w += columnWidth(c);
    int h = 2 * frameWidth() + horizontalHeader()->height();
    for (int r = 0; r < rowCount(); ++r)
        h += rowHeight(r);
    return {w, h};
}

void CAdjustGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (current.isValid() && current.column() == 0) {
        // A click on a row label makes a value cell of that row current.
        if (previous.isValid() && previous.column() > 0)
            emit leaveCell(previous.row() + 1, previous.column());
        QTableWidget::currentChanged(current, previous);
        setCurrentCell(current.row(),
                       previous.isValid() && previous.column() > 0 ? previous.column() : 1);
        return;
    }
    if (previous.isValid() && previous.column() > 0)
        emit leaveCell(previous.row() + 1, previous.column());
    QTableWidget::currentChanged(current, previous);
    if (current.isValid())
        emit enterCell(current.row() + 1, current.column());
}

void CAdjustGrid::mousePressEvent(QMouseEvent* e) {
    const QModelIndex idx = indexAt(e->position().toPoint());
    QTableWidget::mousePressEvent(e);
    if (e->button() == Qt::LeftButton && idx.isValid() && idx.column() > 0)
        emit mouseDown(idx.row() + 1, idx.column());
}
