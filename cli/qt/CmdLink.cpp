// Radio link commands of radio-cli: read (and the backup of what it reads),
// write, ports, virtual-radio.

#include "cli/Commands.h"
#include "cli/qt/Application.h"
#include "link/Tracing.h"
#include "link/Transfer.h"
#include "link/Verify.h"
#include "link/VirtualRadio.h"
#include "link/qt/PortFactory.h"
#include "link/qt/PtyServer.h"
#include "model/Image.h"
#include "model/StringTable.h"

#include <QSerialPortInfo>

#include <CLI/CLI.hpp>

#include <array>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace radio::cli {

namespace {

std::atomic<bool> g_interrupted{false};

extern "C" void onSignal(int) {
    g_interrupted = true;
}

void catchInterrupts() {
    g_interrupted = false;
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
}

struct Options {
    std::vector<std::string> files;
    std::string file; // the one of `files` a read or write takes
    std::string port;
    bool factory = false;
    bool verify = false;
    bool force = false; // write values the editors would refuse
    int retries = 2;
    std::string trace; // --trace FILE: the communication log
};

// What read and write share; `shown` names the file in the usage.
std::shared_ptr<Options> declareTransfer(CLI::App& app, const std::string& shown) {
    auto o = std::make_shared<Options>();
    addPort(app, o->port);
    addArguments(app, o->files, shown);
    addSessionOptions(app, o->factory, o->retries, o->trace);
    return o;
}

// Takes the one .dat file of a read or a write; 0 to go on, else the exit status.
int takeFile(Options& o) {
    const int status = oneFile(o.files);
    if (status == 0)
        o.file = o.files[0];
    return status;
}

// The transfer's sink on a terminal: a progress bar, non-interactive answers.
class TerminalSink : public link::TransferSink {
public:
    TerminalSink(const char* verb, int retries)
        : m_verb(verb), m_retriesLeft(retries), m_bar(stderrIsTerminal()) {}
    ~TerminalSink() override { endBar(); }

    void setRange(int maximum) override {
        m_max = maximum;
        m_pos = 0;
        draw();
    }
    void step() override { ++m_pos; }
    int position() const override { return m_pos; }
    void setText(const std::string&) override { draw(); }
    void pump() override {}
    bool cancelled() const override { return g_interrupted.load(); }
    Answer askRetry(int stringId) override {
        endBar();
        if (m_retriesLeft <= 0)
            return Answer::Cancel;
        --m_retriesLeft;
        std::fprintf(stderr, "radio-cli: %s; retrying\n", englishString(stringId));
        return Answer::Retry;
    }
    void showMessage(int, const std::string&) override { endBar(); }

private:
    void draw() {
        if (!m_bar || m_max <= 0)
            return;
        constexpr int kWidth = 40;
        const int filled = m_pos * kWidth / m_max;
        std::fprintf(stderr, "\r%s [%s%s] %d/%d", m_verb,
                     std::string(std::size_t(filled), '#').c_str(),
                     std::string(std::size_t(kWidth - filled), '-').c_str(), m_pos, m_max);
        std::fflush(stderr);
        m_drawn = true;
    }
    void endBar() {
        if (m_drawn)
            std::fputc('\n', stderr);
        m_drawn = false;
    }

