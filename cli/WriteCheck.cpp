// What radio-cli checks before a configuration goes to a radio.

#include "app/IniFile.h"
#include "app/ProductInfo.h"
#include "cli/Commands.h"
#include "model/ConfigCheck.h"
#include "model/SafeFile.h"

#include <cstdio>
#include <cstring>

namespace radio::cli {

std::string firstPrintableLines(const std::vector<std::string>& lines) {
    std::vector<std::string> shown;
    for (std::size_t i = 0; i < lines.size() && i <= kListedLines; ++i)
        shown.push_back(files::printable(lines[i], std::string::npos));
    shown.resize(lines.size()); // the count of the rest; their text is never shown
    return firstLines(shown, untranslated());
}

int loadForWrite(const std::string& path, bool force, Image& image) {
    // One byte more than a configuration, to tell a longer file apart.
    std::string bytes;
    const files::Result r = files::readInput(path, bytes, kImageSize + 1, true);
    if (!r.ok)
        return usageError(r.error);
    if (bytes.size() != kImageSize)
        return usageError(files::quoted(path, 4096) + " is not a configuration file: it holds " +
                          (bytes.size() > kImageSize ? std::string("more than 1024")
                                                     : std::to_string(bytes.size())) +
                          " bytes, a configuration is exactly 1024");
    std::memcpy(image.data(), bytes.data(), kImageSize);

    CIniFile settings;
    std::string unused;
    const bool found = loadSettings(settings, unused);
    const std::vector<check::Problem> problems = check::checkConfiguration(
        image, checkSettings(found ? &settings : nullptr), untranslated());
    if (problems.empty())
        return 0;
    std::vector<std::string> lines;
    for (const check::Problem& p : problems)
        lines.push_back(check::describe(p, untranslated()));
    std::fprintf(stderr, "%s\n", firstPrintableLines(lines).c_str());
    const std::string count = std::to_string(problems.size()) + " value(s) of " +
                              files::quoted(path, 4096) + " no editor would accept";
    if (force) {
        printError(count + "; writing anyway (--force)");
        return 0;
    }
    return usageError(count + "; nothing was written (--force writes anyway)");
}

} // namespace radio::cli
