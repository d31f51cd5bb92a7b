// The window's Read and Write against the virtual radio on a real
// pseudo-terminal through QSerialPort, the progress window's rules, COM
// Setup, and the serial port's time-outs and purge.

#include "pty_radio.h"
#include "tests/Patterned.h"
#include "window_fixture.h"

#include "link/VirtualRadio.h"
#include "link/VirtualRadioPort.h"
#include "link/qt/PtyServer.h"
#include "link/qt/SerialPort.h"
#include "model/Codecs.h"
#include "model/MemoryMap.h"
#include "model/StringTable.h"
#include "ui/CommandIds.h"
#include "ui/qt/channels/ChannelGrid.h"
#include "ui/qt/channels/EditHistory.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/channels/WriteCheck.h"
#include "ui/qt/common/Help.h"
#include "ui/qt/dialogs/ComSetupDlg.h"
#include "ui/qt/dialogs/ProgressDlg.h"
#include "ui/qt/shell/MainFrame.h"
#include "ui/qt/shell/NavigationBar.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QUndoStack>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

using radio::Image;
using radio::link::VirtualRadio;
using testsupport::patterned;

namespace {

// Closes every modal dialog that opens, counting them: a dialog that should
// not have opened must not leave the test waiting.
class ModalCounter : public QObject {
public:
    ModalCounter() {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] {
            if (auto* w = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                names << w->metaObject()->className();
                w->reject();
                w->close();
            }
        });
        timer->start(10);
    }
    QStringList names;
};

// Opens the editor of a cell and types `text` into it.
QLineEdit* typeInto(CProgramView* view, int row, int col, const QString& text) {
    view->grid()->setCurrent(row, col);
    view->ShowCellEditor();
    auto* edit = qobject_cast<QLineEdit*>(view->openEditor());
    if (edit) {
        edit->setText(text);
        edit->setModified(true);
    }
    return edit;
}

// Runs Setup > Com Setup of `view` and acts on the dialog while it is open;
// whatever `act` leaves open is cancelled.
void comSetup(CProgramView* view, const std::function<void(CComSetupDlg&)>& act) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* dlg = qobject_cast<CComSetupDlg*>(QApplication::activeModalWidget());
        if (!dlg || !dlg->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        act(*dlg);
        if (dlg->isVisible())
            dlg->reject();
    });
    timer->start(5);
    view->OnComSetup();
}

} // namespace

class TransferTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_values;

    void startTransfer(CProgramView* view, int command) {
        qobject_cast<CMainFrame*>(view->mainFrame())->runCommand(command);
        QVERIFY(view->m_pProgressDlg);
        QTest::mouseClick(view->m_pProgressDlg->okButton(), Qt::LeftButton);
    }

