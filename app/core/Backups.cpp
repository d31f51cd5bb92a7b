#include "app/core/Backups.h"

#include "model/SafeFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

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

} // namespace

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

Result writeBackup(const std::string& folder, const Image& image, const std::string& model,
                   const std::string& band, const std::tm& localTime) {
    Result result;
    std::error_code ec;
    // Names are UTF-8 everywhere in this program, also where the system's are not.
    const fs::path dir = fs::u8path(folder);
    fs::create_directories(dir, ec);
    if (ec || !fs::is_directory(dir, ec)) {
        result.error = "cannot create the backups folder \"" + folder + "\"";
        return result;
    }
    for (int counter = 1; counter <= kMaxCounter; ++counter) {
        const fs::path path = dir / fs::u8path(backupFileName(localTime, model, band, counter));
        // Create only: an existing backup is never opened for writing.
        const files::Result created = files::createNew(path.u8string(), image.data(), image.size());
        if (!created.ok && created.code == EEXIST)
            continue;
        if (!created.ok) {
            result.error = created.error;
            return result;
        }
        result.ok = true;
        result.path = path.u8string();
        return result;
    }
    result.error = "too many backups with the same time in \"" + folder + "\"";
    return result;
}

Result writeBackup(const std::string& folder, const Image& image, const std::string& model,
                   const std::string& band) {
    return writeBackup(folder, image, model, band, now());
}

} // namespace radio::backups
