// Factory mode as a technician uses it: Ctrl+F11 and the access code, the
// two calibration dialogs added to the Edit menu, and a write to the
// (virtual) radio that then covers the calibration bytes too.

#include "dialogs_support.h"
#include "pty_radio.h"

#include "link/VirtualRadio.h"
#include "link/qt/PtyServer.h"
#include "model/MemoryMap.h"
#include "ui/CommandIds.h"
#include "ui/qt/channels/ChannelGrid.h"
#include "ui/qt/dialogs/ParamAdjustDlg.h"
#include "ui/qt/dialogs/PasswordDlg.h"
#include "ui/qt/dialogs/PowerAdjustDlg.h"
#include "ui/qt/dialogs/ProgressDlg.h"
#include "ui/qt/widgets/AdjustGrid.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

using namespace dialogtest;
namespace mm = radio::mm;

namespace {

QStringList editMenu(CMainFrame* f) {
    QStringList texts;
    for (QAction* a : f->menu(1)->actions())
        texts << a->text();
    return texts;
}

void pressCtrlF11(Program& p) {
    p.frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(p.frame.get()));
    p.view()->grid()->setFocus();
    QTest::keyClick(p.view()->grid(), Qt::Key_F11, Qt::ControlModifier);
}

// Types `code` into the password dialog and presses OK.
void typeCode(QWidget* w, const QString& code) {
    auto* dlg = qobject_cast<CPasswordDlg*>(w);
    QVERIFY(dlg);
    dlg->edit()->clear();
    QTest::keyClicks(dlg->edit(), code);
    dlg->okButton()->click();
}

void enterFactoryMode(Program& p) {
    onNextModal([](QWidget* w) { typeCode(w, QStringLiteral("731462")); });
    pressCtrlF11(p);
    QVERIFY(radio::appState().factoryMode);
}

QList<int> bytes(const radio::Image& img, const mm::Field& f) {
    QList<int> out;
    for (int i = 0; i < f.size; ++i)
        out << img[std::size_t(f.offset + i)];
    return out;
}

} // namespace

class FactoryTest : public QObject {
    Q_OBJECT
private slots:
    void wrongCodeThenCancel();
    void rightCodeAddsItemsOnce_data();
    void rightCodeAddsItemsOnce();
    void powerAdjustRowsAndClamps();
    void powerAdjustNarrowBandKeepsLastPair();
    void paramAdjustNewDocument();
    void paramAdjustEditors();
    void writeCoversCalibrationInFactoryMode();
};

void FactoryTest::wrongCodeThenCancel() {
    Program p("English");
    const QStringList before = editMenu(p.frame.get());
    // Undo, Redo, the five channel-row commands, the five that rearrange the
    // channels, the two of channel sets and four separators, then the three entries.
    QCOMPARE(before.size(), 21);
    SeenMessage msg;
    QString shown;
    bool keptOpen = false;
    QString keptText;
    onNextModal([&](QWidget* w) {
        auto* dlg = qobject_cast<CPasswordDlg*>(w);
        QCOMPARE(dlg->edit()->echoMode(), QLineEdit::Password);
        QTest::keyClicks(dlg->edit(), QStringLiteral("7314629"));
        shown = dlg->edit()->displayText();
        dlg->edit()->setText(QStringLiteral("731463"));
        answerNextMessage(&msg, dlg);
        dlg->okButton()->click();
        keptOpen = dlg->isVisible();
        keptText = dlg->edit()->text();
        dlg->cancelButton()->click();
    });
    pressCtrlF11(p);
    QCOMPARE(shown, QStringLiteral("******"));
    QCOMPARE(msg.count, 1);
    QCOMPARE(msg.text, QStringLiteral("Password Error"));
    QCOMPARE(msg.caption, QStringLiteral("Error"));
    QVERIFY(keptOpen);
    QCOMPARE(keptText, QStringLiteral("731463"));
    QVERIFY(!radio::appState().factoryMode);
    QCOMPARE(editMenu(p.frame.get()), before);
}

