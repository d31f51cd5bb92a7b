#pragma once
// File > Recent Files: the configurations opened or saved last, most recent
// first, kept as one per-user text value.

#include <cstddef>
#include <string>
#include <vector>

namespace radio {

class RecentFiles {
public:
    static constexpr std::size_t kMaxFiles = 6;

    // One path per line; blank lines, repeats and lines beyond the limit
    // (a hand-edited value) are dropped.
    static RecentFiles parse(const std::string& stored);
    std::string serialize() const;

    // `path` moves to the front; the oldest falls off beyond the limit.
    void add(const std::string& path);
    // A file that no longer opens leaves the list.
    void remove(const std::string& path);

    const std::vector<std::string>& paths() const { return m_paths; }

    // What the menu shows of each path: the file name, with as many of its
    // folders before it as it takes to tell it from the other paths (two
    // customers' "radio.dat"); a path that is all shared shows whole.
    static std::vector<std::string> labels(const std::vector<std::string>& paths);

private:
    std::vector<std::string> m_paths;
};

} // namespace radio
