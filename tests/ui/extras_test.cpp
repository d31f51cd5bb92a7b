// Undo and redo, copy and paste, import and comparison through the real
// channel window; a backup of every read and the check after a write
// against the built-in virtual radio.

#include "window_fixture.h"

#include "link/VirtualRadioPort.h"
#include "model/MemoryMap.h"
#include "model/SafeFile.h"
#include "ui/CommandIds.h"
#include "ui/qt/channels/ChannelGrid.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/channels/ViewEditing.h"
#include "ui/qt/dialogs/ProgressDlg.h"
#include "ui/qt/shell/MainFrame.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QUndoStack>

#include <mutex>

#include <sys/stat.h>

namespace {

QStringList row(CProgramView* view, int r) {
    QStringList cells;
    for (int c = 1; c < 11; ++c)
        cells << view->grid()->textMatrix(r, c);
    return cells;
}

void type(CProgramView* view, int r, int c, const QString& text) {
    view->grid()->setCurrent(r, c);
    view->ShowCellEditor();
    auto* edit = qobject_cast<QLineEdit*>(view->openEditor());
    QVERIFY(edit);
    edit->setText(text);
    view->CommitCellEditor();
    QCoreApplication::processEvents(); // the step is recorded once the commit is over
}

const QStringList kEmptyRow = {"", "", "", "", "", "", "", "", "", ""};

} // namespace

class ExtrasTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_values;
    QTemporaryDir m_data;
    QStringList m_messages;

