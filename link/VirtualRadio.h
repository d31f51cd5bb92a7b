#pragma once
// The radio's side of the clone protocol as a state machine with its own
// 1024-byte memory. It answers the handshake, read and write blocks like the
// radio does, so the program can be tried and tested without a radio.

#include "model/Image.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace radio::link {

// Misbehaviour on request, for tests and for checking a write afterwards.
struct VirtualRadioFaults {
    bool silent = false;         // answers nothing at all (switched off)
    bool answerConfirm = true;   // false: never answers the confirm byte
    int wrongConfirmAnswers = 0; // answers this many confirms with 0x15 first
    int ignoreWriteAt = -1;      // acknowledges this address's write block but keeps its old bytes
    int dropAckAt = -1;          // never acknowledges the block at this address
    int shortReplyAt = -1;       // sends one data byte too few for this read block
};

class VirtualRadio {
public:
    VirtualRadio(); // starts with sampleImage()
    explicit VirtualRadio(const Image& memory);

    // Bytes from the host, in order; returns what the radio sends back.
    std::vector<std::uint8_t> receive(const std::uint8_t* data, std::size_t n);

    const Image& memory() const { return m_memory; }
    void setMemory(const Image& memory) { m_memory = memory; }
    VirtualRadioFaults& faults() { return m_faults; }
    // The identification reply this radio sends; kIdentification unless set,
    // so that several virtual radios can be told apart.
    void setIdentification(const std::array<std::uint8_t, 8>& ident) { m_ident = ident; }
    const std::array<std::uint8_t, 8>& identification() const { return m_ident; }

    int handshakes() const { return m_handshakes; } // confirms answered with 0x06
    int blocksWritten() const { return m_blocksWritten; }
    int blocksRead() const { return m_blocksRead; }

    // A radio with a few programmed channels, so that a read shows something.
    static Image sampleImage();
    // The radio's 8-byte identification reply.
    static const std::uint8_t kIdentification[8];

private:
    enum class State { Idle, Answered, Identified, Ready, Command, AwaitHostAck };
    void feed(std::uint8_t b, std::vector<std::uint8_t>& out);
    void interpret(std::uint8_t b, std::vector<std::uint8_t>& out);
    void commandComplete(std::vector<std::uint8_t>& out);
    bool inRange(unsigned address, unsigned length) const;

    Image m_memory;
    VirtualRadioFaults m_faults;
    std::array<std::uint8_t, 8> m_ident;
    State m_state = State::Idle;
    std::size_t m_programMatched = 0;
    std::vector<std::uint8_t> m_command;
    unsigned m_pendingAckAddress = 0;
    int m_handshakes = 0;
    int m_blocksWritten = 0;
    int m_blocksRead = 0;
};

} // namespace radio::link
