#include "ui/qt/widgets/FlexGrid.h"

#include <QHeaderView>

CFlexGrid::CFlexGrid(QWidget* parent) : QTableWidget(parent) {
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
}

void CFlexGrid::setColumns(int cols) {
    setColumnCount(cols);
    for (int c = 0; c < cols; ++c)
        setHorizontalHeaderItem(c, new QTableWidgetItem);
}

void CFlexGrid::makeRow(int r) {
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

void CFlexGrid::setCurrent(int row, int col) {
    if (row < 1 || row >= rows() || col < 1 || col >= cols())
        return;
    setCurrentCell(row - 1, col);
}

QTableWidgetItem* CFlexGrid::cellItem(int row, int col) const {
    if (row < 0 || row >= rows() || col < 0 || col >= cols())
        return nullptr;
    return row == 0 ? horizontalHeaderItem(col) : item(row - 1, col);
}

QString CFlexGrid::textMatrix(int row, int col) const {
    const QTableWidgetItem* it = cellItem(row, col);
    return it ? it->text() : QString();
}

void CFlexGrid::setTextMatrix(int row, int col, const QString& text) {
    if (QTableWidgetItem* it = cellItem(row, col))
        it->setText(text);
}

QRect CFlexGrid::cellRect(int row, int col) const {
    if (row < 1 || row >= rows() || col < 0 || col >= cols())
        return {};
    return visualRect(model()->index(row - 1, col));
}

QSize CFlexGrid::fullSize() const {
    int w = 2 * frameWidth();
    for (int c = 0; c < cols(); ++c)
        w += columnWidth(c);
    int h = 2 * frameWidth() + horizontalHeader()->height();
    for (int r = 0; r < rowCount(); ++r)
        h += rowHeight(r);
    return {w, h};
}
