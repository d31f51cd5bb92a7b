// Fleet programming against four virtual radios, each on its own
// pseudo-terminal paced like a 9600-baud line: the time to write all four at
// once (with and without the read-back check) against one single write to
// one radio in the same run. Prints the times and ratios only.

#include "link/Fleet.h"
#include "link/Transfer.h"
#include "link/VirtualRadio.h"
#include "link/qt/PortFactory.h"
#include "link/qt/PtyServer.h"
#include "link/qt/SerialFleetHooks.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

using namespace radio;
using namespace radio::link;

namespace {

class QuietSink : public TransferSink {
public:
    void setRange(int) override {}
    void step() override { ++m_pos; }
    int position() const override { return m_pos; }
    void setText(const std::string&) override {}
    void pump() override {}
    bool cancelled() const override { return false; }
    Answer askRetry(int) override { return Answer::Cancel; }
    void showMessage(int, const std::string&) override {}

private:
    int m_pos = 0;
};

// The benchmark keeps no backups.
class SerialHooks : public link::SerialFleetHooks {
protected:
    Result<std::string> backupImage(const Image&) override { return std::string(); }
};

double seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    constexpr int kRadios = 4;
    std::vector<std::unique_ptr<VirtualRadio>> radios;
    std::vector<std::unique_ptr<PtyServer>> servers;
    std::vector<std::string> links;
    std::atomic<bool> stop{false};
    std::vector<std::thread> serving;
    for (int i = 0; i < kRadios; ++i) {
        radios.push_back(std::make_unique<VirtualRadio>());
        servers.push_back(std::make_unique<PtyServer>(*radios.back(), 9600));
        links.push_back(dir.filePath(QString("radio%1").arg(i)).toStdString());
        std::string error;
        if (!servers.back()->start(links.back(), error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        serving.emplace_back([&stop, s = servers.back().get()] { s->serve(stop); });
    }
    const Image image = VirtualRadio::sampleImage();
    SystemClock clock;

    // One single write to one radio.
    auto start = std::chrono::steady_clock::now();
    {
        auto port = link::createPort(links[0]);
        QuietSink sink;
        Image copy = image;
        const TransferResult r =
            runTransfer({links[0], Direction::Write, false}, *port, clock, sink, copy);
        if (r.status != TransferStatus::Success) {
            std::fprintf(stderr, "single write failed\n");
            return 1;
        }
    }
    const double single = seconds(start);

    double fleetTime[2] = {0, 0};
    for (int verify = 0; verify < 2; ++verify) {
        SerialHooks hooks;
        FleetOptions options;
        options.verify = verify == 1;
        FleetProgrammer fleet(links, image, options, hooks, clock);
        start = std::chrono::steady_clock::now();
        fleet.start();
        const auto outcomes = fleet.wait();
        fleetTime[verify] = seconds(start);
        for (const auto& o : outcomes)
            if (!o.programmed) {
                std::fprintf(stderr, "%s failed: %s\n", o.port.c_str(), o.reason().c_str());
                return 1;
            }
    }
    stop = true;
    for (auto& t : serving)
        t.join();

    std::printf("single write, 1 radio:        %6.2f s\n", single);
    std::printf("clone, %d radios:              %6.2f s  ratio %.3f (target <= 1.15)\n", kRadios,
                fleetTime[0], fleetTime[0] / single);
    std::printf("clone --verify, %d radios:     %6.2f s  ratio %.3f to the single write, %.3f "
                "to write + read\n",
                kRadios, fleetTime[1], fleetTime[1] / single, fleetTime[1] / (single * 2.0));
    return 0;
}
