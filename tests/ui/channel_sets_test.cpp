// The channel picker offscreen, and channel sets in the window: inserted by
// their rules as one undoable step, saved from the selected rows.

#include "window_fixture.h"

#include "app/ChannelSets.h"
#include "ui/CommandIds.h"
#include "ui/qt/channels/ChannelGrid.h"
#include "ui/qt/channels/ChannelSetCommands.h"
#include "ui/qt/channels/EditHistory.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/common/Messages.h"
#include "ui/qt/dialogs/ChannelPickerDlg.h"
#include "ui/qt/shell/MainFrame.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QUndoStack>

namespace {

// 20 rows at Locations 101..120, 25 kHz apart from 440.025 MHz; 105 lies
// outside 400-470 MHz.
radio::interchange::ListFile longList() {
    std::string csv = "Location,Name,Frequency,Tone,rToneFreq\r\n";
    for (int n = 1; n <= 20; ++n) {
        const std::string khz = std::to_string(440000 + 25 * n);
        csv += std::to_string(100 + n) + ",Ch" + std::to_string(n) + "," +
               (n == 5 ? "480.0" : khz.substr(0, 3) + "." + khz.substr(3)) + ",Tone,88.5\r\n";
    }
    return radio::interchange::readList(csv, 40000000, 47000000);
}

} // namespace

class ChannelSetsTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_values;
    QStringList m_messages;

