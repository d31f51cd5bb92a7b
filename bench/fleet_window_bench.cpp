// Write to Several Radios in the window, offscreen: four virtual radios on
// four pseudo-terminals paced like a 9600-baud line, programmed from the
// dialog while a 5 ms timer measures the longest gap of the window's event
// loop. Also one single Write from the window in the same run, for the ratio.
// Prints the results only.

#include "link/VirtualRadio.h"
#include "link/qt/PtyServer.h"
#include "program/qt/ProgramApp.h"
#include "ui/CommandIds.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/dialogs/ProgressDlg.h"
#include "ui/qt/shell/FleetDlg.h"
#include "ui/qt/shell/MainFrame.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <atomic>
#include <cstdio>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

using namespace radio::link;

namespace {

// The longest time between two ticks of a 5 ms timer while armed.
class StallMeter : public QObject {
public:
    StallMeter() {
        m_timer.setTimerType(Qt::PreciseTimer);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            if (m_last >= 0)
                m_longest = std::max(m_longest, now - m_last);
            m_last = now;
        });
    }
    void arm() {
        m_longest = 0;
        m_last = -1;
        m_clock.start();
        m_timer.start(5);
    }
    double disarm() {
        m_timer.stop();
        return double(m_longest) / 1e6;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = -1;
    qint64 m_longest = 0;
};

bool waitFor(const std::function<bool()>& done, int ms) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    for (const char* f :
         {"Program.ini", "English.qm", "Chinese.qm", "background.bmp", "logo.bmp", "title.ico"})
        QFile::copy(QStringLiteral(STAGE_DIR "/") + QLatin1String(f),
                    dir.filePath(QLatin1String(f)));
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
    QApplication qapp(argc, argv);
    CProgramApp app(QStringList{dir.filePath(QStringLiteral("Program"))}, dir.path());
    if (!app.InitInstance())
        return 1;
    CMainFrame* frame = app.mainFrame();
    CProgramView* view = frame->activeView();

    constexpr int kRadios = 4;
    std::vector<std::unique_ptr<VirtualRadio>> radios;
    std::vector<std::unique_ptr<PtyServer>> servers;
    QStringList links;
    std::atomic<bool> stop{false};
    std::vector<std::thread> serving;
    for (int i = 0; i < kRadios; ++i) {
        radios.push_back(std::make_unique<VirtualRadio>());
        servers.push_back(std::make_unique<PtyServer>(*radios.back(), 9600));
        links << dir.filePath(QStringLiteral("radio%1").arg(i));
        std::string error;
        if (!servers.back()->start(links.back().toStdString(), error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        serving.emplace_back([&stop, s = servers.back().get()] { s->serve(stop); });
    }
    StallMeter meter;

    // One single Write from the window.
    view->m_strPort = links[0];
    frame->runCommand(ids::ID_PROGRAM_WRITE);
    if (auto* box = view->m_pProgressDlg->findChild<QCheckBox*>(QStringLiteral("verifyAfterWrite")))
        box->setChecked(false);
    QElapsedTimer single;
    meter.arm();
    single.start();
    view->m_pProgressDlg->okButton()->click();
    if (!waitFor([view] { return !view->m_pProgressDlg; }, 60000)) {
        std::fprintf(stderr, "single write did not end\n");
        return 1;
    }
    const double singleSeconds = double(single.nsecsElapsed()) / 1e9;
    const double singleStall = meter.disarm();

    // The four radios from the dialog.
    frame->action(ids::ID_PROGRAM_WRITE_FLEET)->trigger();
    auto* dlg = frame->findChild<CFleetDlg*>(QStringLiteral("fleetDlg"));
    for (int r = 0; r < dlg->table()->rowCount(); ++r)
        dlg->setTicked(r, false);
    for (const QString& l : links)
        dlg->addPort(l);
    dlg->verifyBox()->setChecked(false);
    dlg->backupBox()->setChecked(false);
    QElapsedTimer fleet;
    meter.arm();
    fleet.start();
    dlg->start();
    if (!waitFor([dlg] { return !dlg->isRunning(); }, 120000)) {
        std::fprintf(stderr, "the dialog did not end\n");
        return 1;
    }
    const double fleetSeconds = double(fleet.nsecsElapsed()) / 1e9;
    const double stall = meter.disarm();
    stop = true;
    for (auto& t : serving)
        t.join();

    std::printf("single write from the window:      %6.2f s, longest event-loop gap %.1f ms\n",
                singleSeconds, singleStall);
    std::printf("Write to Several Radios, %d radios: %6.2f s, longest event-loop gap %.1f ms "
                "(target <= 50 ms)\n",
                kRadios, fleetSeconds, stall);
    std::printf("ratio of the dialog's time to one single write: %.3f\n",
                fleetSeconds / singleSeconds);
    std::printf("summary: %s\n", dlg->summary()->text().toLocal8Bit().constData());
    return 0;
}
