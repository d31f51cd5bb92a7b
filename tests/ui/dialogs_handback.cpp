// The dialogs on their own: each is given an image (or a port) to show, and
// hands back what the user made of it, with no main window or document in
// existence. The caller alone decides what becomes of the result.

#include "dialogs_support.h"

#include "model/MemoryMap.h"
#include "model/OptionalFeatures.h"
#include "model/ParamAdjust.h"
#include "model/PowerAdjust.h"
#include "model/ScanInfo.h"
#include "ui/qt/dialogs/ComSetupDlg.h"
#include "ui/qt/dialogs/OptionalFeaturesDlg.h"
#include "ui/qt/dialogs/ParamAdjustDlg.h"
#include "ui/qt/dialogs/PowerAdjustDlg.h"
#include "ui/qt/dialogs/ProductInfoDlg.h"
#include "ui/qt/dialogs/ScanInfoDlg.h"
#include "ui/qt/widgets/AdjustGrid.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace dialogtest;
namespace mm = radio::mm;
namespace opt = radio::optional;

namespace {

bool anyMainWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(w))
            return true;
    return false;
}

// A new document's image with a few bytes set apart from the defaults, so a
// dialog that handed back something else than its own copy would show.
radio::Image sample() {
    radio::Image img = radio::newDocumentImage();
    img[mm::PowerAdjust.offset] = 47;
    img[mm::PowerAdjust.offset + 1] = 200;
    img[mm::ParamAdjust.offset + 2] = 5;
    return img;
}

} // namespace

class HandBackTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    radio::CIniFile m_settings;
    MapValues m_values;

