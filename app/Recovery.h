#pragma once
// Unsaved work kept on disk while the program runs, so that a program that
// was killed (or a machine that lost power) loses nothing: each running
// program holds a session folder of its own in the per-user data folder,
// with one file per configuration that has unsaved changes. A program that
// ends normally removes its folder; a folder whose program is gone is what
// the next start offers to restore.

#include "model/Image.h"
#include "model/SafeFile.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace radio {
class CIniFile;
}

namespace radio::recovery {

// <dataLocation>/<appName>/recovery, named as the backups folder is.
std::string recoveryFolder(const std::string& dataLocation, const std::string& appName);
// The folder for the settings file's "AppName" in the running user's data folder.
std::string recoveryFolder(const CIniFile* settings);

// One configuration as it stood: the file it belongs to (empty when it has
// none yet), its title, and its bytes with the grid's channels.
struct Entry {
    std::string path;
    std::string title;
    Image image{};
    std::string file; // where it was found (decode leaves it alone)
};

// The file's contents: a header line, the path and title lines, an empty
// line, then the 1024 bytes. decode() refuses anything else.
std::string encode(const Entry& entry);
bool decode(const std::string& bytes, Entry& entry);

// An exclusive claim on a file that the system lets go when the process
// ends, however it ends; a second claim, from this process or another, fails
// while the first is held.
class Claim {
public:
    Claim() = default;
    ~Claim();
    Claim(const Claim&) = delete;
    Claim& operator=(const Claim&) = delete;
    // Creates `path` when missing; false when another claim holds it.
    bool take(const std::string& path);
    void release();
    bool held() const { return m_handle != kNone; }

private:
    static constexpr std::intptr_t kNone = -1;
    std::intptr_t m_handle = kNone;
};

// The running program's session folder.
class Session {
public:
    Session() = default;
    // Removes the folder: the program ended normally.
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Creates a new folder under `folder` and claims it; false when it
    // cannot (nothing is kept then).
    bool open(const std::string& folder);
    bool isOpen() const { return m_claim.held(); }
    const std::string& path() const { return m_path; }
    // Keeps configuration `id` (atomically: a kill mid-write leaves the last
    // copy), or forgets it.
    files::Result keep(int id, const Entry& entry);
    void forget(int id);

private:
    std::string fileOf(int id) const;
    Claim m_claim;
    std::string m_path;
};

// The folder of a program that ended without removing it, claimed while
// its entries are looked at, so no second program offers them too.
struct Orphan {
    std::string folder;
    std::vector<Entry> entries; // in the order the configurations were opened
    std::unique_ptr<Claim> claim;
};

// Every orphan under `folder` but `ownSession`. Folders left with no entry
// are removed on the way.
std::vector<Orphan> orphans(const std::string& folder, const std::string& ownSession);
// Removes one entry's file, and the orphan's folder once no entry is left.
void drop(Orphan& orphan, const Entry& entry);

} // namespace radio::recovery
