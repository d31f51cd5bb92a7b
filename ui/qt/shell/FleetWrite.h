#pragma once
// Programming radios from the window beyond the single Read and Write: the
// commands of Write to Several Radios, the programming record and the
// communication log (what is kept lives in ui/qt/channels/TransferRecord.h).

#include "ui/qt/channels/TransferRecord.h"

#include <functional>

class CMainFrame;
class QUrl;

namespace fleetui {

// Opens files and folders for the user; tests replace it.
extern std::function<bool(const QUrl&)> openUrl;

// The handlers of Program > Write to Several Radios...; Setup > Open
// Programming Record, Keep a communication log, Open Communication Log Folder.
void installCommands(CMainFrame* frame);

} // namespace fleetui
