#pragma once
// The byte-stream port and the clock the clone protocol runs over. The
// protocol engine only sees these interfaces, so the same engine drives a
// serial port, the built-in virtual radio and the scripted ports of the tests.

#include <cstddef>
#include <cstdint>
#include <string>

namespace radio::link {

class Port {
public:
    virtual ~Port() = default;

    // Opens the named port for reading and writing, not shared with others.
    virtual bool open(const std::string& name) = 0;
    // The system's reason why the last open failed, for the user; may be empty.
    virtual std::string openErrorText() const = 0;
    // 9600 baud, 8 data bits, no parity, one stop bit, the read time-outs below.
    virtual void configure() = 0;
    // Discards what the radio sent and this program has not read yet. Bytes this
    // program wrote are never thrown away: they go out first.
    virtual void purge() = 0;
    // The same, also abandoning any read or write still pending.
    virtual void purgeAll() = 0;
    // Sends n bytes; false when the port refused them.
    virtual bool write(const std::uint8_t* data, std::size_t n) = 0;
    // Reads up to n bytes into `buffer`. Returns as soon as n bytes arrived, or
    // after 90 + 500 x n ms in total, or after a 30 ms gap once data flows. A
    // time-out is not a failure: it returns the bytes received so far (0..n).
    // Returns -1 only when the read call itself fails (device gone, I/O error).
    virtual int read(std::uint8_t* buffer, std::size_t n) = 0;
    virtual void close() = 0;
};

// Read time-outs of the line, in milliseconds.
inline constexpr int kReadTotalConstantMs = 90;
inline constexpr int kReadTotalPerByteMs = 500;
inline constexpr int kReadIntervalMs = 30;
inline constexpr int kWriteTotalConstantMs = 50;
inline constexpr int kWriteTotalPerByteMs = 50;
inline constexpr int kBaudRate = 9600;

constexpr int readTimeoutMs(std::size_t n) {
    return kReadTotalConstantMs + kReadTotalPerByteMs * int(n);
}

class Clock {
public:
    virtual ~Clock() = default;
    virtual void sleepMs(int ms) = 0;
};

// Sleeps for real.
class SystemClock : public Clock {
public:
    void sleepMs(int ms) override;
};

} // namespace radio::link
