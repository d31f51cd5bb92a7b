// File commands of radio-cli: new image, grid dump, CSV export and import.

#include "app/IniFile.h"
#include "app/ProductInfo.h"
#include "cli/Commands.h"
#include "model/ChannelTable.h"
#include "model/Csv.h"
#include "model/Image.h"
#include "model/InterchangeCsv.h"
#include "model/MemoryMap.h"
#include "model/SafeFile.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace radio::cli {

namespace {

struct ParsedArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
};

// Splits arguments into positional ones and "--name VALUE" / "--name=VALUE"
// options; only the names in `known` are accepted.
bool parseArgs(const Args& args, const std::vector<std::string>& known, ParsedArgs& out,
               std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() < 2 || a[0] != '-') {
            out.positional.push_back(a);
            continue;
        }
        std::string name = a;
        std::string value;
        bool hasValue = false;
        const auto eq = a.find('=');
        if (eq != std::string::npos) {
            name = a.substr(0, eq);
            value = a.substr(eq + 1);
            hasValue = true;
        }
        bool isKnown = false;
        for (const auto& k : known)
            isKnown = isKnown || k == name;
        if (!isKnown) {
            error = "unknown option '" + name + "'";
            return false;
        }
        if (!hasValue) {
            if (i + 1 >= args.size()) {
                error = "option '" + name + "' needs a value";
                return false;
            }
            value = args[++i];
        }
        out.options[name] = value;
    }
    return true;
}

bool readImage(const std::string& path, Image& image, std::string& error) {
    const LoadResult r = loadDat(path, image);
    if (!r.ok)
        error = r.error;
    return r.ok;
}

// A channel list is a few kilobytes: a FIFO, a device or a huge file is
// refused before it can hang the tool or fill its memory.
bool readText(const std::string& path, std::string& text, std::string& error) {
    const files::Result r = files::readInput(path, text, files::kMaxTextInput);
    if (!r.ok)
        error = r.error;
    return r.ok;
}

bool writeText(const std::string& path, const std::string& text, std::string& error) {
    const files::Result r = files::writeAtomically(path, text);
    if (!r.ok)
        error = r.error;
    return r.ok;
}

// "--format grid" (the grid's own columns, the default) or "--format interchange"
// (the 21-column channel-list layout other programming tools share).
bool interchangeOption(const ParsedArgs& p, bool& useInterchange, std::string& error) {
    const auto it = p.options.find("--format");
    useInterchange = it != p.options.end() && it->second == "interchange";
    if (it == p.options.end() || useInterchange || it->second == "grid")
        return true;
    error = "unknown format '" + it->second + "' (grid or interchange)";
    return false;
}

bool languageOption(const ParsedArgs& p, std::string& language, std::string& error) {
    const auto it = p.options.find("--lang");
    language = "English";
    if (it == p.options.end() || it->second == "English")
        return true;
    if (it->second == "Chinese") {
        language = it->second;
        return true;
    }
    error = "unknown language '" + it->second + "' (English or Chinese)";
    return false;
}

// "LOW-HIGH" in whole MHz, as the settings file writes bands.
bool bandOption(const std::string& text, BandLimits& limits, std::string& error) {
    const auto dash = text.find('-');
    const auto isNumber = [](const std::string& s) {
        return !s.empty() && s.size() <= 4 &&
               s.find_first_not_of("0123456789") == std::string::npos;
    };
    if (dash == std::string::npos || !isNumber(text.substr(0, dash)) ||
        !isNumber(text.substr(dash + 1))) {
        error = "band '" + text + "' is not LOW-HIGH in whole MHz, for example 400-470";
        return false;
    }
    const std::string defect = bandDefect(text, untranslated());
    if (!defect.empty()) {
        error = "band '" + text + "' cannot be used: " + defect;
        return false;
    }
    limits = bandLimits(text);
    return true;
}

