// File > Print (57607, 57608), Print Preview (57609) and Print Setup (57606).
// Hand-over point for printing: until it is built, the commands are not
// registered and therefore stay disabled.

#include "ui/channels/ProgramView.h"

void CProgramView::installPrintCommands() {
    // Registers ids::ID_FILE_PRINT, ids::ID_FILE_PRINT_DIRECT,
    // ids::ID_FILE_PRINT_PREVIEW and ids::ID_FILE_PRINT_SETUP with addCommand().
}
