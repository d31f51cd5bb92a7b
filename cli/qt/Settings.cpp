// The settings file radio-cli reads: the one beside the tool, or the user's
// own copy where the installed one cannot be written (as the window does).

#include "app/SettingsLocation.h"
#include "cli/Commands.h"

#include <filesystem>
#include <system_error>

namespace radio::cli {

std::string programDirectory() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

std::string settingsFilePath() {
    const std::string dir = programDirectory();
    if (dir.empty())
        return {};
    return locateSettings((std::filesystem::path(dir) / "Program.ini").string(),
                          userConfigLocation())
        .load;
}

} // namespace radio::cli
