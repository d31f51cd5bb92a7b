// What installation adds around radio-cli: the manual page and the bash
// completion name exactly the commands and options of `radio-cli --help` and
// of what each command declares (the usage line of `radio-cli COMMAND --help`),
// and an installed tool reads the user's own settings copy where the
// system's file cannot be written.

#include "model/FileLayouts.h"
#include "model/Image.h"
#include "model/MemoryMap.h"

#include "CliFixture.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace fs = std::filesystem;
using namespace radio;
using clitest::CliResult;
using clitest::quoted;
using clitest::slurp;

namespace {

using Options = std::set<std::string>;
using CommandOptions = std::map<std::string, Options>; // command -> its --options

Options optionsIn(const std::string& text) {
    Options found;
    static const std::regex option("--[a-z][a-z-]*");
    for (std::sregex_iterator it(text.begin(), text.end(), option), end; it != end; ++it) {
        if (it->str() != "--help")
            found.insert(it->str());
    }
    return found;
}

// "  name ARGS...  what it does" lines of the Commands: block; a usage too
// long for its column continues with the description on an indented line.
CommandOptions fromHelp(const std::string& help) {
    CommandOptions commands;
    std::istringstream in(help);
    std::string line;
    bool inCommands = false;
    static const std::regex entry("^  ([a-z][a-z-]*)( .*)?$");
    while (std::getline(in, line)) {
        if (line == "Commands:") {
            inCommands = true;
            continue;
        }
        if (inCommands && line.empty())
            break;
        std::smatch m;
        if (inCommands && std::regex_match(line, m, entry))
            commands[m[1]] = optionsIn(m[2]);
    }
    return commands;
}

// Roff without its font changes and escaped hyphens.
std::string plainRoff(std::string s) {
    s = std::regex_replace(s, std::regex(R"(\\f[BIRP])"), "");
    return std::regex_replace(s, std::regex(R"(\\-)"), "-");
}

// The ".TP" entries of the COMMANDS section: the tag line names the command
// and shows its options.
CommandOptions fromManPage(const std::string& page) {
    CommandOptions commands;
    std::istringstream in(page);
    std::string line;
    bool inCommands = false;
    bool tagNext = false;
    while (std::getline(in, line)) {
        if (line.rfind(".SH", 0) == 0) {
            inCommands = line == ".SH COMMANDS";
            continue;
        }
        if (!inCommands)
            continue;
        if (line == ".TP") {
            tagNext = true;
            continue;
        }
        if (tagNext) {
            tagNext = false;
            const std::string plain = plainRoff(line);
            commands[plain.substr(0, plain.find(' '))] = optionsIn(plain);
        }
    }
    return commands;
}

// The `commands="..."` list and the `name) options="..." ;;` branches.
CommandOptions fromCompletion(const std::string& script, std::set<std::string>& listed) {
    std::smatch m;
    if (std::regex_search(script, m, std::regex("commands=\"([^\"]*)\""))) {
        std::istringstream words(m[1].str());
        for (std::string w; words >> w;)
            listed.insert(w);
    }
    CommandOptions commands;
    static const std::regex branch(R"re(\n\s*([a-z][a-z-]*)\) options="([^"]*)")re");
    for (std::sregex_iterator it(script.begin(), script.end(), branch), end; it != end; ++it)
        commands[(*it)[1]] = optionsIn((*it)[2]);
    return commands;
}

class InstallDocs : public clitest::CliTest {
protected:
    InstallDocs() : CliTest("radio_cli_install_", clitest::kTwoModelSettings) {}

    CommandOptions help() {
        const CliResult r = run({"--help"});
        EXPECT_EQ(r.status, 0) << r.err;
        const CommandOptions commands = fromHelp(r.out);
        EXPECT_GE(commands.size(), 10u) << r.out; // the parse itself found the block
        return commands;
    }

    // What each command declares: the options of the usage lines its own
    // --help builds from the declarations.
    CommandOptions declared(const CommandOptions& commands) {
        CommandOptions result;
        for (const auto& entry : commands) {
            const CliResult r = run({entry.first, "--help"});
            EXPECT_EQ(r.status, 0) << entry.first << ": " << r.err;
            EXPECT_EQ(r.out.rfind("Usage: radio-cli " + entry.first, 0), 0u) << r.out;
            result[entry.first] = optionsIn(r.out.substr(0, r.out.find("\n\n")));
        }
        return result;
    }

    // Same commands both ways, and every
    // option the tool's synopsis shows is documented for its command.
    static void expectMatches(const CommandOptions& tool, const CommandOptions& documented,
                              const char* what) {
        for (const auto& [name, options] : tool) {
            const auto doc = documented.find(name);
            if (doc == documented.end()) {
                ADD_FAILURE() << what << " lacks the command " << name;
                continue;
            }
            for (const std::string& o : options)
                EXPECT_TRUE(doc->second.count(o)) << what << ": " << name << " lacks " << o;
        }
        for (const auto& [name, options] : documented) {
            EXPECT_TRUE(tool.count(name))
                << what << " names " << name << ", which radio-cli --help does not list";
        }
    }
};

Image imageWithBand(int band) {
    Image img = newDocumentImage();
    mm::set(img, mm::ModelType, 0);
    mm::set(img, mm::BandIndex, static_cast<std::uint8_t>(band));
    return img;
}

} // namespace

TEST_F(InstallDocs, ManualPageListsTheCommandsOfHelp) {
    const CommandOptions page =
        fromManPage(slurp(fs::path(TEST_SOURCE_DIR) / "res" / "man" / "radio-cli.1"));
    expectMatches(help(), page, "radio-cli.1");
    // The entries carry their options, or the comparison above would prove nothing.
    ASSERT_TRUE(page.count("read"));
    EXPECT_EQ(page.at("read"), (Options{"--port", "--factory", "--retries"}));
}

TEST_F(InstallDocs, CompletionOffersTheCommandsAndOptionsOfHelp) {
    std::set<std::string> listed;
    const CommandOptions branches = fromCompletion(
        slurp(fs::path(TEST_SOURCE_DIR) / "res" / "completion" / "radio-cli"), listed);
    const CommandOptions tool = help();
    expectMatches(tool, branches, "completion options");
    CommandOptions listedOnly;
    for (const std::string& name : listed)
        listedOnly[name] = {};
    CommandOptions toolNames;
    for (const auto& entry : tool)
        toolNames[entry.first] = {};
    expectMatches(toolNames, listedOnly, "completion command list");
}

TEST_F(InstallDocs, DeclaredOptionsAreTheOnesHelpManualAndCompletionName) {
    const CommandOptions tool = help();
    const CommandOptions options = declared(tool);
    // The usage is built from the declarations, or this would prove nothing.
    ASSERT_TRUE(options.count("clone"));
    EXPECT_EQ(options.at("clone"), (Options{"--port", "--factory", "--retries", "--trace",
                                            "--verify", "--backup", "--log", "--force"}));
    // The overview, the manual and the completion offer nothing a command does
    // not take, and the completion offers all it takes.
    expectMatches(tool, options, "declarations");
    expectMatches(fromManPage(slurp(fs::path(TEST_SOURCE_DIR) / "res" / "man" / "radio-cli.1")),
                  options, "declarations");
    std::set<std::string> listed;
    const CommandOptions branches = fromCompletion(
        slurp(fs::path(TEST_SOURCE_DIR) / "res" / "completion" / "radio-cli"), listed);
    expectMatches(options, branches, "completion options");
    expectMatches(branches, options, "declarations");
}

TEST_F(InstallDocs, VersionNamesTheLicence) {
    const CliResult r = run({"--version"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("radio-cli 1.", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("GNU GPL version 3 or later"), std::string::npos) << r.out;
}

TEST_F(InstallDocs, ParsersSeeAMissingCommandOrOption) {
    // The comparisons must be able to fail: a page without "ports" and a
    // "write" without --verify are caught.
    const std::string page = ".SH COMMANDS\n.TP\n\\fBwrite\\fR \\fB\\-\\-port\\fR \\fIP\\fR\n"
                             "Writes.\n.SH EXIT STATUS\n.TP\n.B 0\n";
    const CommandOptions parsed = fromManPage(page);
    EXPECT_EQ(parsed, (CommandOptions{{"write", {"--port"}}}));
    EXPECT_NONFATAL_FAILURE(expectMatches({{"ports", {}}, {"write", {"--port"}}}, parsed, "page"),
                            "lacks the command ports");
    EXPECT_NONFATAL_FAILURE(expectMatches({{"write", {"--port", "--verify"}}}, parsed, "page"),
                            "write lacks --verify");
    EXPECT_NONFATAL_FAILURE(expectMatches({}, {{"erase", {}}}, "page"), "names erase");
}

TEST_F(InstallDocs, ReadOnlySettingsGiveWayToTheUsersCopy) {
    ASSERT_TRUE(saveDat(path("a.dat"), imageWithBand(0)).ok());
    ASSERT_TRUE(saveDat(path("b.dat"), imageWithBand(1)).ok());
    // AppName=Test names the per-user folder.
    const fs::path copy = dir / "config" / "Test" / "Program.ini";
    fs::create_directories(copy.parent_path());
    clitest::spit(copy, "[Setup]\nLanguage=English\nAppName=Test\nType1=M1\n"
                        "Field1=136-174|400-420\n");
    const std::string diff = "XDG_CONFIG_HOME=" + quoted((dir / "config").string()) + " " +
                             quoted(cli.string()) + " diff " + quoted(path("a.dat")) + " " +
                             quoted(path("b.dat"));

    // Writable beside the tool: that file, as always.
    CliResult r = shell(diff);
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.out.find("Frequency: 400-470 -> 450-470"), std::string::npos) << r.out;

    const auto noWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(dir / "Program.ini", noWrite, fs::perm_options::remove);
    r = shell(diff);
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.out.find("Frequency: 136-174 -> 400-420"), std::string::npos) << r.out;

    // Without a copy the installed file still serves.
    fs::remove(copy);
    r = shell(diff);
    EXPECT_NE(r.out.find("Frequency: 400-470 -> 450-470"), std::string::npos) << r.out;
    EXPECT_FALSE(fs::exists(copy)); // the tool only reads
}

// The file layouts are named as the core lists them wherever --format is
// offered: the help, the completion's choices and the manual page.
TEST_F(InstallDocs, FormatChoicesAreTheFileLayouts) {
    const std::string bar = layouts::names("|");
    for (const char* command : {"export-csv", "import-csv"}) {
        const CliResult r = run({command, "--help"});
        EXPECT_NE(r.out.find("[--format " + bar + "]"), std::string::npos) << r.out;
    }
    const std::string page =
        plainRoff(slurp(fs::path(TEST_SOURCE_DIR) / "res" / "man" / "radio-cli.1"));
    EXPECT_NE(page.find("[--format " + bar + "]"), std::string::npos);
    const std::string completion =
        slurp(fs::path(TEST_SOURCE_DIR) / "res" / "completion" / "radio-cli");
    EXPECT_NE(completion.find("compgen -W \"" + layouts::names(" ") + "\""), std::string::npos);
    const CliResult bad = run({"export-csv", path("a.dat"), path("a.csv"), "--format", "xml"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("(" + layouts::names(" or ") + ")"), std::string::npos) << bad.err;
}