private slots:
    void initTestCase() {
        isolateUserValues(m_values);
        qputenv("XDG_DATA_HOME", m_values.filePath(QStringLiteral("data")).toUtf8());
        keepMessages(m_messages);
    }

    void pickerGreysWhatCannotGoInAndPreviewsTheChannels() {
        CChannelPickerDlg dlg;
        dlg.load(longList(), QStringLiteral("big.csv"), QString());
        QTableWidget* t = dlg.table();
        QCOMPARE(t->rowCount(), 20);
        QCOMPARE(t->item(0, CChannelPickerDlg::ColName)->text(), QStringLiteral("Ch1"));
        QCOMPARE(t->item(0, CChannelPickerDlg::ColRx)->text(), QStringLiteral("440.025"));
        QCOMPARE(t->item(0, CChannelPickerDlg::ColTones)->text(), QStringLiteral("None / 88.5"));
        // Row 105: greyed, not tickable, with its reason.
        QVERIFY(!(t->item(4, CChannelPickerDlg::ColUse)->flags() & Qt::ItemIsEnabled));
        QVERIFY(t->item(4, CChannelPickerDlg::ColNote)->text().contains(QStringLiteral("480")));
        dlg.setChecked(4, true);
        QCOMPARE(t->item(4, CChannelPickerDlg::ColUse)->checkState(), Qt::Unchecked);
        // The first 16 rows that fit are ticked and land in channels 1..16.
        QCOMPARE(dlg.chosen().size(), std::size_t(16));
        QCOMPARE(t->item(5, CChannelPickerDlg::ColChannel)->text(), QStringLiteral("5"));
        QCOMPARE(t->item(16, CChannelPickerDlg::ColChannel)->text(), QStringLiteral("16"));
        QVERIFY(t->item(17, CChannelPickerDlg::ColChannel)->text().isEmpty());
        QVERIFY(dlg.okButton()->isEnabled());

        // From channel 10 they do not fit: said, and OK waits.
        dlg.firstChannelBox()->setValue(10);
        QVERIFY(!dlg.okButton()->isEnabled());
        QCOMPARE(dlg.summary()->text(),
                 QStringLiteral("16 rows are chosen, but channels 10 to 16 are only 7."));
        for (std::size_t i = 0; i < 20; ++i)
            dlg.setChecked(i, i >= 10 && i < 14);
        QVERIFY(dlg.okButton()->isEnabled());
        QCOMPARE(dlg.chosen(), (std::vector<std::size_t>{10, 11, 12, 13}));
        QCOMPARE(t->item(13, CChannelPickerDlg::ColChannel)->text(), QStringLiteral("13"));
        QCOMPARE(dlg.firstChannel(), 10);
    }

    void setsAndLongListsGoInAsOneUndoableStep() {
        TempProgram prog;
        QDir(prog.dir.path()).mkdir(QStringLiteral("channel-sets"));
        for (const QString& f :
             QDir(QStringLiteral(STAGE_DIR "/channel-sets")).entryList(QDir::Files))
            QFile::copy(QStringLiteral(STAGE_DIR "/channel-sets/") + f,
                        prog.dir.filePath(QStringLiteral("channel-sets/")) + f);
        START_PROGRAM_IN(prog);
        view->setBand(40000000, 47000000);

        QStringList offered;
        channelsets::askSet = [&offered](QWidget*, const QStringList& items) {
            offered = items;
            return int(items.indexOf(QRegularExpression(QStringLiteral("^PMR446:.*"))));
        };
        QString details;
        channelsets::askPick = [&details](CChannelPickerDlg* dlg) {
            details = dlg->findChild<QLabel*>(QStringLiteral("details"))->text();
            dlg->firstChannelBox()->setValue(3);
            for (std::size_t i = 4; i < 16; ++i)
                dlg->setChecked(i, false);
            return true;
        };
        f->runCommand(ids::ID_EDIT_INSERT_CHANNEL_SET);
        QCOMPARE(offered.size(), 4);
        QVERIFY2(details.contains(
                     QStringLiteral("PMR446: at most 0.5 W; channels set to Low power and Narrow")),
                 qPrintable(details));
        const auto cells = [view](int row) {
            QStringList r;
            for (int c = 1; c < 11; ++c)
                r << view->grid()->textMatrix(row, c);
            return r.join(QLatin1Char(' '));
        };
        QCOMPARE(cells(3),
                 QStringLiteral("446.00625 446.00625 None None Low Yes Off Narrow Off Off"));
        QCOMPARE(view->grid()->textMatrix(6, 1), QStringLiteral("446.04375"));
        QVERIFY(view->grid()->textMatrix(7, 1).isEmpty());
        QCOMPARE(view->history()->undoText(), QStringLiteral("Insert Channel Set"));
        view->history()->undoStack()->undo();
        QVERIFY(view->grid()->textMatrix(3, 1).isEmpty());

        // A long list through the same picker.
        channelsets::askPick = [](CChannelPickerDlg* dlg) {
            return dlg->findChild<QLabel*>(QStringLiteral("heading"))
                ->text()
                .startsWith(QStringLiteral("big.csv holds 20 rows"));
        };
        channelsets::importWithPicker(view, longList(), QStringLiteral("big.csv"));
        QCOMPARE(view->grid()->textMatrix(16, 1), QStringLiteral("440.42500")); // 105 left out
        QCOMPARE(view->history()->undoText(), QStringLiteral("Import"));

        // The selected rows become the user's own set, under a name not yet taken.
        view->grid()->selectRows(2, 3);
        channelsets::askName = [](QWidget*, const QString&) {
            return QStringLiteral("Customer A");
        };
        f->runCommand(ids::ID_EDIT_SAVE_CHANNEL_SET);
        const auto sets =
            radio::sets::listSets("", channelsets::userFolder(radio::appState()).toStdString());
        QCOMPARE(sets.size(), std::size_t(1));
        QCOMPARE(sets[0].name, std::string("Customer A"));
        QCOMPARE(sets[0].channels, 2);
        QCOMPARE(radio::sets::bandText(sets[0]), std::string("440.05-440.075 MHz"));
        m_messages.clear();
        f->runCommand(ids::ID_EDIT_SAVE_CHANNEL_SET);
        QVERIFY2(m_messages.value(0).contains(QStringLiteral("already")),
                 qPrintable(m_messages.join(QLatin1Char('\n'))));

        // No set fits 136-174 MHz: none is offered.
        view->setBand(13600000, 17400000);
        offered.clear();
        m_messages.clear();
        f->runCommand(ids::ID_EDIT_INSERT_CHANNEL_SET);
        QVERIFY(offered.isEmpty());
        QCOMPARE(m_messages.size(), 1);
    }
};

QTEST_MAIN(ChannelSetsTest)
#include "channel_sets_test.moc"
