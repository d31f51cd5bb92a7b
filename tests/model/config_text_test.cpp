#include "model/ConfigText.h"

#include "model/CellCommit.h"
#include "model/ChannelTable.h"
#include "model/MemoryMap.h"
#include "model/RadioSettings.h"
#include "tests/RandomImages.h"
#include "tests/model/TsCatalogue.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using radio::conftext::Node;
namespace conftext = radio::conftext;

namespace {

radio::check::Settings twoModels() {
    radio::check::Settings s;
    s.found = true;
    s.products = {{"M1", {"400-470", "450-470"}}, {"M2", {"136-174"}}};
    return s;
}

// The tree as text, lines aside: what a file of it would hold.
std::string dump(const Node& n, const std::string& indent = "") {
    std::string out = indent + n.key + (n.inlined ? "{}" : "") + "=" + n.text + "\n";
    for (const Node& child : n.items)
        out += dump(child, indent + " ");
    return out;
}

// Where two images differ first, for a failure's message.
std::string firstDifference(const radio::Image& a, const radio::Image& b) {
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            return "byte " + std::to_string(i) + ": " + std::to_string(a[i]) + " vs " +
                   std::to_string(b[i]);
    return "none";
}

Node* at(Node& root, const std::vector<const char*>& path) {
    Node* n = &root;
    for (const char* key : path) {
        auto it = std::find_if(n->items.begin(), n->items.end(),
                               [key](const Node& c) { return c.key == key; });
        if (it == n->items.end())
            return nullptr;
        n = &*it;
    }
    return n;
}

// A configuration the window could have saved (the grid's own form of empty
// channels in place), with channel 3 programmed and channels 5 and 16 empty.
radio::Image sample() {
    std::mt19937 rng(3);
    radio::Image img = testimages::randomImage(rng, 0);
    radio::ChannelTexts three = testimages::typedChannel("446.00625");
    three.decode = "88.5";
    three.encode = "D023N";
    three.scanAdd = "Yes";
    three.busyLock = "Carrier";
    three.scrambler = "3";
    radio::writeChannel(img, 3, radio::channelFromTexts(three));
    radio::writeChannel(img, 5, radio::Channel{});
    radio::writeChannel(img, 16, radio::Channel{});
    radio::tableToImage(radio::imageToTable(img, radio::Language::English), img);
    return img;
}

} // namespace

// Any image comes back byte for byte, and what it comes back as is written
// the same again; with and without a settings file to name model and band.
TEST(ConfigText, AnyImageComesBackByteForByte) {
    std::mt19937 rng(27);
    int settingsWritten = 0, hexWritten = 0;
    for (int i = 0; i < 200; ++i) {
        const radio::Image img = testimages::randomImage(rng, i);
        const radio::check::Settings settings = i % 5 == 4 ? radio::check::Settings{} : twoModels();
        const Node tree = conftext::exportTree(img, settings);
        const conftext::ImportResult back =
            conftext::importTree(tree, settings, radio::untranslated());
        ASSERT_TRUE(back.ok) << "image " << i << ": " << back.problems[0].message << "\n"
                             << dump(tree);
        ASSERT_EQ(back.image, img) << "image " << i << ", " << firstDifference(back.image, img);
        EXPECT_EQ(dump(conftext::exportTree(back.image, settings)), dump(tree)) << "image " << i;
        const std::string text = dump(tree);
        settingsWritten += text.find("rx=4") != std::string::npos;
        hexWritten += text.find("rx{}") != std::string::npos;
    }
    // Both ways of writing a value were taken.
    EXPECT_GT(settingsWritten, 50);
    EXPECT_GT(hexWritten, 20);
}

// A channel and an option changed by hand give what typing them into the
// grid and choosing them in the dialog give.
TEST(ConfigText, HandEditedValuesEqualWhatTheWindowStores) {
    const radio::Image base = sample();
    const auto settings = twoModels();
    Node tree = conftext::exportTree(base, settings);
    const radio::settings::Setting& squelch = *radio::settings::find("squelch_level");
    const std::string squelchText = squelch.entries(base, radio::Language::English).at(7);

    // Channel 16 becomes a new channel, channel 3's receive frequency changes.
    Node& ch16 = *at(tree, {"channels", "16"});
    ch16 = Node::map("16");
    const std::vector<std::pair<const char*, const char*>> fresh = {
        {"rx", "465.12500"}, {"tx", "465.12500"}, {"decode", "None"},   {"encode", "None"},
        {"power", "High"},   {"scan_add", "No"},  {"busy_lock", "Off"}, {"width", "Wide"},
        {"compand", "Off"},  {"scrambler", "Off"}};
    for (const auto& [key, value] : fresh)
        ch16.add(Node::scalar(key, value));
    at(tree, {"channels", "3", "rx"})->text = "446.10000";
    at(tree, {"optional_features", "squelch_level"})->text = squelchText;
    const conftext::ImportResult r = conftext::importTree(tree, settings, radio::untranslated());
    ASSERT_TRUE(r.ok) << r.problems[0].message;

    radio::ChannelTable table = radio::imageToTable(base, radio::Language::English);
    for (const auto& [row, text] : {std::pair<int, const char*>{16, "465.125"}, {3, "446.1"}}) {
        const radio::CommitResult c = radio::commitCell(table[row], radio::ColRx, text, 40000000,
                                                        47000000, radio::Language::English);
        ASSERT_EQ(c.message, 0);
        table[row] = c.row;
    }
    radio::Image expected = base;
    radio::tableToImage(table, expected);
    squelch.storeIndex(expected, 7);
    EXPECT_EQ(r.image, expected) << firstDifference(r.image, expected);
}

