#pragma once
// radio-cli commands. Each returns the exit status: 0 success, 1 radio or
// communication failure, 2 usage or bad input.

#include "app/Backups.h"
#include "app/ChannelSets.h"
#include "app/IniFile.h"
#include "model/Image.h"
#include "model/Text.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace CLI {
class App;
class Option;
} // namespace CLI

namespace radio {
class CIniFile;
}

namespace radio::cli {

using Args = std::vector<std::string>; // the arguments after the command name
using Runner = std::function<int()>;

struct Command {
    const char* name;
    const char* synopsis; // one line for the tool's --help
    const char* help;     // what the command does, shown under its usage line
    // Declares the command's arguments and options on `app`, bound to the
    // values the returned runner works with once `app` has parsed them.
    Runner (*declare)(CLI::App& app);
};

// Registered command tables, one per source file.
const std::vector<Command>& fileCommands();   // new, dump, export-csv, import-csv
const std::vector<Command>& linkCommands();   // read, write, ports, virtual-radio
const std::vector<Command>& reportCommands(); // report, options
const std::vector<Command>& diffCommands();   // diff
const std::vector<Command>& cloneCommands();  // clone
const std::vector<Command>& setCommands();    // channel-sets
const std::vector<Command>& textCommands();   // export-text, import-text

// Parses `args` as the command declares them and runs it: its usage (built
// from the declarations) and help for --help, status 2 with one line on
// standard error for bad usage.
int runCommand(const Command& command, const Args& args);

// The options several commands share, declared once here. Each shows in the
// usage in the order it is declared.

// Every positional argument, in order; `shown` is how the usage names them
// ("IN.csv FILE.dat"). The command checks how many it got.
void addArguments(CLI::App& app, std::vector<std::string>& values, const std::string& shown);
// --lang English|Chinese, English unless given.
void addLanguage(CLI::App& app, std::string& language);
// The files and --lang of the commands that show a configuration.
struct ShowArgs {
    std::vector<std::string> files;
    std::string language;
    Language values() const {
        return language == "Chinese" ? Language::Chinese : Language::English;
    }
};
// Declares the files, shown as `shown`, and --lang, for `run`.
Runner declareShow(CLI::App& app, const std::string& shown, int (*run)(const ShowArgs&));

// --port P, required; given more than once, each port in turn.
void addPort(CLI::App& app, std::string& port);
void addPort(CLI::App& app, std::vector<std::string>& ports);
// --factory, --retries N and --trace TRACE.txt of every session with a radio.
void addSessionOptions(CLI::App& app, bool& factory, int& retries, std::string& trace);
// --verify: read the radio back after the write.
void addVerify(CLI::App& app, bool& verify);
// --force: write a configuration the checks refuse.
void addForce(CLI::App& app, bool& force);
// "--name PLACEHOLDER" taking a text.
CLI::Option* addText(CLI::App& app, const std::string& name, std::string& value,
                     const std::string& placeholder);
// "--name PLACEHOLDER" taking a whole number from `low` to `high`, digits only;
// `what` says what else it is ("a block address", ...).
CLI::Option* addNumber(CLI::App& app, const std::string& name, int& value, int low, int high,
                       const std::string& placeholder, const std::string& what);
// A whole number from `low` to `high`, digits only.
bool parseNumber(const std::string& text, int low, int high, int& value);

// The one .dat file of a radio command among `files`: 0 to go on, else the
// exit status.
int oneFile(const std::vector<std::string>& files);

// Reads a configuration file; false with `error` when it cannot.
bool readImage(const std::string& path, Image& image, std::string& error);

// Keeps an image just read from a radio in the per-user backups folder and
// prints where; a failure is reported but does not fail the read.
void keepReadBackup(const Image& image);
// The same without printing: where the backup went, or why it failed.
Result<std::string> keepBackup(const Image& image);

// The settings file to read ("Program.ini" beside the tool, or the user's own
// copy when that one is not writable and the copy exists); empty when the
// tool's own path is unknown. The tool only ever reads it.
std::string settingsFilePath();
// That settings file, read only; null when there is none.
std::unique_ptr<CIniFile> installedSettings();
// The folder of the tool itself; empty when unknown.
std::string programDirectory();
// The built-in channel sets beside the tool and the user's own.
std::vector<sets::ChannelSet> channelSets();

// Loads the settings file (read only); false with `error` when there is none.
bool loadSettings(CIniFile& settings, std::string& error);

// Lines from files for the terminal, control characters escaped: the first
// twenty and how many more (thousands of rejected rows stay readable).
std::string firstPrintableLines(const std::vector<std::string>& lines);

// Reads a configuration to write to radios: exactly 1024 bytes, and every
// value one the editors would accept, else the problems are listed and
// nothing may be written unless `force`. 0 to go on, else the exit status.
int loadForWrite(const std::string& path, bool force, Image& image);

// The tool's messages in `language` ("English" or "Chinese") through the
// catalogue beside the tool; English when it cannot be read.
const Translate& catalogue(const std::string& language);

// Prints "radio-cli: <message>" on standard error and returns 2.
int usageError(const std::string& message);
// The same line without the status; control characters are shown escaped.
void printError(const std::string& message);

// True (with `error` set) when `output` names the same file as `input`, also
// through "./", links or hard links: writing it would destroy the input.
bool refuseSameFile(const std::string& input, const std::string& output, std::string& error);

// A file named on the command line, for checkFiles. `label` is how the user
// named it ("--log"); empty for a positional file.
struct FileArg {
    enum class Use { Read, Replace, Append };
    Use use;
    std::string path; // empty: not given, nothing to check
    std::string label;
};

// The checks every command makes before it touches any file: no output is an
// input or another output (device and inode, through links), and every
// output can be written (files::checkOutput / checkAppend). Nothing is
// created. False with `error` naming the files otherwise.
bool checkFiles(const std::vector<FileArg>& files, std::string& error);

// How long an update waits for another one of the same file.
constexpr int kUpdateWaitMs = 10000;

} // namespace radio::cli
