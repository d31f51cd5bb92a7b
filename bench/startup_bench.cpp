// Start-up benchmark: time from process start to the main window shown, and
// resident memory right after, for the program and for the floor program
// (bench/startup_floor.cpp: plain Qt showing the same kinds of widgets with
// no program logic), measured in the same run. Prints the ratios (program /
// floor); an empty QMainWindow is measured too, for reference. Each side
// runs as its own child process.

#include "program/qt/ProgramApp.h"
#include "ui/qt/shell/MainFrame.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

long residentKiB() {
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> parts = f.readAll().split(' ');
    return parts.size() > 1 ? parts[1].toLong() * 4 : 0;
}

void reportShown(QWidget* w) {
    QElapsedTimer t;
    t.start();
    while ((!w->windowHandle() || !w->windowHandle()->isExposed()) && t.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
    std::printf("ready %ld\n", residentKiB());
    std::fflush(stdout);
}

int runBare(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.show();
    reportShown(&w);
    return 0;
}

int runProgram(int argc, char** argv, const QString& dir) {
    QApplication qapp(argc, argv);
    CProgramApp app(QStringList{dir + QStringLiteral("/Program")}, dir);
    if (!app.InitInstance())
        return 1;
    reportShown(app.mainFrame());
    return 0;
}

struct Sample {
    double ms;
    long kib;
};

Sample measure(const QString& self, const QStringList& args) {
    QProcess p;
    QElapsedTimer t;
    t.start();
    p.start(self, args);
    p.waitForStarted();
    QByteArray line;
    while (!line.contains('\n') && p.waitForReadyRead(30000))
        line += p.readAllStandardOutput();
    const double ms = double(t.nsecsElapsed()) / 1e6;
    p.waitForFinished();
    const QList<QByteArray> parts = line.trimmed().split(' ');
    return {ms, parts.size() > 1 ? parts[1].toLong() : 0};
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], "--bare") == 0)
        return runBare(argc, argv);
    if (argc > 2 && qstrcmp(argv[1], "--program") == 0)
        return runProgram(argc, argv, QString::fromLocal8Bit(argv[2]));

    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    for (const char* f :
         {"Program.ini", "English.qm", "Chinese.qm", "background.bmp", "logo.bmp", "title.ico"})
        QFile::copy(QStringLiteral(STAGE_DIR "/") + QLatin1String(f),
                    dir.filePath(QLatin1String(f)));
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());

    const QString self = QCoreApplication::applicationFilePath();
    const int runs = 9;
    std::vector<double> bareMs, floorMs, progMs, bareKiB, floorKiB, progKiB;
    for (int i = 0; i < runs; ++i) { // interleaved, so load changes hit all alike
        const Sample b = measure(self, {QStringLiteral("--bare")});
        const Sample f = measure(QStringLiteral(FLOOR_PROGRAM), {});
        const Sample p = measure(self, {QStringLiteral("--program"), dir.path()});
        bareMs.push_back(b.ms);
        floorMs.push_back(f.ms);
        progMs.push_back(p.ms);
        bareKiB.push_back(double(b.kib));
        floorKiB.push_back(double(f.kib));
        progKiB.push_back(double(p.kib));
    }
    const double tb = median(bareMs), tf = median(floorMs), tp = median(progMs);
    const double mb = median(bareKiB), mf = median(floorKiB), mp = median(progKiB);
    std::printf("medians of %d runs (empty QMainWindow: %.1f ms, %.0f KiB)\n", runs, tb, mb);
    std::printf("start-up to main window shown: program %.1f ms, floor %.1f ms, ratio %.2f\n", tp,
                tf, tp / tf);
    std::printf("resident memory after start-up: program %.0f KiB, floor %.0f KiB, ratio %.2f\n",
                mp, mf, mp / mf);
    std::printf("target: both ratios <= 1.25\n");
    return 0;
}
