// Rearranging the channels in the window: Move Up and Down by key and menu,
// dragging rows by their numbers, Sort, Insert and Delete. Every one moves
// whole records (bits no column shows included), is one undoable step and
// undoes to the same bytes. And the windows that write say what they write.

#include "window_fixture.h"

#include "model/ChannelMoves.h"
#include "model/ChannelTable.h"
#include "ui/CommandIds.h"
#include "ui/qt/channels/ChannelGrid.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/channels/ViewEditing.h"
#include "ui/qt/dialogs/ProgressDlg.h"
#include "ui/qt/shell/FleetDlg.h"
#include "ui/qt/shell/MainFrame.h"

#include <QAction>
#include <QLabel>
#include <QUndoStack>

#include <cstring>

using radio::Image;

namespace {

QByteArray bytes(const Image& img) {
    return QByteArray(reinterpret_cast<const char*>(img.data()), int(img.size()));
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

class ChannelMovesTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_values;
    std::unique_ptr<TempProgram> m_prog;
    std::unique_ptr<CProgramApp> m_app;
    CMainFrame* m_frame = nullptr;
    CProgramView* m_view = nullptr;
    CChannelGrid* m_grid = nullptr;
    CViewEditing* m_edit = nullptr;
    QStringList m_messages;

    void start() {
        m_app.reset();
        m_prog = std::make_unique<TempProgram>();
        m_app = m_prog->app();
        QVERIFY(m_app->InitInstance());
        m_frame = m_app->mainFrame();
        m_view = m_frame->activeView();
        m_grid = m_view->grid();
        m_edit = CViewEditing::of(m_view);
        QApplication::setActiveWindow(m_frame);
        QVERIFY(QTest::qWaitForWindowActive(m_frame));
        m_view->document()->m_image = sample();
        m_view->ImageToGrid();
        QCoreApplication::processEvents();
        m_edit->resetHistory();
    }
    void clickLabel(int row, Qt::KeyboardModifiers mods = {}) {
        QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, mods, labelAt(row));
    }
    QPoint labelAt(int row) const { return m_grid->cellRect(row, 0).center(); }
    QList<int> selectedRows() const {
        QList<int> rows;
        for (int r = 1; r < 17; ++r)
            if (m_grid->rowSelected(r))
                rows << r;
        return rows;
    }
    QByteArray image() const { return bytes(m_edit->gridImage()); }
    static Image fromBytes(const QByteArray& b) {
        Image img;
        std::memcpy(img.data(), b.constData(), img.size());
        return img;
    }
    // The image `before` rearranged by the model's rule, as the grid saves it
    // (an erased record shows as an empty row, saved with the row's bits).
    static QByteArray expected(const QByteArray& before, const radio::moves::Order& order) {
        Image img = radio::moves::apply(fromBytes(before), order);
        radio::tableToImage(radio::imageToTable(img, radio::Language::English), img);
        return bytes(img);
    }
    static QByteArray record(const QByteArray& img, int channel) {
        return img.mid(channel * 16, 16);
    }

private slots:
    void initTestCase() {
        isolateUserValues(m_values);
        CViewEditing::showMessage = [this](QWidget*, const QString& text, bool) {
            m_messages << text;
        };
    }
    void init() { m_messages.clear(); }
    void cleanupTestCase() { m_app.reset(); }

    void eachCommandMovesWholeRecordsAsOneStep() {
        start();
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
        QCOMPARE(m_edit->undoStack()->count(), 3);

        // Two selected rows sort among themselves; one selected row sorts all.
        m_frame->action(ids::ID_EDIT_SORT_RX)->trigger();
        QCOMPARE(m_grid->textMatrix(4, 1), QStringLiteral("461.00000"));
        QCOMPARE(m_grid->textMatrix(1, 1), QStringLiteral("465.00000"));
        clickLabel(1);
        m_frame->action(ids::ID_EDIT_SORT_RX)->trigger();
        QCOMPARE(m_grid->textMatrix(1, 1), QStringLiteral("461.00000"));
        QCOMPARE(m_grid->textMatrix(5, 1), QStringLiteral("467.00000"));
        QCOMPARE(m_edit->undoText(), QStringLiteral("Sort by Rx Frequency"));
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
        QCOMPARE(m_edit->undoText(), QStringLiteral("Delete Channels"));
        const QByteArray deleted = image();

        // Undone step by step, then redone: every byte as it was each time.
        for (const char* step : {"Delete Channels", "Insert Channel", "Sort by Rx Frequency",
                                 "Sort by Rx Frequency", "Move Down", "Move Down", "Move Up"}) {
            QCOMPARE(m_edit->undoText(), QLatin1String(step));
            m_edit->undoStack()->undo();
        }
        QCOMPARE(image(), original);
        while (m_edit->undoStack()->canRedo())
            m_edit->undoStack()->redo();
        QCOMPARE(image(), deleted);

        // No room below: said why, nothing changes.
        for (int n = 1; n <= 16; ++n)
            for (int c : {1, 2})
                m_grid->setTextMatrix(n, c, QStringLiteral("463.00000"));
        m_edit->resetHistory();
        const QByteArray full = image();
        clickLabel(2);
        m_frame->action(ids::ID_EDIT_INSERT_CHANNEL)->trigger();
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages[0].contains(QStringLiteral("channel 2")), qPrintable(m_messages[0]));
        QCOMPARE(image(), full);
        QVERIFY(!m_edit->undoStack()->canUndo());
    }

    void draggedRowsMoveLikeMoveDown() {
        start();
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
        QCOMPARE(m_edit->undoText(), QStringLiteral("Move Channels"));
        m_edit->undoStack()->undo();
        QCOMPARE(image(), original);

        // Pressed and released in place: a click that selects that row alone.
        QTest::mousePress(m_grid->viewport(), Qt::LeftButton, {}, labelAt(4));
        QTest::mouseRelease(m_grid->viewport(), Qt::LeftButton, {}, labelAt(4));
        QCOMPARE(selectedRows(), QList<int>{4});
        QCOMPARE(image(), original);
    }

    void writingWindowsNameTheConfiguration() {
        start();
        m_view->OnWrite();
        QVERIFY2(m_view->m_pProgressDlg, "Write opened no transfer window");
        QCOMPARE(m_view->m_pProgressDlg->configurationText(),
                 QStringLiteral("Configuration: not saved, TR-1, 400-470 MHz"));
        m_view->m_pProgressDlg->OnCancel();

        m_prog->writeFile("customer.dat", bytes(sample()));
        m_view->document()->setPathName(m_prog->path("customer.dat"));
        CFleetDlg* fleet = CFleetDlg::openFor(m_frame);
        QCOMPARE(fleet->configurationLine()->text(),
                 QStringLiteral("Configuration: customer.dat, TR-1, 400-470 MHz"));
        fleet->cancelOrClose();
    }
};

QTEST_MAIN(ChannelMovesTest)
#include "channel_moves_test.moc"
