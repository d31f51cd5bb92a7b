#include "link/qt/SerialFleetHooks.h"

#include "link/qt/PortFactory.h"

#include <QThread>

namespace radio::link {

namespace {

class Worker : public FleetThread {
public:
    explicit Worker(std::function<void()> work) : m_thread(QThread::create(std::move(work))) {
        m_thread->setObjectName(QStringLiteral("fleet"));
        m_thread->start();
    }
    void join() override { m_thread->wait(); }

private:
    std::unique_ptr<QThread> m_thread;
};

} // namespace

std::unique_ptr<FleetThread> SerialFleetHooks::startWorker(std::function<void()> work) {
    return std::make_unique<Worker>(std::move(work));
}

std::unique_ptr<Port> SerialFleetHooks::createPort(const std::string& name,
                                                   const std::atomic<bool>* cancel) {
    return link::createPort(name, cancel);
}

Result<std::string> SerialFleetHooks::keepBackup(const std::string&, const Image& image) {
    std::lock_guard<std::mutex> guard(m_backupLock);
    return backupImage(image);
}

} // namespace radio::link
