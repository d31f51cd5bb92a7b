#include "model/SafeFile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <random>
#include <system_error>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <sys/file.h>
#include <unistd.h>
#endif

namespace radio::files {

namespace fs = std::filesystem;

namespace {

int g_failAt = 0;
int g_failError = 0;

// Counts writes for the test seam; true when this one is to fail.
bool injectedFailure(int& code) {
    if (g_failAt <= 0 || --g_failAt > 0)
        return false;
    code = g_failError;
    return true;
}

std::string reason(int code) {
    return std::strerror(code);
}

std::string shownPath(const std::string& path) {
    return quoted(path, 4096);
}

Result failed(const std::string& message, int code) {
    Result r;
    r.code = code;
    r.error = message;
    return r;
}

Result cannot(const char* verb, const std::string& path, int code) {
    return failed(std::string("cannot ") + verb + " " + shownPath(path) + ": " + reason(code),
                  code);
}

Result succeeded() {
    Result r;
    r.ok = true;
    return r;
}

#ifdef _WIN32
using StatBuf = struct _stat64;
int statPath(const std::string& path, StatBuf& st) {
    return _wstat64(fs::u8path(path).c_str(), &st);
}
int openPath(const std::string& path, int flags, int mode) {
    return _wopen(fs::u8path(path).c_str(), flags | _O_BINARY | _O_NOINHERIT, mode);
}
int fileStat(int fd, StatBuf& st) {
    return _fstat64(fd, &st);
}
int syncFile(int fd) {
    return _commit(fd);
}
int closeFile(int fd) {
    return _close(fd);
}
long long writeSome(int fd, const char* p, std::size_t n) {
    return _write(fd, p, static_cast<unsigned>(std::min<std::size_t>(n, 1u << 20)));
}
long long readSome(int fd, char* p, std::size_t n) {
    return _read(fd, p, static_cast<unsigned>(std::min<std::size_t>(n, 1u << 20)));
}
void removePath(const std::string& path) {
    _wunlink(fs::u8path(path).c_str());
}
constexpr int kCreateFlags = _O_WRONLY | _O_CREAT | _O_EXCL;
constexpr int kNewFileMode = _S_IREAD | _S_IWRITE;
constexpr int kReadFlags = _O_RDONLY;
bool isRegular(const StatBuf& st) {
    return (st.st_mode & _S_IFMT) == _S_IFREG;
}
const char* kindOf(const StatBuf& st) {
    switch (st.st_mode & _S_IFMT) {
    case _S_IFDIR:
        return "a folder";
    case _S_IFCHR:
        return "a device";
    default:
        return "not a regular file";
    }
}
#else
using StatBuf = struct stat;
int statPath(const std::string& path, StatBuf& st) {
    return ::stat(path.c_str(), &st);
}
int openPath(const std::string& path, int flags, int mode) {
    int fd;
    do
        fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}
int fileStat(int fd, StatBuf& st) {
    return ::fstat(fd, &st);
}
int syncFile(int fd) {
    return ::fsync(fd);
}
int closeFile(int fd) {
    return ::close(fd);
}
long long writeSome(int fd, const char* p, std::size_t n) {
    return ::write(fd, p, std::min<std::size_t>(n, 1u << 20));
}
long long readSome(int fd, char* p, std::size_t n) {
    return ::read(fd, p, std::min<std::size_t>(n, 1u << 20));
}
void removePath(const std::string& path) {
    ::unlink(path.c_str());
}
// O_NOFOLLOW: even a link planted under the random name is not followed.
constexpr int kCreateFlags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW;
constexpr int kNewFileMode = 0666; // the umask decides, as for any new file
// Non-blocking, so a FIFO put in place after the check cannot hang the open.
constexpr int kReadFlags = O_RDONLY | O_NONBLOCK;
bool isRegular(const StatBuf& st) {
    return S_ISREG(st.st_mode);
}
const char* kindOf(const StatBuf& st) {
    if (S_ISDIR(st.st_mode))
        return "a folder";
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return "a device";
    if (S_ISFIFO(st.st_mode))
        return "a FIFO (named pipe)";
    if (S_ISSOCK(st.st_mode))
        return "a socket";
    return "not a regular file";
}
#endif

Result notRegular(const std::string& path, const StatBuf& st) {
    const std::string kind = kindOf(st);
    const std::string tail = kind == "not a regular file" ? "" : ", not a regular file";
    return failed(shownPath(path) + " is " + kind + tail, 0);
}

// Writes everything, retrying short writes and interruptions.
bool writeAll(int fd, const char* p, std::size_t n, int& code) {
    while (n > 0) {
        if (injectedFailure(code))
            return false;
        const long long w = writeSome(fd, p, n);
        if (w < 0) {
            if (errno == EINTR)
                continue;
            code = errno;
            return false;
        }
        if (w == 0) {
            code = EIO;
            return false;
        }
        p += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}

// Flushes to the disk and closes; both are checked, since a full disk or a
// network file system may report the failure only here.
bool syncAndClose(int fd, int& code) {
    if (syncFile(fd) != 0) {
        code = errno;
        closeFile(fd);
        return false;
    }
    if (closeFile(fd) != 0) {
        code = errno;
        return false;
    }
    return true;
}

// The file a write to `path` lands in: links are followed one at a time, so a
// link stays in place and a dangling one leads to the file it names. False
// for a loop (or a chain too long to be meant).
bool writeTarget(const std::string& path, std::string& target) {
    target = path;
#ifndef _WIN32
    for (int hops = 0; hops < 40; ++hops) {
        struct stat lst;
        if (::lstat(target.c_str(), &lst) != 0 || !S_ISLNK(lst.st_mode))
            return true;
        char text[PATH_MAX];
        const ssize_t n = ::readlink(target.c_str(), text, sizeof text);
        if (n <= 0 || static_cast<std::size_t>(n) >= sizeof text)
            return true; // the open that follows reports it
        std::string next(text, static_cast<std::size_t>(n));
        // A relative link counts from the folder it lies in.
        const auto slash = target.rfind('/');
        if (next[0] != '/' && slash != std::string::npos)
            next = target.substr(0, slash + 1) + next;
        target = next;
    }
    return false;
#else
    return true;
#endif
}

Result linkLoop(const std::string& path) {
    return failed(shownPath(path) + " is a loop of symbolic links: " + reason(ELOOP), ELOOP);
}

// "." + 8 hex digits naming the target + "-" + 8 random + ".tmp": short, so
// a name at the system's limit still has room, and recognisable as the
// temporary of one target.
std::string targetTag(const std::string& name) {
    std::uint32_t h = 2166136261u; // FNV-1a
    for (unsigned char c : name)
        h = (h ^ c) * 16777619u;
    char tag[16];
    std::snprintf(tag, sizeof tag, ".%08x-", unsigned(h));
    return tag;
}
constexpr std::size_t kTemporaryLength = 1 + 8 + 1 + 8 + 4;

std::string randomSuffix() {
    static std::mt19937_64 engine{std::random_device{}() ^
                                  static_cast<std::uint64_t>(std::time(nullptr))};
    static const char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string s;
    for (int i = 0; i < 8; ++i)
        s += kDigits[engine() % 36];
    return s;
}

bool renameOver(const std::string& from, const std::string& to, int& code, std::string& why) {
#ifdef _WIN32
    // std::rename does not replace an existing file on Windows.
    if (MoveFileExW(fs::u8path(from).c_str(), fs::u8path(to).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    const DWORD last = GetLastError();
    code = last == ERROR_ACCESS_DENIED ? EACCES : EIO;
    why = std::system_category().message(static_cast<int>(last));
    return false;
#else
    if (std::rename(from.c_str(), to.c_str()) == 0)
        return true;
    code = errno;
    why = reason(code);
    return false;
#endif
}

std::size_t utf8Length(unsigned char c) {
    if (c >= 0xC2 && c <= 0xDF)
        return 2;
    if (c >= 0xE0 && c <= 0xEF)
        return 3;
    if (c >= 0xF0 && c <= 0xF4)
        return 4;
    return 0;
}

void appendEscaped(std::string& out, unsigned char c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "\\x%02X", c);
    out += buf;
}

// The temporary file of the write in progress, for the signal handler: a
// fixed buffer and a flag, the only things a handler may safely read. The
// tool writes one file at a time; a second writer at once only loses the
// clean-up of the first.
char g_temporary[PATH_MAX + 1];
volatile std::sig_atomic_t g_temporaryActive = 0;

// Holds SIGINT and SIGTERM back while a temporary file comes into being or
// goes away, so the handler always sees a name that matches the disk.
class SignalsHeld {
public:
#ifndef _WIN32
    SignalsHeld() {
        sigset_t set;
        sigemptyset(&set);
        sigaddset(&set, SIGINT);
        sigaddset(&set, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &set, &m_old);
    }
    ~SignalsHeld() {
        pthread_sigmask(SIG_SETMASK, &m_old, nullptr);
    }

private:
    sigset_t m_old;
#else
    SignalsHeld() {}
#endif
};

void noteTemporary(const std::string& path) {
    if (path.size() >= sizeof g_temporary)
        return;
    std::memcpy(g_temporary, path.c_str(), path.size() + 1);
    g_temporaryActive = 1;
}

void forgetTemporary() {
    g_temporaryActive = 0;
}

#ifndef _WIN32
extern "C" void removeTemporaryAndStop(int number) {
    if (g_temporaryActive)
        ::unlink(g_temporary);
    ::signal(number, SIG_DFL);
    ::raise(number);
}
#endif

// Temporaries of `name` in `dir` that a killed process left behind: ours to
// remove once a day old (a write still running is never that slow).
void removeStaleTemporaries(const fs::path& dir, const std::string& name) {
    const std::string tag = targetTag(name);
    const std::time_t dayAgo = std::time(nullptr) - 24 * 60 * 60;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string entry = it->path().filename().u8string();
        if (entry.size() != kTemporaryLength || entry.compare(0, tag.size(), tag) != 0 ||
            entry.compare(entry.size() - 4, 4, ".tmp") != 0)
            continue;
        StatBuf st{};
        const std::string full = it->path().u8string();
#ifndef _WIN32
        if (::lstat(full.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid())
            continue;
#else
        if (statPath(full, st) != 0 || !isRegular(st))
            continue;
#endif
        if (st.st_mtime < dayAgo)
            removePath(full);
    }
}

// Whether the user may change an existing file: a write-protected file is
// refused even though the folder would let a rename replace it. (Root may
// write anything, as the system lets it.)
Result mayChange(const std::string& path, const std::string& target, const StatBuf& st) {
#ifdef _WIN32
    if (!(st.st_mode & _S_IWRITE))
        return failed(shownPath(path) + " is write-protected; it was left unchanged", EACCES);
    (void)target;
#else
    (void)st;
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        const int code = errno;
        if (code == EACCES || code == EPERM)
            return failed(shownPath(path) + " is write-protected; it was left unchanged", EACCES);
        if (code == EROFS)
            return cannot("write", path, code);
    }
#endif
    return succeeded();
}

// The checks before writing `path`: `inPlace` for an append, which needs the
// folder only to create the file.
Result checkWritable(const std::string& path, bool inPlace) {
    if (path.empty())
        return failed("no file name given", 0);
    std::string target;
    if (!writeTarget(path, target))
        return linkLoop(path);
    StatBuf st{};
    const bool exists = statPath(target, st) == 0;
    if (!exists && errno == ELOOP)
        return linkLoop(path);
    if (exists) {
        if (!isRegular(st))
            return notRegular(path, st);
        const Result changeable = mayChange(path, target, st);
        if (!changeable.ok || inPlace)
            return changeable;
    }
#ifndef _WIN32
    // A new file (or the temporary beside the old one) needs the folder.
    const auto slash = target.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    if (::faccessat(AT_FDCWD, dir.c_str(), W_OK | X_OK, AT_EACCESS) != 0)
        return cannot("write", path, errno);
#endif
    return succeeded();
}

#ifndef _WIN32
// Waits for an exclusive advisory lock until `deadline`. A file system that
// has no locks lets the caller go on unlocked.
bool lockBefore(int fd, std::chrono::steady_clock::time_point deadline) {
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}
#endif

int truncateFile(int fd, long long size) {
#ifdef _WIN32
    return _chsize_s(fd, size);
#else
    return ::ftruncate(fd, static_cast<off_t>(size));
#endif
}

} // namespace

Result writeAtomically(const std::string& path, const std::string& data) {
    return writeAtomically(path, data.data(), data.size());
}

Result writeAtomically(const std::string& path, const void* data, std::size_t size) {
    const Result usable = checkOutput(path);
    if (!usable.ok)
        return usable;
    std::string target;
    writeTarget(path, target);
    StatBuf st{};
    [[maybe_unused]] const bool exists = statPath(target, st) == 0;

    fs::path dir = fs::u8path(target).parent_path();
    const std::string name = fs::u8path(target).filename().u8string();
    if (dir.empty())
        dir = ".";
    removeStaleTemporaries(dir, name);

    // A new name each try: nobody can plant a link at a name known ahead.
    std::string tmp;
    int fd = -1;
    int code = 0;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tmp = (dir / fs::u8path(targetTag(name) + randomSuffix() + ".tmp")).u8string();
        const SignalsHeld held;
        fd = openPath(tmp, kCreateFlags, kNewFileMode);
        if (fd >= 0)
            noteTemporary(tmp);
        else if (errno != EEXIST)
            break;
    }
    if (fd < 0)
        return cannot("write", path, errno);
    const auto discard = [&tmp] {
        const SignalsHeld held;
        removePath(tmp);
        forgetTemporary();
    };
#ifndef _WIN32
    if (exists) {
        // The replacement keeps the old file's mode (and owner, where allowed).
        if (st.st_uid != ::geteuid() || st.st_gid != ::getegid()) {
            if (::fchown(fd, st.st_uid, st.st_gid) != 0) {
                // Not ours to give away: the file then belongs to the writer.
            }
        }
        ::fchmod(fd, st.st_mode & 07777);
    }
#endif
    const bool written = writeAll(fd, static_cast<const char*>(data), size, code);
    if (!written)
        closeFile(fd);
    if (!written || !syncAndClose(fd, code)) {
        discard();
        return cannot("write", path, code);
    }
    std::string why;
    {
        const SignalsHeld held;
        const bool renamed = renameOver(tmp, target, code, why);
        if (renamed)
            forgetTemporary();
        else
            discard();
        if (!renamed)
            return failed("cannot replace " + shownPath(path) + ": " + why, code);
    }
#ifndef _WIN32
    // The rename itself reaches the disk with its folder.
    const int dirFd = openPath(dir.string(), O_RDONLY, 0);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
#endif
    return succeeded();
}

Result checkOutput(const std::string& path) {
    return checkWritable(path, false);
}

Result checkAppend(const std::string& path) {
    return checkWritable(path, true);
}

Result createNew(const std::string& path, const void* data, std::size_t size) {
    const int fd = openPath(path, kCreateFlags, kNewFileMode);
    if (fd < 0) {
        const int code = errno;
        return code == EEXIST ? failed(shownPath(path) + " already exists", code)
                              : cannot("create", path, code);
    }
    int code = 0;
    const bool written = writeAll(fd, static_cast<const char*>(data), size, code);
    if (!written)
        closeFile(fd);
    if (!written || !syncAndClose(fd, code)) {
        removePath(path); // our own partial file, nobody else's
        return cannot("write", path, code);
    }
    return succeeded();
}

Result appendTo(const std::string& path, const std::string& data,
                const std::string& headerIfEmpty) {
    const Result usable = checkAppend(path);
    if (!usable.ok)
        return usable;
#ifdef _WIN32
    constexpr int kAppendFlags = _O_WRONLY | _O_CREAT | _O_APPEND;
#else
    // Non-blocking: a FIFO put in place after the check cannot hang the open.
    constexpr int kAppendFlags = O_WRONLY | O_CREAT | O_APPEND | O_NONBLOCK;
#endif
    const int fd = openPath(path, kAppendFlags, kNewFileMode);
    if (fd < 0)
        return cannot("append to", path, errno);
    StatBuf st{};
    if (fileStat(fd, st) != 0 || !isRegular(st)) {
        closeFile(fd);
        return notRegular(path, st);
    }
#ifndef _WIN32
    // Other writers of the file append one after the other, so the length
    // read below is the one to return to.
    if (!lockBefore(fd, std::chrono::steady_clock::now() + std::chrono::seconds(10))) {
        closeFile(fd);
        return failed("cannot append to " + shownPath(path) + ": another program keeps it locked",
                      EWOULDBLOCK);
    }
    fileStat(fd, st);
#endif
    const long long before = st.st_size;
    // One write of the whole text, so concurrent writers never interleave a row.
    const std::string text = (before == 0 ? headerIfEmpty : std::string()) + data;
    int code = 0;
    const bool written = writeAll(fd, text.data(), text.size(), code);
    if (!written || syncFile(fd) != 0) {
        if (written)
            code = errno;
        // A half row would be glued to the next one: back to where it was.
        if (truncateFile(fd, before) == 0)
            syncFile(fd);
        closeFile(fd);
        return cannot("append to", path, code);
    }
    if (closeFile(fd) != 0)
        return cannot("append to", path, errno);
    return succeeded();
}

Result readInput(const std::string& path, std::string& out, std::uint64_t maxBytes, bool exact) {
    // Looked at before opening: opening a FIFO for reading waits for a writer.
    StatBuf st{};
    if (statPath(path, st) != 0)
        return cannot("open", path, errno);
    if (!isRegular(st))
        return notRegular(path, st);
    const auto tooLarge = [&] {
        return failed(shownPath(path) + " is too large: more than " + std::to_string(maxBytes) +
                          " bytes",
                      EFBIG);
    };
    if (!exact && static_cast<std::uint64_t>(st.st_size) > maxBytes)
        return tooLarge();

    const int fd = openPath(path, kReadFlags, 0);
    if (fd < 0)
        return cannot("open", path, errno);
    if (fileStat(fd, st) != 0 || !isRegular(st)) {
        closeFile(fd);
        return notRegular(path, st);
    }
    std::string text;
    const std::uint64_t limit = exact ? maxBytes : maxBytes + 1;
    char buf[65536];
    while (text.size() < limit) {
        const std::size_t want =
            static_cast<std::size_t>(std::min<std::uint64_t>(sizeof buf, limit - text.size()));
        const long long got = readSome(fd, buf, want);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int code = errno;
            closeFile(fd);
            return cannot("read", path, code);
        }
        if (got == 0)
            break;
        text.append(buf, static_cast<std::size_t>(got));
    }
    closeFile(fd);
    if (!exact && text.size() > maxBytes)
        return tooLarge(); // it grew after the check
    out = std::move(text);
    return succeeded();
}

