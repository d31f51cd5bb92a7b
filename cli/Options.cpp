// How radio-cli reads a command line: each command declares its arguments and
// options once, on a CLI11 parser; the options several commands share, the
// usage line built from the declarations and the one form of every usage
// error live here.

#include "cli/Commands.h"
#include "model/Image.h"

#include <CLI/CLI.hpp>

#include <cstdio>

namespace radio::cli {

bool parseNumber(const std::string& text, int low, int high, int& value) {
    if (text.empty() || text.size() > 6)
        return false;
    int v = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
    }
    if (v < low || v > high)
        return false;
    value = v;
    return true;
}

void addArguments(CLI::App& app, std::vector<std::string>& values, const std::string& shown) {
    app.add_option("arguments", values)
        ->description(shown)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
}

void addLanguage(CLI::App& app, std::string& language) {
    language = "English";
    app.add_option("--lang", language)
        ->type_name("English|Chinese")
        ->check([](const std::string& value) {
            return value == "English" || value == "Chinese"
                       ? std::string()
                       : "unknown language '" + value + "' (English or Chinese)";
        });
}

Runner declareShow(CLI::App& app, const std::string& shown, int (*run)(const ShowArgs&)) {
    auto p = std::make_shared<ShowArgs>();
    addArguments(app, p->files, shown);
    addLanguage(app, p->language);
    return [p, run] { return run(*p); };
}

namespace {

std::string portName(const std::string& value) {
    return value.empty() ? "needs a port name" : "";
}

} // namespace

void addPort(CLI::App& app, std::string& port) {
    app.add_option("--port", port)->type_name("P")->required()->check(portName);
}

void addPort(CLI::App& app, std::vector<std::string>& ports) {
    app.add_option("--port", ports)
        ->type_name("P")
        ->required()
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->allow_extra_args(false) // one port each time: "--port A FILE.dat" is no second port
        ->check(portName);
}

void addSessionOptions(CLI::App& app, bool& factory, int& retries, std::string& trace) {
    app.add_flag("--factory", factory);
    addNumber(app, "--retries", retries, 0, 1000, "N", "a whole number");
    addText(app, "--trace", trace, "TRACE.txt");
}

void addVerify(CLI::App& app, bool& verify) {
    app.add_flag("--verify", verify);
}

void addForce(CLI::App& app, bool& force) {
    app.add_flag("--force", force);
}

CLI::Option* addText(CLI::App& app, const std::string& name, std::string& value,
                     const std::string& placeholder) {
    return app.add_option(name, value)->type_name(placeholder);
}

CLI::Option* addNumber(CLI::App& app, const std::string& name, int& value, int low, int high,
                       const std::string& placeholder, const std::string& what) {
    // Checked as text before CLI11 converts it: "+5", "0x10" and "1e3" are no numbers here.
    return app.add_option(name, value)
        ->type_name(placeholder)
        ->check([low, high, what](const std::string& text) {
            int unused = 0;
            return parseNumber(text, low, high, unused)
                       ? std::string()
                       : "'" + text + "' is not " + what + " from " + std::to_string(low) + " to " +
                             std::to_string(high);
        });
}

int oneFile(const std::vector<std::string>& files) {
    if (files.empty())
        return usageError("missing the .dat file");
    if (files.size() > 1)
        return usageError("unexpected argument '" + files[1] + "'");
    return 0;
}

bool readImage(const std::string& path, Image& image, std::string& error) {
    const Result<void> r = loadDat(path, image);
    if (!r)
        error = failureText(r.failure(), untranslated());
    return r.ok();
}

namespace {

// A parser for one command, with its declarations. Given twice, an option's
// last value counts, as scripts that append an override expect.
struct Parser {
    explicit Parser(const Command& command) : app("", std::string("radio-cli ") + command.name) {
        app.set_help_flag(); // --help is answered before parsing
        app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
        run = command.declare(app);
    }
    CLI::App app;
    Runner run;
};

// One line for every kind of usage error; CLI11's own wording only where it
// is already plain.
std::string describe(const CLI::ParseError& e, const CLI::App& app) {
    const std::string what = e.what();
    if (dynamic_cast<const CLI::ExtrasError*>(&e)) {
        // Every positional argument has its place, so an extra one is an
        // option nobody declared, or an argument of a command that takes none.
        const std::vector<std::string> extras = app.remaining();
        const std::string first = extras.empty() ? what : extras.front();
        return (first.size() > 1 && first[0] == '-' ? "unknown option '"
                                                    : "unexpected argument '") +
               first + "'";
    }
    const std::string missing = " missing";
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&e) && what.size() > missing.size() &&
        what.compare(what.size() - missing.size(), missing.size(), missing) == 0)
        return "option '" + what.substr(0, what.find(':')) + "' needs a value";
    return what;
}

// "Usage: radio-cli NAME ..." built from what the command declares.
std::string usageOf(const Command& command) {
    Parser parser(command);
    std::vector<std::string> words;
    for (const CLI::Option* o : parser.app.get_options()) {
        if (o->get_group().empty())
            continue; // hidden: declared only to explain why it does not apply
        if (o->get_positional()) {
            words.push_back(o->get_description());
            continue;
        }
        std::string word = o->get_name();
        if (o->get_items_expected_max() != 0)
            word += " " + o->get_type_name();
        if (o->get_multi_option_policy() == CLI::MultiOptionPolicy::TakeAll)
            word += o->get_required() ? " [" + word + " ...]" : " ...";
        words.push_back(o->get_required() ? word : "[" + word + "]");
    }
    // Wrapped under the command's name, inside 80 columns.
    const std::string lead = std::string("Usage: radio-cli ") + command.name;
    std::string usage = lead;
    std::size_t column = usage.size();
    for (const std::string& w : words) {
        if (column + 1 + w.size() > 79) {
            usage += "\n" + std::string(lead.size(), ' ');
            column = lead.size();
        }
        usage += " " + w;
        column += 1 + w.size();
    }
    return usage;
}

} // namespace

int runCommand(const Command& command, const Args& args) {
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            std::printf("%s\n\n%s\n", usageOf(command).c_str(), command.help);
            return 0;
        }
    }
    Parser parser(command);
    // CLI11 takes the arguments last first.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        parser.app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        return usageError(describe(e, parser.app));
    }
    return parser.run();
}

} // namespace radio::cli
