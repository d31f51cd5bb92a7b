// In-place editing driven with real key and mouse events: commits with the
// radio's rules, the Caution box, the Enter walk, spreadsheet moves, help
// contexts, and saving with an editor still open.

#include "window_fixture.h"

#include "model/ChannelTable.h"
#include "ui/CommandIds.h"
#include "ui/qt/channels/ChannelGrid.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/common/Help.h"
#include "ui/qt/shell/ChildFrame.h"
#include "ui/qt/shell/MainFrame.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTreeWidget>

class EditingTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_values;
    std::unique_ptr<TempProgram> m_prog;
    std::unique_ptr<CProgramApp> m_app;
    CProgramView* m_view = nullptr;
    CChannelGrid* m_grid = nullptr;

    void start(const char* language = "English") {
        m_view = startForTyping(m_prog, m_app, language);
        QVERIFY2(m_view, "the program did not start with its window active");
        m_grid = m_view->grid();
    }
    void clickCell(int row, int col) {
        const QRect r = m_grid->cellRect(row, col);
        QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, r.center());
    }
    QWidget* focused() const {
        // Offscreen there is no window manager to give the frame back its
        // activation after a message box.
        if (!QApplication::activeWindow())
            QApplication::setActiveWindow(m_app->mainFrame());
        return QApplication::focusWidget();
    }
    // Types into whatever has the focus, then presses Enter.
    void typeEnter(const QString& text) {
        QTest::keyClicks(focused(), text);
        QTest::keyClick(focused(), Qt::Key_Return);
    }
    QStringList rowTexts(int row) const {
        QStringList r;
        for (int c = 1; c < 11; ++c)
            r << m_grid->textMatrix(row, c);
        return r;
    }

