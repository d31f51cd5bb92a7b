// radio-cli's configuration text: export-text and import-text on real files.

#include "model/Image.h"

#include "CliFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace radio;
using clitest::CliResult;
using clitest::slurp;
using clitest::spit;

namespace {

class TextCommands : public clitest::CliTest {
protected:
    TextCommands() : CliTest("radio_cli_text_", clitest::kTwoModelSettings) {}
};

} // namespace

TEST_F(TextCommands, TextGivesBackTheBytesAndABadValueWritesNothing) {
    // Channel 1 on 446.00625 / 446.00500, model M1 in 400-470, and odd bytes.
    Image img{};
    ASSERT_TRUE(loadDat(TEST_SOURCE_DIR "/tests/data/one-channel.dat", img).ok());
    img[0x3DE] = 0;
    img[0x3DF] = 0;
    img[0x200] = 0x5A;
    ASSERT_TRUE(saveDat(path("s.dat"), img).ok());

    CliResult r = run({"export-text", path("s.dat"), path("s.yaml")});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string text = slurp(dir / "s.yaml");
    EXPECT_NE(text.find("model:\n  index: \"0\"\n  name: M1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("    rx: \"446.00625\"\n"), std::string::npos) << text;
    r = run({"import-text", path("s.yaml"), path("back.dat")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(slurp(dir / "back.dat"), slurp(dir / "s.dat"));

    // Outside the band, and a name the format does not know: both reported
    // at their lines, and nothing is written.
    std::string bad = text;
    const auto at = bad.find("446.00625");
    bad.replace(at, 9, "471.00000");
    const auto line = std::count(bad.begin(), bad.begin() + long(at), '\n') + 1;
    bad += "colour: red\n";
    const auto last = std::count(bad.begin(), bad.end(), '\n');
    spit(dir / "bad.yaml", bad);
    r = run({"import-text", path("bad.yaml"), path("out.dat")});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find(path("bad.yaml") + ":" + std::to_string(line) + ": Channel 1, rx"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find(path("bad.yaml") + ":" + std::to_string(last) + ": \"colour\""),
              std::string::npos)
        << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "out.dat"));
}
