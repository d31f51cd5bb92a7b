#include "textfile/YamlText.h"

#include "model/SafeFile.h"

#include <yaml-cpp/eventhandler.h>
#include <yaml-cpp/exceptions.h>
#include <yaml-cpp/parser.h>
#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <cctype>
#include <sstream>
#include <vector>

namespace radio::yamltext {

using conftext::Node;

namespace {

std::string lower(std::string s) {
    for (char& c : s)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Plain text another YAML reader would take for a number, a truth value or
// nothing: quoted, so "446.10000" keeps its zeros and "Off" stays a word.
bool readAsOtherThanText(const std::string& s) {
    static const std::vector<std::string> words = {
        "y", "n", "yes", "no", "on", "off", "true", "false", "null", "~", ".inf", "-.inf", ".nan"};
    if (s.empty() || std::find(words.begin(), words.end(), lower(s)) != words.end())
        return true;
    const std::size_t start = (s[0] == '-' || s[0] == '+') ? 1 : 0;
    return start < s.size() && (std::isdigit(static_cast<unsigned char>(s[start])) ||
                                (s[start] == '.' && start + 1 < s.size()));
}

bool allDigits(const std::string& s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

void emit(YAML::Emitter& out, const Node& node) {
    if (!node.key.empty()) {
        out << YAML::Key;
        // Channel numbers stay plain; "0x010" would be a number elsewhere.
        if (!allDigits(node.key) && readAsOtherThanText(node.key))
            out << YAML::DoubleQuoted;
        out << node.key << YAML::Value;
    }
    switch (node.kind) {
    case Node::Kind::Scalar:
        // Texts with blanks quoted too, so rows of hex bytes all look alike.
        if (readAsOtherThanText(node.text) || node.text.find(' ') != std::string::npos)
            out << YAML::DoubleQuoted;
        out << node.text;
        break;
    case Node::Kind::Map:
        if (node.inlined)
            out << YAML::Flow;
        out << YAML::BeginMap;
        for (const Node& child : node.items)
            emit(out, child);
        out << YAML::EndMap;
        break;
    case Node::Kind::List:
        out << YAML::BeginSeq;
        for (const Node& child : node.items)
            emit(out, child);
        out << YAML::EndSeq;
        break;
    }
}

// A text the tree cannot hold, with the line where it shows.
struct Refused {
    int line;
    std::string message;
};

// Builds the tree from the parser's events, refusing what it cannot hold.
class TreeBuilder : public YAML::EventHandler {
public:
    explicit TreeBuilder(const Translate& translate) : m_translate(translate) {}

    Node root;
    bool haveRoot = false;

    void OnDocumentStart(const YAML::Mark&) override {}
    void OnDocumentEnd() override {}
    void OnNull(const YAML::Mark& mark, YAML::anchor_t) override {
        Node n;
        n.line = mark.line + 1;
        place(std::move(n));
    }
    void OnAlias(const YAML::Mark& mark, YAML::anchor_t) override {
        fail(mark,
             RADIO_TEXT("ConfigText", "aliases (*name) are not used in a configuration text"));
    }
    void OnScalar(const YAML::Mark& mark, const std::string& tag, YAML::anchor_t,
                  const std::string& value) override {
        checkTag(mark, tag);
        Node n;
        n.text = value;
        n.line = mark.line + 1;
        place(std::move(n));
    }
    void OnSequenceStart(const YAML::Mark& mark, const std::string& tag, YAML::anchor_t,
                         YAML::EmitterStyle::value) override {
        open(mark, tag, Node::Kind::List);
    }
    void OnSequenceEnd() override { close(); }
    void OnMapStart(const YAML::Mark& mark, const std::string& tag, YAML::anchor_t,
                    YAML::EmitterStyle::value) override {
        open(mark, tag, Node::Kind::Map);
    }
    void OnMapEnd() override { close(); }

private:
    struct Open {
        Node node;
        bool keyNext = true; // in a map: the next scalar is a key
        std::string key;
        int keyLine = 0;
    };
    const Translate& m_translate;
    std::vector<Open> m_stack;

    [[noreturn]] void fail(const YAML::Mark& mark, const char* english) {
        throw Refused{mark.line + 1, m_translate("ConfigText", english)};
    }
    void checkTag(const YAML::Mark& mark, const std::string& tag) {
        // "?" is an untagged plain scalar, "!" a quoted one.
        if (!tag.empty() && tag != "?" && tag != "!")
            fail(mark,
                 RADIO_TEXT("ConfigText", "tags (!name) are not used in a configuration text"));
    }
    void open(const YAML::Mark& mark, const std::string& tag, Node::Kind kind) {
        checkTag(mark, tag);
        if (!m_stack.empty() && m_stack.back().node.kind == Node::Kind::Map &&
            m_stack.back().keyNext)
            fail(mark, RADIO_TEXT("ConfigText", "a key must be a plain text"));
        // The format nests four deep; anything far deeper is no configuration.
        if (m_stack.size() >= 16)
            fail(mark, RADIO_TEXT("ConfigText", "values are nested too deeply"));
        Open o;
        o.node.kind = kind;
        o.node.line = mark.line + 1;
        m_stack.push_back(std::move(o));
    }
    void close() {
        Node done = std::move(m_stack.back().node);
        m_stack.pop_back();
        place(std::move(done));
    }
    void place(Node n) {
        if (m_stack.empty()) {
            root = std::move(n);
            haveRoot = true;
            return;
        }
        Open& top = m_stack.back();
        if (top.node.kind == Node::Kind::List) {
            top.node.items.push_back(std::move(n));
            return;
        }
        if (top.keyNext) {
            top.key = n.text;
            top.keyLine = n.line;
            top.keyNext = false;
            if (top.node.find(top.key))
                throw Refused{n.line, textArg(m_translate("ConfigText",
                                                          RADIO_TEXT("ConfigText",
                                                                     "the key %1 appears twice")),
                                              {files::quoted(top.key)})};
            return;
        }
        n.key = top.key;
        // A value on the lines after its key is still the key's value.
        n.line = top.keyLine;
        top.node.items.push_back(std::move(n));
        top.keyNext = true;
    }
};

} // namespace

std::string write(const Node& root) {
    YAML::Emitter out;
    out.SetIndent(2);
    out << YAML::Comment("Radio configuration. Change the values, keep the names; a value "
                         "in {hex: ...} is kept byte for byte.");
    out << YAML::Newline;
    emit(out, root);
    return std::string(out.c_str()) + "\n";
}

ReadResult read(const std::string& text, const Translate& translate) {
    ReadResult r;
    if (text.size() > kMaxInput) {
        r.problem = {
            0, textArg(translate("ConfigText",
                                 "the text is larger than %1 KB, more than any configuration"),
                       {std::to_string(kMaxInput / 1024)})};
        return r;
    }
    std::istringstream in(text);
    TreeBuilder builder(translate);
    try {
        YAML::Parser parser(in);
        if (parser.HandleNextDocument(builder) && parser.HandleNextDocument(builder)) {
            r.problem = {0, translate("ConfigText", "the text holds more than one document")};
            return r;
        }
    } catch (const Refused& e) {
        r.problem = {e.line, e.message};
        return r;
    } catch (const YAML::Exception& e) {
        // What the parser says may quote the text, which may hold anything.
        r.problem = {e.mark.is_null() ? 0 : e.mark.line + 1,
                     textArg(translate("ConfigText", "not valid YAML: %1"),
                             {files::printable(e.msg, std::string::npos)})};
        return r;
    }
    if (!builder.haveRoot || builder.root.kind != Node::Kind::Map) {
        r.problem = {builder.haveRoot ? builder.root.line : 0,
                     translate("ConfigText", "the text is no configuration: it holds no names "
                                             "with values")};
        return r;
    }
    r.ok = true;
    r.root = std::move(builder.root);
    return r;
}

} // namespace radio::yamltext
