// Program > Read, Program > Write, Setup > Com Setup and the transfer start.
// The transfer itself runs on a worker thread (TransferController); this view
// prepares the image, shows the progress window and takes the result.

#include "ui/qt/channels/ProgramView.h"

#include "app/AppState.h"
#include "link/qt/TransferController.h"
#include "model/StringTable.h"
#include "ui/CommandIds.h"
#include "ui/qt/channels/AfterTransfer.h"
#include "ui/qt/channels/EditHistory.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/TransferRecord.h"
#include "ui/qt/channels/WriteCheck.h"
#include "ui/qt/dialogs/ComSetupDlg.h"
#include "ui/qt/dialogs/ProgressDlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QUndoStack>

namespace {

int g_runningTransfers = 0;

// The bytes a write was checked (and maybe allowed) with, kept on its window.
const char* const kCheckedImage = "checkedImage";
QByteArray imageBytes(const radio::Image& image) {
    return QByteArray(reinterpret_cast<const char*>(image.data()), int(image.size()));
}

QString stringTableText(int id) {
    return QCoreApplication::translate("StringTable", radio::englishString(id));
}

// How a transfer that did not succeed ended, for the window and the status
// bar. A write that broke off may have changed part of the radio: said so.
QString failureText(const radio::link::TransferResult& result, bool write, bool factory,
                    const QString& port) {
    using radio::link::TransferStatus;
    const int blocks =
        int(radio::link::blockPlan(radio::link::transferRanges(write ? radio::link::Direction::Write
                                                                     : radio::link::Direction::Read,
                                                               factory))
                .size());
    const QString done = QString::number(result.blocksDone);
    const QString all = QString::number(blocks);
    switch (result.status) {
    case TransferStatus::Success:
        break;
    case TransferStatus::OpenFailed:
        return (write ? CProgressDlg::tr("Write failed: %1 could not be opened")
                      : CProgressDlg::tr("Read failed: %1 could not be opened"))
            .arg(port);
    case TransferStatus::CommError:
    case TransferStatus::Interrupted:
        if (result.blocksDone == 0)
            return write ? CProgressDlg::tr(
                               "Write failed: the radio did not answer; nothing was written")
                         : CProgressDlg::tr("Read failed: the radio did not answer");
        return (write ? CProgressDlg::tr(
                            "Write failed: the link broke off after %1 of %2 blocks; the radio "
                            "may hold part of the new data")
                      : CProgressDlg::tr(
                            "Read failed: the link broke off after %1 of %2 blocks; the document "
                            "is unchanged"))
            .arg(done, all);
    case TransferStatus::Cancelled:
        if (!write)
            return CProgressDlg::tr("Read cancelled; the document is unchanged");
        if (result.blocksDone == 0)
            return CProgressDlg::tr("Write cancelled; nothing was written");
        return CProgressDlg::tr(
                   "Write cancelled after %1 of %2 blocks; the radio may hold part of the new data")
            .arg(done, all);
    }
    return {};
}

// Lives exactly as long as a running transfer, and meanwhile refuses to
// close the windows it still uses.
class CloseGuard : public QObject {
public:
    explicit CloseGuard(QObject* parent) : QObject(parent) {
        setObjectName(QStringLiteral("closeGuard"));
        ++g_runningTransfers;
    }
    ~CloseGuard() override { --g_runningTransfers; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close && CProgramView::transferRunning()) {
            event->ignore();
            QApplication::beep();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

// Keeps the windows the controller uses open while it runs; goes with
// dropHold() or with the controller.
void holdWhileRunning(CProgramView* view, QObject* controller) {
    auto* guard = new CloseGuard(controller);
    if (QWidget* frame = view->parentWidget())
        frame->installEventFilter(guard);
    if (QWidget* main = view->mainFrame())
        main->installEventFilter(guard);
}

void dropHold(QObject* controller) {
    delete controller->findChild<QObject*>(QStringLiteral("closeGuard"),
                                           Qt::FindDirectChildrenOnly);
}

int g_fleetHolds = 0;

class FleetGuard : public CloseGuard {
public:
    explicit FleetGuard(QObject* parent) : CloseGuard(parent) {
        setObjectName(QStringLiteral("fleetGuard"));
        ++g_fleetHolds;
    }
    ~FleetGuard() override { --g_fleetHolds; }
};

} // namespace

QObject* CProgramView::holdForFleet(QObject* parent) {
    return new FleetGuard(parent);
}

bool CProgramView::fleetRunning() {
    return g_fleetHolds > 0;
}

void CProgramView::installTransferCommands() {
    if (m_pDocument)
        connect(m_pDocument, &CProgramDoc::changed, this, [this] {
            m_nReadAgreedAt = -1;
            m_nBackedUpReadAt = -1;
        });
    addCommand(ids::ID_PROGRAM_READ, [this] { OnRead(); });
    addCommand(ids::ID_PROGRAM_WRITE, [this] { OnWrite(); });
    addCommand(ids::ID_SETUP_COM, [this] { OnComSetup(); });

    m_pTransfer = new radio::link::TransferController(this);
    m_pTransfer->setQuestionHandler([this](int id) {
        QWidget* parent = m_pProgressDlg ? static_cast<QWidget*>(m_pProgressDlg) : this;
        QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(),
                        stringTableText(id), QMessageBox::Retry | QMessageBox::Cancel, parent);
        return box.exec() == QMessageBox::Retry;
    });
    m_pTransfer->setMessageHandler([this](int id, const QString& detail) {
        // A failed check names its failure in its result; one message is enough.
        if (m_afterTransfer->verifying())
            return;
        QWidget* parent = m_pProgressDlg ? static_cast<QWidget*>(m_pProgressDlg) : this;
        QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(),
                        stringTableText(id), QMessageBox::Ok, parent);
        if (!detail.isEmpty())
            box.setInformativeText(detail);
        box.exec();
    });
    connect(m_pTransfer, &radio::link::TransferController::rangeChanged, this, [this](int max) {
        if (m_pProgressDlg)
            m_pProgressDlg->setRange(max);
    });
    connect(m_pTransfer, &radio::link::TransferController::progressChanged, this,
            [this](int position, const QString& text) {
                if (!m_pProgressDlg)
                    return;
                while (m_pProgressDlg->position() < position)
                    m_pProgressDlg->stepIt();
                m_pProgressDlg->setCounterText(text);
            });
    connect(m_pTransfer, &radio::link::TransferController::phaseChanged, this,
            [this](radio::link::TransferPhase phase) {
                if (m_pProgressDlg)
                    m_pProgressDlg->setPhase(phase);
            });
    connect(m_pTransfer, &radio::link::TransferController::finished, this,
            &CProgramView::OnTransferFinished);
    connect(m_pTransfer, &radio::link::TransferController::verified, this,
            &CProgramView::OnVerifyFinished);
}

