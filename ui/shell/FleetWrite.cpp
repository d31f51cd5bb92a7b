#include "ui/shell/FleetWrite.h"

#include "app/ProgramDoc.h"
#include "app/core/AppState.h"
#include "app/core/IniFile.h"
#include "app/core/ProductInfo.h"
#include "link/Fleet.h"
#include "ui/channels/ProgramView.h"
#include "ui/channels/ViewEditing.h"
#include "ui/dialogs/ProgressDlg.h"
#include "ui/shell/CommandIds.h"
#include "ui/shell/Extras.h"
#include "ui/shell/FleetDlg.h"
#include "ui/shell/MainFrame.h"

#include <QAction>
#include <QCoreApplication>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPointer>
#include <QUrl>

namespace fleetui {

namespace {

QString tx(const char* text) {
    return QCoreApplication::translate("FleetDlg", text);
}

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

const char* const kLogValue = "CommunicationLog";

std::string userKey() {
    const radio::AppState& st = radio::appState();
    return st.settings ? radio::userValuesKey(*st.settings) : std::string();
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

QString userDataFolder() {
    // The backups' own naming (AppName, made safe as a folder name), one level up.
    return QFileInfo(extras::backupsFolder(radio::appState().settings)).path();
}

QString recordPath() {
    return QDir(userDataFolder()).filePath(QStringLiteral("programming-record.csv"));
}

QString logFolder() {
    return QDir(userDataFolder()).filePath(QStringLiteral("logs"));
}

bool communicationLogOn() {
    const radio::UserValues* values = radio::appState().userValues;
    return values && values->get(userKey(), kLogValue).value_or(0) == 1;
}

void setCommunicationLogOn(bool on) {
    if (radio::UserValues* values = radio::appState().userValues)
        values->set(userKey(), kLogValue, on ? 1 : 0);
}

std::shared_ptr<radio::link::TraceLog> communicationLog() {
    if (!communicationLogOn())
        return nullptr;
    const QString folder = logFolder();
    QDir().mkpath(folder);
    const QString name = QStringLiteral("communication-%1.log")
                             .arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    return std::make_shared<radio::link::TraceLog>(QDir(folder).filePath(name).toStdString());
}

bool appendRecord(const radio::link::RecordRow& row, QString* error) {
    QDir().mkpath(userDataFolder());
    radio::link::RecordWriter writer(recordPath().toStdString());
    std::string why;
    if (writer.append(row, why))
        return true;
    if (error)
        *error = qs(why);
    return false;
}

QString configurationName(const CProgramView* view) {
    const CProgramDoc* doc = view ? view->document() : nullptr;
    if (!doc)
        return {};
    const QString path = doc->pathName();
    return path.isEmpty() ? doc->title() : QFileInfo(path).fileName();
}

void recordSingleWrite(CProgramView* view, const radio::link::TransferResult& result,
                       bool verifying) {
    radio::link::RecordRow row;
    row.time = radio::link::localIsoTime();
    row.port = view->m_strPort.toStdString();
    row.identification = result.identification;
    row.configuration = configurationName(view).toStdString();
    row.checksum =
        radio::link::writtenChecksum(view->document()->m_image, radio::appState().factoryMode);
    row.verified = "-";
    switch (result.status) {
    case radio::link::TransferStatus::Success:
        row.result = "programmed";
        break;
    case radio::link::TransferStatus::Cancelled:
        row.result = "failed: cancelled";
        break;
    default:
        row.result = "failed: " + radio::link::shortMessage(result.messageId);
        break;
    }
    QPointer<CProgramView> guard(view);
    const auto append = [guard](const radio::link::RecordRow& r) {
        QString error;
        if (!appendRecord(r, &error) && guard)
            CViewEditing::showMessage(
                guard, tx("The programming record could not be written: %1").arg(error), true);
    };
    if (!verifying) {
        append(row);
        return;
    }
    // The row waits for the read-back, which fills in the verified column.
    CViewEditing* editing = CViewEditing::of(view);
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(editing, &CViewEditing::verifyFinished, editing,
                                   [row, append, connection](bool verified) mutable {
                                       QObject::disconnect(*connection);
                                       row.verified = verified ? "yes" : "no";
                                       if (!verified)
                                           row.result = "failed: verify";
                                       append(row);
                                   });
}

void reportTraceError(CProgramView* view, const QString& error) {
    if (!error.isEmpty())
        CViewEditing::showMessage(
            view, tx("The communication log could not be written: %1").arg(error), true);
}

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
