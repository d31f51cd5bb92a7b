// The File menu's ways to files: file dialogs that start in the folder last
// used, File > Recent Files, a configuration dropped on the window, and
// channel lists exported and imported in both layouts.

#include "window_fixture.h"

#include "ui/CommandIds.h"
#include "ui/qt/channels/ChannelGrid.h"
#include "ui/qt/channels/ChannelLists.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/common/Messages.h"
#include "ui/qt/dialogs/FileDialogs.h"
#include "ui/qt/shell/MainFrame.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Answers the next file dialog: notes the folder it opened in, then chooses
// `choose` (a full path) or cancels when it is empty.
class FileDialogAnswer : public QObject {
public:
    FileDialogAnswer() {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, timer] {
            auto* dlg = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dlg)
                return;
            timer->stop();
            folder = dlg->directory().absolutePath();
            filters = dlg->nameFilters();
            dlg->reject();
        });
        timer->start(20);
    }
    QString folder;
    QStringList filters;
};

// Opens File as the user does: Recent Files must be usable from there.
QMenu* openedRecentMenu(CMainFrame* f) {
    emit f->menu(0)->aboutToShow();
    QAction* recent = f->action(ids::ID_FILE_RECENT);
    return recent->isEnabled() && !recent->menu()->isEmpty() ? recent->menu() : nullptr;
}

QStringList recentEntries(CMainFrame* f) {
    QMenu* menu = openedRecentMenu(f);
    if (!menu)
        return {QStringLiteral("(Recent Files unusable)")};
    QStringList texts;
    for (QAction* a : menu->actions())
        texts << a->text();
    return texts;
}

QAction* recentEntry(CMainFrame* f, int index) {
    QMenu* menu = openedRecentMenu(f);
    return menu ? menu->actions().value(index) : nullptr;
}

} // namespace

class FileMenuTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_values;
    QTemporaryDir m_files;

    QString saveCopy(const QString& name, const char* golden = "new.dat") {
        const QString path = m_files.filePath(name);
        QFile::copy(QStringLiteral(TEST_SOURCE_DIR "/tests/data/") + QLatin1String(golden), path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }

private slots:
    void initTestCase() { QDir(m_files.path()).mkpath(QStringLiteral("fleet")); }
    // Every case starts with nothing remembered.
    void init() {
        m_values = std::make_unique<QTemporaryDir>();
        isolateUserValues(*m_values);
    }

    void dialogsStartInTheFolderLastUsed() {
        START_PROGRAM();
        const QString first = saveCopy(QStringLiteral("fleet/one.dat"));
        {
            // Never in the program's own folder; a file type named as elsewhere.
            FileDialogAnswer answer;
            app->OnFileOpen();
            QVERIFY(!answer.folder.isEmpty());
            QVERIFY(answer.folder != QDir(prog.dir.path()).absolutePath());
            QCOMPARE(answer.filters, (QStringList{QStringLiteral("Program Document (*.dat)"),
                                                  QStringLiteral("Configuration text (*.yaml)")}));
        }
        // The folder of the file last chosen is where the next dialogs start.
        filedialogs::rememberFolder(radio::userSettings(radio::appState()), first);
        const QString fleet = QFileInfo(first).absolutePath();
        {
            FileDialogAnswer answer;
            app->OnFileOpen();
            QCOMPARE(answer.folder, fleet);
        }
        {
            // Save As proposes its name in the same folder.
            FileDialogAnswer answer;
            QVERIFY(!app->OnFileSaveAs());
            QCOMPARE(answer.folder, fleet);
        }
        {
            FileDialogAnswer answer;
            f->runCommand(ids::ID_FILE_COMPARE);
            QCOMPARE(answer.folder, fleet);
        }
        // Remembered per user: a new run starts there too.
        app.reset();
        auto again = prog.app();
        QVERIFY(again->InitInstance());
        QCOMPARE(filedialogs::startFolder(radio::userSettings(radio::appState())), fleet);
        // A folder that has gone is not offered.
        QVERIFY(QDir(fleet).removeRecursively());
        QVERIFY(filedialogs::startFolder(radio::userSettings(radio::appState())) != fleet);
    }

    void recentFilesListAndOpen() {
        START_PROGRAM();
        // Nothing yet: the submenu says so rather than looking broken.
        QCOMPARE(recentEntries(f), QStringList{QStringLiteral("(none)")});
        const QString a = saveCopy(QStringLiteral("a.dat"));
        const QString b = saveCopy(QStringLiteral("b&c.dat"));
        QVERIFY(app->openDocumentFile(a));
        // Saved under a new name: the new name comes first.
        const QString saved = m_files.filePath(QStringLiteral("saved.dat"));
        app->askSaveFileName = [saved](const QString&) { return saved; };
        QVERIFY(app->OnFileSaveAs());
        QVERIFY(app->openDocumentFile(b));
        QCOMPARE(app->recentFiles(),
                 (QStringList{QDir::toNativeSeparators(b), QDir::toNativeSeparators(saved),
                              QDir::toNativeSeparators(a)}));
        QCOMPARE(recentEntries(f),
                 (QStringList{QStringLiteral("&1 b&&c.dat"), QStringLiteral("&2 saved.dat"),
                              QStringLiteral("&3 a.dat")}));

        QVERIFY(recentEntry(f, 2));
        recentEntry(f, 2)->trigger();
        QCOMPARE(f->activeDocument()->pathName(), QFileInfo(a).absoluteFilePath());
        QCOMPARE(app->recentFiles().first(), QDir::toNativeSeparators(a));

        // A file that has gone says so and leaves the list.
        QVERIFY(QFile::remove(saved));
        MessageBoxCloser closer;
        QVERIFY(recentEntry(f, 2));
        recentEntry(f, 2)->trigger();
        QCOMPARE(closer.count, 1);
        QVERIFY(closer.text.contains(QStringLiteral("Failed to open document.")));
        QCOMPARE(app->recentFiles(),
                 (QStringList{QDir::toNativeSeparators(a), QDir::toNativeSeparators(b)}));
        QCOMPARE(f->activeDocument()->pathName(), QFileInfo(a).absoluteFilePath());

        // A second "a.dat" in another folder: both show the folder that tells them apart.
        QVERIFY(QDir(m_files.path()).mkpath(QStringLiteral("customer")));
        const QString other = saveCopy(QStringLiteral("customer/a.dat"));
        QVERIFY(app->openDocumentFile(other));
        QCOMPARE(recentEntries(f).mid(0, 2),
                 (QStringList{"&1 " + QDir::toNativeSeparators(QStringLiteral("customer/a.dat")),
                              "&2 " + QDir::toNativeSeparators(
                                          QFileInfo(m_files.path()).fileName() + "/a.dat")}));

        // Kept for the next run.
        app.reset();
        auto again = prog.app();
        QVERIFY(again->InitInstance());
        QCOMPARE(recentEntries(again->mainFrame()).size(), 3);
    }

    void droppedConfigurationOpens() {
        START_PROGRAM();
        const QString path = saveCopy(QStringLiteral("dropped.dat"));

        QMimeData notOurs;
        notOurs.setUrls({QUrl::fromLocalFile(m_files.filePath(QStringLiteral("list.csv")))});
        QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &notOurs, Qt::LeftButton,
                                Qt::NoModifier);
        QApplication::sendEvent(f, &refused);
        QVERIFY(!refused.isAccepted());

        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(f, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f, &drop);
        QCOMPARE(f->activeDocument()->pathName(), QFileInfo(path).absoluteFilePath());
    }

    void bothChannelListLayouts() {
        START_PROGRAM();
        QStringList notices;
        const auto keep = messages::show;
        keepMessages(notices);
        const QString source = saveCopy(QStringLiteral("one-channel.dat"), "one-channel.dat");
        QVERIFY(app->openDocumentFile(source));
        const QString rx = f->activeView()->grid()->textMatrix(1, 1);
        QVERIFY(!rx.isEmpty());
        const auto row1 = [f] {
            QStringList cells;
            for (int c = 1; c < 11; ++c)
                cells << f->activeView()->grid()->textMatrix(1, c);
            return cells;
        };
        const QStringList shown = row1();

        {
            // Export offers both layouts, every field first.
            FileDialogAnswer answer;
            f->runCommand(ids::ID_FILE_EXPORT_CHANNELS);
            QCOMPARE(answer.filters,
                     (QStringList{QStringLiteral("Channel list, every field (*.csv)"),
                                  QStringLiteral("Channel list, 21-column interchange (*.csv)")}));
        }
        QString notice;
        const auto& grid = *radio::layouts::find("grid");
        const auto& other = *radio::layouts::find("interchange");
        const QByteArray columns = f->activeView()->channelLists()->exportCsv(grid, &notice);
        QVERIFY(notice.isEmpty()); // every field fits
        const QByteArray interchange = f->activeView()->channelLists()->exportCsv(other, &notice);
        QVERIFY(!notice.isEmpty()); // said once for the file
        QVERIFY(interchange.startsWith("Location,Name,Frequency"));
        QVERIFY(columns.startsWith("CH,"));

        // Each file back into a new window: the every-field layout is lossless,
        // the interchange one says which settings got defaults.
        for (const radio::layouts::FileLayout* layout : {&grid, &other}) {
            app->newDocument();
            CProgramView* v = f->activeView();
            v->setBand(40000000, 47000000); // 400-470 MHz, as the file's radio
            const bool lossless = layout == &grid;
            const auto outcome = v->channelLists()->importCsv(
                lossless ? columns : interchange,
                [](const ChannelLists::ImportOutcome&) { return true; }, *layout);
            QVERIFY2(outcome.applied,
                     qPrintable(outcome.error + outcome.rejected.join(QLatin1Char(';'))));
            QCOMPARE(v->grid()->textMatrix(1, 1), rx);
            if (lossless) {
                QCOMPARE(row1(), shown);
                QVERIFY(outcome.notice.isEmpty());
            } else {
                QVERIFY(row1() != shown); // busy lock, compander, scrambler got defaults
                QVERIFY(!outcome.notice.isEmpty());
            }
        }
        messages::show = keep;
    }

    // Export Channel List writes as every other output does: a pipe, a device
    // or a folder is refused and stays what it was; a write-protected list
    // stays unchanged for an ordinary user.
    void exportRefusesWhatIsNotAReplaceableFile() {
        const QString fifo = m_files.filePath(QStringLiteral("pipe.csv"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QString error;
        for (const QString& target : {fifo, QStringLiteral("/dev/null"), m_files.path()}) {
            QVERIFY2(!ChannelLists::writeOutputFile(target, "CH\r\n", &error), qPrintable(target));
            QVERIFY2(error.contains(QStringLiteral("not a regular file")), qPrintable(error));
        }
        QVERIFY2(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile(), "the pipe was replaced");
        const QString list = m_files.filePath(QStringLiteral("list.csv"));
        QVERIFY2(ChannelLists::writeOutputFile(list, "CH\r\n", &error), qPrintable(error));
        QFile::setPermissions(list, QFile::ReadOwner);
        if (::geteuid() != 0) {
            QVERIFY(!ChannelLists::writeOutputFile(list, "new", &error));
            QVERIFY2(error.contains(QStringLiteral("write-protected")), qPrintable(error));
        }
        QFile in(list);
        QVERIFY(in.open(QIODevice::ReadOnly));
        QCOMPARE(in.readAll(), QByteArray("CH\r\n"));
    }
};

QTEST_MAIN(FileMenuTest)
#include "file_menu_test.moc"
