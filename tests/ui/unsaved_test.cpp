// Unsaved changes: which actions mark a configuration as changed, the mark in
// the titles, and the Save / Discard / Cancel question before Exit, closing
// the main window, New, Open and the restart for another language.

#include "dialogs_support.h"
#include "window_fixture.h"

#include "link/VirtualRadioPort.h"
#include "model/Image.h"
#include "ui/CommandIds.h"
#include "ui/qt/channels/ChannelGrid.h"
#include "ui/qt/channels/EditHistory.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/dialogs/LanguageDlg.h"
#include "ui/qt/dialogs/OptionalFeaturesDlg.h"
#include "ui/qt/dialogs/ProgressDlg.h"
#include "ui/qt/shell/ChildFrame.h"
#include "ui/qt/shell/MainFrame.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QUndoStack>

namespace {

// A grid change as the user makes it: recorded once the event is over.
void editChannel(CProgramView* view, int row, const QString& rx) {
    view->grid()->setTextMatrix(row, 1, rx);
    QTRY_VERIFY2(view->document()->IsModified(),
                 "the edit did not mark the configuration modified");
}

} // namespace

class UnsavedTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_values;

    // A running program with one changed configuration; saves go to `target`.
    struct Session {
        TempProgram prog;
        std::unique_ptr<CProgramApp> app;
        CMainFrame* f = nullptr;
        QString target;
        int saveDialogs = 0;
        explicit Session(bool change = true) {
            app = prog.app();
            if (!app->InitInstance())
                return;
            f = app->mainFrame();
            target = prog.path("kept.dat");
            app->askSaveFileName = [this](const QString&) {
                ++saveDialogs;
                return target;
            };
            if (change)
                editChannel(f->activeView(), 3, QStringLiteral("460.00000"));
        }
        bool savedFileHoldsTheChange() const {
            const QByteArray bytes = prog.readFile(target);
            // Channel 3's receive frequency, 460.00000 MHz in packed decimal.
            return bytes.size() == 1024 &&
                   bytes.mid(3 * 16, 4) == QByteArray("\x00\x00\x00\x46", 4);
        }
    };

