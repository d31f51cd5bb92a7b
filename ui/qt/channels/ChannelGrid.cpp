#include "ui/qt/channels/ChannelGrid.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <utility>

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
    m_fixedForeground = color;
    for (int c = 0; c < cols(); ++c)
        horizontalHeaderItem(c)->setForeground(color);
    for (int r = 0; r < rowCount(); ++r)
        if (r >= m_litRows.size() || !m_litRows[r])
            item(r, 0)->setForeground(color);
}

QVector<QPoint> CChannelGrid::selectedCells() const {
    QVector<QPoint> cells;
    for (const QModelIndex& i : selectionModel()->selectedIndexes())
        if (i.column() > 0)
            cells.append(QPoint(i.column(), i.row() + 1));
    std::sort(cells.begin(), cells.end(), [](const QPoint& a, const QPoint& b) {
        return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
    });
    return cells;
}

bool CChannelGrid::rowSelected(int row) const {
    if (row < 1 || row >= rows())
        return false;
    for (int c = 1; c < cols(); ++c)
        if (!selectionModel()->isSelected(model()->index(row - 1, c)))
            return false;
    return true;
}

void CChannelGrid::selectRows(int first, int last, bool add) {
    first = std::clamp(first, 1, rows() - 1);
    last = std::clamp(last, 1, rows() - 1);
    if (first > last)
        std::swap(first, last);
    const QItemSelection rows(model()->index(first - 1, 1), model()->index(last - 1, cols() - 1));
    selectionModel()->select(rows, add ? QItemSelectionModel::Select
                                       : QItemSelectionModel::ClearAndSelect);
}

void CChannelGrid::selectFromAnchor(int row, int col, bool add) {
    if (m_anchorIsRow) {
        selectRows(m_anchorRow, row, add);
        return;
    }
    const QItemSelection block(
        model()->index(std::min(row, m_anchorRow) - 1, std::min(col, m_anchorCol)),
        model()->index(std::max(row, m_anchorRow) - 1, std::max(col, m_anchorCol)));
    selectionModel()->select(block, add ? QItemSelectionModel::Select
                                        : QItemSelectionModel::ClearAndSelect);
}

void CChannelGrid::toggle(int row, int col, bool wholeRow) {
    if (!wholeRow) {
        selectionModel()->select(model()->index(row - 1, col), QItemSelectionModel::Toggle);
        return;
    }
    const QItemSelection line(model()->index(row - 1, 1), model()->index(row - 1, cols() - 1));
    selectionModel()->select(line, rowSelected(row) ? QItemSelectionModel::Deselect
                                                    : QItemSelectionModel::Select);
}

bool CChannelGrid::leaveRefused(int row, int col) {
    m_stay = false;
    emit leaveCell(row, col);
    const bool stay = m_stay;
    m_stay = false;
    return stay;
}

bool CChannelGrid::moveQuietly(int row, int col) {
    if (currentIndex().isValid() && currentColumn() > 0 && leaveRefused(this->row(), this->col()))
        return false;
    m_moving = true;
    selectionModel()->setCurrentIndex(model()->index(row - 1, col), QItemSelectionModel::NoUpdate);
    m_moving = false;
    return true;
}

void CChannelGrid::extendBy(int dRow, int dCol) {
    const int row = std::clamp(this->row() + dRow, 1, rows() - 1);
    const int col = std::clamp(this->col() + dCol, 1, cols() - 1);
    if (moveQuietly(row, col))
        selectFromAnchor(row, col, false);
}

void CChannelGrid::selectMovedRows(const QVector<int>& rows) {
    if (rows.isEmpty())
        return;
    moveQuietly(rows.first(), std::max(col(), 1));
    selectionModel()->clearSelection();
    for (int r : rows)
        selectRows(r, r, true);
    m_anchorRow = rows.first();
    m_anchorIsRow = true;
}

void CChannelGrid::selectionChanged(const QItemSelection& selected,
                                    const QItemSelection& deselected) {
    CFlexGrid::selectionChanged(selected, deselected);
    lightRowLabels();
}

void CChannelGrid::lightRowLabels() {
    // A wholly selected row shows its channel number highlighted too.
    m_litRows.resize(rowCount());
    for (int r = 0; r < rowCount(); ++r) {
        const bool lit = rowSelected(r + 1);
        if (lit == m_litRows[r])
            continue;
        m_litRows[r] = lit;
        QTableWidgetItem* label = item(r, 0);
        if (!label)
            continue;
        label->setBackground(lit ? palette().highlight() : palette().button());
        if (lit)
            label->setForeground(palette().highlightedText());
        else if (m_fixedForeground.isValid())
            label->setForeground(m_fixedForeground);
        else
            label->setData(Qt::ForegroundRole, QVariant());
    }
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
    if (previous.isValid() && previous.column() > 0 &&
        leaveRefused(previous.row() + 1, previous.column())) {
        m_moving = true;
        CFlexGrid::currentChanged(current, previous);
        setCurrentCell(previous.row(), previous.column());
        m_moving = false;
        return;
    }
    if (current.isValid()) {
        // A plain move: the next Shift extends from here.
        m_anchorRow = current.row() + 1;
        m_anchorCol = current.column();
        m_anchorIsRow = false;
    }
    CFlexGrid::currentChanged(current, previous);
    if (current.isValid())
        emit enterCell(current.row() + 1, current.column());
}

