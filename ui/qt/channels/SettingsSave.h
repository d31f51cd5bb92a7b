#pragma once
// Writing the settings file while the program runs, with the user told the
// outcome: a failed write says so, and a write that went to the user's own
// copy instead of the file beside the program says where it went.

#include <string>

class QWidget;

namespace radio {
class CIniFile;
}

namespace dialogs {

// Saves `settings` now (nothing happens when there are none or nothing
// changed); `besideProgram` is the file beside the program, so a save that
// went elsewhere is told. False, after a message, when the changes could not
// be written.
bool saveSettings(QWidget* parent, radio::CIniFile* settings, const std::string& besideProgram);

} // namespace dialogs
