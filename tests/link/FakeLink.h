#pragma once
// Test doubles for the clone protocol: a recording port in front of a virtual
// radio (with scripted read results on top), a clock that only counts, and a
// sink that records progress and answers questions from a script.

#include "link/Transfer.h"
#include "link/VirtualRadioPort.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace radio::link::test {

class FakeClock : public Clock {
public:
    void sleepMs(int ms) override { slept.push_back(ms); }
    int total() const {
        int t = 0;
        for (int ms : slept)
            t += ms;
        return t;
    }
    std::vector<int> slept;
};

// Everything the host does, in order: "open", "configure", "purge", "purgeAll",
// "w:<hex bytes>", "r<n>", "close".
class RecordingPort : public Port {
public:
    explicit RecordingPort(VirtualRadio& radio) : m_inner(radio) {}

    bool open(const std::string& name) override {
        events.push_back("open");
        if (failOpen)
            return false;
        return m_inner.open(name);
    }
    std::string openErrorText() const override {
        return failOpen ? "Permission denied" : m_inner.openErrorText();
    }
    void configure() override { events.push_back("configure"); }
    void purge() override {
        events.push_back("purge");
        m_inner.purge();
    }
    void purgeAll() override {
        events.push_back("purgeAll");
        m_inner.purgeAll();
    }
    bool write(const std::uint8_t* data, std::size_t n) override {
        std::string e = "w:";
        for (std::size_t i = 0; i < n; ++i)
            e += hex(data[i]) + (i + 1 < n ? " " : "");
        events.push_back(e);
        wire.insert(wire.end(), data, data + n);
        return m_inner.write(data, n);
    }
    int read(std::uint8_t* buffer, std::size_t n) override {
        events.push_back("r" + std::to_string(n));
        ++reads;
        // The radio always gets what was sent, even when the script overrides
        // the answer, so both sides stay in step.
        const int got = m_inner.read(buffer, n);
        if (onRead) {
            if (auto scripted = onRead(reads, buffer, n))
                return *scripted;
        }
        return got;
    }
    void close() override {
        events.push_back("close");
        m_inner.close();
    }

    static std::string hex(std::uint8_t b) {
        static const char* digits = "0123456789ABCDEF";
        return {digits[b >> 4], digits[b & 15]};
    }

    // The radio's answer is in the input buffer as soon as the host writes.
    void setAnswerAtOnce(bool atOnce) { m_inner.setAnswerAtOnce(atOnce); }

    bool failOpen = false;
    // Called after each read with the 1-based read count; a value overrides
    // the result (the buffer may be rewritten too).
    std::function<std::optional<int>(int, std::uint8_t*, std::size_t)> onRead;
    std::vector<std::string> events;
    std::vector<std::uint8_t> wire;
    int reads = 0;

private:
    VirtualRadioPort m_inner;
};

class RecordingSink : public TransferSink {
public:
    void setRange(int maximum) override { ranges.push_back(maximum); }
    void step() override { ++pos; }
    int position() const override { return pos; }
    void setText(const std::string& text) override { texts.push_back(text); }
    // With the position and the ranges set so far, so order can be checked.
    void setPhase(TransferPhase phase) override {
        phases.push_back(phase);
        phaseAt.push_back({pos, int(ranges.size())});
    }
    void pump() override {
        ++pumps;
        if (cancelAtPump && pumps >= cancelAtPump)
            cancel = true;
    }
    bool cancelled() const override { return cancel; }
    Answer askRetry(int id) override {
        questions.push_back(id);
        if (answers.empty())
            return Answer::Cancel;
        const Answer a = answers.front();
        answers.pop_front();
        if (onQuestion)
            onQuestion();
        return a;
    }
    void showMessage(int id, const std::string& detail) override {
        messages.push_back(id);
        details.push_back(detail);
    }

    std::vector<int> ranges;
    std::vector<std::string> texts;
    std::vector<TransferPhase> phases;
    std::vector<std::pair<int, int>> phaseAt; // position, ranges set
    std::vector<int> questions;
    std::vector<int> messages;
    std::vector<std::string> details;
    std::deque<Answer> answers;
    std::function<void()> onQuestion;
    int pos = 0;
    int pumps = 0;
    int cancelAtPump = 0;
    bool cancel = false;
};

} // namespace radio::link::test