// The band the image's model and band bytes name in the settings file next to
// the program, as the channel window would use it.
bool bandFromSettings(const Image& image, BandLimits& limits, std::string& error) {
    CIniFile settings;
    if (!loadSettings(settings, error)) {
        error += " to find the band; give --band LOW-HIGH";
        return false;
    }
    const ProductTexts texts = productTexts(settings, image);
    const unsigned type = mm::get(image, mm::ModelType);
    if (texts.band.empty()) {
        error = "the image's model and band (" + std::to_string(type) + ", " +
                std::to_string(mm::get(image, mm::BandIndex)) +
                ") name no band in Program.ini; give --band LOW-HIGH";
        return false;
    }
    // A band the records cannot hold would let the import store garbage.
    const std::string defect = bandDefect(texts.band, untranslated());
    if (!defect.empty()) {
        error = "the band " + files::quoted(texts.band) + " of key Field" +
                std::to_string(type + 1) +
                " in section Setup of Program.ini cannot be used: " + defect +
                "; correct it or give --band LOW-HIGH";
        return false;
    }
    limits = bandLimits(texts.band);
    return true;
}

// Rejected rows on standard error.
void printLines(const std::vector<std::string>& lines) {
    std::fprintf(stderr, "%s\n", firstPrintableLines(lines).c_str());
}

int runNew(const Args& args) {
    ParsedArgs p;
    std::string error;
    if (!parseArgs(args, {}, p, error))
        return usageError(error);
    if (p.positional.size() != 1)
        return usageError("new expects one output file: radio-cli new OUT.dat");
    const LoadResult r = saveDat(p.positional[0], newDocumentImage());
    if (!r.ok)
        return usageError(r.error);
    return 0;
}

