#include "link/Fleet.h"

#include "link/PortNames.h"
#include "link/Verify.h"
#include "model/StringTable.h"

#include <chrono>
#include <set>
#include <thread>

namespace radio::link {

const char* phaseText(FleetPhase phase) {
    switch (phase) {
    case FleetPhase::Waiting:
        return "waiting";
    case FleetPhase::Backup:
        return "reading backup";
    case FleetPhase::Writing:
        return "writing";
    case FleetPhase::Verifying:
        return "verifying";
    case FleetPhase::Programmed:
        return "programmed";
    case FleetPhase::Failed:
        return "failed";
    case FleetPhase::Cancelled:
        return "cancelled";
    }
    return "";
}

namespace {
class StdThread : public FleetThread {
public:
    explicit StdThread(std::function<void()> work) : m_thread(std::move(work)) {}
    void join() override {
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    std::thread m_thread;
};
} // namespace

std::unique_ptr<FleetThread> FleetHooks::startWorker(std::function<void()> work) {
    return std::make_unique<StdThread>(std::move(work));
}

// One session's sink: progress into the fleet's table, the fleet's cancel,
// Retry while retries are left (never a question to a person).
class FleetProgrammer::Sink : public TransferSink {
public:
    Sink(FleetProgrammer& fleet, std::size_t index)
        : m_fleet(fleet), m_index(index), m_retriesLeft(fleet.m_options.retries) {}

    void setRange(int maximum) override {
        m_max = maximum;
        m_pos = 0;
        m_fleet.setProgress(m_index, m_pos, m_max);
    }
    void step() override {
        ++m_pos;
        m_fleet.setProgress(m_index, m_pos, m_max);
    }
    int position() const override { return m_pos; }
    void setText(const std::string&) override {}
    void pump() override {}
    bool cancelled() const override { return m_fleet.m_cancel.load(); }
    Answer askRetry(int) override {
        if (m_retriesLeft <= 0)
            return Answer::Cancel;
        --m_retriesLeft;
        return Answer::Retry;
    }
    void showMessage(int, const std::string&) override {}

private:
    FleetProgrammer& m_fleet;
    std::size_t m_index;
    int m_retriesLeft;
    int m_max = 0;
    int m_pos = 0;
};

FleetProgrammer::FleetProgrammer(std::vector<std::string> ports, const Image& image,
                                 FleetOptions options, FleetHooks& hooks, Clock& clock,
                                 TraceLog* trace, RecordWriter* record)
    : m_ports(std::move(ports)), m_image(image), m_options(std::move(options)), m_hooks(hooks),
      m_clock(clock), m_trace(trace), m_record(record) {
    for (const std::string& p : m_ports) {
        RadioProgress progress;
        progress.port = p;
        m_progress.push_back(progress);
        RadioOutcome outcome;
        outcome.port = p;
        m_outcomes.push_back(outcome);
    }
}

FleetProgrammer::~FleetProgrammer() {
    if (!m_threads.empty()) {
        cancel();
        wait();
    }
}

void FleetProgrammer::start() {
    m_running = int(m_ports.size());
    for (std::size_t i = 0; i < m_ports.size(); ++i)
        m_threads.push_back(m_hooks.startWorker([this, i] { work(i); }));
}

void FleetProgrammer::cancel() {
    m_cancel = true;
}

bool FleetProgrammer::done() const {
    return m_running.load() == 0;
}

std::vector<RadioProgress> FleetProgrammer::progress() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_progress;
}

std::vector<RadioOutcome> FleetProgrammer::wait() {
    for (auto& t : m_threads)
        t->join();
    m_threads.clear();
    std::lock_guard<std::mutex> guard(m_lock);
    return m_outcomes;
}

void FleetProgrammer::setPhase(std::size_t index, FleetPhase phase) {
    RadioProgress copy;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_progress[index].phase = phase;
        m_progress[index].position = 0;
        copy = m_progress[index];
    }
    if (m_trace)
        m_trace->event(m_ports[index], std::string("phase: ") + phaseText(phase));
    m_hooks.phaseChanged(copy);
}

void FleetProgrammer::setProgress(std::size_t index, int position, int maximum) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_progress[index].position = position;
    m_progress[index].maximum = maximum;
}

