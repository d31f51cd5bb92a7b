#pragma once
// The configuration text as YAML: the tree of model/ConfigText.h written with
// a stable layout (one value per line, texts quoted where YAML would read
// them as something else) and read back with the line of every value. Only
// what the tree can hold is read: no aliases, tags or keys that are not text.

#include "model/ConfigText.h"

#include <cstddef>
#include <string>

namespace radio::yamltext {

// A configuration text is a few kilobytes; a larger input is refused before
// it is parsed.
constexpr std::size_t kMaxInput = 512 * 1024;

std::string write(const conftext::Node& root);

struct ReadResult {
    bool ok = false;
    conftext::Node root;
    conftext::Problem problem; // when not ok
};
ReadResult read(const std::string& text, const Translate& translate);

} // namespace radio::yamltext
