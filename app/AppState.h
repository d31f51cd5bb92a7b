#pragma once
// Application-wide state: one value each for the whole process.

#include <cstdint>
#include <optional>
#include <string>

namespace radio {

class CIniFile;

// Per-user values ("com", "Type", "Field") kept under Software\<AppName>.
// The window uses QSettings; tests and the command-line tool may use a map.
class UserValues {
public:
    virtual ~UserValues() = default;
    virtual std::optional<std::uint32_t> get(const std::string& appName,
                                             const std::string& name) const = 0;
    virtual void set(const std::string& appName, const std::string& name, std::uint32_t value) = 0;
    // Text values, for choices beyond the four numbered ports.
    virtual std::optional<std::string> getText(const std::string& appName,
                                               const std::string& name) const = 0;
    virtual void setText(const std::string& appName, const std::string& name,
                         const std::string& value) = 0;
};

struct AppState {
    std::string languageName; // "Language" of section Setup, as read at start-up
    bool chinese = false;     // languageName == "Chinese", exactly
    std::string helpFile;     // "chHelp.chm" or "enHelp.chm"
    std::string programDir;   // executable's directory, with trailing separator
    CIniFile* settings = nullptr;
    std::string settingsBesideProgram; // "Program.ini" beside the program; changes may go elsewhere
    UserValues* userValues = nullptr;
    bool freshDocument = false; // the last new/open/read was a new document
    bool factoryMode = false;   // set once the access code was accepted
};

AppState& appState();

// Sets language name, flag and help file name from a language name.
void setLanguage(AppState& state, const std::string& languageName);

} // namespace radio
