#include "link/VirtualRadio.h"

#include "link/Transfer.h"
#include "model/Channel.h"
#include "model/MemoryMap.h"

#include <algorithm>

namespace radio::link {

const std::uint8_t VirtualRadio::kIdentification[8] = {'V', 'R', 'A', 'D', '1', '6', 0x00, 0x01};

VirtualRadio::VirtualRadio() : VirtualRadio(sampleImage()) {}

VirtualRadio::VirtualRadio(const Image& memory) : m_memory(memory) {
    std::copy(std::begin(kIdentification), std::end(kIdentification), m_ident.begin());
}

Image VirtualRadio::sampleImage() {
    Image img = newDocumentImage();
    // First band of the first model in the shipped settings file (400-470 MHz).
    const ChannelTexts samples[] = {
        {"462.5625", "462.5625", "None", "None", "High", "Yes", "Off", "Wide", "On", "Off"},
        {"462.5875", "462.5875", "67.0", "67.0", "High", "Yes", "Off", "Wide", "On", "Off"},
        {"446.00625", "446.00625", "D023N", "D023N", "Low", "No", "Carrier", "Narrow", "Off",
         "Off"},
        {"450.125", "455.125", "100.0", "100.0", "High", "Yes", "QT/DQT", "Wide", "On", "3"},
    };
    int channel = 1;
    for (const ChannelTexts& s : samples)
        writeChannel(img, channel++, channelFromTexts(s));
    mm::set(img, mm::ModelType, 0);
    mm::set(img, mm::BandIndex, 0);
    mm::set(img, mm::CallTone, 1);
    return img;
}

std::vector<std::uint8_t> VirtualRadio::receive(const std::uint8_t* data, std::size_t n) {
    std::vector<std::uint8_t> out;
    if (m_faults.silent)
        return out;
    for (std::size_t i = 0; i < n; ++i)
        feed(data[i], out);
    return out;
}

void VirtualRadio::feed(std::uint8_t b, std::vector<std::uint8_t>& out) {
    if (m_state == State::Command) {
        // Operands and data are taken as they come, whatever their values.
        m_command.push_back(b);
        commandComplete(out);
        return;
    }
    // The program request restarts the conversation from any state.
    if (m_programMatched > 0 && b == kProgramRequest[m_programMatched]) {
        if (++m_programMatched == kProgramRequest.size()) {
            m_programMatched = 0;
            m_state = State::Answered;
            out.push_back(kAck);
        }
        return;
    }
    m_programMatched = b == kProgramRequest[0] ? 1 : 0;
    interpret(b, out);
}

void VirtualRadio::interpret(std::uint8_t b, std::vector<std::uint8_t>& out) {
    switch (m_state) {
    case State::Idle:
        break;
    case State::Answered:
        if (b == kIdentRequest) {
            out.insert(out.end(), m_ident.begin(), m_ident.end());
            m_state = State::Identified;
        }
        break;
    case State::Identified:
        if (b != kAck)
            break;
        if (!m_faults.answerConfirm) {
            m_state = State::Idle;
        } else if (m_faults.wrongConfirmAnswers > 0) {
            --m_faults.wrongConfirmAnswers;
            out.push_back(0x15);
            m_state = State::Idle;
        } else {
            out.push_back(kAck);
            ++m_handshakes;
            m_state = State::Ready;
        }
        break;
    case State::AwaitHostAck:
        m_state = State::Ready;
        if (b == kAck) {
            if (int(m_pendingAckAddress) != m_faults.dropAckAt)
                out.push_back(kAck);
            break;
        }
        interpret(b, out);
        break;
    case State::Ready:
        if (b == kReadCommand || b == kWriteCommand) {
            m_command.assign(1, b);
            m_state = State::Command;
        }
        break;
    case State::Command:
        break;
    }
}

bool VirtualRadio::inRange(unsigned address, unsigned length) const {
    return length >= 1 && length <= 8 && address + length <= m_memory.size();
}

void VirtualRadio::commandComplete(std::vector<std::uint8_t>& out) {
    if (m_command.size() < kBlockHeaderSize)
        return;
    const unsigned address = (unsigned(m_command[1]) << 8) | m_command[2];
    const unsigned length = m_command[3];
    if (!inRange(address, length)) {
        // A radio ignores a command it cannot serve; the host times out.
        m_state = State::Ready;
        return;
    }
    if (m_command[0] == kReadCommand) {
        const unsigned sent = int(address) == m_faults.shortReplyAt ? length - 1 : length;
        out.push_back(kWriteCommand);
        out.insert(out.end(), m_command.begin() + 1, m_command.end());
        out.insert(out.end(), m_memory.begin() + address, m_memory.begin() + address + sent);
        ++m_blocksRead;
        m_pendingAckAddress = address;
        m_state = State::AwaitHostAck;
        return;
    }
    if (m_command.size() < kBlockHeaderSize + length)
        return;
    if (int(address) != m_faults.ignoreWriteAt)
        std::copy(m_command.begin() + kBlockHeaderSize, m_command.end(),
                  m_memory.begin() + address);
    ++m_blocksWritten;
    if (int(address) != m_faults.dropAckAt)
        out.push_back(kAck);
    m_state = State::Ready;
}

} // namespace radio::link
