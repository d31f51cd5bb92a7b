#pragma once
// The clone protocol's port on a real serial device, through QSerialPort.
// Used from one thread only: the one that created it.

#include "link/Port.h"

#include <QString>

#include <atomic>
#include <memory>

class QSerialPort;

namespace radio::link {

class SerialPort : public Port {
public:
    // `cancel`, when given, cuts a waiting read short once it is set, so a
    // cancel request does not wait for a silent radio's time-out.
    explicit SerialPort(const std::atomic<bool>* cancel = nullptr);
    ~SerialPort() override;

    bool open(const std::string& name) override;
    std::string openErrorText() const override;
    void configure() override;
    void purge() override;
    void purgeAll() override;
    bool write(const std::uint8_t* data, std::size_t n) override;
    int read(std::uint8_t* buffer, std::size_t n) override;
    void close() override;

    // The device path or name the system uses for a port name of the user.
    static QString systemLocation(const std::string& name);
    // Whether the port can be opened right now (COM Setup greys out the others).
    static bool canOpen(const std::string& name);

private:
    bool flushToDevice();
    bool drainOutput();

    std::unique_ptr<QSerialPort> m_port;
    const std::atomic<bool>* m_cancel;
    QString m_openError;
    bool m_isPseudoTerminal = false;
};

} // namespace radio::link