bool sameFile(const std::string& a, const std::string& b) {
#ifdef _WIN32
    std::error_code ec, ecA, ecB;
    if (fs::equivalent(fs::u8path(a), fs::u8path(b), ec))
        return true;
    const fs::path ca = fs::weakly_canonical(fs::u8path(a), ecA);
    const fs::path cb = fs::weakly_canonical(fs::u8path(b), ecB);
    return !ecA && !ecB && !fs::exists(ca, ecA) && ca == cb;
#else
    struct stat sa, sb;
    const bool hasA = ::stat(a.c_str(), &sa) == 0, hasB = ::stat(b.c_str(), &sb) == 0;
    if (hasA || hasB)
        return hasA && hasB && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    // Neither exists yet: the same name in the same folder would be created.
    std::string ta, tb;
    if (!writeTarget(a, ta) || !writeTarget(b, tb))
        return false;
    const auto split = [](const std::string& t, std::string& dir, std::string& name) {
        const auto slash = t.rfind('/');
        dir = slash == std::string::npos ? "." : t.substr(0, slash + 1);
        name = slash == std::string::npos ? t : t.substr(slash + 1);
    };
    std::string da, na, db, nb;
    split(ta, da, na);
    split(tb, db, nb);
    return na == nb && !na.empty() && ::stat(da.c_str(), &sa) == 0 &&
           ::stat(db.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
#endif
}

UpdateLock::~UpdateLock() {
    if (m_fd >= 0)
        closeFile(m_fd); // closing releases the lock
}

Result UpdateLock::acquire(const std::string& path, int waitMs) {
#ifdef _WIN32
    (void)path;
    (void)waitMs;
    return succeeded();
#else
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        const int fd = openPath(path, kReadFlags, 0);
        if (fd < 0)
            return succeeded(); // nothing to update yet; the read reports it
        StatBuf locked{};
        if (fileStat(fd, locked) != 0 || !isRegular(locked)) {
            closeFile(fd);
            return succeeded();
        }
        if (!lockBefore(fd, deadline)) {
            closeFile(fd);
            return failed(shownPath(path) +
                              " is being changed by another program; try again when it has "
                              "finished",
                          EWOULDBLOCK);
        }
        // The holder may have replaced the file meanwhile: the lock must be
        // on the file the name leads to now, or the update would be lost.
        StatBuf now{};
        if (statPath(path, now) == 0 && now.st_dev == locked.st_dev &&
            now.st_ino == locked.st_ino) {
            if (m_fd >= 0)
                closeFile(m_fd);
            m_fd = fd;
            return succeeded();
        }
        closeFile(fd);
    }
#endif
}

