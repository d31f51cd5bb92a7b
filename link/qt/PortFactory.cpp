#include "link/qt/PortFactory.h"

#include "link/VirtualRadioPort.h"
#include "link/qt/SerialPort.h"

namespace radio::link {

std::unique_ptr<Port> createPort(const std::string& name, const std::atomic<bool>* cancel) {
    if (name == kVirtualRadioPortName) {
        // Paced like a 9600-baud line, so the progress can be watched.
        static SystemClock clock;
        return std::make_unique<VirtualRadioPort>(sharedVirtualRadio(), &sharedVirtualRadioMutex(),
                                                  &clock);
    }
    return std::make_unique<SerialPort>(cancel);
}

} // namespace radio::link
