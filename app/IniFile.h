#pragma once
// The settings file: sections of key=value lines, read into memory, answered
// with comment stripping and defaults, written back when closed. The file is
// kept line by line as read: a save changes only the value of a changed key
// and adds new keys and sections, so comments, blank lines, the byte order
// mark and the line ends the user wrote stay as they were. Pure C++.

#include <string>
#include <vector>

namespace radio {

class CIniFile {
public:
    explicit CIniFile(int growthStep = 10);
    ~CIniFile(); // saves when write-back is set
    CIniFile(const CIniFile&) = delete;
    CIniFile& operator=(const CIniFile&) = delete;

    // `fileName` relative to the directory of `argv0`: everything before its
    // last '/' or '\\'. When argv0 holds no directory part the name is taken
    // relative to the current directory, which is rarely the program's own:
    // callers that know the program directory (the window asks Qt for it)
    // should then pass a path such as "<programDir>/Program" as argv0.
    // An absolute `fileName` is used as given.
    bool Open(const std::string& fileName, const std::string& argv0, bool writeBack,
              bool ignoreCase, int backupCount);
    // Saves the file already loaded (only when its write-back is set), then
    // reads `fullPath`, creating it empty when missing. False when it cannot
    // be read; every lookup then returns its default.
    bool Load(const std::string& fullPath, bool writeBack, bool ignoreCase, int backupCount);

    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& def = std::string()) const;
    void SetString(const std::string& section, const std::string& key, const std::string& value);
    // Writes the file only when modified; with a backup count and
    // `makeBackup`, first copies it to "<path>.NNN". False when there was
    // nothing to write or the write failed (then saveError() says why).
    bool Save(bool makeBackup = false);
    // Why the last save failed, naming the file; empty after a save that
    // succeeded or had nothing to write.
    const std::string& saveError() const { return m_saveError; }

    const std::string& path() const { return m_path; }
    // Saves from now on, the write-back included, go to `fullPath` (a loaded
    // file's contents kept as they are): the per-user copy of a settings file
    // the user cannot write. Empty: changes have nowhere to go, and a save of
    // them fails.
    void SetSavePath(const std::string& fullPath) {
        if (!m_path.empty())
            m_savePath = fullPath;
    }
    const std::string& savePath() const { return m_savePath; }
    bool modified() const { return m_modified; }

private:
    struct Line {
        std::string text; // the line's bytes, without its end
        std::string end;  // "\r\n", "\n", or "" for a last line without one
        std::string key;  // empty for a header, comment or blank line
        std::string value;
        std::size_t valueAt = 0; // where the value's bytes sit in `text`
        std::size_t valueLength = 0;
    };
    struct Section {
        std::string name;
        bool hasHeader = false; // lines[0] is the "[name]" line
        std::vector<Line> lines;
    };
    int findSection(const std::string& name) const;
    // The line new lines follow at the end of the file, or null when empty.
    Line* lastLine();
    void addKey(Section& sec, const std::string& key, const std::string& value);
    bool equalNames(const std::string& a, const std::string& b) const;
    std::string nextBackupName() const;
    void clear();

    std::string m_path;
    std::string m_savePath;
    std::string m_byteOrderMark;
    std::string m_lineEnd = "\n"; // the file's own, for the lines added to it
    std::vector<Section> m_sections;
    int m_growthStep;
    bool m_ignoreCase = false;
    bool m_writeBack = false;
    int m_backupCount = 0;
    bool m_modified = false;
    mutable std::string m_backupName;
    std::string m_saveError;
};

} // namespace radio