private slots:
    void initTestCase() { isolateUserValues(m_values); }

    void whatMarksTheConfiguration() {
        Session s(false);
        QVERIFY(s.f);
        CProgramView* view = s.f->activeView();
        CProgramDoc* doc = view->document();
        CChildFrame* child = s.f->activeChildFrame();
        QVERIFY(!doc->IsModified()); // a new configuration has nothing to save
        QVERIFY(!child->isWindowModified() && !s.f->isWindowModified());

        // A grid edit marks it, in both titles; undo back to the saved state clears it.
        editChannel(view, 3, QStringLiteral("460.00000"));
        QVERIFY(child->isWindowModified() && s.f->isWindowModified());
        QUndoStack* history = view->history()->undoStack();
        history->undo();
        QVERIFY(!doc->IsModified());
        QVERIFY(!child->isWindowModified() && !s.f->isWindowModified());
        history->redo();
        QVERIFY(doc->IsModified());

        // Saving clears it; undoing past the save marks it again.
        s.f->runCommand(ids::ID_FILE_SAVE);
        QVERIFY(s.savedFileHoldsTheChange());
        QVERIFY(!doc->IsModified() && !s.f->isWindowModified());
        history->undo();
        QVERIFY(doc->IsModified());
        history->redo();
        QVERIFY(!doc->IsModified());

        // A dialog's Cancel changes nothing; its OK with another value marks it,
        // and undo in the grid cannot take that back.
        dialogtest::onNextModal([](QWidget* w) {
            auto* dlg = qobject_cast<COptionalFeaturesDlg*>(w);
            dlg->list(radio::optional::SquelchLevel)->setCurrentIndex(2);
            dlg->cancelButton()->click();
        });
        s.f->runCommand(ids::ID_EDIT_OPTIONAL_FEATURES);
        QVERIFY(!doc->IsModified());
        dialogtest::onNextModal([](QWidget* w) {
            auto* dlg = qobject_cast<COptionalFeaturesDlg*>(w);
            QComboBox* squelch = dlg->list(radio::optional::SquelchLevel);
            squelch->setCurrentIndex(squelch->currentIndex() == 2 ? 3 : 2);
            dlg->okButton()->click();
        });
        s.f->runCommand(ids::ID_EDIT_OPTIONAL_FEATURES);
        QVERIFY(doc->IsModified());
        history->undo();
        history->redo();
        QVERIFY(doc->IsModified());
        s.f->runCommand(ids::ID_FILE_SAVE);
        QVERIFY(!doc->IsModified());

        // A read from the radio is not in any file yet.
        view->m_strPort = QString::fromUtf8(radio::link::kVirtualRadioPortName);
        s.f->runCommand(ids::ID_PROGRAM_READ);
        QVERIFY(view->m_pProgressDlg);
        QTest::mouseClick(view->m_pProgressDlg->okButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!view->m_pProgressDlg, 15000);
        QVERIFY(doc->IsModified());
        QVERIFY(s.f->isWindowModified());

        // An opened file starts unmodified.
        s.app->askOpenFileName = [&] { return s.target; };
        {
            MessageBoxCloser discard(QMessageBox::Discard);
            s.f->runCommand(ids::ID_FILE_OPEN);
        }
        QVERIFY(s.f->activeDocument() != doc);
        QVERIFY(!s.f->activeDocument()->IsModified());
        QVERIFY(!s.f->isWindowModified());
    }

    void exitAndCloseAsk() {
        for (const bool viaExit : {true, false}) {
            const auto quit = [viaExit](CMainFrame* f) {
                if (viaExit)
                    f->runCommand(ids::ID_APP_EXIT);
                else
                    f->close();
            };
            {
                // Cancel: everything stays, nothing is written.
                Session s;
                QVERIFY(s.f);
                MessageBoxCloser cancel(QMessageBox::Cancel);
                quit(s.f);
                QCOMPARE(cancel.count, 1);
                QCOMPARE(
                    cancel.text,
                    QStringLiteral("The configuration \"Channel Information\" has changes that are "
                                   "not saved."));
                QVERIFY(s.f->isVisible());
                QVERIFY(s.f->activeDocument()->IsModified());
                QVERIFY(!QFile::exists(s.target));
            }
            {
                // Discard: closes without writing.
                Session s;
                MessageBoxCloser discard(QMessageBox::Discard);
                quit(s.f);
                QCOMPARE(discard.count, 1);
                QVERIFY(!s.f->isVisible());
                QVERIFY(!QFile::exists(s.target));
            }
            {
                // Save: the normal save, then the window closes.
                Session s;
                MessageBoxCloser save(QMessageBox::Save);
                quit(s.f);
                QCOMPARE(save.count, 1);
                QVERIFY(s.savedFileHoldsTheChange());
                QVERIFY(!s.f->isVisible());
            }
            {
                // Save, but the file name is not given: the close stops.
                Session s;
                s.app->askSaveFileName = [](const QString&) { return QString(); };
                MessageBoxCloser save(QMessageBox::Save);
                quit(s.f);
                QCOMPARE(save.count, 1);
                QVERIFY(s.f->isVisible());
                QVERIFY(s.f->activeDocument()->IsModified());
            }
            {
                // Nothing changed: no question at all.
                Session s(false);
                MessageBoxCloser closer;
                quit(s.f);
                QTest::qWait(80);
                QCOMPARE(closer.count, 0);
                QVERIFY(!s.f->isVisible());
            }
        }
    }

    // File > Close and the close box only hide a window, so one with unsaved
    // changes asks first, as Exit does: no change lives on unseen.
    void closeAsksAboutChanges() {
        for (const bool closeBox : {false, true}) {
            const auto closeIt = [closeBox](Session& s) {
                if (closeBox)
                    s.f->activeChildFrame()->close();
                else
                    s.f->runCommand(ids::ID_FILE_CLOSE);
            };
            {
                // Cancel: the window stays, with its changes.
                Session s;
                QVERIFY(s.f);
                CChildFrame* child = s.f->activeChildFrame();
                MessageBoxCloser cancel(QMessageBox::Cancel);
                closeIt(s);
                QCOMPARE(cancel.count, 1);
                QVERIFY(cancel.text.contains(QStringLiteral("not saved")));
                QVERIFY(child->isVisible());
                QVERIFY(child->document()->IsModified() && s.f->isWindowModified());
            }
            {
                // Save: saved, then hidden; Channel Information shows it again.
                Session s;
                CChildFrame* child = s.f->activeChildFrame();
                MessageBoxCloser save(QMessageBox::Save);
                closeIt(s);
                QCOMPARE(save.count, 1);
                QVERIFY(s.savedFileHoldsTheChange());
                QVERIFY(child->isHidden());
                QVERIFY(!child->document()->IsModified());
                s.f->runCommand(ids::ID_EDIT_CHANNEL_INFO);
                QVERIFY(child->isVisible());
            }
            {
                // Discard: the configuration goes with its window. Nothing is
                // written, and nothing is left for Save or Exit.
                Session s;
                QPointer<CChildFrame> child = s.f->activeChildFrame();
                MessageBoxCloser discard(QMessageBox::Discard);
                closeIt(s);
                QCOMPARE(discard.count, 1);
                QTRY_VERIFY(child.isNull());
                QCOMPARE(s.f->activeDocument(), nullptr);
                s.f->runCommand(ids::ID_FILE_SAVE);
                QCOMPARE(s.saveDialogs, 0);
                QVERIFY(!QFile::exists(s.target));
                QVERIFY(s.f->close());
            }
        }
    }

    void newAsks() {
        {
            Session s;
            QPointer<CChildFrame> first = s.f->activeChildFrame();
            MessageBoxCloser cancel(QMessageBox::Cancel);
            s.f->runCommand(ids::ID_FILE_NEW);
            QCOMPARE(cancel.count, 1);
            QVERIFY(cancel.text.contains(QStringLiteral("not saved")));
            QCOMPARE(s.f->activeChildFrame(), first.data());
            QVERIFY(first->document()->IsModified());
        }
        {
            Session s;
            QPointer<CChildFrame> first = s.f->activeChildFrame();
            MessageBoxCloser discard(QMessageBox::Discard);
            s.f->runCommand(ids::ID_FILE_NEW);
            QCOMPARE(discard.count, 1);
            QVERIFY(first.isNull());
            QVERIFY(!s.f->activeDocument()->IsModified());
            QVERIFY(!QFile::exists(s.target));
        }
        {
            Session s;
            QPointer<CChildFrame> first = s.f->activeChildFrame();
            MessageBoxCloser save(QMessageBox::Save);
            s.f->runCommand(ids::ID_FILE_NEW);
            QCOMPARE(save.count, 1);
            QVERIFY(s.savedFileHoldsTheChange());
            QVERIFY(first.isNull());
        }
    }

    void openAsks() {
        radio::Image other = radio::newDocumentImage();
        other[0x134] = 0x05;
        const auto prepare = [&](Session& s) {
            const QString path = s.prog.path("other.dat");
            s.prog.writeFile("other.dat", bytes(other));
            s.app->askOpenFileName = [path] { return path; };
            return s.f->mdiArea()->subWindowList().size();
        };
        {
            Session s;
            const auto windows = prepare(s);
            CProgramDoc* before = s.f->activeDocument();
            MessageBoxCloser cancel(QMessageBox::Cancel);
            s.f->runCommand(ids::ID_FILE_OPEN);
            QCOMPARE(cancel.count, 1);
            QCOMPARE(s.f->activeDocument(), before);
            QCOMPARE(s.f->mdiArea()->subWindowList().size(), windows);
            QVERIFY(before->IsModified());
        }
        {
            Session s;
            prepare(s);
            CProgramDoc* before = s.f->activeDocument();
            MessageBoxCloser discard(QMessageBox::Discard);
            s.f->runCommand(ids::ID_FILE_OPEN);
            QCOMPARE(discard.count, 1);
            QVERIFY(s.f->activeDocument() != before);
            QCOMPARE(int(s.f->activeDocument()->m_image[0x134]), 5);
            QVERIFY(!QFile::exists(s.target));
        }
        {
            Session s;
            prepare(s);
            CProgramDoc* before = s.f->activeDocument();
            MessageBoxCloser save(QMessageBox::Save);
            s.f->runCommand(ids::ID_FILE_OPEN);
            QCOMPARE(save.count, 1);
            QVERIFY(s.savedFileHoldsTheChange());
            QVERIFY(s.f->activeDocument() != before);
        }
        {
            // A file that cannot be loaded after Discard: the window and its
            // changes stay as they were.
            Session s;
            s.prog.writeFile("short.dat", QByteArray(100, '\0'));
            s.app->askOpenFileName = [&] { return s.prog.path("short.dat"); };
            CProgramDoc* before = s.f->activeDocument();
            MessageBoxCloser answers(QMessageBox::Discard);
            answers.keepRunning();
            s.f->runCommand(ids::ID_FILE_OPEN);
            QTRY_COMPARE(answers.count, 2); // the question, then the load error
            QCOMPARE(s.f->activeDocument(), before);
            QVERIFY(before->IsModified());
        }
    }

    void readAsksAndLeavesItUntitled() {
        Session s;
        QVERIFY(s.f);
        CProgramView* view = s.f->activeView();
        CProgramDoc* doc = view->document();
        s.f->runCommand(ids::ID_FILE_SAVE);
        const QString customer = s.target;
        const QByteArray customerBytes = s.prog.readFile(customer);
        editChannel(view, 4, QStringLiteral("461.00000"));
        view->m_strPort = QString::fromUtf8(radio::link::kVirtualRadioPortName);
        {
            MessageBoxCloser cancel(QMessageBox::Cancel);
            s.f->runCommand(ids::ID_PROGRAM_READ);
            QCOMPARE(cancel.count, 1);
            QVERIFY(cancel.text.contains(QStringLiteral("not saved")));
            QVERIFY(!view->m_pProgressDlg);
            QCOMPARE(view->grid()->textMatrix(4, 1), QStringLiteral("461.00000"));
        }
        {
            MessageBoxCloser discard(QMessageBox::Discard);
            s.f->runCommand(ids::ID_PROGRAM_READ);
            QCOMPARE(discard.count, 1);
            QVERIFY(view->m_pProgressDlg);
            QTest::mouseClick(view->m_pProgressDlg->okButton(), Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(!view->m_pProgressDlg, 15000);
            QCOMPARE(discard.count, 1); // agreed once, not asked again by OK
        }
        // What came from the radio belongs to no file: Save asks for a name
        // and the customer's file stays as it was.
        QVERIFY2(doc->title().startsWith(QStringLiteral("From the radio, 20")),
                 qPrintable(doc->title()));
        QVERIFY(doc->pathName().isEmpty());
        QVERIFY(doc->IsModified());
        QString proposed;
        s.app->askSaveFileName = [&](const QString& name) {
            proposed = name;
            return s.prog.path("radio.dat");
        };
        s.f->runCommand(ids::ID_FILE_SAVE);
        QVERIFY2(proposed.startsWith(QStringLiteral("From the radio, 20")) &&
                     proposed.endsWith(QStringLiteral(".dat")) && !proposed.contains(':'),
                 qPrintable(proposed));
        QCOMPARE(s.prog.readFile(customer), customerBytes);
        QCOMPARE(s.prog.readFile(s.prog.path("radio.dat")).size(), 1024);
        QVERIFY(!doc->IsModified());
    }

    void languageRestartAsks() {
        const auto chooseChinese = [] {
            dialogtest::onNextModal([](QWidget* w) {
                auto* dlg = qobject_cast<CLanguageDlg*>(w);
                QVERIFY(dlg);
                dlg->chineseButton()->setChecked(true);
                dlg->accept();
            });
        };
        int restarts = 0;
        CProgramView::restartProgram = [&] { ++restarts; };
        {
            // Cancel: no restart, the window stays, the language stays English.
            Session s;
            MessageBoxCloser cancel(QMessageBox::Cancel);
            cancel.keepRunning();
            chooseChinese();
            s.f->runCommand(ids::ID_SETUP_LANGUAGE);
            QCOMPARE(cancel.count, 1);
            QCOMPARE(restarts, 0);
            QVERIFY(s.f->isVisible());
            QCOMPARE(radio::appState().settings->GetString("Setup", "Language"),
                     std::string("English"));
            QVERIFY(s.prog.readFile(s.prog.path("Program.ini")).contains("Language=English"));
            QVERIFY(s.f->activeDocument()->IsModified());
        }
        {
            Session s;
            MessageBoxCloser discard(QMessageBox::Discard);
            discard.keepRunning();
            chooseChinese();
            s.f->runCommand(ids::ID_SETUP_LANGUAGE);
            QCOMPARE(discard.count, 1); // asked once, not again by the closing window
            QCOMPARE(restarts, 1);
            QVERIFY(!s.f->isVisible());
            QVERIFY(!QFile::exists(s.target));
        }
        {
            Session s;
            MessageBoxCloser save(QMessageBox::Save);
            save.keepRunning();
            chooseChinese();
            s.f->runCommand(ids::ID_SETUP_LANGUAGE);
            QCOMPARE(save.count, 1);
            QCOMPARE(restarts, 2);
            QVERIFY(s.savedFileHoldsTheChange());
            // The new start opens the saved configuration again, and only once.
            const QString saved = QFileInfo(s.target).absoluteFilePath();
            for (const bool first : {true, false}) {
                auto next = s.prog.app();
                QVERIFY(next->InitInstance());
                QCOMPARE(next->mainFrame()->activeDocument()->pathName() == saved, first);
            }
        }
        CProgramView::restartProgram = {};
    }

    void questionInChinese() {
        START_PROGRAM("Chinese");
        editChannel(view, 3, QStringLiteral("460.00000"));
        QString buttons;
        dialogtest::onNextModal([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            buttons = box->button(QMessageBox::Save)->text() + QLatin1Char('/') +
                      box->button(QMessageBox::Discard)->text() + QLatin1Char('/') +
                      box->button(QMessageBox::Cancel)->text() + QLatin1Char('/') + box->text();
            box->button(QMessageBox::Cancel)->click();
        });
        QVERIFY(!f->close());
        QCOMPARE(buttons, QStringLiteral("保存/放弃/取消/配置“信道信息”有尚未保存的修改。"));
    }
};

QTEST_MAIN(UnsavedTest)
#include "unsaved_test.moc"
