// The radio-wide settings dialogs as a user reaches them: from the Edit and
// Program menus and the navigation tree, in English and Chinese, checking
// what each stores in the document's image.

#include "dialogs_support.h"

#include "model/ChannelTable.h"
#include "model/MemoryMap.h"
#include "ui/CommandIds.h"
#include "ui/qt/channels/ChannelGrid.h"
#include "ui/qt/common/Help.h"
#include "ui/qt/dialogs/OptionalFeaturesDlg.h"
#include "ui/qt/dialogs/ProductInfoDlg.h"
#include "ui/qt/dialogs/ScanInfoDlg.h"
#include "ui/qt/shell/NavigationBar.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

using namespace dialogtest;
namespace mm = radio::mm;
namespace opt = radio::optional;

class SettingsDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void optionalFeaturesShowsAndStores_data();
    void optionalFeaturesShowsAndStores();
    void optionalFeaturesCancelChangesNothing();
    void optionalFeaturesKeyboardFilter();
    void optionalFeaturesFromTree();
    void commandsNeedADocument();
    void scanInfoModes();
    void scanInfoChannelCheck();
    void scanInfoEditsAndButtons();
    void scanInfoEnterClampsTypedValue();
    void productInfoStoresChoice_data();
    void productInfoStoresChoice();
};

void SettingsDialogsTest::optionalFeaturesShowsAndStores_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "English";
    QTest::newRow("Chinese") << "Chinese";
}

void SettingsDialogsTest::optionalFeaturesShowsAndStores() {
    QFETCH(QString, language);
    Program p(language.toStdString());
    const bool zh = language == QLatin1String("Chinese");
    radio::Image& img = p.image();
    // Bits no control owns must come back as they were.
    img[mm::TimeOutTimer.offset] |= 0x80;
    img[mm::TotPreAlert.offset] |= 0xA0;
    img[mm::VoxDelay.offset] |= 0xD8;
    img[mm::KeyBeep.offset] |= 0x6E;
    const radio::Image before = img;

    QStringList shown;
    onNextModal([&](QWidget* w) {
        auto* dlg = qobject_cast<COptionalFeaturesDlg*>(w);
        QVERIFY(dlg);
        QCOMPARE(dlg->windowTitle(),
                 zh ? QStringLiteral("可选功能") : QStringLiteral("Optional Features"));
        for (int l = 0; l < opt::kListCount; ++l)
            shown << dlg->list(opt::List(l))->currentText();
        shown << QString::number(dlg->beep()->isChecked())
              << QString::number(dlg->batterySaver()->isChecked());
        dlg->list(opt::TotPreAlert)->setCurrentIndex(0);   // "Off"
        dlg->list(opt::CallKeyDefine)->setCurrentIndex(0); // "Off"
        dlg->list(opt::VoiceAnnunciation)->setCurrentIndex(2);
        dlg->list(opt::VoxDelayTime)->setCurrentIndex(5);
        dlg->beep()->setChecked(false);
        dlg->okButton()->click();
    });
    p.frame->runCommand(ids::ID_EDIT_OPTIONAL_FEATURES);

    const QString off = zh ? QStringLiteral("关") : QStringLiteral("Off");
    const QStringList expected = {QStringLiteral("60s"),
                                  QStringLiteral("8"),
                                  QStringLiteral("4"),
                                  QStringLiteral("5"),
                                  off,
                                  QStringLiteral("1.0"),
                                  zh ? QStringLiteral("中文") : QStringLiteral("Chinese"),
                                  off,
                                  QStringLiteral("1"),
                                  QStringLiteral("1")};
    QCOMPARE(shown, expected);
    QCOMPARE(int(mm::get(img, mm::TotPreAlert)), 1);
    QCOMPARE(int(img[mm::CallKey.offset]), 2);
    QCOMPARE(int(img[mm::VoiceAnnunciation.offset]), 2);
    QCOMPARE(int(mm::get(img, mm::VoxDelay)), 5);
    QCOMPARE(int(mm::get(img, mm::KeyBeep)), 0);
    QCOMPARE(img[mm::TimeOutTimer.offset], before[mm::TimeOutTimer.offset]);
    QCOMPARE(img[mm::TotPreAlert.offset] & 0xF0, 0xA0);
    QCOMPARE(img[mm::VoxDelay.offset] & 0xF8, 0xD8);
    QCOMPARE(img[mm::KeyBeep.offset] & 0xFE, 0x6E);
}

