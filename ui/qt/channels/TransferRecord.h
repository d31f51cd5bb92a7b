#pragma once
// What the window keeps of its transfers: the per-user programming record
// (one row per radio the window writes, single writes included) and the
// optional communication log of every transfer. The files live beside the
// backups, in the per-user data folder named after the settings file's
// "AppName".

#include "link/ProgrammingRecord.h"
#include "link/Tracing.h"
#include "link/Transfer.h"

#include <QString>

#include <memory>

class CProgramView;

namespace radio {
struct AppState;
}

// Each place is named after the settings file of `state`, and the log follows
// the per-user choice of its user values.
namespace fleetui {

// <per-user data>/<AppName>, the backups folder's parent.
QString userDataFolder(const radio::AppState& state);
// <per-user data>/<AppName>/backups, where every read is kept.
QString backupsFolder(const radio::AppState& state);
// <per-user data>/<AppName>/programming-record.csv
QString recordPath(const radio::AppState& state);
// <per-user data>/<AppName>/logs
QString logFolder(const radio::AppState& state);

// Setup > Keep a communication log, per user, off unless turned on.
bool communicationLogOn(const radio::AppState& state);
void setCommunicationLogOn(const radio::AppState& state, bool on);
// Today's communication log (logs/communication-YYYY-MM-DD.log, appended),
// or null when the option is off: then nothing is wrapped at all.
std::shared_ptr<radio::link::TraceLog> communicationLog(const radio::AppState& state);

// Appends one row to the programming record; false with the reason.
bool appendRecord(const radio::AppState& state, const radio::link::RecordRow& row, QString* error);
// The record's name for a document: its file's name, else its title.
QString configurationName(const CProgramView* view);
// What a write sends, for the windows that write it: "Configuration:
// radio.dat, TR-1, 400-470 MHz", "not saved" for a document without a file.
QString configurationSummary(const CProgramView* view);

// Called when a single Write of `view` ended: records the radio (after the
// read-back check when `verifying`, which then gives the verified column).
// A record that cannot be written is a warning; the write's outcome stays.
void recordSingleWrite(CProgramView* view, const radio::link::TransferResult& result,
                       bool verifying);
// A communication log that could not be written is a warning of its own.
void reportTraceError(CProgramView* view, const QString& error);

} // namespace fleetui
