#include "app/RecentFiles.h"

#include "app/UserKeys.h"

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

namespace userkeys {

std::uint32_t get(const UserValues* values, const std::string& appName, NumberKey key) {
    if (!values)
        return key.fallback;
    return values->get(appName, key.name).value_or(key.fallback);
}

std::string get(const UserValues* values, const std::string& appName, TextKey key) {
    if (!values)
        return key.fallback;
    return values->getText(appName, key.name).value_or(key.fallback);
}

void set(UserValues* values, const std::string& appName, NumberKey key, std::uint32_t value) {
    if (values)
        values->set(appName, key.name, value);
}

void set(UserValues* values, const std::string& appName, TextKey key, const std::string& value) {
    if (values)
        values->setText(appName, key.name, value);
}

} // namespace userkeys
} // namespace radio