bool CProgramView::isTransferring() const {
    return m_pTransfer && m_pTransfer->isRunning();
}

bool CProgramView::transferRunning() {
    return g_runningTransfers > 0;
}

void CProgramView::OnRead() {
    if ((m_pProgressDlg && m_pProgressDlg->isVisible()) || fleetRunning())
        return;
    // A refused value in the open editor stops the read before it starts.
    m_nReadAgreedAt = -1;
    if (!commitBeforeCommand() || !mayReplaceByRead())
        return;
    openProgressDlg(0);
}

bool CProgramView::mayReplaceByRead() {
    // Asked again only when the grid changed since the user agreed (while
    // the progress window waited for OK, say).
    const int step = history()->undoStack()->index();
    if (!m_pDocument->IsModified() || step == m_nReadAgreedAt || step == m_nBackedUpReadAt)
        return true;
    if (queryReplaceDocument && !queryReplaceDocument())
        return false;
    m_nReadAgreedAt = history()->undoStack()->index();
    return true;
}

void CProgramView::OnWrite() {
    // The direction of a pending or running transfer never changes.
    if ((m_pProgressDlg && m_pProgressDlg->isVisible()) || fleetRunning())
        return;
    if (!commitBeforeCommand())
        return;
    // What would go out, checked as typing is checked; the answer holds for
    // these bytes only (OnStartTransfer asks again if they change meanwhile).
    const radio::Image image = gridImage();
    if (!writecheck::confirmWrite(this, m_state, image))
        return;
    openProgressDlg(1);
    if (m_pProgressDlg)
        m_pProgressDlg->setProperty(kCheckedImage, imageBytes(image));
}

