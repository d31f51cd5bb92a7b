#include "ui/qt/channels/ChannelEdits.h"

#include "app/AppState.h"
#include "model/BulkEdit.h"
#include "model/ChannelMoves.h"
#include "model/DataTexts.h"
#include "model/StringTable.h"
#include "ui/qt/channels/ChannelGrid.h"
#include "ui/qt/channels/EditHistory.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/common/CoreTexts.h"
#include "ui/qt/common/Messages.h"
#include "ui/qt/dialogs/SetCellsDlg.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>

#include <algorithm>
#include <set>

namespace {

// Texts of the grid's bulk edits and the names of the steps they leave.
// The catalogue context of the grid's own texts (the step names among them).
struct Grid {
    Q_DECLARE_TR_FUNCTIONS(Grid)
};

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

std::function<bool(CSetCellsDlg*)> ChannelEdits::askValue = [](CSetCellsDlg* dlg) {
    return dlg->exec() == QDialog::Accepted;
};

ChannelEdits::ChannelEdits(CProgramView* view) : m_view(view) {
    // Rows dragged by their channel numbers move like Move Up and Move Down.
    QObject::connect(view->grid(), &CChannelGrid::rowsDragged, view,
                     [this](int from, int to) { moveRows(to - from); });
    // Several rows are selected like in a spreadsheet.
    view->grid()->setSelectionMode(QAbstractItemView::ExtendedSelection);
}

std::vector<int> ChannelEdits::selectedRows() const {
    std::set<int> rows;
    CChannelGrid* grid = m_view->grid();
    for (const QModelIndex& i : grid->selectionModel()->selectedIndexes())
        rows.insert(i.row() + 1);
    if (rows.empty() && grid->row() >= 1)
        rows.insert(grid->row());
    return {rows.begin(), rows.end()};
}

QString ChannelEdits::copyText() const {
    return qs(radio::clipboard::copyRows(m_view->table(), selectedRows()));
}

void ChannelEdits::copy() const {
    QApplication::clipboard()->setText(copyText());
}

bool ChannelEdits::paste(const QString& text, QStringList* problems) {
    if (!m_view->commitBeforeCommand())
        return false; // the refused value has had its message

    // One copied row fills every selected row; more rows paste from the
    // first selected row down.
    const radio::clipboard::Paste p =
        radio::bulk::pasteOntoRows(text.toStdString(), m_view->table(), selectedRows(),
                                   m_view->bandLow(), m_view->bandHigh(), m_view->language());
    if (!p.ok) {
        if (problems) {
            if (p.rows.empty() && p.rejected.empty())
                problems->append(ChannelEdits::tr("The clipboard holds no channel rows."));
            problems->append(describe(p.rejected));
        }
        return false;
    }
    m_view->history()->applyTable(p.table, ChannelEdits::tr("Paste"));
    return true;
}

QStringList ChannelEdits::describe(const std::vector<radio::clipboard::Rejected>& refused) const {
    QStringList lines;
    const auto headers = radio::columnHeaders(m_view->coreTexts());
    for (const auto& r : refused) {
        QString why;
        if (r.column == 0)
            why = r.row >= radio::kGridRows
                      ? ChannelEdits::tr("below the last channel")
                      : ChannelEdits::tr("not a channel row of 10 or 11 tab-separated cells");
        else if (r.message != 0)
            why = QCoreApplication::translate("StringTable", radio::englishString(r.message));
        else
            why = ChannelEdits::tr("\"%1\" is not one of the column's entries").arg(qs(r.value));
        const QString where =
            r.column == 0 ? ChannelEdits::tr("Row %1").arg(r.row)
                          : ChannelEdits::tr("Row %1, %2").arg(r.row).arg(qs(headers[r.column]));
        lines.append(where + QStringLiteral(": ") + why);
    }
    return lines;
}

void ChannelEdits::reportUnchanged(const QStringList& problems) const {
    if (!problems.isEmpty())
        messages::show(m_view,
                       Grid::tr("Nothing was changed:") + QStringLiteral("\n") +
                           problems.join(QStringLiteral("\n")),
                       true);
}

bool ChannelEdits::fillDown(QStringList* problems) {
    if (CProgramView::documentLocked() || !m_view->commitBeforeCommand())
        return false;
    std::vector<radio::bulk::Cell> cells;
    for (const QPoint& p : m_view->grid()->selectedCells())
        cells.push_back({p.y(), p.x()});
    const radio::bulk::Outcome o = radio::bulk::fillDown(m_view->table(), cells, m_view->bandLow(),
                                                         m_view->bandHigh(), m_view->language());
    if (!o.ok) {
        if (problems)
            problems->append(describe(o.refused));
        return false;
    }
    return m_view->history()->applyTable(o.table, Grid::tr("Fill Down"));
}

bool ChannelEdits::setCells(int column, const QString& value, QStringList* problems) {
    if (CProgramView::documentLocked() || !m_view->commitBeforeCommand())
        return false;
    const radio::bulk::Outcome o =
        radio::bulk::setCells(m_view->table(), selectedRows(), column, value.toStdString(),
                              m_view->bandLow(), m_view->bandHigh(), m_view->language());
    if (!o.ok) {
        if (problems)
            problems->append(describe(o.refused));
        return false;
    }
    return m_view->history()->applyTable(o.table, Grid::tr("Set Selected Cells"));
}

void ChannelEdits::fillDown() {
    QStringList problems;
    if (!fillDown(&problems))
        reportUnchanged(problems);
}

void ChannelEdits::setSelectedCells() {
    if (CProgramView::documentLocked() || !m_view->commitBeforeCommand())
        return;
    const int column = m_view->grid()->col();
    if (column < radio::ColRx || column > radio::ColScrambler)
        return;
    const radio::Language language = m_view->language();
    QStringList entries;
    if (column >= radio::ColDecode)
        for (const std::string& e : radio::columnEntries(column, language))
            entries << qs(e);
    const std::vector<int> rows = selectedRows();
    CSetCellsDlg dlg(qs(radio::columnHeaders(m_view->coreTexts())[std::size_t(column)]), entries,
                     m_view->grid()->text(), int(rows.size()), m_view);
    if (!askValue(&dlg))
        return;
    QStringList problems;
    if (!setCells(column, dlg.value(), &problems))
        reportUnchanged(problems);
}

void ChannelEdits::pasteFromClipboard() {
    QStringList problems;
    if (!paste(QApplication::clipboard()->text(), &problems) && !problems.isEmpty())
        messages::show(m_view,
                       ChannelEdits::tr("Nothing was pasted:") + QStringLiteral("\n") +
                           problems.join(QStringLiteral("\n")),
                       true);
}

void ChannelEdits::clearRows() {
    m_view->hideEditors();
    radio::ChannelTable t = m_view->table();
    for (int r : selectedRows())
        for (int c = radio::ColRx; c <= radio::ColScrambler; ++c)
            t[r][c].clear();
    m_view->history()->applyTable(t, ChannelEdits::tr("Clear"));
}

bool ChannelEdits::readyToRearrange() {
    if (CProgramView::documentLocked() || !m_view->commitBeforeCommand())
        return false;
    m_view->history()->settle();
    return true;
}

bool ChannelEdits::moveRows(int delta) {
    if (!readyToRearrange())
        return false;
    const std::vector<int> rows = selectedRows();
    const radio::moves::Order from = radio::moves::moveBy(rows, delta);
    const QString what = delta == -1  ? Grid::tr("Move Up")
                         : delta == 1 ? Grid::tr("Move Down")
                                      : Grid::tr("Move Channels");
    if (!m_view->history()->rearrange(from, what))
        return false;
    // The moved channels stay selected, so the next press moves them again.
    QVector<int> moved;
    for (int slot = 1; slot < radio::kGridRows; ++slot)
        if (std::count(rows.begin(), rows.end(), from[std::size_t(slot - 1)]))
            moved << slot;
    m_view->grid()->selectMovedRows(moved);
    return true;
}

bool ChannelEdits::sortByRx() {
    return readyToRearrange() &&
           m_view->history()->rearrange(radio::moves::sortByRx(m_view->gridImage(), selectedRows()),
                                        Grid::tr("Sort by Rx Frequency"));
}

bool ChannelEdits::insertChannel(QString* problem) {
    if (!readyToRearrange())
        return false;
    const std::vector<int> rows = selectedRows();
    if (rows.empty())
        return false;
    const auto from = radio::moves::insertEmpty(m_view->gridImage(), rows.front());
    if (!from) {
        if (problem)
            *problem = Grid::tr("No empty channel at or below channel %1 makes room for a new one: "
                                "delete a channel first.")
                           .arg(rows.front());
        return false;
    }
    return m_view->history()->rearrange(*from, Grid::tr("Insert Channel"));
}

void ChannelEdits::insertChannel() {
    QString problem;
    if (!insertChannel(&problem) && !problem.isEmpty())
        messages::show(m_view, problem, true);
}

bool ChannelEdits::deleteChannels() {
    return readyToRearrange() && m_view->history()->rearrange(radio::moves::remove(selectedRows()),
                                                              Grid::tr("Delete Channels"));
}
