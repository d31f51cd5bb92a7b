#include "link/qt/SerialPort.h"

#include "link/PortNames.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSerialPort>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace radio::link {

namespace {

// Waits are sliced so that a cancel request is seen within this time.
constexpr int kCancelSliceMs = 20;

#ifdef Q_OS_UNIX
bool isPseudoTerminal(int fd) {
    struct stat st {};
    if (fd < 0 || fstat(fd, &st) != 0)
        return false;
    // Unix98 pseudo-terminal slaves use majors 136..143.
    const unsigned m = major(st.st_rdev);
    return m >= 136 && m <= 143;
}
#endif

} // namespace

SerialPort::SerialPort(const std::atomic<bool>* cancel) : m_cancel(cancel) {}

SerialPort::~SerialPort() {
    close();
}

QString SerialPort::systemLocation(const std::string& name) {
#ifdef Q_OS_WIN
    return QString::fromStdString(systemPortName(name, true));
#else
    return QString::fromStdString(systemPortName(name, false));
#endif
}

bool SerialPort::canOpen(const std::string& name) {
    SerialPort probe;
    const bool ok = probe.open(name);
    probe.close();
    return ok;
}

bool SerialPort::open(const std::string& name) {
    close();
    m_openError.clear();
    m_port = std::make_unique<QSerialPort>();
    const QString location = systemLocation(name);
    m_port->setPortName(location);
    if (m_port->open(QIODevice::ReadWrite)) {
#ifdef Q_OS_UNIX
        m_isPseudoTerminal = isPseudoTerminal(int(m_port->handle()));
#endif
        return true;
    }
    const auto error = m_port->error();
    const QString system = m_port->errorString();
    m_port.reset();
    if (name.empty()) {
        m_openError = QCoreApplication::translate("SerialPort", "No port is chosen.");
    } else if (error == QSerialPort::DeviceNotFoundError ||
               (location.startsWith('/') && !QFileInfo::exists(location))) {
        m_openError =
            QCoreApplication::translate("SerialPort", "The port %1 does not exist.").arg(location);
    } else if (error == QSerialPort::PermissionError) {
#ifdef Q_OS_UNIX
        // Linux reports both a busy port and a missing permission this way.
        if (::access(location.toLocal8Bit().constData(), R_OK | W_OK) != 0)
            m_openError =
                QCoreApplication::translate(
                    "SerialPort", "Permission denied for %1: your user must be in the \"dialout\" "
                                  "group (log in again after adding it).")
                    .arg(location);
        else
#endif
            m_openError = QCoreApplication::translate(
                              "SerialPort", "The port %1 is busy: another program holds it open.")
                              .arg(location);
    } else {
        m_openError = QStringLiteral("%1: %2").arg(location, system);
    }
    return false;
}

std::string SerialPort::openErrorText() const {
    return m_openError.toStdString();
}

void SerialPort::configure() {
    if (!m_port)
        return;
    // Failures here are not fatal: a wrong setting shows up as a silent radio.
    m_port->setBaudRate(kBaudRate);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setStopBits(QSerialPort::OneStop);
}

bool SerialPort::flushToDevice() {
    while (m_port->bytesToWrite() > 0) {
        const int budget =
            kWriteTotalConstantMs + kWriteTotalPerByteMs * int(m_port->bytesToWrite());
        if (!m_port->waitForBytesWritten(budget))
            return false;
    }
    return true;
}

bool SerialPort::drainOutput() {
    if (!m_port || !flushToDevice())
        return false;
#ifdef Q_OS_UNIX
    // On a real line the bytes still sit in the UART; wait until they went out.
    // A pseudo-terminal has nothing to drain, and draining one can block on a
    // peer that does not read.
    if (!m_isPseudoTerminal)
        tcdrain(int(m_port->handle()));
#endif
    return true;
}

void SerialPort::purge() {
    if (!m_port)
        return;
    // Clearing the transmit side as well would throw away the confirm byte or
    // the block just written: only what came in and was not read is dropped.
    drainOutput();
    m_port->clear(QSerialPort::Input);
    m_port->clearError();
}

void SerialPort::purgeAll() {
    // Nothing is ever left pending between calls here, so there is nothing
    // to abort beyond a purge.
    purge();
}

bool SerialPort::write(const std::uint8_t* data, std::size_t n) {
    if (!m_port)
        return false;
    const qint64 written = m_port->write(reinterpret_cast<const char*>(data), qint64(n));
    if (written != qint64(n))
        return false;
    // The thread has no event loop: push the bytes to the device now.
    return flushToDevice();
}

int SerialPort::read(std::uint8_t* buffer, std::size_t n) {
    if (!m_port)
        return -1;
    std::size_t got = 0;
    const auto take = [&] {
        const qint64 r = m_port->read(reinterpret_cast<char*>(buffer + got), qint64(n - got));
        if (r > 0)
            got += std::size_t(r);
        return r;
    };
    if (take() < 0)
        return -1;
    QElapsedTimer clock;
    clock.start();
    qint64 lastByteAt = 0;
    const qint64 total = readTimeoutMs(n);
    while (got < n) {
        if (m_cancel && m_cancel->load())
            break;
        const qint64 now = clock.elapsed();
        qint64 wait = total - now;
        if (got > 0)
            wait = std::min(wait, kReadIntervalMs - (now - lastByteAt));
        if (wait <= 0)
            break;
        wait = std::min<qint64>(wait, kCancelSliceMs);
        if (!m_port->waitForReadyRead(int(wait))) {
            const auto error = m_port->error();
            if (error != QSerialPort::NoError && error != QSerialPort::TimeoutError)
                return got > 0 ? int(got) : -1;
            m_port->clearError();
            continue;
        }
        const std::size_t before = got;
        if (take() < 0)
            return got > 0 ? int(got) : -1;
        if (got > before)
            lastByteAt = clock.elapsed();
    }
    return int(got);
}

void SerialPort::close() {
    if (!m_port)
        return;
    drainOutput();
    m_port->close();
    m_port.reset();
}

} // namespace radio::link
