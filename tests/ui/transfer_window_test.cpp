// The transfer window explains itself: before OK it says what will happen
// and on which port, while the transfer runs it names the phase and block,
// and at the end it states the result, which the view also signals for the
// status bar. Against the paced virtual radio on a pseudo-terminal, in both
// languages.

#include "pty_radio.h"
#include "tests/Patterned.h"
#include "window_fixture.h"

#include "link/VirtualRadio.h"
#include "link/VirtualRadioPort.h"
#include "ui/CommandIds.h"
#include "ui/qt/channels/AfterTransfer.h"
#include "ui/qt/channels/ChannelGrid.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/common/Messages.h"
#include "ui/qt/dialogs/ProgressDlg.h"
#include "ui/qt/shell/FleetDlg.h"
#include "ui/qt/shell/MainFrame.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>
#include <QUndoStack>

#include <algorithm>
#include <mutex>

using radio::Image;
using radio::link::VirtualRadio;
using testsupport::patterned;

namespace {

// What the window showed, each change once, with the bar at that moment.
struct Seen {
    QString text;
    int position;
    int maximum;
};

// Records every setting of the window's line, with the bar as it stood.
class WindowWatcher : public QObject {
public:
    explicit WindowWatcher(CProgressDlg* dlg) {
        connect(dlg, &CProgressDlg::statusChanged, this, [this, dlg](const QString& text) {
            seen << Seen{text, dlg->position(), dlg->maximum()};
        });
    }
    bool sawText(const QString& text) const {
        return std::any_of(seen.begin(), seen.end(), [&](const Seen& s) { return s.text == text; });
    }
    // Every "<verb> block k of n" seen names the block under way.
    QString blockMismatch(const QRegularExpression& pattern, int* matched) const {
        for (const Seen& s : seen) {
            const auto m = pattern.match(s.text);
            if (!m.hasMatch())
                continue;
            ++*matched;
            const int k = m.captured(1).toInt();
            const int n = m.captured(2).toInt();
            if (n != s.maximum || k != std::min(s.position + 1, s.maximum))
                return QStringLiteral("%1 at %2/%3").arg(s.text).arg(s.position).arg(s.maximum);
        }
        return {};
    }
    QList<Seen> seen;
};

// The window's line and the view's signal at the moment the transfer ends.
struct Ending {
    explicit Ending(CProgramView* view) {
        m_connection = QObject::connect(view, &CProgramView::transferFinished, view,
                                        [this, view](bool isOk, const QString& text) {
                                            ++count;
                                            ok = isOk;
                                            signalled = text;
                                            if (view->m_pProgressDlg)
                                                window = view->m_pProgressDlg->statusText();
                                        });
    }
    ~Ending() { QObject::disconnect(m_connection); }
    Ending(const Ending&) = delete;
    Ending& operator=(const Ending&) = delete;
    int count = 0;
    bool ok = false;
    QString signalled, window;

private:
    QMetaObject::Connection m_connection;
};

} // namespace

class TransferWindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_values;
    QStringList m_messages;
    QStringList m_windowAtMessage;

    // The message of a read-back, and what the window said meanwhile.
    void catchMessages() {
        messages::show = [this](QWidget* parent, const QString& text, bool) {
            m_messages << text;
            auto* view = qobject_cast<CProgramView*>(parent);
            m_windowAtMessage << (view && view->m_pProgressDlg && view->m_pProgressDlg->isVisible()
                                      ? view->m_pProgressDlg->statusText()
                                      : QString());
        };
    }

    // The line is shown whole: nothing cut off at the bottom or the right.
    static bool fits(CProgressDlg* dlg) {
        QLabel* line = dlg->statusLine();
        return line->heightForWidth(line->width()) <= line->height() &&
               dlg->rect().contains(line->geometry()) &&
               dlg->rect().contains(dlg->cancelButton()->geometry());
    }

