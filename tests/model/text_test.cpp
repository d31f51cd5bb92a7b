// The core's route for the tool's texts: every heading, label and message
// goes through the Translate hook, and both catalogues hold each of them.

#include "model/ChannelTable.h"
#include "model/Codecs.h"
#include "model/ConfigCheck.h"
#include "model/DataTexts.h"
#include "model/Diff.h"
#include "model/FactoryMode.h"
#include "model/MemoryMap.h"
#include "model/ParamAdjust.h"
#include "model/PowerAdjust.h"
#include "model/Report.h"
#include "model/Result.h"
#include "model/ScanInfo.h"
#include "model/Text.h"
#include "tests/model/TsCatalogue.h"

#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <set>
#include <sstream>

using namespace radio;

namespace {

using Pair = std::pair<std::string, std::string>;

// Tags each text "[context:english]" and remembers what it was asked.
struct Tagger {
    std::shared_ptr<std::set<Pair>> asked = std::make_shared<std::set<Pair>>();
    Translate hook() const {
        auto seen = asked;
        return [seen](const char* context, const char* english) {
            seen->insert({context, english});
            return "[" + std::string(context) + ":" + english + "]";
        };
    }
};

// Two images that differ in every byte: every value the comparison knows differs.
std::pair<Image, Image> allDifferent() {
    Image a = newDocumentImage();
    const std::uint8_t ch[16] = {0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44,
                                 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x30, 0x10, 0xFF};
    for (int n = 1; n <= 16; ++n)
        std::copy(ch, ch + 16, &a[mm::channelOffset(n)]);
    Image b = a;
    for (std::size_t i = 0; i < kImageSize; ++i)
        b[i] = std::uint8_t(~a[i]);
    return {a, b};
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

std::vector<report::DrawOp> reportPage(int page, const Translate& translate, const Image& img,
                                       const ChannelTable& table) {
    report::PageInput in;
    in.page = page;
    in.maxPage = 3;
    in.image = &img;
    in.table = &table;
    in.translate = translate;
    return report::layoutPage(in, report::pageGeometry(4800, 6600, 600, 600), 400, 320);
}

// Runs every function of the core that produces a tool text.
void everyToolText(const Translate& tr, std::string& out) {
    const auto [a, b] = allDifferent();
    diff::Options o;
    o.translate = tr;
    o.a = o.b = {"FL-400U", "400-470"};
    out += diff::formatReport(diff::compare(a, b, o), tr);
    out += diff::formatReport(diff::compare(a, a, o), tr);
    const ChannelTable table = imageToTable(a, Language::English);
    for (int page = 1; page <= 2; ++page)
        for (const report::DrawOp& op : reportPage(page, tr, a, table))
            out += op.text + "\n";
    for (const std::string& h : columnHeaders(tr))
        out += h + "\n";
    for (int r = 1; r <= param::kRows; ++r)
        out += param::rowLabel(r, tr) + "\n";
    out += param::formatString(tr) + "\n";
    out += power::lowHeader(tr) + power::highHeader(tr) + "\n";
    out += factory::passwordErrorText(tr) + factory::passwordErrorCaption(tr) + "\n";
    for (const auto& item : factory::appendedItems(tr))
        out += item.text + "\n";
    out += scan::channelMessage(tr) + "\n";
    // The configuration check, over images and settings that break each of its rules.
    Image bad;
    bad.fill(0xAA);
    Image fixed = bad;
    mm::set(fixed, mm::ScanPriorityMode, scan::PriorityFixed);
    mm::set(fixed, mm::ModelType, 0);
    const auto settings = [](std::vector<std::string> bands) {
        return check::Settings{true, {{"M", std::move(bands)}}};
    };
    std::vector<check::Problem> all = check::checkConfiguration(bad, check::Settings{}, tr);
    for (const auto& [img, s] : {std::pair<Image, check::Settings>{bad, settings({})},
                                 {fixed, settings({})},
                                 {fixed, settings(std::vector<std::string>(0xAB, ""))},
                                 {fixed, settings(std::vector<std::string>(0xAB, "-470"))},
                                 {fixed, settings(std::vector<std::string>(0xAB, "400-"))},
                                 {fixed, settings(std::vector<std::string>(0xAB, "400-2000"))}}) {
        const auto found = check::checkConfiguration(img, s, tr);
        all.insert(all.end(), found.begin(), found.end());
    }
    out += check::describeAll(all, tr) + "\n";
}

std::set<std::string> placeholders(const std::string& text) {
    std::set<std::string> out;
    static const std::regex number("%[1-9]");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number);
         it != std::sregex_iterator(); ++it)
        out.insert(it->str());
    return out;
}

} // namespace