int runDump(const Args& args) {
    ParsedArgs p;
    std::string error;
    std::string language;
    if (!parseArgs(args, {"--lang"}, p, error) || !languageOption(p, language, error))
        return usageError(error);
    if (p.positional.size() != 1)
        return usageError(
            "dump expects one file: radio-cli dump FILE.dat [--lang English|Chinese]");
    Image image;
    if (!readImage(p.positional[0], image, error))
        return usageError(error);
    ChannelTable table =
        imageToTable(image, language == "Chinese" ? Language::Chinese : Language::English);
    table[0] = columnHeaders(catalogue(language));
    std::string out;
    for (const auto& row : table) {
        for (int c = 0; c < kGridCols; ++c) {
            if (c > 0)
                out += '\t';
            out += row[c];
        }
        out += '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

int runExportCsv(const Args& args) {
    ParsedArgs p;
    std::string error;
    bool useInterchange = false;
    if (!parseArgs(args, {"--format"}, p, error) || !interchangeOption(p, useInterchange, error))
        return usageError(error);
    if (p.positional.size() != 2)
        return usageError("export-csv expects two files: radio-cli export-csv FILE.dat OUT.csv");
    if (!checkFiles({{FileArg::Use::Read, p.positional[0], {}},
                     {FileArg::Use::Replace, p.positional[1], {}}},
                    error))
        return usageError(error);
    Image image;
    if (!readImage(p.positional[0], image, error))
        return usageError(error);
    const std::string csv = useInterchange ? interchange::exportCsv(image)
                                           : tableToCsv(imageToTable(image, Language::English));
    if (!writeText(p.positional[1], csv, error))
        return usageError(error);
    if (useInterchange)
        printError(interchange::exportNotice(untranslated()));
    return 0;
}

int runImportCsv(const Args& args) {
    ParsedArgs p;
    std::string error;
    bool useInterchange = false;
    if (!parseArgs(args, {"--band", "--format"}, p, error) ||
        !interchangeOption(p, useInterchange, error))
        return usageError(error);
    if (p.positional.size() != 2)
        return usageError(
            "import-csv expects two files: radio-cli import-csv IN.csv FILE.dat [--band LOW-HIGH]");
    const std::string& csvPath = p.positional[0];
    const std::string& datPath = p.positional[1];
    if (!checkFiles({{FileArg::Use::Read, csvPath, {}}, {FileArg::Use::Replace, datPath, {}}},
                    error))
        return usageError(error);
    // Held until the new file is in place: a second import waits for this one
    // and then reads its result, instead of overwriting it.
    files::UpdateLock lock;
    const files::Result locked = lock.acquire(datPath, kUpdateWaitMs);
    if (!locked.ok)
        return usageError(locked.error);
    std::string csv;
    Image image;
    if (!readText(csvPath, csv, error) || !readImage(datPath, image, error))
        return usageError(error);
    BandLimits band;
    const auto bandArg = p.options.find("--band");
    if (bandArg != p.options.end() ? !bandOption(bandArg->second, band, error)
                                   : !bandFromSettings(image, band, error))
        return usageError(error);

    if (useInterchange) {
        const interchange::Import rows = interchange::importCsv(
            csv, imageToTable(image, Language::English), band.low, band.high);
        if (!rows.error.empty())
            return usageError(csvPath + ": " + rows.error);
        std::vector<std::string> lines;
        for (const auto& rejected : rows.rejected)
            lines.push_back(interchange::describe(rejected));
        printLines(lines);
        if (!rows.ok)
            return usageError(std::to_string(rows.rejected.size()) + " row(s) rejected; \"" +
                              datPath + "\" is unchanged");
        interchange::apply(rows, image);
        const LoadResult saved = saveDat(datPath, image);
        if (!saved.ok)
            return usageError(saved.error);
        if (!rows.notice.empty())
            printError(rows.notice);
        return 0;
    }
    const CsvImport import =
        importCsv(csv, imageToTable(image, Language::English), band.low, band.high);
    if (!import.error.empty())
        return usageError(csvPath + ": " + import.error);
    if (!import.ok) {
        printLines(import.rejected);
        return usageError(std::to_string(import.rejected.size()) + " cell(s) rejected; \"" +
                          datPath + "\" is unchanged");
    }
    applyImport(import, image);
    const LoadResult r = saveDat(datPath, image);
    if (!r.ok)
        return usageError(r.error);
    return 0;
}

} // namespace

const std::vector<Command>& fileCommands() {
    static const std::vector<Command> commands = {
        {"new", "new OUT.dat                      write a new configuration",
         "Usage: radio-cli new OUT.dat\n\n"
         "Writes the configuration a new document starts with: all 16 channels\n"
         "empty, the radio-wide options at their defaults.",
         runNew},
        {"dump", "dump FILE.dat [--lang LANG]     print the channel grid",
         "Usage: radio-cli dump FILE.dat [--lang English|Chinese]\n\n"
         "Prints the channel grid exactly as the channel window shows it: a header\n"
         "line and channels 1 to 16, 11 tab-separated cells each. --lang picks the\n"
         "language of the texts (default English).",
         runDump},
        {"export-csv", "export-csv FILE.dat OUT.csv [--format F]  write the channels as CSV",
         "Usage: radio-cli export-csv FILE.dat OUT.csv [--format grid|interchange]\n\n"
         "Writes the channel grid as CSV (UTF-8, RFC 4180 quoting) under a header\n"
         "line of the grid's English column names.\n\n"
         "--format interchange writes the 21-column channel-list layout other\n"
         "programming tools share (Location,Name,Frequency,Duplex,Offset,Tone,...),\n"
         "one row per programmed channel, Location = channel number.",
         runExportCsv},
        {"import-csv", "import-csv IN.csv FILE.dat [--band LOW-HIGH] [--format F]  load channels",
         "Usage: radio-cli import-csv IN.csv FILE.dat [--band LOW-HIGH]\n"
         "                           [--format grid|interchange]\n\n"
         "Loads channels from CSV into FILE.dat. The first line names the columns\n"
         "(the grid's English column names, in any order; \"CH\" is required and\n"
         "names the channel, 1 to 16, of each row). Rows may come in any order;\n"
         "channels without a row keep what FILE.dat holds. Every cell is checked\n"
         "as the grid's editors check it: frequencies inside the band and on the\n"
         "5 kHz / 6.25 kHz raster, list cells exactly one of the list's entries in\n"
         "English or Chinese. Each rejected cell is reported as\n"
         "  row N, column NAME: message\n"
         "and then FILE.dat is left unchanged (exit status 2).\n\n"
         "The band is --band LOW-HIGH in whole MHz (for example 400-470), or else\n"
         "the one FILE.dat's model and band name in Program.ini beside radio-cli.\n\n"
         "--format interchange reads the 21-column channel-list layout instead,\n"
         "finding columns by name (Location and Frequency are required; Location\n"
         "may count from 0 or 1). Each row becomes a new channel and is checked as\n"
         "if typed into the grid; every rejected row is reported as\n"
         "  line N: reason\n"
         "and then FILE.dat is left unchanged (exit status 2).",
         runImportCsv},
    };
    return commands;
}

} // namespace radio::cli