void removeTemporaryOnSignals() {
#ifndef _WIN32
    struct sigaction action {};
    action.sa_handler = removeTemporaryAndStop;
    sigemptyset(&action.sa_mask);
    for (int number : {SIGINT, SIGTERM}) {
        struct sigaction old {};
        // A signal the caller's shell ignores (a background job) stays ignored.
        if (::sigaction(number, nullptr, &old) == 0 && old.sa_handler != SIG_IGN)
            ::sigaction(number, &action, nullptr);
    }
#endif
}

std::string printable(const std::string& text, std::size_t maxChars) {
    std::string out;
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (chars == maxChars)
            return out + "…";
        const unsigned char c = static_cast<unsigned char>(text[i]);
        ++chars;
        if (c < 0x20 || c == 0x7F) {
            appendEscaped(out, c);
            ++i;
            continue;
        }
        if (c < 0x80) {
            out += char(c);
            ++i;
            continue;
        }
        std::size_t len = utf8Length(c);
        bool valid = len != 0 && i + len <= text.size();
        for (std::size_t k = 1; valid && k < len; ++k)
            valid = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        // C1 controls (U+0080..U+009F) act on terminals as escapes do.
        if (valid && c == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0)
            valid = false;
        if (!valid) {
            appendEscaped(out, c);
            ++i;
            continue;
        }
        out.append(text, i, len);
        i += len;
    }
    return out;
}

std::string quoted(const std::string& text, std::size_t maxChars) {
    return "\"" + printable(text, maxChars) + "\"";
}

void failWriteForTesting(int nth, int error) {
    g_failAt = nth;
    g_failError = error;
}

} // namespace radio::files
