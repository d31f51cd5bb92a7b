// The floor of the start-up benchmark: plain Qt, no program logic, showing
// the same kinds of things the program's first window shows: a menu bar of
// six menus, a toolbar of seven icon buttons, a status bar with its panes, a
// dock with a title bar and a tree, and an MDI area with one child holding a
// 17 x 11 table of texts. Prints "ready <resident KiB>" once it is exposed.

#include <QApplication>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QWindow>

#include <cstdio>

namespace {

long residentKiB() {
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> parts = f.readAll().split(' ');
    return parts.size() > 1 ? parts[1].toLong() * 4 : 0;
}

struct Menu {
    const char* title;
    std::initializer_list<const char*> items; // nullptr = separator
};

const Menu kMenus[] = {
    {"&File",
     {"&New", "&Open...", "&Close", "&Save", "Save &As...", nullptr, "&Print...", "Print Pre&view",
      "P&rint Setup...", nullptr, "E&xit"}},
    {"&Edit", {"&Product Information", "&Channel Information", "&Optional Features"}},
    {"&Program", {"&Read", "&Write", "Scan Info"}},
    {"&View", {"&Toolbar", "&Status Bar", "&Control Bar"}},
    {"&Setup", {"&Com Setup", "&Language"}},
    {"&Help", {"&About..."}},
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("Floor"));
    w.resize(1000, 600);

    for (const Menu& m : kMenus) {
        QMenu* menu = w.menuBar()->addMenu(QString::fromLatin1(m.title));
        for (const char* item : m.items) {
            if (item)
                menu->addAction(QString::fromLatin1(item));
            else
                menu->addSeparator();
        }
    }

    QToolBar* bar = w.addToolBar(QStringLiteral("Toolbar"));
    bar->setIconSize(QSize(16, 15));
    for (const char* icon : {"new", "open", "save", "read", "write", "print", "about"})
        bar->addAction(QIcon(QStringLiteral(TOOLBAR_DIR "/%1.png").arg(QLatin1String(icon))),
                       QString::fromLatin1(icon));

    w.statusBar()->addWidget(new QLabel(QStringLiteral("Ready")), 1);
    for (const char* pane : {"CAP", "NUM", "SCRL"}) {
        auto* label = new QLabel;
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QLatin1String(pane)) + 8);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        w.statusBar()->addPermanentWidget(label);
    }

    auto* dock = new QDockWidget(QStringLiteral("Navigation"), &w);
    auto* tree = new QTreeWidget(dock);
    tree->setHeaderHidden(true);
    auto* root = new QTreeWidgetItem(tree, {QStringLiteral("Radio")});
    for (const char* item : {"Product Information", "Channel Information", "Optional Features",
                             "Scan Info", "Read", "Write"})
        new QTreeWidgetItem(root, {QString::fromLatin1(item)});
    tree->expandAll();
    dock->setWidget(tree);
    w.addDockWidget(Qt::LeftDockWidgetArea, dock);

    auto* mdi = new QMdiArea(&w);
    w.setCentralWidget(mdi);
    auto* table = new QTableWidget(17, 11);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    for (int r = 0; r < 17; ++r)
        for (int c = 0; c < 11; ++c)
            table->setItem(r, c,
                           new QTableWidgetItem(r == 0   ? QStringLiteral("Header %1").arg(c)
                                                : c == 0 ? QString::number(r)
                                                         : QStringLiteral("446.00625")));
    QMdiSubWindow* child = mdi->addSubWindow(table);
    child->setWindowTitle(QStringLiteral("Channel Information"));
    child->resize(800, 500);
    child->show();

    w.showMaximized();
    QElapsedTimer t;
    t.start();
    while ((!w.windowHandle() || !w.windowHandle()->isExposed()) && t.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
    std::printf("ready %ld\n", residentKiB());
    std::fflush(stdout);
    return 0;
}
