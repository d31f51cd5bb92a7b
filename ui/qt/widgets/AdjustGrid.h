#pragma once
// The grid of the two calibration dialogs: a small table of texts whose row 0
// holds the column heads and column 0 the row labels, as fixed cells. Callers
// address cells in these coordinates (value cells are rows >= 1, columns >= 1).

#include "ui/qt/widgets/FlexGrid.h"

class CAdjustGrid : public CFlexGrid {
    Q_OBJECT
public:
    // `rows` and `cols` count the fixed row and column too.
    CAdjustGrid(int rows, int cols, QWidget* parent = nullptr);

    // Changes the number of value rows (the fixed row not counted).
    void setValueRows(int n);

    // Marks a value cell as the one being worked on, or clears the mark.
    void setCellMarked(int row, int col, bool marked);
    bool cellMarked(int row, int col) const;

signals:
    void enterCell(int row, int col);
    void leaveCell(int row, int col);
    // Left button pressed on a value cell, after it became current.
    void mouseDown(int row, int col);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* e) override;
};
