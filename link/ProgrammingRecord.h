#pragma once
// The programming record: one CSV row per radio programmed, appended to a
// file that grows over the years and is never rewritten, so a dealer can tell
// which configuration went into which radio and when. The row format lives
// here only; the tool and the window share it.

#include "link/Transfer.h"
#include "model/Image.h"
#include "model/Result.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace radio::link {

struct RecordRow {
    std::string time;                         // ISO 8601 local time, "2026-03-14T15:30:12"
    std::string port;                         // the port name as the user gave it
    std::vector<std::uint8_t> identification; // the radio's handshake identification reply
    std::string configuration;                // the configuration file's name
    std::uint32_t checksum = 0;               // writtenChecksum() of what was written
    std::string result;                       // "programmed" or why not
    std::string verified;                     // "yes", "no" or "-" (not checked)
    std::string backup;                       // the backup file's name, may be empty
};

// The header line (without line end); it names the checksum's kind.
std::string recordHeader();
// One row (without line end), CSV-quoted where needed.
std::string recordLine(const RecordRow& row);

// "56 52 41 44 31 36 00 01" and "VRAD16.." (non-printable bytes as '.').
std::string identificationHex(const std::vector<std::uint8_t>& ident);
std::string identificationText(const std::vector<std::uint8_t>& ident);

// CRC-32 (IEEE 802.3, as zip) of the bytes a write covers, in block order:
// the normal write ranges, or the full range with `factory`.
std::uint32_t writtenChecksum(const Image& image, bool factory);
std::uint32_t crc32(const std::uint8_t* data, std::size_t n, std::uint32_t crc = 0);

// "2026-03-14T15:30:12" for now, local time.
std::string localIsoTime();

// Appends rows to one record file; one writer serialises the workers of a run.
class RecordWriter {
public:
    explicit RecordWriter(std::string path) : m_path(std::move(path)) {}

    // Opens the file for appending, writes the header first when it is new or
    // empty, then the row in one piece. Earlier rows are never touched.
    Result<void> append(const RecordRow& row);

    const std::string& path() const { return m_path; }

private:
    std::string m_path;
    std::mutex m_lock;
};

} // namespace radio::link
