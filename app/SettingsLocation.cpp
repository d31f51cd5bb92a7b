#include "app/SettingsLocation.h"

#include "app/IniFile.h"
#include "app/UserKeys.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include "model/SafeFile.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>
#endif

namespace fs = std::filesystem;

namespace radio {

namespace {

#ifndef _WIN32
bool inGroup(gid_t gid) {
    if (gid == getegid())
        return true;
    const int n = getgroups(0, nullptr);
    if (n <= 0)
        return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(n));
    const int got = getgroups(n, groups.data());
    for (int i = 0; i < got; ++i) {
        if (groups[static_cast<std::size_t>(i)] == gid)
            return true;
    }
    return false;
}

// The write bit of the class the effective user falls in, then the system's
// own answer (read-only mounts, access lists).
bool modeGrantsWrite(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return false;
    mode_t bit = S_IWOTH;
    if (st.st_uid == geteuid())
        bit = S_IWUSR;
    else if (inGroup(st.st_gid))
        bit = S_IWGRP;
    if ((st.st_mode & bit) == 0)
        return false;
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}
#else
// Windows guards folders with access lists, not mode bits: the honest answer
// is whether a file can be opened for writing (without changing it) or, for a
// folder, whether a new file can be created there.
bool modeGrantsWrite(const std::string& path) {
    std::error_code ec;
    const fs::path p = fs::u8path(path);
    const fs::file_status s = fs::status(p, ec);
    if (ec)
        return false;
    if (fs::is_directory(s)) {
        const std::string probe =
            (p / fs::u8path(".write-probe-" + std::to_string(GetCurrentProcessId()))).u8string();
        if (!files::createNew(probe, "", 0).ok)
            return false;
        fs::remove(fs::u8path(probe), ec);
        return true;
    }
    if ((s.permissions() & fs::perms::owner_write) == fs::perms::none)
        return false;
    const int fd = _wopen(p.c_str(), _O_WRONLY | _O_APPEND | _O_BINARY);
    if (fd < 0)
        return false;
    _close(fd);
    return true;
}
#endif

} // namespace

SettingsPaths chooseSettingsPaths(const std::string& besideProgram, bool besideWritable,
                                  const std::string& perUser, bool perUserExists) {
    if (besideWritable)
        return {besideProgram, besideProgram};
    if (perUser.empty())
        return {besideProgram, {}};
    // The system's file is the starting point until the user has changed something.
    return {perUserExists ? perUser : besideProgram, perUser};
}

std::string userConfigLocation(backups::Platform platform,
                               const backups::Environment& environment) {
    const auto absolute = [](const std::string& path) {
        return !path.empty() && path.front() == '/';
    };
    if (platform == backups::Platform::Windows) {
        std::string local = environment("LOCALAPPDATA");
        std::replace(local.begin(), local.end(), '\\', '/');
        return local;
    }
    const std::string home = environment("HOME");
    if (platform == backups::Platform::MacOS)
        return absolute(home) ? home + "/Library/Preferences" : std::string();
    const std::string xdg = environment("XDG_CONFIG_HOME");
    if (absolute(xdg))
        return xdg;
    return absolute(home) ? (fs::path(home) / ".config").generic_string() : std::string();
}

std::string userConfigLocation() {
    return userConfigLocation(backups::runningPlatform(), backups::processEnvironment);
}

std::string perUserSettingsPath(const std::string& configDir, const std::string& appName) {
    if (configDir.empty())
        return {};
    std::string folder;
    for (const char c : appName) {
        const auto u = static_cast<unsigned char>(c);
        // Separators and control characters could leave the configuration folder.
        folder += (c == '/' || c == '\\' || u < 0x20) ? '_' : c;
    }
    if (folder.empty() || folder == "." || folder == "..")
        folder = "RadioProgrammer";
    // UTF-8 in and out (a Chinese AppName is common); '/' as Qt writes paths.
    return (fs::u8path(configDir) / fs::u8path(folder) / "Program.ini").generic_u8string();
}

bool settingsWritable(const std::string& path) {
    std::error_code ec;
    if (fs::exists(fs::u8path(path), ec))
        return modeGrantsWrite(path);
    if (ec)
        return false;
    // A missing file is created beside the program when its folder allows it.
    fs::path folder = fs::u8path(path).parent_path();
    if (folder.empty())
        folder = ".";
    return modeGrantsWrite(folder.u8string());
}

SettingsPaths locateSettings(const std::string& besideProgram, const std::string& configDir) {
    const bool writable = settingsWritable(besideProgram);
    if (writable)
        return chooseSettingsPaths(besideProgram, true, {}, false);
    std::string appName;
    std::error_code ec;
    if (fs::is_regular_file(fs::u8path(besideProgram), ec)) {
        CIniFile system; // read only: nothing is written back
        if (system.Load(besideProgram, false, true, 0))
            appName = userkeys::prefix(&system);
    }
    const std::string perUser = perUserSettingsPath(configDir, appName);
    const bool exists = !perUser.empty() && fs::is_regular_file(fs::u8path(perUser), ec);
    return chooseSettingsPaths(besideProgram, false, perUser, exists);
}

} // namespace radio