void CChannelGrid::mousePressEvent(QMouseEvent* e) {
    const QModelIndex idx = indexAt(e->position().toPoint());
    m_ownPress = false;
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    if (e->button() == Qt::LeftButton && idx.isValid() && (idx.column() == 0 || shift || ctrl)) {
        // Selection clicks: the cell becomes current without an editor, so
        // the highlight stays visible and a command can act on it.
        m_ownPress = true;
        const int row = idx.row() + 1;
        const bool wholeRow = idx.column() == 0;
        if (wholeRow && !shift && !ctrl && rowSelected(row)) {
            // Perhaps the start of a drag: the selection stays as it is.
            m_dragFrom = m_dropRow = row;
            e->accept();
            return;
        }
        const int col = wholeRow ? std::max(this->col(), 1) : idx.column();
        e->accept();
        if (!moveQuietly(row, col))
            return;
        if (shift) {
            m_anchorIsRow = m_anchorIsRow || wholeRow;
            selectFromAnchor(row, col, ctrl);
        } else {
            if (ctrl)
                toggle(row, col, wholeRow);
            else
                selectRows(row, row);
            m_anchorRow = row;
            m_anchorCol = col;
            m_anchorIsRow = wholeRow;
        }
        e->accept();
        return;
    }
    CFlexGrid::mousePressEvent(e);
    // A press on the current cell opens its editor again (after a scroll
    // closed it, for instance); a press elsewhere does it through enterCell.
    if (idx.isValid() && idx.column() > 0 && idx.row() == currentRow() &&
        idx.column() == currentColumn())
        emit mouseDown(idx.row() + 1, idx.column());
}

void CChannelGrid::mouseMoveEvent(QMouseEvent* e) {
    if (!m_ownPress) {
        CFlexGrid::mouseMoveEvent(e);
        return;
    }
    if (m_dragFrom) {
        // Above or below the rows the drop is on the first or the last one.
        const int y = e->position().toPoint().y();
        const int at = rowAt(y);
        const int row = at >= 0 ? at + 1 : (y < 0 ? 1 : rows() - 1);
        if (row != m_dropRow) {
            m_dropRow = row;
            viewport()->setCursor(row == m_dragFrom ? Qt::ArrowCursor : Qt::DragMoveCursor);
            viewport()->update();
        }
        e->accept();
        return;
    }
    // Dragging down the channel numbers selects the rows passed over.
    const QModelIndex idx = indexAt(e->position().toPoint());
    if (m_anchorIsRow && (e->buttons() & Qt::LeftButton) && idx.isValid())
        selectRows(m_anchorRow, idx.row() + 1, e->modifiers() & Qt::ControlModifier);
    e->accept();
}

void CChannelGrid::mouseReleaseEvent(QMouseEvent* e) {
    if (m_dragFrom) {
        const int from = std::exchange(m_dragFrom, 0);
        viewport()->unsetCursor();
        viewport()->update();
        if (m_dropRow != from) {
            emit rowsDragged(from, m_dropRow);
        } else {
            // A plain click on a selected row's number: that row alone, as on any other.
            moveQuietly(from, std::max(col(), 1));
            selectRows(from, from);
            m_anchorRow = from;
            m_anchorIsRow = true;
        }
    }
    if (m_ownPress) {
        m_ownPress = false;
        e->accept();
        return;
    }
    CFlexGrid::mouseReleaseEvent(e);
}

void CChannelGrid::paintEvent(QPaintEvent* e) {
    CFlexGrid::paintEvent(e);
    if (!m_dragFrom || m_dropRow == m_dragFrom)
        return;
    // Where the dragged row would land.
    QPainter p(viewport());
    p.setPen(QPen(palette().highlight().color(), 2));
    p.drawRect(QRect(0, rowViewportPosition(m_dropRow - 1), viewport()->width() - 1,
                     rowHeight(m_dropRow - 1) - 1));
}

void CChannelGrid::resizeEvent(QResizeEvent* e) {
    CFlexGrid::resizeEvent(e);
    emit layoutChanged();
}

void CChannelGrid::scrollContentsBy(int dx, int dy) {
    CFlexGrid::scrollContentsBy(dx, dy);
    emit scrolled();
}
