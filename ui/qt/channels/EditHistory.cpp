#include "ui/qt/channels/EditHistory.h"

#include "app/AppState.h"
#include "model/DataTexts.h"
#include "ui/qt/channels/ChannelGrid.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"

#include <QCoreApplication>
#include <QTimer>
#include <QUndoCommand>
#include <QUndoStack>

namespace {

// The catalogue context of the grid's own texts (the step names among them).
struct Grid {
    Q_DECLARE_TR_FUNCTIONS(Grid)
};

} // namespace

// One step of the history: the whole table before and after it.
class TableStep : public QUndoCommand {
public:
    TableStep(EditHistory* owner, radio::ChannelTable before, radio::ChannelTable after,
              const QString& text)
        : QUndoCommand(text), m_owner(owner), m_before(std::move(before)),
          m_after(std::move(after)) {}
    void undo() override { m_owner->show(m_before); }
    void redo() override { m_owner->show(m_after); }

private:
    EditHistory* m_owner;
    radio::ChannelTable m_before, m_after;
};

// One rearrangement of the channels: the channel plan of the image before and
// after it, so an undo gives back every byte of every record.
class PlanStep : public QUndoCommand {
public:
    PlanStep(EditHistory* owner, const radio::Image& before, const radio::Image& after,
             const QString& text)
        : QUndoCommand(text), m_owner(owner), m_before(before), m_after(after) {}
    void undo() override { m_owner->showPlan(m_before, m_after); }
    void redo() override { m_owner->showPlan(m_after, m_before); }

private:
    EditHistory* m_owner;
    radio::Image m_before, m_after;
};

EditHistory::EditHistory(CProgramView* view)
    : QObject(view), m_view(view), m_stack(new QUndoStack(this)), m_last(view->table()) {
    // Every change of a cell, whoever made it, is looked at once the event
    // that made it is over, so one commit that fills a whole row is one step.
    connect(view->grid(), &QTableWidget::itemChanged, this, &EditHistory::gridChanged);
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

EditHistory::~EditHistory() {
    // The history empties itself as it goes; nobody may react to that any more.
    m_stack->disconnect();
}

QString EditHistory::undoText() const {
    return m_stack->undoText();
}

QString EditHistory::redoText() const {
    return m_stack->redoText();
}

void EditHistory::gridChanged() {
    if (m_applying || m_pending)
        return;
    m_pending = true;
    QTimer::singleShot(0, this, &EditHistory::settle);
}

void EditHistory::settle() {
    m_pending = false;
    const radio::ChannelTable now = m_view->table();
    if (now == m_last)
        return;
    // The grid already shows `now`: pushing only records it.
    m_stack->push(new TableStep(this, m_last, now, Grid::tr("Edit Cell")));
}

void EditHistory::show(const radio::ChannelTable& table) {
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
                grid->setTextMatrix(r, c, QString::fromStdString(table[r][c]));
    m_applying = false;
}

void EditHistory::reset() {
    m_stack->clear();
    m_last = m_view->table();
}

bool EditHistory::applyTable(const radio::ChannelTable& after, const QString& what) {
    settle(); // a change still waiting to be recorded comes first
    if (after == m_last)
        return false;
    m_stack->push(new TableStep(this, m_last, after, what));
    return true;
}

bool EditHistory::rearrange(const radio::moves::Order& from, const QString& what) {
    const radio::Image before = m_view->gridImage();
    const radio::Image after = radio::moves::apply(before, from);
    if (after == before)
        return false;
    m_view->hideEditors();
    m_stack->push(new PlanStep(this, before, after, what));
    return true;
}

void EditHistory::showPlan(const radio::Image& image, const radio::Image& current) {
    radio::Image& doc = m_view->document()->m_image;
    radio::moves::restorePlan(image, current, doc);
    const radio::ChannelTable shown = radio::imageToTable(doc, m_view->language());
    // The header row and the channel numbers stay as the grid shows them.
    radio::ChannelTable t = m_view->table();
    for (int r = 1; r < radio::kGridRows; ++r)
        for (int c = 1; c < radio::kGridCols; ++c)
            t[r][c] = shown[r][c];
    show(t);
}
