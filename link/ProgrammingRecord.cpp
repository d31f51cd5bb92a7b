#include "link/ProgrammingRecord.h"

#include "link/Tracing.h"
#include "model/Csv.h"
#include "model/SafeFile.h"

#include <cstdio>
#include <ctime>

namespace radio::link {

namespace {

const char* const kColumns[] = {"Date and time",
                                "Port",
                                "Identification (hex)",
                                "Identification (text)",
                                "Configuration",
                                "CRC-32 of written bytes",
                                "Result",
                                "Verified",
                                "Backup"};

std::string joined(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        line += csvField(fields[i]);
    }
    return line;
}

// Text from outside (a radio's reply, port and file names) that a spreadsheet
// would take for a formula gets a leading quote, which shows it as text; the
// reply's raw bytes stay in the hex column.
std::string asText(const std::string& cell) {
    if (!cell.empty() && std::string("=+-@\t\r").find(cell[0]) != std::string::npos)
        return "'" + cell;
    return cell;
}

} // namespace

std::string recordHeader() {
    return joined(std::vector<std::string>(std::begin(kColumns), std::end(kColumns)));
}

std::string recordLine(const RecordRow& row) {
    char crc[9];
    std::snprintf(crc, sizeof crc, "%08X", unsigned(row.checksum));
    return joined({row.time, asText(row.port), identificationHex(row.identification),
                   asText(identificationText(row.identification)), asText(row.configuration), crc,
                   asText(row.result), row.verified, asText(row.backup)});
}

std::string identificationHex(const std::vector<std::uint8_t>& ident) {
    return hexBytes(ident.data(), ident.size());
}

std::string identificationText(const std::vector<std::uint8_t>& ident) {
    std::string text;
    for (std::uint8_t b : ident)
        text += b >= 0x20 && b < 0x7F ? char(b) : '.';
    return text;
}

std::uint32_t crc32(const std::uint8_t* data, std::size_t n, std::uint32_t crc) {
    crc = ~crc;
    for (std::size_t i = 0; i < n; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::uint32_t writtenChecksum(const Image& image, bool factory) {
    std::uint32_t crc = 0;
    for (const Range& r : transferRanges(Direction::Write, factory))
        crc = crc32(&image[r.start], std::size_t(r.end - r.start), crc);
    return crc;
}

std::string localIsoTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return text;
}

Result<void> RecordWriter::append(const RecordRow& row) {
    std::lock_guard<std::mutex> guard(m_lock);
    const std::string header = recordHeader() + "\r\n";
    const std::string line = recordLine(row) + "\r\n";
    const files::Result r = files::appendTo(m_path, line, header);
    if (!r.ok)
        return Failure{FailureCode::File, {r.error}};
    return {};
}

} // namespace radio::link