    const char* m_verb;
    int m_retriesLeft;
    bool m_bar;
    bool m_drawn = false;
    int m_max = 0;
    int m_pos = 0;
};

// Writes out the trace so far; a log that cannot be written is said, and
// what the radio did stands.
void flushTrace(link::TraceLog& trace) {
    if (const Result<void> flushed = trace.flush(); !flushed)
        printError(failureText(flushed.failure(), untranslated()));
}

// A session through the trace decorators when --trace was given.
link::TransferResult traced(link::TraceLog* trace, const std::string& portName,
                            link::Direction direction, bool factory, link::Port& port,
                            link::TransferSink& sink, Image& image) {
    link::SystemClock clock;
    if (!trace)
        return link::runTransfer({portName, direction, factory}, port, clock, sink, image);
    link::TracingPort tracingPort(port, *trace, portName);
    link::TracingSink tracingSink(sink, *trace, portName);
    const link::TransferResult r =
        link::runTransfer({portName, direction, factory}, tracingPort, clock, tracingSink, image);
    trace->event(portName, "result: " + link::resultText(r));
    flushTrace(*trace);
    return r;
}

// The trace file (checked with the other files); null without --trace.
std::unique_ptr<link::TraceLog> openTrace(const std::string& path) {
    return path.empty() ? nullptr : std::make_unique<link::TraceLog>(path);
}

// Reports how a transfer ended; returns the exit status.
int report(const link::TransferResult& r, int retries) {
    switch (r.status) {
    case link::TransferStatus::Success:
        return 0;
    case link::TransferStatus::OpenFailed:
        std::fprintf(stderr, "radio-cli: %s\n", englishString(r.messageId));
        if (!r.detail.empty())
            std::fprintf(stderr, "radio-cli: %s\n", r.detail.c_str());
        return 1;
    case link::TransferStatus::CommError:
        std::fprintf(stderr, "radio-cli: %s (no answer after %d %s)\n", englishString(r.messageId),
                     retries + 1, retries == 0 ? "attempt" : "attempts");
        return 1;
    case link::TransferStatus::Interrupted:
        std::fprintf(stderr, "radio-cli: %s (after %d blocks)\n", englishString(r.messageId),
                     r.blocksDone);
        return 1;
    case link::TransferStatus::Cancelled:
        std::fprintf(stderr, "radio-cli: cancelled after %d blocks\n", r.blocksDone);
        return 1;
    }
    return 1;
}

int runRead(Options& o) {
    if (const int status = takeFile(o))
        return status;
    std::string error;
    if (o.verify)
        return usageError("--verify checks a write; a read has nothing to compare");
    if (o.force)
        return usageError("--force writes a configuration the checks refuse; a read writes none");
    namespace fs = std::filesystem;
    const fs::path parent = fs::path(o.file).parent_path();
    std::error_code ec;
    if (!parent.empty() && !fs::is_directory(parent, ec))
        return usageError("cannot write \"" + o.file + "\": no such directory");
    // Refused before the radio is read, not after.
    if (!checkFiles(
            {{FileArg::Use::Replace, o.file, {}}, {FileArg::Use::Append, o.trace, "--trace"}},
            error))
        return usageError(error);

    const auto trace = openTrace(o.trace);
    const auto app = ensureApplication();
    catchInterrupts();
    // The bytes the radio never sends keep the values of a new configuration.
    Image image = newDocumentImage();
    auto port = link::createPort(o.port, &g_interrupted);
    link::TransferResult result;
    {
        TerminalSink sink("Reading", o.retries);
        result = traced(trace.get(), o.port, link::Direction::Read, o.factory, *port, sink, image);
    }
    if (const int status = report(result, o.retries))
        return status; // no file is written for a failed read
    const Result<void> saved = saveDat(o.file, image);
    if (!saved)
        return usageError(failureText(saved.failure(), untranslated()));
    keepReadBackup(image);
    return 0;
}

int runWrite(Options& o) {
    if (const int status = takeFile(o))
        return status;
    std::string error;
    Image image;
    if (!checkFiles({{FileArg::Use::Read, o.file, {}}, {FileArg::Use::Append, o.trace, "--trace"}},
                    error))
        return usageError(error);
    if (const int status = loadForWrite(o.file, o.force, image))
        return status;

    const auto trace = openTrace(o.trace);
    const auto app = ensureApplication();
    catchInterrupts();
    auto port = link::createPort(o.port, &g_interrupted);
    link::SystemClock clock;
    link::TransferResult result;
    {
        TerminalSink sink("Writing", o.retries);
        result = traced(trace.get(), o.port, link::Direction::Write, o.factory, *port, sink, image);
    }
    const int status = report(result, o.retries);
    if (status != 0 || !o.verify)
        return status;
    // A second session reads the radio back: a radio that acknowledged a
    // block without keeping it shows up only here.
    link::VerifyOutcome outcome;
    {
        TerminalSink sink("Verifying", o.retries);
        if (trace) {
            link::TracingPort tracingPort(*port, *trace, o.port);
            link::TracingSink tracingSink(sink, *trace, o.port);
            outcome = link::verifyWrite(o.port, o.factory, tracingPort, clock, tracingSink, image);
            trace->event(o.port, "verify: " + link::verifyText(outcome, untranslated(), 8));
            flushTrace(*trace);
        } else {
            outcome = link::verifyWrite(o.port, o.factory, *port, clock, sink, image);
        }
    }
    if (outcome.read.status != link::TransferStatus::Success)
        report(outcome.read, o.retries);
    const std::string text = link::verifyText(outcome, untranslated(), std::size_t(-1));
    std::fprintf(outcome.verified() ? stdout : stderr, "%s%s\n",
                 outcome.verified() ? "" : "radio-cli: ", text.c_str());
    return outcome.verified() ? 0 : 1;
}

int runPorts() {
    const auto app = ensureApplication();
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& p : ports) {
        std::printf("%s\t%s\t%s\n", p.systemLocation().toLocal8Bit().constData(),
                    p.description().toLocal8Bit().constData(),
                    p.manufacturer().toLocal8Bit().constData());
    }
    if (ports.isEmpty())
        std::fprintf(stderr, "radio-cli: no serial ports found\n");
    return 0;
}

