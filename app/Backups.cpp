#include "app/Backups.h"

#include "app/ProductInfo.h"
#include "app/UserKeys.h"
#include "model/SafeFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

namespace radio::backups {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxPart = 40;
constexpr int kMaxCounter = 9999;

bool forbidden(unsigned char c) {
    return c < 0x20 || c == 0x7F || std::strchr("/\\:*?\"<>| .", c) != nullptr;
}

std::tm now() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    return local;
}

// Qt's cleanPath for the paths met here: no empty or "." segments, ".."
// removes the segment before it, no trailing '/' except for the root.
std::string cleanPath(const std::string& path) {
    const bool absolute = !path.empty() && path.front() == '/';
    std::vector<std::string> parts;
    std::size_t pos = 0;
    while (pos <= path.size()) {
        std::size_t next = path.find('/', pos);
        if (next == std::string::npos)
            next = path.size();
        const std::string part = path.substr(pos, next - pos);
        pos = next + 1;
        if (part.empty() || part == ".")
            continue;
        if (part == ".." && !parts.empty() && parts.back() != "..") {
            parts.pop_back();
            continue;
        }
        if (part == ".." && absolute)
            continue;
        parts.push_back(part);
    }
    std::string out = absolute ? "/" : "";
    for (std::size_t i = 0; i < parts.size(); ++i)
        out += (i ? "/" : "") + parts[i];
    return out.empty() ? "." : out;
}

std::string homePath(const Environment& env) {
    const std::string home = env("HOME");
    return cleanPath(home.empty() ? "/" : home);
}

} // namespace

std::string userDataLocation(Platform platform, const Environment& env) {
    switch (platform) {
    case Platform::Windows: {
        std::string local = env("LOCALAPPDATA");
        for (char& c : local)
            if (c == '\\')
                c = '/';
        return local;
    }
    case Platform::MacOS:
        return homePath(env) + "/Library/Application Support";
    case Platform::Unix:
        break;
    }
    // A relative XDG_DATA_HOME is invalid by its own rules: it would put the
    // folder wherever the program happens to be started.
    const std::string xdg = env("XDG_DATA_HOME");
    if (!xdg.empty() && xdg.front() == '/')
        return xdg;
    return homePath(env) + "/.local/share";
}

std::string processEnvironment(const char* name) {
#ifdef _WIN32
    // The wide environment, so a user name outside the ANSI code page survives.
    const std::wstring wide(name, name + std::strlen(name));
    const wchar_t* value = _wgetenv(wide.c_str());
    return value ? fs::path(value).u8string() : std::string();
#else
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
#endif
}

Platform runningPlatform() {
#if defined(_WIN32)
    return Platform::Windows;
#elif defined(__APPLE__)
    return Platform::MacOS;
#else
    return Platform::Unix;
#endif
}

std::string userDataLocation() {
    return userDataLocation(runningPlatform(), processEnvironment);
}

std::string appDataFolder(const std::string& dataLocation, std::string appName) {
    for (char& c : appName)
        if (c == '/' || c == '\\')
            c = '_';
    if (appName.empty() || appName == "." || appName == "..")
        appName = "RadioProgrammer";
    std::string base = dataLocation;
    while (base.size() > 1 && base.back() == '/')
        base.pop_back();
    if (base.empty())
        return appName;
    return (base == "/" ? base : base + "/") + appName;
}

std::string backupsFolder(const std::string& dataLocation, std::string appName) {
    return appDataFolder(dataLocation, std::move(appName)) + "/backups";
}

std::string backupsFolder(const CIniFile* settings) {
    return backupsFolder(userDataLocation(), userkeys::prefix(settings));
}

Result<std::string> backupRead(const Image& image, const CIniFile* settings) {
    ProductTexts texts;
    if (settings)
        texts = productTexts(*settings, image);
    return writeBackup(backupsFolder(settings), image, texts.model, texts.band);
}

std::string safeNamePart(const std::string& text) {
    std::string out;
    for (unsigned char c : text)
        out += forbidden(c) ? '_' : char(c);
    if (out.size() > kMaxPart) {
        std::size_t cut = kMaxPart;
        // Back up to the first byte of a UTF-8 sequence.
        while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80)
            --cut;
        out.resize(cut);
    }
    return out.empty() ? "unknown" : out;
}

std::string backupFileName(const std::tm& t, const std::string& model, const std::string& band,
                           int counter) {
    char stamp[96];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d_%02d%02d%02d", t.tm_year + 1900,
                  t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
    std::string name = std::string(stamp) + "_" + safeNamePart(model) + "_" + safeNamePart(band);
    if (counter > 1)
        name += "-" + std::to_string(counter);
    return name + ".dat";
}

Result<std::string> writeBackup(const std::string& folder, const Image& image,
                                const std::string& model, const std::string& band,
                                const std::tm& localTime) {
    std::error_code ec;
    // Names are UTF-8 everywhere in this program, also where the system's are not.
    const fs::path dir = fs::u8path(folder);
    fs::create_directories(dir, ec);
    if (ec || !fs::is_directory(dir, ec))
        return Failure{FailureCode::NoBackupsFolder, {folder}};
    for (int counter = 1; counter <= kMaxCounter; ++counter) {
        const fs::path path = dir / fs::u8path(backupFileName(localTime, model, band, counter));
        // Create only: an existing backup is never opened for writing.
        const files::Result created = files::createNew(path.u8string(), image.data(), image.size());
        if (!created.ok && created.code == EEXIST)
            continue;
        if (!created.ok)
            return Failure{FailureCode::File, {created.error}};
        return path.u8string();
    }
    return Failure{FailureCode::TooManyBackups, {folder}};
}

Result<std::string> writeBackup(const std::string& folder, const Image& image,
                                const std::string& model, const std::string& band) {
    return writeBackup(folder, image, model, band, now());
}

} // namespace radio::backups
