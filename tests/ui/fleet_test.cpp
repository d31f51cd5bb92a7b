// Write to Several Radios from the window against virtual radios on real
// pseudo-terminals, the per-user programming record and the communication log.

#include "pty_radio.h"
#include "tests/Patterned.h"
#include "window_fixture.h"

#include "link/ProgrammingRecord.h"
#include "link/Verify.h"
#include "link/VirtualRadio.h"
#include "model/StringTable.h"
#include "ui/CommandIds.h"
#include "ui/qt/channels/ChannelGrid.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/channels/WriteCheck.h"
#include "ui/qt/common/Messages.h"
#include "ui/qt/dialogs/ProgressDlg.h"
#include "ui/qt/shell/FleetDlg.h"
#include "ui/qt/shell/FleetWrite.h"
#include "ui/qt/shell/MainFrame.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QUrl>

#include <algorithm>
#include <memory>
#include <vector>

using radio::Image;
using testsupport::patterned;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The dialog with exactly `ports` ticked (the machine's own ports unticked).
CFleetDlg* dialogFor(CMainFrame* f, const QStringList& ports) {
    f->action(ids::ID_PROGRAM_WRITE_FLEET)->trigger();
    auto* dlg = f->findChild<CFleetDlg*>(QStringLiteral("fleetDlg"));
    if (!dlg)
        return nullptr;
    for (int r = 0; r < dlg->table()->rowCount(); ++r)
        dlg->setTicked(r, false);
    for (const QString& p : ports) {
        dlg->portEdit()->setText(p);
        QTest::keyClick(dlg->portEdit(), Qt::Key_Return);
    }
    return dlg;
}

} // namespace

class FleetTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_values;
    QTemporaryDir m_data;
    QStringList m_messages;

