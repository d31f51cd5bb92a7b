#include "cli/Commands.h"
#include "model/SafeFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace radio::cli {

int usageError(const std::string& message) {
    printError(message);
    return 2;
}

void printError(const std::string& message) {
    // Messages carry names and text from files: nothing in them may drive the terminal.
    std::fprintf(stderr, "radio-cli: %s\n", files::printable(message, std::string::npos).c_str());
}

bool refuseSameFile(const std::string& input, const std::string& output, std::string& error) {
    if (!files::sameFile(input, output))
        return false;
    error = "the output " + files::quoted(output, 4096) + " is the input " +
            files::quoted(input, 4096) + "; give another output file";
    return true;
}

} // namespace radio::cli

namespace {

std::vector<radio::cli::Command> allCommands() {
    std::vector<radio::cli::Command> all;
    for (const auto* table :
         {&radio::cli::fileCommands(), &radio::cli::linkCommands(), &radio::cli::reportCommands(),
          &radio::cli::extraCommands(), &radio::cli::cloneCommands(), &radio::cli::setCommands()})
        all.insert(all.end(), table->begin(), table->end());
    return all;
}

void printHelp(const std::vector<radio::cli::Command>& commands) {
    std::printf("Usage: radio-cli COMMAND [ARGS...]\n\n"
                "Reads, writes, converts and prints 16-channel radio configurations (.dat).\n\n"
                "Commands:\n");
    // Synopses are "usage  description"; align the descriptions in one column.
    std::vector<std::pair<std::string, std::string>> rows;
    std::size_t width = 0;
    for (const auto& c : commands) {
        const std::string text = c.synopsis;
        const auto gap = text.find("  ");
        std::string usage = text.substr(0, gap);
        std::string what;
        if (gap != std::string::npos)
            what = text.substr(text.find_first_not_of(' ', gap));
        width = std::max(width, usage.size());
        rows.emplace_back(std::move(usage), std::move(what));
    }
    // Long usages would push the descriptions off an 80-column terminal.
    width = std::min<std::size_t>(width, 46);
    for (const auto& [usage, what] : rows) {
        if (usage.size() <= width)
            std::printf("  %-*s  %s\n", int(width), usage.c_str(), what.c_str());
        else
            std::printf("  %s\n  %-*s  %s\n", usage.c_str(), int(width), "", what.c_str());
    }
    std::printf("\nradio-cli COMMAND --help describes one command.\n"
                "Exit status: 0 success, 1 radio or communication failure, 2 usage or bad "
                "input.\n");
}

} // namespace

int main(int argc, char** argv) {
    const auto commands = allCommands();
    if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
        printHelp(commands);
        return argc < 2 ? 2 : 0;
    }
    const std::string name = argv[1];
    radio::cli::Args args(argv + 2, argv + argc);
    for (const auto& c : commands) {
        if (name != c.name)
            continue;
        for (const auto& a : args) {
            if (a == "--help" || a == "-h") {
                std::printf("%s\n", c.help);
                return 0;
            }
        }
        return c.run(args);
    }
    return radio::cli::usageError("unknown command '" + name + "' (see radio-cli --help)");
}
