// File commands of radio-cli: new image, grid dump, CSV export and import.

#include "app/IniFile.h"
#include "app/ProductInfo.h"
#include "cli/Commands.h"
#include "model/ChannelTable.h"
#include "model/Csv.h"
#include "model/FileLayouts.h"
#include "model/Image.h"
#include "model/InterchangeCsv.h"
#include "model/MemoryMap.h"
#include "model/SafeFile.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace radio::cli {

namespace {

struct ImportArgs {
    std::vector<std::string> files;
    std::string band;   // empty: the image's own, from the settings file
    std::string format; // empty: grid
    std::string rows;   // empty: not chosen
    std::string set;    // empty: no channel set
    int to = 1;
    const CLI::Option* toGiven = nullptr;
};

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

// "--format NAME", one of the file layouts (model/FileLayouts.h); without
// it the default layout, the grid's own columns.
void addFormat(CLI::App& app, std::string& format) {
    addText(app, "--format", format, layouts::names("|"))->check([](const std::string& value) {
        return layouts::find(value)
                   ? std::string()
                   : "unknown format '" + value + "' (" + layouts::names(" or ") + ")";
    });
}

const layouts::FileLayout& layoutOf(const std::string& format) {
    const layouts::FileLayout* layout = format.empty() ? nullptr : layouts::find(format);
    return layout ? *layout : layouts::defaultLayout();
}

bool isInterchange(const std::string& format) {
    return &layoutOf(format) == layouts::find("interchange");
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

Runner declareNew(CLI::App& app) {
    auto files = std::make_shared<std::vector<std::string>>();
    addArguments(app, *files, "OUT.dat");
    return [files] {
        if (files->size() != 1)
            return usageError("new expects one output file: radio-cli new OUT.dat");
        const Result<void> r = saveDat(files->front(), newDocumentImage());
        return r ? 0 : usageError(failureText(r.failure(), untranslated()));
    };
}

int runDump(const ShowArgs& p) {
    if (p.files.size() != 1)
        return usageError(
            "dump expects one file: radio-cli dump FILE.dat [--lang English|Chinese]");
    Image image;
    std::string error;
    if (!readImage(p.files[0], image, error))
        return usageError(error);
    ChannelTable table = imageToTable(image, p.values());
    table[0] = columnHeaders(catalogue(p.language));
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

struct ExportArgs {
    std::vector<std::string> files;
    std::string format;
};

int runExportCsv(const ExportArgs& p) {
    if (p.files.size() != 2)
        return usageError("export-csv expects two files: radio-cli export-csv FILE.dat OUT.csv");
    std::string error;
    if (!checkFiles({{FileArg::Use::Read, p.files[0], {}}, {FileArg::Use::Replace, p.files[1], {}}},
                    error))
        return usageError(error);
    Image image;
    if (!readImage(p.files[0], image, error))
        return usageError(error);
    std::string notice;
    const std::string csv = layoutOf(p.format).exportText(image, untranslated(), notice);
    if (!writeText(p.files[1], csv, error))
        return usageError(error);
    if (!notice.empty())
        printError(notice);
    return 0;
}

Runner declareExportCsv(CLI::App& app) {
    auto p = std::make_shared<ExportArgs>();
    addArguments(app, p->files, "FILE.dat OUT.csv");
    addFormat(app, p->format);
    return [p] { return runExportCsv(*p); };
}

// Chooses the rows of a channel list (the file's Location numbers with
// --rows, the first channel with --to) or, without either, takes a list that
// fits as it stands, Location = channel.
int importInterchange(const std::string& csv, const std::string& csvPath,
                      const std::string& datPath, const ImportArgs& p, const BandLimits& band,
                      const sets::ChannelSet* set, Image& image) {
    const interchange::ListFile list = interchange::readList(csv, band.low, band.high);
    // A set is named as the user named it.
    const std::string source = set ? "the channel set " + set->name : csvPath;
    if (!list.error.empty())
        return usageError(source + ": " + list.error);
    const bool choosing = !p.rows.empty() || p.toGiven->count() > 0;
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
        std::vector<std::size_t> chosen;
        if (!p.rows.empty()) {
            long from = 0, to = 0;
            if (!interchange::parseRange(p.rows, from, to))
                return usageError("--rows '" + p.rows +
                                  "' is not A-B, two Location numbers with A <= B");
            chosen = interchange::rowsInRange(list, from, to);
            if (chosen.empty())
                return usageError(source + " has no row with a Location from " +
                                  std::to_string(from) + " to " + std::to_string(to));
        } else {
            for (std::size_t i = 0; i < list.rows.size(); ++i)
                chosen.push_back(i);
        }
        rows = interchange::place(list, chosen, p.to, current);
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

int runImportCsv(const ImportArgs& p) {
    std::string error;
    bool useInterchange = isInterchange(p.format);
    const sets::ChannelSet* set = nullptr;
    std::vector<sets::ChannelSet> available;
    if (!p.set.empty()) {
        if (!p.format.empty() && !useInterchange)
            return usageError("a channel set is in the interchange layout: leave out --format");
        useInterchange = true;
        available = channelSets();
        set = sets::findSet(available, p.set);
        if (!set)
            return usageError("no channel set '" + p.set + "' (radio-cli channel-sets lists them)");
    } else if (!useInterchange && (!p.rows.empty() || p.toGiven->count() > 0)) {
        return usageError("--rows and --to choose rows of a channel list in the interchange "
                          "layout: add --format interchange, or --set NAME");
    }
    if (p.files.size() != (set ? 1u : 2u))
        return usageError(set ? "import-csv --set NAME expects one file: radio-cli import-csv "
                                "--set NAME FILE.dat"
                              : "import-csv expects two files: radio-cli import-csv IN.csv "
                                "FILE.dat [--band LOW-HIGH]");
    const std::string csvPath = set ? set->path : p.files[0];
    const std::string& datPath = p.files.back();
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
    if (!p.band.empty() ? !bandOption(p.band, band, error) : !bandFromSettings(image, band, error))
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

Runner declareImportCsv(CLI::App& app) {
    auto p = std::make_shared<ImportArgs>();
    addArguments(app, p->files, "IN.csv FILE.dat");
    addText(app, "--band", p->band, "LOW-HIGH");
    addFormat(app, p->format);
    addText(app, "--rows", p->rows, "A-B");
    p->toGiven = addNumber(app, "--to", p->to, 1, mm::kChannelCount, "N", "a channel");
    addText(app, "--set", p->set, "NAME");
    return [p] { return runImportCsv(*p); };
}

} // namespace

const std::vector<Command>& fileCommands() {
    static const std::vector<Command> commands = {
        {"new", "new OUT.dat                      write a new configuration",
         "Writes the configuration a new document starts with: all 16 channels\n"
         "empty, the radio-wide options at their defaults.",
         declareNew},
        {"dump", "dump FILE.dat [--lang LANG]     print the channel grid",
         "Prints the channel grid exactly as the channel window shows it: a header\n"
         "line and channels 1 to 16, 11 tab-separated cells each. --lang picks the\n"
         "language of the texts (default English).",
         [](CLI::App& app) { return declareShow(app, "FILE.dat", runDump); }},
        {"export-csv", "export-csv FILE.dat OUT.csv [--format F]  write the channels as CSV",
         "Writes the channel grid as CSV (UTF-8, RFC 4180 quoting) under a header\n"
         "line of the grid's English column names.\n\n"
         "--format interchange writes the 21-column channel-list layout other\n"
         "programming tools share (Location,Name,Frequency,Duplex,Offset,Tone,...),\n"
         "one row per programmed channel, Location = channel number.",
         declareExportCsv},
        {"import-csv",
         "import-csv IN.csv FILE.dat [--band LOW-HIGH] [--format F] [--rows A-B] [--to N] "
         "[--set NAME]  load channels",
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
         "PMR446: Low power and Narrow); IN.csv is then left out:\n"
         "  radio-cli import-csv --set NAME FILE.dat [--band LOW-HIGH] [--rows A-B] [--to N]",
         declareImportCsv},
    };
    return commands;
}

} // namespace radio::cli
