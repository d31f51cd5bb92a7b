#include "ui/channels/ChannelGrid.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

namespace {
constexpr int kRows = 17;
constexpr int kCols = 11;
} // namespace

CChannelGrid::CChannelGrid(QWidget* parent) : QTableWidget(parent) {
    // The grid's face is known before it has columns, so the header measures
    // itself once, in the face it shows.
    QFont face(QStringLiteral("Times New Roman"), 9);
    face.setStyleHint(QFont::Serif);
    setFont(face);
    horizontalHeader()->setFont(face);
    setRowCount(kRows - 1);
    setColumnCount(kCols);
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
    setWordWrap(false);
    for (int c = 0; c < kCols; ++c)
        setHorizontalHeaderItem(c, new QTableWidgetItem);
    for (int r = 0; r < kRows - 1; ++r) {
        for (int c = 0; c < kCols; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            if (c == 0) {
                // Channel numbers look and behave like the header.
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(palette().button());
            } else {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            }
            setItem(r, c, item);
        }
    }
    setCurrentCell(0, 1);

    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &CChannelGrid::layoutChanged);
}

int CChannelGrid::row() const {
    return currentRow() + 1;
}
int CChannelGrid::col() const {
    return currentColumn();
}

void CChannelGrid::setCurrent(int row, int col) {
    if (row < 1 || row >= rows() || col < 1 || col >= cols())
        return;
    setCurrentCell(row - 1, col);
}

QTableWidgetItem* CChannelGrid::cellItem(int row, int col) const {
    if (row < 0 || row >= rows() || col < 0 || col >= cols())
        return nullptr;
    return row == 0 ? horizontalHeaderItem(col) : item(row - 1, col);
}

QString CChannelGrid::textMatrix(int row, int col) const {
    const QTableWidgetItem* it = cellItem(row, col);
    return it ? it->text() : QString();
}

void CChannelGrid::setTextMatrix(int row, int col, const QString& text) {
    if (QTableWidgetItem* it = cellItem(row, col))
        it->setText(text);
}

QRect CChannelGrid::cellRect(int row, int col) const {
    if (row < 1 || row >= rows() || col < 0 || col >= cols())
        return {};
    return visualRect(model()->index(row - 1, col));
}

void CChannelGrid::setFixedForeground(const QColor& color) {
    for (int c = 0; c < cols(); ++c)
        horizontalHeaderItem(c)->setForeground(color);
    for (int r = 0; r < rowCount(); ++r)
        item(r, 0)->setForeground(color);
}

QSize CChannelGrid::fullSize() const {
    int w = 2 * frameWidth();
    for (int c = 0; c < cols(); ++c)
        w += columnWidth(c);
    int h = 2 * frameWidth() + horizontalHeader()->height();
    for (int r = 0; r < rowCount(); ++r)
        h += rowHeight(r);
    return {w, h};
}

void CChannelGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (m_moving) {
        QTableWidget::currentChanged(current, previous);
        return;
    }
    if (current.isValid() && current.column() == 0) {
        // Fixed cells never become current: keep the previous cell.
        m_moving = true;
        QTableWidget::currentChanged(current, previous);
        setCurrentCell(previous.isValid() ? previous.row() : current.row(),
                       previous.isValid() && previous.column() > 0 ? previous.column() : 1);
        m_moving = false;
        return;
    }
    // Leave before the base class scrolls the new cell into view: the commit
    // must see the editor the user typed into.
    if (previous.isValid() && previous.column() > 0)
        emit leaveCell(previous.row() + 1, previous.column());
    QTableWidget::currentChanged(current, previous);
    if (current.isValid())
        emit enterCell(current.row() + 1, current.column());
}

void CChannelGrid::mousePressEvent(QMouseEvent* e) {
    const QModelIndex idx = indexAt(e->position().toPoint());
    QTableWidget::mousePressEvent(e);
    // A press on the current cell opens its editor again (after a scroll
    // closed it, for instance); a press elsewhere does it through enterCell.
    if (idx.isValid() && idx.column() > 0 && idx.row() == currentRow() &&
        idx.column() == currentColumn())
        emit mouseDown(idx.row() + 1, idx.column());
}

void CChannelGrid::resizeEvent(QResizeEvent* e) {
    QTableWidget::resizeEvent(e);
    emit layoutChanged();
}

void CChannelGrid::scrollContentsBy(int dx, int dy) {
    QTableWidget::scrollContentsBy(dx, dy);
    emit scrolled();
}
