#pragma once
// The configuration as text people read, review and keep in version control:
// the image as an ordered tree of named values, and back. The tree holds a
// format version, the model and band, the sixteen channels, every radio-wide
// option as the window shows it, the calibration values and, last, every bit
// of the image no named value covers, in hex. A value that is no valid
// setting is written as its bytes in hex in its place ({hex: ...}), so any
// image comes back byte for byte. Reading checks each value as typing it
// into the window would, and names the line of every problem. Turning the
// tree into a file's text is the file format's business (textfile/).

#include "model/ConfigCheck.h"
#include "model/Image.h"
#include "model/Text.h"

#include <string>
#include <vector>

namespace radio::conftext {

// A value of the tree: a scalar text, or a map or list of values in order.
struct Node {
    enum class Kind { Scalar, Map, List };
    Kind kind = Kind::Scalar;
    std::string key;         // the entry's name inside a map
    std::string text;        // a scalar's text
    std::vector<Node> items; // a map's entries or a list's items, in order
    int line = 0;            // 1-based line in the source text; 0 when built here
    bool inlined = false;    // a small map written on one line ({hex: ...})

    static Node scalar(std::string key, std::string text);
    static Node map(std::string key = {});
    Node& add(Node child);
    // The entry named `name` of a map, or null.
    const Node* find(const std::string& name) const;
};

// The format this program writes and the newest it reads.
constexpr int kFormatVersion = 1;

// The image as a tree. `settings` names the model and band.
Node exportTree(const Image& image, const check::Settings& settings);

struct Problem {
    int line = 0; // 1-based; 0 when the problem has no line
    std::string message;
};
struct ImportResult {
    bool ok = false;
    Image image{};
    std::vector<Problem> problems; // in line order
};
// The tree as an image; nothing is taken unless every value passes.
ImportResult importTree(const Node& root, const check::Settings& settings,
                        const Translate& translate);

// "FILE:LINE: message" lines, the message's control characters escaped.
std::vector<std::string> problemLines(const std::string& fileName,
                                      const std::vector<Problem>& problems);

} // namespace radio::conftext
