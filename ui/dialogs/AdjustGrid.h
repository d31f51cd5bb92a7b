#pragma once
// The grid of the two calibration dialogs: a small table of texts whose row 0
// holds the column heads and column 0 the row labels, as fixed cells. Callers
// address cells in these coordinates (value cells are rows >= 1, columns >= 1).

#include <QTableWidget>

class CAdjustGrid : public QTableWidget {
    Q_OBJECT
public:
    // `rows` and `cols` count the fixed row and column too.
    CAdjustGrid(int rows, int cols, QWidget* parent = nullptr);

    int rows() const { return rowCount() + 1; }
    int cols() const { return columnCount(); }
    // Changes the number of value rows (the fixed row not counted).
    void setValueRows(int n);

    // Current cell; both >= 1 while there is one.
    int row() const { return currentRow() + 1; }
    int col() const { return currentColumn(); }
    void setCurrent(int row, int col);

    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);

    // Rectangle of a cell in viewport coordinates (empty for the fixed row).
    QRect cellRect(int row, int col) const;
    // Marks a value cell as the one being worked on, or clears the mark.
    void setCellMarked(int row, int col, bool marked);
    bool cellMarked(int row, int col) const;
    // Size that shows every cell without scroll bars.
    QSize fullSize() const;

signals:
    void enterCell(int row, int col);
    void leaveCell(int row, int col);
    // Left button pressed on a value cell, after it became current.
    void mouseDown(int row, int col);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    QTableWidgetItem* cellItem(int row, int col) const;
    void makeRow(int r);
};