void CProgramView::openProgressDlg(int write) {
    if (m_pProgressDlg && m_pProgressDlg->isVisible())
        return;
    m_bWrite = write;
    const bool zh = m_state.chinese;
    QWidget* owner = mainFrame() ? mainFrame() : window();
    auto* dlg = new CProgressDlg(this, owner);
    dlg->setAttribute(Qt::WA_DeleteOnClose, false);
    if (write)
        dlg->m_strTitle = zh ? QStringLiteral("写数据") : QStringLiteral("Write Data");
    else
        dlg->m_strTitle = zh ? QStringLiteral("读数据") : QStringLiteral("Read Data");
    dlg->OnInitDialog();
    dlg->setRange(63);
    dlg->announce(write ? radio::link::Direction::Write : radio::link::Direction::Read,
                  m_state.factoryMode, m_strPort);
    if (write) {
        dlg->showConfiguration(fleetui::configurationSummary(this));
        AfterTransfer::addVerifyOption(dlg, userSettings());
    }
    connect(dlg, &CProgressDlg::startTransfer, this, &CProgramView::OnStartTransfer,
            Qt::QueuedConnection);
    connect(dlg, &CProgressDlg::cancelRequested, m_pTransfer,
            &radio::link::TransferController::cancel);
    // The window goes with its view.
    connect(this, &QObject::destroyed, dlg, &QObject::deleteLater);
    // While it is open, Write to Several Radios waits. Told once it is gone
    // for good: during its destruction it is no progress window any more.
    connect(dlg, &QObject::destroyed, this, &CProgramView::commandStatesChanged,
            Qt::QueuedConnection);
    m_pProgressDlg = dlg;
    dlg->show();
    emit commandStatesChanged();
    const QRect frame = owner->frameGeometry();
    dlg->move(frame.center() - dlg->rect().center());
}

void CProgramView::OnStartTransfer() {
    if (!m_pProgressDlg || m_pTransfer->isRunning() || m_pProgressDlg->m_bCancel)
        return;
    // An editor opened while the window waited for OK: a refused value stops
    // the transfer before anything is sent or read. The radios may be busy
    // with a fleet write begun meanwhile.
    if (fleetRunning() || !commitBeforeCommand() || (!m_bWrite && !mayReplaceByRead())) {
        m_pProgressDlg->hide();
        m_pProgressDlg->deleteLater();
        m_pProgressDlg = nullptr;
        return;
    }
    if (m_bWrite) {
        GridToImage();
        // A dialog may have changed the configuration while the window waited.
        if (m_pProgressDlg->property(kCheckedImage).toByteArray() !=
                imageBytes(m_pDocument->m_image) &&
            !writecheck::confirmWrite(m_pProgressDlg, m_state, m_pDocument->m_image)) {
            closeProgressDlg();
            return;
        }
    }
    radio::link::TransferRequest request;
    request.portName = m_strPort.toStdString();
    request.direction = m_bWrite ? radio::link::Direction::Write : radio::link::Direction::Read;
    request.factory = m_state.factoryMode;
    m_pTransfer->setTraceLog(fleetui::communicationLog(m_state));
    if (!m_pTransfer->start(request, m_pDocument->m_image))
        return;
    holdWhileRunning(this, m_pTransfer);
    emit commandStatesChanged(); // the document is read-only meanwhile
    // Whatever editor is still open would write what it opened with over
    // what the radio sends.
    hideEditors();
}

