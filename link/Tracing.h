#pragma once
// A communication log for support: every byte sent and received, every purge,
// time-out and retry, and how the transfer ended, one time-stamped line per
// event. TracingPort wraps any Port and TracingSink any TransferSink, so the
// protocol engine stays as it is and the log works for every kind of port.
// Lines are kept in memory and written out by flush(), so tracing does not
// change the timing on the wire.

#include "link/Port.h"
#include "link/Transfer.h"

#include <chrono>
#include <mutex>
#include <string>
#include <vector>

namespace radio::link {

// One log shared by the ports of a run; each line names its port. Safe to use
// from several threads.
class TraceLog {
public:
    explicit TraceLog(std::string path);
    ~TraceLog(); // flushes

    void event(const std::string& port, const std::string& text);
    // Appends the lines logged so far to the file, or fails when the file
    // cannot be written. The lines stay in memory then.
    Result<void> flush();

    // "2026-03-14T15:30:12.345" in local time.
    static std::string timestamp(std::chrono::system_clock::time_point t);

private:
    struct Line {
        std::chrono::system_clock::time_point time;
        std::string port;
        std::string text;
    };
    std::string m_path;
    std::mutex m_lock;
    std::vector<Line> m_lines;
};

// Space-separated upper-case hex, "02 50 52".
std::string hexBytes(const std::uint8_t* data, std::size_t n);

class TracingPort : public Port {
public:
    // `label` names the port on each line (the port name the user gave).
    TracingPort(Port& inner, TraceLog& log, std::string label);

    bool open(const std::string& name) override;
    std::string openErrorText() const override { return m_inner.openErrorText(); }
    void configure() override;
    void purge() override;
    void purgeAll() override;
    bool write(const std::uint8_t* data, std::size_t n) override;
    int read(std::uint8_t* buffer, std::size_t n) override;
    void close() override;

private:
    Port& m_inner;
    TraceLog& m_log;
    std::string m_label;
};

// Logs the engine's questions and messages (retries, failures), passes
// everything through.
class TracingSink : public TransferSink {
public:
    TracingSink(TransferSink& inner, TraceLog& log, std::string label);

    void setRange(int maximum) override { m_inner.setRange(maximum); }
    void step() override { m_inner.step(); }
    int position() const override { return m_inner.position(); }
    void setText(const std::string& text) override { m_inner.setText(text); }
    void setPhase(TransferPhase phase) override { m_inner.setPhase(phase); }
    void pump() override { m_inner.pump(); }
    bool cancelled() const override { return m_inner.cancelled(); }
    Answer askRetry(int stringId) override;
    void showMessage(int stringId, const std::string& detail) override;

private:
    TransferSink& m_inner;
    TraceLog& m_log;
    std::string m_label;
};

// "success", "Program Interrupt, ..." and so on, with the blocks done: the
// line a trace ends a session with.
std::string resultText(const TransferResult& result);

} // namespace radio::link