TEST(TextArg, FillsNumberedPlaceholdersOnce) {
    EXPECT_EQ(textArg("Channel %1", {"3"}), "Channel 3");
    EXPECT_EQ(textArg("%2 of %1, %2", {"a", "b"}), "b of a, b");
    // A value holding "%1" is not filled again; unknown numbers and lone '%' stay.
    EXPECT_EQ(textArg("%1 (%2)", {"%2", "x"}), "%2 (x)");
    EXPECT_EQ(textArg("%3 100% %", {"a"}), "%3 100% %");
    EXPECT_EQ(textArg("%1%1", {"10"}), "1010");
}

TEST(ToolTexts, NoHeadingOfTheComparisonEscapesTheHook) {
    const auto [a, b] = allDifferent();
    Tagger tag;
    diff::Options o;
    o.translate = tag.hook();
    o.a = o.b = {"FL-400U", "400-470"};
    const diff::Report r = diff::compare(a, b, o);
    ASSERT_GT(r.changes.size(), 100u);
    std::set<std::string> groups;
    for (const std::string& line : lines(diff::formatReport(r, tag.hook()))) {
        if (line.rfind("    ", 0) != 0) {
            // A group heading, "Other bytes" included.
            EXPECT_EQ(line.rfind("[Diff:", 0), 0u) << line;
            groups.insert(line);
            continue;
        }
        if (line.rfind("    0x", 0) == 0)
            continue; // an address of the other bytes
        const std::string label = line.substr(4, line.find(": ", 4) - 4);
        // Power rows start with their segment ("410 "), parameter rows hold two texts.
        EXPECT_NE(label.find('['), std::string::npos) << line;
        EXPECT_TRUE(label.front() == '[' || std::isdigit((unsigned char)label.front())) << line;
    }
    EXPECT_GE(groups.size(), 16u + 5u);
    EXPECT_EQ(diff::formatReport(diff::compare(a, a, o), tag.hook()),
              "[Diff:The configurations are the same.]\n");
}

TEST(ToolTexts, ReportHeadingsAndLabelsComeFromTheHook) {
    Image img = newDocumentImage();
    ChannelTable table = imageToTable(img, Language::English);
    table[2][ColRx] = table[4][ColRx] = "446.00625";
    Tagger tag;
    const auto options = reportPage(1, tag.hook(), img, table);
    const auto channels = reportPage(2, tag.hook(), img, table);
    const int u = 174;
    int labels = 0;
    for (const auto* page : {&options, &channels})
        for (const report::DrawOp& op : *page) {
            if (op.kind != report::DrawOp::Kind::Text)
                continue;
            // Values sit at 22u, 35u and 55u; the owner line at 10u is the user's.
            if (op.x == 22 * u || op.x == 35 * u || op.x == 55 * u || op.x == 10 * u)
                continue;
            EXPECT_EQ(op.text.rfind("[Report:", 0), 0u) << op.text << " at " << op.x;
            ++labels;
        }
    // Title, heading, 11 labels, page; title, 2 blocks of 1 + 8 labels, page.
    EXPECT_EQ(labels, 14 + 20);
}

TEST(ToolTexts, BothCataloguesHoldEveryTextTheCoreAsks) {
    Tagger tag;
    std::string ignored;
    everyToolText(tag.hook(), ignored);
    ASSERT_GT(tag.asked->size(), 60u);
    const ts::Catalogue english = ts::readCatalogue("English");
    const ts::Catalogue chinese = ts::readCatalogue("Chinese");
    // English holds plural forms only; any other text shows as written.
    for (const Pair& p : *tag.asked) {
        const auto en = english.find(p);
        const auto zh = chinese.find(p);
        ASSERT_NE(zh, chinese.end()) << p.first << ": " << p.second;
        if (en != english.end()) {
            EXPECT_EQ(en->second, p.second) << "English is shown as written";
        }
        EXPECT_FALSE(zh->second.empty()) << p.second;
        EXPECT_EQ(placeholders(zh->second), placeholders(p.second)) << p.second;
    }
    // The English catalogue changes nothing the core writes.
    const Translate viaEnglish = [&english](const char* context, const char* text) {
        const auto it = english.find({context, text});
        return it == english.end() ? std::string(text) : it->second;
    };
    std::string identity, viaCatalogue;
    everyToolText(untranslated(), identity);
    everyToolText(viaEnglish, viaCatalogue);
    EXPECT_EQ(viaCatalogue, identity);
}