void FactoryTest::rightCodeAddsItemsOnce_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("power");
    QTest::addColumn<QString>("param");
    QTest::newRow("English") << "English"
                             << "Password Error"
                             << "Power Adjust"
                             << "Param Adjust";
    QTest::newRow("Chinese") << "Chinese"
                             << "密码错误"
                             << "功率调节"
                             << "参数调节";
}

void FactoryTest::rightCodeAddsItemsOnce() {
    QFETCH(QString, language);
    QFETCH(QString, error);
    QFETCH(QString, power);
    QFETCH(QString, param);
    Program p(language.toStdString());
    const QStringList before = editMenu(p.frame.get());
    SeenMessage msg;
    onNextModal([&](QWidget* w) {
        answerNextMessage(&msg, w);
        typeCode(w, QStringLiteral("123456"));
        typeCode(w, QStringLiteral("731462"));
    });
    pressCtrlF11(p);
    QCOMPARE(msg.text, error);
    QVERIFY(radio::appState().factoryMode);
    QCOMPARE(editMenu(p.frame.get()), before + (QStringList{power, param}));
    QVERIFY(p.frame->action(ids::ID_EDIT_POWER_ADJUST)->isEnabled());
    QVERIFY(p.frame->action(ids::ID_EDIT_PARAM_ADJUST)->isEnabled());

    // Asked again, and nothing more is added.
    int asked = 0;
    onNextModal([&](QWidget* w) {
        ++asked;
        typeCode(w, QStringLiteral("731462"));
    });
    pressCtrlF11(p);
    QCOMPARE(asked, 1);
    QCOMPARE(editMenu(p.frame.get()), before + (QStringList{power, param}));
}

void FactoryTest::powerAdjustRowsAndClamps() {
    Program p("Chinese");
    enterFactoryMode(p);
    const radio::Image untouched = p.image();
    QStringList labels, heads;
    onNextModal([&](QWidget* w) {
        auto* dlg = qobject_cast<CPowerAdjustDlg*>(w);
        QVERIFY(dlg);
        CAdjustGrid* g = dlg->grid();
        for (int r = 1; r < g->rows(); ++r)
            labels << g->textMatrix(r, 0);
        heads << g->textMatrix(0, 1) << g->textMatrix(0, 2);
        QTest::keyClick(g, Qt::Key_Escape); // nothing open: the dialog stays
        QVERIFY(dlg->isVisible());
        dlg->close();
    });
    p.frame->runCommand(ids::ID_EDIT_POWER_ADJUST);
    QCOMPARE(labels, (QStringList{"400", "410", "420", "430", "440", "450", "460", "470"}));
    QCOMPARE(heads, (QStringList{"低功率\n(5-155)", "高功率\n(100-250)"}));
    QVERIFY(p.image() == untouched);

    int rowAfterEnter = 0;
    bool editorHiddenAfterEscape = false;
    QString clickCommitted;
    onNextModal([&](QWidget* w) {
        auto* dlg = qobject_cast<CPowerAdjustDlg*>(w);
        CAdjustGrid* g = dlg->grid();
        QLineEdit* e = dlg->editor();
        QCOMPARE(e->maxLength(), 3);
        g->setFocus();
        g->setCurrent(1, 1);
        QTest::keyClick(g, Qt::Key_Return); // opens the editor
        QVERIFY(e->isVisible());
        QCOMPARE(e->text(), QStringLiteral("47"));
        QTest::keyClicks(e, QStringLiteral("200"));
        QTest::keyClick(e, Qt::Key_Return);
        rowAfterEnter = g->row();
        QTest::keyClick(g, Qt::Key_Return);
        QTest::keyClicks(e, QStringLiteral("3"));
        QTest::keyClick(e, Qt::Key_Return);
        g->setCurrent(1, 2);
        QTest::keyClick(g, Qt::Key_Return);
        QTest::keyClicks(e, QStringLiteral("99"));
        QTest::keyClick(e, Qt::Key_Return);
        QTest::keyClick(g, Qt::Key_Return);
        QTest::keyClicks(e, QStringLiteral("120"));
        QTest::keyClick(e, Qt::Key_Escape);
        editorHiddenAfterEscape = e->isHidden() && dlg->isVisible();
        // A click elsewhere commits the open editor and opens one there.
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->cellRect(3, 1).center());
        QVERIFY(e->isVisible());
        QTest::keyClicks(e, QStringLiteral("60"));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->cellRect(3, 2).center());
        clickCommitted = g->textMatrix(3, 1);
        // Typed but not committed when the dialog closes: still stored.
        QTest::keyClicks(e, QStringLiteral("101"));
        dlg->close();
    });
    p.frame->runCommand(ids::ID_EDIT_POWER_ADJUST);
    QCOMPARE(rowAfterEnter, 2);
    QVERIFY(editorHiddenAfterEscape);
    QCOMPARE(clickCommitted, QStringLiteral("60"));
    QList<int> expected = bytes(untouched, mm::PowerAdjust);
    expected[0] = 155; // 200 is above the range
    expected[2] = 155; // 3 is below it
    expected[1] = 250; // 99 is below the high range
    expected[3] = 120;
    expected[4] = 60;
    expected[5] = 101;
    QCOMPARE(bytes(p.image(), mm::PowerAdjust), expected);
}

