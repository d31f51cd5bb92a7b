#include "app/IniFile.h"

#include "model/SafeFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace radio {

namespace fs = std::filesystem;

namespace {

// A settings file is a few kilobytes; this only stops a runaway input.
constexpr std::uint64_t kMaxSettingsBytes = 16u * 1024u * 1024u;

bool isBlank(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string trim(const std::string& s) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && isBlank(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && isBlank(static_cast<unsigned char>(s[e - 1])))
        --e;
    return s.substr(b, e - b);
}

// Decodes one UTF-8 sequence at `i`; a byte that does not start a valid
// sequence stands for itself (offset into a private range so it never
// equals a real code point), which keeps arbitrary bytes comparable.
std::uint32_t nextCodePoint(const std::string& s, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = byte(i);
    int len = 0;
    std::uint32_t cp = 0;
    if (c < 0x80) {
        ++i;
        return c;
    } else if ((c & 0xE0) == 0xC0) {
        len = 2;
        cp = c & 0x1Fu;
    } else if ((c & 0xF0) == 0xE0) {
        len = 3;
        cp = c & 0x0Fu;
    } else if ((c & 0xF8) == 0xF0) {
        len = 4;
        cp = c & 0x07u;
    }
    if (len == 0 || i + len > s.size()) {
        ++i;
        return 0x110000u + c;
    }
    for (int k = 1; k < len; ++k) {
        const unsigned char t = byte(i + k);
        if ((t & 0xC0) != 0x80) {
            ++i;
            return 0x110000u + c;
        }
        cp = (cp << 6) | (t & 0x3Fu);
    }
    i += len;
    return cp;
}

// Simple case folding for the scripts a settings file may carry in key or
// section names: ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic.
std::uint32_t foldCase(std::uint32_t cp) {
    if (cp >= 'A' && cp <= 'Z')
        return cp + 0x20;
    if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7)
        return cp + 0x20;
    if (cp >= 0x100 && cp <= 0x137 && (cp % 2) == 0)
        return cp + 1;
    if (cp >= 0x139 && cp <= 0x148 && (cp % 2) == 1)
        return cp + 1;
    if (cp >= 0x14A && cp <= 0x177 && (cp % 2) == 0)
        return cp + 1;
    if (cp >= 0x391 && cp <= 0x3AB && cp != 0x3A2)
        return cp + 0x20;
    if (cp >= 0x410 && cp <= 0x42F)
        return cp + 0x20;
    if (cp >= 0x400 && cp <= 0x40F)
        return cp + 0x50;
    return cp;
}

bool equalFolded(const std::string& a, const std::string& b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (foldCase(nextCodePoint(a, i)) != foldCase(nextCodePoint(b, j)))
            return false;
    }
    return i == a.size() && j == b.size();
}

// Removes the marker and everything after it.
void cutAt(std::string& value, const char* marker) {
    const std::size_t pos = value.find(marker);
    if (pos != std::string::npos)
        value.erase(pos);
}

bool isCommentStart(char c) {
    return c == ';' || c == '/' || c == '\\' || c == '*';
}

} // namespace

CIniFile::CIniFile(int growthStep) : m_growthStep(growthStep > 0 ? growthStep : 10) {
    m_sections.reserve(static_cast<std::size_t>(m_growthStep));
}

CIniFile::~CIniFile() {
    if (m_writeBack && !m_path.empty())
        Save(false);
}

bool CIniFile::Open(const std::string& fileName, const std::string& argv0, bool writeBack,
                    bool ignoreCase, int backupCount) {
    // The file lives beside the program. Both separators count, so a path
    // from either platform works; without one the current directory is used.
    const std::size_t sep = argv0.find_last_of("/\\");
    std::string full = fileName;
    if (sep != std::string::npos && !fs::path(fileName).is_absolute())
        full = argv0.substr(0, sep) + "/" + fileName;
    return Load(full, writeBack, ignoreCase, backupCount);
}