TEST(ToolTexts, EveryFailureReadsInBothLanguagesWithItsArguments) {
    // The English catalogue holds only plural forms; any other text is its source.
    const ts::Catalogue englishEntries = ts::readCatalogue("English");
    const Translate english = [&englishEntries](const char* context, const char* text) {
        const auto it = englishEntries.find({context, text});
        return it == englishEntries.end() ? std::string(text) : it->second;
    };
    for (int code = 0; code < kFailureCodes; ++code) {
        const Failure f{FailureCode(code), {"<ARG>"}};
        const std::string en = failureText(f, untranslated());
        const std::string zh = failureText(f, ts::chineseCatalogue());
        EXPECT_EQ(failureText(f, english), en) << "English is shown as written: " << en;
        EXPECT_EQ(zh.find("<missing"), std::string::npos) << zh;
        EXPECT_EQ(en.find("<ARG>") != std::string::npos, zh.find("<ARG>") != std::string::npos)
            << en << " / " << zh;
        if (f.code != FailureCode::File) {
            EXPECT_NE(zh, en) << en;
        }
    }
    // A failure and its cause read in one language; a reason the system did
    // not give leaves no colon behind in either language.
    const Failure noBackup =
        failedBecause(FailureCode::NoBackupKept, {FailureCode::NoBackupsFolder, {"/b"}});
    EXPECT_EQ(failureText(noBackup, untranslated()),
              "no backup kept: cannot create the backups folder \"/b\"");
    EXPECT_EQ(failureText(noBackup, ts::chineseCatalogue()), "未保留备份：无法创建备份文件夹“/b”");
    EXPECT_EQ(failureText({FailureCode::VerifyDiffers, {"8"}}, ts::chineseCatalogue()),
              "校验发现 8 个字节不一致");
    EXPECT_EQ(failureText({FailureCode::PortNotOpened, {""}}, untranslated()),
              "Could not Open the Port");
    EXPECT_EQ(failureText({FailureCode::PortNotOpenedForBackup, {""}}, ts::chineseCatalogue()),
              "无法打开串口（读取备份）");
}

TEST(DataTexts, EveryWordInBothLanguagesAndRecognisedInEither) {
    for (int w = 0; w < data::kWordCount; ++w) {
        const auto word = data::Word(w);
        const std::string& en = data::text(word, Language::English);
        const std::string& zh = data::text(word, Language::Chinese);
        EXPECT_FALSE(en.empty());
        EXPECT_NE(en, zh);
        EXPECT_TRUE(data::is(en, word));
        EXPECT_TRUE(data::is(zh, word));
    }
    EXPECT_FALSE(data::is("off", data::Off)); // exact texts only
    EXPECT_EQ(toneList(Language::Chinese)[0], data::text(data::None, Language::Chinese));
}

TEST(ToolTexts, EveryMemoryMapNameIsInTheChineseCatalogue) {
    const ts::Catalogue chinese = ts::readCatalogue("Chinese");
    std::vector<mm::Field> fields(mm::kAll.begin(), mm::kAll.end());
    for (const mm::Field& f : {mm::rec::RxFrequency, mm::rec::TxFrequency, mm::rec::RxTone,
                               mm::rec::TxTone, mm::rec::BusyLock, mm::rec::Power, mm::rec::Width,
                               mm::rec::CompanderOff, mm::rec::Scrambler})
        fields.push_back(f);
    for (const mm::Field& f : fields) {
        const Pair key{"MemoryMap", std::string(f.name)};
        ASSERT_EQ(chinese.count(key), 1u) << f.name;
        EXPECT_FALSE(chinese.at(key).empty()) << f.name;
    }
}
