#pragma once
// Keeps every configuration with unsaved changes in this program's recovery
// folder, at most a second after each change; a save or a discard (anything
// that leaves nothing unsaved) removes its copy, and so does closing the
// configuration. What a killed program left there is offered at the next
// start (CProgramApp).

#include "app/Recovery.h"

#include <QObject>
#include <QPointer>

#include <map>

class CChildFrame;
class CProgramDoc;
class CProgramView;
class QTimer;

class CRecoveryKeeper : public QObject {
    Q_OBJECT
public:
    // Opens a session folder under `folder`; without one nothing is kept.
    CRecoveryKeeper(const std::string& folder, QObject* parent);

    const std::string& folder() const { return m_folder; }
    const radio::recovery::Session& session() const { return m_session; }

    // Starts keeping the document of `frame`.
    void watch(CChildFrame* frame);
    // Keeps `doc` now, not after the delay (a restored configuration, whose
    // old copy goes at once).
    void keepNow(const CProgramDoc* doc);

    // How long after a change its copy is written.
    static int delayMs;

private:
    struct Watched {
        QPointer<CProgramDoc> doc;
        QPointer<CProgramView> view;
        QTimer* timer = nullptr;
    };
    void changed(int id);
    void keep(int id);
    void forget(int id);

    std::string m_folder;
    radio::recovery::Session m_session;
    std::map<int, Watched> m_watched;
    int m_nextId = 1;
};
