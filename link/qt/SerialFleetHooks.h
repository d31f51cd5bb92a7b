#pragma once
// The fleet's surroundings for serial ports: each worker on a QThread (a
// serial port needs a thread Qt knows for its notifiers), ports from the
// port factory, and backups kept one at a time.

#include "link/Fleet.h"

#include <mutex>
#include <string>

namespace radio::link {

class SerialFleetHooks : public FleetHooks {
public:
    std::unique_ptr<FleetThread> startWorker(std::function<void()> work) override;
    std::unique_ptr<Port> createPort(const std::string& name,
                                     const std::atomic<bool>* cancel) override;
    Result<std::string> keepBackup(const std::string& port, const Image& image) final;

protected:
    // Keeps the image read from a radio where and under the name the owner
    // chooses, giving back the file. Never called by two workers at once, so
    // backups named in the same second do not race for one file name.
    virtual Result<std::string> backupImage(const Image& image) = 0;

private:
    std::mutex m_backupLock;
};

} // namespace radio::link