private slots:
    void initTestCase() {
        {
            QFile ini(m_dir.filePath(QStringLiteral("Program.ini")));
            QVERIFY(ini.open(QIODevice::WriteOnly));
            ini.write("[Setup]\nAppName=RadioTest\nType1=M1\nType2=M2\n"
                      "Field1=400-480|430-480\nField2=136-174\n[English]\nAppName=Radio\n");
        }
        m_settings.Load(m_dir.filePath(QStringLiteral("Program.ini")).toStdString(), false, true,
                        0);
        radio::AppState& st = radio::appState();
        radio::setLanguage(st, "English");
        st.settings = &m_settings;
        st.userValues = &m_values;
    }
    void cleanupTestCase() {
        radio::appState().settings = nullptr;
        radio::appState().userValues = nullptr;
    }
    void init() { QVERIFY(!anyMainWindow()); }

    void nothingOpensWithoutALoad() {
        COptionalFeaturesDlg features;
        CScanInfoDlg scan;
        CProductInfoDlg product;
        CPowerAdjustDlg power;
        CParamAdjustDlg param;
        QCOMPARE(features.DoModal(), int(QDialog::Rejected));
        QCOMPARE(scan.DoModal(), int(QDialog::Rejected));
        QCOMPARE(product.DoModal(), int(QDialog::Rejected));
        QCOMPARE(power.DoModal(), int(QDialog::Rejected));
        QCOMPARE(param.DoModal(), int(QDialog::Rejected));
        // Product information needs the settings' lists.
        QVERIFY(!product.load(sample(), nullptr, &m_values, "English"));
        QCOMPARE(product.DoModal(), int(QDialog::Rejected));
    }

    // OK hands back the loaded image with the choices; Cancel hands back the
    // image as it was loaded.
    void optionalFeaturesHandsBackItsChoices() {
        const radio::Image loaded = sample();
        COptionalFeaturesDlg dlg;
        dlg.load(loaded, radio::Language::English);
        opt::Choices expected = opt::decode(loaded);
        expected.index[opt::SquelchLevel] = 3;
        expected.beep = !expected.beep;
        onNextModal([&](QWidget*) {
            dlg.list(opt::SquelchLevel)->setCurrentIndex(3);
            dlg.beep()->click();
            dlg.okButton()->click();
        });
        QCOMPARE(dlg.DoModal(), int(QDialog::Accepted));
        radio::Image want = loaded;
        opt::encode(want, expected);
        QVERIFY(want != loaded);
        QVERIFY(dlg.image() == want);

        dlg.load(loaded, radio::Language::English);
        onNextModal([&](QWidget*) {
            dlg.list(opt::SquelchLevel)->setCurrentIndex(5);
            dlg.cancelButton()->click();
        });
        QCOMPARE(dlg.DoModal(), int(QDialog::Rejected));
        QVERIFY(dlg.image() == loaded);
    }

    // The priority-channel check reads the channels of the image given: the
    // same dialog refuses a channel that one image lacks and takes it from
    // another.
    void scanInfoChecksAndHandsBackTheImageGiven() {
        radio::Image empty = sample();
        empty[mm::channelOffset(3) + mm::rec::kRxMsb] = 0xFF;
        radio::Image programmed = empty;
        programmed[mm::channelOffset(3) + mm::rec::kRxMsb] = 0x46;
        CScanInfoDlg dlg;
        const auto pickChannel3 = [&dlg] {
            const int fixed = dlg.priorityList()->findText(QStringLiteral("Fixed"));
            QVERIFY(fixed >= 0);
            dlg.priorityList()->setCurrentIndex(fixed);
            dlg.priorityChannel()->setText(QStringLiteral("3"));
            dlg.lookBackA()->setText(QStringLiteral("1.5"));
        };

        dlg.load(empty, radio::Language::English);
        SeenMessage refused;
        bool stayedOpen = false;
        onNextModal([&](QWidget* w) {
            pickChannel3();
            answerNextMessage(&refused, w);
            dlg.okButton()->click();
            stayedOpen = dlg.isVisible();
            dlg.reject();
        });
        QCOMPARE(dlg.DoModal(), int(QDialog::Rejected));
        QCOMPARE(refused.count, 1);
        QVERIFY(stayedOpen);
        QVERIFY(dlg.image() == empty);

        dlg.load(programmed, radio::Language::English);
        onNextModal([&](QWidget*) {
            pickChannel3();
            dlg.okButton()->click();
        });
        QCOMPARE(dlg.DoModal(), int(QDialog::Accepted));
        const radio::scan::Values v = radio::scan::decode(dlg.image());
        QCOMPARE(v.priorityChannel, std::string(" 3"));
        QCOMPARE(v.lookBackA, 1.5);
        // Nothing but the scan settings differs from the image given.
        const auto withoutScan = [](radio::Image img) {
            for (const auto& f : {mm::PriorityChannel, mm::ScanPriorityMode, mm::LookBackA,
                                  mm::LookBackB, mm::RevertChannel})
                mm::set(img, f, 0);
            mm::set16(img, mm::DropoutDelay, 0);
            mm::set16(img, mm::TxDwellTime, 0);
            return img;
        };
        QVERIFY(dlg.image() != programmed);
        QVERIFY(withoutScan(dlg.image()) == withoutScan(programmed));
    }

    // What the image holds is what OK stores or refuses: a stored priority
    // channel of three digits shows in full (cut to two it would store channel
    // 12), and a mode and revert value outside the lists store 0xFF.
    void scanInfoShowsStoredBytesAsTheyAre() {
        radio::Image img = sample();
        mm::set(img, mm::ScanPriorityMode, radio::scan::PriorityFixed);
        mm::set(img, mm::PriorityChannel, 123);
        img[mm::channelOffset(12) + mm::rec::kRxMsb] = 0x46;
        CScanInfoDlg dlg;
        dlg.load(img, radio::Language::English);
        QCOMPARE(dlg.priorityChannel()->text(), QStringLiteral("123"));
        SeenMessage refused;
        QString typed;
        onNextModal([&](QWidget* w) {
            answerNextMessage(&refused, w);
            dlg.okButton()->click();
            dlg.priorityChannel()->clear();
            QTest::keyClicks(dlg.priorityChannel(), QStringLiteral("123"));
            typed = dlg.priorityChannel()->text();
            dlg.reject();
        });
        dlg.DoModal();
        QCOMPARE(refused.count, 1);
        QVERIFY(dlg.image() == img);
        QCOMPARE(typed, QStringLiteral("12")); // typing keeps its two characters

        mm::set(img, mm::ScanPriorityMode, 7);
        mm::set(img, mm::RevertChannel, 9);
        dlg.load(img, radio::Language::English);
        QCOMPARE(dlg.priorityList()->currentIndex(), -1);
        onNextModal([&](QWidget*) { dlg.okButton()->click(); });
        QCOMPARE(dlg.DoModal(), int(QDialog::Accepted));
        QCOMPARE(int(mm::get(dlg.image(), mm::ScanPriorityMode)), 0xFF);
        QCOMPARE(int(mm::get(dlg.image(), mm::RevertChannel)), 0xFF);
    }

    // OK hands back the model and band in the image and the title and band
    // limits the caller applies.
    void productInfoHandsBackImageAndChoice() {
        const radio::Image loaded = sample();
        CProductInfoDlg dlg;
        QVERIFY(dlg.load(loaded, &m_settings, &m_values, "English"));
        onNextModal([&](QWidget*) {
            dlg.typeList()->setCurrentIndex(1);
            dlg.frequencyList()->setCurrentIndex(0);
            dlg.okButton()->click();
        });
        QCOMPARE(dlg.DoModal(), int(QDialog::Accepted));
        QCOMPARE(int(dlg.image()[0x3DE]), 1);
        QCOMPARE(int(dlg.image()[0x3DF]), 0);
        QCOMPARE(dlg.choice().limits.low, 13600000);
        QCOMPARE(dlg.choice().limits.high, 17400000);
        QVERIFY(QString::fromStdString(dlg.choice().title).contains(QStringLiteral("M2")));
        radio::Image rest = dlg.image();
        rest[0x3DE] = loaded[0x3DE];
        rest[0x3DF] = loaded[0x3DF];
        QVERIFY(rest == loaded);
    }

    // The adjustment dialogs hand back whatever way they are closed.
    void adjustmentsHandBackWhateverTheClose() {
        const radio::Image loaded = sample();
        CPowerAdjustDlg power;
        power.load(loaded, 40000000, 48000000, radio::Language::English);
        QCOMPARE(power.grid()->rows() - 1, 8);
        QCOMPARE(power.grid()->textMatrix(1, 1), QStringLiteral("47"));
        onNextModal([&](QWidget*) {
            power.grid()->setCurrent(2, 2);
            power.ShowEditor();
            power.editor()->setText(QStringLiteral("180"));
            QTest::keyClick(power.grid(), Qt::Key_Escape, {}); // commits; stays open
            power.reject();
        });
        QCOMPARE(power.DoModal(), int(QDialog::Rejected));
        std::vector<radio::power::Row> want = radio::power::load(loaded, 8);
        want[1].high = 180;
        radio::Image expected = loaded;
        radio::power::store(expected, want);
        QVERIFY(expected != loaded);
        QVERIFY(power.image() == expected);

        CParamAdjustDlg param;
        param.load(loaded, radio::Language::English);
        QCOMPARE(param.grid()->textMatrix(2, 1), QStringLiteral("5"));
        onNextModal([&](QWidget*) {
            param.grid()->setTextMatrix(5, 2, QStringLiteral("77"));
            param.preEmphasis()->click();
            QTest::keyClick(&param, Qt::Key_Escape);
        });
        QCOMPARE(param.DoModal(), int(QDialog::Rejected));
        radio::param::Values values = radio::param::load(loaded);
        values.cell[4][1] = 77;
        values.preEmphasis = !values.preEmphasis;
        radio::Image expectedParam = loaded;
        radio::param::store(expectedParam, values);
        QVERIFY(param.image() == expectedParam);
    }

    // Com Setup opens on the port it is given and hands back the one chosen;
    // Cancel keeps the given one.
    void comSetupHandsBackThePort() {
        {
            CComSetupDlg dlg(QStringLiteral("com2"));
            dlg.OnInitDialog();
            QVERIFY(dlg.comButton(1)->isChecked());
            dlg.otherPorts()->setCurrentIndex(
                dlg.otherPorts()->findData(QStringLiteral("Virtual radio")));
            dlg.otherButton()->setChecked(true);
            dlg.accept();
            QCOMPARE(dlg.port(), QStringLiteral("Virtual radio"));
        }
        {
            CComSetupDlg dlg(QStringLiteral("com2"));
            dlg.OnInitDialog();
            dlg.comButton(3)->setChecked(true);
            dlg.reject();
            QCOMPARE(dlg.port(), QStringLiteral("com2"));
        }
        {
            CComSetupDlg dlg(QStringLiteral("com2"));
            dlg.load(radio::UserSettings(&m_values, &m_settings));
            dlg.OnInitDialog();
            dlg.comButton(3)->setChecked(true);
            dlg.accept();
            QCOMPARE(dlg.port(), QStringLiteral("com4"));
            QCOMPARE(m_values.numbers["RadioTest/com"], 4u);
        }
        // A port above COM4 has no button: it shows as the other port, and
        // OK keeps it (it once became "com0").
        {
            CComSetupDlg dlg(QStringLiteral("COM7"));
            dlg.OnInitDialog();
            QVERIFY(dlg.otherButton()->isChecked());
            QCOMPARE(dlg.otherPorts()->currentData().toString(), QStringLiteral("COM7"));
            for (int i = 0; i < 4; ++i)
                QVERIFY(!dlg.comButton(i)->isChecked());
            dlg.accept();
            QCOMPARE(dlg.port(), QStringLiteral("COM7"));
        }
        // A port the system does not list is typed; it is kept and shown as
        // chosen the next time. A listed entry typed by its text is its port.
        const QString byId = QStringLiteral("/dev/serial/by-id/usb-Cable_1-if00-port0");
        {
            CComSetupDlg dlg(QStringLiteral("com2"));
            dlg.OnInitDialog();
            dlg.otherPorts()->lineEdit()->clear();
            QTest::keyClicks(dlg.otherPorts()->lineEdit(), byId);
            QVERIFY(dlg.otherButton()->isChecked());
            dlg.accept();
            QCOMPARE(dlg.port(), byId);
        }
        {
            CComSetupDlg dlg(byId);
            dlg.OnInitDialog();
            QVERIFY(dlg.otherButton()->isChecked());
            QCOMPARE(dlg.otherPorts()->currentText(), byId);
            dlg.otherPorts()->setEditText(CComSetupDlg::portText(QStringLiteral("Virtual radio")));
            dlg.accept();
            QCOMPARE(dlg.port(), QStringLiteral("Virtual radio"));
        }
    }
};

QTEST_MAIN(HandBackTest)
#include "dialogs_handback.moc"
