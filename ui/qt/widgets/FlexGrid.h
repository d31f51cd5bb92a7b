#pragma once
// A table of texts addressed in grid coordinates: row 0 holds the column heads
// and column 0 the row labels, as fixed cells; value cells are rows >= 1,
// columns >= 1. Row 0 is the widget's own header, so it stays put when
// scrolling; callers never see the widget's own row numbers.

#include <QTableWidget>

class CFlexGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit CFlexGrid(QWidget* parent = nullptr);

    // Both count the fixed row and column too.
    int rows() const { return rowCount() + 1; }
    int cols() const { return columnCount(); }

    // Current cell; row >= 1 and col >= 1 (fixed cells are never current).
    int row() const { return currentRow() + 1; }
    int col() const { return currentColumn(); }
    // Ignored for fixed cells and cells outside the grid.
    void setCurrent(int row, int col);

    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);

    // Rectangle of a cell in viewport coordinates (empty for the fixed row).
    QRect cellRect(int row, int col) const;
    // Size that shows every cell without scroll bars.
    QSize fullSize() const;

protected:
    QTableWidgetItem* cellItem(int row, int col) const;
    // Sets the number of columns (the fixed one included) and their heads.
    void setColumns(int cols);
    // Fills widget row `r` with cells; its column 0 is a fixed row label.
    void makeRow(int r);
};
