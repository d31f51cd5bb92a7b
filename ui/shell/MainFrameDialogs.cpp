// The radio-wide dialogs run by the main frame: Product Information (32786),
// Optional Features (32788), Power Adjust (32783), Param Adjust (32771), and
// the factory-mode entry reached with Ctrl+F11. Hand-over point for the
// dialogs: until they are built the commands are not registered, so the menu
// items, tree items and toolbar stay disabled, and Ctrl+F11 does nothing.

#include "ui/shell/MainFrame.h"

void CMainFrame::installDialogCommands() {
    // Registers ids::ID_EDIT_PRODUCT_INFO, ids::ID_EDIT_OPTIONAL_FEATURES,
    // ids::ID_EDIT_POWER_ADJUST and ids::ID_EDIT_PARAM_ADJUST with addCommand().
}

void CMainFrame::OnFactoryModeEntry() {
    // The access-code dialog opens here; on success it sets
    // radio::appState().factoryMode and calls appendFactoryCommands().
}