private slots:
    void initTestCase() {
        isolateUserValues(m_values);
        qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
        keepMessages(m_messages);
    }
    void init() {
        m_messages.clear();
        QDir(m_data.path()).removeRecursively();
        QDir().mkpath(m_data.path());
    }

    void threeRadiosAndOneWithoutARadio() {
        START_PROGRAM();
        CProgramDoc* doc = view->document();
        view->grid()->setTextMatrix(3, 1, QStringLiteral("451.00000"));
        view->grid()->setTextMatrix(3, 2, QStringLiteral("452.00000"));

        std::vector<std::unique_ptr<PtyRadio>> radios;
        QStringList ports;
        for (const char* name : {"radio1", "radio2", "radio3"}) {
            radios.push_back(std::make_unique<PtyRadio>(prog.path(name), patterned(3)));
            QVERIFY(radios.back()->ok());
            ports << prog.path(name);
        }
        ports << prog.path("nothing-here");
        // Rows already in the record stay byte for byte.
        QVERIFY(QDir().mkpath(fleetui::userDataFolder(radio::appState())));
        QVERIFY(fleetui::recordPath(radio::appState()).startsWith(m_data.path()));
        const QByteArray earlier =
            radio::link::recordHeader().c_str() + QByteArray("\r\nold,row,\"kept, as is\"\n");
        {
            QFile rec(fleetui::recordPath(radio::appState()));
            QVERIFY(rec.open(QIODevice::WriteOnly));
            rec.write(earlier);
        }

        CFleetDlg* dlg = dialogFor(f, ports);
        QVERIFY(dlg && dlg->isVisible());
        dlg->verifyBox()->setChecked(true);
        dlg->backupBox()->setChecked(true);
        QCOMPARE(dlg->closeButton()->text(), QStringLiteral("Close"));
        QTest::mouseClick(dlg->startButton(), Qt::LeftButton);
        QVERIFY(dlg->isRunning());
        const Image written = doc->m_image; // the grid went into the image at the start
        QCOMPARE(dlg->closeButton()->text(), QStringLiteral("Cancel"));

        // Read-only meanwhile, like a single transfer; nothing else starts.
        QVERIFY(CProgramView::documentLocked());
        view->grid()->setCurrent(2, 1);
        view->ShowCellEditor();
        QVERIFY(!view->openEditor());
        emit f->menu(1)->aboutToShow();
        QVERIFY(!f->action(ids::ID_EDIT_PASTE)->isEnabled());
        QVERIFY(!f->action(ids::ID_EDIT_UNDO)->isEnabled());
        QVERIFY(!f->canRun(ids::ID_PROGRAM_READ));
        QVERIFY(!f->canRun(ids::ID_PROGRAM_WRITE));
        f->runCommand(ids::ID_PROGRAM_WRITE);
        QVERIFY(!view->m_pProgressDlg);
        QVERIFY(!f->close());
        QVERIFY(!view->parentWidget()->close());
        QTRY_VERIFY_WITH_TIMEOUT(!dlg->isRunning(), 30000);
        QVERIFY(!CProgramView::documentLocked());
        QCOMPARE(dlg->closeButton()->text(), QStringLiteral("Close"));
        QVERIFY(dlg->startButton()->isEnabled());
        QVERIFY(f->canRun(ids::ID_PROGRAM_WRITE));

        const int first = dlg->rowOf(ports[0]);
        for (int i = 0; i < 3; ++i) {
            const int row = first + i;
            QCOMPARE(dlg->stateText(row), QStringLiteral("Programmed"));
            QCOMPARE(dlg->table()->item(row, CFleetDlg::VerifiedColumn)->text(),
                     QStringLiteral("yes"));
            QVERIFY(dlg->table()->item(row, CFleetDlg::BackupColumn)->text().endsWith(".dat"));
            QCOMPARE(dlg->progressBar(row)->value(), dlg->progressBar(row)->maximum());
        }
        const QString failed = dlg->stateText(first + 3);
        QVERIFY2(failed.startsWith(QStringLiteral("Failed: ")), qPrintable(failed));
        QCOMPARE(dlg->summary()->text(), QStringLiteral("3 of 4 radio(s) programmed; %1 failed: %2")
                                             .arg(ports[3], failed.mid(8)));

        for (auto& r : radios) {
            r->stop();
            QVERIFY(radio::link::writtenDifferences(written, r->radio().memory(), false).empty());
        }
        // Each radio's original went into its own backup first.
        QCOMPARE(QDir(fleetui::userDataFolder(radio::appState()) + "/backups")
                     .entryList({QStringLiteral("*.dat")}, QDir::Files)
                     .size(),
                 3);
        // The document is as it was: nothing came back into it.
        QCOMPARE(doc->m_image, written);
        QCOMPARE(view->grid()->textMatrix(3, 1), QStringLiteral("451.00000"));

        const QByteArray record = readAll(fleetui::recordPath(radio::appState()));
        QVERIFY(record.startsWith(earlier));
        const QList<QByteArray> rows = record.mid(earlier.size()).trimmed().split('\n');
        QCOMPARE(rows.size(), 4);
        QCOMPARE(std::count_if(rows.begin(), rows.end(),
                               [](const QByteArray& r) { return r.contains(",programmed,yes,"); }),
                 3);
        const QByteArray checksum =
            QByteArray::number(radio::link::writtenChecksum(written, false), 16);
        for (const QByteArray& row : rows)
            QVERIFY2(row.toLower().contains(checksum), row.constData());
        QVERIFY(m_messages.isEmpty());

        QTest::mouseClick(dlg->closeButton(), Qt::LeftButton);
        QVERIFY(!dlg->isVisible());
    }

    void cancelEndsEveryRadio() {
        START_PROGRAM();
        std::vector<std::unique_ptr<PtyRadio>> radios;
        QStringList ports;
        for (const char* name : {"radio1", "radio2", "radio3"}) {
            radios.push_back(std::make_unique<PtyRadio>(prog.path(name), patterned(5)));
            QVERIFY(radios.back()->ok());
            ports << prog.path(name);
        }
        CFleetDlg* dlg = dialogFor(f, ports);
        QVERIFY(dlg);
        dlg->verifyBox()->setChecked(false);
        dlg->backupBox()->setChecked(false);
        dlg->start();
        const Image before = view->document()->m_image; // the grid went in at the start
        const int first = dlg->rowOf(ports[0]);
        QTRY_VERIFY_WITH_TIMEOUT(dlg->progressBar(first)->value() > 5, 10000);
        // Closing the dialog while it runs is a cancel, not a close.
        dlg->close();
        QVERIFY(dlg->isVisible());
        QVERIFY(!dlg->closeButton()->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!dlg->isRunning(), 10000);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(dlg->stateText(first + i), QStringLiteral("Cancelled"));
        QCOMPARE(dlg->summary()->text(), QStringLiteral("Cancelled; 0 of 3 radio(s) programmed"));
        QVERIFY(dlg->closeButton()->isEnabled());
        QVERIFY(!CProgramView::transferRunning());
        QCOMPARE(view->document()->m_image, before);
        QVERIFY(dlg->close());
        QVERIFY(!dlg->isVisible());
        // The record tells the truth about cancelled radios too.
        const QByteArray record = readAll(fleetui::recordPath(radio::appState()));
        QCOMPARE(record.count("failed: cancelled"), 3);
    }

    void badChoicesStartNothing() {
        START_PROGRAM();
        PtyRadio radio(prog.path("radio"), patterned(1));
        QVERIFY(radio.ok());

        CFleetDlg* dlg = dialogFor(f, {});
        QVERIFY(dlg);
        dlg->start();
        QVERIFY(!dlg->isRunning());
        QCOMPARE(m_messages.value(0), QStringLiteral("Tick at least one port."));

        // A link and the device it names are one port.
        QVERIFY(QFile::link(prog.path("radio"), prog.path("alias")));
        dlg->addPort(prog.path("radio"));
        dlg->addPort(prog.path("alias"));
        dlg->start();
        QVERIFY(!dlg->isRunning());
        QVERIFY2(m_messages.value(1).contains("ticked twice"), qPrintable(m_messages.value(1)));

        // A value the editor refuses stops it before any radio is touched.
        dlg->setTicked(dlg->rowOf(prog.path("alias")), false);
        view->grid()->setCurrent(1, 1);
        view->ShowCellEditor();
        auto* edit = qobject_cast<QLineEdit*>(view->openEditor());
        QVERIFY(edit);
        edit->setText(QStringLiteral("999"));
        edit->setModified(true);
        {
            MessageBoxCloser closer;
            dlg->start();
            QCOMPARE(closer.text, QString::fromUtf8(radio::englishString(radio::IDS_OUT_OF_RANGE)));
        }
        QVERIFY(!dlg->isRunning());
        QVERIFY(!CProgramView::transferRunning());
        QTest::qWait(200);
        radio.stop();
        QCOMPARE(radio.radio().handshakes(), 0);
        QVERIFY(!QFileInfo::exists(fleetui::recordPath(radio::appState())));
    }

    void singleWriteIsRecordedAndTheLogFollowsTheOption() {
        START_PROGRAM();
        PtyRadio radio(prog.path("radio"), patterned(2));
        QVERIFY(radio.ok());
        view->m_strPort = prog.path("radio");
        QAction* log = f->action(ids::ID_SETUP_COMMUNICATION_LOG);
        QVERIFY(log && log->isCheckable() && !log->isChecked());

        // Off: the read leaves no log behind.
        f->runCommand(ids::ID_PROGRAM_READ);
        QTest::mouseClick(view->m_pProgressDlg->okButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!view->m_pProgressDlg, 15000);
        QVERIFY(!QFileInfo::exists(fleetui::logFolder(radio::appState())) ||
                QDir(fleetui::logFolder(radio::appState())).isEmpty());

        // On: a read logs what went over the line and how it ended.
        log->trigger();
        f->runCommand(ids::ID_PROGRAM_READ);
        QTest::mouseClick(view->m_pProgressDlg->okButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!view->m_pProgressDlg, 15000);
        const QStringList logs = QDir(fleetui::logFolder(radio::appState())).entryList(QDir::Files);
        QCOMPARE(logs.size(), 1);
        QVERIFY(logs[0].startsWith("communication-") && logs[0].endsWith(".log"));
        const QByteArray text =
            readAll(QDir(fleetui::logFolder(radio::appState())).filePath(logs[0]));
        QVERIFY(text.contains(" read\n"));
        QVERIFY(text.contains(" sent "));
        QVERIFY(text.contains(" received "));
        QVERIFY(text.contains("result: success, "));

        // A single write becomes one record row, with the radio's identification.
        // What was read from the patterned radio fails the checks: written anyway.
        const auto ask = writecheck::askWriteAnyway;
        writecheck::askWriteAnyway = [](QWidget*, const QString&, const QString&) { return true; };
        f->runCommand(ids::ID_PROGRAM_WRITE);
        writecheck::askWriteAnyway = ask;
        view->m_pProgressDlg->findChild<QCheckBox*>(QStringLiteral("verifyAfterWrite"))
            ->setChecked(false);
        QTest::mouseClick(view->m_pProgressDlg->okButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!view->m_pProgressDlg, 15000);
        const QList<QByteArray> rows =
            readAll(fleetui::recordPath(radio::appState())).trimmed().split('\n');
        QCOMPARE(rows.size(), 2); // header and the write
        QVERIFY2(rows[1].contains(",programmed,-,"), rows[1].constData());
        QVERIFY(rows[1].contains(prog.path("radio").toUtf8()));
        const auto& ident = radio.radio().identification();
        QVERIFY(
            rows[1].contains(radio::link::identificationHex({ident.begin(), ident.end()}).c_str()));
        QVERIFY(readAll(QDir(fleetui::logFolder(radio::appState())).filePath(logs[0]))
                    .contains(" write\n"));
        QVERIFY(m_messages.isEmpty());

        // Remembered per user, like the dialog's options.
        CFleetDlg* dlg = dialogFor(f, {});
        dlg->verifyBox()->setChecked(true);
        dlg->backupBox()->setChecked(false);
        app.reset();
        auto again = prog.app();
        QVERIFY(again->InitInstance());
        QVERIFY(again->mainFrame()->action(ids::ID_SETUP_COMMUNICATION_LOG)->isChecked());
        CFleetDlg* next = dialogFor(again->mainFrame(), {});
        QVERIFY(next->verifyBox()->isChecked());
        QVERIFY(!next->backupBox()->isChecked());
        again->mainFrame()->action(ids::ID_SETUP_COMMUNICATION_LOG)->trigger();
        QVERIFY(!fleetui::communicationLog(radio::appState()));
    }

    void openingTheRecordAndTheTexts() {
        START_PROGRAM("Chinese");
        QCOMPARE(f->action(ids::ID_PROGRAM_WRITE_FLEET)->text(), QStringLiteral("写入多台电台…"));
        QCOMPARE(f->action(ids::ID_SETUP_OPEN_RECORD)->text(), QStringLiteral("打开编程记录"));
        QCOMPARE(f->action(ids::ID_SETUP_COMMUNICATION_LOG)->text(),
                 QStringLiteral("保存通信日志"));
        QList<QUrl> opened;
        fleetui::openUrl = [&opened](const QUrl& url) {
            opened << url;
            return true;
        };
        f->action(ids::ID_SETUP_OPEN_RECORD)->trigger();
        QVERIFY(opened.isEmpty());
        QCOMPARE(m_messages.size(), 1); // there is none yet
        radio::link::RecordRow row;
        row.port = "COM1";
        QString error;
        QVERIFY(fleetui::appendRecord(radio::appState(), row, &error));
        f->action(ids::ID_SETUP_OPEN_RECORD)->trigger();
        QCOMPARE(opened.value(0), QUrl::fromLocalFile(fleetui::recordPath(radio::appState())));
        f->action(ids::ID_SETUP_OPEN_LOGS)->trigger();
        QCOMPARE(opened.value(1), QUrl::fromLocalFile(fleetui::logFolder(radio::appState())));

        // A radio whose original cannot be kept is not written, and the
        // reason reads in the window's language.
        PtyRadio radio(prog.path("radio1"), patterned(5));
        QVERIFY(radio.ok());
        QVERIFY(QFile(fleetui::backupsFolder(radio::appState()))
                    .open(QIODevice::WriteOnly)); // not a folder
        CFleetDlg* dlg = dialogFor(f, {prog.path("radio1")});
        QVERIFY(dlg);
        dlg->verifyBox()->setChecked(false);
        dlg->backupBox()->setChecked(true);
        const auto ask = writecheck::askWriteAnyway; // whatever an earlier test left in the grid
        writecheck::askWriteAnyway = [](QWidget*, const QString&, const QString&) { return true; };
        QTest::mouseClick(dlg->startButton(), Qt::LeftButton);
        writecheck::askWriteAnyway = ask;
        QTRY_VERIFY2_WITH_TIMEOUT(!dlg->isRunning(), "the run never ended", 30000);
        const QString failed = dlg->stateText(dlg->rowOf(prog.path("radio1")));
        QVERIFY2(failed.startsWith(QStringLiteral("失败：未保留备份：无法创建备份文件夹")),
                 qPrintable(failed));
        QVERIFY2(dlg->summary()->text().contains(failed.mid(3)),
                 qPrintable(dlg->summary()->text()));
        radio.stop();
        QCOMPARE(radio.radio().memory(), patterned(5));
        QFile::remove(fleetui::backupsFolder(radio::appState()));
        m_messages.clear();

        // A record that cannot be written is a warning, never the write's result.
        QFile::remove(fleetui::recordPath(radio::appState()));
        QVERIFY(QDir().mkpath(fleetui::recordPath(radio::appState())));
        QVERIFY(!fleetui::appendRecord(radio::appState(), row, &error));
        QVERIFY(!error.isEmpty());
        fleetui::openUrl = [](const QUrl&) { return false; };
    }
};

QTEST_MAIN(FleetTest)
#include "fleet_test.moc"
