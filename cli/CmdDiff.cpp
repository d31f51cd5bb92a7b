// radio-cli diff: what differs between two configurations, by the names the
// program shows.

#include "app/IniFile.h"
#include "app/ProductInfo.h"
#include "cli/Commands.h"
#include "model/Diff.h"
#include "model/Image.h"
#include "model/SafeFile.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace radio::cli {

namespace {

diff::ProductNames namesOf(const CIniFile* settings, const Image& image) {
    if (!settings)
        return {};
    const ProductTexts t = productTexts(*settings, image);
    return {t.model, t.band};
}

int runDiff(const ShowArgs& p) {
    const std::vector<std::string>& files = p.files;
    const std::string& language = p.language;
    if (files.size() != 2)
        return usageError("diff expects two files: radio-cli diff A.dat B.dat [--lang LANG]");

    Image a{}, b{};
    std::string error;
    if (!readImage(files[0], a, error) || !readImage(files[1], b, error))
        return usageError(error);
    const auto settings = installedSettings();
    diff::Options options;
    const Translate& translate = catalogue(language);
    options.language = p.values();
    options.translate = translate;
    options.a = namesOf(settings.get(), a);
    options.b = namesOf(settings.get(), b);
    // The names as given; nothing in them may drive the terminal.
    options.nameA = files::printable(files[0], std::string::npos);
    options.nameB = files::printable(files[1], std::string::npos);
    const diff::Report report = diff::compare(a, b, options);
    const std::string text = diff::formatReport(report, translate);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return report.equal() ? 0 : 1;
}

} // namespace

const std::vector<Command>& diffCommands() {
    static const std::vector<Command> commands = {
        {"diff", "diff A.dat B.dat [--lang LANG]  compare two configurations",
         "Prints what differs between two configurations, by the names the program\n"
         "shows: channel by channel under the grid's column headers, then the\n"
         "settings under their dialog labels (Optional Features, Scan Info, Product\n"
         "Information, Power Adjustment, Param Adjust), each as\n"
         "    label: value in A -> value in B\n"
         "and last the address of every other differing byte. Bytes of channels empty\n"
         "in both files that differ only in the form the program writes empty channels\n"
         "in are no difference (a last line says so). Model and band names come from\n"
         "Program.ini beside radio-cli when it is there.\n\n"
         "Exit status: 0 the files are the same, 1 they differ, 2 bad input.",
         [](CLI::App& app) { return declareShow(app, "A.dat B.dat", runDiff); }},
    };
    return commands;
}

} // namespace radio::cli
