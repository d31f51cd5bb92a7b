#include "link/Tracing.h"

#include "model/SafeFile.h"
#include "model/StringTable.h"

#include <cstdio>
#include <ctime>

namespace radio::link {

TraceLog::TraceLog(std::string path) : m_path(std::move(path)) {}

TraceLog::~TraceLog() {
    (void)flush(); // nobody is left to tell of a failure
}

void TraceLog::event(const std::string& port, const std::string& text) {
    const auto now = std::chrono::system_clock::now();
    std::lock_guard<std::mutex> guard(m_lock);
    m_lines.push_back({now, port, text});
}

std::string TraceLog::timestamp(std::chrono::system_clock::time_point t) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(t);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count() % 1000;
    char text[40];
    const std::size_t n = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    std::snprintf(text + n, sizeof text - n, ".%03d", int(ms));
    return text;
}

Result<void> TraceLog::flush() {
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_lines.empty())
        return {};
    std::string text;
    for (const Line& line : m_lines)
        text += timestamp(line.time) + " " + line.port + " " + line.text + "\n";
    const files::Result r = files::appendTo(m_path, text);
    if (!r.ok)
        return Failure{FailureCode::File, {r.error}};
    m_lines.clear();
    return {};
}

std::string hexBytes(const std::uint8_t* data, std::size_t n) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0)
            out += ' ';
        out += digits[data[i] >> 4];
        out += digits[data[i] & 15];
    }
    return out;
}

TracingPort::TracingPort(Port& inner, TraceLog& log, std::string label)
    : m_inner(inner), m_log(log), m_label(std::move(label)) {}

bool TracingPort::open(const std::string& name) {
    const bool ok = m_inner.open(name);
    m_log.event(m_label, ok ? "open" : "open failed: " + m_inner.openErrorText());
    return ok;
}

void TracingPort::configure() {
    m_inner.configure();
    m_log.event(m_label, "configure");
}

void TracingPort::purge() {
    m_inner.purge();
    m_log.event(m_label, "purge");
}

void TracingPort::purgeAll() {
    m_inner.purgeAll();
    m_log.event(m_label, "purge all");
}

bool TracingPort::write(const std::uint8_t* data, std::size_t n) {
    const bool ok = m_inner.write(data, n);
    m_log.event(m_label, std::string(ok ? "sent " : "send failed ") + hexBytes(data, n));
    return ok;
}

int TracingPort::read(std::uint8_t* buffer, std::size_t n) {
    const int got = m_inner.read(buffer, n);
    if (got < 0) {
        m_log.event(m_label, "read of " + std::to_string(n) + " failed");
        return got;
    }
    std::string text = "received " + hexBytes(buffer, std::size_t(got));
    if (std::size_t(got) < n)
        text += (got > 0 ? " " : "") + std::string("time-out (") + std::to_string(got) + " of " +
                std::to_string(n) + ")";
    m_log.event(m_label, text);
    return got;
}

void TracingPort::close() {
    m_inner.close();
    m_log.event(m_label, "close");
}

TracingSink::TracingSink(TransferSink& inner, TraceLog& log, std::string label)
    : m_inner(inner), m_log(log), m_label(std::move(label)) {}

TransferSink::Answer TracingSink::askRetry(int stringId) {
    const Answer a = m_inner.askRetry(stringId);
    m_log.event(m_label, std::string(englishString(stringId)) +
                             (a == Answer::Retry ? " -> retry" : " -> give up"));
    return a;
}

void TracingSink::showMessage(int stringId, const std::string& detail) {
    m_log.event(m_label, std::string("message: ") + englishString(stringId) +
                             (detail.empty() ? "" : " (" + detail + ")"));
    m_inner.showMessage(stringId, detail);
}

std::string resultText(const TransferResult& result) {
    const std::string blocks = " after " + std::to_string(result.blocksDone) + " blocks";
    switch (result.status) {
    case TransferStatus::Success:
        return "success, " + std::to_string(result.blocksDone) + " blocks";
    case TransferStatus::Cancelled:
        return "cancelled" + blocks;
    default:
        return std::string(englishString(result.messageId)) + blocks;
    }
}

} // namespace radio::link
