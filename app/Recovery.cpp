#include "app/Recovery.h"

#include "app/Backups.h"
#include "app/ProductInfo.h"
#include "app/UserKeys.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace radio::recovery {

namespace fs = std::filesystem;

namespace {

const char* const kHeader = "RadioProgrammer recovery 1\n";
const char* const kLockName = "lock";
const char* const kExtension = ".rcv";

std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

bool unescaped(const std::string& text, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            return false;
        const char c = text[i];
        if (c != '\\' && c != 'n' && c != 'r')
            return false;
        out += c == 'n' ? '\n' : c == 'r' ? '\r' : '\\';
    }
    return true;
}

// Reads "<name> <value>\n" at `pos`.
bool field(const std::string& bytes, std::size_t& pos, const std::string& name,
           std::string& value) {
    const std::string prefix = name + " ";
    const std::size_t end = bytes.find('\n', pos);
    if (end == std::string::npos || bytes.compare(pos, prefix.size(), prefix) != 0)
        return false;
    const bool ok = unescaped(bytes.substr(pos + prefix.size(), end - pos - prefix.size()), value);
    pos = end + 1;
    return ok;
}

// The number an entry's file is named with; -1 for any other file.
int entryId(const fs::path& file) {
    if (file.extension() != kExtension)
        return -1;
    const std::string stem = file.stem().u8string();
    if (stem.empty() || stem.size() > 6 ||
        !std::all_of(stem.begin(), stem.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    return std::atoi(stem.c_str());
}

std::string randomName() {
    static const char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::random_device device;
    std::string name = "session-";
    for (int i = 0; i < 10; ++i)
        name += kDigits[device() % 36];
    return name;
}

void removeFolder(const std::string& folder) {
    std::error_code ec;
    fs::remove_all(fs::u8path(folder), ec);
}

} // namespace

std::string recoveryFolder(const std::string& dataLocation, const std::string& appName) {
    return backups::appDataFolder(dataLocation, appName) + "/recovery";
}

std::string recoveryFolder(const CIniFile* settings) {
    return recoveryFolder(backups::userDataLocation(), userkeys::prefix(settings));
}

std::string encode(const Entry& entry) {
    std::string out = kHeader;
    out += "path " + escaped(entry.path) + "\n";
    out += "title " + escaped(entry.title) + "\n\n";
    out.append(reinterpret_cast<const char*>(entry.image.data()), entry.image.size());
    return out;
}

bool decode(const std::string& bytes, Entry& entry) {
    const std::string header = kHeader;
    if (bytes.compare(0, header.size(), header) != 0)
        return false;
    std::size_t pos = header.size();
    std::string path, title;
    if (!field(bytes, pos, "path", path) || !field(bytes, pos, "title", title))
        return false;
    if (pos >= bytes.size() || bytes[pos] != '\n' || bytes.size() - pos - 1 != kImageSize)
        return false;
    entry.path = path;
    entry.title = title;
    std::copy(bytes.begin() + std::ptrdiff_t(pos + 1), bytes.end(), entry.image.begin());
    return true;
}

// ---- Claim

Claim::~Claim() {
    release();
}

bool Claim::take(const std::string& path) {
    release();
#ifdef _WIN32
    // No sharing: a second open fails until the holder's handle is closed,
    // which the system does when the process ends.
    HANDLE h = CreateFileW(fs::u8path(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    m_handle = reinterpret_cast<std::intptr_t>(h);
#else
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_handle = fd;
#endif
    return true;
}

void Claim::release() {
    if (m_handle == kNone)
        return;
#ifdef _WIN32
    CloseHandle(reinterpret_cast<HANDLE>(m_handle));
#else
    ::close(int(m_handle));
#endif
    m_handle = kNone;
}

// ---- Session

Session::~Session() {
    if (!isOpen())
        return;
    m_claim.release();
    removeFolder(m_path);
}

bool Session::open(const std::string& folder) {
    std::error_code ec;
    fs::create_directories(fs::u8path(folder), ec);
    for (int attempt = 0; attempt < 20; ++attempt) {
        const fs::path dir = fs::u8path(folder) / randomName();
        if (!fs::create_directory(dir, ec))
            continue; // taken (or not creatable: the next try says the same)
        if (m_claim.take((dir / kLockName).u8string())) {
            m_path = dir.u8string();
            return true;
        }
        removeFolder(dir.u8string());
    }
    return false;
}

std::string Session::fileOf(int id) const {
    return (fs::u8path(m_path) / (std::to_string(id) + kExtension)).u8string();
}

files::Result Session::keep(int id, const Entry& entry) {
    if (!isOpen()) {
        files::Result r;
        r.error = "no recovery folder";
        return r;
    }
    return files::writeAtomically(fileOf(id), encode(entry));
}

void Session::forget(int id) {
    if (!isOpen())
        return;
    std::error_code ec;
    fs::remove(fs::u8path(fileOf(id)), ec);
}

// ---- orphans

std::vector<Orphan> orphans(const std::string& folder, const std::string& ownSession) {
    std::vector<Orphan> out;
    std::error_code ec;
    const fs::path own = fs::u8path(ownSession);
    for (fs::directory_iterator it(fs::u8path(folder), ec), end; !ec && it != end;
         it.increment(ec)) {
        if (!it->is_directory(ec) || it->path() == own)
            continue;
        Orphan orphan;
        orphan.folder = it->path().u8string();
        orphan.claim = std::make_unique<Claim>();
        if (!orphan.claim->take((it->path() / kLockName).u8string()))
            continue; // its program still runs
        std::vector<std::pair<int, Entry>> found;
        std::error_code inner;
        for (fs::directory_iterator f(it->path(), inner), fend; !inner && f != fend;
             f.increment(inner)) {
            const int id = entryId(f->path());
            std::string bytes;
            Entry entry;
            if (id < 0 || !files::readInput(f->path().u8string(), bytes, 64 * 1024).ok)
                continue;
            if (!decode(bytes, entry))
                continue; // not restorable; goes with the folder
            entry.file = f->path().u8string();
            found.emplace_back(id, std::move(entry));
        }
        std::sort(found.begin(), found.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        for (auto& e : found)
            orphan.entries.push_back(std::move(e.second));
        if (orphan.entries.empty()) {
            orphan.claim->release();
            removeFolder(orphan.folder);
            continue;
        }
        out.push_back(std::move(orphan));
    }
    return out;
}

void drop(Orphan& orphan, const Entry& entry) {
    std::error_code ec;
    fs::remove(fs::u8path(entry.file), ec);
    orphan.entries.erase(std::remove_if(orphan.entries.begin(), orphan.entries.end(),
                                        [&](const Entry& e) { return e.file == entry.file; }),
                         orphan.entries.end());
    if (orphan.entries.empty()) {
        orphan.claim->release();
        removeFolder(orphan.folder);
    }
}

} // namespace radio::recovery
