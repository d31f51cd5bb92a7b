#include "textfile/ConfigFile.h"

#include "model/ConfigText.h"
#include "model/SafeFile.h"
#include "textfile/YamlText.h"

#include <algorithm>
#include <cctype>

namespace radio::configfile {

bool isText(const std::string& path) {
    std::string name = path.substr(std::min(path.size(), path.find_last_of("/\\") + 1));
    for (char& c : name)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    const auto endsWith = [&name](const std::string& end) {
        return name.size() > end.size() &&
               name.compare(name.size() - end.size(), end.size(), end) == 0;
    };
    return endsWith(".yaml") || endsWith(".yml");
}

Loaded load(const std::string& path, const check::Settings& settings, const Translate& translate) {
    Loaded out;
    if (!isText(path)) {
        const Result<void> r = loadDat(path, out.image);
        out.ok = r.ok();
        if (!r)
            out.error = failureText(r.failure(), translate);
        return out;
    }
    return loadText(path, settings, translate);
}

Loaded loadText(const std::string& path, const check::Settings& settings,
                const Translate& translate) {
    Loaded out;
    std::string text;
    const files::Result r = files::readInput(path, text, yamltext::kMaxInput);
    if (!r.ok) {
        out.error = r.error;
        return out;
    }
    const yamltext::ReadResult parsed = yamltext::read(text, translate);
    if (!parsed.ok) {
        out.problems = {parsed.problem};
        return out;
    }
    conftext::ImportResult imported = conftext::importTree(parsed.root, settings, translate);
    out.problems = std::move(imported.problems);
    out.ok = imported.ok;
    out.image = imported.image;
    return out;
}

std::string failure(const Loaded& loaded, const std::string& name, const Translate& translate) {
    if (loaded.problems.empty())
        return loaded.error;
    return firstLines(conftext::problemLines(name, loaded.problems), translate);
}

Result<void> save(const std::string& path, const Image& image, const check::Settings& settings) {
    if (!isText(path))
        return saveDat(path, image);
    const files::Result r =
        files::writeAtomically(path, yamltext::write(conftext::exportTree(image, settings)));
    if (!r.ok)
        return Failure{FailureCode::File, {r.error}};
    return {};
}

} // namespace radio::configfile
