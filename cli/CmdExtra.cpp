// Extra commands of radio-cli: comparing two configurations; backups of reads.

#include "app/Backups.h"
#include "app/IniFile.h"
#include "app/ProductInfo.h"
#include "cli/Commands.h"
#include "model/Diff.h"
#include "model/Image.h"
#include "model/SafeFile.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

namespace radio::cli {

namespace fs = std::filesystem;

std::unique_ptr<CIniFile> installedSettings() {
    const fs::path ini = settingsFilePath();
    std::error_code ec;
    if (ini.empty() || !fs::is_regular_file(ini, ec))
        return nullptr;
    auto settings = std::make_unique<CIniFile>();
    if (!settings->Load(ini.string(), false, true, 0))
        return nullptr;
    return settings;
}

namespace {

diff::ProductNames namesOf(const CIniFile* settings, const Image& image) {
    if (!settings)
        return {};
    const ProductTexts t = productTexts(*settings, image);
    return {t.model, t.band};
}

int runDiff(const Args& args) {
    std::vector<std::string> files;
    std::string language = "English";
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() < 2 || a[0] != '-') {
            files.push_back(a);
            continue;
        }
        std::string value;
        if (a.rfind("--lang=", 0) == 0) {
            value = a.substr(7);
        } else if (a == "--lang" && i + 1 < args.size()) {
            value = args[++i];
        } else if (a == "--lang") {
            return usageError("option '--lang' needs a value");
        } else {
            return usageError("unknown option '" + a + "'");
        }
        if (value != "English" && value != "Chinese")
            return usageError("unknown language '" + value + "' (English or Chinese)");
        language = value;
    }
    if (files.size() != 2)
        return usageError("diff expects two files: radio-cli diff A.dat B.dat [--lang LANG]");

    Image a{}, b{};
    for (int i = 0; i < 2; ++i) {
        const Result<void> r = loadDat(files[i], i == 0 ? a : b);
        if (!r)
            return usageError(failureText(r.failure(), untranslated()));
    }
    const auto settings = installedSettings();
    diff::Options options;
    const Translate& translate = catalogue(language);
    options.language = language == "Chinese" ? Language::Chinese : Language::English;
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

Result<std::string> keepBackup(const Image& image) {
    const auto settings = installedSettings();
    return backups::backupRead(image, settings.get());
}

void keepReadBackup(const Image& image) {
    const Result<std::string> r = keepBackup(image);
    if (r)
        std::printf("Backup: %s\n", r.value().c_str());
    else
        std::fprintf(stderr, "radio-cli: warning: no backup of the read was kept: %s\n",
                     failureText(r.failure(), untranslated()).c_str());
}

const std::vector<Command>& extraCommands() {
    static const std::vector<Command> commands = {
        {"diff", "diff A.dat B.dat [--lang LANG]  compare two configurations",
         "Usage: radio-cli diff A.dat B.dat [--lang English|Chinese]\n\n"
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
         runDiff},
    };
    return commands;
}

} // namespace radio::cli