private slots:
    void initTestCase() { catchMessages(); }
    // Every case starts with nothing remembered, its backups in its own folder.
    void init() {
        m_values = std::make_unique<QTemporaryDir>();
        isolateUserValues(*m_values);
        m_messages.clear();
        m_windowAtMessage.clear();
    }

    void readSaysWhereThenWhatThenTheBackup() {
        START_PROGRAM();
        PtyRadio radio(prog.path("radio"), VirtualRadio::sampleImage());
        QVERIFY(radio.ok());
        view->m_strPort = prog.path("radio");

        f->runCommand(ids::ID_PROGRAM_READ);
        QPointer<CProgressDlg> dlg = view->m_pProgressDlg;
        QVERIFY(dlg);
        // The template's controls as they were, plus the line above the bar.
        QCOMPARE(dlg->okButton()->text(), QStringLiteral("OK"));
        QCOMPARE(dlg->cancelButton()->text(), QStringLiteral("Cancel"));
        QCOMPARE(dlg->counter()->text(), QStringLiteral("0"));
        QCOMPARE(dlg->counter()->property("controlId").toInt(), CProgressDlg::IDC_COUNTER);
        QCOMPARE(dlg->progress()->property("controlId").toInt(), CProgressDlg::IDC_PROGRESS);
        QVERIFY(!dlg->verifyOffered());
        QCOMPARE(dlg->statusText(),
                 QStringLiteral("Read from the radio on %1: connect the radio, switch it on, "
                                "press OK")
                     .arg(dlg->fitPath(prog.path("radio"))));
        QCOMPARE(dlg->statusLine()->toolTip(), prog.path("radio"));
        QVERIFY(fits(dlg));

        WindowWatcher watcher(dlg);
        Ending end(view);
        QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!dlg, 20000);

        QVERIFY(watcher.sawText(QStringLiteral("Connecting…")));
        int matched = 0;
        const QString wrong = watcher.blockMismatch(
            QRegularExpression(QStringLiteral("^Reading block (\\d+) of (\\d+)$")), &matched);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        // Each of the 127 blocks named while under way, and the last once done.
        QCOMPARE(matched, 128);

        const QString backup = view->afterTransfer()->lastBackupPath();
        QVERIFY(QFileInfo::exists(backup));
        QCOMPARE(end.count, 1);
        QVERIFY(end.ok);
        QCOMPARE(
            end.signalled,
            QStringLiteral("Read 1009 bytes from the radio; a backup was saved as %1").arg(backup));
        QVERIFY(end.window.startsWith(QStringLiteral("Read 1009 bytes from the radio; a backup")));
        // The status bar keeps it after the window went.
        QCOMPARE(f->statusBar()->currentMessage(), end.signalled);
    }

    void writeAndVerifyNamesEveryPhase() {
        START_PROGRAM();
        PtyRadio radio(prog.path("radio"), patterned(5));
        QVERIFY(radio.ok());
        view->m_strPort = prog.path("radio");

        f->runCommand(ids::ID_PROGRAM_WRITE);
        QPointer<CProgressDlg> dlg = view->m_pProgressDlg;
        QVERIFY(dlg);
        QCOMPARE(dlg->statusText(),
                 QStringLiteral("Write to the radio on %1: connect the radio, switch it on, "
                                "press OK")
                     .arg(dlg->fitPath(prog.path("radio"))));
        QVERIFY(dlg->verifyOffered());
        QVERIFY(!dlg->verifyAfterWrite()); // off until the user asks
        auto* box = dlg->findChild<QCheckBox*>();
        QVERIFY(box && dlg->rect().contains(box->geometry()));
        box->click();
        QVERIFY(dlg->verifyAfterWrite());
        QVERIFY(fits(dlg));

        WindowWatcher watcher(dlg);
        Ending end(view);
        QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
        QVERIFY(!box->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!dlg, 40000);

        int writes = 0, verifies = 0;
        QString wrong = watcher.blockMismatch(
            QRegularExpression(QStringLiteral("^Writing block (\\d+) of (\\d+)$")), &writes);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        wrong = watcher.blockMismatch(
            QRegularExpression(QStringLiteral("^Verifying block (\\d+) of (\\d+)$")), &verifies);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        QCOMPARE(writes, 123);
        QCOMPARE(verifies, 128);
        QVERIFY(watcher.sawText(QStringLiteral("Verifying: connecting…")));
        // The bar starts again from 0 only with the check named.
        for (int i = 1; i < watcher.seen.size(); ++i)
            if (watcher.seen[i].position < watcher.seen[i - 1].position)
                QVERIFY2(watcher.seen[i].text.startsWith(QStringLiteral("Verifying")),
                         qPrintable(watcher.seen[i].text));

        QCOMPARE(end.count, 1);
        QVERIFY(end.ok);
        QCOMPARE(end.signalled, QStringLiteral("Written and verified"));
        QCOMPARE(end.window, QStringLiteral("Written and verified"));
        // The check's own message came while the window showed the result.
        QCOMPARE(m_messages,
                 QStringList{QStringLiteral("Verified: the radio holds what was written.")});
        QCOMPARE(m_windowAtMessage, QStringList{QStringLiteral("Written and verified")});
        QCOMPARE(f->statusBar()->currentMessage(), QStringLiteral("Written and verified"));
        radio.stop();
        QCOMPARE(radio.radio().memory()[0x10], view->document()->m_image[0x10]);
    }

    void failuresAndCancelsAreNeverSuccess() {
        START_PROGRAM();
        PtyRadio radio(prog.path("radio"), patterned(9));
        QVERIFY(radio.ok());
        view->m_strPort = prog.path("radio");

        const auto run = [&](int command, const std::function<void(CProgressDlg*)>& during) {
            f->runCommand(command);
            QPointer<CProgressDlg> dlg = view->m_pProgressDlg;
            if (dlg && dlg->verifyOffered())
                dlg->findChild<QCheckBox*>()->setChecked(false);
            QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
            if (during)
                during(dlg);
            QVERIFY(QTest::qWaitFor([&] { return !dlg; }, 20000));
        };
        const auto cancelAt = [](int blocks) {
            return [blocks](CProgressDlg* dlg) {
                QVERIFY(QTest::qWaitFor([&] { return !dlg || dlg->position() >= blocks; }, 15000));
                QVERIFY(dlg);
                dlg->cancelButton()->click();
            };
        };

        {
            Ending end(view);
            run(ids::ID_PROGRAM_READ, cancelAt(5));
            QCOMPARE(end.count, 1);
            QVERIFY(!end.ok);
            QCOMPARE(end.signalled, QStringLiteral("Read cancelled; the document is unchanged"));
            QCOMPARE(end.window, end.signalled);
        }
        {
            Ending end(view);
            run(ids::ID_PROGRAM_WRITE, cancelAt(7));
            QVERIFY(!end.ok);
            const QRegularExpression partial(QStringLiteral(
                "^Write cancelled after (\\d+) of 122 blocks; the radio may hold part of the "
                "new data$"));
            const auto m = partial.match(end.signalled);
            QVERIFY2(m.hasMatch(), qPrintable(end.signalled));
            QVERIFY(m.captured(1).toInt() >= 7 && m.captured(1).toInt() < 122);
        }
        {
            // Cancelled during the check: written, but not verified, and said so.
            f->runCommand(ids::ID_PROGRAM_WRITE);
            QPointer<CProgressDlg> dlg = view->m_pProgressDlg;
            dlg->findChild<QCheckBox*>()->setChecked(true);
            Ending end(view);
            QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
            QVERIFY(QTest::qWaitFor(
                [&] {
                    return !dlg ||
                           (dlg->statusText().startsWith(QStringLiteral("Verifying block")) &&
                            dlg->position() >= 3);
                },
                30000));
            QVERIFY(dlg);
            dlg->cancelButton()->click();
            QTRY_VERIFY_WITH_TIMEOUT(!dlg, 5000);
            QCOMPARE(end.count, 1);
            QVERIFY(!end.ok);
            QCOMPARE(end.signalled,
                     QStringLiteral("Written, but not verified: reading the radio back failed"));
            QCOMPARE(
                m_messages.last(),
                QStringLiteral("Not verified: reading the radio back after the write failed."));
        }
        {
            // A radio switched off: asked Retry or Cancel, the user gives up.
            view->m_strPort = QString::fromLatin1(radio::link::kVirtualRadioPortName);
            {
                std::lock_guard<std::mutex> lock(radio::link::sharedVirtualRadioMutex());
                radio::link::sharedVirtualRadio().faults().silent = true;
            }
            MessageBoxCloser closer(QMessageBox::Cancel);
            Ending end(view);
            run(ids::ID_PROGRAM_WRITE, {});
            {
                std::lock_guard<std::mutex> lock(radio::link::sharedVirtualRadioMutex());
                radio::link::sharedVirtualRadio().faults().silent = false;
            }
            QCOMPARE(closer.count, 1);
            QVERIFY(!end.ok);
            QCOMPARE(end.signalled,
                     QStringLiteral("Write failed: the radio did not answer; nothing was written"));
        }
        {
            view->m_strPort = prog.path("no-such-port");
            MessageBoxCloser closer;
            Ending end(view);
            run(ids::ID_PROGRAM_READ, {});
            QCOMPARE(closer.count, 1);
            QVERIFY(!end.ok);
            QCOMPARE(end.signalled,
                     QStringLiteral("Read failed: %1 could not be opened").arg(view->m_strPort));
            QCOMPARE(f->statusBar()->currentMessage(), end.signalled);
        }
        {
            // A radio that acknowledges a block it does not keep: written, not verified.
            view->m_strPort = QString::fromLatin1(radio::link::kVirtualRadioPortName);
            {
                std::lock_guard<std::mutex> lock(radio::link::sharedVirtualRadioMutex());
                radio::link::sharedVirtualRadio().faults().ignoreWriteAt = 0x10;
            }
            view->grid()->setTextMatrix(1, 1, QStringLiteral("433.12500"));
            f->runCommand(ids::ID_PROGRAM_WRITE);
            QPointer<CProgressDlg> dlg = view->m_pProgressDlg;
            dlg->findChild<QCheckBox*>()->setChecked(true);
            Ending end(view);
            QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(!dlg, 20000);
            {
                std::lock_guard<std::mutex> lock(radio::link::sharedVirtualRadioMutex());
                radio::link::sharedVirtualRadio().faults().ignoreWriteAt = -1;
            }
            QVERIFY(!end.ok);
            const QRegularExpression differ(
                QStringLiteral("^Written, but the check found (\\d+) byte\\(s\\) that differ$"));
            const auto m = differ.match(end.signalled);
            QVERIFY2(m.hasMatch() && m.captured(1).toInt() > 0, qPrintable(end.signalled));
            // The message names the addresses, shown while the window says the result.
            QVERIFY(m_messages.last().contains(QStringLiteral("0x010")));
            QCOMPARE(m_windowAtMessage.last(), end.signalled);
            QCOMPARE(end.window, end.signalled);
        }
    }

    void chineseWindow() {
        START_PROGRAM("Chinese");
        // The built-in radio by the name Com Setup gives it.
        view->m_strPort = QString::fromUtf8(radio::link::kVirtualRadioPortName);
        f->runCommand(ids::ID_PROGRAM_READ);
        QPointer<CProgressDlg> dlg = view->m_pProgressDlg;
        QVERIFY(dlg);
        QVERIFY2(dlg->statusText().contains(QStringLiteral("虚拟对讲机")),
                 qPrintable(dlg->statusText()));
        QTest::mouseClick(dlg->cancelButton(), Qt::LeftButton);
        QTRY_VERIFY2(!view->m_pProgressDlg, "Cancel before OK closes the window");

        PtyRadio radio(prog.path("radio"), VirtualRadio::sampleImage());
        QVERIFY(radio.ok());
        view->m_strPort = prog.path("radio");

        f->runCommand(ids::ID_PROGRAM_READ);
        dlg = view->m_pProgressDlg;
        QCOMPARE(dlg->okButton()->text(), QStringLiteral("确定"));
        QCOMPARE(dlg->statusText(),
                 QStringLiteral("从 %1 上的电台读取：请连接电台并打开电源，然后按“确定”")
                     .arg(dlg->fitPath(prog.path("radio"))));
        QVERIFY(fits(dlg));
        WindowWatcher watcher(dlg);
        Ending end(view);
        QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!dlg, 20000);
        QVERIFY(watcher.sawText(QStringLiteral("正在连接…")));
        QVERIFY(watcher.sawText(QStringLiteral("正在读取第 1 块，共 127 块")));
        QVERIFY(end.ok);
        QCOMPARE(end.signalled, QStringLiteral("已从电台读取 1009 字节；备份已保存为 %1")
                                    .arg(view->afterTransfer()->lastBackupPath()));

        // Write with its check, in Chinese to the end.
        f->runCommand(ids::ID_PROGRAM_WRITE);
        dlg = view->m_pProgressDlg;
        QCOMPARE(dlg->findChild<QCheckBox*>()->text(), QStringLiteral("写入后校验"));
        dlg->findChild<QCheckBox*>()->setChecked(true);
        QVERIFY(fits(dlg));
        WindowWatcher writing(dlg);
        Ending written(view);
        QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!dlg, 40000);
        QVERIFY(writing.sawText(QStringLiteral("校验：正在连接…")));
        QVERIFY(std::any_of(writing.seen.begin(), writing.seen.end(), [](const Seen& s) {
            return s.text.startsWith(QStringLiteral("正在校验第 "));
        }));
        QVERIFY(written.ok);
        QCOMPARE(written.signalled, QStringLiteral("已写入并校验通过"));
        QCOMPARE(written.window, written.signalled);
    }

    void longNamesKeepTheWindowReadable() {
        for (const char* language : {"English", "Chinese"}) {
            START_PROGRAM(language);
            const QString longPort = QStringLiteral("/dev/serial/by-id/") +
                                     QString(150, QLatin1Char('x')) + QStringLiteral("-if00-port0");
            view->m_strPort = longPort;
            f->runCommand(ids::ID_PROGRAM_WRITE);
            QPointer<CProgressDlg> dlg = view->m_pProgressDlg;
            QVERIFY(dlg);
            QCoreApplication::processEvents();
            // Shortened in the middle: both ends stay recognisable, the whole name is the tip.
            QVERIFY(dlg->statusText().contains(QStringLiteral("/dev/serial")));
            QVERIFY(dlg->statusText().contains(QStringLiteral("port0")));
            QVERIFY(!dlg->statusText().contains(longPort));
            QCOMPARE(dlg->statusLine()->toolTip(), longPort);
            QVERIFY2(dlg->width() < 900, QByteArray::number(dlg->width()));
            QVERIFY2(fits(dlg), language);
            // A longer line later (a result over several lines) still fits.
            dlg->showResult(false, QStringList(30, QStringLiteral("word")).join(QLatin1Char(' ')));
            QCoreApplication::processEvents();
            QVERIFY2(fits(dlg), language);
            dlg->OnCancel();
            QTRY_VERIFY2(!dlg, "Cancel left the transfer window open");
        }
    }

    void writingWindowsNameTheConfiguration() {
        START_PROGRAM();
        view->OnWrite();
        QVERIFY2(view->m_pProgressDlg, "Write opened no transfer window");
        QCOMPARE(view->m_pProgressDlg->configurationText(),
                 QStringLiteral("Configuration: not saved, TR-1, 400-470 MHz"));
        view->m_pProgressDlg->OnCancel();

        const QString saved = prog.path("customer.dat");
        app->askSaveFileName = [saved](const QString&) { return saved; };
        QVERIFY(app->OnFileSaveAs());
        CFleetDlg* fleet = CFleetDlg::openFor(f);
        QCOMPARE(fleet->configurationLine()->text(),
                 QStringLiteral("Configuration: customer.dat, TR-1, 400-470 MHz"));
        fleet->cancelOrClose();
    }

    void everyReadKeepsABackup() {
        START_PROGRAM();
        typeCell(view, 1, 1, QStringLiteral("446.00625"));
        QVERIFY(view->history()->undoStack()->canUndo());
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
            kept << view->afterTransfer()->lastBackupPath();
        }
        QVERIFY(kept[0] != kept[1]);
        for (const QString& path : kept) {
            QVERIFY2(path.startsWith(
                         m_values->filePath(QStringLiteral("data/Test Radio Tool/backups/"))),
                     qPrintable(path));
            QVERIFY(path.endsWith(QStringLiteral("_TR-1_400-470.dat")) ||
                    path.endsWith(QStringLiteral("_TR-1_400-470-2.dat")));
            QCOMPARE(prog.readFile(path), bytes(view->document()->m_image));
        }
        // What the radio sent is nothing to undo.
        QVERIFY(!view->history()->undoStack()->canUndo());
    }

    void verifyAfterWriteFindsAFaultyRadio() {
        START_PROGRAM();
        view->m_strPort = QString::fromLatin1(radio::link::kVirtualRadioPortName);
        typeCell(view, 1, 1, QStringLiteral("446.00625"));

        const auto write = [&](bool check) -> int {
            f->runCommand(ids::ID_PROGRAM_WRITE);
            QPointer<CProgressDlg> dlg = view->m_pProgressDlg;
            auto* box = dlg->findChild<QCheckBox*>(QStringLiteral("verifyAfterWrite"));
            box->setChecked(check);
            QSignalSpy done(view->afterTransfer(), &AfterTransfer::verifyFinished);
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
        typeCell(view, 1, 1, QStringLiteral("430.5"));
        QCOMPARE(write(true), 1);
        QVERIFY2(
            view->afterTransfer()->lastVerifyText().startsWith(QStringLiteral("Verify failed: ")),
            qPrintable(view->afterTransfer()->lastVerifyText()));
        QVERIFY(view->afterTransfer()->lastVerifyText().contains(QStringLiteral("0x010")));
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
        QCOMPARE(view->afterTransfer()->lastVerifyText(),
                 QStringLiteral("Verified: the radio holds what was written."));
    }
};

QTEST_MAIN(TransferWindowTest)
#include "transfer_window_test.moc"
