// radio-cli clone: one configuration written to the radios on several ports
// at once, with backups, read-back checks, a programming record and a trace.

#include "cli/Commands.h"
#include "cli/qt/Application.h"
#include "link/Fleet.h"
#include "link/ProgrammingRecord.h"
#include "link/Tracing.h"
#include "link/qt/SerialFleetHooks.h"
#include "model/Image.h"
#include "model/SafeFile.h"

#include <CLI/CLI.hpp>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace radio::cli {

namespace {

std::atomic<bool> g_cloneInterrupted{false};

extern "C" void onCloneSignal(int) {
    g_cloneInterrupted = true;
}

struct CloneOptions {
    std::vector<std::string> files;
    std::vector<std::string> ports;
    link::FleetOptions fleet;
    std::string log;
    std::string trace;
    bool force = false; // write values the editors would refuse
};

class CliHooks : public link::SerialFleetHooks {
public:
    explicit CliHooks(bool plainLines) : m_plainLines(plainLines) {}

    void phaseChanged(const link::RadioProgress& p) override {
        if (m_plainLines)
            std::fprintf(stderr, "%s: %s\n", p.port.c_str(), link::phaseText(p.phase));
    }

protected:
    Result<std::string> backupImage(const Image& image) override { return cli::keepBackup(image); }

private:
    bool m_plainLines;
};

// One line per port, redrawn in place.
class ProgressLines {
public:
    void draw(const std::vector<link::RadioProgress>& progress) {
        if (m_drawn)
            std::fprintf(stderr, "\033[%zuA", progress.size());
        std::size_t width = 0;
        for (const auto& p : progress)
            width = std::max(width, p.port.size());
        for (const auto& p : progress) {
            constexpr int kWidth = 30;
            const int filled = p.maximum > 0 ? p.position * kWidth / p.maximum : 0;
            std::fprintf(stderr, "\r\033[K%-*s %-15s [%s%s] %d/%d\n", int(width), p.port.c_str(),
                         link::phaseText(p.phase), std::string(std::size_t(filled), '#').c_str(),
                         std::string(std::size_t(kWidth - filled), '-').c_str(), p.position,
                         p.maximum);
        }
        std::fflush(stderr);
        m_drawn = true;
    }

private:
    bool m_drawn = false;
};

int runClone(CloneOptions& o) {
    if (const int status = oneFile(o.files))
        return status;
    const std::string& file = o.files[0];
    std::string error;
    const std::string twice = link::duplicatePort(o.ports);
    if (!twice.empty())
        return usageError("port \"" + twice + "\" is given twice");
    Image image;
    // Before any radio is touched, and before either file is created.
    if (!checkFiles({{FileArg::Use::Read, file, {}},
                     {FileArg::Use::Append, o.log, "--log"},
                     {FileArg::Use::Append, o.trace, "--trace"}},
                    error))
        return usageError(error);
    if (const int status = loadForWrite(file, o.force, image))
        return status;
    o.fleet.configuration = std::filesystem::path(file).filename().string();

    const auto app = ensureApplication();
    g_cloneInterrupted = false;
    std::signal(SIGINT, onCloneSignal);
    std::signal(SIGTERM, onCloneSignal);

    const bool terminal = stderrIsTerminal();
    CliHooks hooks(!terminal);
    link::SystemClock clock;
    std::unique_ptr<link::TraceLog> trace;
    if (!o.trace.empty())
        trace = std::make_unique<link::TraceLog>(o.trace);
    std::unique_ptr<link::RecordWriter> record;
    if (!o.log.empty())
        record = std::make_unique<link::RecordWriter>(o.log);

    link::FleetProgrammer fleet(o.ports, image, o.fleet, hooks, clock, trace.get(), record.get());
    ProgressLines lines;
    fleet.start();
    while (!fleet.done()) {
        if (g_cloneInterrupted && !fleet.isCancelled())
            fleet.cancel();
        if (terminal)
            lines.draw(fleet.progress());
        std::this_thread::sleep_for(std::chrono::milliseconds(terminal ? 100 : 20));
    }
    const std::vector<link::RadioOutcome> outcomes = fleet.wait();
    if (terminal)
        lines.draw(fleet.progress());
    const bool cancelled = fleet.isCancelled();

    bool ok = !cancelled;
    for (const link::RadioOutcome& r : outcomes) {
        std::printf("%s: %s, %.1f s, verified: %s, backup: %s\n", r.port.c_str(),
                    r.programmed ? "programmed" : ("failed: " + r.reason()).c_str(), r.seconds,
                    r.verified.c_str(), r.backup.empty() ? "-" : r.backup.c_str());
        ok = ok && r.programmed;
        if (r.recordError) {
            std::fprintf(stderr, "radio-cli: %s\n",
                         failureText(*r.recordError, untranslated()).c_str());
            ok = false;
        }
    }
    std::printf("%s\n", link::fleetSummary(outcomes, cancelled).c_str());
    std::fflush(stdout);
    if (trace) {
        if (const Result<void> flushed = trace->flush(); !flushed) {
            std::fprintf(stderr, "radio-cli: %s\n",
                         failureText(flushed.failure(), untranslated()).c_str());
            ok = false;
        }
    }
    return ok ? 0 : 1;
}

Runner declareClone(CLI::App& app) {
    auto o = std::make_shared<CloneOptions>();
    addArguments(app, o->files, "FILE.dat");
    addPort(app, o->ports);
    addSessionOptions(app, o->fleet.factory, o->fleet.retries, o->trace);
    addVerify(app, o->fleet.verify);
    app.add_flag("--backup", o->fleet.backup);
    addText(app, "--log", o->log, "LOG.csv");
    addForce(app, o->force);
    return [o] { return runClone(*o); };
}

} // namespace

const std::vector<Command>& cloneCommands() {
    static const std::vector<Command> commands = {
        {"clone",
         "clone FILE.dat --port P [--port P ...] [--verify] [--backup] [--log LOG.csv]  write "
         "many radios at once",
         "Writes FILE.dat to the radios on all given ports at the same time, one complete\n"
         "write session per port, exactly as `write` does; nothing is asked: a failed\n"
         "handshake is retried N times (default 2) and then counts as failed.\n"
         "FILE.dat is checked first as `write` checks it: with a problem no radio is\n"
         "written (exit status 2) unless --force is given.\n"
         "  --factory  also writes the calibration bytes.\n"
         "  --backup   first reads each radio and keeps its memory in the backups folder\n"
         "             (as `read` does); a radio whose backup fails is not written.\n"
         "  --verify   reads each radio back and compares the written bytes.\n"
         "  --log      appends one row per radio to LOG.csv (a header row when the file is\n"
         "             new): date and time, port, the radio's identification reply (hex\n"
         "             and text), configuration file, CRC-32 of the written bytes, result,\n"
         "             verified (yes/no/-) and backup file. Earlier rows are never changed.\n"
         "  --trace    appends a time-stamped log of every byte sent and received, every\n"
         "             purge, time-out, retry and result to TRACE.txt: one file for all\n"
         "             ports, each line naming its port.\n"
         "A terminal shows one progress line per port; otherwise a line per phase change.\n"
         "The end shows one line per radio and a summary, such as\n"
         "\"4 of 5 radios programmed; COM3 failed: Program Interrupt\".\n"
         "Ctrl+C cancels every port. The same port may not be given twice.\n"
         "Exit status: 0 every radio programmed, 1 any radio failed or cancelled,\n"
         "2 usage or bad input.",
         declareClone},
    };
    return commands;
}

} // namespace radio::cli
