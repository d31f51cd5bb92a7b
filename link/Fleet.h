#pragma once
// Programming a fleet: one configuration written to the radios on several
// ports at the same time, one worker thread per port. Each radio gets a
// complete write session exactly like a single write (same bytes, same
// failure rules), optionally preceded by a read kept as a backup and
// followed by a read-back check. Pure C++: the tool drives it from a
// terminal, a window can poll progress() from a timer.

#include "link/ProgrammingRecord.h"
#include "link/Tracing.h"
#include "link/Transfer.h"
#include "model/Image.h"

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace radio::link {

enum class FleetPhase { Waiting, Backup, Writing, Verifying, Programmed, Failed, Cancelled };
const char* phaseText(FleetPhase phase); // "waiting", "backup", "writing", ...

struct FleetOptions {
    bool factory = false;
    bool verify = false;
    bool backup = false;
    int retries = 2;           // handshake retries per session, no question asked
    std::string configuration; // the configuration file's name, for the record
};

struct RadioProgress {
    std::string port;
    FleetPhase phase = FleetPhase::Waiting;
    int position = 0; // blocks done in the current session
    int maximum = 0;
};

struct RadioOutcome {
    std::string port;
    bool programmed = false; // written, and verified when that was asked
    bool cancelled = false;
    std::optional<Failure> failure; // none when programmed: the short reason otherwise
    TransferResult result;          // the session that ended this radio's run
    double seconds = 0;
    std::string verified = "-"; // "yes", "no" or "-" (not checked)
    std::string backup;         // the backup's file, when one was kept
    std::vector<std::uint8_t> identification;
    std::optional<Failure> recordError; // set when the record row could not be written

    // The failure in the language of `translate`, "" when programmed.
    std::string reason(const Translate& translate = untranslated()) const;
};

// A worker's thread, however the surroundings make threads.
class FleetThread {
public:
    virtual ~FleetThread() = default;
    virtual void join() = 0;
};

// What the fleet needs from its surroundings. Called from the worker threads,
// except startWorker.
class FleetHooks {
public:
    virtual ~FleetHooks() = default;
    // Runs `work` on a new thread; a plain std::thread unless the ports need
    // threads of their framework (a Qt serial port wants a QThread).
    virtual std::unique_ptr<FleetThread> startWorker(std::function<void()> work);
    // A port for `name`, made on the worker's own thread (a serial port
    // belongs to the thread that made it). `cancel` cuts waiting reads short.
    virtual std::unique_ptr<Port> createPort(const std::string& name,
                                             const std::atomic<bool>* cancel) = 0;
    // Keeps the image read from the radio on `port` before it is overwritten;
    // gives the file's path.
    virtual Result<std::string> keepBackup(const std::string& port, const Image& image) = 0;
    // A radio's phase changed (not called for every block).
    virtual void phaseChanged(const RadioProgress&) {}
};

class FleetProgrammer {
public:
    // `trace` and `record` may be null.
    FleetProgrammer(std::vector<std::string> ports, const Image& image, FleetOptions options,
                    FleetHooks& hooks, Clock& clock, TraceLog* trace = nullptr,
                    RecordWriter* record = nullptr);
    ~FleetProgrammer(); // cancels what still runs and waits for it
    FleetProgrammer(const FleetProgrammer&) = delete;
    FleetProgrammer& operator=(const FleetProgrammer&) = delete;

    void start();
    // Every port stops at its next step and closes; radios not yet finished
    // end as cancelled.
    void cancel();
    bool isCancelled() const { return m_cancel.load(); }
    bool done() const;
    std::vector<RadioProgress> progress() const;
    // Waits for every worker; outcomes in the order of the ports.
    std::vector<RadioOutcome> wait();

private:
    class Sink;
    void work(std::size_t index);
    void setPhase(std::size_t index, FleetPhase phase);
    void setProgress(std::size_t index, int position, int maximum);
    void finish(std::size_t index, RadioOutcome& outcome);

    std::vector<std::string> m_ports;
    Image m_image;
    FleetOptions m_options;
    FleetHooks& m_hooks;
    Clock& m_clock;
    TraceLog* m_trace;
    RecordWriter* m_record;
    std::atomic<bool> m_cancel{false};
    std::atomic<int> m_running{0};
    mutable std::mutex m_lock;
    std::vector<RadioProgress> m_progress;
    std::vector<RadioOutcome> m_outcomes;
    std::vector<std::unique_ptr<FleetThread>> m_threads;
};

// The first clause of an engine message, "Program Interrupt" for 61454.
std::string shortMessage(int stringId);
// "4 of 5 radios programmed; COM3 failed: Program Interrupt"; with a cancel,
// "cancelled; 1 of 3 radios programmed".
std::string fleetSummary(const std::vector<RadioOutcome>& outcomes, bool cancelled);
// The first port name that names a port given before it, under this name or
// another ("" when none): names are resolved as the port is opened.
std::string duplicatePort(const std::vector<std::string>& ports);

} // namespace radio::link