bool CIniFile::Load(const std::string& fullPath, bool writeBack, bool ignoreCase, int backupCount) {
    if (!m_path.empty() && m_writeBack)
        Save(false);
    clear();

    m_writeBack = writeBack;
    m_ignoreCase = ignoreCase;
    m_backupCount = backupCount;

    std::error_code ec;
    if (!fs::exists(fs::u8path(fullPath), ec)) {
        const files::Result created = files::createNew(fullPath, "", 0);
        if (!created.ok && created.code != EEXIST)
            return false;
    }
    // Read whole and bounded; a folder or a FIFO in its place fails the load
    // instead of hanging start-up.
    std::string text;
    if (!files::readInput(fullPath, text, kMaxSettingsBytes).ok)
        return false;
    // Editors on Windows like to start UTF-8 files with a byte order mark; it
    // would otherwise become part of the first line and hide its section.
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.erase(0, 3);

    Section unnamed;
    m_sections.push_back(unnamed);
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t eol = text.find('\n', pos);
        if (eol == std::string::npos)
            eol = text.size();
        const std::string line = trim(text.substr(pos, eol - pos)); // also drops a '\r'
        pos = eol + 1;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            if (m_sections.size() == m_sections.capacity())
                m_sections.reserve(m_sections.size() + static_cast<std::size_t>(m_growthStep));
            Section s;
            s.name = line.substr(1, line.size() - 2);
            m_sections.push_back(std::move(s));
            continue;
        }
        const std::size_t eq = line.find('=');
        std::string key = trim(line.substr(0, eq));
        std::string value = eq == std::string::npos ? std::string() : trim(line.substr(eq + 1));
        if (key.empty() || isCommentStart(key.front()))
            continue;
        Section& current = m_sections.back();
        current.keys.push_back(std::move(key));
        current.values.push_back(std::move(value));
    }
    m_path = fullPath;
    return true;
}

std::string CIniFile::GetString(const std::string& section, const std::string& key,
                                const std::string& def) const {
    const int s = findSection(section);
    if (s < 0)
        return def;
    const Section& sec = m_sections[static_cast<std::size_t>(s)];
    for (std::size_t i = sec.keys.size(); i-- > 0;) {
        if (!equalNames(sec.keys[i], key))
            continue;
        // The blank before a marker stays: "Chinese // note" reads "Chinese ".
        std::string value = sec.values[i];
        cutAt(value, "//");
        cutAt(value, "\t;");
        cutAt(value, "/*");
        return value;
    }
    return trim(def);
}

void CIniFile::SetString(const std::string& section, const std::string& key,
                         const std::string& value) {
    if (m_path.empty())
        return;
    int s = findSection(section);
    if (s < 0) {
        Section added;
        added.name = section;
        m_sections.push_back(std::move(added));
        s = static_cast<int>(m_sections.size()) - 1;
    }
    Section& sec = m_sections[static_cast<std::size_t>(s)];
    for (std::size_t i = sec.keys.size(); i-- > 0;) {
        if (!equalNames(sec.keys[i], key))
            continue;
        if (sec.values[i] != value) {
            sec.values[i] = value;
            m_modified = true;
        }
        return;
    }
    sec.keys.push_back(key);
    sec.values.push_back(value);
    m_modified = true;
}

bool CIniFile::Save(bool makeBackup) {
    if (!m_modified || m_path.empty())
        return false;

    if (m_backupCount != 0 && makeBackup) {
        if (m_backupName.empty())
            m_backupName = nextBackupName();
        std::error_code ec;
        // Never overwrite an older backup; each save looks for its own number.
        fs::copy_file(m_path, m_backupName, fs::copy_options::skip_existing, ec);
        m_backupName.clear();
    }

    std::string out;
    for (std::size_t n = 0; n < m_sections.size(); ++n) {
        const Section& sec = m_sections[n];
        // Only the first, unnamed section has no header; a later "[]" keeps
        // its own, or its keys would join the section above on the next load.
        if (n > 0 || !sec.name.empty())
            out += '[' + sec.name + "]\n";
        for (std::size_t i = 0; i < sec.keys.size(); ++i) {
            out += sec.keys[i];
            if (!sec.keys[i].empty())
                out += '=';
            out += sec.values[i] + '\n';
        }
    }
    // Replaced as a whole: a failed write leaves the previous settings, and a
    // linked settings file and its permissions stay as they are.
    if (!files::writeAtomically(m_path, out).ok)
        return false;
    m_modified = false;
    return true;
}

int CIniFile::findSection(const std::string& name) const {
    for (std::size_t i = 0; i < m_sections.size(); ++i) {
        if (equalNames(m_sections[i].name, name))
            return static_cast<int>(i);
    }
    return -1;
}

bool CIniFile::equalNames(const std::string& a, const std::string& b) const {
    return m_ignoreCase ? equalFolded(a, b) : a == b;
}

std::string CIniFile::nextBackupName() const {
    const fs::path full(m_path);
    const std::string stem = full.stem().string(); // file name without its extension
    fs::path dir = full.parent_path();
    if (dir.empty())
        dir = ".";
    long largest = 0;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        // Matches "<stem>*.*": the stem, then anything holding a dot.
        if (name.size() <= stem.size() || name.compare(0, stem.size(), stem) != 0 ||
            name.find('.', stem.size()) == std::string::npos)
            continue;
        const std::string tail = name.size() > 3 ? name.substr(name.size() - 3) : name;
        const long number = std::atol(tail.c_str());
        largest = std::max(largest, number);
    }
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%.3ld", largest + 1);
    return m_path + suffix;
}

void CIniFile::clear() {
    m_path.clear();
    m_sections.clear();
    m_modified = false;
    m_backupName.clear();
}

} // namespace radio
