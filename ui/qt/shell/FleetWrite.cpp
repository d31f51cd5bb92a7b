#include "ui/qt/shell/FleetWrite.h"

#include "ui/CommandIds.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/common/Messages.h"
#include "ui/qt/dialogs/ProgressDlg.h"
#include "ui/qt/shell/FleetDlg.h"
#include "ui/qt/shell/MainFrame.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace fleetui {

namespace {

// The catalogue context of this file's texts.
struct FleetWrite {
    Q_DECLARE_TR_FUNCTIONS(FleetWrite)
};

void openRecord(CMainFrame* frame) {
    const QString path = recordPath(frame->state());
    if (!QFileInfo(path).isFile()) {
        messages::show(
            frame,
            FleetWrite::tr("No radio has been programmed yet: there is no programming record."),
            false);
        return;
    }
    if (!openUrl(QUrl::fromLocalFile(path)))
        messages::show(frame, FleetWrite::tr("The programming record is %1").arg(path), false);
}

void openLogs(CMainFrame* frame) {
    const QString folder = logFolder(frame->state());
    QDir().mkpath(folder);
    if (!openUrl(QUrl::fromLocalFile(folder)))
        messages::show(frame, FleetWrite::tr("The communication logs are in %1").arg(folder),
                       false);
}

} // namespace

std::function<bool(const QUrl&)> openUrl = [](const QUrl& url) {
    return QDesktopServices::openUrl(url);
};

void installCommands(CMainFrame* frame) {
    frame->addCommand(ids::ID_PROGRAM_WRITE_FLEET, [frame] {
        // Not while the radios are busy with a single transfer, or pending one.
        CProgramView* view = frame->activeView();
        if (view && !CProgramView::transferRunning() &&
            !(view->m_pProgressDlg && view->m_pProgressDlg->isVisible()))
            CFleetDlg::openFor(frame);
    });
    frame->addCommand(ids::ID_SETUP_OPEN_RECORD, [frame] { openRecord(frame); });
    frame->addCommand(ids::ID_SETUP_OPEN_LOGS, [frame] { openLogs(frame); });
    // The check mark shows the per-user choice; the command turns it over.
    QAction* log = frame->action(ids::ID_SETUP_COMMUNICATION_LOG);
    const radio::AppState* state = &frame->state();
    log->setChecked(communicationLogOn(*state));
    frame->addCommand(ids::ID_SETUP_COMMUNICATION_LOG, [log, state] {
        setCommunicationLogOn(*state, !communicationLogOn(*state));
        log->setChecked(communicationLogOn(*state));
    });
}

} // namespace fleetui
