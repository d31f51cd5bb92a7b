// Spreadsheet selection in the channel grid (row labels, Shift, Ctrl,
// Shift+arrows) and the bulk edits on it: Fill Down, Set Selected Cells, one
// row pasted onto many, each one undoable step named in the Edit menu's
// language, and all-or-nothing when a cell is refused. The channels
// rearranged (moved by key, menu or drag, sorted, inserted, deleted): whole
// records move, bits no column shows included, and undo to the same bytes.

#include "window_fixture.h"

#include "model/ChannelMoves.h"
#include "model/ChannelTable.h"
#include "ui/CommandIds.h"
#include "ui/qt/channels/ChannelEdits.h"
#include "ui/qt/channels/ChannelGrid.h"
#include "ui/qt/channels/EditHistory.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/common/Messages.h"
#include "ui/qt/dialogs/SetCellsDlg.h"
#include "ui/qt/shell/MainFrame.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QUndoStack>

#include <cstring>

namespace {

using radio::Image;

Image fromBytes(const QByteArray& b) {
    Image img;
    std::memcpy(img.data(), b.constData(), img.size());
    return img;
}

// The image `before` rearranged by the model's rule, as the grid saves it
// (an erased record shows as an empty row, saved with the row's bits).
QByteArray expected(const QByteArray& before, const radio::moves::Order& order) {
    Image img = radio::moves::apply(fromBytes(before), order);
    radio::tableToImage(radio::imageToTable(img, radio::Language::English), img);
    return bytes(img);
}

QByteArray record(const QByteArray& img, int channel) {
    return img.mid(channel * 16, 16);
}

// Channels 1..5 programmed, each with its number in a byte no column shows;
// channels 1, 3, 5 scanned; channel 4 the priority channel.
Image sample() {
    radio::ChannelTable t =
        radio::imageToTable(radio::newDocumentImage(), radio::Language::English);
    const char* const rx[] = {"465.00000", "462.50000", "467.00000", "461.00000", "466.00000"};
    for (int n = 1; n <= 5; ++n)
        t[n] = {t[n][0],
                rx[n - 1],
                rx[n - 1],
                n == 2 ? "67.0" : "None",
                "None",
                n == 3 ? "Low" : "High",
                n % 2 ? "Yes" : "No",
                "Off",
                "Wide",
                "Off",
                "Off"};
    Image img = radio::newDocumentImage();
    radio::tableToImage(t, img);
    for (int n = 1; n <= 16; ++n)
        img[radio::mm::channelOffset(n) + 15] = std::uint8_t(0x40 + n);
    radio::mm::set(img, radio::mm::PriorityChannel, 4);
    return img;
}

} // namespace

class GridSelectionTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_values;
    std::unique_ptr<TempProgram> m_prog;
    std::unique_ptr<CProgramApp> m_app;
    CProgramView* m_view = nullptr;
    CChannelGrid* m_grid = nullptr;
    CMainFrame* m_frame = nullptr;
    QStringList m_messages;

    void start(const char* language = "English") {
        m_view = startForTyping(m_prog, m_app, language);
        QVERIFY2(m_view, "the program did not start with its window active");
        m_grid = m_view->grid();
    }
    void click(int row, int col, Qt::KeyboardModifiers mods = {}) {
        QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, mods,
                          m_grid->cellRect(row, col).center());
    }
    // Types a value into a cell the way the user does, and lets the step settle.
    void type(int row, int col, const QString& text) {
        click(row, col);
        auto* edit = qobject_cast<QLineEdit*>(m_view->openEditor());
        QVERIFY(edit);
        edit->setText(text);
        edit->setModified(true);
        QTest::keyClick(edit, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    QList<int> selectedRows() const {
        QList<int> rows;
        for (int r = 1; r < 17; ++r)
            if (m_grid->rowSelected(r))
                rows << r;
        return rows;
    }
    QStringList rowTexts(int row) const {
        QStringList r;
        for (int c = 1; c < 11; ++c)
            r << m_grid->textMatrix(row, c);
        return r;
    }
    QByteArray image() const { return bytes(m_view->gridImage()); }
    void clickLabel(int row, Qt::KeyboardModifiers mods = {}) { click(row, 0, mods); }
    QPoint labelAt(int row) const { return m_grid->cellRect(row, 0).center(); }
    // The sample channels in a fresh history.
    void loadSample() {
        m_frame = m_app->mainFrame();
        m_view->document()->m_image = sample();
        m_view->ImageToGrid();
        QCoreApplication::processEvents();
        m_view->history()->reset();
    }
    // Channel 1 programmed with non-default settings, the rest empty.
    void programFirstChannel() {
        type(1, 1, QStringLiteral("462.5"));
        m_view->grid()->setCurrent(1, 5);
        m_view->ShowCellEditor();
        auto* power = qobject_cast<QComboBox*>(m_view->openEditor());
        QVERIFY(power);
        power->setCurrentText(QStringLiteral("Low"));
        QTest::keyClick(power, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(m_grid->textMatrix(1, 5), QStringLiteral("Low"));
    }

private slots:
    void initTestCase() {
        isolateUserValues(m_values);
        keepMessages(m_messages);
    }
    void init() { m_messages.clear(); }
    void cleanupTestCase() { m_app.reset(); }

    void rowLabelsSelectRowsWithShiftAndCtrl() {
        start();
        click(3, 2); // a value cell: the editor opens as always
        QVERIFY(m_view->openEditor());

        click(4, 0);
        QCOMPARE(selectedRows(), QList<int>{4});
        QVERIFY(!m_view->openEditor()); // the highlight stays visible
        QCOMPARE(m_grid->row(), 4);
        QCOMPARE(m_grid->col(), 2); // the column stays, never the label column
        QCOMPARE(m_grid->item(3, 0)->background().color(), m_grid->palette().highlight().color());
        QVERIFY(m_grid->item(2, 0)->background().color() != m_grid->palette().highlight().color());

        click(7, 0, Qt::ShiftModifier);
        QCOMPARE(selectedRows(), (QList<int>{4, 5, 6, 7}));
        click(5, 0, Qt::ControlModifier); // toggled off
        QCOMPARE(selectedRows(), (QList<int>{4, 6, 7}));
        click(10, 0, Qt::ControlModifier); // toggled on
        QCOMPARE(selectedRows(), (QList<int>{4, 6, 7, 10}));
        QCOMPARE(m_grid->item(4, 0)->background().color(), m_grid->palette().button().color());

        // Shift from a row anchor selects whole rows, even clicking a cell.
        click(12, 0);
        click(14, 6, Qt::ShiftModifier);
        QCOMPARE(selectedRows(), (QList<int>{12, 13, 14}));
        QVERIFY(!m_view->openEditor());

        // A plain click on a cell is one cell again, with its editor.
        click(2, 3);
        QVERIFY(selectedRows().isEmpty());
        QCOMPARE(m_grid->selectedCells(), QVector<QPoint>{QPoint(3, 2)});
        QVERIFY(m_view->openEditor());
        // Shift-click on a cell selects the block; Ctrl-click adds a cell.
        click(4, 4, Qt::ShiftModifier);
        QCOMPARE(m_grid->selectedCells().size(), 6);
        click(9, 9, Qt::ControlModifier);
        QCOMPARE(m_grid->selectedCells().size(), 7);
        QVERIFY(m_grid->selectedCells().contains(QPoint(9, 9)));
        QVERIFY(!m_view->openEditor());
    }

    void shiftArrowsExtendAndCommitFirst() {
        start();
        click(2, 1);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("461"));
        // Shift+Down leaves typed text like a plain Down: it is committed.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(m_grid->textMatrix(2, 1), QStringLiteral("461.00000"));
        QTest::keyClick(m_grid, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(m_grid, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(m_grid->row(), 4);
        QCOMPARE(m_grid->col(), 2);
        QCOMPARE(m_grid->selectedCells(),
                 (QVector<QPoint>{{1, 2}, {2, 2}, {1, 3}, {2, 3}, {1, 4}, {2, 4}}));
        QVERIFY(!m_view->openEditor());
        // A row anchor extends whole rows; the edge of the grid stops it.
        click(15, 0);
        QTest::keyClick(m_grid, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(m_grid, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(selectedRows(), (QList<int>{15, 16}));
        // A plain arrow is a plain move again.
        QTest::keyClick(m_grid, Qt::Key_Up);
        QCOMPARE(m_grid->selectedCells(), QVector<QPoint>{QPoint(2, 15)});
    }

    void fillDownAppliesUndoesAndRedoes() {
        start();
        programFirstChannel();
        const QByteArray before = image();
        click(1, 0);
        click(4, 0, Qt::ShiftModifier);
        m_view->edits()->fillDown();
        QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join('\n')));
        for (int r = 2; r <= 4; ++r)
            QCOMPARE(rowTexts(r), rowTexts(1));
        QCOMPARE(rowTexts(5), QStringList(10, QString()));
        const QByteArray filled = image();
        QVERIFY(filled != before);
        QCOMPARE(filled.mid(2 * 16, 16), filled.mid(16, 16)); // channel 2 as channel 1
        QCOMPARE(m_view->history()->undoText(), QStringLiteral("Fill Down"));

        m_view->history()->undoStack()->undo();
        QCOMPARE(image(), before);
        QCOMPARE(m_view->history()->redoText(), QStringLiteral("Fill Down"));
        m_view->history()->undoStack()->redo();
        QCOMPARE(image(), filled);

        // One column only: the other cells keep their values.
        m_view->history()->undoStack()->undo();
        type(3, 1, QStringLiteral("465"));
        click(1, 5);
        click(3, 5, Qt::ShiftModifier);
        m_view->edits()->fillDown();
        QCOMPARE(m_grid->textMatrix(3, 5), QStringLiteral("Low"));
        QCOMPARE(m_grid->textMatrix(3, 1), QStringLiteral("465.00000"));
        QCOMPARE(m_grid->textMatrix(2, 5), QString()); // no channel, no setting
    }

    void setSelectedCellsAskAndApply() {
        start();
        programFirstChannel();
        type(2, 1, QStringLiteral("463"));
        type(5, 1, QStringLiteral("464"));
        const QByteArray before = image();
        click(1, 5);
        click(2, 5, Qt::ShiftModifier);
        click(5, 5, Qt::ControlModifier);

        QString shownColumn;
        ChannelEdits::askValue = [&](CSetCellsDlg* dlg) {
            shownColumn = dlg->findChild<QLabel*>(QStringLiteral("column"))->text();
            if (!dlg->list())
                return false;
            dlg->list()->setCurrentText(QStringLiteral("High"));
            return true;
        };
        m_view->edits()->setSelectedCells();
        QCOMPARE(shownColumn, QStringLiteral("Power"));
        for (int r : {1, 2, 5})
            QCOMPARE(m_grid->textMatrix(r, 5), QStringLiteral("High"));
        QCOMPARE(m_view->history()->undoText(), QStringLiteral("Set Selected Cells"));
        const QByteArray set = image();
        m_view->history()->undoStack()->undo();
        QCOMPARE(image(), before);
        m_view->history()->undoStack()->redo();
        QCOMPARE(image(), set);

        // Cancelled: nothing happens.
        ChannelEdits::askValue = [](CSetCellsDlg*) { return false; };
        const int steps = m_view->history()->undoStack()->count();
        m_view->edits()->setSelectedCells();
        QCOMPARE(m_view->history()->undoStack()->count(), steps);

        // A frequency column is typed; rows 1 and 2 get a new Tx.
        click(1, 2);
        click(2, 2, Qt::ShiftModifier);
        ChannelEdits::askValue = [](CSetCellsDlg* dlg) {
            if (!dlg->edit())
                return false;
            dlg->edit()->setText(QStringLiteral("466.0125"));
            return true;
        };
        m_view->edits()->setSelectedCells();
        QCOMPARE(m_grid->textMatrix(1, 2), QStringLiteral("466.01250"));
        QCOMPARE(m_grid->textMatrix(2, 2), QStringLiteral("466.01250"));
        ChannelEdits::askValue = {};
    }

    void refusedCellsChangeNothing() {
        start();
        programFirstChannel();
        type(3, 1, QStringLiteral("465"));
        const QByteArray before = image();
        const int steps = m_view->history()->undoStack()->count();

        click(1, 1);
        click(3, 1, Qt::ShiftModifier);
        ChannelEdits::askValue = [](CSetCellsDlg* dlg) {
            dlg->edit()->setText(QStringLiteral("480"));
            return true;
        };
        m_view->edits()->setSelectedCells();
        ChannelEdits::askValue = {};
        QCOMPARE(image(), before);
        QCOMPARE(m_view->history()->undoStack()->count(), steps);
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages[0], QStringLiteral("Nothing was changed:\n"
                                               "Row 1, Rx Frequency: Out of range,please input "
                                               "again.\n"
                                               "Row 2, Rx Frequency: Out of range,please input "
                                               "again.\n"
                                               "Row 3, Rx Frequency: Out of range,please input "
                                               "again."));

        // Fill Down of a value the band no longer takes is refused the same way.
        m_view->setBand(46400000, 47000000);
        QStringList problems;
        QVERIFY(!m_view->edits()->fillDown(&problems));
        QCOMPARE(problems, (QStringList{"Row 2, Rx Frequency: Out of range,please input again.",
                                        "Row 3, Rx Frequency: Out of range,please input again."}));
        QCOMPARE(image(), before);
        QCOMPARE(m_view->history()->undoStack()->count(), steps);
    }

    void oneRowPastesOntoEverySelectedRow() {
        start();
        programFirstChannel();
        const QByteArray before = image();
        click(1, 1);
        const QString line = m_view->edits()->copyText();
        click(3, 0);
        click(5, 0, Qt::ShiftModifier);
        click(9, 0, Qt::ControlModifier);
        QStringList problems;
        QVERIFY(m_view->edits()->paste(line, &problems));
        for (int r : {3, 4, 5, 9})
            QCOMPARE(rowTexts(r), rowTexts(1));
        QCOMPARE(rowTexts(6), QStringList(10, QString()));
        QCOMPARE(m_view->history()->undoText(), QStringLiteral("Paste"));
        m_view->history()->undoStack()->undo();
        QCOMPARE(image(), before);

        // Refused on every row: nothing is pasted, each row is named.
        problems.clear();
        QVERIFY(!m_view->edits()->paste(
            QStringLiteral("480\t\tNone\tNone\tHigh\tNo\tOff\tWide\tOff\tOff"), &problems));
        QCOMPARE(problems.size(), 4);
        QVERIFY(problems[3].startsWith(QStringLiteral("Row 9, Rx Frequency")));
        QCOMPARE(image(), before);
    }

    void eachCommandMovesWholeRecordsAsOneStep() {
        start();
        loadSample();
        const QByteArray original = image();
        QCOMPARE(original.at(0x161), char(4));

        // Ctrl+Shift+Up on rows 3 and 4 chosen by their numbers.
        clickLabel(3);
        clickLabel(4, Qt::ShiftModifier);
        QTest::keyClick(m_grid, Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
        const QByteArray up = image();
        QCOMPARE(record(up, 2), record(original, 3));
        QCOMPARE(record(up, 3), record(original, 4));
        QCOMPARE(record(up, 4), record(original, 2));
        QCOMPARE(up.at(0x161), char(3)); // the priority channel went along
        QCOMPARE(up, expected(original, radio::moves::moveBy({3, 4}, -1)));
        QCOMPARE(selectedRows(), (QList<int>{2, 3}));
        QCOMPARE(m_frame->action(ids::ID_EDIT_UNDO)->text(), QStringLiteral("&Undo Move Up"));

        // The same rows again, down twice by the menu: one step each.
        m_frame->action(ids::ID_EDIT_MOVE_DOWN)->trigger();
        m_frame->action(ids::ID_EDIT_MOVE_DOWN)->trigger();
        QCOMPARE(selectedRows(), (QList<int>{4, 5}));
        QCOMPARE(image(), expected(original, radio::moves::moveBy({3, 4}, 1)));
        QCOMPARE(m_view->history()->undoStack()->count(), 3);

        // Two selected rows sort among themselves; one selected row sorts all.
        m_frame->action(ids::ID_EDIT_SORT_RX)->trigger();
        QCOMPARE(m_grid->textMatrix(4, 1), QStringLiteral("461.00000"));
        QCOMPARE(m_grid->textMatrix(1, 1), QStringLiteral("465.00000"));
        clickLabel(1);
        m_frame->action(ids::ID_EDIT_SORT_RX)->trigger();
        QCOMPARE(m_grid->textMatrix(1, 1), QStringLiteral("461.00000"));
        QCOMPARE(m_grid->textMatrix(5, 1), QStringLiteral("467.00000"));
        QCOMPARE(m_view->history()->undoText(), QStringLiteral("Sort by Rx Frequency"));
        const QByteArray sorted = image();
        clickLabel(2);
        m_frame->action(ids::ID_EDIT_INSERT_CHANNEL)->trigger();
        QCOMPARE(image(), expected(sorted, *radio::moves::insertEmpty(fromBytes(sorted), 2)));
        QCOMPARE(m_grid->textMatrix(2, 1), QString());
        QCOMPARE(m_grid->textMatrix(3, 1), QStringLiteral("462.50000"));
        const QByteArray inserted = image();
        clickLabel(1);
        clickLabel(3, Qt::ControlModifier);
        m_frame->action(ids::ID_EDIT_DELETE_CHANNELS)->trigger();
        QCOMPARE(image(), expected(inserted, radio::moves::remove({1, 3})));
        QCOMPARE(m_view->history()->undoText(), QStringLiteral("Delete Channels"));
        const QByteArray deleted = image();

        // Undone step by step, then redone: every byte as it was each time.
        for (const char* step : {"Delete Channels", "Insert Channel", "Sort by Rx Frequency",
                                 "Sort by Rx Frequency", "Move Down", "Move Down", "Move Up"}) {
            QCOMPARE(m_view->history()->undoText(), QLatin1String(step));
            m_view->history()->undoStack()->undo();
        }
        QCOMPARE(image(), original);
        while (m_view->history()->undoStack()->canRedo())
            m_view->history()->undoStack()->redo();
        QCOMPARE(image(), deleted);

        // No room below: said why, nothing changes.
        for (int n = 1; n <= 16; ++n)
            for (int c : {1, 2})
                m_grid->setTextMatrix(n, c, QStringLiteral("463.00000"));
        m_view->history()->reset();
        const QByteArray full = image();
        clickLabel(2);
        m_frame->action(ids::ID_EDIT_INSERT_CHANNEL)->trigger();
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages[0].contains(QStringLiteral("channel 2")), qPrintable(m_messages[0]));
        QCOMPARE(image(), full);
        QVERIFY(!m_view->history()->undoStack()->canUndo());
    }

    void draggedRowsMoveLikeMoveDown() {
        start();
        loadSample();
        const QByteArray original = image();
        clickLabel(1);
        clickLabel(2, Qt::ShiftModifier);
        QTest::mousePress(m_grid->viewport(), Qt::LeftButton, {}, labelAt(1));
        QTest::mouseMove(m_grid->viewport(), labelAt(3));
        QTest::mouseMove(m_grid->viewport(), labelAt(4));
        QCOMPARE(m_grid->dropRow(), 4);
        QTest::mouseRelease(m_grid->viewport(), Qt::LeftButton, {}, labelAt(4));
        QCOMPARE(image(), expected(original, radio::moves::moveBy({1, 2}, 3)));
        QCOMPARE(selectedRows(), (QList<int>{4, 5}));
        QCOMPARE(m_view->history()->undoText(), QStringLiteral("Move Channels"));
        m_view->history()->undoStack()->undo();
        QCOMPARE(image(), original);

        // Pressed and released in place: a click that selects that row alone.
        QTest::mousePress(m_grid->viewport(), Qt::LeftButton, {}, labelAt(4));
        QTest::mouseRelease(m_grid->viewport(), Qt::LeftButton, {}, labelAt(4));
        QCOMPARE(selectedRows(), QList<int>{4});
        QCOMPARE(image(), original);
    }

    // Each step is named in the Edit menu's language; Ctrl+D fills down.
    void undoTextsInBothLanguages_data() {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("menu");
        QTest::newRow("English") << QByteArray("English")
                                 << QStringList{"Edit Cell", "Fill Down", "Paste", "Clear"}
                                 << QStringList{"&Undo Fill Down", "&Redo Fill Down", "&Undo"};
        QTest::newRow("Chinese") << QByteArray("Chinese")
                                 << QStringList{"编辑单元格", "向下填充", "粘贴", "清除"}
                                 << QStringList{"撤销 向下填充(&U)", "重做 向下填充(&R)",
                                                "撤销(&U)"};
    }
    void undoTextsInBothLanguages() {
        QFETCH(QByteArray, language);
        QFETCH(QStringList, names);
        QFETCH(QStringList, menu);
        start(language.constData());
        CMainFrame* f = m_app->mainFrame();
        QCOMPARE(m_view->history()->undoText(), QString());
        type(1, 1, QStringLiteral("462.5"));
        QCOMPARE(m_view->history()->undoText(), names[0]);
        click(1, 0);
        click(3, 0, Qt::ShiftModifier);
        QTest::keyClick(m_grid, Qt::Key_D, Qt::ControlModifier);
        QCoreApplication::processEvents();
        QCOMPARE(m_grid->textMatrix(3, 1), QStringLiteral("462.50000"));
        QCOMPARE(m_view->history()->undoText(), names[1]);
        f->updateCommandStates();
        QCOMPARE(f->action(ids::ID_EDIT_UNDO)->text(), menu[0]);
        f->action(ids::ID_EDIT_UNDO)->trigger();
        QCOMPARE(m_grid->textMatrix(3, 1), QString());
        f->updateCommandStates();
        QCOMPARE(f->action(ids::ID_EDIT_REDO)->text(), menu[1]);
        // Back to the first typed value: Undo names the typing.
        QVERIFY(f->action(ids::ID_EDIT_UNDO)->text() != menu[2]);
        click(1, 0);
        const QString line = m_view->edits()->copyText();
        click(5, 0);
        QVERIFY(m_view->edits()->paste(line, nullptr));
        QCOMPARE(m_view->history()->undoText(), names[2]);
        m_view->edits()->clearRows();
        QCOMPARE(m_view->history()->undoText(), names[3]);
        m_view->history()->undoStack()->undo();
        QCOMPARE(m_view->history()->redoText(), names[3]);
    }
};

QTEST_MAIN(GridSelectionTest)
#include "grid_selection_test.moc"
