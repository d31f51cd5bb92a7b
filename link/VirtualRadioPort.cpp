#include "link/VirtualRadioPort.h"

#include <atomic>
#include <vector>

namespace radio::link {

namespace {
// One program at a time may talk to the virtual radio, as with a serial port.
std::atomic<bool> g_sharedInUse{false};
} // namespace

VirtualRadio& sharedVirtualRadio() {
    static VirtualRadio radio;
    return radio;
}

std::mutex& sharedVirtualRadioMutex() {
    static std::mutex lock;
    return lock;
}

VirtualRadioPort::VirtualRadioPort(VirtualRadio& radio, std::mutex* lock, Clock* pacing)
    : m_radio(radio), m_lock(lock), m_pacing(pacing) {}

VirtualRadioPort::~VirtualRadioPort() {
    close();
}

bool VirtualRadioPort::open(const std::string& name) {
    if (m_open)
        return true;
    if (name != kVirtualRadioPortName) {
        m_openError = "\"" + name + "\" is not the virtual radio.";
        return false;
    }
    if (&m_radio == &sharedVirtualRadio() && g_sharedInUse.exchange(true)) {
        m_openError = "The virtual radio is in use by another transfer.";
        return false;
    }
    m_open = true;
    m_openError.clear();
    return true;
}

void VirtualRadioPort::close() {
    if (!m_open)
        return;
    m_open = false;
    m_toRadio.clear();
    m_fromRadio.clear();
    if (&m_radio == &sharedVirtualRadio())
        g_sharedInUse = false;
}

void VirtualRadioPort::purge() {
    // What the host wrote stays on its way to the radio; only unread answers go.
    m_fromRadio.clear();
}

void VirtualRadioPort::purgeAll() {
    m_fromRadio.clear();
}

bool VirtualRadioPort::write(const std::uint8_t* data, std::size_t n) {
    if (!m_open)
        return false;
    m_toRadio.insert(m_toRadio.end(), data, data + n);
    wireTime(n);
    if (m_answerAtOnce)
        deliver();
    return true;
}

void VirtualRadioPort::deliver() {
    if (m_toRadio.empty())
        return;
    const std::vector<std::uint8_t> bytes(m_toRadio.begin(), m_toRadio.end());
    m_toRadio.clear();
    std::vector<std::uint8_t> answer;
    if (m_lock) {
        std::lock_guard<std::mutex> guard(*m_lock);
        answer = m_radio.receive(bytes.data(), bytes.size());
    } else {
        answer = m_radio.receive(bytes.data(), bytes.size());
    }
    m_fromRadio.insert(m_fromRadio.end(), answer.begin(), answer.end());
}

int VirtualRadioPort::read(std::uint8_t* buffer, std::size_t n) {
    if (!m_open)
        return -1;
    // The radio answers only once the host's bytes reached it, which is
    // never before the host waits for the answer.
    deliver();
    std::size_t got = 0;
    while (got < n && !m_fromRadio.empty()) {
        buffer[got++] = m_fromRadio.front();
        m_fromRadio.pop_front();
    }
    wireTime(got);
    if (got < n && m_pacing)
        m_pacing->sleepMs(got == 0 ? readTimeoutMs(n) : kReadIntervalMs);
    return int(got);
}

void VirtualRadioPort::wireTime(std::size_t bytes) {
    if (!m_pacing)
        return;
    // 10 bits a byte (start, 8 data, stop) at 9600 baud.
    m_pacingDebtUs += long(bytes) * 10'000'000L / kBaudRate;
    if (m_pacingDebtUs >= 1000) {
        m_pacing->sleepMs(int(m_pacingDebtUs / 1000));
        m_pacingDebtUs %= 1000;
    }
}

} // namespace radio::link
