#include "program/qt/RecoveryKeeper.h"

#include "ui/qt/channels/EditHistory.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/shell/ChildFrame.h"

#include <QTimer>
#include <QUndoStack>

int CRecoveryKeeper::delayMs = 1000;

CRecoveryKeeper::CRecoveryKeeper(const std::string& folder, QObject* parent)
    : QObject(parent), m_folder(folder) {
    m_session.open(folder);
}

void CRecoveryKeeper::watch(CChildFrame* frame) {
    if (!m_session.isOpen() || !frame || !frame->document() || !frame->view())
        return;
    const int id = m_nextId++;
    Watched& w = m_watched[id];
    w.doc = frame->document();
    w.view = frame->view();
    w.timer = new QTimer(this);
    w.timer->setSingleShot(true);
    w.timer->setInterval(delayMs);
    connect(w.timer, &QTimer::timeout, this, [this, id] { keep(id); });

    CProgramDoc* doc = frame->document();
    // Every change: a grid step (undo and redo included), a dialog's OK, a
    // new title or file name; and the end of the unsaved state.
    connect(frame->view()->history()->undoStack(), &QUndoStack::indexChanged, this,
            [this, id] { changed(id); });
    connect(doc, &CProgramDoc::changed, this, [this, id] { changed(id); });
    connect(doc, &CProgramDoc::titleChanged, this, [this, id] { changed(id); });
    connect(doc, &CProgramDoc::modifiedChanged, this, [this, id](bool modified) {
        if (modified)
            changed(id);
        else
            forget(id);
    });
    connect(doc, &QObject::destroyed, this, [this, id] {
        forget(id);
        auto it = m_watched.find(id);
        if (it != m_watched.end()) {
            delete it->second.timer;
            m_watched.erase(it);
        }
    });
}

void CRecoveryKeeper::keepNow(const CProgramDoc* doc) {
    for (const auto& [id, w] : m_watched)
        if (w.doc == doc) {
            w.timer->stop();
            keep(id);
            return;
        }
}

void CRecoveryKeeper::changed(int id) {
    auto it = m_watched.find(id);
    if (it == m_watched.end() || !it->second.doc || !it->second.doc->IsModified())
        return;
    // Not restarted by later changes: the copy follows within the delay.
    if (!it->second.timer->isActive())
        it->second.timer->start();
}

void CRecoveryKeeper::keep(int id) {
    auto it = m_watched.find(id);
    if (it == m_watched.end())
        return;
    Watched& w = it->second;
    if (!w.doc || !w.view || !w.doc->IsModified())
        return;
    radio::recovery::Entry entry;
    entry.path = w.doc->pathName().toStdString();
    entry.title = w.doc->title().toStdString();
    entry.image = w.view->gridImage();
    // A copy that cannot be written is no reason to stop the user's work;
    // the next change tries again.
    m_session.keep(id, entry);
}

void CRecoveryKeeper::forget(int id) {
    auto it = m_watched.find(id);
    if (it == m_watched.end())
        return;
    it->second.timer->stop();
    m_session.forget(id);
}