private slots:
    void initTestCase() {
        isolateUserValues(m_values);
        // Backups land in the test's own folder.
        qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
        CViewEditing::showMessage = [this](QWidget*, const QString& text, bool) {
            m_messages << text;
        };
    }
    void init() { m_messages.clear(); }

    void undoRedoEditsPasteAndClear() {
        TempProgram prog;
        auto app = prog.app();
        QVERIFY(app->InitInstance());
        CMainFrame* f = app->mainFrame();
        CProgramView* view = f->activeView();
        CViewEditing* e = CViewEditing::of(view);
        QCOMPARE(view->bandLow(), 40000000);

        type(view, 1, 1, QStringLiteral("446.00625"));
        const QStringList typed = {"446.00625", "446.00625", "None", "None", "High",
                                   "No",        "Off",       "Wide", "Off",  "Off"};
        QCOMPARE(row(view, 1), typed);
        type(view, 1, 2, QStringLiteral("446.5"));
        QCOMPARE(e->undoStack()->count(), 2);

        f->action(ids::ID_EDIT_UNDO)->trigger();
        QCOMPARE(row(view, 1), typed);
        f->action(ids::ID_EDIT_UNDO)->trigger();
        QCOMPARE(row(view, 1), kEmptyRow);
        f->action(ids::ID_EDIT_REDO)->trigger();
        f->action(ids::ID_EDIT_REDO)->trigger();
        QCOMPARE(view->grid()->textMatrix(1, 2), QStringLiteral("446.50000"));

        // Copy row 1, paste it into rows 3 and 4 through the clipboard: one step.
        view->grid()->setCurrent(1, 1);
        f->action(ids::ID_EDIT_COPY)->trigger();
        const QString copied = QApplication::clipboard()->text();
        QCOMPARE(copied, QStringLiteral(" 1\t446.00625\t446.50000\tNone\tNone\tHigh\tNo\tOff\tWide"
                                        "\tOff\tOff\n"));
        QApplication::clipboard()->setText(copied + copied);
        view->grid()->setCurrent(3, 5);
        f->action(ids::ID_EDIT_PASTE)->trigger();
        QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join('\n')));
        QCOMPARE(row(view, 3), row(view, 1));
        QCOMPARE(row(view, 4), row(view, 1));
        f->action(ids::ID_EDIT_UNDO)->trigger();
        QCOMPARE(row(view, 3), kEmptyRow);
        QCOMPARE(row(view, 4), kEmptyRow);

        // A pasted value is checked like a typed one: nothing goes in.
        const int steps = e->undoStack()->count();
        QStringList problems;
        QVERIFY(!e->paste(QStringLiteral("480\t\tNone\tNone\tHigh\tNo\tOff\tWide\tOff\tOff"),
                          &problems));
        QCOMPARE(problems, QStringList{QStringLiteral(
                               "Row 3, Rx Frequency: Out of range,please input again.")});
        QCOMPARE(row(view, 3), kEmptyRow);
        QCOMPARE(e->undoStack()->count(), steps);

        // Delete clears the selected rows; undo brings them back.
        view->grid()->setCurrent(1, 3);
        view->grid()->setFocus();
        f->action(ids::ID_EDIT_CLEAR)->trigger();
        QCOMPARE(row(view, 1), kEmptyRow);
        f->action(ids::ID_EDIT_UNDO)->trigger();
        QCOMPARE(view->grid()->textMatrix(1, 1), QStringLiteral("446.00625"));

        // The image follows the grid as before: Save writes what the grid shows.
        view->GridToImage();
        QCOMPARE(view->document()->m_image[0x10], std::uint8_t(0x25));
    }

    void importAsksAndUndoesInOneStep() {
        TempProgram prog;
        auto app = prog.app();
        QVERIFY(app->InitInstance());
        CProgramView* view = app->mainFrame()->activeView();
        CViewEditing* e = CViewEditing::of(view);
        const QByteArray csv = "Location,Frequency,Duplex,Offset,Tone,rToneFreq,Mode,Skip\n"
                               "1,446.00625,+,1,Tone,88.5,NFM,\n"
                               "2,146.52,,,,,FM,\n";
        QStringList asked;
        const auto& interchange = *radio::layouts::find("interchange");
        auto outcome = e->importCsv(
            csv,
            [&](const CViewEditing::ImportOutcome& so) {
                asked = so.rejected;
                return so.accepted == 0; // Cancel
            },
            interchange);
        QCOMPARE(asked, QStringList{QStringLiteral("line 3: Frequency 146.52: 146.52 MHz is "
                                                   "outside the band 400-470 MHz")});
        QVERIFY(!outcome.applied);
        QCOMPARE(row(view, 1), kEmptyRow);

        // The every-field layout asks the same way; a row with two refused
        // cells is one row left out.
        CViewEditing::ImportOutcome gridAsked;
        outcome = e->importCsv(
            "CH,Rx Frequency,Power\n2,446.5,Low\n3,146.52,Max\n",
            [&](const CViewEditing::ImportOutcome& so) {
                gridAsked = so;
                return true;
            },
            *radio::layouts::find("grid"));
        QCOMPARE(gridAsked.rejected.size(), 2);
        QCOMPARE(gridAsked.refusedRows, 1);
        QCOMPARE(gridAsked.accepted, 1);
        QVERIFY(outcome.applied);
        QCOMPARE(view->grid()->textMatrix(2, 1), QStringLiteral("446.50000"));
        QCOMPARE(view->grid()->textMatrix(2, 5), QStringLiteral("Low"));
        QCOMPARE(row(view, 3), kEmptyRow);
        e->undoStack()->undo();
        QCOMPARE(row(view, 2), kEmptyRow);

        outcome = e->importCsv(
            csv, [](const CViewEditing::ImportOutcome&) { return true; }, interchange);
        QVERIFY(outcome.applied);
        QCOMPARE(row(view, 1), (QStringList{"446.00625", "447.00625", "None", "88.5", "High", "Yes",
                                            "Off", "Narrow", "Off", "Off"}));
        QCOMPARE(row(view, 2), kEmptyRow);
        e->undoStack()->undo();
        QCOMPARE(row(view, 1), kEmptyRow);

        // Export writes what the grid shows, also after an undo.
        e->undoStack()->redo();
        QVERIFY(e->exportCsv(interchange).contains("\r\n1,,446.006250,+,1.000000,Tone,88.5,"));

        // Compare: the grid's configuration against the untouched file.
        prog.writeFile(
            "other.dat",
            QByteArray(reinterpret_cast<const char*>(view->document()->m_image.data()), 1024));
        QString error;
        const QString report = e->compareWith(prog.path("other.dat"), &error);
        QVERIFY(error.isEmpty());
        // The window's side first, then the file's, by the names the user knows.
        QVERIFY(!view->document()->title().isEmpty());
        QVERIFY2(report.startsWith(QStringLiteral("From: ") + view->document()->title() +
                                   QStringLiteral("\nTo: other.dat\nChannel 1\n    Rx Frequency: "
                                                  "446.00625 -> (empty)\n")),
                 qPrintable(report));
        QVERIFY(e->compareWith(prog.path("missing.dat"), &error).isEmpty());
        QVERIFY(!error.isEmpty());

        // An unchanged window against the file it was opened from: the empty
        // channels of a file from elsewhere are no difference.
        radio::Image fromElsewhere = radio::newDocumentImage();
        for (int n = 1; n <= radio::mm::kChannelCount; ++n)
            for (int i = 8; i < 15; ++i)
                fromElsewhere[radio::mm::channelOffset(n) + i] = 0x00;
        // The same radio as before, so later windows keep their band.
        for (const radio::mm::Field* f : {&radio::mm::ModelType, &radio::mm::BandIndex})
            radio::mm::set(fromElsewhere, *f, radio::mm::get(view->document()->m_image, *f));
        prog.writeFile("elsewhere.dat",
                       QByteArray(reinterpret_cast<const char*>(fromElsewhere.data()), 1024));
        CProgramDoc* opened = app->openDocumentFile(prog.path("elsewhere.dat"));
        QVERIFY(opened);
        const QString same = CViewEditing::of(app->mainFrame()->activeView())
                                 ->compareWith(prog.path("elsewhere.dat"), &error);
        QVERIFY2(same.endsWith(QStringLiteral("\nThe configurations are the same.\nEmpty channels "
                                              "are written in this program's form; bytes that "
                                              "differ only by it are not listed.\n")),
                 qPrintable(same));
    }

    // The window reads its inputs by the core's rules: a pipe is refused
    // instead of freezing the window, a huge file before it is read.
    void inputFilesAreBounded() {
        TempProgram prog;
        auto app = prog.app();
        QVERIFY(app->InitInstance());
        CViewEditing* e = CViewEditing::of(app->mainFrame()->activeView());
        const QString fifo = prog.path("pipe.dat");
        QCOMPARE(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
        QString error;
        QVERIFY(e->compareWith(fifo, &error).isEmpty());
        QCOMPARE(error, QStringLiteral("\"%1\" is not a regular file: folders, devices and pipes "
                                       "cannot be read.")
                            .arg(fifo));
        prog.writeFile("huge.csv", QByteArray(5 << 20, '1'));
        QByteArray bytes = "unchanged";
        QVERIFY(!CViewEditing::readInputFile(prog.path("huge.csv"), radio::files::kMaxTextInput,
                                             false, bytes, &error));
        QCOMPARE(error, QStringLiteral("\"%1\" is too large: a channel list holds at most 4096 KB.")
                            .arg(prog.path("huge.csv")));
        QCOMPARE(bytes, QByteArray("unchanged"));
        prog.writeFile("list.csv", "CH\r\n1\r\n");
        QVERIFY(CViewEditing::readInputFile(prog.path("list.csv"), radio::files::kMaxTextInput,
                                            false, bytes, &error));
        QCOMPARE(bytes, QByteArray("CH\r\n1\r\n"));
    }

    void chineseTexts() {
        TempProgram prog("Chinese");
        auto app = prog.app();
        QVERIFY(app->InitInstance());
        CMainFrame* f = app->mainFrame();
        QCOMPARE(f->action(ids::ID_EDIT_UNDO)->text(), QStringLiteral("撤销(&U)"));
        QCOMPARE(f->action(ids::ID_SETUP_OPEN_BACKUPS)->text(),
                 QStringLiteral("打开备份文件夹(&B)"));
        CProgramView* view = f->activeView();
        CViewEditing* e = CViewEditing::of(view);
        prog.writeFile(
            "other.dat",
            QByteArray(reinterpret_cast<const char*>(view->document()->m_image.data()), 1024));
        type(view, 2, 1, QStringLiteral("446.00625"));
        QString error;
        const QString compared = e->compareWith(prog.path("other.dat"), &error);
        QVERIFY2(compared.startsWith(QStringLiteral("原配置：") + view->document()->title() +
                                     QStringLiteral("\n对比配置：other.dat\n信道2\n    接收频率: "
                                                    "446.00625 -> (空)\n")),
                 qPrintable(compared));
        QVERIFY(e->compareWith(prog.path(""), &error).isEmpty()); // the program's folder
        QVERIFY2(error.endsWith(QStringLiteral("”不是普通文件：无法读取文件夹、设备或管道。")),
                 qPrintable(error));
        QStringList problems;
        QVERIFY(!e->paste(QStringLiteral("x"), &problems));
        QCOMPARE(problems.value(0),
                 QStringLiteral("第 2 行: 不是由 10 或 11 个制表符分隔单元组成的信道行"));
        f->runCommand(ids::ID_PROGRAM_WRITE);
        QCOMPARE(
            view->m_pProgressDlg->findChild<QCheckBox*>(QStringLiteral("verifyAfterWrite"))->text(),
            QStringLiteral("写入后校验"));
        view->m_pProgressDlg->OnCancel();
        QTRY_VERIFY2(!view->m_pProgressDlg, "Cancel left the transfer window open");
    }

    void everyReadKeepsABackup() {
        TempProgram prog;
        auto app = prog.app();
        QVERIFY(app->InitInstance());
        CMainFrame* f = app->mainFrame();
        CProgramView* view = f->activeView();
        CViewEditing* e = CViewEditing::of(view);
        type(view, 1, 1, QStringLiteral("446.00625"));
        QVERIFY(e->undoStack()->canUndo());
        view->m_strPort = QString::fromLatin1(radio::link::kVirtualRadioPortName);

        QStringList kept;
        for (int i = 0; i < 2; ++i) {
            // The typed channel is given up when asked; what the first read
            // brought is safe in its backup, so the second read asks nothing.
            MessageBoxCloser discard(QMessageBox::Discard);
            f->runCommand(ids::ID_PROGRAM_READ);
            QCOMPARE(discard.count, i == 0 ? 1 : 0);
            QPointer<CProgressDlg> dlg = view->m_pProgressDlg;
            QVERIFY(dlg);
            QVERIFY(!dlg->findChild<QCheckBox*>(QStringLiteral("verifyAfterWrite")));
            QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(!dlg, 15000);
            QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join('\n')));
            kept << e->lastBackupPath();
        }
        QVERIFY(kept[0] != kept[1]);
        for (const QString& path : kept) {
            QVERIFY2(path.startsWith(m_data.path() + QStringLiteral("/Test Radio Tool/backups/")),
                     qPrintable(path));
            QVERIFY(path.endsWith(QStringLiteral("_TR-1_400-470.dat")) ||
                    path.endsWith(QStringLiteral("_TR-1_400-470-2.dat")));
            const QByteArray bytes = prog.readFile(path);
            QCOMPARE(
                bytes,
                QByteArray(reinterpret_cast<const char*>(view->document()->m_image.data()), 1024));
        }
        // What the radio sent is nothing to undo.
        QVERIFY(!e->undoStack()->canUndo());
    }

    void verifyAfterWriteFindsAFaultyRadio() {
        TempProgram prog;
        auto app = prog.app();
        QVERIFY(app->InitInstance());
        CMainFrame* f = app->mainFrame();
        CProgramView* view = f->activeView();
        CViewEditing* e = CViewEditing::of(view);
        view->m_strPort = QString::fromLatin1(radio::link::kVirtualRadioPortName);
        type(view, 1, 1, QStringLiteral("446.00625"));

        const auto write = [&](bool check) -> int {
            f->runCommand(ids::ID_PROGRAM_WRITE);
            QPointer<CProgressDlg> dlg = view->m_pProgressDlg;
            auto* box = dlg->findChild<QCheckBox*>(QStringLiteral("verifyAfterWrite"));
            box->setChecked(check);
            QSignalSpy done(e, &CViewEditing::verifyFinished);
            QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
            if (!QTest::qWaitFor([&] { return !dlg; }, 15000))
                return -1;
            return int(done.count());
        };

        // Off by default; a plain write checks nothing.
        f->runCommand(ids::ID_PROGRAM_WRITE);
        QVERIFY(!view->m_pProgressDlg->findChild<QCheckBox*>(QStringLiteral("verifyAfterWrite"))
                     ->isChecked());
        view->m_pProgressDlg->OnCancel();
        QTRY_VERIFY2(!view->m_pProgressDlg, "Cancel left the transfer window open");
        QCOMPARE(write(false), 0);

        {
            std::lock_guard<std::mutex> lock(radio::link::sharedVirtualRadioMutex());
            radio::link::sharedVirtualRadio().faults().ignoreWriteAt = 0x10;
        }
        type(view, 1, 1, QStringLiteral("430.5"));
        QCOMPARE(write(true), 1);
        QVERIFY2(e->lastVerifyText().startsWith(QStringLiteral("Verify failed: ")),
                 qPrintable(e->lastVerifyText()));
        QVERIFY(e->lastVerifyText().contains(QStringLiteral("0x010")));
        QCOMPARE(m_messages.size(), 1);

        {
            std::lock_guard<std::mutex> lock(radio::link::sharedVirtualRadioMutex());
            radio::link::sharedVirtualRadio().faults().ignoreWriteAt = -1;
        }
        // The choice is remembered for the next write.
        f->runCommand(ids::ID_PROGRAM_WRITE);
        auto* box = view->m_pProgressDlg->findChild<QCheckBox*>(QStringLiteral("verifyAfterWrite"));
        QVERIFY(box->isChecked());
        view->m_pProgressDlg->OnCancel();
        QTRY_VERIFY2(!view->m_pProgressDlg, "Cancel left the transfer window open");
        QCOMPARE(write(true), 1);
        QCOMPARE(e->lastVerifyText(),
                 QStringLiteral("Verified: the radio holds what was written."));
    }
};

QTEST_MAIN(ExtrasTest)
#include "extras_test.moc"
