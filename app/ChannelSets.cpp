#include "app/ChannelSets.h"

#include "app/Backups.h"
#include "model/CellCommit.h"
#include "model/Codecs.h"
#include "model/MemoryMap.h"
#include "model/SafeFile.h"

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <system_error>

namespace radio::sets {

namespace fs = std::filesystem;

namespace {

std::string lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// The NAME.set beside a set's CSV; a missing one leaves the set plain.
void readDescription(const fs::path& file, ChannelSet& set) {
    std::string text;
    if (!files::readInput(file.u8string(), text, 64 * 1024).ok)
        return;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        const auto eq = line.find('=');
        if (line.empty() || line[0] == '#' || eq == std::string::npos)
            continue;
        const std::string key = lower(trimmed(line.substr(0, eq)));
        const std::string value = trimmed(line.substr(eq + 1));
        if (key == "title")
            set.title = value;
        else if (key == "title.chinese")
            set.titleChinese = value;
        else if (key == "description")
            set.description = value;
        else if (key == "description.chinese")
            set.descriptionChinese = value;
        else if (key == "maxpower")
            set.rules.maxPower = value;
        else if (key == "power")
            set.rules.lowPower = lower(value) == "low";
        else if (key == "width")
            set.rules.narrow = lower(value) == "narrow";
    }
}

// Channels and the span of frequencies, measured without any band.
void measure(ChannelSet& set) {
    std::string text;
    const files::Result r = files::readInput(set.path, text, files::kMaxTextInput);
    if (!r.ok) {
        set.error = r.error;
        return;
    }
    const interchange::ListFile list = interchange::readList(text, 1, INT64_MAX / 4);
    if (!list.error.empty()) {
        set.error = list.error;
        return;
    }
    for (const auto& row : list.rows) {
        if (row.rx <= 0)
            continue;
        ++set.channels;
        for (std::int64_t f : {row.rx, row.tx > 0 ? row.tx : row.rx}) {
            set.low = set.low == 0 ? f : std::min(set.low, f);
            set.high = std::max(set.high, f);
        }
    }
}

std::vector<ChannelSet> setsIn(const std::string& dir, bool builtIn) {
    std::vector<ChannelSet> found;
    std::error_code ec;
    if (dir.empty())
        return found;
    for (fs::directory_iterator it(fs::u8path(dir), ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& p = it->path();
        if (lower(p.extension().u8string()) != ".csv" || !it->is_regular_file(ec))
            continue;
        ChannelSet set;
        set.name = p.stem().u8string();
        set.path = p.u8string();
        set.builtIn = builtIn;
        fs::path description = p;
        readDescription(description.replace_extension(".set"), set);
        measure(set);
        found.push_back(std::move(set));
    }
    std::sort(found.begin(), found.end(), [](const ChannelSet& a, const ChannelSet& b) {
        return lower(a.name) < lower(b.name);
    });
    return found;
}

} // namespace

std::string builtInFolder(const std::string& programDir) {
    return (fs::u8path(programDir) / "channel-sets").u8string();
}

std::string userFolder(const CIniFile* settings) {
    return (fs::u8path(backups::backupsFolder(settings)).parent_path() / "channel-sets").u8string();
}

std::vector<ChannelSet> listSets(const std::string& builtInDir, const std::string& userDir) {
    std::vector<ChannelSet> all = setsIn(builtInDir, true);
    for (auto& s : setsIn(userDir, false))
        all.push_back(std::move(s));
    return all;
}

const ChannelSet* findSet(const std::vector<ChannelSet>& sets, const std::string& name) {
    for (const auto& s : sets)
        if (lower(s.name) == lower(name))
            return &s;
    return nullptr;
}

bool fits(const ChannelSet& set, std::int64_t bandLow, std::int64_t bandHigh) {
    return set.error.empty() && set.channels > 0 && set.low >= bandLow && set.high <= bandHigh;
}

std::string bandText(const ChannelSet& set) {
    if (set.channels == 0)
        return "-";
    return megahertz(set.low) + "-" + megahertz(set.high) + " MHz";
}

std::string titleOf(const ChannelSet& set, Language language) {
    if (language == Language::Chinese && !set.titleChinese.empty())
        return set.titleChinese;
    return set.title.empty() ? set.name : set.title;
}

std::string descriptionOf(const ChannelSet& set, Language language) {
    if (language == Language::Chinese && !set.descriptionChinese.empty())
        return set.descriptionChinese;
    return set.description;
}

std::string rulesText(const ChannelSet& set, const Translate& translate) {
    const Rules& r = set.rules;
    std::string parts;
    if (!r.maxPower.empty())
        parts = textArg(translate("ChannelSets", "at most %1"), {r.maxPower});
    std::string applied;
    if (r.lowPower && r.narrow)
        applied = translate("ChannelSets", "channels set to Low power and Narrow");
    else if (r.lowPower)
        applied = translate("ChannelSets", "channels set to Low power");
    else if (r.narrow)
        applied = translate("ChannelSets", "channels set to Narrow");
    if (!applied.empty())
        parts += (parts.empty() ? "" : "; ") + applied;
    return parts.empty() ? std::string() : set.name + ": " + parts;
}

void applyRules(const Rules& rules, interchange::Import& import) {
    for (int ch = 1; ch <= mm::kChannelCount; ++ch) {
        auto& row = import.table[ch];
        if (!import.listed[ch] || row[ColRx].empty())
            continue;
        if (rules.lowPower)
            row[ColPower] = "Low";
        if (rules.narrow)
            row[ColWidth] = "Narrow";
    }
}

std::string checkUserName(const std::string& name, const std::vector<ChannelSet>& sets,
                          const Translate& translate) {
    if (trimmed(name).empty())
        return translate("ChannelSets", "Give the set a name.");
    const bool refused = std::any_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 ||
               std::string("/\\:*?\"<>|").find(c) != std::string::npos;
    });
    if (refused || name != trimmed(name) || name.size() > 40 || name[0] == '.')
        return textArg(translate("ChannelSets",
                                 "\"%1\" cannot be a file name: leave out / \\ : * ? \" < > |."),
                       {files::printable(name, 60)});
    const ChannelSet* same = findSet(sets, name);
    if (same && same->builtIn)
        return textArg(translate("ChannelSets", "%1 is the name of a built-in set."), {same->name});
    return {};
}

std::string userSetPath(const std::string& userDir, const std::string& name) {
    return (fs::u8path(userDir) / fs::u8path(name + ".csv")).u8string();
}

} // namespace radio::sets
