// Program > Scan Info (32782): the scan settings dialog of this view's document.

#include "ui/qt/channels/ProgramView.h"

#include "ui/qt/channels/ProgramDoc.h"

#include "ui/CommandIds.h"
#include "ui/qt/dialogs/ScanInfoDlg.h"

#include <QPointer>

void CProgramView::installScanInfoCommands() {
    // The view keeps its dialog for its whole life, built at the first
    // opening; the values it shows are reloaded from the image at each one.
    addCommand(ids::ID_PROGRAM_SCAN_INFO, [this, dlgScanInfo = QPointer<CScanInfoDlg>()]() mutable {
        if (!m_pDocument)
            return;
        if (!dlgScanInfo)
            dlgScanInfo = new CScanInfoDlg(this);
        // The priority-channel check must see the channels as edited so far.
        GridToImage();
        dlgScanInfo->load(m_pDocument->m_image, language());
        if (dlgScanInfo->DoModal() != QDialog::Accepted || !m_pDocument)
            return;
        if (m_pDocument->m_image != dlgScanInfo->image()) {
            m_pDocument->m_image = dlgScanInfo->image();
            m_pDocument->SetModifiedFlag();
        }
    });
}
