// Program > Read, Program > Write, Setup > Com Setup and the transfer start.
// The transfer itself runs on a worker thread (TransferController); this view
// prepares the image, shows the progress window and takes the result.

#include "ui/qt/channels/ProgramView.h"

#include "app/AppState.h"
#include "link/qt/TransferController.h"
#include "model/StringTable.h"
#include "ui/CommandIds.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/TransferRecord.h"
#include "ui/qt/channels/ViewEditing.h"
#include "ui/qt/dialogs/ComSetupDlg.h"
#include "ui/qt/dialogs/ProgressDlg.h"
#include "ui/CommandIds.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMessageBox>

namespace {

int g_runningTransfers = 0;

QString stringTableText(int id) {
    return QCoreApplication::translate("StringTable", radio::englishString(id));
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

int g_severalRadios = 0;

class SeveralRadiosGuard : public CloseGuard {
public:
    explicit SeveralRadiosGuard(QObject* parent) : CloseGuard(parent) {
        setObjectName(QStringLiteral("severalRadiosGuard"));
        ++g_severalRadios;
    }
    ~SeveralRadiosGuard() override { --g_severalRadios; }
};

} // namespace

QObject* CProgramView::holdForSeveralRadios(QObject* parent) {
    return new SeveralRadiosGuard(parent);
}

bool CProgramView::severalRadiosRunning() {
    return g_severalRadios > 0;
}

void CProgramView::installTransferCommands() {
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
    connect(m_pTransfer, &radio::link::TransferController::finished, this,
            &CProgramView::OnTransferFinished);
}

bool CProgramView::isTransferring() const {
    return m_pTransfer && m_pTransfer->isRunning();
}

bool CProgramView::transferRunning() {
    return g_runningTransfers > 0;
}

void CProgramView::OnRead() {
    if ((m_pProgressDlg && m_pProgressDlg->isVisible()) || severalRadiosRunning())
        return;
    // A refused value in the open editor stops the read before it starts.
    if (!commitBeforeCommand())
        return;
    openProgressDlg(0);
}

void CProgramView::OnWrite() {
    // The direction of a pending or running transfer never changes.
    if ((m_pProgressDlg && m_pProgressDlg->isVisible()) || severalRadiosRunning())
        return;
    if (!commitBeforeCommand())
        return;
    openProgressDlg(1);
}

void CProgramView::openProgressDlg(int write) {
    if (m_pProgressDlg && m_pProgressDlg->isVisible())
        return;
    m_bWrite = write;
    const bool zh = radio::appState().chinese;
    QWidget* owner = mainFrame() ? mainFrame() : window();
    auto* dlg = new CProgressDlg(this, owner);
    dlg->setAttribute(Qt::WA_DeleteOnClose, false);
    if (write)
        dlg->m_strTitle = zh ? QStringLiteral("写数据") : QStringLiteral("Write Data");
    else
        dlg->m_strTitle = zh ? QStringLiteral("读数据") : QStringLiteral("Read Data");
    dlg->OnInitDialog();
    dlg->setRange(63);
    if (write)
        CViewEditing::addVerifyOption(dlg);
    connect(dlg, &CProgressDlg::startTransfer, this, &CProgramView::OnStartTransfer,
            Qt::QueuedConnection);
    connect(dlg, &CProgressDlg::cancelRequested, m_pTransfer,
            &radio::link::TransferController::cancel);
    // The window goes with its view.
    connect(this, &QObject::destroyed, dlg, &QObject::deleteLater);
    // While it is open, Write to Several Radios waits.
    connect(dlg, &QObject::destroyed, this, &CProgramView::commandStatesChanged);
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
    // with a write to several of them begun meanwhile.
    if (severalRadiosRunning() || !commitBeforeCommand()) {
        m_pProgressDlg->hide();
        m_pProgressDlg->deleteLater();
        m_pProgressDlg = nullptr;
        return;
    }
    if (m_bWrite)
        GridToImage();
    radio::link::TransferRequest request;
    request.portName = m_strPort.toStdString();
    request.direction = m_bWrite ? radio::link::Direction::Write : radio::link::Direction::Read;
    request.factory = radio::appState().factoryMode;
    m_pTransfer->setTraceLog(fleetui::communicationLog());
    if (!m_pTransfer->start(request, m_pDocument->m_image))
        return;
    auto* guard = new CloseGuard(m_pTransfer);
    if (QWidget* frame = parentWidget())
        frame->installEventFilter(guard);
    if (QWidget* main = mainFrame())
        main->installEventFilter(guard);
    emit commandStatesChanged(); // the document is read-only meanwhile
    // Whatever editor is still open would write what it opened with over
    // what the radio sends.
    hideEditors();
}

void CProgramView::OnTransferFinished(const radio::link::TransferResult& result,
                                      const radio::Image& image) {
    delete m_pTransfer->findChild<QObject*>(QStringLiteral("closeGuard"),
                                            Qt::FindDirectChildrenOnly);
    if (result.status == radio::link::TransferStatus::Success && !m_bWrite) {
        // Only the transferred range: bytes the radio never sends stay as they are.
        radio::link::copyTransferredRange(image, m_pDocument->m_image);
        radio::appState().freshDocument = false;
        ImageToGrid();
        CViewEditing::of(this)->readFinished();
        // What came from the radio is not in any file yet.
        m_pDocument->SetModifiedFlag();
    }
    emit commandStatesChanged();
    fleetui::reportTraceError(this, m_pTransfer->traceError());
    // A requested check reads the radio back; it closes the window when done.
    const bool verifying = result.status == radio::link::TransferStatus::Success && m_bWrite &&
                           CViewEditing::of(this)->writeFinished();
    // Every write goes into the programming record, after its check when one runs.
    if (m_bWrite)
        fleetui::recordSingleWrite(this, result, verifying);
    if (verifying)
        return;
    if (m_pProgressDlg) {
        m_pProgressDlg->hide();
        m_pProgressDlg->deleteLater();
        m_pProgressDlg = nullptr;
    }
}

void CProgramView::OnComSetup() {
    CComSetupDlg dlg(m_strPort, mainFrame() ? mainFrame() : this);
    dlg.OnInitDialog();
    if (dlg.exec() == QDialog::Accepted)
        m_strPort = dlg.port();
}
