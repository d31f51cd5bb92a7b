// The settings file radio-cli reads: the one beside the tool, or the user's
// own copy where the installed one cannot be written (as the window does).

#include "app/SettingsLocation.h"
#include "cli/Commands.h"

#include <filesystem>
#include <system_error>

namespace radio::cli {

std::string settingsFilePath() {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        return {};
    return locateSettings((exe.parent_path() / "Program.ini").string(), userConfigLocation()).load;
}

} // namespace radio::cli
