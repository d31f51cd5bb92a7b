#include "ui/qt/channels/ViewEditing.h"

#include "app/AppState.h"
#include "app/Backups.h"
#include "app/IniFile.h"
#include "app/ProductInfo.h"
#include "link/qt/TransferController.h"
#include "model/BulkEdit.h"
#include "model/Csv.h"
#include "model/DataTexts.h"
#include "model/Diff.h"
#include "model/InterchangeCsv.h"
#include "model/RowClipboard.h"
#include "model/SafeFile.h"
#include "model/StringTable.h"
#include "ui/qt/channels/ChannelGrid.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/channels/TransferRecord.h"
#include "ui/qt/dialogs/CoreTexts.h"
#include "ui/qt/dialogs/ProgressDlg.h"
#include "ui/qt/dialogs/SetCellsDlg.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>
#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <set>

namespace {

// Texts of the grid's bulk edits and the names of the steps they leave.
struct Grid {
    Q_DECLARE_TR_FUNCTIONS(Grid)
};

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

const char* const kVerifyValue = "VerifyAfterWrite";

std::string userKey() {
    const radio::AppState& st = radio::appState();
    return st.settings ? radio::userValuesKey(*st.settings) : std::string();
}

} // namespace

// One step of the history: the whole table before and after it.
class CTableCommand : public QUndoCommand {
public:
    CTableCommand(CViewEditing* owner, radio::ChannelTable before, radio::ChannelTable after,
                  const QString& text)
        : QUndoCommand(text), m_owner(owner), m_before(std::move(before)),
          m_after(std::move(after)) {}
    void undo() override { m_owner->show(m_before); }
    void redo() override { m_owner->show(m_after); }

private:
    CViewEditing* m_owner;
    radio::ChannelTable m_before, m_after;
};

// One rearrangement of the channels: the channel plan of the image before and
// after it, so an undo gives back every byte of every record.
class CPlanCommand : public QUndoCommand {
public:
    CPlanCommand(CViewEditing* owner, const radio::Image& before, const radio::Image& after,
                 const QString& text)
        : QUndoCommand(text), m_owner(owner), m_before(before), m_after(after) {}
    void undo() override { m_owner->showPlan(m_before, m_after); }
    void redo() override { m_owner->showPlan(m_after, m_before); }

private:
    CViewEditing* m_owner;
    radio::Image m_before, m_after;
};

std::function<bool(CSetCellsDlg*)> CViewEditing::askValue = [](CSetCellsDlg* dlg) {
    return dlg->exec() == QDialog::Accepted;
};

std::function<void(QWidget*, const QString&, bool)> CViewEditing::showMessage =
    [](QWidget* parent, const QString& text, bool warning) {
        QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::Information,
                        QCoreApplication::applicationName(), text, QMessageBox::Ok, parent);
        box.exec();
    };

CViewEditing::CViewEditing(CProgramView* view)
    : QObject(view), m_view(view), m_stack(new QUndoStack(this)), m_last(view->table()) {
    setObjectName(QStringLiteral("viewEditing"));
    // Every change of a cell, whoever made it, is looked at once the event
    // that made it is over, so one commit that fills a whole row is one step.
    connect(view->grid(), &QTableWidget::itemChanged, this, &CViewEditing::gridChanged);
    // Rows dragged by their channel numbers move like Move Up and Move Down.
    connect(view->grid(), &CChannelGrid::rowsDragged, this,
            [this](int from, int to) { moveRows(to - from); });
    // Several rows are selected like in a spreadsheet.
    view->grid()->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Undo and Redo follow the history, so Ctrl+Z works without a menu shown first.
    connect(m_stack, &QUndoStack::canUndoChanged, view, &CProgramView::commandStatesChanged);
    connect(m_stack, &QUndoStack::canRedoChanged, view, &CProgramView::commandStatesChanged);
    // The history tells the document whether the grid is back where it was saved.
    if (CProgramDoc* doc = view->document()) {
        connect(m_stack, &QUndoStack::cleanChanged, doc, &CProgramDoc::setHistoryClean);
        connect(doc, &CProgramDoc::saved, this, [this] {
            settle(); // a change still waiting to be recorded is part of what was saved
            m_stack->setClean();
        });
    }
}

CViewEditing::~CViewEditing() {
    // The history empties itself as it goes; nobody may react to that any more.
    m_stack->disconnect();
}

CViewEditing* CViewEditing::of(CProgramView* view) {
    if (!view)
        return nullptr;
    if (CViewEditing* e = existing(view))
        return e;
    return new CViewEditing(view);
}

