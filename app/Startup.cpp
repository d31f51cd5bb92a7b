#include "app/Startup.h"

#include "model/Codecs.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace radio {

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

} // namespace

std::string settingsDirectory(const std::string& argv0, const std::string& executableDir) {
#ifdef _WIN32
    const std::size_t sep = argv0.find_last_of("/\\");
#else
    const std::size_t sep = argv0.find_last_of('/');
#endif
    if (sep == std::string::npos)
        return executableDir;
    if (sep == 0)
        return "/";
    return argv0.substr(0, sep);
}

std::string findCatalogue(const std::string& dir, const std::string& languageName) {
    if (languageName.empty())
        return {};
    const std::string wanted = languageName + ".qm";
    std::error_code ec;
    const fs::path exact = fs::path(dir) / wanted;
    if (fs::is_regular_file(exact, ec))
        return exact.string();
    const std::string key = lower(wanted);
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (lower(it->path().filename().string()) == key && it->is_regular_file(ec))
            return it->path().string();
    }
    return {};
}

bool showLanguageCommand(const std::string& showLang) {
    return atoiC(showLang) != 0;
}

std::string helpDocument(const std::string& programDir, const std::string& helpFile,
                         const std::string& docDir) {
    std::error_code ec;
    if (!helpFile.empty()) {
        const fs::path own = fs::path(programDir) / helpFile;
        if (fs::is_regular_file(own, ec))
            return own.string();
    }
    if (docDir.empty())
        return {};
    const fs::path readme = (fs::path(programDir) / docDir / "README.md").lexically_normal();
    return fs::is_regular_file(readme, ec) ? readme.string() : std::string();
}

} // namespace radio
