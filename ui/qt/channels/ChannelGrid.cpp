#include "ui/qt/channels/ChannelGrid.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

namespace {
constexpr int kRows = 17;
constexpr int kCols = 11;
} // namespace

CChannelGrid::CChannelGrid(QWidget* parent) : CFlexGrid(parent) {
    // The grid's face is known before it has columns, so the header measures
    // itself once, in the face it shows.
    QFont face(QStringLiteral("Times New Roman"), 9);
    face.setStyleHint(QFont::Serif);
    setFont(face);
    horizontalHeader()->setFont(face);
    setRowCount(kRows - 1);
    setColumns(kCols);
    setWordWrap(false);
    // Column 0 holds the channel numbers.
    for (int r = 0; r < kRows - 1; ++r)
        makeRow(r);
    setCurrentCell(0, 1);

    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &CChannelGrid::layoutChanged);
}

void CChannelGrid::setFixedForeground(const QColor& color) {
    for (int c = 0; c < cols(); ++c)
        horizontalHeaderItem(c)->setForeground(color);
    for (int r = 0; r < rowCount(); ++r)
        item(r, 0)->setForeground(color);
}

void CChannelGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (m_moving) {
        CFlexGrid::currentChanged(current, previous);
        return;
    }
    if (current.isValid() && current.column() == 0) {
        // Fixed cells never become current: keep the previous cell.
        m_moving = true;
        CFlexGrid::currentChanged(current, previous);
        setCurrentCell(previous.isValid() ? previous.row() : current.row(),
                       previous.isValid() && previous.column() > 0 ? previous.column() : 1);
        m_moving = false;
        return;
    }
    // Leave before the base class scrolls the new cell into view: the commit
    // must see the editor the user typed into.
    if (previous.isValid() && previous.column() > 0)
        emit leaveCell(previous.row() + 1, previous.column());
    CFlexGrid::currentChanged(current, previous);
    if (current.isValid())
        emit enterCell(current.row() + 1, current.column());
}

void CChannelGrid::mousePressEvent(QMouseEvent* e) {
    const QModelIndex idx = indexAt(e->position().toPoint());
    CFlexGrid::mousePressEvent(e);
    // A press on the current cell opens its editor again (after a scroll
    // closed it, for instance); a press elsewhere does it through enterCell.
    if (idx.isValid() && idx.column() > 0 && idx.row() == currentRow() &&
        idx.column() == currentColumn())
        emit mouseDown(idx.row() + 1, idx.column());
}

void CChannelGrid::resizeEvent(QResizeEvent* e) {
    CFlexGrid::resizeEvent(e);
    emit layoutChanged();
}

void CChannelGrid::scrollContentsBy(int dx, int dy) {
    CFlexGrid::scrollContentsBy(dx, dy);
    emit scrolled();
}
