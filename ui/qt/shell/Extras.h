#pragma once
// Where read backups are kept, shared by the window and radio-cli: the
// platform's per-user data location, in a folder named after the settings
// file's "AppName", so both languages and both programs use one folder.

#include "app/Backups.h"
#include "model/Image.h"

#include <QString>

class CMainFrame;

namespace radio {
class CIniFile;
}

namespace extras {

// <per-user data>/<AppName>/backups; "RadioProgrammer" without settings.
QString backupsFolder(const radio::CIniFile* settings);

// Keeps `image` (just read from a radio) there, named with the date, time,
// model and band the settings file gives its bytes.
radio::backups::Result backupRead(const radio::Image& image, const radio::CIniFile* settings);

// Adds the commands of these features to the frame's menus: File > Compare
// With..., Import / Export Channel List...; Edit > Undo, Redo, Copy, Paste
// and Clear channel rows; Setup > Open Backups Folder. They work on the
// active channel window.
void installCommands(CMainFrame* frame);

} // namespace extras