void SettingsDialogsTest::optionalFeaturesCancelChangesNothing() {
    Program p("English");
    const radio::Image before = p.image();
    onNextModal([&](QWidget* w) {
        auto* dlg = qobject_cast<COptionalFeaturesDlg*>(w);
        QVERIFY(dlg);
        for (int l = 0; l < opt::kListCount; ++l)
            dlg->list(opt::List(l))->setCurrentIndex(1);
        dlg->beep()->setChecked(false);
        dlg->batterySaver()->setChecked(false);
        dlg->cancelButton()->click();
    });
    p.frame->runCommand(ids::ID_EDIT_OPTIONAL_FEATURES);
    QVERIFY(p.image() == before);

    // Closing with the close box is a Cancel too.
    onNextModal([&](QWidget* w) {
        qobject_cast<COptionalFeaturesDlg*>(w)->list(opt::SquelchLevel)->setCurrentIndex(9);
        w->close();
    });
    p.frame->runCommand(ids::ID_EDIT_OPTIONAL_FEATURES);
    QVERIFY(p.image() == before);
}

void SettingsDialogsTest::optionalFeaturesKeyboardFilter() {
    Program p("English");
    QList<int> helped;
    setHelpHandler([&](int id) { helped << id; });
    bool stillOpen = false;
    QString squelchAfterKeys;
    onNextModal([&](QWidget* w) {
        auto* dlg = qobject_cast<COptionalFeaturesDlg*>(w);
        QComboBox* squelch = dlg->list(opt::SquelchLevel);
        squelch->setFocus();
        QTest::keyClick(squelch, Qt::Key_Return);
        QTest::keyClick(squelch, Qt::Key_Escape);
        QTest::keyClick(squelch, Qt::Key_Tab);
        stillOpen = dlg->isVisible() && dlg->focusWidget() == squelch;
        QTest::keyClick(squelch, Qt::Key_Down, Qt::ShiftModifier); // discarded
        QTest::keyClick(squelch, Qt::Key_End);                     // discarded
        QTest::keyClick(squelch, Qt::Key_Down);                    // 4 -> 5
        QTest::keyClick(squelch, Qt::Key_F1);
        squelchAfterKeys = squelch->currentText();
        dlg->cancelButton()->click();
    });
    p.frame->runCommand(ids::ID_EDIT_OPTIONAL_FEATURES);
    setHelpHandler({});
    QVERIFY(stillOpen);
    QCOMPARE(squelchAfterKeys, QStringLiteral("5"));
    QCOMPARE(helped, QList<int>{opt::IDC_SQUELCH});
    QVERIFY(COptionalFeaturesDlg::keyPasses(Qt::Key_7, Qt::KeypadModifier));
    QVERIFY(COptionalFeaturesDlg::keyPasses(Qt::Key_Backspace, Qt::NoModifier));
    QVERIFY(!COptionalFeaturesDlg::keyPasses(Qt::Key_A, Qt::NoModifier));
    QVERIFY(!COptionalFeaturesDlg::keyPasses(Qt::Key_Space, Qt::NoModifier));
}

void SettingsDialogsTest::optionalFeaturesFromTree() {
    Program p("Chinese");
    QTreeWidget* tree = p.frame->navigationBar()->tree();
    QTreeWidgetItem* item = nullptr;
    for (int i = 0; i < tree->topLevelItem(0)->childCount(); ++i)
        if (tree->topLevelItem(0)->child(i)->text(0) == QStringLiteral("可选功能"))
            item = tree->topLevelItem(0)->child(i);
    QVERIFY(item);
    int opened = 0;
    for (int round = 0; round < 2; ++round) {
        onNextModal([&](QWidget* w) {
            opened += qobject_cast<COptionalFeaturesDlg*>(w) != nullptr;
            w->close();
        });
        const QRect r = tree->visualItemRect(item);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, r.center());
        QTRY_COMPARE(opened, round + 1);
    }
}