void FactoryTest::powerAdjustNarrowBandKeepsLastPair() {
    Program p("English", "400-470");
    enterFactoryMode(p);
    p.image()[mm::PowerAdjust.offset + 14] = 0x11;
    p.image()[mm::PowerAdjust.offset + 15] = 0x22;
    int rows = 0;
    onNextModal([&](QWidget* w) {
        auto* dlg = qobject_cast<CPowerAdjustDlg*>(w);
        rows = dlg->grid()->rows() - 1;
        QCOMPARE(dlg->grid()->textMatrix(0, 1), QStringLiteral("Low Power\n(5-155)"));
        dlg->grid()->setTextMatrix(7, 2, QStringLiteral("200"));
        dlg->close();
    });
    p.frame->runCommand(ids::ID_EDIT_POWER_ADJUST);
    QCOMPARE(rows, 7);
    QCOMPARE(int(p.image()[mm::PowerAdjust.offset + 13]), 200);
    QCOMPARE(int(p.image()[mm::PowerAdjust.offset + 14]), 0x11);
    QCOMPARE(int(p.image()[mm::PowerAdjust.offset + 15]), 0x22);
}

void FactoryTest::paramAdjustNewDocument() {
    Program p("Chinese");
    enterFactoryMode(p);
    QStringList heads, labels, shown;
    onNextModal([&](QWidget* w) {
        auto* dlg = qobject_cast<CParamAdjustDlg*>(w);
        QVERIFY(dlg);
        CAdjustGrid* g = dlg->grid();
        heads << g->textMatrix(0, 1) << g->textMatrix(0, 2);
        for (int r = 1; r <= 5; ++r) {
            labels << g->textMatrix(r, 0);
            shown << g->textMatrix(r, 1) + "/" + g->textMatrix(r, 2);
        }
        QTest::keyClick(g, Qt::Key_Escape);
    });
    p.frame->runCommand(ids::ID_EDIT_PARAM_ADJUST);
    QCOMPARE(heads, (QStringList{"压扩关闭", "压扩开启"}));
    QCOMPARE(labels,
             (QStringList{"音频输入", "音频输出", "MIC输出", "MOD输出", "调制限幅(0-255)"}));
    QCOMPARE(shown, (QStringList{"0/0", "1/1", "0/0", "1/1", "255/255"}));
    QCOMPARE(bytes(p.image(), mm::ParamAdjust),
             (QList<int>{0x00, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x01, 0xFF, 0xFF}));
}

