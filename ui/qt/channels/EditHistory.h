#pragma once
// The history of one channel window: every change of the grid, whoever made
// it, as a step Undo and Redo walk; rearrangements of the channels as steps
// that give back whole records. The view owns it from its first showing on.

#include "model/ChannelMoves.h"
#include "model/ChannelTable.h"
#include "model/Image.h"

#include <QObject>
#include <QString>

class CProgramView;
class QUndoStack;

class EditHistory : public QObject {
    Q_OBJECT
public:
    explicit EditHistory(CProgramView* view);
    ~EditHistory() override;

    QUndoStack* undoStack() const { return m_stack; }
    // What Undo and Redo would do, named for the Edit menu ("Fill Down",
    // "Paste", "Edit Cell"...); empty when there is nothing to undo or redo.
    QString undoText() const;
    QString redoText() const;
    // Forgets the history: after a read the grid shows the radio, which is
    // nothing to undo.
    void reset();

    // Records a change of the grid still waiting for the end of the event
    // that made it.
    void settle();
    // Puts `after` into the grid as one undoable step named `what`; false
    // when the grid shows it already.
    bool applyTable(const radio::ChannelTable& after, const QString& what);
    // The channels of the grid rearranged by `from` as one undoable step
    // named `what`; false when nothing moved.
    bool rearrange(const radio::moves::Order& from, const QString& what);

private:
    void gridChanged();
    void show(const radio::ChannelTable& table);
    // The channel plan of `image` into the document (which holds that of
    // `current`), and the grid showing it.
    void showPlan(const radio::Image& image, const radio::Image& current);

    friend class TableStep;
    friend class PlanStep;
    CProgramView* m_view;
    QUndoStack* m_stack;
    radio::ChannelTable m_last; // what the grid showed after the last recorded step
    bool m_pending = false;
    bool m_applying = false;
};
