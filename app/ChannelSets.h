#pragma once
// Channel sets: standard channel plans (PMR446, the 409 MHz public band, FRS,
// LPD433) shipped beside the program, and the user's own plans in a per-user
// folder. Each set is a channel list in the interchange layout (NAME.csv),
// readable by other tools too; an optional NAME.set beside it gives its
// title, description and rules as key=value lines:
//   Title=, Title.Chinese=, Description=, Description.Chinese=,
//   MaxPower=<text shown>, Power=Low, Width=Narrow
// A set is named after its file.

#include "model/ChannelTable.h"
#include "model/InterchangeCsv.h"
#include "model/Text.h"

#include <cstdint>
#include <string>
#include <vector>

namespace radio {
class CIniFile;
}

namespace radio::sets {

struct Rules {
    std::string maxPower; // "0.5 W", as the set file says it; empty: no limit given
    bool lowPower = false;
    bool narrow = false;
};

struct ChannelSet {
    std::string name; // the file's name without ".csv"
    std::string title, titleChinese;
    std::string description, descriptionChinese;
    Rules rules;
    std::string path; // the CSV file
    bool builtIn = false;
    int channels = 0;               // rows with a frequency
    std::int64_t low = 0, high = 0; // lowest and highest Rx or Tx, 10 Hz units
    std::string error;              // the file cannot be read as a channel list
};

// <programDir>/channel-sets: the sets installed with the program.
std::string builtInFolder(const std::string& programDir);
// <per-user data>/<AppName>/channel-sets, beside the backups folder.
std::string userFolder(const CIniFile* settings);

// The sets of both folders, built-in first, each folder by name.
std::vector<ChannelSet> listSets(const std::string& builtInDir, const std::string& userDir);
// The set of `name` (case ignored; a built-in set before a user's), or null.
const ChannelSet* findSet(const std::vector<ChannelSet>& sets, const std::string& name);

// Every channel of the set lies inside the band (10 Hz units, inclusive).
bool fits(const ChannelSet& set, std::int64_t bandLow, std::int64_t bandHigh);
// "446.00625-446.19375 MHz"
std::string bandText(const ChannelSet& set);
// The title in the language of `language`; the name when the set has none.
std::string titleOf(const ChannelSet& set, Language language);
std::string descriptionOf(const ChannelSet& set, Language language);
// "PMR446: at most 0.5 W; channels set to Low power and Narrow"; empty
// when the set has no rules.
std::string rulesText(const ChannelSet& set, const Translate& translate = untranslated());
// The rules into an import's accepted channels.
void applyRules(const Rules& rules, interchange::Import& import);

// A name for a user's set: not empty, at most 40 bytes, no character a file
// system refuses, and not the name of a built-in set. Empty when fine, else why.
std::string checkUserName(const std::string& name, const std::vector<ChannelSet>& sets,
                          const Translate& translate = untranslated());
// <userDir>/<name>.csv
std::string userSetPath(const std::string& userDir, const std::string& name);

} // namespace radio::sets