void SettingsDialogsTest::commandsNeedADocument() {
    Program p("English");
    for (int id : {ids::ID_EDIT_OPTIONAL_FEATURES, ids::ID_EDIT_PRODUCT_INFO})
        QVERIFY(p.frame->action(id)->isEnabled());
    delete p.child;
    p.child = nullptr;
    p.frame->updateCommandStates();
    for (int id : {ids::ID_EDIT_OPTIONAL_FEATURES, ids::ID_EDIT_PRODUCT_INFO,
                   ids::ID_EDIT_POWER_ADJUST, ids::ID_EDIT_PARAM_ADJUST}) {
        QVERIFY(!p.frame->canRun(id));
        QVERIFY(!p.frame->action(id)->isEnabled());
        // Run anyway (as the tree would): nothing opens.
        p.frame->runCommand(id);
        QVERIFY(!QApplication::activeModalWidget());
    }
}

void SettingsDialogsTest::scanInfoModes() {
    Program p("Chinese");
    QStringList opened, fixed, selected;
    onNextModal([&](QWidget* w) {
        auto* dlg = qobject_cast<CScanInfoDlg*>(w);
        QVERIFY(dlg);
        opened << items(dlg->priorityList()) << dlg->priorityList()->currentText()
               << dlg->priorityChannel()->text() << dlg->lookBackA()->text()
               << dlg->lookBackB()->text() << dlg->dropout()->text() << dlg->dwell()->text()
               << items(dlg->revertList()) << QString::number(dlg->revertList()->currentIndex());
        QVERIFY(!dlg->priorityChannel()->isEnabled() && !dlg->lookBackB()->isEnabled() &&
                !dlg->spin(radio::scan::IDC_SPIN_A)->isEnabled() && dlg->dwell()->isEnabled());
        dlg->priorityList()->setCurrentIndex(radio::scan::PriorityFixed);
        QVERIFY(dlg->priorityChannel()->isEnabled() && dlg->lookBackA()->isEnabled() &&
                dlg->spin(radio::scan::IDC_SPIN_B)->isEnabled());
        fixed = items(dlg->revertList());
        dlg->priorityList()->setCurrentIndex(radio::scan::PrioritySelected);
        selected = items(dlg->revertList());
        dlg->revertList()->setCurrentIndex(1); // "Priority+Talk back"
        dlg->okButton()->click();
    });
    p.frame->runCommand(ids::ID_PROGRAM_SCAN_INFO);
    QCOMPARE(opened, (QStringList{"None", "Fixed", "Selected", "None", "", "0.9", "1.5", "48", "48",
                                  "选定", "选定+当前通话", "-1"}));
    QCOMPARE(fixed, (QStringList{"选定", "选定+当前通话", "优先", "优先+当前通话"}));
    QCOMPARE(selected, (QStringList{"优先", "优先+当前通话"}));
    QCOMPARE(int(p.image()[mm::ScanPriorityMode.offset]), 2);
    QCOMPARE(int(p.image()[mm::RevertChannel.offset]), 3);

    // Opening again shows what was stored.
    QString revert;
    onNextModal(
        [&](QWidget* w) { revert = qobject_cast<CScanInfoDlg*>(w)->revertList()->currentText(); });
    p.frame->runCommand(ids::ID_PROGRAM_SCAN_INFO);
    QCOMPARE(revert, QStringLiteral("优先+当前通话"));
}

