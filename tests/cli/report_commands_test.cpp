// radio-cli report and options, run as a real process; the PDF is read back
// with the poppler tools.

#include "model/ChannelTable.h"
#include "model/Image.h"
#include "model/MemoryMap.h"

#include "CliFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;
using namespace radio;
using clitest::CliResult;
using clitest::quoted;
using clitest::slurp;
using clitest::spit;

namespace {

// Qt's PDF text layer names a CJK glyph by its lowest code point, which for
// glyphs shared with the Kangxi radicals is the radical: read them back as
// the ideographs our texts use.
std::string ideographs(std::string text) {
    static const std::vector<std::pair<std::string, std::string>> radicals = {
        {"\u2F1D", "\u53E3"}, {"\u2F42", "\u6587"}, {"\u2F70", "\u793A"},
        {"\u2FB3", "\u97F3"}, {"\u2FBC", "\u9AD8"}, {"\u2F00", "\u4E00"},
    };
    for (const auto& [from, to] : radicals)
        for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at))
            text.replace(at, from.size(), to);
    return text;
}

class ReportCommands : public clitest::CliTest {
protected:
    ReportCommands()
        : CliTest("radio_cli_report_", "[Setup]\nLanguage=English\nAppName=Test\n"
                                       "[English]\nCopyrights Owner=Harbour Test Works\n"
                                       "[Chinese]\nCopyrights Owner=港口测试\n") {}

    // One page of a PDF as text, laid out so a label and its value share a line.
    std::string pageText(const std::string& pdf, int page) {
        const CliResult r = shell("pdftotext -layout -f " + std::to_string(page) + " -l " +
                                  std::to_string(page) + " " + quoted(pdf) + " -");
        EXPECT_EQ(r.status, 0) << r.err;
        return ideographs(r.out);
    }
    int pageCount(const std::string& pdf) {
        const std::string info = shell("pdfinfo " + quoted(pdf)).out;
        const auto at = info.find("Pages:");
        return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 6);
    }
};

// The line of `text` holding `label`, or empty.
std::string lineWith(const std::string& text, const std::string& label) {
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (line.find(label) != std::string::npos)
            return line;
    return std::string();
}

// Nine channels in rows 1..10 with row 4 empty, and option values whose
// printed forms are easy to tell apart.
Image reportImage() {
    Image img = newDocumentImage();
    const std::uint8_t ch[16] = {0x25, 0x06, 0x60, 0x44, 0x00, 0x05, 0x60, 0x44,
                                 0x13, 0x28, 0x75, 0x03, 0x08, 0x30, 0x03, 0x00};
    for (int n = 1; n <= 16; ++n)
        std::fill_n(&img[mm::channelOffset(n)], 16, std::uint8_t(0xFF));
    for (int n : {1, 2, 3, 5, 6, 7, 8, 9, 10})
        std::copy(ch, ch + 16, &img[mm::channelOffset(n)]);
    mm::set(img, mm::PrintedTimeOutTimer, 20);
    mm::set(img, mm::TotPreAlert, 0);
    mm::set(img, mm::SquelchLevel, 7);
    mm::set(img, mm::KeyBeep, 1);
    mm::set(img, mm::VoxGain, 0);
    mm::set(img, mm::VoxDelay, 6);
    mm::set(img, mm::CallTone, 4);
    mm::set(img, mm::BatterySaver, 0);
    mm::set(img, mm::PrintedVoiceAnnunciation, 3);
    mm::set(img, mm::VoxFunction, 1);
    mm::set(img, mm::ScanFunction, 0);
    return img;
}

} // namespace

