// The settings file radio-cli reads: the one beside the tool, or the user's
// own copy where the installed one cannot be written (as the window does).

#include "app/IniFile.h"
#include "app/SettingsLocation.h"
#include "cli/Commands.h"

#include <filesystem>
#include <memory>
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

bool loadSettings(CIniFile& settings, std::string& error) {
    namespace fs = std::filesystem;
    const fs::path ini = settingsFilePath();
    std::error_code ec;
    if (ini.empty() || !fs::is_regular_file(ini, ec)) {
        error = "no settings file Program.ini beside radio-cli";
        return false;
    }
    // Read only: the tool must never rewrite the installation's settings.
    if (!settings.Load(ini.string(), false, true, 0)) {
        error = "cannot read \"" + ini.string() + "\"";
        return false;
    }
    return true;
}

std::unique_ptr<CIniFile> installedSettings() {
    auto settings = std::make_unique<CIniFile>();
    std::string unused;
    return loadSettings(*settings, unused) ? std::move(settings) : nullptr;
}

} // namespace radio::cli