struct VirtualRadioArgs {
    std::string linkPath, imagePath, savePath, ident;
    int baud = 9600;
    int ignoreWriteAt = -1;
    const CLI::Option* identGiven = nullptr;
};

int runVirtualRadio(const VirtualRadioArgs& a) {
    const std::string &linkPath = a.linkPath, &imagePath = a.imagePath, &savePath = a.savePath,
                      &ident = a.ident;
    std::string error;
    // --image and --save may be one file: the radio keeps its memory there.
    if (!checkFiles({{FileArg::Use::Replace, savePath, "--save"}}, error))
        return usageError(error);
    Image memory = link::VirtualRadio::sampleImage();
    if (!imagePath.empty()) {
        const Result<void> loaded = loadDat(imagePath, memory);
        if (!loaded)
            return usageError(failureText(loaded.failure(), untranslated()));
    }
    link::VirtualRadio radio(memory);
    radio.faults().ignoreWriteAt = a.ignoreWriteAt;
    if (a.identGiven->count() > 0) {
        // Exactly 8 bytes on the wire: longer text is cut, shorter padded with blanks.
        std::array<std::uint8_t, 8> reply;
        reply.fill(' ');
        for (std::size_t k = 0; k < reply.size() && k < ident.size(); ++k)
            reply[k] = std::uint8_t(ident[k]);
        radio.setIdentification(reply);
    }
    link::PtyServer server(radio, a.baud);
    if (!server.start(linkPath, error))
        return usageError(error);
    catchInterrupts();
    std::printf("Virtual radio on %s, linked at %s\n", server.deviceName().c_str(),
                linkPath.c_str());
    std::fflush(stdout);

    int savedWrites = 0;
    const auto save = [&] {
        if (savePath.empty() || radio.blocksWritten() == savedWrites)
            return;
        const Result<void> r = saveDat(savePath, radio.memory());
        if (r)
            savedWrites = radio.blocksWritten();
        else
            printError(failureText(r.failure(), untranslated()));
    };
    server.serve(g_interrupted, save);
    save();
    server.shutdown();
    return 0;
}

Runner declareRead(CLI::App& app) {
    const auto o = declareTransfer(app, "OUT.dat");
    // Declared to say why they do not apply rather than only that they are unknown.
    app.add_flag("--verify", o->verify)->group("");
    app.add_flag("--force", o->force)->group("");
    return [o] { return runRead(*o); };
}

Runner declareWrite(CLI::App& app) {
    const auto o = declareTransfer(app, "FILE.dat");
    addVerify(app, o->verify);
    addForce(app, o->force);
    return [o] { return runWrite(*o); };
}

Runner declarePorts(CLI::App&) {
    return runPorts;
}

