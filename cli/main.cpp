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

bool checkFiles(const std::vector<FileArg>& files, std::string& error) {
    using Use = FileArg::Use;
    const auto named = [](const FileArg& f) {
        return files::quoted(f.path, 4096) + (f.label.empty() ? "" : " (" + f.label + ")");
    };
    for (std::size_t i = 0; i < files.size(); ++i) {
        const FileArg& out = files[i];
        if (out.use == Use::Read || out.path.empty())
            continue;
        for (std::size_t k = 0; k < files.size(); ++k) {
            const FileArg& other = files[k];
            if (k == i || other.path.empty())
                continue;
            if (other.use == Use::Read && refuseSameFile(other.path, out.path, error))
                return false;
            if (other.use != Use::Read && k > i && files::sameFile(out.path, other.path)) {
                error = "the outputs " + named(out) + " and " + named(other) +
                        " are the same file; give each its own";
                return false;
            }
        }
    }
    for (const FileArg& f : files) {
        if (f.use == Use::Read || f.path.empty())
            continue;
        const files::Result r =
            f.use == Use::Append ? files::checkAppend(f.path) : files::checkOutput(f.path);
        if (!r.ok) {
            error = r.error;
            return false;
        }
    }
    return true;
}

} // namespace radio::cli

namespace {

std::vector<radio::cli::Command> allCommands() {
    std::vector<radio::cli::Command> all;
    for (const auto* table :
         {&radio::cli::fileCommands(), &radio::cli::linkCommands(), &radio::cli::reportCommands(),
          &radio::cli::diffCommands(), &radio::cli::cloneCommands(), &radio::cli::setCommands(),
          &radio::cli::textCommands()})
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
    std::printf("\nradio-cli COMMAND --help describes one command; radio-cli --version shows\n"
                "the version and the licence.\n"
                "Exit status: 0 success, 1 radio or communication failure, 2 usage or bad "
                "input.\n");
}

void printVersion() {
    std::printf("radio-cli %s\n"
                "Copyright (C) 2026 Radio Programmer developers\n"
                "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
                "This is free software: you are free to change and redistribute it.\n"
                "There is NO WARRANTY, to the extent permitted by law.\n",
                RADIO_VERSION);
}

} // namespace

int main(int argc, char** argv) {
    const auto commands = allCommands();
    if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
        printHelp(commands);
        return argc < 2 ? 2 : 0;
    }
    if (!std::strcmp(argv[1], "--version")) {
        printVersion();
        return 0;
    }
    // Ctrl+C or a kill in the middle of a write leaves no temporary file;
    // commands that handle the signals themselves install their own.
    radio::files::removeTemporaryOnSignals();
    const std::string name = argv[1];
    radio::cli::Args args(argv + 2, argv + argc);
    for (const auto& c : commands) {
        if (name == c.name)
            return radio::cli::runCommand(c, args);
    }
    return radio::cli::usageError("unknown command '" + name + "' (see radio-cli --help)");
}
