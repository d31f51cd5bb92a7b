#include "app/RecentFiles.h"

#include <algorithm>

namespace radio {

RecentFiles RecentFiles::parse(const std::string& stored) {
    RecentFiles list;
    std::size_t start = 0;
    while (start <= stored.size() && list.m_paths.size() < kMaxFiles) {
        std::size_t end = stored.find('\n', start);
        if (end == std::string::npos)
            end = stored.size();
        std::string line = stored.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() &&
            std::find(list.m_paths.begin(), list.m_paths.end(), line) == list.m_paths.end())
            list.m_paths.push_back(line);
        start = end + 1;
    }
    return list;
}

std::string RecentFiles::serialize() const {
    std::string out;
    for (const std::string& path : m_paths) {
        if (!out.empty())
            out += '\n';
        out += path;
    }
    return out;
}

void RecentFiles::add(const std::string& path) {
    // A name with a line break could not be read back as one entry.
    if (path.empty() || path.find_first_of("\r\n") != std::string::npos)
        return;
    remove(path);
    m_paths.insert(m_paths.begin(), path);
    if (m_paths.size() > kMaxFiles)
        m_paths.resize(kMaxFiles);
}

void RecentFiles::remove(const std::string& path) {
    m_paths.erase(std::remove(m_paths.begin(), m_paths.end(), path), m_paths.end());
}

namespace {

// Where each non-empty part of a path begins, '/' and '\\' both separating.
std::vector<std::size_t> partStarts(const std::string& path) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < path.size(); ++i)
        if (path[i] != '/' && path[i] != '\\' &&
            (i == 0 || path[i - 1] == '/' || path[i - 1] == '\\'))
            starts.push_back(i);
    return starts;
}

// The last `k` parts of `path`, or all of it when it has no more.
std::string lastParts(const std::string& path, const std::vector<std::size_t>& starts,
                      std::size_t k) {
    return k >= 1 && k <= starts.size() ? path.substr(starts[starts.size() - k]) : path;
}

} // namespace

std::vector<std::string> RecentFiles::labels(const std::vector<std::string>& paths) {
    std::vector<std::vector<std::size_t>> starts;
    for (const std::string& p : paths)
        starts.push_back(partStarts(p));
    std::vector<std::string> out;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        for (std::size_t k = 1;; ++k) {
            const std::string mine = lastParts(paths[i], starts[i], k);
            bool shared = false;
            for (std::size_t j = 0; j < paths.size() && !shared; ++j)
                shared = j != i && lastParts(paths[j], starts[j], k) == mine;
            if (!shared || k > starts[i].size()) {
                out.push_back(mine);
                break;
            }
        }
    }
    return out;
}

} // namespace radio