Runner declareVirtualRadio(CLI::App& app) {
    auto a = std::make_shared<VirtualRadioArgs>();
    addText(app, "--link", a->linkPath, "PATH")->required();
    addText(app, "--image", a->imagePath, "FILE");
    addText(app, "--save", a->savePath, "FILE");
    addNumber(app, "--baud", a->baud, 0, 1000000, "BAUD", "a baud rate");
    addNumber(app, "--ignore-write-at", a->ignoreWriteAt, 0, 1023, "ADDRESS", "a block address");
    a->identGiven = addText(app, "--ident", a->ident, "TEXT");
    return [a] { return runVirtualRadio(*a); };
}

} // namespace

Result<std::string> keepBackup(const Image& image) {
    const auto settings = installedSettings();
    return backups::backupRead(image, settings.get());
}

void keepReadBackup(const Image& image) {
    const Result<std::string> r = keepBackup(image);
    if (r)
        std::printf("Backup: %s\n", r.value().c_str());
    else
        std::fprintf(stderr, "radio-cli: warning: no backup of the read was kept: %s\n",
                     failureText(r.failure(), untranslated()).c_str());
}

const std::vector<Command>& linkCommands() {
    static const std::vector<Command> commands = {
        {"read", "read --port P OUT.dat [--factory] [--retries N]  read a radio into a file",
         "Reads the radio's memory over serial port P into OUT.dat. P is COM1..COM4 (on\n"
         "Linux comN means /dev/ttyS(N-1)), a device such as /dev/ttyUSB0, or \"Virtual radio\".\n"
         "A failed handshake is retried N times (default 2). A failed read writes no file.\n"
         "A copy of every successful read is also kept in the per-user backups folder\n"
         "(on Linux ~/.local/share/<AppName>/backups), never overwriting an older one.\n"
         "--trace appends a time-stamped log of every byte sent and received, every\n"
         "purge, time-out, retry and the result to TRACE.txt, for support.\n"
         "Exit status: 0 success, 1 radio or communication failure, 2 usage or bad input.",
         declareRead},
        {"write",
         "write --port P FILE.dat [--factory] [--verify] [--retries N]  write a file to a radio",
         "Writes FILE.dat to the radio on serial port P. Without --factory the calibration\n"
         "bytes of the radio are left alone; --factory writes them too.\n"
         "FILE.dat must be exactly 1024 bytes, and is first checked as the window's\n"
         "editors check typing: programmed channels inside the band its model and band\n"
         "name in Program.ini and on the raster, tones from the tone list, every setting\n"
         "one of its choices. Each problem is listed and nothing is written (exit status\n"
         "2) unless --force is given.\n"
         "--verify then reads the radio back and compares the written bytes: it prints\n"
         "\"Verified\" or lists the addresses that differ (exit status 1).\n"
         "A failed handshake is retried N times (default 2).\n"
         "--trace appends a time-stamped log of the communication to TRACE.txt.\n"
         "To write many radios at once, see clone.\n"
         "Exit status: 0 success, 1 radio or communication failure, 2 usage or bad input.",
         declareWrite},
        {"ports", "ports  list the serial ports",
         "Lists the serial ports of this system: device, description, "
         "manufacturer.",
         declarePorts},
        {"virtual-radio",
         "virtual-radio --link PATH [--image FILE] [--save FILE] [--baud 9600]  serve a virtual "
         "radio",
         "Serves a virtual radio on a pseudo-terminal and links it at PATH, so that any\n"
         "program can read and write it like a radio on a serial port. It starts with FILE\n"
         "(default: a sample configuration), saves its memory to --save after each write,\n"
         "and paces its answers like a line of the given baud rate (0: no pacing).\n"
         "Runs until interrupted. --ignore-write-at makes it a faulty radio that\n"
         "acknowledges the write block at that (decimal) address but keeps its old\n"
         "bytes, to try out write --verify. --ident TEXT sets the 8-byte identification\n"
         "reply of the handshake (cut or padded with blanks to 8 bytes), so that several\n"
         "virtual radios, each on its own --link, can be told apart in a clone record.",
         declareVirtualRadio},
    };
    return commands;
}

} // namespace radio::cli
