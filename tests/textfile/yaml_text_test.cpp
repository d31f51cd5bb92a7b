#include "textfile/YamlText.h"

#include "tests/RandomImages.h"

#include <gtest/gtest.h>

using radio::conftext::Node;
namespace yamltext = radio::yamltext;

// Texts YAML would read as numbers, truth values or nothing, or that need
// quoting, come back exactly as written, each on its own line.
TEST(YamlText, WritesEveryTextSoThatItReadsBackExactly) {
    const std::vector<std::string> texts = {
        "446.10000", "Off",   "yes",  "",      " lead", "a: b", "#hash",
        "null",      "0x3F0", "信道", "FF FF", "-1",    "~",    "with \"quotes\" and \\"};
    Node root = Node::map();
    for (std::size_t i = 0; i < texts.size(); ++i)
        root.add(Node::scalar("k" + std::to_string(i), texts[i]));
    Node& inner = root.add(Node::map("inner"));
    Node& hex = inner.add(Node::map("raw"));
    hex.inlined = true;
    hex.add(Node::scalar("hex", "25 06"));

    const std::string text = yamltext::write(root);
    EXPECT_NE(text.find("\"446.10000\""), std::string::npos) << text;
    EXPECT_NE(text.find("raw: {hex: "), std::string::npos) << text;
    EXPECT_EQ(yamltext::write(root), text); // stable

    const yamltext::ReadResult back = yamltext::read(text, radio::untranslated());
    ASSERT_TRUE(back.ok) << back.problem.message;
    ASSERT_EQ(back.root.items.size(), texts.size() + 1);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(back.root.items[i].text, texts[i]);
        // A comment and a blank line, then one value per line.
        EXPECT_EQ(back.root.items[i].line, int(i) + 3) << texts[i];
    }
    const Node* raw = back.root.find("inner")->find("raw");
    ASSERT_NE(raw, nullptr);
    EXPECT_EQ(raw->find("hex")->text, "25 06");
    EXPECT_EQ(raw->line, int(texts.size()) + 4);
}

TEST(YamlText, RefusesWhatNoConfigurationHoldsWithTheLine) {
    const struct {
        std::string text;
        int line;
        std::string says;
    } cases[] = {
        {"a: 1\nb: 2\na: 3\n", 3, "appears twice"},
        {"a: &x 1\nb: *x\n", 2, "aliases"},
        {"a: !bin 1\n", 1, "tags"},
        {"{a: 1}: 2\n", 1, "plain text"},
        {"- 1\n- 2\n", 1, "no names"},
        {"a: 1\n---\nb: 2\n", 0, "more than one document"},
        {"a: 1\nb: \"\\\x1b\"\n", 2, "not valid YAML"},
        {std::string(yamltext::kMaxInput + 1, '#'), 0, "larger than 512 KB"},
    };
    for (const auto& c : cases) {
        const yamltext::ReadResult r = yamltext::read(c.text, radio::untranslated());
        EXPECT_FALSE(r.ok) << c.text.substr(0, 40);
        EXPECT_EQ(r.problem.line, c.line) << c.text.substr(0, 40);
        EXPECT_NE(r.problem.message.find(c.says), std::string::npos) << r.problem.message;
        EXPECT_EQ(r.problem.message.find('\x1b'), std::string::npos) << r.problem.message;
    }
}

// Any image through the text and back is the same image, and its text the
// same text; model names YAML would read as something else stay names.
TEST(YamlText, AnyImageThroughTheTextComesBackTheSame) {
    radio::check::Settings settings;
    settings.found = true;
    settings.products = {{"On", {"400-470"}}, {"M: 2 #b", {"136-174"}}};
    std::mt19937 rng(11);
    for (int i = 0; i < 200; ++i) {
        const radio::Image img = testimages::randomImage(rng, i);
        const std::string text = yamltext::write(radio::conftext::exportTree(img, settings));
        const yamltext::ReadResult read = yamltext::read(text, radio::untranslated());
        ASSERT_TRUE(read.ok) << read.problem.line << ": " << read.problem.message;
        const auto back = radio::conftext::importTree(read.root, settings, radio::untranslated());
        ASSERT_TRUE(back.ok) << back.problems[0].line << ": " << back.problems[0].message << "\n"
                             << text;
        ASSERT_EQ(back.image, img) << text;
        EXPECT_EQ(yamltext::write(radio::conftext::exportTree(back.image, settings)), text);
    }
}