void FactoryTest::paramAdjustEditors() {
    Program p("English");
    enterFactoryMode(p);
    radio::Image& img = p.image();
    img[mm::ParamAdjust.offset + 2] = 5; // Audio output, compander off
    img[mm::Emphasis.offset] = 0xA9;
    QStringList heads;
    QString openedOn, keptAfterLeaving;
    bool marked = false, unmarked = false;
    onNextModal([&](QWidget* w) {
        auto* dlg = qobject_cast<CParamAdjustDlg*>(w);
        CAdjustGrid* g = dlg->grid();
        heads << g->textMatrix(0, 1) << g->textMatrix(0, 2) << g->textMatrix(1, 0);
        auto click = [&](int r, int c) {
            QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->cellRect(r, c).center());
        };
        // The list opens on the cell's value; leaving it unchanged keeps it.
        click(2, 1);
        QCOMPARE(dlg->openEditor(), static_cast<QWidget*>(dlg->list1to7()));
        openedOn = dlg->list1to7()->currentText();
        click(2, 2);
        keptAfterLeaving = g->textMatrix(2, 1);
        marked = g->cellMarked(2, 2);
        unmarked = !g->cellMarked(2, 1);
        // Typed values go through the replacements.
        dlg->list1to7()->setEditText(QStringLiteral("9"));
        click(1, 1);
        QCOMPARE(dlg->openEditor(), static_cast<QWidget*>(dlg->list0to7()));
        dlg->list0to7()->setEditText(QStringLiteral("8"));
        click(4, 2);
        dlg->list1to7()->setEditText(QStringLiteral("6"));
        click(5, 1);
        QCOMPARE(dlg->openEditor(), static_cast<QWidget*>(dlg->limitEdit()));
        QTest::keyClicks(dlg->limitEdit(), QStringLiteral("300"));
        click(5, 2);
        QTest::keyClicks(dlg->limitEdit(), QStringLiteral("200"));
        dlg->deEmphasis()->setChecked(false);
        dlg->preEmphasis()->setChecked(true);
        // The close box stores what the open editor holds, too.
        dlg->close();
    });
    p.frame->runCommand(ids::ID_EDIT_PARAM_ADJUST);
    QCOMPARE(heads, (QStringList{"Compnad Off", "Compand On", "Audio inpput"}));
    QCOMPARE(openedOn, QStringLiteral("5"));
    QCOMPARE(keptAfterLeaving, QStringLiteral("5"));
    QVERIFY(marked);
    QVERIFY(unmarked);
    QCOMPARE(bytes(img, mm::ParamAdjust),
             (QList<int>{0x00, 0x00, 0x05, 0x01, 0x00, 0x00, 0x01, 0x06, 0x00, 0xC8}));
    QCOMPARE(int(img[mm::Emphasis.offset]), 0xAA);
}

void FactoryTest::writeCoversCalibrationInFactoryMode() {
    Program p("English");
    QTemporaryDir dir;
    const QString port = dir.filePath(QStringLiteral("radio"));
    p.view()->m_strPort = port;
    radio::Image radioMemory;
    radioMemory.fill(0x33);

    auto write = [&](PtyRadio& radio) {
        p.frame->runCommand(ids::ID_PROGRAM_WRITE);
        QVERIFY(p.view()->m_pProgressDlg);
        QTest::mouseClick(p.view()->m_pProgressDlg->okButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!p.view()->m_pProgressDlg, 20000);
        radio.stop();
    };
    {
        PtyRadio radio(port, radioMemory);
        QVERIFY(radio.ok());
        write(radio);
        QCOMPARE(radio.radio().blocksWritten(), 122);
        QCOMPARE(int(radio.radio().memory()[mm::PowerAdjust.offset]), 0x33);
    }
    enterFactoryMode(p);
    {
        PtyRadio radio(port, radioMemory);
        QVERIFY(radio.ok());
        write(radio);
        QCOMPARE(radio.radio().blocksWritten(), 127);
        QCOMPARE(bytes(radio.radio().memory(), mm::PowerAdjust), bytes(p.image(), mm::PowerAdjust));
        QCOMPARE(bytes(radio.radio().memory(), mm::ParamAdjust), bytes(p.image(), mm::ParamAdjust));
    }
}

QTEST_MAIN(FactoryTest)
#include "dialogs_factory.moc"