private slots:
    void initTestCase() { isolateUserValues(m_values); }

    void readFromTheWindow() {
        START_PROGRAM();
        CProgramDoc* doc = view->document();
        QVERIFY(radio::appState().freshDocument);
        for (std::size_t i = 0x3F1; i < 0x400; ++i)
            doc->m_image[i] = 0x5A;
        const Image before = doc->m_image;

        PtyRadio radio(prog.path("radio"), VirtualRadio::sampleImage());
        QVERIFY(radio.ok());
        view->m_strPort = prog.path("radio");

        f->runCommand(ids::ID_PROGRAM_READ);
        QPointer<CProgressDlg> dlg = view->m_pProgressDlg;
        QVERIFY(dlg && dlg->isVisible());
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Read Data"));
        QCOMPARE(dlg->counter()->text(), QStringLiteral("0"));
        QCOMPARE(dlg->maximum(), 63);
        QCOMPARE(view->m_bWrite, 0);
        // Write while the window exists changes neither direction nor title.
        f->runCommand(ids::ID_PROGRAM_WRITE);
        QCOMPARE(view->m_pProgressDlg.data(), dlg.data());
        QCOMPARE(view->m_bWrite, 0);
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Read Data"));

        QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
        QVERIFY(!dlg->okButton()->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(CProgramView::transferRunning(), 2000);
        // Closing anything the transfer uses is refused while it runs.
        QVERIFY(!f->close());
        QVERIFY(f->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(dlg && dlg->position() > 10, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!dlg, 15000);
        QVERIFY(!CProgramView::transferRunning());

        const Image& mem = radio.radio().memory();
        for (std::size_t i = 0; i < 0x400; ++i)
            QCOMPARE(doc->m_image[i], i < 0x3F1 ? mem[i] : before[i]);
        QVERIFY(!radio::appState().freshDocument);
        QCOMPARE(view->grid()->textMatrix(1, 1), QStringLiteral("462.56250"));
        QCOMPARE(view->grid()->textMatrix(4, 2), QStringLiteral("455.12500"));
        QVERIFY(view->grid()->textMatrix(5, 1).isEmpty());
    }

    void writeFromTheWindow() {
        START_PROGRAM();
        CProgramDoc* doc = view->document();

        const Image radioBefore = patterned(7);
        PtyRadio radio(prog.path("radio"), radioBefore);
        QVERIFY(radio.ok());
        view->m_strPort = prog.path("radio");

        // A channel typed into the grid goes out: the write runs GridToImage first.
        view->grid()->setTextMatrix(5, 1, QStringLiteral("451.00000"));
        view->grid()->setTextMatrix(5, 2, QStringLiteral("452.00000"));
        startTransfer(view, ids::ID_PROGRAM_WRITE);
        QCOMPARE(view->m_pProgressDlg->windowTitle(), QStringLiteral("Write Data"));
        QTRY_VERIFY_WITH_TIMEOUT(!view->m_pProgressDlg, 15000);
        radio.stop();

        const Image& mem = radio.radio().memory();
        const auto rx = radio::ParseFrequency("451.00000");
        for (int i = 0; i < 4; ++i)
            QCOMPARE(mem[std::size_t(5 * 16 + i)], rx[std::size_t(i)]);
        for (std::size_t i = 0; i < 0x400; ++i) {
            const bool kept = (i >= 0x330 && i < 0x340) || (i >= 0x3D0 && i < 0x3DB) ||
                              (i >= 0x3E0 && i < 0x3F0) || i >= 0x3F1;
            QCOMPARE(mem[i], kept ? radioBefore[i] : doc->m_image[i]);
        }
    }

    void builtInVirtualRadio() {
        START_PROGRAM();
        // The "Virtual radio" choice of COM Setup needs no device at all.
        view->m_strPort = QString::fromUtf8(radio::link::kVirtualRadioPortName);
        startTransfer(view, ids::ID_PROGRAM_READ);
        QTRY_VERIFY_WITH_TIMEOUT(!view->m_pProgressDlg, 15000);
        const Image mem = radio::link::sharedVirtualRadio().memory();
        QVERIFY(std::equal(mem.begin(), mem.begin() + 0x3F1, view->document()->m_image.begin()));
        QCOMPARE(view->grid()->textMatrix(2, 3), QStringLiteral("67.0"));
    }

    void cancelAndFailuresLeaveTheDocumentAlone() {
        START_PROGRAM();
        CProgramDoc* doc = view->document();
        const Image before = doc->m_image;

        PtyRadio radio(prog.path("radio"), patterned(3));
        QVERIFY(radio.ok());
        view->m_strPort = prog.path("radio");

        // Cancel before OK: no port activity, and the next Read opens a fresh window.
        f->runCommand(ids::ID_PROGRAM_READ);
        QTest::mouseClick(view->m_pProgressDlg->cancelButton(), Qt::LeftButton);
        QTRY_VERIFY2(!view->m_pProgressDlg, "Cancel left the transfer window open");
        QCOMPARE(radio.radio().handshakes(), 0);

        // Cancel during the blocks: quiet, within one block, the image untouched.
        startTransfer(view, ids::ID_PROGRAM_READ);
        QPointer<CProgressDlg> dlg = view->m_pProgressDlg;
        QTRY_VERIFY_WITH_TIMEOUT(dlg && dlg->position() >= 5, 10000);
        QTest::mouseClick(dlg->cancelButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!dlg, 2000);
        QCOMPARE(doc->m_image, before);
        QVERIFY(radio::appState().freshDocument);

        // A port that cannot be opened: message 61453 with the reason.
        view->m_strPort = prog.path("no-such-port");
        MessageBoxCloser closer;
        startTransfer(view, ids::ID_PROGRAM_READ);
        QTRY_VERIFY_WITH_TIMEOUT(!view->m_pProgressDlg, 5000);
        QCOMPARE(closer.count, 1);
        QCOMPARE(closer.text, QString::fromUtf8(radio::englishString(radio::IDS_OPEN_PORT_FAIL)));
        QCOMPARE(doc->m_image, before);
    }

    void comSetupStoresTheChoice() {
        START_PROGRAM();
        QCOMPARE(view->m_strPort, QStringLiteral("COM1"));
        int helpContext = 0;
        setHelpHandler([&](int c) { helpContext = c; });
        comSetup(view, [&](CComSetupDlg& dlg) {
            QVERIFY(dlg.comButton(0)->isChecked()); // nothing stored yet
            dlg.comButton(2)->setChecked(true);
            QTest::keyClick(&dlg, Qt::Key_F1);
            dlg.accept();
        });
        QCOMPARE(helpContext, 32777);
        setHelpHandler({});
        QCOMPARE(view->m_strPort, QStringLiteral("com3"));
        comSetup(view, [&](CComSetupDlg& dlg) {
            QVERIFY(dlg.comButton(2)->isChecked());
            const int vr = dlg.otherPorts()->findData(QStringLiteral("Virtual radio"));
            QVERIFY(vr >= 0);
            dlg.otherPorts()->setCurrentIndex(vr);
            dlg.otherButton()->setChecked(true);
            dlg.accept();
        });
        QCOMPARE(view->m_strPort, QStringLiteral("Virtual radio"));
        comSetup(view, [&](CComSetupDlg& dlg) {
            QVERIFY(dlg.otherButton()->isChecked());
            QCOMPARE(dlg.otherPorts()->currentData().toString(), QStringLiteral("Virtual radio"));
            for (int i = 0; i < 4; ++i)
                QVERIFY(!dlg.comButton(i)->isChecked());
            dlg.reject();
        });
        // Cancel changed nothing.
        QCOMPARE(view->m_strPort, QStringLiteral("Virtual radio"));
    }

    void refusedValueStopsTheWrite() {
        START_PROGRAM();
        const Image radioBefore = patterned(9);
        PtyRadio radio(prog.path("radio"), radioBefore);
        QVERIFY(radio.ok());
        view->m_strPort = prog.path("radio");
        view->grid()->setTextMatrix(1, 1, QStringLiteral("460.00000"));
        view->grid()->setTextMatrix(1, 2, QStringLiteral("460.00000"));
        const QStringList row =
            QStringList{view->grid()->textMatrix(1, 1), view->grid()->textMatrix(1, 2)};

        // Refused at the command: no progress window, no word to the radio.
        QVERIFY(typeInto(view, 1, 1, QStringLiteral("999")));
        {
            MessageBoxCloser closer;
            f->runCommand(ids::ID_PROGRAM_WRITE);
            QCOMPARE(closer.count, 1);
            QCOMPARE(closer.text, QString::fromUtf8(radio::englishString(radio::IDS_OUT_OF_RANGE)));
        }
        QVERIFY(!view->m_pProgressDlg);
        QCOMPARE(view->grid()->textMatrix(1, 1), row[0]);
        QCOMPARE(view->grid()->textMatrix(1, 2), row[1]);
        auto* edit = qobject_cast<QLineEdit*>(view->openEditor());
        QVERIFY(edit);
        QCOMPARE(edit->text(), QStringLiteral("999"));

        // Typed while the progress window waits for OK: refused at the start.
        view->hideEditors();
        f->runCommand(ids::ID_PROGRAM_WRITE);
        QPointer<CProgressDlg> dlg = view->m_pProgressDlg;
        QVERIFY(dlg);
        QVERIFY(typeInto(view, 1, 1, QStringLiteral("999")));
        {
            MessageBoxCloser closer;
            QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
            QTRY_COMPARE(closer.count, 1);
        }
        QTRY_VERIFY2(!dlg, "the transfer window stayed open after its result");
        QTest::qWait(300);
        QVERIFY(!CProgramView::transferRunning());
        QCOMPARE(view->grid()->textMatrix(1, 1), row[0]);
        QCOMPARE(qobject_cast<QLineEdit*>(view->openEditor())->text(), QStringLiteral("999"));
        radio.stop();
        QCOMPARE(radio.radio().handshakes(), 0);
        QCOMPARE(radio.radio().memory(), radioBefore);
    }

    void writeChecksTheConfigurationFirst() {
        START_PROGRAM();
        struct Restore {
            decltype(writecheck::askWriteAnyway) ask = writecheck::askWriteAnyway;
            decltype(writecheck::showReport) show = writecheck::showReport;
            ~Restore() {
                writecheck::askWriteAnyway = ask;
                writecheck::showReport = show;
            }
        } restore;
        QStringList asked;
        bool answer = false;
        writecheck::askWriteAnyway = [&](QWidget*, const QString& text, const QString& list) {
            asked << text + QLatin1Char('\n') + list;
            return answer;
        };
        QStringList reports;
        writecheck::showReport = [&](QWidget*, const QString& text) { reports << text; };

        // What the editors made goes on without a word.
        view->grid()->setTextMatrix(2, 1, QStringLiteral("451.00000"));
        view->grid()->setTextMatrix(2, 2, QStringLiteral("452.00000"));
        f->runCommand(ids::ID_PROGRAM_WRITE);
        QVERIFY2(view->m_pProgressDlg, "a passing configuration opens the progress window");
        QVERIFY(asked.isEmpty());
        QTest::mouseClick(view->m_pProgressDlg->cancelButton(), Qt::LeftButton);
        QTRY_VERIFY(!view->m_pProgressDlg || !view->m_pProgressDlg->isVisible());

        // A value no editor would accept: listed, Cancel writes nothing.
        radio::mm::set(view->document()->m_image, radio::mm::SquelchLevel, 12);
        f->runCommand(ids::ID_PROGRAM_WRITE);
        QCOMPARE(asked.size(), 1);
        QVERIFY2(asked[0].contains(QStringLiteral("Squelch Level, 12: not one of the list's "
                                                  "entries")),
                 qPrintable(asked[0]));
        QVERIFY(!view->m_pProgressDlg || !view->m_pProgressDlg->isVisible());
        answer = true;
        f->runCommand(ids::ID_PROGRAM_WRITE);
        QVERIFY2(view->m_pProgressDlg && view->m_pProgressDlg->isVisible(),
                 "Write Anyway opens the progress window");
        QCOMPARE(asked.size(), 2);

        // A file with such values opens, and says so once.
        QTest::mouseClick(view->m_pProgressDlg->cancelButton(), Qt::LeftButton);
        QTRY_VERIFY(!view->m_pProgressDlg || !view->m_pProgressDlg->isVisible());
        Image odd = view->gridImage();
        odd[0x3DE] = 9;
        prog.writeFile("odd.dat", bytes(odd));
        QVERIFY(app->openDocumentFile(prog.path("odd.dat")));
        QCOMPARE(reports.size(), 1);
        QVERIFY2(reports[0].startsWith(QStringLiteral("odd.dat holds 2 values")),
                 qPrintable(reports[0]));
        QVERIFY(reports[0].contains(QStringLiteral("Type, 9: names no model")));

        // A new band names the channels that fall outside it.
        writecheck::reportBandChange(f, radio::appState(), odd, radio::bandLimits("136-174"));
        QCOMPARE(reports.size(), 2);
        QVERIFY2(reports[1].startsWith(QStringLiteral("1 channel lies outside the new band: 2.")),
                 qPrintable(reports[1]));
    }

    void readLocksTheDocument() {
        START_PROGRAM();
        CProgramDoc* doc = view->document();
        // Something to undo, and rows on the clipboard to paste.
        view->grid()->setTextMatrix(2, 1, QStringLiteral("461.00000"));
        QUndoStack* history = view->history()->undoStack();
        QTRY_VERIFY2(history->canUndo(), "the edit left nothing to undo");
        QApplication::clipboard()->setText(
            QStringLiteral("1\t462.00000\t462.00000\tNone\tNone\tHigh\tYes\tNo\tWide\tOff\tOff"));

        PtyRadio radio(prog.path("radio"), VirtualRadio::sampleImage());
        QVERIFY(radio.ok());
        view->m_strPort = prog.path("radio");
        {
            MessageBoxCloser discard(QMessageBox::Discard); // the edit is given up for the read
            startTransfer(view, ids::ID_PROGRAM_READ);
            QCOMPARE(discard.count, 1);
        }
        QPointer<CProgressDlg> dlg = view->m_pProgressDlg;
        QTRY_VERIFY_WITH_TIMEOUT(dlg && dlg->position() >= 3, 10000);
        QVERIFY(CProgramView::transferRunning());

        ModalCounter modals;
        const int dialogs[] = {ids::ID_EDIT_PRODUCT_INFO, ids::ID_EDIT_OPTIONAL_FEATURES,
                               ids::ID_PROGRAM_SCAN_INFO, ids::ID_EDIT_POWER_ADJUST,
                               ids::ID_EDIT_PARAM_ADJUST};
        for (int id : dialogs) {
            QVERIFY2(!f->canRun(id), QByteArray::number(id));
            f->runCommand(id);
            emit f->navigationBar()->commandRequested(id);
        }
        // No editor opens, by click, by typing or by Enter.
        view->grid()->setCurrent(3, 1);
        view->ShowCellEditor();
        QVERIFY(!view->openEditor());
        QTest::keyClick(view->grid(), Qt::Key_4);
        QTest::keyClick(view->grid(), Qt::Key_Return);
        QVERIFY(!view->openEditor());
        f->updateCommandStates();
        for (int id : {ids::ID_EDIT_PASTE, ids::ID_EDIT_UNDO, ids::ID_EDIT_REDO, ids::ID_EDIT_CLEAR,
                       ids::ID_FILE_IMPORT_CHANNELS}) {
            QVERIFY2(!f->action(id)->isEnabled(), QByteArray::number(id));
            f->runCommand(id); // past the menus: refused all the same
        }
        QCOMPARE(view->grid()->textMatrix(2, 1), QStringLiteral("461.00000"));
        // Nothing replaces, hides or ends the document, nor starts another
        // transfer: disabled, and refused past the menus too (Open asks for
        // no file it would then drop).
        int openDialogs = 0;
        app->askOpenFileName = [&] {
            ++openDialogs;
            return QString();
        };
        for (int id : {ids::ID_FILE_NEW, ids::ID_FILE_OPEN, ids::ID_FILE_CLOSE, ids::ID_APP_EXIT,
                       ids::ID_FILE_RECENT, ids::ID_PROGRAM_READ, ids::ID_PROGRAM_WRITE}) {
            QVERIFY2(!f->action(id)->isEnabled(), QByteArray::number(id));
            f->runCommand(id);
        }
        QCOMPARE(openDialogs, 0);
        QVERIFY(f->isVisible() && view->isVisible());
        // The window still shows the progress.
        QVERIFY(dlg->isVisible());

        QTRY_VERIFY_WITH_TIMEOUT(!dlg, 20000);
        QVERIFY(!CProgramView::transferRunning());
        QCOMPARE(modals.names, QStringList());
        radio.stop();
        // The document is the radio's image, and so is the grid.
        const Image& mem = radio.radio().memory();
        QVERIFY(std::equal(mem.begin(), mem.begin() + 0x3F1, doc->m_image.begin()));
        const radio::ChannelTable fromRadio = radio::imageToTable(mem, radio::Language::English);
        const radio::ChannelTable shown = view->table();
        for (int r = 1; r < radio::kGridRows; ++r)
            for (int c = 1; c < radio::kGridCols; ++c)
                QCOMPARE(shown[r][c], fromRadio[r][c]);
        // Afterwards the document is editable again, and the file commands are back.
        QVERIFY(f->canRun(ids::ID_EDIT_OPTIONAL_FEATURES));
        for (int id : {ids::ID_FILE_OPEN, ids::ID_APP_EXIT, ids::ID_PROGRAM_READ})
            QTRY_VERIFY2(f->action(id)->isEnabled(), QByteArray::number(id));
        view->grid()->setCurrent(3, 1);
        view->ShowCellEditor();
        QVERIFY(view->openEditor());
    }

    void everyWindowUsesTheStoredPort() {
        QTemporaryDir values;
        isolateUserValues(values);
        TempProgram prog;
        {
            START_PROGRAM_IN(prog);
            QCOMPARE(f->activeView()->m_strPort, QStringLiteral("COM1")); // nothing stored
            comSetup(f->activeView(), [&](CComSetupDlg& dlg) {
                dlg.comButton(2)->setChecked(true);
                dlg.accept();
            });
            // New: the new window transfers on the stored port, and shows it.
            {
                MessageBoxCloser ok(QMessageBox::Ok);
                f->runCommand(ids::ID_FILE_NEW);
            }
            CProgramView* fresh = f->activeView();
            QCOMPARE(fresh->m_strPort, QStringLiteral("com3"));
            comSetup(fresh, [&](CComSetupDlg& dlg) { QVERIFY(dlg.comButton(2)->isChecked()); });
            // Open, after another port was stored from the list.
            comSetup(fresh, [&](CComSetupDlg& dlg) {
                dlg.otherPorts()->setCurrentIndex(
                    dlg.otherPorts()->findData(QStringLiteral("Virtual radio")));
                dlg.otherButton()->setChecked(true);
                dlg.accept();
            });
            prog.writeFile("a.dat", QByteArray(1024, '\xff'));
            app->askOpenFileName = [&] { return prog.path("a.dat"); };
            f->runCommand(ids::ID_FILE_OPEN);
            QVERIFY(f->activeView() != fresh);
            QCOMPARE(f->activeView()->m_strPort, QStringLiteral("Virtual radio"));
        }
        {
            // The next run of the program.
            START_PROGRAM_IN(prog);
            QCOMPARE(view->m_strPort, QStringLiteral("Virtual radio"));
            // What the dialog shows is what this window will use, also when set otherwise.
            view->m_strPort = QStringLiteral("com2");
            comSetup(view, [&](CComSetupDlg& dlg) {
                QVERIFY(dlg.comButton(1)->isChecked());
                QVERIFY(!dlg.otherButton()->isChecked());
            });
        }
        isolateUserValues(m_values);
    }

    void serialPortTimeoutsAndPurge() {
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0);
        QVERIFY(grantpt(master) == 0 && unlockpt(master) == 0);
        const std::string slave = ptsname(master);
        radio::link::SerialPort port;
        QVERIFY(port.open(slave));
        port.configure();

        // Silence: a 1-byte read gives up after 90 + 500 ms, as no bytes, not a failure.
        std::uint8_t buf[8] = {};
        QElapsedTimer t;
        t.start();
        QCOMPARE(port.read(buf, 1), 0);
        QVERIFY2(t.elapsed() >= 560 && t.elapsed() < 1500, QByteArray::number(t.elapsed()));

        // Once data flows, a 30 ms gap ends the read with what came.
        const char two[] = {'a', 'b'};
        QCOMPARE(::write(master, two, 2), ssize_t(2));
        t.restart();
        QCOMPARE(port.read(buf, 8), 2);
        QVERIFY2(t.elapsed() < 400, QByteArray::number(t.elapsed()));

        // A purge right after a write keeps the written byte and drops unread input.
        QCOMPARE(::write(master, "zz", 2), ssize_t(2));
        QTest::qWait(20);
        const std::uint8_t confirm = 0x06;
        QVERIFY(port.write(&confirm, 1));
        port.purge();
        pollfd p{master, POLLIN, 0};
        QCOMPARE(::poll(&p, 1, 500), 1);
        char got = 0;
        QCOMPARE(::read(master, &got, 1), ssize_t(1));
        QCOMPARE(got, char(0x06));
        QCOMPARE(port.read(buf, 1), 0);
        port.close();
        ::close(master);

        // Naming the reason of a failed open.
        radio::link::SerialPort missing;
        QVERIFY(!missing.open("/nonexistent/ttyUSB9"));
        QVERIFY(QString::fromStdString(missing.openErrorText()).contains("does not exist"));
    }
};

QTEST_MAIN(TransferTest)
#include "transfer_test.moc"
