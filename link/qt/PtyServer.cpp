#include "link/qt/PtyServer.h"

#include <chrono>
#include <thread>
#include <vector>

#if defined(__unix__) || defined(__APPLE__)
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#define RADIO_HAVE_PTY 1
#ifdef __linux__
#include <sys/prctl.h>
#endif
#endif

namespace radio::link {

using Clock = std::chrono::steady_clock;

PtyServer::PtyServer(VirtualRadio& radio, int baud) : m_radio(radio), m_baud(baud) {}

PtyServer::~PtyServer() {
    shutdown();
}

#ifdef RADIO_HAVE_PTY

bool PtyServer::start(const std::string& linkPath, std::string& error) {
    shutdown();
    m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0) {
        error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        shutdown();
        return false;
    }
    const char* name = ptsname(m_master);
    if (!name) {
        error = std::string("cannot name the pseudo-terminal: ") + std::strerror(errno);
        shutdown();
        return false;
    }
    m_deviceName = name;
    // Holding the slave side open keeps the master readable between the
    // host's sessions, and raw mode keeps the line from echoing or editing.
    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave >= 0) {
        termios t{};
        if (tcgetattr(m_slave, &t) == 0) {
            cfmakeraw(&t);
            cfsetispeed(&t, B9600);
            cfsetospeed(&t, B9600);
            tcsetattr(m_slave, TCSANOW, &t);
        }
    }
    struct stat st {};
    if (lstat(linkPath.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) {
            error = "'" + linkPath + "' exists and is not a symbolic link";
            shutdown();
            return false;
        }
        ::unlink(linkPath.c_str());
    }
    if (::symlink(name, linkPath.c_str()) != 0) {
        error = "cannot create '" + linkPath + "': " + std::strerror(errno);
        shutdown();
        return false;
    }
    m_linkPath = linkPath;
    return true;
}

void PtyServer::serve(const std::atomic<bool>& stop, const std::function<void()>& quietAfterWrite) {
    const auto byteTime = m_baud > 0 ? std::chrono::nanoseconds(10'000'000'000LL / m_baud)
                                     : std::chrono::nanoseconds(0);
    Clock::time_point rxFree = Clock::now();
    Clock::time_point txFree = Clock::now();
    Clock::time_point lastTraffic = Clock::now();
    int savedWrites = m_radio.blocksWritten();
    std::vector<std::uint8_t> buffer(512);
#ifdef __linux__
    // Wake up on time: the default 50 us slack on every paced byte adds up.
    prctl(PR_SET_TIMERSLACK, 1UL);
#endif
    while (!stop.load()) {
        pollfd p{m_master, POLLIN, 0};
        const int ready = ::poll(&p, 1, 50);
        if (ready < 0 && errno != EINTR)
            break;
        if (ready <= 0 || !(p.revents & POLLIN)) {
            if (m_radio.blocksWritten() != savedWrites &&
                Clock::now() - lastTraffic > std::chrono::milliseconds(300)) {
                savedWrites = m_radio.blocksWritten();
                if (quietAfterWrite)
                    quietAfterWrite();
            }
            continue;
        }
        const ssize_t n = ::read(m_master, buffer.data(), buffer.size());
        if (n <= 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        // The radio has the bytes once the line has carried them, and its
        // answer follows on the line from then on. Scheduling from those
        // instants (instead of sleeping through each step) keeps wake-up
        // delays from adding up.
        const auto received = std::max(Clock::now(), rxFree) + byteTime * n;
        rxFree = received;
        const auto answer = m_radio.receive(buffer.data(), std::size_t(n));
        if (!answer.empty()) {
            // The whole answer is handed over when its last byte would have
            // arrived: the host sees the same end time with fewer wake-ups.
            txFree = std::max(received, txFree) + byteTime * long(answer.size());
            if (m_baud > 0)
                std::this_thread::sleep_until(txFree);
            std::size_t sent = 0;
            while (sent < answer.size()) {
                const ssize_t w = ::write(m_master, answer.data() + sent, answer.size() - sent);
                if (w <= 0)
                    break;
                sent += std::size_t(w);
            }
        }
        lastTraffic = Clock::now();
    }
}

void PtyServer::shutdown() {
    if (!m_linkPath.empty()) {
        struct stat st {};
        if (lstat(m_linkPath.c_str(), &st) == 0 && S_ISLNK(st.st_mode))
            ::unlink(m_linkPath.c_str());
        m_linkPath.clear();
    }
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
    m_slave = m_master = -1;
}

#else

bool PtyServer::start(const std::string&, std::string& error) {
    error = "pseudo-terminals are not available on this system";
    return false;
}
void PtyServer::serve(const std::atomic<bool>&, const std::function<void()>&) {}
void PtyServer::shutdown() {}

#endif

} // namespace radio::link