CViewEditing* CViewEditing::existing(const CProgramView* view) {
    return view ? view->findChild<CViewEditing*>(QStringLiteral("viewEditing"),
                                                 Qt::FindDirectChildrenOnly)
                : nullptr;
}

void CViewEditing::gridChanged() {
    if (m_applying || m_pending)
        return;
    m_pending = true;
    QTimer::singleShot(0, this, &CViewEditing::settle);
}

void CViewEditing::settle() {
    m_pending = false;
    const radio::ChannelTable now = m_view->table();
    if (now == m_last)
        return;
    // The grid already shows `now`: pushing only records it.
    m_stack->push(new CTableCommand(this, m_last, now, Grid::tr("Edit Cell")));
}

void CViewEditing::show(const radio::ChannelTable& table) {
    m_last = table;
    // Recording a typed edit finds the grid already showing it: the editor
    // the commit opened on the next cell must stay open.
    if (m_view->table() == table)
        return;
    m_applying = true;
    m_view->hideEditors();
    CChannelGrid* grid = m_view->grid();
    for (int r = 1; r < radio::kGridRows; ++r)
        for (int c = 1; c < radio::kGridCols; ++c)
            if (grid->textMatrix(r, c).toStdString() != table[r][c])
                grid->setTextMatrix(r, c, qs(table[r][c]));
    m_applying = false;
}

void CViewEditing::resetHistory() {
    m_stack->clear();
    m_last = m_view->table();
}

void CViewEditing::applyTable(const radio::ChannelTable& after, const QString& what) {
    settle(); // a change still waiting to be recorded comes first
    if (after == m_last)
        return;
    m_stack->push(new CTableCommand(this, m_last, after, what));
}

std::vector<int> CViewEditing::selectedRows() const {
    std::set<int> rows;
    CChannelGrid* grid = m_view->grid();
    for (const QModelIndex& i : grid->selectionModel()->selectedIndexes())
        rows.insert(i.row() + 1);
    if (rows.empty() && grid->row() >= 1)
        rows.insert(grid->row());
    return {rows.begin(), rows.end()};
}

QString CViewEditing::copyText() const {
    return qs(radio::clipboard::copyRows(m_view->table(), selectedRows()));
}

void CViewEditing::copy() const {
    QApplication::clipboard()->setText(copyText());
}

bool CViewEditing::paste(const QString& text, QStringList* problems) {
    if (!m_view->commitBeforeCommand())
        return false; // the refused value has had its message

    // One copied row fills every selected row; more rows paste from the
    // first selected row down.
    const radio::clipboard::Paste p = radio::bulk::pasteOntoRows(
        text.toStdString(), m_view->table(), selectedRows(), m_view->bandLow(), m_view->bandHigh(),
        radio::data::languageOf(radio::appState().chinese));
    if (!p.ok) {
        if (problems) {
            if (p.rows.empty() && p.rejected.empty())
                problems->append(tr("The clipboard holds no channel rows."));
            problems->append(describe(p.rejected));
        }
        return false;
    }
    applyTable(p.table, tr("Paste"));
    return true;
}

QStringList CViewEditing::describe(const std::vector<radio::clipboard::Rejected>& refused) {
    QStringList lines;
    const auto headers = radio::columnHeaders(radio::coreTexts());
    for (const auto& r : refused) {
        QString why;
        if (r.column == 0)
            why = r.row >= radio::kGridRows
                      ? tr("below the last channel")
                      : tr("not a channel row of 10 or 11 tab-separated cells");
        else if (r.message != 0)
            why = QCoreApplication::translate("StringTable", radio::englishString(r.message));
        else
            why = tr("\"%1\" is not one of the column's entries").arg(qs(r.value));
        const QString where = r.column == 0
                                  ? tr("Row %1").arg(r.row)
                                  : tr("Row %1, %2").arg(r.row).arg(qs(headers[r.column]));
        lines.append(where + QStringLiteral(": ") + why);
    }
    return lines;
}

void CViewEditing::reportUnchanged(const QStringList& problems) const {
    if (!problems.isEmpty())
        showMessage(m_view,
                    Grid::tr("Nothing was changed:") + QStringLiteral("\n") +
                        problems.join(QStringLiteral("\n")),
                    true);
}

QString CViewEditing::undoText() const {
    return m_stack->undoText();
}

QString CViewEditing::redoText() const {
    return m_stack->redoText();
}

