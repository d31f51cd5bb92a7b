// The configuration as text in radio-cli: export-text and import-text.

#include "app/IniFile.h"
#include "app/ProductInfo.h"
#include "cli/Commands.h"
#include "model/ConfigText.h"
#include "model/Image.h"
#include "model/SafeFile.h"
#include "textfile/ConfigFile.h"
#include "textfile/YamlText.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace radio::cli {

namespace {

// Two positional files, no options.
int twoFiles(const std::vector<std::string>& files, const char* usage, std::string& in,
             std::string& out) {
    if (files.size() != 2)
        return usageError(usage);
    in = files[0];
    out = files[1];
    std::string error;
    if (!checkFiles({{FileArg::Use::Read, in, {}}, {FileArg::Use::Replace, out, {}}}, error))
        return usageError(error);
    return 0;
}

check::Settings settingsForText() {
    const auto settings = installedSettings();
    return checkSettings(settings.get());
}

int runExportText(const std::vector<std::string>& args) {
    std::string datPath, textPath;
    if (const int status =
            twoFiles(args, "export-text expects two files: radio-cli export-text FILE.dat OUT.yaml",
                     datPath, textPath))
        return status;
    Image image{};
    const Result<void> loaded = loadDat(datPath, image);
    if (!loaded)
        return usageError(failureText(loaded.failure(), untranslated()));
    const std::string text = yamltext::write(conftext::exportTree(image, settingsForText()));
    const files::Result written = files::writeAtomically(textPath, text);
    return written.ok ? 0 : usageError(written.error);
}

int runImportText(const std::vector<std::string>& args) {
    std::string textPath, datPath;
    if (const int status =
            twoFiles(args, "import-text expects two files: radio-cli import-text IN.yaml OUT.dat",
                     textPath, datPath))
        return status;
    const configfile::Loaded loaded =
        configfile::loadText(textPath, settingsForText(), untranslated());
    if (loaded.ok) {
        const Result<void> saved = saveDat(datPath, loaded.image);
        return saved ? 0 : usageError(failureText(saved.failure(), untranslated()));
    }
    if (loaded.problems.empty())
        return usageError(loaded.error);
    std::fprintf(stderr, "%s\n",
                 firstPrintableLines(conftext::problemLines(textPath, loaded.problems)).c_str());
    return usageError(std::to_string(loaded.problems.size()) + " problem(s); " +
                      files::quoted(datPath, 4096) + " is not written");
}

Runner declareExportText(CLI::App& app) {
    auto files = std::make_shared<std::vector<std::string>>();
    addArguments(app, *files, "FILE.dat OUT.yaml");
    return [files] { return runExportText(*files); };
}

Runner declareImportText(CLI::App& app) {
    auto files = std::make_shared<std::vector<std::string>>();
    addArguments(app, *files, "IN.yaml OUT.dat");
    return [files] { return runImportText(*files); };
}

} // namespace

const std::vector<Command>& textCommands() {
    static const std::vector<Command> commands = {
        {"export-text", "export-text FILE.dat OUT.yaml   write the configuration as text",
         "Writes the whole configuration as YAML text to read, review and keep in\n"
         "version control: the model and band, the 16 channels by number with the\n"
         "values the grid shows, the radio-wide options as the dialogs show them,\n"
         "the calibration values and, last, every other byte in hex. A value the\n"
         "program would not accept is written as its bytes, {hex: ...}, so\n"
         "import-text gives back the same 1024 bytes. Model and band names come from\n"
         "Program.ini beside radio-cli.",
         declareExportText},
        {"import-text", "import-text IN.yaml OUT.dat     read a configuration text",
         "Reads a text export-text wrote (and a person may have edited) and writes\n"
         "the configuration. Every value is checked as the window checks a typed one:\n"
         "frequencies inside the band and on the 5 kHz / 6.25 kHz raster, tones from\n"
         "the tone list, options one of their choices, model and band as Program.ini\n"
         "beside radio-cli names them. Every problem is reported as\n"
         "  IN.yaml:LINE: message\n"
         "and then nothing is written (exit status 2). Unknown names are problems\n"
         "too; a text of a newer format is refused.",
         declareImportText},
    };
    return commands;
}

} // namespace radio::cli
