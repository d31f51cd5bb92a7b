// Program > Scan Info (32782): the scan settings dialog of this view's document.

#include "ui/channels/ProgramView.h"

#include "ui/dialogs/ScanInfoDlg.h"
#include "ui/shell/CommandIds.h"

void CProgramView::installScanInfoCommands() {
    // The view keeps its dialog for its whole life; the values it shows are
    // reloaded from the image at each opening.
    auto* dlgScanInfo = new CScanInfoDlg([this] { return m_pDocument; }, this);
    addCommand(ids::ID_PROGRAM_SCAN_INFO, [this, dlgScanInfo] {
        // The priority-channel check must see the channels as edited so far.
        GridToImage();
        dlgScanInfo->DoModal();
    });
}
