#pragma once
// A port whose other end is a virtual radio in this process: the "Virtual
// radio" choice of COM Setup, and the far end of the engine's tests.

#include "link/Port.h"
#include "link/VirtualRadio.h"

#include <deque>
#include <mutex>

namespace radio::link {

// The name under which COM Setup offers the in-process virtual radio.
inline constexpr const char* kVirtualRadioPortName = "Virtual radio";

// The process's one virtual radio: what a write stores there, a later read finds.
VirtualRadio& sharedVirtualRadio();
std::mutex& sharedVirtualRadioMutex();

class VirtualRadioPort : public Port {
public:
    // `pacing`, when given, makes every byte take its 9600-baud wire time and a
    // read that times out wait its full time-out; without it everything is instant.
    explicit VirtualRadioPort(VirtualRadio& radio, std::mutex* lock = nullptr,
                              Clock* pacing = nullptr);
    ~VirtualRadioPort() override;

    // The radio answers the moment the host's bytes are written, so its answer
    // is already waiting when the host purges or reads: a fast radio on a real line.
    void setAnswerAtOnce(bool atOnce) { m_answerAtOnce = atOnce; }

    bool open(const std::string& name) override;
    std::string openErrorText() const override { return m_openError; }
    void configure() override {}
    void purge() override;
    void purgeAll() override;
    bool write(const std::uint8_t* data, std::size_t n) override;
    int read(std::uint8_t* buffer, std::size_t n) override;
    void close() override;

private:
    void deliver(); // the radio takes what the host sent and answers
    void wireTime(std::size_t bytes);

    VirtualRadio& m_radio;
    std::mutex* m_lock;
    Clock* m_pacing;
    bool m_open = false;
    bool m_answerAtOnce = false;
    std::string m_openError;
    std::deque<std::uint8_t> m_toRadio;
    std::deque<std::uint8_t> m_fromRadio;
    long m_pacingDebtUs = 0;
};

} // namespace radio::link
