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
    // would otherwise become part of the first line and hide its section. It
    // is kept aside and written back as it was.
    std::size_t pos = 0;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        m_byteOrderMark = text.substr(0, 3);
        pos = 3;
    }

    m_sections.emplace_back(); // the unnamed section
    bool endSeen = false;
    while (pos < text.size()) {
        Line line;
        const std::size_t eol = text.find('\n', pos);
        if (eol == std::string::npos) {
            line.text = text.substr(pos);
            pos = text.size();
        } else {
            const std::size_t stop = eol > pos && text[eol - 1] == '\r' ? eol - 1 : eol;
            line.text = text.substr(pos, stop - pos);
            line.end = text.substr(stop, eol + 1 - stop);
            pos = eol + 1;
            if (!endSeen)
                m_lineEnd = line.end;
            endSeen = true;
        }
        std::size_t b = 0;
        std::size_t e = line.text.size();
        while (b < e && isBlank(static_cast<unsigned char>(line.text[b])))
            ++b;
        while (e > b && isBlank(static_cast<unsigned char>(line.text[e - 1])))
            --e;
        if (e - b >= 2 && line.text[b] == '[' && line.text[e - 1] == ']') {
            // Grown by at least the table's own size, so a file of many
            // sections loads in time proportional to its length.
            if (m_sections.size() == m_sections.capacity())
                m_sections.reserve(m_sections.size() +
                                   std::max(m_sections.size(), std::size_t(m_growthStep)));
            Section s;
            s.name = line.text.substr(b + 1, e - b - 2);
            s.hasHeader = true;
            s.lines.push_back(std::move(line));
            m_sections.push_back(std::move(s));
            continue;
        }
        const std::size_t eq = line.text.find('=', b);
        if (eq == std::string::npos || eq >= e) {
            line.key = line.text.substr(b, e - b); // a key with an empty value
            line.valueAt = e;
        } else {
            line.key = trim(line.text.substr(b, eq - b));
            std::size_t v = eq + 1;
            while (v < e && isBlank(static_cast<unsigned char>(line.text[v])))
                ++v;
            line.valueAt = v;
            line.valueLength = e - v;
            line.value = line.text.substr(v, e - v);
        }
        if (line.key.empty() || isCommentStart(line.key.front())) {
            line.key.clear(); // kept as written, never looked up
            line.value.clear();
        }
        m_sections.back().lines.push_back(std::move(line));
    }
    m_path = fullPath;
    m_savePath = fullPath;
    return true;
}

std::string CIniFile::GetString(const std::string& section, const std::string& key,
                                const std::string& def) const {
    const int s = findSection(section);
    if (s < 0)
        return def;
    const Section& sec = m_sections[static_cast<std::size_t>(s)];
    for (std::size_t i = sec.lines.size(); i-- > 0;) {
        const Line& line = sec.lines[i];
        if (line.key.empty() || !equalNames(line.key, key))
            continue;
        // The blank before a marker stays: "Chinese // note" reads "Chinese ".
        std::string value = line.value;
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
    const int s = findSection(section);
    if (s < 0) {
        Section added;
        added.name = section;
        added.hasHeader = true;
        Line header;
        header.text = '[' + section + ']';
        header.end = m_lineEnd;
        if (Line* last = lastLine(); last && last->end.empty())
            last->end = m_lineEnd;
        added.lines.push_back(std::move(header));
        m_sections.push_back(std::move(added));
        addKey(m_sections.back(), key, value);
        m_modified = true;
        return;
    }
    Section& sec = m_sections[static_cast<std::size_t>(s)];
    for (std::size_t i = sec.lines.size(); i-- > 0;) {
        Line& line = sec.lines[i];
        if (line.key.empty() || !equalNames(line.key, key))
            continue;
        if (line.value != value) {
            // Only the value's bytes change; what surrounds it stays.
            if (line.text.find('=') == std::string::npos)
                line.text.insert(line.valueAt++, 1, '=');
            line.text.replace(line.valueAt, line.valueLength, value);
            line.valueLength = value.size();
            line.value = value;
            m_modified = true;
        }
        return;
    }
    addKey(sec, key, value);
    m_modified = true;
}

void CIniFile::addKey(Section& sec, const std::string& key, const std::string& value) {
    // After the section's last key, so the comments and blank lines that lead
    // into the next section stay with it.
    std::size_t at = sec.hasHeader ? 1 : 0;
    for (std::size_t i = sec.lines.size(); i-- > 0;) {
        if (!sec.lines[i].key.empty()) {
            at = i + 1;
            break;
        }
    }
    if (at == sec.lines.size() && &sec == &m_sections.back()) {
        if (Line* last = lastLine(); last && last->end.empty())
            last->end = m_lineEnd;
    }
    Line line;
    line.text = key + '=' + value;
    line.end = m_lineEnd;
    line.key = key;
    line.value = value;
    line.valueAt = key.size() + 1;
    line.valueLength = value.size();
    sec.lines.insert(sec.lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

CIniFile::Line* CIniFile::lastLine() {
    for (std::size_t n = m_sections.size(); n-- > 0;) {
        if (!m_sections[n].lines.empty())
            return &m_sections[n].lines.back();
    }
    return nullptr;
}

bool CIniFile::Save(bool makeBackup) {
    m_saveError.clear();
    if (!m_modified || m_path.empty())
        return false;
    if (m_savePath.empty()) {
        m_saveError = "no folder for this user's settings is known, and " +
                      files::quoted(m_path, 4096) + " may not be changed";
        return false;
    }

    if (m_backupCount != 0 && makeBackup) {
        if (m_backupName.empty())
            m_backupName = nextBackupName();
        std::error_code ec;
        // Never overwrite an older backup; each save looks for its own number.
        fs::copy_file(m_savePath, m_backupName, fs::copy_options::skip_existing, ec);
        m_backupName.clear();
    }

    std::string out = m_byteOrderMark;
    for (const Section& sec : m_sections) {
        for (const Line& line : sec.lines) {
            out += line.text;
            out += line.end;
        }
    }
    // Replaced as a whole: a failed write leaves the previous settings, and a
    // linked settings file and its permissions stay as they are.
    const files::Result written = files::writeAtomically(m_savePath, out);
    if (!written.ok) {
        m_saveError = written.error;
        return false;
    }
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
    const fs::path full(m_savePath);
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
    return m_savePath + suffix;
}

void CIniFile::clear() {
    m_path.clear();
    m_savePath.clear();
    m_byteOrderMark.clear();
    m_lineEnd = "\n";
    m_sections.clear();
    m_modified = false;
    m_backupName.clear();
}

} // namespace radio
