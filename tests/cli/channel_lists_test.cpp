// Channel lists longer than the radio and channel sets through radio-cli:
// the refusal that says how to choose, --rows/--to, --set and channel-sets.

#include "CliFixture.h"

#include <gtest/gtest.h>

#include <sstream>

namespace fs = std::filesystem;
using clitest::CliResult;
using clitest::slurp;
using clitest::spit;

namespace {

class ChannelLists : public clitest::CliTest {
protected:
    ChannelLists() : CliTest("radio_cli_lists_", clitest::kTwoModelSettings) {}

    void SetUp() override {
        CliTest::SetUp();
        ASSERT_EQ(run({"new", path("a.dat")}).status, 0);
    }

    // The dump's line of channel `ch`.
    std::string channel(int ch) {
        std::istringstream lines(run({"dump", path("a.dat")}).out);
        std::string line;
        for (int i = 0; i <= ch; ++i)
            std::getline(lines, line);
        return line;
    }
};

} // namespace

TEST_F(ChannelLists, LongListsAreRefusedUntilRowsAreChosen) {
    // The older 17-column form with CRLF, power in watts, locations 50..89
    // without 60; location 70 lies outside the band.
    std::string csv = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                      "DtcsPolarity,Mode,TStep,Skip,Comment,URCALL,RPT1CALL,RPT2CALL,Power\r\n";
    for (int loc = 50; loc < 90; ++loc)
        if (loc != 60)
            csv += std::to_string(loc) + ",N" + std::to_string(loc) + "," +
                   (loc == 70 ? "480.0" : "446." + std::to_string(loc)) + ",,0,,,,,,NFM,,,,,,," +
                   (loc % 2 ? "5W" : "0.5W") + "\r\n";
    spit(path("list.csv"), csv);
    const std::string before = slurp(path("a.dat"));
    const auto import = [this](std::vector<std::string> extra) {
        std::vector<std::string> args = {"import-csv", path("list.csv"), path("a.dat"), "--band",
                                         "400-470",    "--format",       "interchange"};
        args.insert(args.end(), extra.begin(), extra.end());
        return run(args);
    };

    CliResult r = import({});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("holds 39 rows (Locations 50 to 89)"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("--rows 50-65"), std::string::npos) << r.err;
    // A chosen row the radio cannot take, too many rows, a bad range: nothing written.
    r = import({"--rows", "68-72"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("line 21: Frequency 480.0"), std::string::npos) << r.err;
    EXPECT_EQ(import({"--rows", "50-89"}).status, 2);
    EXPECT_EQ(import({"--rows", "9-1"}).status, 2);
    EXPECT_EQ(run({"import-csv", path("list.csv"), path("a.dat"), "--rows", "1-2"}).status, 2);
    EXPECT_EQ(slurp(path("a.dat")), before);

    r = import({"--rows=58-61", "--to", "14"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(channel(13).substr(0, 4), "13\t\t");
    EXPECT_EQ(channel(14).substr(0, 25), "14\t446.58000\t446.58000\tNo");
    EXPECT_NE(channel(14).find("\tLow\t"), std::string::npos);                 // 0.5 W
    EXPECT_NE(channel(15).find("\tHigh\t"), std::string::npos) << channel(15); // 59: 5 W
    EXPECT_EQ(channel(16).substr(0, 13), "16\t446.61000\t");                   // 60 is missing
    EXPECT_NE(r.err.find("no columns RxDtcsCode, CrossMode"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("0.5W -> Low, 5W -> High"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("no channel names"), std::string::npos) << r.err;
}

TEST_F(ChannelLists, ChannelSetsAreListedAndFillChannelsByTheirRules) {
    fs::copy(fs::path(STAGE_DIR) / "channel-sets", dir / "channel-sets");
    const fs::path mine = dir / "data" / "Test" / "channel-sets";
    fs::create_directories(mine);
    spit(mine / "Customer A.csv", "Location,Frequency\r\n1,450.5\r\n");

    CliResult r = run({"channel-sets"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("PMR446\tPMR446 (Europe, licence-free)\t16\t446.00625-446.19375 MHz\t" +
                         (dir / "channel-sets" / "PMR446.csv").string() + "\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("LPD433\t"), std::string::npos);
    EXPECT_NE(r.out.find("Customer A\tCustomer A\t1\t450.5-450.5 MHz\t"), std::string::npos);

    EXPECT_EQ(run({"import-csv", "--set", "PMR446", path("a.dat")}).status, 2); // no band
    EXPECT_EQ(run({"import-csv", "--set", "GMRS", path("a.dat"), "--band", "400-470"}).status, 2);
    r = run({"import-csv", "--set", "FRS", path("a.dat"), "--band", "400-470"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("the channel set FRS holds 22 rows"), std::string::npos) << r.err;

    r = run({"import-csv", "--set", "frs", path("a.dat"), "--band", "400-470", "--rows", "8-14",
             "--to", "10"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("FRS: at most 2 W (channels 8-14: 0.5 W); channels set to Low power "
                         "and Narrow"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(channel(10), "10\t467.56250\t467.56250\tNone\tNone\tLow\tYes\tOff\tNarrow\tOff\tOff");
    EXPECT_EQ(channel(16).substr(0, 13), "16\t467.71250\t");

    ASSERT_EQ(run({"import-csv", "--set", "Customer A", path("a.dat"), "--band", "400-470"}).status,
              0);
    EXPECT_EQ(channel(1).substr(0, 13), " 1\t450.50000\t");
}