void SettingsDialogsTest::scanInfoChannelCheck() {
    Program p("English");
    radio::Image before{};
    SeenMessage msg;
    bool openAfterRefusal = false;
    QString channelAfterRefusal;
    onNextModal([&](QWidget* w) {
        auto* dlg = qobject_cast<CScanInfoDlg*>(w);
        before = p.image();
        dlg->priorityList()->setCurrentIndex(radio::scan::PriorityFixed);
        dlg->priorityChannel()->setText(QStringLiteral("3"));
        dlg->priorityChannel()->selectAll();
        answerNextMessage(&msg, dlg);
        dlg->okButton()->click();
        openAfterRefusal = dlg->isVisible();
        channelAfterRefusal = dlg->priorityChannel()->text();
        // A number past the last channel is refused the same way.
        dlg->priorityChannel()->setText(QStringLiteral("17"));
        answerNextMessage(&msg, dlg);
        dlg->okButton()->click();
        dlg->close();
    });
    p.frame->runCommand(ids::ID_PROGRAM_SCAN_INFO);
    QCOMPARE(msg.count, 2);
    QCOMPARE(msg.text, QStringLiteral("Please select channel inputed"));
    QVERIFY(openAfterRefusal);
    QCOMPARE(channelAfterRefusal, QString()); // the selected text was removed
    QVERIFY(p.image() == before);

    // Channel 3 typed into the grid counts at once: Scan Info encodes the
    // grid before it opens.
    p.view()->grid()->setTextMatrix(3, radio::ColRx, QStringLiteral("435.00000"));
    p.view()->grid()->setTextMatrix(3, radio::ColTx, QStringLiteral("435.00000"));
    onNextModal([&](QWidget* w) {
        auto* dlg = qobject_cast<CScanInfoDlg*>(w);
        dlg->priorityList()->setCurrentIndex(radio::scan::PriorityFixed);
        dlg->priorityChannel()->setText(QStringLiteral("3"));
        dlg->okButton()->click();
    });
    p.frame->runCommand(ids::ID_PROGRAM_SCAN_INFO);
    QCOMPARE(int(p.image()[mm::PriorityChannel.offset]), 3);
    QCOMPARE(int(p.image()[mm::ScanPriorityMode.offset]), 1);

    QString shownChannel;
    onNextModal([&](QWidget* w) {
        shownChannel = qobject_cast<CScanInfoDlg*>(w)->priorityChannel()->text();
        w->close();
    });
    p.frame->runCommand(ids::ID_PROGRAM_SCAN_INFO);
    QCOMPARE(shownChannel, QStringLiteral(" 3"));
}

void SettingsDialogsTest::scanInfoEditsAndButtons() {
    Program p("English");
    QStringList seen;
    SeenMessage msg;
    onNextModal([&](QWidget* w) {
        auto* dlg = qobject_cast<CScanInfoDlg*>(w);
        dlg->priorityList()->setCurrentIndex(radio::scan::PriorityFixed);
        auto leave = [&](QLineEdit* e, const QString& text) {
            e->setFocus();
            e->setText(text);
            dlg->okButton()->setFocus(); // the focus moves on
            return e->text();
        };
        seen << leave(dlg->lookBackA(), "1.23") << leave(dlg->lookBackA(), "0.33")
             << leave(dlg->lookBackA(), "7");
        dlg->spin(radio::scan::IDC_SPIN_A)->upButton()->click();
        seen << dlg->lookBackA()->text();
        dlg->spin(radio::scan::IDC_SPIN_A)->downButton()->click();
        seen << dlg->lookBackA()->text();
        dlg->lookBackB()->setText("2");
        dlg->spin(radio::scan::IDC_SPIN_B)->upButton()->click();
        seen << dlg->lookBackB()->text();
        dlg->dwell()->setText("0");
        dlg->spin(radio::scan::IDC_SPIN_DWELL)->downButton()->click();
        seen << dlg->dwell()->text();
        seen << leave(dlg->dropout(), "999");
        dlg->spin(radio::scan::IDC_SPIN_DROPOUT)->upButton()->click();
        seen << dlg->dropout()->text();
        dlg->spin(radio::scan::IDC_SPIN_DROPOUT)->downButton()->click();
        // Not a number: a message, and the previous value comes back.
        answerNextMessage(&msg, dlg);
        seen << leave(dlg->lookBackB(), "abc");
        dlg->priorityList()->setCurrentIndex(radio::scan::PriorityNone);
        dlg->revertList()->setCurrentIndex(1);
        dlg->okButton()->click();
    });
    p.frame->runCommand(ids::ID_PROGRAM_SCAN_INFO);
    QCOMPARE(seen, (QStringList{"1.2", "0.5", "5", "0.5", "5", "2.05", "300", "300", "0", "2.05"}));
    QCOMPARE(msg.count, 1);
    QCOMPARE(msg.text, QStringLiteral("Please enter a number."));
    radio::Image& img = p.image();
    QCOMPARE(int(img[mm::LookBackA.offset]), 91);
    QCOMPARE(int(img[mm::LookBackB.offset]), 32);
    QCOMPARE(mm::get16(img, mm::DropoutDelay), 300u);
    QCOMPARE(int(img[mm::DropoutDelay.offset]), 0x2C);
    QCOMPARE(int(img[mm::DropoutDelay.offset + 1]), 0x01);
    QCOMPARE(mm::get16(img, mm::TxDwellTime), 300u);
    QCOMPARE(int(img[mm::RevertChannel.offset]), 1);
    QCOMPARE(int(img[mm::ScanPriorityMode.offset]), 0);
}

