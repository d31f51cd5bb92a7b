// The everyday file and edit commands: file dialogs that start in the folder
// last used, File > Recent Files, a configuration dropped on the window,
// Fill Down by its key, Undo/Redo that name their step, and the windows that
// write naming what they write.

#include "window_fixture.h"

#include "ui/CommandIds.h"
#include "ui/qt/channels/ChannelGrid.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/channels/ViewEditing.h"
#include "ui/qt/dialogs/FileDialogs.h"
#include "ui/qt/dialogs/ProgressDlg.h"
#include "ui/qt/shell/FleetDlg.h"
#include "ui/qt/shell/MainFrame.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
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

class EverydayTest : public QObject {
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
        TempProgram prog;
        auto app = prog.app();
        QVERIFY(app->InitInstance());
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
        filedialogs::rememberFolder(first);
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
            app->mainFrame()->runCommand(ids::ID_FILE_COMPARE);
            QCOMPARE(answer.folder, fleet);
        }
        // Remembered per user: a new run starts there too.
        app.reset();
        auto again = prog.app();
        QVERIFY(again->InitInstance());
        QCOMPARE(filedialogs::startFolder(), fleet);
        // A folder that has gone is not offered.
        QVERIFY(QDir(fleet).removeRecursively());
        QVERIFY(filedialogs::startFolder() != fleet);
    }

    void recentFilesListAndOpen() {
        TempProgram prog;
        auto app = prog.app();
        QVERIFY(app->InitInstance());
        CMainFrame* f = app->mainFrame();
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

    void writingWindowsNameTheConfiguration() {
        TempProgram prog;
        auto app = prog.app();
        QVERIFY(app->InitInstance());
        CMainFrame* f = app->mainFrame();
        CProgramView* view = f->activeView();
        view->OnWrite();
        QVERIFY2(view->m_pProgressDlg, "Write opened no transfer window");
        QCOMPARE(view->m_pProgressDlg->configurationText(),
                 QStringLiteral("Configuration: not saved, TR-1, 400-470 MHz"));
        view->m_pProgressDlg->OnCancel();

        const QString saved = m_files.filePath(QStringLiteral("customer.dat"));
        app->askSaveFileName = [saved](const QString&) { return saved; };
        QVERIFY(app->OnFileSaveAs());
        CFleetDlg* fleet = CFleetDlg::openFor(f);
        QCOMPARE(fleet->configurationLine()->text(),
                 QStringLiteral("Configuration: customer.dat, TR-1, 400-470 MHz"));
        fleet->cancelOrClose();
    }

    void droppedConfigurationOpens() {
        TempProgram prog;
        auto app = prog.app();
        QVERIFY(app->InitInstance());
        CMainFrame* f = app->mainFrame();
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
        TempProgram prog;
        auto app = prog.app();
        QVERIFY(app->InitInstance());
        CMainFrame* f = app->mainFrame();
        QStringList notices;
        const auto keep = CViewEditing::showMessage;
        CViewEditing::showMessage = [&notices](QWidget*, const QString& text, bool) {
            notices << text;
        };
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
        CViewEditing* e = CViewEditing::of(f->activeView());
        QString notice;
        const auto& grid = *radio::layouts::find("grid");
        const auto& other = *radio::layouts::find("interchange");
        const QByteArray columns = e->exportCsv(grid, &notice);
        QVERIFY(notice.isEmpty()); // every field fits
        const QByteArray interchange = e->exportCsv(other, &notice);
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
            const auto outcome = CViewEditing::of(v)->importCsv(
                lossless ? columns : interchange,
                [](const CViewEditing::ImportOutcome&) { return true; }, *layout);
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
        CViewEditing::showMessage = keep;
    }

    void fillDownByKeyAndNamedUndo_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("undo");
        QTest::addColumn<QString>("redo");
        QTest::addColumn<QString>("plainUndo");
        QTest::newRow("English") << "English"
                                 << "&Undo Fill Down"
                                 << "&Redo Fill Down"
                                 << "&Undo";
        QTest::newRow("Chinese") << "Chinese"
                                 << "撤销 向下填充(&U)"
                                 << "重做 向下填充(&R)"
                                 << "撤销(&U)";
    }
    void fillDownByKeyAndNamedUndo() {
        QFETCH(QString, language);
        QFETCH(QString, undo);
        QFETCH(QString, redo);
        QFETCH(QString, plainUndo);
        TempProgram prog(language.toLatin1().constData());
        auto app = prog.app();
        QVERIFY(app->InitInstance());
        CMainFrame* f = app->mainFrame();
        CProgramView* view = f->activeView();
        CChannelGrid* grid = view->grid();
        QApplication::setActiveWindow(f);
        QVERIFY(QTest::qWaitForWindowActive(f));
        view->setBand(46000000, 47000000);
        const auto click = [grid](int row, int col, Qt::KeyboardModifiers mods = {}) {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, mods,
                              grid->cellRect(row, col).center());
        };
        click(1, 1);
        auto* edit = qobject_cast<QLineEdit*>(view->openEditor());
        QVERIFY(edit);
        edit->setText(QStringLiteral("462.5"));
        edit->setModified(true);
        QTest::keyClick(edit, Qt::Key_Return);
        QCoreApplication::processEvents();
        click(1, 0);
        click(3, 0, Qt::ShiftModifier);
        QTest::keyClick(grid, Qt::Key_D, Qt::ControlModifier);
        QCoreApplication::processEvents();
        QCOMPARE(grid->textMatrix(3, 1), QStringLiteral("462.50000"));
        f->updateCommandStates();
        QCOMPARE(f->action(ids::ID_EDIT_UNDO)->text(), undo);
        f->action(ids::ID_EDIT_UNDO)->trigger();
        QCOMPARE(grid->textMatrix(3, 1), QString());
        f->updateCommandStates();
        QCOMPARE(f->action(ids::ID_EDIT_REDO)->text(), redo);
        // Back to the first typed value: Undo names the typing.
        QVERIFY(f->action(ids::ID_EDIT_UNDO)->text() != plainUndo);
    }

    // Export Channel List writes as every other output does: a pipe, a device
    // or a folder is refused and stays what it was; a write-protected list
    // stays unchanged for an ordinary user.
    void exportRefusesWhatIsNotAReplaceableFile() {
        const QString fifo = m_files.filePath(QStringLiteral("pipe.csv"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QString error;
        for (const QString& target : {fifo, QStringLiteral("/dev/null"), m_files.path()}) {
            QVERIFY2(!CViewEditing::writeOutputFile(target, "CH\r\n", &error), qPrintable(target));
            QVERIFY2(error.contains(QStringLiteral("not a regular file")), qPrintable(error));
        }
        QVERIFY2(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile(), "the pipe was replaced");
        const QString list = m_files.filePath(QStringLiteral("list.csv"));
        QVERIFY2(CViewEditing::writeOutputFile(list, "CH\r\n", &error), qPrintable(error));
        QFile::setPermissions(list, QFile::ReadOwner);
        if (::geteuid() != 0) {
            QVERIFY(!CViewEditing::writeOutputFile(list, "new", &error));
            QVERIFY2(error.contains(QStringLiteral("write-protected")), qPrintable(error));
        }
        QFile in(list);
        QVERIFY(in.open(QIODevice::ReadOnly));
        QCOMPARE(in.readAll(), QByteArray("CH\r\n"));
    }
};

QTEST_MAIN(EverydayTest)
#include "everyday_test.moc"