void CProgramView::OnTransferFinished(const radio::link::TransferResult& result,
                                      const radio::Image& image) {
    dropHold(m_pTransfer);
    const bool ok = result.status == radio::link::TransferStatus::Success;
    QString text, shown;
    if (ok && !m_bWrite) {
        // Only the transferred range: bytes the radio never sends stay as they are.
        radio::link::copyTransferredRange(image, m_pDocument->m_image);
        m_state.freshDocument = false;
        ImageToGrid();
        // A backup and a fresh history: what the grid shows now is nothing to undo.
        history()->reset();
        m_afterTransfer->keepBackup();
        // What came from the radio is not in any file yet, nor the file that
        // was open: untitled, so Save asks for a name.
        m_pDocument->SetModifiedFlag();
        m_pDocument->setPathName(QString(), false);
        m_pDocument->setTitle(
            CProgressDlg::tr("From the radio, %1")
                .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))));
        m_nReadAgreedAt = -1;
        const QString bytes = QString::number(
            radio::link::transferBytes(radio::link::Direction::Read, m_state.factoryMode));
        const QString backup = m_afterTransfer->lastBackupPath();
        // Until it changes, what was read is safe in its backup: another
        // read may replace it without asking.
        m_nBackedUpReadAt = backup.isEmpty() ? -1 : history()->undoStack()->index();
        if (backup.isEmpty()) {
            text = shown = CProgressDlg::tr("Read %1 bytes from the radio; no backup could be kept")
                               .arg(bytes);
        } else {
            const QString format =
                CProgressDlg::tr("Read %1 bytes from the radio; a backup was saved as %2");
            text = format.arg(bytes, backup);
            shown = format.arg(bytes, m_pProgressDlg ? m_pProgressDlg->fitPath(backup) : backup);
        }
    } else if (ok) {
        text = shown = CProgressDlg::tr("Wrote %1 bytes to the radio")
                           .arg(radio::link::transferBytes(radio::link::Direction::Write,
                                                           m_state.factoryMode));
    } else {
        text = failureText(result, m_bWrite, m_state.factoryMode, m_strPort);
        shown = failureText(result, m_bWrite, m_state.factoryMode,
                            m_pProgressDlg ? m_pProgressDlg->fitPath(m_strPort) : m_strPort);
    }
    fleetui::reportTraceError(this, m_pTransfer->traceError());
    // A requested check reads the radio back; it closes the window when done.
    const bool verifying = ok && m_bWrite && m_afterTransfer->writeFinished(m_pTransfer);
    if (verifying)
        holdWhileRunning(this, m_pTransfer);
    emit commandStatesChanged();
    // Every write goes into the programming record, after its check when one runs.
    if (m_bWrite)
        fleetui::recordSingleWrite(this, result, verifying);
    if (verifying)
        return;
    showTransferResult(ok, text, shown);
    closeProgressDlg();
}

void CProgramView::OnVerifyFinished(const radio::link::VerifyOutcome& outcome) {
    dropHold(m_pTransfer);
    emit commandStatesChanged();
    fleetui::reportTraceError(this, m_pTransfer->traceError());
    const bool ok = outcome.verified();
    QString text;
    if (ok)
        text = CProgressDlg::tr("Written and verified");
    else if (outcome.read.status != radio::link::TransferStatus::Success)
        text = CProgressDlg::tr("Written, but not verified: reading the radio back failed");
    else
        text = CProgressDlg::tr("Written, but the check found %1 byte(s) that differ")
                   .arg(outcome.differing.size());
    showTransferResult(ok, text, text);
    // Its message (and the record's row) while the window still shows the result.
    m_afterTransfer->verifyDone(outcome);
    closeProgressDlg();
}

void CProgramView::showTransferResult(bool ok, const QString& text, const QString& shown) {
    if (m_pProgressDlg)
        m_pProgressDlg->showResult(ok, shown);
    emit transferFinished(ok, text);
}

void CProgramView::closeProgressDlg() {
    if (m_pProgressDlg) {
        m_pProgressDlg->hide();
        m_pProgressDlg->deleteLater();
        m_pProgressDlg = nullptr;
    }
}

void CProgramView::OnComSetup() {
    CComSetupDlg dlg(m_strPort, mainFrame() ? mainFrame() : this);
    dlg.load(userSettings());
    dlg.OnInitDialog();
    if (dlg.exec() == QDialog::Accepted)
        m_strPort = dlg.port();
}
