#pragma once
// The settings file: sections of key=value lines, read into memory, answered
// with comment stripping and defaults, written back when closed. Pure C++.

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
    // Writes the whole file ("\n" line ends) only when modified; with a
    // backup count and `makeBackup`, first copies it to "<path>.NNN".
    bool Save(bool makeBackup = false);

    const std::string& path() const { return m_path; }
    // Saves from now on, the write-back included, go to `fullPath` (a loaded
    // file's contents kept as they are): the per-user copy of a settings file
    // the user cannot write.
    void SetSavePath(const std::string& fullPath) {
        if (!m_path.empty())
            m_path = fullPath;
    }
    bool modified() const { return m_modified; }

private:
    struct Section {
        std::string name;
        std::vector<std::string> keys;
        std::vector<std::string> values;
    };
    int findSection(const std::string& name) const;
    bool equalNames(const std::string& a, const std::string& b) const;
    std::string nextBackupName() const;
    void clear();

    std::string m_path;
    std::vector<Section> m_sections;
    int m_growthStep;
    bool m_ignoreCase = false;
    bool m_writeBack = false;
    int m_backupCount = 0;
    bool m_modified = false;
    mutable std::string m_backupName;
};

} // namespace radio