void FleetProgrammer::work(std::size_t index) {
    const std::string& name = m_ports[index];
    RadioOutcome outcome;
    outcome.port = name;
    const auto started = std::chrono::steady_clock::now();
    std::unique_ptr<Port> device = m_hooks.createPort(name, &m_cancel);
    std::unique_ptr<TracingPort> traced;
    if (m_trace)
        traced = std::make_unique<TracingPort>(*device, *m_trace, name);
    Port& port = traced ? static_cast<Port&>(*traced) : *device;

    // One session with a fresh sink (its own retries), traced when asked.
    const auto session = [&](Direction direction, Image& image) {
        Sink sink(*this, index);
        std::unique_ptr<TracingSink> tracedSink;
        if (m_trace)
            tracedSink = std::make_unique<TracingSink>(sink, *m_trace, name);
        TransferSink& s = tracedSink ? static_cast<TransferSink&>(*tracedSink) : sink;
        TransferResult r =
            runTransfer({name, direction, m_options.factory}, port, m_clock, s, image);
        if (m_trace) {
            m_trace->event(name, "result: " + resultText(r));
            if (r.status != TransferStatus::Success)
                (void)m_trace->flush(); // what led to a failure survives whatever follows
        }
        return r;
    };
    const auto failed = [&](const TransferResult& r, TransferStage stage) {
        outcome.result = r;
        outcome.cancelled = r.status == TransferStatus::Cancelled;
        // The system's reason, where there is one, says what to mend.
        outcome.failure = transferOutcome(r, stage).failure();
    };

    do {
        if (m_options.backup) {
            setPhase(index, FleetPhase::Backup);
            Image original = newDocumentImage();
            const TransferResult r = session(Direction::Read, original);
            if (r.status != TransferStatus::Success) {
                // Never overwrite a radio whose original could not be kept.
                failed(r, TransferStage::BackupRead);
                break;
            }
            const Result<std::string> kept = m_hooks.keepBackup(name, original);
            if (!kept) {
                outcome.result = r;
                outcome.failure = failedBecause(FailureCode::NoBackupKept, kept.failure());
                break;
            }
            outcome.backup = kept.value();
        }
        setPhase(index, FleetPhase::Writing);
        Image written = m_image; // a write only reads it; each worker has its own
        const TransferResult w = session(Direction::Write, written);
        outcome.result = w;
        outcome.identification = w.identification;
        if (w.status != TransferStatus::Success) {
            failed(w, TransferStage::Main);
            break;
        }
        if (m_options.verify) {
            setPhase(index, FleetPhase::Verifying);
            Sink sink(*this, index);
            std::unique_ptr<TracingSink> tracedSink;
            if (m_trace)
                tracedSink = std::make_unique<TracingSink>(sink, *m_trace, name);
            TransferSink& s = tracedSink ? static_cast<TransferSink&>(*tracedSink) : sink;
            const VerifyOutcome v = verifyWrite(name, m_options.factory, port, m_clock, s, m_image);
            if (m_trace)
                m_trace->event(name, "verify: " + verifyText(v, untranslated(), 8));
            if (v.read.status != TransferStatus::Success) {
                failed(v.read, TransferStage::VerifyRead);
                break;
            }
            outcome.verified = v.verified() ? "yes" : "no";
            if (!v.verified()) {
                outcome.failure =
                    Failure{FailureCode::VerifyDiffers, {std::to_string(v.differing.size())}};
                break;
            }
        }
        outcome.programmed = true;
    } while (false);

    outcome.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    finish(index, outcome);
}

void FleetProgrammer::finish(std::size_t index, RadioOutcome& outcome) {
    if (m_record) {
        RecordRow row;
        row.time = localIsoTime();
        row.port = outcome.port;
        row.identification = outcome.identification;
        row.configuration = m_options.configuration;
        row.checksum = writtenChecksum(m_image, m_options.factory);
        // The record stays in one language, whoever reads it later.
        row.result = outcome.programmed ? "programmed" : "failed: " + outcome.reason();
        row.verified = outcome.verified;
        row.backup = outcome.backup;
        if (const Result<void> appended = m_record->append(row); !appended)
            outcome.recordError = appended.failure();
    }
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_outcomes[index] = outcome;
    }
    setPhase(index, outcome.programmed  ? FleetPhase::Programmed
                    : outcome.cancelled ? FleetPhase::Cancelled
                                        : FleetPhase::Failed);
    --m_running;
}

std::string RadioOutcome::reason(const Translate& translate) const {
    return failure ? failureText(*failure, translate) : std::string();
}

std::string shortMessage(int stringId) {
    const std::string text = englishString(stringId);
    const auto comma = text.find(',');
    return comma == std::string::npos ? text : text.substr(0, comma);
}

std::string fleetSummary(const std::vector<RadioOutcome>& outcomes, bool cancelled) {
    int programmed = 0;
    std::string failures;
    for (const RadioOutcome& o : outcomes) {
        if (o.programmed) {
            ++programmed;
        } else if (!cancelled) {
            failures += "; " + o.port + " failed: " + o.reason();
        }
    }
    const std::string count = std::to_string(programmed) + " of " +
                              std::to_string(outcomes.size()) +
                              (outcomes.size() == 1 ? " radio" : " radios") + " programmed";
    return cancelled ? "cancelled; " + count : count + failures;
}

std::string duplicatePort(const std::vector<std::string>& ports) {
#ifdef _WIN32
    constexpr bool windows = true;
#else
    constexpr bool windows = false;
#endif
    std::set<std::string> seen;
    for (const std::string& p : ports) {
        // COM1 and com1, pts/2 and /dev/pts/2, a link and its target: one port.
        if (!seen.insert(portIdentity(p, windows)).second)
            return p;
    }
    return {};
}

} // namespace radio::link
