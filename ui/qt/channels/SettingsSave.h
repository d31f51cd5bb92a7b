#pragma once
// Writing the settings file while the program runs, with the user told the
// outcome: a failed write says so, and a write that went to the user's own
// copy instead of the file beside the program says where it went.

class QWidget;

namespace dialogs {

// Saves the application's settings now (nothing happens when nothing
// changed). False, after a message, when the changes could not be written.
bool saveSettings(QWidget* parent);

} // namespace dialogs
