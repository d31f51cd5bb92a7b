#include "ui/qt/shell/FleetWrite.h"

#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/channels/ViewEditing.h"
#include "ui/qt/dialogs/ProgressDlg.h"
#include "ui/qt/shell/CommandIds.h"
#include "ui/qt/shell/FleetDlg.h"
#include "ui/qt/shell/MainFrame.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QUrl>

namespace fleetui {

namespace {

QString tx(const char* text) {
    return QCoreApplication::translate("FleetDlg", text);
}

// The status-bar prompt, then the tool tip, as the frame's own commands have them.
QAction* makeAction(CMainFrame* frame, int id, const char* name, const QString& text,
                    const QString& prompt, const QString& tip) {
    auto* a = new QAction(text, frame);
    a->setObjectName(QString::fromLatin1(name));
    a->setData(id);
    a->setStatusTip(prompt);
    a->setToolTip(tip);
    frame->addAction(a);
    return a;
}

void openRecord(CMainFrame* frame) {
    const QString path = recordPath();
    if (!QFileInfo(path).isFile()) {
        CViewEditing::showMessage(
            frame, tx("No radio has been programmed yet: there is no programming record."), false);
        return;
    }
    if (!openUrl(QUrl::fromLocalFile(path)))
        CViewEditing::showMessage(frame, tx("The programming record is %1").arg(path), false);
}

void openLogs(CMainFrame* frame) {
    const QString folder = logFolder();
    QDir().mkpath(folder);
    if (!openUrl(QUrl::fromLocalFile(folder)))
        CViewEditing::showMessage(frame, tx("The communication logs are in %1").arg(folder), false);
}

} // namespace

std::function<bool(const QUrl&)> openUrl = [](const QUrl& url) {
    return QDesktopServices::openUrl(url);
};

void installCommands(CMainFrame* frame) {
    QAction* several = makeAction(
        frame, ids::ID_PROGRAM_WRITE_SEVERAL, "actionWriteSeveral", tx("Write to Several Radios…"),
        tx("Write the active configuration to the radios on several ports at once"),
        tx("Write to several radios"));
    QAction* record = makeAction(frame, ids::ID_SETUP_OPEN_RECORD, "actionOpenRecord",
                                 tx("Open Programming Record"),
                                 tx("Open the record of every radio this program has written"),
                                 tx("Open programming record"));
    QAction* log = makeAction(frame, ids::ID_SETUP_COMMUNICATION_LOG, "actionCommunicationLog",
                              tx("Keep a communication log"),
                              tx("Log every byte of each transfer with the radio, for support"),
                              tx("Keep a communication log"));
    QAction* logs = makeAction(
        frame, ids::ID_SETUP_OPEN_LOGS, "actionOpenLogs", tx("Open Communication Log Folder"),
        tx("Open the folder of the communication logs"), tx("Open communication log folder"));
    log->setCheckable(true);
    log->setChecked(communicationLogOn());

    QObject::connect(several, &QAction::triggered, frame, [frame] {
        CProgramView* view = frame->activeView();
        if (view && !CProgramView::transferRunning() &&
            !(view->m_pProgressDlg && view->m_pProgressDlg->isVisible()))
            CFleetDlg::openFor(frame);
    });
    QObject::connect(record, &QAction::triggered, frame, [frame] { openRecord(frame); });
    QObject::connect(log, &QAction::toggled, frame, [](bool on) { setCommunicationLogOn(on); });
    QObject::connect(logs, &QAction::triggered, frame, [frame] { openLogs(frame); });

    if (QMenu* program = frame->menu(2)) {
        // Right after Write.
        const auto list = program->actions();
        const qsizetype at = list.indexOf(frame->action(ids::ID_PROGRAM_WRITE));
        program->insertAction(at >= 0 && at + 1 < list.size() ? list[at + 1] : nullptr, several);
        // Not while the radios are busy with a single transfer, or pending one.
        QObject::connect(program, &QMenu::aboutToShow, frame, [frame, several] {
            CProgramView* view = frame->activeView();
            several->setEnabled(view && !CProgramView::transferRunning() &&
                                !(view->m_pProgressDlg && view->m_pProgressDlg->isVisible()));
        });
    }
    if (QMenu* setup = frame->menu(4)) {
        setup->addSeparator();
        setup->addAction(record);
        setup->addAction(log);
        setup->addAction(logs);
    }
}

} // namespace fleetui
