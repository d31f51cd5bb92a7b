#pragma once
// Where the settings file is read from and written to. Installed, the file
// beside the program belongs to the system and the user cannot write it; the
// user's changes (the language, for one) then go to a per-user copy in the
// platform's configuration folder, which later starts prefer. Where the file
// beside the program is writable, it is read and written as always.

#include "app/Backups.h"

#include <string>

namespace radio {

struct SettingsPaths {
    std::string load; // the file start-up reads
    std::string save; // the file changes are written back to
};

// The decision alone. `perUser` empty means no per-user folder is known:
// a writable file beside the program is then used both ways, as always; a
// read-only one is only read and `save` stays empty (changes have nowhere
// to go, rather than overwriting an installation made read-only on purpose).
SettingsPaths chooseSettingsPaths(const std::string& besideProgram, bool besideWritable,
                                  const std::string& perUser, bool perUserExists);

// The platform's per-user configuration folder, the one Qt names the generic
// configuration location, so existing per-user copies stay found:
//   Linux and other Unix: $XDG_CONFIG_HOME when it is an absolute path (a
//     relative one is invalid by the XDG rules), else $HOME/.config;
//   Windows: %LOCALAPPDATA% with forward slashes;
//   macOS: $HOME/Library/Preferences.
// Empty when the variable it needs is unset or not absolute: a home is
// never guessed ("/" would put the user's settings in the system's root).
std::string userConfigLocation(backups::Platform platform, const backups::Environment& environment);
// The same for the running program's platform and environment.
std::string userConfigLocation();

// "<configDir>/<AppName>/Program.ini": the folder is named after the settings
// file's "AppName" like the per-user values, made safe as one folder name
// ("RadioProgrammer" when empty). Empty when `configDir` is empty.
std::string perUserSettingsPath(const std::string& configDir, const std::string& appName);

// True when this program may change the file, or create it when it is
// missing: its mode grants write to the effective user (owner, group or
// others, whichever class applies) and the system agrees. The mode bits
// decide even for root, who could write anyway: an installation made
// read-only on purpose stays untouched.
bool settingsWritable(const std::string& path);

// Looks at the file system: whether `besideProgram` is writable, the
// "AppName" it holds (read without changing or creating anything), and
// whether that per-user copy below `configDir` exists.
SettingsPaths locateSettings(const std::string& besideProgram, const std::string& configDir);

} // namespace radio
