// The fleet programmer, the programming record and the trace decorators,
// over in-process virtual radios.
#include "FakeLink.h"
#include "tests/Patterned.h"

#include "link/Fleet.h"
#include "link/ProgrammingRecord.h"
#include "link/Tracing.h"
#include "model/MemoryMap.h"
#include "model/StringTable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

#include <unistd.h>

using namespace radio;
using namespace radio::link;
using namespace radio::link::test;
using testsupport::patterned;
namespace fs = std::filesystem;

namespace {

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);)
        lines.push_back(l);
    return lines;
}

fs::path scratch(const std::string& name) {
    const fs::path p = fs::temp_directory_path() /
                       ("fleet_" + std::to_string(::getpid()) + "_" +
                        ::testing::UnitTest::GetInstance()->current_test_info()->name() + name);
    fs::remove(p);
    return p;
}

// A virtual radio reached under any port name.
class NamedRadioPort : public VirtualRadioPort {
public:
    using VirtualRadioPort::VirtualRadioPort;
    bool open(const std::string&) override { return VirtualRadioPort::open(kVirtualRadioPortName); }
};

struct Radios : FleetHooks {
    std::map<std::string, std::unique_ptr<VirtualRadio>> radios;
    std::map<std::string, Image> backups;
    std::mutex lock;
    bool failBackup = false;

    VirtualRadio& add(const std::string& port, std::uint8_t seed) {
        radios[port] = std::make_unique<VirtualRadio>(patterned(seed));
        return *radios[port];
    }
    std::unique_ptr<Port> createPort(const std::string& name, const std::atomic<bool>*) override {
        return std::make_unique<NamedRadioPort>(*radios.at(name));
    }
    Result<std::string> keepBackup(const std::string& port, const Image& image) override {
        std::lock_guard<std::mutex> guard(lock);
        if (failBackup)
            return Failure{FailureCode::File, {"disk full"}};
        backups[port] = image;
        return port + ".dat";
    }
};

bool holdsWrite(const Image& radio, const Image& file, const Image& before) {
    for (std::size_t i = 0; i < 0x400; ++i) {
        const bool calibration = (i >= 0x330 && i < 0x340) || (i >= 0x3D0 && i < 0x3DB) ||
                                 (i >= 0x3E0 && i < 0x3F0) || i >= 0x3F1;
        if (radio[i] != (calibration ? before[i] : file[i]))
            return false;
    }
    return true;
}

} // namespace