TEST_F(ReportCommands, EnglishPdfHasTheOptionsPageAndTheChannelPages) {
    const Image img = reportImage();
    ASSERT_TRUE(saveDat(path("r.dat"), img).ok());
    // A desktop session's platform theme, with no display to open.
    setenv("QT_QPA_PLATFORMTHEME", "gtk3", 1);
    const CliResult r = run({"report", path("r.dat"), path("r.pdf")});
    unsetenv("QT_QPA_PLATFORMTHEME");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    ASSERT_EQ(pageCount(path("r.pdf")), 3);

    const std::string p1 = pageText(path("r.pdf"), 1);
    EXPECT_NE(p1.find("Option"), std::string::npos) << p1;
    EXPECT_NE(p1.find("Function"), std::string::npos) << p1;
    // Each value stands on its label's line, to the label's right.
    for (const auto& [label, value] : std::vector<std::pair<std::string, std::string>>{
             {"Time Out Timer:", "300s"},
             {"TOT Pre-Alert:", "-1"},
             {"Vox Delay Time:", "3.0"},
             {"Voice Annunciation:", "English"},
             {"Scan Function:", "Off"},
         }) {
        const std::string line = lineWith(p1, label);
        ASSERT_FALSE(line.empty()) << label << "\n" << p1;
        EXPECT_NE(line.find(value, line.find(label) + label.size()), std::string::npos) << line;
    }
    const std::string footer = lineWith(p1, "Page 1 of 3");
    EXPECT_NE(footer.find("Harbour Test Works"), std::string::npos) << p1;

    // Seven blocks on the first channel page, the empty row skipped.
    const ChannelTable t = imageToTable(img, Language::English);
    const std::string p2 = pageText(path("r.pdf"), 2);
    for (int row : {1, 2, 3, 5, 6, 7, 8})
        EXPECT_NE(p2.find("Channel " + std::to_string(row) + ":"), std::string::npos) << p2;
    EXPECT_EQ(p2.find("Channel 4:"), std::string::npos);
    EXPECT_EQ(p2.find("Channel 9:"), std::string::npos);
    const std::string rx = lineWith(p2, "Receive Frequency:");
    EXPECT_NE(rx.find(t[1][ColRx]), std::string::npos) << rx;
    EXPECT_NE(rx.find("Transceive Frequency:"), std::string::npos) << rx;
    EXPECT_NE(rx.find(t[1][ColTx]), std::string::npos) << rx;
    const std::string tones = lineWith(p2, "QT/DQT Decode:");
    EXPECT_NE(tones.find(t[1][ColDecode]), std::string::npos) << tones;
    EXPECT_NE(tones.find(t[1][ColEncode]), std::string::npos) << tones;
    EXPECT_NE(lineWith(p2, "W/N:").find(t[1][ColWidth]), std::string::npos) << p2;
    EXPECT_NE(p2.find("Page 2 of 3"), std::string::npos) << p2;

    const std::string p3 = pageText(path("r.pdf"), 3);
    EXPECT_NE(p3.find("Channel 9:"), std::string::npos) << p3;
    EXPECT_NE(p3.find("Channel 10:"), std::string::npos) << p3;
    EXPECT_EQ(p3.find("Channel 11:"), std::string::npos) << p3;
    EXPECT_NE(p3.find("Page 3 of 3"), std::string::npos) << p3;
}

TEST_F(ReportCommands, ChinesePdfUsesChineseTextsAndOwner) {
    Image img = reportImage();
    for (int n = 2; n <= 16; ++n)
        std::fill_n(&img[mm::channelOffset(n)], 16, std::uint8_t(0xFF));
    ASSERT_TRUE(saveDat(path("r.dat"), img).ok());
    const CliResult r = run({"report", path("r.dat"), path("zh.pdf"), "--lang", "Chinese"});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(pageCount(path("zh.pdf")), 2);

    const std::string p1 = pageText(path("zh.pdf"), 1);
    for (const char* text : {"可选功能", "功能", "Page 1 of 2", "港口测试"})
        EXPECT_NE(p1.find(text), std::string::npos) << text << "\n" << p1;
    EXPECT_NE(lineWith(p1, "提示音:").find("开"), std::string::npos) << p1;
    EXPECT_NE(lineWith(p1, "电池省电:").find("关"), std::string::npos) << p1;
    EXPECT_NE(lineWith(p1, "语音报号:").find("英文"), std::string::npos) << p1;
    EXPECT_NE(lineWith(p1, "超时定时器:").find("300s"), std::string::npos) << p1;
    EXPECT_EQ(p1.find("Harbour"), std::string::npos);

    const std::string p2 = pageText(path("zh.pdf"), 2);
    for (const char* text :
         {"信道1:", "接收频率:", "发射频率:", "QT/DQT解码:", "宽/窄:", "Page 2 of 2"})
        EXPECT_NE(p2.find(text), std::string::npos) << text << "\n" << p2;
    EXPECT_EQ(p2.find("信道2:"), std::string::npos) << p2;
}

