// Program > Scan Info (32782). Hand-over point for the scan settings dialog:
// until it is built, the command is not registered and stays disabled.

#include "ui/channels/ProgramView.h"

void CProgramView::installScanInfoCommands() {
    // Registers ids::ID_PROGRAM_SCAN_INFO with addCommand(); its handler runs
    // GridToImage() before the dialog opens.
}
