#include "ui/qt/channels/AfterTransfer.h"

#include "app/Backups.h"
#include "app/IniFile.h"
#include "app/ProductInfo.h"
#include "app/UserKeys.h"
#include "link/qt/TransferController.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/channels/TransferRecord.h"
#include "ui/qt/common/CoreTexts.h"
#include "ui/qt/common/Messages.h"
#include "ui/qt/dialogs/ProgressDlg.h"

#include <QCoreApplication>

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

AfterTransfer::AfterTransfer(CProgramView* view) : QObject(view), m_view(view) {}

void AfterTransfer::addVerifyOption(CProgressDlg* dlg, const radio::UserSettings& user) {
    // Off unless this user asked for it before: a plain write stays the plain write.
    dlg->offerVerify(user.get(radio::userkeys::VerifyAfterWrite));
    QObject::connect(dlg, &CProgressDlg::verifyToggled, dlg,
                     [user](bool on) { user.set(radio::userkeys::VerifyAfterWrite, on); });
}

void AfterTransfer::keepBackup() {
    const radio::Result<std::string> r =
        radio::backups::backupRead(m_view->document()->m_image, m_view->state().settings);
    m_lastBackup = r ? qs(r.value()) : QString();
    if (!r) {
        messages::show(m_view,
                       AfterTransfer::tr("No backup of the read could be kept: %1")
                           .arg(qs(radio::failureText(r.failure(), m_view->coreTexts()))),
                       true);
        return;
    }
    emit m_view->statusMessage(AfterTransfer::tr("Backup kept: %1").arg(m_lastBackup), 10000);
}

bool AfterTransfer::writeFinished(radio::link::TransferController* transfer) {
    CProgressDlg* dlg = m_view->m_pProgressDlg;
    if (!dlg || !dlg->verifyAfterWrite())
        return false;
    dlg->setWindowTitle(AfterTransfer::tr("Verify"));
    transfer->setTraceLog(fleetui::communicationLog(m_view->state()));
    m_verifying = transfer->startVerify(m_view->m_strPort.toStdString(),
                                        m_view->state().factoryMode, m_view->document()->m_image);
    return m_verifying;
}

void AfterTransfer::verifyDone(const radio::link::VerifyOutcome& outcome) {
    m_verifying = false;
    m_lastVerify = qs(radio::link::verifyText(outcome, m_view->coreTexts()));
    messages::show(m_view, m_lastVerify, !outcome.verified());
    emit verifyFinished(outcome.verified());
}