private slots:
    void initTestCase() { isolateUserValues(m_values); }
    void cleanup() { setHelpHandler({}); }
    void cleanupTestCase() { m_app.reset(); }

    void newChannelGetsDefaultsAndEnterMovesRight() {
        start();
        clickCell(1, 1);
        QCOMPARE(focused(), m_view->cellEditor(1));
        typeEnter(QStringLiteral("465.125"));
        QCOMPARE(rowTexts(1), (QStringList{"465.12500", "465.12500", "None", "None", "High", "No",
                                           "Off", "Wide", "Off", "Off"}));
        QCOMPARE(m_grid->row(), 1);
        QCOMPARE(m_grid->col(), 2);
        QCOMPARE(focused(), m_view->cellEditor(2)); // the next editor is open

        // Changing Rx of an existing channel changes Rx only.
        clickCell(1, 1);
        typeEnter(QStringLiteral("462.005"));
        QCOMPARE(m_grid->textMatrix(1, 1), QStringLiteral("462.00500"));
        QCOMPARE(m_grid->textMatrix(1, 2), QStringLiteral("465.12500"));

        // An emptied Tx takes Rx; an emptied Rx deletes the channel.
        clickCell(1, 2);
        QTest::keyClick(focused(), Qt::Key_Delete);
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(m_grid->textMatrix(1, 2), QStringLiteral("462.00500"));
        clickCell(1, 1);
        QTest::keyClick(focused(), Qt::Key_Delete);
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(rowTexts(1), QStringList(10, QString()));
    }

    void rejectedValueShowsCautionAndStays() {
        start();
        clickCell(2, 1);
        typeEnter(QStringLiteral("465"));
        const QStringList channel = rowTexts(2);
        // What the grid shows is what a save would store, after every commit.
        const auto showsWhatIsSaved = [this] {
            const radio::ChannelTable saved =
                radio::imageToTable(m_view->gridImage(), radio::Language::English);
            for (int r = 1; r < radio::kGridRows; ++r)
                for (int c = 1; c < radio::kGridCols; ++c)
                    if (m_grid->textMatrix(r, c).toStdString() != saved[r][c])
                        return false;
            return true;
        };
        QVERIFY(showsWhatIsSaved());
        // Refused however the cell is left: the channel stays as it was and
        // the editor stays open on the same cell with the typed text.
        const auto refusedAndKept = [&](int col, const QString& typed) {
            QCOMPARE(rowTexts(2), channel);
            QCOMPARE(m_grid->row(), 2);
            QCOMPARE(m_grid->col(), col);
            auto* edit = qobject_cast<QLineEdit*>(m_view->openEditor());
            QVERIFY(edit && edit == m_view->cellEditor(col));
            QCOMPARE(edit->text(), typed);
            QVERIFY(showsWhatIsSaved());
        };
        clickCell(2, 1);
        {
            MessageBoxCloser closer;
            typeEnter(QStringLiteral("470.00625"));
            QCOMPARE(closer.count, 1);
            QCOMPARE(closer.title, QStringLiteral("Caution"));
            QCOMPARE(closer.text, QStringLiteral("Out of range,please input again."));
            QCOMPARE(closer.icon, QMessageBox::Warning);
        }
        refusedAndKept(1, QStringLiteral("470.00625"));
        {
            MessageBoxCloser tab;
            QTest::keyClick(focused(), Qt::Key_Tab);
            QCOMPARE(tab.count, 1);
        }
        refusedAndKept(1, QStringLiteral("470.00625"));
        {
            MessageBoxCloser click;
            clickCell(5, 3);
            QCOMPARE(click.count, 1);
        }
        refusedAndKept(1, QStringLiteral("470.00625"));
        {
            MessageBoxCloser down;
            QTest::keyClick(focused(), Qt::Key_Down);
            QCOMPARE(down.count, 1);
        }
        refusedAndKept(1, QStringLiteral("470.00625"));
        QTest::keyClick(focused(), Qt::Key_Escape); // gives up the typed value
        QVERIFY(!m_view->openEditor());
        QCOMPARE(rowTexts(2), channel);

        // Off the raster in Tx keeps Tx, also when the focus leaves the grid.
        clickCell(2, 2);
        {
            MessageBoxCloser step;
            typeEnter(QStringLiteral("462.001"));
            QCOMPARE(step.text,
                     QStringLiteral(
                         "Error data Value, please input according the step value(6.25K/5k)."));
        }
        refusedAndKept(2, QStringLiteral("462.001"));
        {
            // Another part of the window takes the focus.
            MessageBoxCloser away;
            QCOMPARE(focused(), m_view->openEditor());
            auto* tree = m_app->mainFrame()->findChild<QTreeWidget*>();
            QVERIFY(tree);
            tree->setFocus(Qt::MouseFocusReason);
            QTRY_COMPARE(away.count, 1);
            QCOMPARE(focused(), m_view->openEditor());
        }
        refusedAndKept(2, QStringLiteral("462.001"));
        // The corrected value goes in.
        auto* edit = qobject_cast<QLineEdit*>(m_view->openEditor());
        edit->selectAll();
        typeEnter(QStringLiteral("462.005"));
        QCOMPARE(m_grid->textMatrix(2, 2), QStringLiteral("462.00500"));
        QVERIFY(showsWhatIsSaved());
    }

    void zeroIsOutOfRangeEvenWithoutBand() {
        start();
        m_view->setBand(0, 0); // what an empty band text gives
        clickCell(3, 1);
        MessageBoxCloser closer;
        typeEnter(QStringLiteral("abc"));
        QCOMPARE(closer.text, QStringLiteral("Out of range,please input again."));
        QCOMPARE(m_grid->textMatrix(3, 1), QString());
    }

    void editorsAreBuiltOnFirstUse() {
        start();
        // Nothing is built before a cell is edited, and what hides the
        // editors copes with none existing.
        QVERIFY(m_grid->viewport()->findChildren<QComboBox*>().isEmpty());
        QVERIFY(m_grid->viewport()->findChildren<QLineEdit*>().isEmpty());
        QTest::keyClick(m_grid, Qt::Key_Escape);
        m_grid->verticalScrollBar()->setValue(m_grid->verticalScrollBar()->maximum());
        m_grid->verticalScrollBar()->setValue(0);
        QVERIFY(!m_view->openEditor());

        // A tone cell opens a list holding the whole tone list; the other
        // tone column gets a list of its own.
        clickCell(1, 3);
        auto* decode = qobject_cast<QComboBox*>(m_view->cellEditor(3));
        QVERIFY(decode);
        QCOMPARE(m_view->openEditor(), decode);
        QCOMPARE(decode->property("controlId").toInt(), int(ids::IDC_CB_DECODE));
        const auto& tones = radio::columnEntries(radio::ColDecode, radio::Language::English);
        QCOMPARE(decode->count(), int(tones.size()));
        QCOMPARE(decode->itemText(decode->count() - 1), QString::fromStdString(tones.back()));
        auto* encode = qobject_cast<QComboBox*>(m_view->cellEditor(4));
        QVERIFY(encode && encode != decode);
        QCOMPARE(encode->property("controlId").toInt(), int(ids::IDC_CB_ENCODE));
        QCOMPARE(encode->count(), decode->count());
        QCOMPARE(m_view->cellEditor(3), decode); // built once
        QCOMPARE(m_view->openEditor(), decode);  // asking does not open another
        QCOMPARE(m_grid->viewport()->findChildren<QComboBox*>().size(), 2);
    }

    void leavingTheCellCommits() {
        start();
        clickCell(4, 1);
        QTest::keyClicks(focused(), QStringLiteral("461.0125"));
        clickCell(6, 5); // leave by mouse
        QCOMPARE(m_grid->textMatrix(4, 1), QStringLiteral("461.01250"));
        QCOMPARE(m_grid->textMatrix(4, 5), QStringLiteral("High"));
        // A list opens on the cell's entry (prefix match) and commits the choice.
        clickCell(4, 5);
        auto* power = qobject_cast<QComboBox*>(m_view->cellEditor(5));
        QCOMPARE(power->currentText(), QStringLiteral("High"));
        power->setCurrentIndex(1);
        QTest::keyClick(power, Qt::Key_Return);
        QCOMPARE(m_grid->textMatrix(4, 5), QStringLiteral("Low"));
        // On a row without frequencies a list cell stays empty.
        clickCell(7, 5);
        qobject_cast<QComboBox*>(m_view->cellEditor(5))->setCurrentIndex(1);
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(m_grid->textMatrix(7, 5), QString());
    }

    void everyWayOutOfACellCommitsOrCancels() {
        start();
        // Tab and Shift+Tab.
        clickCell(1, 1);
        QTest::keyClicks(focused(), QStringLiteral("461"));
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(m_grid->textMatrix(1, 1), QStringLiteral("461.00000"));
        QCOMPARE(m_grid->col(), 2);
        // Recording the step leaves the next cell's editor open.
        QCoreApplication::processEvents();
        QCOMPARE(m_view->openEditor(), m_view->cellEditor(2));
        QTest::keyClicks(focused(), QStringLiteral("462"));
        QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(m_grid->textMatrix(1, 2), QStringLiteral("462.00000"));
        QCOMPARE(m_grid->col(), 1);

        // Up and Down leave typed text (Left and Right edit it): in the
        // middle of the grid, and at its edges, where the cell stays.
        clickCell(5, 1);
        QTest::keyClicks(focused(), QStringLiteral("463"));
        QTest::keyClick(focused(), Qt::Key_Down);
        QCOMPARE(m_grid->textMatrix(5, 1), QStringLiteral("463.00000"));
        QCOMPARE(m_grid->row(), 6);
        clickCell(16, 1);
        QTest::keyClicks(focused(), QStringLiteral("464"));
        QTest::keyClick(focused(), Qt::Key_Down);
        QCOMPARE(m_grid->textMatrix(16, 1), QStringLiteral("464.00000"));
        QCOMPARE(m_grid->row(), 16);
        QVERIFY(!m_view->openEditor());
        clickCell(1, 1);
        QTest::keyClicks(focused(), QStringLiteral("465"));
        QTest::keyClick(focused(), Qt::Key_Up);
        QCOMPARE(m_grid->textMatrix(1, 1), QStringLiteral("465.00000"));
        QCOMPARE(m_grid->row(), 1);
        QVERIFY(!m_view->openEditor());

        // The focus going elsewhere in the window commits, and stays there.
        clickCell(7, 1);
        QTest::keyClicks(focused(), QStringLiteral("466"));
        QLineEdit elsewhere(m_app->mainFrame());
        elsewhere.show();
        elsewhere.setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
        QCOMPARE(m_grid->textMatrix(7, 1), QStringLiteral("466.00000"));
        QVERIFY(!m_view->openEditor());
        QCOMPARE(focused(), static_cast<QWidget*>(&elsewhere));

        // Escape cancels: the cell keeps its text.
        clickCell(7, 1);
        QTest::keyClicks(focused(), QStringLiteral("467"));
        QTest::keyClick(focused(), Qt::Key_Escape);
        QCOMPARE(m_grid->textMatrix(7, 1), QStringLiteral("466.00000"));
        QVERIFY(!m_view->openEditor());
    }

    void enterWalksToTheFirstCell() {
        start();
        clickCell(16, 9);
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(m_grid->col(), 10);
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(m_grid->row(), 1);
        QCOMPARE(m_grid->col(), 1);
        clickCell(5, 10);
        QTest::keyClick(focused(), Qt::Key_Enter);
        QCOMPARE(m_grid->row(), 6);
        QCOMPARE(m_grid->col(), 1);
    }

    void arrowsAndTypingFeelLikeASpreadsheet() {
        start();
        clickCell(8, 1);
        typeEnter(QStringLiteral("463"));
        clickCell(8, 1);
        // Unchanged: arrows move; the Rx editor's text is replaced by typing.
        QTest::keyClick(focused(), Qt::Key_Down);
        QCOMPARE(m_grid->row(), 9);
        QTest::keyClick(focused(), Qt::Key_Up);
        QTest::keyClick(focused(), Qt::Key_Right);
        QCOMPARE(m_grid->col(), 2);
        QTest::keyClick(focused(), Qt::Key_Left);
        QCOMPARE(m_grid->col(), 1);
        QTest::keyClick(focused(), Qt::Key_Left); // never onto the channel numbers
        QCOMPARE(m_grid->col(), 1);
        QTest::keyClicks(focused(), QStringLiteral("464"));
        // Changed: Left edits the text instead of moving.
        QTest::keyClick(focused(), Qt::Key_Left);
        QCOMPARE(m_grid->col(), 1);
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(m_grid->col(), 2);
        QCOMPARE(m_grid->textMatrix(8, 1), QStringLiteral("464.00000"));
        // Escape closes the editor, keeping the cell; typing on the grid reopens it.
        QTest::keyClicks(focused(), QStringLiteral("469"));
        QTest::keyClick(focused(), Qt::Key_Escape);
        QCOMPARE(m_grid->textMatrix(8, 2), QStringLiteral("463.00000"));
        QCOMPARE(focused(), static_cast<QWidget*>(m_grid));
        QTest::keyClicks(m_grid, QStringLiteral("466"));
        QCOMPARE(qobject_cast<QLineEdit*>(focused())->text(), QStringLiteral("466"));
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(m_grid->textMatrix(8, 2), QStringLiteral("466.00000"));
    }

    void typingOnTheGridOpensTheEditorOverItsCell() {
        // The first key typed on a cell opens its (not yet built) editor with
        // one call; the editor must still land exactly on that cell.
        start();
        m_grid->setFocus();
        m_grid->setCurrent(3, 1);
        QTest::keyClicks(m_grid, QStringLiteral("4"));
        QWidget* editor = m_view->openEditor();
        QVERIFY(editor);
        QCOMPARE(editor->geometry(), m_grid->cellRect(3, 1));
        // Escape gives the keys back to the grid even when the window is not
        // the active one (no window manager to activate it).
        QApplication::setActiveWindow(nullptr);
        QTest::keyClick(editor, Qt::Key_Escape);
        QCOMPARE(m_grid->window()->focusWidget(), static_cast<QWidget*>(m_grid));
        m_grid->setCurrent(3, 2);
        QTest::keyClicks(m_grid, QStringLiteral("4"));
        QVERIFY(m_view->openEditor());
        QCOMPARE(m_view->openEditor()->geometry(), m_grid->cellRect(3, 2));
    }

    void scrollHidesWithoutCommitAndEditorFollowsItsCell() {
        start();
        CChildFrame* frame = m_app->mainFrame()->activeChildFrame();
        frame->resize(500, 200);
        QApplication::processEvents();
        clickCell(1, 1);
        QTest::keyClicks(focused(), QStringLiteral("465"));
        m_grid->verticalScrollBar()->setValue(m_grid->verticalScrollBar()->maximum());
        QVERIFY(m_view->openEditor() == nullptr);
        QCOMPARE(m_grid->textMatrix(1, 1), QString());

        m_grid->verticalScrollBar()->setValue(0);
        clickCell(1, 2);
        frame->resize(900, 600);
        QApplication::processEvents();
        QCOMPARE(m_view->openEditor()->geometry(), m_grid->cellRect(1, 2));
    }

    void savingCommitsTheOpenEditor() {
        start();
        const QString target = m_prog->path("saved.dat");
        m_app->askSaveFileName = [&](const QString&) { return target; };
        clickCell(1, 1);
        QTest::keyClicks(focused(), QStringLiteral("467.5"));
        QTest::keyClick(focused(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(m_grid->textMatrix(1, 1), QStringLiteral("467.50000"));
        const QByteArray saved = m_prog->readFile(target);
        QCOMPARE(saved.size(), 1024);
        QCOMPARE(saved.mid(16, 4), QByteArray("\x00\x00\x75\x46", 4));

        // A rejected value is reported and stops the save: the file keeps the
        // channel, the row keeps it, and the editor still holds what was typed.
        clickCell(1, 1);
        QTest::keyClicks(focused(), QStringLiteral("480"));
        {
            MessageBoxCloser closer;
            QTest::keyClick(focused(), Qt::Key_S, Qt::ControlModifier);
            QCOMPARE(closer.count, 1);
        }
        QCOMPARE(m_prog->readFile(target), saved);
        QCOMPARE(m_grid->textMatrix(1, 1), QStringLiteral("467.50000"));
        auto* edit = qobject_cast<QLineEdit*>(m_view->openEditor());
        QVERIFY(edit);
        QCOMPARE(edit->text(), QStringLiteral("480"));

        // Corrected, the same save goes through.
        edit->setText(QStringLiteral("462.5"));
        edit->setModified(true);
        m_app->mainFrame()->runCommand(ids::ID_FILE_SAVE);
        QCOMPARE(m_prog->readFile(target).mid(16, 4), QByteArray("\x00\x00\x25\x46", 4));
    }

    void helpNamesTheFocusedControl() {
        start();
        QList<int> contexts;
        setHelpHandler([&](int c) { contexts << c; });
        clickCell(1, 1);
        QTest::keyClick(focused(), Qt::Key_F1);
        clickCell(1, 3);
        QTest::keyClick(focused(), Qt::Key_F1);
        QTest::keyClick(focused(), Qt::Key_Escape);
        QTest::keyClick(m_grid, Qt::Key_F1);
        QCOMPARE(contexts, (QList<int>{ids::IDC_EDIT_RX, ids::IDC_CB_DECODE, ids::IDC_GRID}));
    }

    void chineseDefaults() {
        start("Chinese");
        clickCell(1, 1);
        typeEnter(QStringLiteral("460"));
        QCOMPARE(rowTexts(1), (QStringList{"460.00000", "460.00000", "无", "无", "高", "无", "关",
                                           "宽", "关", "关"}));
        MessageBoxCloser closer;
        clickCell(2, 1);
        typeEnter(QStringLiteral("300"));
        QCOMPARE(closer.title, QStringLiteral("注意"));
        QCOMPARE(closer.text, QStringLiteral("超出范围，请重新输入。"));
    }
};

QTEST_MAIN(EditingTest)
#include "editing_test.moc"
