#pragma once
// A configuration file of either kind the program opens and saves: the
// 1024-byte .dat file or the configuration text (.yaml). Which one a file is
// goes by its extension, so a text stays a text when it is saved again.

#include "model/ConfigCheck.h"
#include "model/ConfigText.h"
#include "model/Image.h"
#include "model/Result.h"
#include "model/Text.h"

#include <string>
#include <vector>

namespace radio::configfile {

// True for a name ending in .yaml or .yml (any case).
bool isText(const std::string& path);
constexpr const char* kTextExtension = ".yaml";

struct Loaded {
    bool ok = false;
    Image image{};
    std::string error;                       // one line when the file cannot be read at all
    std::vector<conftext::Problem> problems; // a text's problems, with their lines
};
// `settings` names the model and band a text's channels are checked against.
Loaded load(const std::string& path, const check::Settings& settings, const Translate& translate);
// The file as a configuration text, whatever its name.
Loaded loadText(const std::string& path, const check::Settings& settings,
                const Translate& translate);

// Why a load failed, for a message: the read error, or the text's problems
// as "NAME:LINE: message" lines, the first few and a count.
std::string failure(const Loaded& loaded, const std::string& name, const Translate& translate);

// Writes `image` as the file's kind wants it, replacing the file atomically.
Result<void> save(const std::string& path, const Image& image, const check::Settings& settings);

} // namespace radio::configfile
