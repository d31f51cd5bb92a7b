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

#include <algorithm>
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
    const Result<void> r = loadDat(path, image);
    if (!r)
        error = failureText(r.failure(), untranslated());
    return r.ok();
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
    const Result<void> r = saveDat(p.positional[0], newDocumentImage());
    if (!r)
        return usageError(failureText(r.failure(), untranslated()));
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

// Chooses the rows of a channel list (the file's Location numbers with
// --rows, the first channel with --to) or, without either, takes a list that
// fits as it stands, Location = channel.
int importInterchange(const std::string& csv, const std::string& csvPath,
                      const std::string& datPath, const ParsedArgs& p, const BandLimits& band,
                      const sets::ChannelSet* set, Image& image) {
    const interchange::ListFile list = interchange::readList(csv, band.low, band.high);
    // A set is named as the user named it.
    const std::string source = set ? "the channel set " + set->name : csvPath;
    if (!list.error.empty())
        return usageError(source + ": " + list.error);
    const auto rowsArg = p.options.find("--rows");
    const auto toArg = p.options.find("--to");
    const bool choosing = rowsArg != p.options.end() || toArg != p.options.end();
    const ChannelTable current = imageToTable(image, Language::English);
    interchange::Import rows;
    if (!choosing && !set && interchange::fitsByLocation(list)) {
        rows = interchange::importCsv(csv, current, band.low, band.high);
    } else {
        if (!choosing && (set ? list.rows.size() > std::size_t(mm::kChannelCount)
                              : !interchange::fitsByLocation(list))) {
            long low = -1, high = -1;
            for (const auto& r : list.rows)
                if (r.number >= 0) {
                    low = low < 0 ? r.number : std::min(low, r.number);
                    high = std::max(high, r.number);
                }
            const std::string example =
                low < 0 ? "1-16"
                        : std::to_string(low) + "-" + std::to_string(std::min(high, low + 15));
            return usageError(source + " holds " + std::to_string(list.rows.size()) + " rows" +
                              (low < 0 ? std::string()
                                       : " (Locations " + std::to_string(low) + " to " +
                                             std::to_string(high) + ")") +
                              " and the radio has " + std::to_string(mm::kChannelCount) +
                              " channels: choose at most " + std::to_string(mm::kChannelCount) +
                              " with --rows A-B (the file's Location numbers, for example --rows " +
                              example + ") and the first channel to fill with --to N (default 1)");
        }
        int first = 1;
        if (toArg != p.options.end() && !parseNumber(toArg->second, 1, mm::kChannelCount, first))
            return usageError("--to '" + toArg->second + "' is not a channel from 1 to " +
                              std::to_string(mm::kChannelCount));
        std::vector<std::size_t> chosen;
        if (rowsArg != p.options.end()) {
            long from = 0, to = 0;
            if (!interchange::parseRange(rowsArg->second, from, to))
                return usageError("--rows '" + rowsArg->second +
                                  "' is not A-B, two Location numbers with A <= B");
            chosen = interchange::rowsInRange(list, from, to);
            if (chosen.empty())
                return usageError(source + " has no row with a Location from " +
                                  std::to_string(from) + " to " + std::to_string(to));
        } else {
            for (std::size_t i = 0; i < list.rows.size(); ++i)
                chosen.push_back(i);
        }
        rows = interchange::place(list, chosen, first, current);
        if (!rows.error.empty())
            return usageError(rows.error);
    }
    std::vector<std::string> lines;
    for (const auto& rejected : rows.rejected)
        lines.push_back(interchange::describe(rejected));
    if (!lines.empty())
        printLines(lines);
    if (!rows.ok)
        return usageError(std::to_string(rows.rejected.size()) + " row(s) rejected; \"" + datPath +
                          "\" is unchanged");
    if (set)
        sets::applyRules(set->rules, rows);
    interchange::apply(rows, image);
    const Result<void> saved = saveDat(datPath, image);
    if (!saved)
        return usageError(failureText(saved.failure(), untranslated()));
    if (set && !sets::rulesText(*set).empty())
        printError(sets::rulesText(*set));
    // One message per line, so none is shown as an escaped newline.
    std::size_t start = 0;
    while (start < rows.notice.size()) {
        const std::size_t end = std::min(rows.notice.find('\n', start), rows.notice.size());
        printError(rows.notice.substr(start, end - start));
        start = end + 1;
    }
    return 0;
}

int runImportCsv(const Args& args) {
    ParsedArgs p;
    std::string error;
    bool useInterchange = false;
    if (!parseArgs(args, {"--band", "--format", "--rows", "--to", "--set"}, p, error) ||
        !interchangeOption(p, useInterchange, error))
        return usageError(error);
    const auto setArg = p.options.find("--set");
    const sets::ChannelSet* set = nullptr;
    std::vector<sets::ChannelSet> available;
    if (setArg != p.options.end()) {
        if (p.options.count("--format") && !useInterchange)
            return usageError("a channel set is in the interchange layout: leave out --format");
        useInterchange = true;
        available = channelSets();
        set = sets::findSet(available, setArg->second);
        if (!set)
            return usageError("no channel set '" + setArg->second +
                              "' (radio-cli channel-sets lists them)");
    } else if (!useInterchange && (p.options.count("--rows") || p.options.count("--to"))) {
        return usageError("--rows and --to choose rows of a channel list in the interchange "
                          "layout: add --format interchange, or --set NAME");
    }
    if (p.positional.size() != (set ? 1u : 2u))
        return usageError(set ? "import-csv --set NAME expects one file: radio-cli import-csv "
                                "--set NAME FILE.dat"
                              : "import-csv expects two files: radio-cli import-csv IN.csv "
                                "FILE.dat [--band LOW-HIGH]");
    const std::string csvPath = set ? set->path : p.positional[0];
    const std::string& datPath = p.positional.back();
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

    if (useInterchange)
        return importInterchange(csv, csvPath, datPath, p, band, set, image);
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
    const Result<void> r = saveDat(datPath, image);
    if (!r)
        return usageError(failureText(r.failure(), untranslated()));
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
        {"import-csv",
         "import-csv IN.csv FILE.dat [--band LOW-HIGH] [--format F] [--rows A-B] [--to N] "
         "[--set NAME]  load channels",
         "Usage: radio-cli import-csv IN.csv FILE.dat [--band LOW-HIGH]\n"
         "                           [--format grid|interchange] [--rows A-B] [--to N]\n"
         "       radio-cli import-csv --set NAME FILE.dat [--band LOW-HIGH]\n"
         "                           [--rows A-B] [--to N]\n\n"
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
         "and then FILE.dat is left unchanged (exit status 2). Power may be High,\n"
         "Low or watts (\"0.5W\": at most 1 W is Low, above it High).\n\n"
         "A list with more rows than the radio's 16 channels is refused until the\n"
         "rows are chosen: --rows A-B takes the rows whose Location is A to B (rows\n"
         "missing in the range are skipped), --to N puts the first of them into\n"
         "channel N (default 1), the others into the channels after it.\n\n"
         "--set NAME fills channels from a channel set (radio-cli channel-sets\n"
         "lists them) as from such a list, and applies the set's rules (for\n"
         "PMR446: Low power and Narrow).",
         runImportCsv},
    };
    return commands;
}

} // namespace radio::cli
