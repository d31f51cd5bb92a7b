#include "cli/Commands.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace radio::cli {

int usageError(const std::string& message) {
    std::fprintf(stderr, "radio-cli: %s\n", message.c_str());
    return 2;
}

} // namespace radio::cli

namespace {

std::vector<radio::cli::Command> allCommands() {
    std::vector<radio::cli::Command> all;
    for (const auto* table : {&radio::cli::fileCommands(), &radio::cli::linkCommands(),
                              &radio::cli::reportCommands(), &radio::cli::extraCommands()})
        all.insert(all.end(), table->begin(), table->end());
    return all;
}

void printHelp(const std::vector<radio::cli::Command>& commands) {
    std::printf("Usage: radio-cli COMMAND [ARGS...]\n\n"
                "Reads, writes, converts and prints 16-channel radio configurations (.dat).\n\n"
                "Commands:\n");
    for (const auto& c : commands)
        std::printf("  %s\n", c.synopsis);
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
