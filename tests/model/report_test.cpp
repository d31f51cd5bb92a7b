#include "model/MemoryMap.h"
#include "model/Report.h"
#include "tests/model/TsCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <initializer_list>

using namespace radio;
using namespace radio::report;

namespace {

ChannelTable tableWithRows(std::initializer_list<int> rows) {
    ChannelTable t{};
    for (int r : rows) {
        t[std::size_t(r)][ColRx] = "446.00625";
        t[std::size_t(r)][ColTx] = "446.00625";
    }
    return t;
}

// Channel headings of a laid-out page, in drawing order.
std::vector<std::string> headings(const std::vector<DrawOp>& ops, const std::string& prefix) {
    std::vector<std::string> found;
    for (const DrawOp& op : ops) {
        if (op.kind == DrawOp::Kind::Text && op.text.rfind(prefix, 0) == 0 &&
            op.text.size() > prefix.size() && std::isdigit((unsigned char)op.text[prefix.size()]))
            found.push_back(op.text);
    }
    return found;
}

std::vector<std::string> blocksOfEveryPage(const ChannelTable& t, std::vector<int>& perPage) {
    const Geometry g = pageGeometry(4800, 6600, 600, 600);
    const int pages = reportPageCount(t);
    std::vector<std::string> all;
    for (int p = 2; p <= pages; ++p) {
        PageInput in;
        in.page = p;
        in.maxPage = pages;
        in.table = &t;
        const auto h = headings(layoutPage(in, g, 200, 160), "Channel ");
        perPage.push_back(int(h.size()));
        all.insert(all.end(), h.begin(), h.end());
    }
    return all;
}

TEST(ReportPages, CountsAndPageRanges) {
    PrintCount count;
    EXPECT_EQ(CountPrintedChannels(tableWithRows({}), count), 0);
    EXPECT_EQ(count.m_nPageLastRow, (std::array<int, 3>{16, 16, 16}));
    EXPECT_EQ(reportPageCount(tableWithRows({})), 1);

    const ChannelTable scattered = tableWithRows({1, 3, 5, 7, 9, 11, 16});
    EXPECT_EQ(CountPrintedChannels(scattered, count), 1);
    EXPECT_EQ(count.m_nUsedChannels, 7);
    EXPECT_EQ(count.m_nPageLastRow[0], 16);
    std::vector<int> perPage;
    EXPECT_EQ(blocksOfEveryPage(scattered, perPage),
              (std::vector<std::string>{"Channel 1:", "Channel 3:", "Channel 5:", "Channel 7:",
                                        "Channel 9:", "Channel 11:", "Channel 16:"}));

    ChannelTable all = tableWithRows({});
    for (int r = 1; r <= 16; ++r)
        all[std::size_t(r)][ColRx] = "400.00000";
    perPage.clear();
    EXPECT_EQ(blocksOfEveryPage(all, perPage).size(), 16u);
    EXPECT_EQ(perPage, (std::vector<int>{7, 7, 2}));
    EXPECT_EQ(CountPrintedChannels(all, count), 3);
    EXPECT_EQ(count.m_nPageLastRow, (std::array<int, 3>{7, 14, 16}));

    for (int gap = 1; gap <= 16; ++gap) {
        ChannelTable fifteen = all;
        fifteen[std::size_t(gap)][ColRx].clear();
        perPage.clear();
        const auto blocks = blocksOfEveryPage(fifteen, perPage);
        EXPECT_EQ(perPage, (std::vector<int>{7, 7, 1})) << "gap " << gap;
        EXPECT_EQ(blocks.back(), gap == 16 ? "Channel 15:" : "Channel 16:");
    }
}

TEST(ReportOptions, ValuesWithThePrintMasks) {
    Image img = newDocumentImage();
    auto values = [&](Language language) {
        std::vector<std::string> v;
        for (const Line& l : optionLines(img, language, untranslated()))
            v.push_back(l.value);
        return v;
    };
    img[mm::VoxFunction.offset] = 0xFE; // VOX off, scan on
    EXPECT_EQ(values(Language::English),
              (std::vector<std::string>{"60s", "8", "4", "On", "5", "1.0", "Off", "On", "Chinese",
                                        "Off", "On"}));
    img[mm::TotPreAlert.offset] = 0xF0;       // 0
    img[mm::TimeOutTimer.offset] = 0x7F;      // six bits: 63
    img[mm::VoiceAnnunciation.offset] = 0xFB; // two bits: 3
    img[mm::VoxDelay.offset] = 0x06;
    img[mm::CallTone.offset] = 16;
    img[mm::VoxGain.offset] = 0xE0; // 0
    std::vector<std::string> v = values(Language::English);
    EXPECT_EQ(v[0], "945s");
    EXPECT_EQ(v[1], "-1");
    EXPECT_EQ(v[4], "Off");
    EXPECT_EQ(v[5], "3.0");
    EXPECT_EQ(v[6], "16");
    EXPECT_EQ(v[8], "English");
    img[mm::VoxDelay.offset] = 0x07;
    img[mm::TotPreAlert.offset] = 0x01;
    EXPECT_EQ(values(Language::English)[5], "3.0");
    v = values(Language::Chinese);
    EXPECT_EQ(v[1], "关");
    EXPECT_EQ(v[5], "3.0");
    EXPECT_EQ(v[8], "英文");
    EXPECT_EQ(optionLines(img, Language::English, untranslated())[2].label, "Sequelch Level:");
    const auto zh = optionLines(img, Language::English, ts::chineseCatalogue());
    EXPECT_EQ(zh[10].label, "扫描功能:");
    EXPECT_EQ(zh[10].value, "On") << "values follow the data language, not the catalogue";
}

TEST(ReportLayout, GeometryAndPositionsInTwips) {
    // 8 x 11 inches printable at 600 dpi: 11520 x 15840 twips.
    const Geometry g = pageGeometry(4800, 6600, 600, 600);
    EXPECT_EQ(g.u, 174); // 11520 / 66
    EXPECT_EQ(g.v, 352); // 15840 / 45
    EXPECT_EQ(g.large.height, -352);
    EXPECT_EQ(g.small.height, -281); // trunc(-281.6)
    EXPECT_EQ(g.small.width, 139);   // trunc(139.2)
    EXPECT_EQ(pageGeometry(4800, 6600, 0, 600).u, 0);

    Image img = newDocumentImage();
    ChannelTable t = tableWithRows({2, 4});
    t[4][ColScanAdd] = "Yes";
    PageInput in;
    in.image = &img;
    in.table = &t;
    in.maxPage = 2;
    in.owner = "Owner Ltd";
    const int L1 = 400, L2 = 320;
    const auto options = layoutPage(in, g, L1, L2);
    ASSERT_GE(options.size(), 5u);
    EXPECT_EQ(options[0].kind, DrawOp::Kind::Rule);
    EXPECT_EQ(options[0].y, -850);
    EXPECT_EQ(options[1].y, -920);
    EXPECT_EQ(options[2].y, -36 * 400 + 200);
    EXPECT_EQ(options[2].x2, 60 * 174);
    EXPECT_EQ(options[3].text, "Option");
    EXPECT_EQ(options[3].font, Font::Large);
    EXPECT_EQ(options[4].y, -4 * L2);
    EXPECT_EQ(options[5].text, "Time Out Timer:");
    EXPECT_EQ(options[6].x, 35 * 174);
    EXPECT_EQ(options[6].y, -5 * L2);
    EXPECT_EQ(options.size(), 3u + 2u + 22u + 2u);
    EXPECT_EQ(options[options.size() - 2].text, "Owner Ltd");
    EXPECT_EQ(options.back().text, "Page 1 of 2");
    EXPECT_EQ(options.back().y, -36 * L1);
    EXPECT_EQ(options.back().font, Font::Small);

    in.page = 2;
    in.language = Language::Chinese;
    in.translate = ts::chineseCatalogue();
    const auto channels = layoutPage(in, g, L1, L2);
    EXPECT_EQ(channels[3].text, "信道");
    // Second block (row 4) starts trunc(5.7 x L2) lower.
    const int d = int(5.7 * L2);
    bool found = false;
    for (std::size_t i = 0; i < channels.size(); ++i) {
        if (channels[i].text == "信道4:") {
            found = true;
            EXPECT_EQ(channels[i].x, 4 * 174);
            EXPECT_EQ(channels[i].y, -4 * L2 - d);
            EXPECT_EQ(channels[i + 11].text, "扫描开关:"); // third line, second pair
            EXPECT_EQ(channels[i + 12].text, "Yes");
            EXPECT_EQ(channels[i + 12].x, 55 * 174);
            EXPECT_EQ(channels[i + 12].y, -7 * L2 - d);
        }
    }
    EXPECT_TRUE(found);
    EXPECT_EQ(channels.back().text, "Page 2 of 2");

    in.page = 5; // past the last possible channel page: frame and footer only
    EXPECT_EQ(layoutPage(in, g, L1, L2).size(), 6u);
}

// A face with tall line metrics must not push the footer off the page, and
// a face that fits keeps the given line heights.
TEST(ReportLayout, LineHeightsShrinkOnlyWhenTheFooterWouldLeaveThePage) {
    const Geometry g = pageGeometry(4492, 6551, 600, 600); // A4 less 10 mm margins
    const int height = 6551 * 1440 / 600;
    int L1 = 400, L2 = 320; // about 1.15 em: fits
    fitLineHeights(height, L1, L2);
    EXPECT_EQ(L1, 400);
    EXPECT_EQ(L2, 320);

    L1 = 463; // about 1.33 em
    L2 = 371;
    fitLineHeights(height, L1, L2);
    EXPECT_LE(36 * L1 + L2, height);
    EXPECT_GT(36 * (L1 + 1) + L2, height - 36); // shrunk no more than needed
    EXPECT_NEAR(double(L2) / L1, 371.0 / 463, 0.01);

    // Every block of a full channel page still ends above the footer's rule.
    ChannelTable t = tableWithRows({1, 2, 3, 4, 5, 6, 7});
    PageInput in;
    in.page = 2;
    in.maxPage = 2;
    in.table = &t;
    int lowest = 0;
    for (const DrawOp& op : layoutPage(in, g, L1, L2))
        if (op.kind == DrawOp::Kind::Text && op.text != "Page 2 of 2" && !op.text.empty())
            lowest = std::min(lowest, op.y - L2);
    EXPECT_GT(lowest, -36 * L1 + L1 / 2);
}

} // namespace
