#pragma once
// Where read backups are kept, shared by the window and radio-cli: the
// platform's per-user data location, in a folder named after the settings
// file's "AppName", so both languages and both programs use one folder.

#include "app/core/Backups.h"
#include "model/Image.h"

#include <QString>

namespace radio {
class CIniFile;
}

namespace extras {

// <per-user data>/<AppName>/backups; "RadioProgrammer" without settings.
QString backupsFolder(const radio::CIniFile* settings);

// Keeps `image` (just read from a radio) there, named with the date, time,
// model and band the settings file gives its bytes.
radio::backups::Result backupRead(const radio::Image& image, const radio::CIniFile* settings);

} // namespace extras
