// Transfer speed against the virtual radio on a pseudo-terminal paced like a
// 9600-baud line: each full read and normal write is timed and divided by the
// ideal wire time of the bytes it moved (10 bits a byte, both directions).
// Then the longest time the event loop did not run during a read through the
// worker-thread controller, as the window does it. Prints numbers only.

#include "link/Transfer.h"
#include "link/VirtualRadio.h"
#include "link/qt/PtyServer.h"
#include "link/qt/SerialPort.h"
#include "link/qt/TransferController.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <atomic>
#include <cstdio>
#include <thread>

using namespace radio;
using namespace radio::link;

namespace {

// Counts the bytes that cross the line in both directions.
class CountingPort : public Port {
public:
    explicit CountingPort(Port& inner) : m_inner(inner) {}
    bool open(const std::string& name) override { return m_inner.open(name); }
    std::string openErrorText() const override { return m_inner.openErrorText(); }
    void configure() override { m_inner.configure(); }
    void purge() override { m_inner.purge(); }
    void purgeAll() override { m_inner.purgeAll(); }
    bool write(const std::uint8_t* data, std::size_t n) override {
        bytes += long(n);
        return m_inner.write(data, n);
    }
    int read(std::uint8_t* buffer, std::size_t n) override {
        const int got = m_inner.read(buffer, n);
        if (got > 0)
            bytes += got;
        return got;
    }
    void close() override { m_inner.close(); }
    long bytes = 0;

private:
    Port& m_inner;
};

class QuietSink : public TransferSink {
public:
    void setRange(int) override {}
    void step() override { ++m_pos; }
    int position() const override { return m_pos; }
    void setText(const std::string&) override {}
    void pump() override {}
    bool cancelled() const override { return false; }
    Answer askRetry(int) override { return Answer::Cancel; }
    void showMessage(int id, const std::string&) override { std::printf("message %d\n", id); }

private:
    int m_pos = 0;
};

void timeTransfer(const char* label, const std::string& link, Direction direction) {
    SerialPort serial;
    CountingPort port(serial);
    SystemClock clock;
    QuietSink sink;
    Image image = VirtualRadio::sampleImage();
    QElapsedTimer t;
    t.start();
    const TransferResult r = runTransfer({link, direction, false}, port, clock, sink, image);
    const double seconds = double(t.nsecsElapsed()) / 1e9;
    const double ideal = double(port.bytes) * 10.0 / 9600.0;
    std::printf("%-14s %s  %5ld bytes  %.3f s  ideal %.3f s  ratio %.3f (target <= 1.10)\n", label,
                r.status == TransferStatus::Success ? "ok    " : "FAILED", port.bytes, seconds,
                ideal, seconds / ideal);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const std::string link = dir.filePath(QStringLiteral("radio")).toStdString();

    VirtualRadio radio;
    PtyServer server(radio, 9600);
    std::string error;
    if (!server.start(link, error)) {
        std::fprintf(stderr, "transfer_bench: %s\n", error.c_str());
        return 1;
    }
    std::atomic<bool> stop{false};
    std::thread serving([&] { server.serve(stop); });

    std::printf("Virtual radio on %s, paced at 9600 baud 8N1\n", server.deviceName().c_str());
    timeTransfer("full read", link, Direction::Read);
    timeTransfer("normal write", link, Direction::Write);

    // A read as the window runs it: the engine on the worker thread, the
    // event loop here. A 1 ms timer measures the longest gap between turns.
    TransferController controller;
    QEventLoop loop;
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    int progressSignals = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    QObject::connect(&controller, &TransferController::progressChanged,
                     [&](int, const QString&) { ++progressSignals; });
    TransferResult result;
    QObject::connect(&controller, &TransferController::finished,
                     [&](const TransferResult& r, const Image&) {
                         result = r;
                         loop.quit();
                     });
    clock.start();
    tick.start(1);
    controller.start({link, Direction::Read, false}, VirtualRadio::sampleImage());
    loop.exec();
    tick.stop();
    std::printf("GUI-style read %s  %d progress updates  longest event-loop stall %.1f ms "
                "(target <= 100 ms)\n",
                result.status == TransferStatus::Success ? "ok    " : "FAILED", progressSignals,
                double(longest) / 1e6);

    stop = true;
    serving.join();
    return 0;
}