bool CViewEditing::fillDown(QStringList* problems) {
    if (CProgramView::documentLocked() || !m_view->commitBeforeCommand())
        return false;
    std::vector<radio::bulk::Cell> cells;
    for (const QPoint& p : m_view->grid()->selectedCells())
        cells.push_back({p.y(), p.x()});
    const radio::bulk::Outcome o =
        radio::bulk::fillDown(m_view->table(), cells, m_view->bandLow(), m_view->bandHigh(),
                              radio::data::languageOf(radio::appState().chinese));
    if (!o.ok) {
        if (problems)
            problems->append(describe(o.refused));
        return false;
    }
    settle();
    if (o.table == m_last)
        return false;
    applyTable(o.table, Grid::tr("Fill Down"));
    return true;
}

bool CViewEditing::setCells(int column, const QString& value, QStringList* problems) {
    if (CProgramView::documentLocked() || !m_view->commitBeforeCommand())
        return false;
    const radio::bulk::Outcome o = radio::bulk::setCells(
        m_view->table(), selectedRows(), column, value.toStdString(), m_view->bandLow(),
        m_view->bandHigh(), radio::data::languageOf(radio::appState().chinese));
    if (!o.ok) {
        if (problems)
            problems->append(describe(o.refused));
        return false;
    }
    settle();
    if (o.table == m_last)
        return false;
    applyTable(o.table, Grid::tr("Set Selected Cells"));
    return true;
}

void CViewEditing::fillDown() {
    QStringList problems;
    if (!fillDown(&problems))
        reportUnchanged(problems);
}

void CViewEditing::setSelectedCells() {
    if (CProgramView::documentLocked() || !m_view->commitBeforeCommand())
        return;
    const int column = m_view->grid()->col();
    if (column < radio::ColRx || column > radio::ColScrambler)
        return;
    const radio::Language language = radio::data::languageOf(radio::appState().chinese);
    QStringList entries;
    if (column >= radio::ColDecode)
        for (const std::string& e : radio::columnEntries(column, language))
            entries << qs(e);
    const std::vector<int> rows = selectedRows();
    CSetCellsDlg dlg(qs(radio::columnHeaders(radio::coreTexts())[std::size_t(column)]), entries,
                     m_view->grid()->text(), int(rows.size()), m_view);
    if (!askValue(&dlg))
        return;
    QStringList problems;
    if (!setCells(column, dlg.value(), &problems))
        reportUnchanged(problems);
}

void CViewEditing::pasteFromClipboard() {
    QStringList problems;
    if (!paste(QApplication::clipboard()->text(), &problems) && !problems.isEmpty())
        showMessage(m_view,
                    tr("Nothing was pasted:") + QStringLiteral("\n") +
                        problems.join(QStringLiteral("\n")),
                    true);
}

void CViewEditing::clearRows() {
    m_view->hideEditors();
    radio::ChannelTable t = m_view->table();
    for (int r : selectedRows())
        for (int c = radio::ColRx; c <= radio::ColScrambler; ++c)
            t[r][c].clear();
    applyTable(t, tr("Clear"));
}

bool CViewEditing::readyToRearrange() {
    if (CProgramView::documentLocked() || !m_view->commitBeforeCommand())
        return false;
    settle();
    return true;
}

bool CViewEditing::rearrange(const radio::moves::Order& from, const QString& what) {
    const radio::Image before = gridImage();
    const radio::Image after = radio::moves::apply(before, from);
    if (after == before)
        return false;
    m_view->hideEditors();
    m_stack->push(new CPlanCommand(this, before, after, what));
    return true;
}

void CViewEditing::showPlan(const radio::Image& image, const radio::Image& current) {
    radio::Image& doc = m_view->document()->m_image;
    radio::moves::restorePlan(image, current, doc);
    const radio::ChannelTable shown =
        radio::imageToTable(doc, radio::data::languageOf(radio::appState().chinese));
    // The header row and the channel numbers stay as the grid shows them.
    radio::ChannelTable t = m_view->table();
    for (int r = 1; r < radio::kGridRows; ++r)
        for (int c = 1; c < radio::kGridCols; ++c)
            t[r][c] = shown[r][c];
    show(t);
}

bool CViewEditing::moveRows(int delta) {
    if (!readyToRearrange())
        return false;
    const std::vector<int> rows = selectedRows();
    const radio::moves::Order from = radio::moves::moveBy(rows, delta);
    const QString what = delta == -1  ? Grid::tr("Move Up")
                         : delta == 1 ? Grid::tr("Move Down")
                                      : Grid::tr("Move Channels");
    if (!rearrange(from, what))
        return false;
    // The moved channels stay selected, so the next press moves them again.
    QVector<int> moved;
    for (int slot = 1; slot < radio::kGridRows; ++slot)
        if (std::count(rows.begin(), rows.end(), from[std::size_t(slot - 1)]))
            moved << slot;
    m_view->grid()->selectMovedRows(moved);
    return true;
}