TEST_F(ReportCommands, WithoutSettingsTheOwnerLineIsEmpty) {
    fs::remove(dir / "Program.ini");
    ASSERT_TRUE(saveDat(path("r.dat"), newDocumentImage()).ok());
    const CliResult r = run({"report", path("r.dat"), path("r.pdf")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(pageText(path("r.pdf"), 1).find("Page 1 of"), std::string::npos);
    // The tool only reads the settings; it never creates them.
    EXPECT_FALSE(fs::exists(dir / "Program.ini"));
}

TEST_F(ReportCommands, BadInputExitsTwoAndWritesNothing) {
    spit(dir / "short.dat", std::string(1000, '\x01'));
    ASSERT_TRUE(saveDat(path("ok.dat"), newDocumentImage()).ok());
    spit(dir / "keep.pdf", "previous");
    fs::create_directories(dir / "adir");
    const std::vector<std::vector<std::string>> bad = {
        {"report", path("ok.dat")},
        {"report", path("missing.dat"), path("x.pdf")},
        {"report", path("short.dat"), path("x.pdf")},
        {"report", path("short.dat"), path("keep.pdf")},
        {"report", path("ok.dat"), path("x.pdf"), "--lang", "French"},
        {"report", path("ok.dat"), path("x.pdf"), "--lang"},
        {"report", path("ok.dat"), path("x.pdf"), "--colour"},
        {"report", path("ok.dat"), path("adir")},
        {"report", path("ok.dat"), path("nowhere/x.pdf")},
        {"options"},
        {"options", path("short.dat")},
        {"options", path("ok.dat"), "--lang=Klingon"},
    };
    for (const auto& args : bad) {
        const CliResult r = run(args);
        EXPECT_EQ(r.status, 2) << args[0] << " " << (args.size() > 1 ? args[1] : "");
        EXPECT_EQ(r.err.rfind("radio-cli: ", 0), 0u) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
    EXPECT_FALSE(fs::exists(dir / "x.pdf"));
    EXPECT_EQ(slurp(dir / "keep.pdf"), "previous");
    EXPECT_TRUE(fs::is_empty(dir / "adir"));
    for (const auto& e : fs::directory_iterator(dir))
        EXPECT_EQ(e.path().string().find(".tmp"), std::string::npos) << e.path();
}

TEST_F(ReportCommands, OptionsPrintsLabelTabValue) {
    ASSERT_TRUE(saveDat(path("r.dat"), reportImage()).ok());
    CliResult r = run({"options", path("r.dat")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Time Out Timer:\t300s\n"
                     "TOT Pre-Alert:\t-1\n"
                     "Sequelch Level:\t7\n"
                     "Beep:\tOn\n"
                     "Vox Gain Level:\tOff\n"
                     "Vox Delay Time:\t3.0\n"
                     "Call Tone:\t4\n"
                     "Battery Saver:\tOff\n"
                     "Voice Annunciation:\tEnglish\n"
                     "VOX Function:\tOn\n"
                     "Scan Function:\tOff\n");
    r = run({"options", "--lang", "Chinese", path("r.dat")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n') + 1), "超时定时器:\t300s\n");
}
