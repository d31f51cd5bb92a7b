// Channel sets in radio-cli: the list of the standard sets and the user's own.
// Filling channels from one is import-csv --set.

#include "cli/Commands.h"
#include "model/SafeFile.h"

#include <cstdio>

namespace radio::cli {

std::vector<sets::ChannelSet> channelSets() {
    const std::string dir = programDirectory();
    const auto settings = installedSettings();
    return sets::listSets(dir.empty() ? std::string() : sets::builtInFolder(dir),
                          sets::userFolder(settings.get()));
}

namespace {

int runChannelSets() {
    std::string out;
    for (const auto& set : channelSets()) {
        if (!set.error.empty())
            printError(set.path + ": " + set.error);
        out += files::printable(set.name, 80) + '\t' +
               files::printable(sets::titleOf(set, Language::English), 200) + '\t' +
               std::to_string(set.channels) + '\t' + sets::bandText(set) + '\t' + set.path + '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

Runner declareChannelSets(CLI::App&) {
    return runChannelSets;
}

} // namespace

const std::vector<Command>& setCommands() {
    static const std::vector<Command> commands = {
        {"channel-sets", "channel-sets                     list the channel sets",
         "Lists the standard channel sets installed with the program (PMR446,\n"
         "CN409, FRS, LPD433) and the user's own sets, one line each:\n"
         "  NAME<TAB>TITLE<TAB>CHANNELS<TAB>BAND<TAB>FILE\n"
         "The user's sets are the .csv files (interchange layout) in\n"
         "<per-user data>/<AppName>/channel-sets, named after their files.\n"
         "radio-cli import-csv --set NAME FILE.dat fills channels from one.",
         declareChannelSets},
    };
    return commands;
}

} // namespace radio::cli