// Every kind of refused value, reported at its own line; nothing is taken.
TEST(ConfigText, RefusesEachBadValueAtItsLine) {
    const auto settings = twoModels();
    const Node good = conftext::exportTree(sample(), settings);
    using Edit = std::function<Node*(Node&)>;
    const auto set = [](std::vector<const char*> path, const char* text) {
        return Edit([path, text](Node& t) {
            Node* n = at(t, path);
            if (n)
                n->text = text;
            return n;
        });
    };
    const struct {
        Edit edit;
        const char* says;
    } cases[] = {
        {set({"channels", "3", "rx"}, "471.00000"), "outside the band 400-470"},
        {set({"channels", "3", "tx"}, "446.00100"), "raster"},
        {set({"channels", "3", "rx"}, "4x6.1"), "not a frequency"},
        {set({"channels", "3", "decode"}, "D022N"), "not one of the list's entries"},
        {set({"channels", "3", "power"}, "Medium"), "not one of the list's entries"},
        {[](Node& t) {
             Node* ch = at(t, {"channels", "5"});
             *ch = Node::scalar("5", "emtpy");
             return ch;
         },
         "neither \"empty\""},
        {set({"optional_features", "time_out_timer"}, "7 min"), "not a valid setting"},
        {set({"scan_info", "dropout_delay_time"}, "301"), "not a valid setting"},
        {set({"calibration", "power_adjust", "low_1"}, "200"), "not a valid setting"},
        {set({"model", "name"}, "M2"), "entry 0 of the settings file is \"M1\""},
        {set({"band", "index"}, "2"), "lists no entry 2"},
        {set({"other_bytes", "0x000"}, "00 00"), "a row holds 16 bytes"},
        {set({"format"}, "2"), "format 2, written by a newer program"},
        {[](Node& t) {
             Node* ch = at(t, {"channels", "3"});
             return &ch->add(Node::scalar("colour", "red"));
         },
         "\"3.colour\" is no name"},
        {[](Node& t) {
             Node* ch = at(t, {"channels", "3"});
             ch->items.erase(ch->items.begin() + 4); // power
             return ch;
         },
         "3.power is missing"},
        {[](Node& t) {
             at(t, {"scan_info", "priority"})->text = "Fixed";
             Node* channel = at(t, {"scan_info", "priority_channel"});
             *channel = Node::scalar("priority_channel", "5"); // empty
             return channel;
         },
         "not a programmed channel"},
        {[](Node& t) {
             Node* busy = at(t, {"channels", "3", "busy_lock"});
             *busy = Node::map("busy_lock");
             busy->add(Node::scalar("hex", "FF"));
             return busy;
         },
         "sets bits outside"},
    };
    int line = 100;
    for (const auto& c : cases) {
        Node tree = good;
        Node* changed = c.edit(tree);
        ASSERT_NE(changed, nullptr) << c.says << "\n" << dump(good);
        changed->line = ++line;
        const conftext::ImportResult r =
            conftext::importTree(tree, settings, radio::untranslated());
        EXPECT_FALSE(r.ok) << c.says;
        ASSERT_EQ(r.problems.size(), 1u) << c.says << ": " << r.problems[0].message;
        EXPECT_EQ(r.problems[0].line, line) << c.says;
        EXPECT_NE(r.problems[0].message.find(c.says), std::string::npos) << r.problems[0].message;
        // Every message is in the catalogues.
        const auto zh = conftext::importTree(tree, settings, radio::ts::chineseCatalogue());
        ASSERT_EQ(zh.problems.size(), 1u);
        EXPECT_EQ(zh.problems[0].message.find("<missing"), std::string::npos)
            << zh.problems[0].message;
    }
}