bool CViewEditing::sortByRx() {
    return readyToRearrange() && rearrange(radio::moves::sortByRx(gridImage(), selectedRows()),
                                           Grid::tr("Sort by Rx Frequency"));
}

bool CViewEditing::insertChannel(QString* problem) {
    if (!readyToRearrange())
        return false;
    const std::vector<int> rows = selectedRows();
    if (rows.empty())
        return false;
    const auto from = radio::moves::insertEmpty(gridImage(), rows.front());
    if (!from) {
        if (problem)
            *problem = Grid::tr("No empty channel at or below channel %1 makes room for a new one: "
                                "delete a channel first.")
                           .arg(rows.front());
        return false;
    }
    return rearrange(*from, Grid::tr("Insert Channel"));
}

void CViewEditing::insertChannel() {
    QString problem;
    if (!insertChannel(&problem) && !problem.isEmpty())
        showMessage(m_view, problem, true);
}

bool CViewEditing::deleteChannels() {
    return readyToRearrange() &&
           rearrange(radio::moves::remove(selectedRows()), Grid::tr("Delete Channels"));
}

radio::Image CViewEditing::gridImage() const {
    radio::Image img = m_view->document()->m_image;
    radio::tableToImage(m_view->table(), img);
    return img;
}

CViewEditing::ImportOutcome
CViewEditing::importCsv(const QByteArray& csv,
                        const std::function<bool(const ImportOutcome&)>& confirm,
                        CsvLayout layout) {
    ImportOutcome out;
    if (!m_view->commitBeforeCommand())
        return out; // nothing applied; the refused value has had its message
    radio::Image img = gridImage();
    const radio::ChannelTable current = radio::imageToTable(img, radio::Language::English);
    const std::string text = csv.toStdString();
    // Both layouts come down to the same: the channels of the accepted rows
    // and the rows refused; only the writing into the image differs.
    std::optional<radio::CsvImport> columns;
    std::optional<radio::interchange::Import> interchange;
    std::array<bool, radio::kGridRows> accepted{};
    if (layout == CsvLayout::Columns) {
        columns = radio::importCsv(text, current, m_view->bandLow(), m_view->bandHigh(),
                                   radio::coreTexts());
        out.error = qs(columns->error);
        for (const std::string& r : columns->rejected)
            out.rejected.append(qs(r));
        for (std::size_t n = 1; n < accepted.size(); ++n) {
            accepted[n] = columns->listed[n] && !columns->refused[n];
            out.refusedRows += columns->refused[n] ? 1 : 0;
        }
    } else {
        interchange = radio::interchange::importCsv(text, current, m_view->bandLow(),
                                                    m_view->bandHigh(), radio::coreTexts());
        out.error = qs(interchange->error);
        for (const auto& r : interchange->rejected)
            out.rejected.append(tr("line %1: %2").arg(r.line).arg(qs(r.reason)));
        out.refusedRows = int(interchange->rejected.size());
        accepted = interchange->listed;
    }
    if (!out.error.isEmpty())
        return out;
    out.accepted = int(std::count(accepted.begin(), accepted.end(), true));
    if (!out.rejected.isEmpty() && (out.accepted == 0 || !confirm || !confirm(out)))
        return out;
    if (columns) {
        radio::applyImport(*columns, img);
    } else {
        radio::interchange::apply(*interchange, img);
        out.notice = qs(interchange->notice);
    }
    applyChannels(img, accepted, tr("Import"));
    out.applied = true;
    return out;
}

void CViewEditing::applyImport(const radio::interchange::Import& imp, const QString& what) {
    radio::Image img = gridImage();
    radio::interchange::apply(imp, img);
    applyChannels(img, imp.listed, what);
}

void CViewEditing::applyChannels(const radio::Image& img,
                                 const std::array<bool, radio::kGridRows>& accepted,
                                 const QString& what) {
    const radio::ChannelTable imported =
        radio::imageToTable(img, radio::data::languageOf(radio::appState().chinese));
    radio::ChannelTable after = m_view->table();
    for (std::size_t n = 1; n < accepted.size(); ++n)
        if (accepted[n])
            after[n] = imported[n];
    applyTable(after, what);
}

QByteArray CViewEditing::exportCsv(CsvLayout layout, QString* notice) const {
    m_view->CommitCellEditor();
    if (layout == CsvLayout::Columns)
        return QByteArray::fromStdString(
            radio::tableToCsv(radio::imageToTable(gridImage(), radio::Language::English)));
    if (notice)
        *notice = qs(radio::interchange::exportNotice(radio::coreTexts()));
    return QByteArray::fromStdString(radio::interchange::exportCsv(gridImage()));
}

