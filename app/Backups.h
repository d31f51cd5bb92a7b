#pragma once
// Automatic backups of images read from a radio: one file per read in a
// per-user folder the caller names, so the radio's original survives even
// when the user later saves over their own file. Backups are only ever
// added: an existing one is never overwritten or deleted.

#include "model/Image.h"
#include "model/Result.h"

#include <ctime>
#include <functional>
#include <string>

namespace radio {
class CIniFile;
}

namespace radio::backups {

// The platform's per-user data folder, the same one Qt names the generic
// data location, so the window and radio-cli agree without radio-cli
// needing Qt for it:
//   Linux and other Unix: $XDG_DATA_HOME when it is an absolute path, else
//     $HOME/.local/share ("/" for an empty HOME);
//   Windows: %LOCALAPPDATA% with forward slashes;
//   macOS: $HOME/Library/Application Support.
// `environment` answers a variable's value, "" when it is unset.
enum class Platform { Unix, Windows, MacOS };
using Environment = std::function<std::string(const char* name)>;
std::string userDataLocation(Platform platform, const Environment& environment);
// The same for the running program's platform and environment.
std::string userDataLocation();
// The running program's environment variable `name` (UTF-8), "" when unset.
std::string processEnvironment(const char* name);
Platform runningPlatform();

// <dataLocation>/<appName>, the program's own per-user folder, where a "/"
// or "\" of the name becomes '_' so it cannot climb out, and an empty, "."
// or ".." name gives "RadioProgrammer".
std::string appDataFolder(const std::string& dataLocation, std::string appName);
// appDataFolder(...)/backups.
std::string backupsFolder(const std::string& dataLocation, std::string appName);
// The folder for the settings file's "AppName" (none without settings).
std::string backupsFolder(const CIniFile* settings);

// A text made safe as part of a file name on every platform: characters that
// some file system forbids or treats specially (/ \ : * ? " < > |, control
// characters), blanks and dots are replaced by '_'; other UTF-8 text, such as
// Chinese model names, is kept; at most 40 bytes, cut on a character
// boundary; empty gives "unknown".
std::string safeNamePart(const std::string& text);

// "2026-03-14_153012_<model>_<band>.dat"; counter 2, 3, ... adds "-2", "-3"
// before the extension.
std::string backupFileName(const std::tm& localTime, const std::string& model,
                           const std::string& band, int counter = 1);

// Writes `image` into `folder` (created when missing) under a new name for
// `localTime` and gives the backup's path; an existing file of that name gets
// the next counter. A failed write removes only its own partial file.
Result<std::string> writeBackup(const std::string& folder, const Image& image,
                                const std::string& model, const std::string& band,
                                const std::tm& localTime);
// The same at the current local time.
Result<std::string> writeBackup(const std::string& folder, const Image& image,
                                const std::string& model, const std::string& band);

// Keeps `image`, just read from a radio, in backupsFolder(settings), named
// with the model and band the settings file gives its bytes.
Result<std::string> backupRead(const Image& image, const CIniFile* settings);

} // namespace radio::backups
