#pragma once
// Serves a virtual radio on a pseudo-terminal, so that any program, this one
// included, can talk to it through a real serial device. Unix only.

#include "link/VirtualRadio.h"

#include <atomic>
#include <functional>
#include <string>

namespace radio::link {

class PtyServer {
public:
    // `baud` paces the answers like a serial line of that speed (10 bits a
    // byte, both directions); 0 answers at once.
    PtyServer(VirtualRadio& radio, int baud);
    ~PtyServer();
    PtyServer(const PtyServer&) = delete;
    PtyServer& operator=(const PtyServer&) = delete;

    // Creates the pseudo-terminal and a symbolic link to it at `linkPath`
    // (an existing symbolic link there is replaced, any other file is not).
    bool start(const std::string& linkPath, std::string& error);
    // Answers the host until `stop` is set. `quietAfterWrite` runs once the
    // line has been quiet for a moment after the radio's memory was written.
    void serve(const std::atomic<bool>& stop, const std::function<void()>& quietAfterWrite = {});
    // Removes the link and closes the pseudo-terminal.
    void shutdown();

    const std::string& deviceName() const { return m_deviceName; }

private:
    VirtualRadio& m_radio;
    int m_baud;
    int m_master = -1;
    int m_slave = -1;
    std::string m_linkPath;
    std::string m_deviceName;
};

} // namespace radio::link