TEST(Identification, TheHandshakeHandsOutTheRadiosReplyWithoutChangingTheWire) {
    VirtualRadio radio(patterned(1));
    radio.setIdentification({'A', 'B', 0x00, 0x7F, '1', '2', '3', 0xFF});
    RecordingPort port(radio);
    FakeClock clock;
    RecordingSink sink;
    Image doc = patterned(2);
    const TransferResult r =
        runTransfer({kVirtualRadioPortName, Direction::Write, false}, port, clock, sink, doc);
    ASSERT_EQ(r.status, TransferStatus::Success);
    EXPECT_EQ(r.identification,
              (std::vector<std::uint8_t>{'A', 'B', 0x00, 0x7F, '1', '2', '3', 0xFF}));
    EXPECT_EQ(std::vector<std::uint8_t>(port.wire.begin(), port.wire.begin() + 10),
              (std::vector<std::uint8_t>{0x02, 'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x02, 0x06}));
    EXPECT_EQ(identificationHex(r.identification), "41 42 00 7F 31 32 33 FF");
    EXPECT_EQ(identificationText(r.identification), "AB..123.");
}

TEST(Tracing, LogsEveryByteAndTheResultWithoutChangingTheSession) {
    const fs::path file = scratch(".txt");
    VirtualRadio plainRadio(patterned(3)), tracedRadio(patterned(3));
    RecordingPort plain(plainRadio), inner(tracedRadio);
    FakeClock c1, c2;
    RecordingSink s1, s2;
    Image d1 = patterned(4), d2 = patterned(4);
    runTransfer({kVirtualRadioPortName, Direction::Read, false}, plain, c1, s1, d1);
    {
        TraceLog log(file.string());
        TracingPort port(inner, log, "COM7");
        TracingSink sink(s2, log, "COM7");
        const TransferResult r =
            runTransfer({kVirtualRadioPortName, Direction::Read, false}, port, c2, sink, d2);
        log.event("COM7", "result: " + resultText(r));
        EXPECT_FALSE(fs::exists(file));    // nothing written before the flush
    }                                      // flushed here
    EXPECT_EQ(inner.events, plain.events); // the decorator is invisible to the radio
    EXPECT_EQ(d1, d2);

    const auto lines = linesOf(slurp(file));
    ASSERT_GT(lines.size(), 127u * 4);
    for (const auto& l : lines) {
        // "2026-03-14T15:30:12.345 COM7 ..."
        ASSERT_GE(l.size(), 29u) << l;
        EXPECT_EQ(l[4], '-');
        EXPECT_EQ(l[10], 'T');
        EXPECT_EQ(l[19], '.');
        EXPECT_EQ(l.substr(23, 6), " COM7 ");
    }
    const auto has = [&](const std::string& text) {
        for (const auto& l : lines)
            if (l.substr(29) == text)
                return true;
        return false;
    };
    EXPECT_TRUE(has("open"));
    EXPECT_TRUE(has("purge all"));
    EXPECT_TRUE(has("sent 02"));
    EXPECT_TRUE(has("sent 52 00 00 08"));
    EXPECT_TRUE(has("received 06"));
    EXPECT_TRUE(has("close"));
    EXPECT_EQ(lines.back().substr(29), "result: success, 127 blocks");
    fs::remove(file);
}

TEST(Tracing, AFailedHandshakeShowsTheTimeOutsRetriesAndResult) {
    const fs::path file = scratch(".txt");
    VirtualRadio radio(patterned(3));
    radio.faults().answerConfirm = false;
    RecordingPort inner(radio);
    FakeClock clock;
    RecordingSink sink;
    sink.answers = {TransferSink::Answer::Retry}; // then Cancel
    Image doc = patterned(4);
    TraceLog log(file.string());
    TracingPort port(inner, log, "/dev/ttyUSB0");
    TracingSink traced(sink, log, "/dev/ttyUSB0");
    const TransferResult r =
        runTransfer({kVirtualRadioPortName, Direction::Write, false}, port, clock, traced, doc);
    ASSERT_EQ(r.status, TransferStatus::CommError);
    log.event("/dev/ttyUSB0", "result: " + resultText(r));
    ASSERT_TRUE(log.flush());
    const std::string text = slurp(file);
    const std::string comm = englishString(IDS_COMM_ERROR);
    EXPECT_NE(text.find("/dev/ttyUSB0 received time-out (0 of 1)\n"), std::string::npos) << text;
    EXPECT_NE(text.find(comm + " -> retry\n"), std::string::npos);
    EXPECT_NE(text.find(comm + " -> give up\n"), std::string::npos);
    EXPECT_NE(text.find("result: " + comm + " after 0 blocks\n"), std::string::npos);
    // Flushing again adds nothing twice.
    ASSERT_TRUE(log.flush());
    EXPECT_EQ(slurp(file), text);
    fs::remove(file);
}

TEST(ProgrammingRecord, AppendsRowsUnderOneHeaderAndNeverRewritesThem) {
    const fs::path file = scratch(".csv");
    RecordRow row;
    row.time = "2026-03-14T15:30:12";
    row.port = "COM3";
    row.identification = {'V', 'R', 'A', 'D', '1', '6', 0x00, 0x01};
    row.configuration = "fleet, spring.dat"; // needs quoting
    row.checksum = 0x0012ABCD;
    row.result = "programmed";
    row.verified = "yes";
    {
        RecordWriter w(file.string());
        ASSERT_TRUE(w.append(row));
    }
    const std::string first = slurp(file);
    EXPECT_EQ(first, recordHeader() + "\r\n" +
                         "2026-03-14T15:30:12,COM3,56 52 41 44 31 36 00 01,VRAD16..,"
                         "\"fleet, spring.dat\",0012ABCD,programmed,yes,\r\n");
    EXPECT_NE(recordHeader().find("CRC-32"), std::string::npos);
    {
        RecordWriter w(file.string()); // a later run
        row.port = "COM4";
        ASSERT_TRUE(w.append(row));
    }
    const std::string both = slurp(file);
    EXPECT_EQ(both.substr(0, first.size()), first);
    EXPECT_EQ(linesOf(both).size(), 3u);

    // An empty file gets the header too; an unwritable place says so.
    std::ofstream(file, std::ios::trunc).close();
    RecordWriter w(file.string());
    ASSERT_TRUE(w.append(row));
    EXPECT_EQ(slurp(file).rfind(recordHeader(), 0), 0u);
    RecordWriter bad((file.parent_path() / "no-such-dir" / "r.csv").string());
    const Result<void> refused = bad.append(row);
    ASSERT_FALSE(refused);
    EXPECT_NE(failureText(refused.failure(), untranslated()).find("no-such-dir"),
              std::string::npos);
    fs::remove(file);

    // Text a spreadsheet would run as a formula is shown as text; the hex
    // column keeps the reply's bytes.
    row.identification = {'=', '1', '+', '1', ' ', ' ', ' ', ' '};
    row.port = "+CMD|/C!";
    row.configuration = "@SUM(A1).dat";
    row.backup = "-2.dat";
    const std::string line = recordLine(row);
    EXPECT_NE(line.find(",3D 31 2B 31 20 20 20 20,'=1+1    ,"), std::string::npos) << line;
    EXPECT_NE(line.find(",'+CMD|/C!,"), std::string::npos) << line;
    EXPECT_NE(line.find(",'@SUM(A1).dat,"), std::string::npos) << line;
    EXPECT_NE(line.find(",yes,'-2.dat"), std::string::npos) << line;
}

TEST(ProgrammingRecord, ChecksumCoversExactlyTheWrittenBytes) {
    const std::string check = "123456789";
    EXPECT_EQ(crc32(reinterpret_cast<const std::uint8_t*>(check.data()), check.size()),
              0xCBF43926u);
    const Image a = patterned(9);
    Image b = a;
    b[0x335] ^= 0xFF; // calibration: only a factory write sends it
    EXPECT_EQ(writtenChecksum(a, false), writtenChecksum(b, false));
    EXPECT_NE(writtenChecksum(a, true), writtenChecksum(b, true));
    b = a;
    b[0x3F5] ^= 0xFF; // never transferred
    EXPECT_EQ(writtenChecksum(a, true), writtenChecksum(b, true));
    b = a;
    b[0x10] ^= 0x01;
    EXPECT_NE(writtenChecksum(a, false), writtenChecksum(b, false));
}

TEST(Fleet, WritesEveryRadioAndReportsTheOneThatFailed) {
    Radios hooks;
    const Image before = patterned(10);
    hooks.add("A", 10);
    hooks.add("B", 10).faults().silent = true;
    hooks.add("C", 10).setIdentification({'C', 'C', 'C', 'C', 'C', 'C', 'C', 'C'});
    const Image file = patterned(77);
    const fs::path record = scratch(".csv");
    RecordWriter writer(record.string());
    SystemClock clock;
    FleetOptions options;
    options.retries = 0;
    options.configuration = "f.dat";
    FleetProgrammer fleet({"A", "B", "C"}, file, options, hooks, clock, nullptr, &writer);
    fleet.start();
    const auto out = fleet.wait();
    ASSERT_EQ(out.size(), 3u);
    EXPECT_TRUE(out[0].programmed);
    EXPECT_FALSE(out[1].programmed);
    EXPECT_TRUE(out[2].programmed);
    EXPECT_EQ(out[1].reason(), "Communication Error");
    EXPECT_TRUE(holdsWrite(hooks.radios["A"]->memory(), file, before));
    EXPECT_EQ(hooks.radios["B"]->memory(), before);
    EXPECT_TRUE(holdsWrite(hooks.radios["C"]->memory(), file, before));
    EXPECT_EQ(identificationText(out[2].identification), "CCCCCCCC");
    EXPECT_EQ(fleetSummary(out, false), "2 of 3 radios programmed; B failed: Communication Error");
    for (const auto& p : fleet.progress())
        EXPECT_EQ(p.phase, p.port == "B" ? FleetPhase::Failed : FleetPhase::Programmed);

    const auto rows = linesOf(slurp(record));
    ASSERT_EQ(rows.size(), 4u);
    const std::string crc = [&] {
        char t[9];
        std::snprintf(t, sizeof t, "%08X", unsigned(writtenChecksum(file, false)));
        return std::string(t);
    }();
    int failedRows = 0;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_NE(rows[i].find(",f.dat," + crc + ","), std::string::npos) << rows[i];
        failedRows += rows[i].find(",B,,,f.dat") != std::string::npos &&
                      rows[i].find("failed: Communication Error,-,") != std::string::npos;
    }
    EXPECT_EQ(failedRows, 1);
    fs::remove(record);
}

TEST(Fleet, BacksUpFirstAndVerifiesAfter) {
    Radios hooks;
    hooks.add("A", 20);
    hooks.add("B", 21).faults().ignoreWriteAt = 0x100; // acknowledges, keeps old bytes
    const Image file = patterned(55);
    SystemClock clock;
    FleetOptions options;
    options.backup = true;
    options.verify = true;
    FleetProgrammer fleet({"A", "B"}, file, options, hooks, clock);
    fleet.start();
    const auto out = fleet.wait();
    EXPECT_TRUE(out[0].programmed);
    EXPECT_EQ(out[0].verified, "yes");
    EXPECT_EQ(out[0].backup, "A.dat");
    EXPECT_FALSE(out[1].programmed);
    EXPECT_EQ(out[1].verified, "no");
    EXPECT_EQ(out[1].reason(), "verify found 8 differing bytes");
    // The backups hold the radios' memory from before the write.
    ASSERT_EQ(hooks.backups.size(), 2u);
    for (std::size_t i = 0; i < 0x3F1; ++i) {
        ASSERT_EQ(hooks.backups["A"][i], patterned(20)[i]);
        ASSERT_EQ(hooks.backups["B"][i], patterned(21)[i]);
    }

    // No backup, no write.
    Radios failing;
    failing.add("C", 30);
    failing.failBackup = true;
    FleetProgrammer refused({"C"}, file, options, failing, clock);
    refused.start();
    const auto r = refused.wait();
    EXPECT_FALSE(r[0].programmed);
    EXPECT_EQ(r[0].reason(), "no backup kept: disk full");
    EXPECT_EQ(failing.radios["C"]->memory(), patterned(30));
}

TEST(Fleet, CancelStopsEveryRadioAndTheSummarySaysSo) {
    Radios hooks;
    hooks.add("A", 1).faults().silent = true; // waits in the handshake
    hooks.add("B", 2).faults().silent = true;
    SystemClock clock;
    FleetOptions options;
    options.retries = 1000;
    FleetProgrammer fleet({"A", "B"}, patterned(3), options, hooks, clock);
    fleet.start();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(fleet.done());
    fleet.cancel();
    const auto out = fleet.wait();
    EXPECT_TRUE(fleet.done());
    for (const auto& o : out) {
        EXPECT_TRUE(o.cancelled);
        EXPECT_EQ(o.result.status, TransferStatus::Cancelled);
    }
    EXPECT_EQ(fleetSummary(out, true), "cancelled; 0 of 2 radios programmed");
}

TEST(Fleet, RefusesAPortGivenTwice) {
    EXPECT_EQ(duplicatePort({"COM1", "COM2", "com1"}), "com1");
    EXPECT_EQ(duplicatePort({"/dev/ttyUSB0", "/dev/ttyUSB1"}), "");
    EXPECT_EQ(duplicatePort({"/dev/a", "/dev/a"}), "/dev/a");
    EXPECT_EQ(shortMessage(IDS_INTERRUPT), "Program Interrupt");
    // Each session of a radio's run names itself in a failure.
    TransferResult r;
    r.status = TransferStatus::OpenFailed;
    r.detail = "busy";
    EXPECT_EQ(failureText(transferOutcome(r, TransferStage::VerifyRead).failure(), untranslated()),
              "Could not Open the Port (verify read): busy");
    r.status = TransferStatus::Interrupted;
    EXPECT_EQ(failureText(transferOutcome(r, TransferStage::BackupRead).failure(), untranslated()),
              "Program Interrupt (backup read)");
    r.status = TransferStatus::Success;
    EXPECT_TRUE(transferOutcome(r));
}
