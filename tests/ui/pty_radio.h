#pragma once
// A virtual radio served on a pseudo-terminal by a thread of the test, paced
// like the real line, so the program talks to it through a real serial port.

#include "link/VirtualRadio.h"
#include "link/qt/PtyServer.h"
#include "model/Image.h"

#include <QString>

#include <atomic>
#include <string>
#include <thread>

class PtyRadio {
public:
    PtyRadio(const QString& linkPath, const radio::Image& memory)
        : m_radio(memory), m_server(m_radio, 9600) {
        std::string error;
        m_ok = m_server.start(linkPath.toStdString(), error);
        if (m_ok)
            m_thread = std::thread([this] { m_server.serve(m_stop); });
    }
    ~PtyRadio() { stop(); }
    PtyRadio(const PtyRadio&) = delete;
    PtyRadio& operator=(const PtyRadio&) = delete;
    // Stops serving; the memory may be inspected afterwards.
    void stop() {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }
    bool ok() const { return m_ok; }
    const radio::link::VirtualRadio& radio() const { return m_radio; }

private:
    radio::link::VirtualRadio m_radio;
    radio::link::PtyServer m_server;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
    bool m_ok = false;
};
