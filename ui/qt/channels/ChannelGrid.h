#pragma once
// The channel grid: a 17 x 11 table of texts in which row 0 holds the column
// headers and column 0 the channel numbers, as fixed cells. Callers address
// cells in these coordinates only; how the table widget lays them out (the
// header row is the widget's own header, so it stays put when scrolling) is
// this class's business.

#include "ui/qt/dialogs/FlexGrid.h"

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

signals:
    // Cell-level events, in grid coordinates.
    void leaveCell(int row, int col);
    void enterCell(int row, int col);
    void mouseDown(int row, int col);
    void scrolled();
    void layoutChanged();

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    int m_baseWidth = 64;
    bool m_moving = false;
};