void SettingsDialogsTest::scanInfoEnterClampsTypedValue() {
    // Enter presses OK while the edit still has the focus: the typed value
    // must get the limits it gets when the edit is left.
    Program p("English");
    onNextModal([&](QWidget* w) {
        auto* dlg = qobject_cast<CScanInfoDlg*>(w);
        dlg->dropout()->setFocus();
        dlg->dropout()->setText("999");
        QTest::keyClick(dlg->dropout(), Qt::Key_Return);
    });
    p.frame->runCommand(ids::ID_PROGRAM_SCAN_INFO);
    QCOMPARE(mm::get16(p.image(), mm::DropoutDelay), 300u);
}

void SettingsDialogsTest::productInfoStoresChoice_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("title");
    QTest::newRow("English") << "English"
                             << "Radio  [ Type:M1  Fre:430-480 ]";
    QTest::newRow("Chinese") << "Chinese"
                             << "电台  [ Type:M1  Fre:430-480 ]";
}

void SettingsDialogsTest::productInfoStoresChoice() {
    QFETCH(QString, language);
    QFETCH(QString, title);
    Program p(language.toStdString(), "400-470");
    QList<int> helped;
    setHelpHandler([&](int id) { helped << id; });
    QStringList shown;
    onNextModal([&](QWidget* w) {
        auto* dlg = qobject_cast<CProductInfoDlg*>(w);
        QVERIFY(dlg);
        shown << items(dlg->typeList()) << items(dlg->frequencyList());
        // A Type change refills the bands and selects the first.
        dlg->frequencyList()->setCurrentIndex(1);
        dlg->typeList()->setCurrentIndex(1);
        shown << items(dlg->frequencyList()) << dlg->frequencyList()->currentText();
        dlg->typeList()->setCurrentIndex(0);
        dlg->frequencyList()->setCurrentIndex(1);
        dlg->frequencyList()->setFocus();
        QTest::keyClick(dlg->frequencyList(), Qt::Key_F1);
        dlg->okButton()->click();
    });
    p.frame->runCommand(ids::ID_EDIT_PRODUCT_INFO);
    setHelpHandler({});
    QCOMPARE(shown, (QStringList{"M1", "M2", "400-470", "430-480", "136-174", "136-174"}));
    QCOMPARE(helped, QList<int>{CProductInfoDlg::IDC_FREQUENCY});
    QCOMPARE(int(p.image()[mm::ModelType.offset]), 0);
    QCOMPARE(int(p.image()[mm::BandIndex.offset]), 1);
    QCOMPARE(p.values.numbers["RadioTest/Type"], 0u);
    QCOMPARE(p.values.numbers["RadioTest/Field"], 1u);
    QCOMPARE(p.frame->windowTitle(), title);
    QCOMPARE(p.view()->bandLow(), 43000000);
    QCOMPARE(p.view()->bandHigh(), 48000000);

    // The per-user values decide what the next opening shows; Cancel keeps all.
    const radio::Image before = p.image();
    QString shownBand;
    onNextModal([&](QWidget* w) {
        auto* dlg = qobject_cast<CProductInfoDlg*>(w);
        shownBand = dlg->frequencyList()->currentText();
        dlg->typeList()->setCurrentIndex(1);
    });
    p.frame->runCommand(ids::ID_EDIT_PRODUCT_INFO);
    QCOMPARE(shownBand, QStringLiteral("430-480"));
    QVERIFY(p.image() == before);
    QCOMPARE(p.view()->bandLow(), 43000000);
}

QTEST_MAIN(SettingsDialogsTest)
#include "dialogs_settings.moc"
