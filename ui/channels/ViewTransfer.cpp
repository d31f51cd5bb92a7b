// Program > Read, Program > Write, Setup > Com Setup and the transfer start.
// Hand-over point for the serial transfer: until it is built, the three
// commands are not registered and therefore stay disabled in the menus and on
// the toolbar.

#include "ui/channels/ProgramView.h"

void CProgramView::installTransferCommands() {
    // Registers ids::ID_PROGRAM_READ, ids::ID_PROGRAM_WRITE and ids::ID_SETUP_COM
    // with addCommand() once the transfer exists.
}
