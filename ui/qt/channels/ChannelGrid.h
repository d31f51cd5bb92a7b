#pragma once
// The channel grid: a 17 x 11 table of texts in which row 0 holds the column
// headers and column 0 the channel numbers, as fixed cells. Callers address
// cells in these coordinates only; how the table widget lays them out (the
// header row is the widget's own header, so it stays put when scrolling) is
// this class's business.

#include "ui/qt/widgets/FlexGrid.h"

#include <QPoint>
#include <QVector>

class CChannelGrid : public CFlexGrid {
    Q_OBJECT
public:
    explicit CChannelGrid(QWidget* parent = nullptr);

    QString text() const { return textMatrix(row(), col()); }
    void setText(const QString& text) { setTextMatrix(row(), col(), text); }

    void setFixedForeground(const QColor& color);
    void setColumnWidthUnits(int col, int width) { setColumnWidth(col, width); }
    // Width of the channel-number column before any change: the base unit of
    // the other widths.
    int baseColumnWidth() const { return m_baseWidth; }
    void setBaseColumnWidth(int w) { m_baseWidth = w; }

    // The selection, as in a spreadsheet: a click on a channel number selects
    // its row, Shift extends from the anchor (the last plain click), Ctrl
    // toggles. Extending or toggling leaves the current cell without opening
    // it for editing (leaveCell is still emitted, enterCell is not).
    // Selected value cells as (column, row) points, in grid coordinates.
    QVector<QPoint> selectedCells() const;
    // Whether every value cell of `row` is selected.
    bool rowSelected(int row) const;
    // Whole rows `first`..`last`; `add` keeps the rest of the selection.
    void selectRows(int first, int last, bool add = false);
    // Shift+arrow: the current cell moves by one, the selection reaches
    // from the anchor to it.
    void extendBy(int dRow, int dCol);
    // Exactly the whole rows `rows`, the first one current, no editor
    // opened: channels a command moved stay selected for the next one.
    void selectMovedRows(const QVector<int>& rows);
    // The row a drag of selected rows would drop on now, 0 when none.
    int dropRow() const { return m_dragFrom ? m_dropRow : 0; }

    // Called while leaveCell is handled: the cell being left must be corrected
    // first, so the move that left it is undone (no enterCell follows).
    void stayInCell() { m_stay = true; }

signals:
    // Cell-level events, in grid coordinates.
    void leaveCell(int row, int col);
    void enterCell(int row, int col);
    void mouseDown(int row, int col);
    void scrolled();
    void layoutChanged();
    // Selected rows were dragged by the channel number of row `from` and
    // dropped on row `to`.
    void rowsDragged(int from, int to);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;
    void resizeEvent(QResizeEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent* e) override;

private:
    // Makes (row, col) current without opening its editor; the cell left
    // behind is committed first. False when that cell kept the focus.
    bool moveQuietly(int row, int col);
    // Emits leaveCell for (row, col); true when its handler kept the cell.
    bool leaveRefused(int row, int col);
    // Selects from the anchor to (row, col): whole rows after a row click,
    // else the rectangle.
    void selectFromAnchor(int row, int col, bool add);
    void toggle(int row, int col, bool wholeRow);
    void lightRowLabels();

    int m_baseWidth = 64;
    bool m_moving = false;
    bool m_stay = false;
    int m_anchorRow = 1;
    int m_anchorCol = 1;
    bool m_anchorIsRow = false;
    // A press this class handled itself (row label, Shift, Ctrl): the base
    // class never saw it, so it must not see the drag and release either.
    bool m_ownPress = false;
    // A press on the channel number of a selected row: dragging it moves
    // the selected rows; releasing it where it was selects that row alone.
    int m_dragFrom = 0;
    int m_dropRow = 0;
    QColor m_fixedForeground;
    QVector<bool> m_litRows;
};