bool CViewEditing::readInputFile(const QString& path, quint64 maxBytes, bool exact, QByteArray& out,
                                 QString* error) {
    std::string bytes;
    const radio::files::Result r =
        radio::files::readInput(path.toStdString(), bytes, maxBytes, exact);
    if (r.ok) {
        out = QByteArray::fromStdString(bytes);
        return true;
    }
    if (r.code == EFBIG)
        *error = tr("\"%1\" is too large: a channel list holds at most %2 KB.")
                     .arg(path)
                     .arg(maxBytes / 1024);
    else if (r.code == 0)
        *error = tr("\"%1\" is not a regular file: folders, devices and pipes cannot be read.")
                     .arg(path);
    else
        *error = tr("Cannot open \"%1\".").arg(path);
    return false;
}

bool CViewEditing::writeOutputFile(const QString& path, const QByteArray& data, QString* error) {
    const radio::files::Result r = radio::files::writeAtomically(
        path.toStdString(), data.constData(), static_cast<std::size_t>(data.size()));
    if (r.ok)
        return true;
    if (r.code == 0)
        *error = tr("\"%1\" is not a regular file: folders, devices and pipes cannot be written.")
                     .arg(path);
    else if (r.code == EACCES)
        *error = tr("\"%1\" is write-protected; it was left unchanged.").arg(path);
    else
        *error = tr("Cannot write \"%1\".").arg(path) + QLatin1Char('\n') +
                 QString::fromStdString(r.error);
    return false;
}

QString CViewEditing::compareWith(const QString& path, QString* error) const {
    QByteArray bytes;
    if (!readInputFile(path, radio::kImageSize, true, bytes, error))
        return {};
    if (bytes.size() < int(radio::kImageSize)) {
        *error = tr("\"%1\" is not a configuration: it is shorter than 1024 bytes.").arg(path);
        return {};
    }
    radio::Image other{};
    std::copy(bytes.begin(), bytes.end(), other.begin());
    const radio::Image mine = gridImage();
    const radio::AppState& st = radio::appState();
    radio::diff::Options o;
    o.language = radio::data::languageOf(st.chinese);
    o.translate = radio::coreTexts();
    o.nameA = m_view->document()->title().toStdString();
    o.nameB = QFileInfo(path).fileName().toStdString();
    if (st.settings) {
        const radio::ProductTexts a = radio::productTexts(*st.settings, mine);
        const radio::ProductTexts b = radio::productTexts(*st.settings, other);
        o.a = {a.model, a.band};
        o.b = {b.model, b.band};
    }
    return qs(radio::diff::formatReport(radio::diff::compare(mine, other, o), radio::coreTexts()));
}

// ---- transfer hooks

void CViewEditing::addVerifyOption(CProgressDlg* dlg) {
    // Off unless this user asked for it before: a plain write stays the plain write.
    radio::AppState& st = radio::appState();
    const std::string key = userKey();
    dlg->offerVerify(st.userValues && st.userValues->get(key, kVerifyValue).value_or(0) == 1);
    QObject::connect(dlg, &CProgressDlg::verifyToggled, dlg, [key](bool on) {
        if (radio::UserValues* values = radio::appState().userValues)
            values->set(key, kVerifyValue, on ? 1 : 0);
    });
}

void CViewEditing::readFinished() {
    resetHistory();
    const radio::backups::Result r =
        radio::backups::backupRead(m_view->document()->m_image, radio::appState().settings);
    m_lastBackup = r.ok ? qs(r.path) : QString();
    if (!r.ok) {
        showMessage(m_view, tr("No backup of the read could be kept: %1").arg(qs(r.error)), true);
        return;
    }
    emit m_view->statusMessage(tr("Backup kept: %1").arg(m_lastBackup), 10000);
}

bool CViewEditing::writeFinished(radio::link::TransferController* transfer) {
    CProgressDlg* dlg = m_view->m_pProgressDlg;
    if (!dlg || !dlg->verifyAfterWrite())
        return false;
    dlg->setWindowTitle(tr("Verify"));
    transfer->setTraceLog(fleetui::communicationLog());
    m_verifying = transfer->startVerify(m_view->m_strPort.toStdString(),
                                        radio::appState().factoryMode, m_view->document()->m_image);
    return m_verifying;
}

void CViewEditing::verifyDone(const radio::link::VerifyOutcome& outcome) {
    m_verifying = false;
    m_lastVerify = qs(radio::link::verifyText(outcome, radio::coreTexts()));
    showMessage(m_view, m_lastVerify, !outcome.verified());
    emit verifyFinished(outcome.verified());
}
