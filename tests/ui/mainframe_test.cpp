// Main frame: menu texts and accelerators by command ID, the navigation
// bar and its tree, the background picture, About and the language change.

#include "window_fixture.h"

#include "app/IniFile.h"
#include "ui/CommandIds.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/dialogs/LanguageDlg.h"
#include "ui/qt/shell/AboutDlg.h"
#include "ui/qt/shell/BackgroundClient.h"
#include "ui/qt/shell/ChildFrame.h"
#include "ui/qt/shell/LockKeys.h"
#include "ui/qt/shell/MainFrame.h"
#include "ui/qt/shell/NavigationBar.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

class MainFrameTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_values;

private slots:
    void initTestCase() { isolateUserValues(m_values); }

    void commandsReachTheirHandlers() {
        START_PROGRAM();
        using namespace ::ids;
        QCOMPARE(f->action(ID_FILE_NEW)->text(), QStringLiteral("&New\tCtrl+N"));
        QCOMPARE(f->action(ID_PROGRAM_READ)->text(), QStringLiteral("&Read    Ctrl+R"));
        QCOMPARE(f->action(ID_PROGRAM_READ)->toolTip(), QStringLiteral("Read"));
        QCOMPARE(f->action(ID_PROGRAM_READ)->statusTip(), QStringLiteral("Read Data From Radio"));
        // With the new document's window active, its commands are enabled
        // and run.
        f->updateCommandStates();
        QVERIFY(f->canRun(ID_EDIT_OPTIONAL_FEATURES));
        QVERIFY(f->action(ID_EDIT_OPTIONAL_FEATURES)->isEnabled());
        QVERIFY(f->action(ID_FILE_SAVE)->isEnabled());
        // Accelerators reach their commands: Ctrl+N asks before replacing.
        MessageBoxCloser closer(QMessageBox::Cancel);
        QApplication::setActiveWindow(f);
        QVERIFY(QTest::qWaitForWindowActive(f));
        QTest::keyClick(f, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(closer.text, QStringLiteral("All data will be Cleared!"));
    }

    void treeActsOnTheChosenItem() {
        START_PROGRAM();
        QTreeWidget* tree = f->navigationBar()->tree();
        QTreeWidgetItem* root = tree->topLevelItem(0);
        QCOMPARE(root->text(0), QStringLiteral("TestTool"));
        QCOMPARE(root->childCount(), 3);
        QVERIFY(root->isExpanded());
        QCOMPARE(f->navigationBar()->caption(), QStringLiteral("Test Works"));

        int runs = 0;
        f->addCommand(::ids::ID_EDIT_OPTIONAL_FEATURES, [&] { ++runs; });
        QTreeWidgetItem* optional = root->child(2);
        const QPoint at = tree->visualItemRect(optional).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(runs, 1);
        QCOMPARE(tree->currentItem(), root);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at); // again works again
        QCOMPARE(runs, 2);

        // Keyboard: the item chosen, wherever the mouse pointer is.
        CChildFrame* child = f->activeChildFrame();
        child->close();
        tree->setFocus();
        QTest::mouseMove(tree->viewport(), at); // pointer over "Optional Features"
        tree->setCurrentItem(root->child(1));
        QTest::keyClick(tree, Qt::Key_Return);
        QVERIFY(child->isVisible());
        QCOMPARE(runs, 2);
        QCOMPARE(tree->currentItem(), root);
    }

    void controlBarAndItsCloseButton() {
        START_PROGRAM();
        CNavigationBar* bar = f->navigationBar();
        QAction* toggle = f->action(::ids::ID_VIEW_CONTROL_BAR);
        QVERIFY(bar->isVisible());
        QVERIFY(toggle->isChecked());
        QCOMPARE(bar->width(), 200);
        QCOMPARE(bar->closeButton()->toolTip(), QStringLiteral("Close"));
        QTest::mouseClick(bar->closeButton(), Qt::LeftButton);
        QVERIFY(bar->isHidden());
        QVERIFY(!toggle->isChecked());
        toggle->trigger();
        QVERIFY(bar->isVisible());
        QVERIFY(toggle->isChecked());
        QCOMPARE(bar->maximumWidth(), f->width() / 2);
    }

    // The caption shows its whole text above the tree, in either language.
    void captionIsNotClipped_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QStringLiteral("English");
        QTest::newRow("Chinese") << QStringLiteral("Chinese");
    }
    void captionIsNotClipped() {
        QFETCH(QString, language);
        START_PROGRAM(language.toLatin1().constData());
        CNavigationBar* bar = f->navigationBar();
        QTRY_VERIFY2(bar->isVisible(), "the navigation bar never showed");
        auto* caption = bar->findChild<QLabel*>(QStringLiteral("caption"));
        QVERIFY(caption);
        QCOMPARE(caption->text(), bar->caption());
        const QFontMetrics fm(caption->font());
        const QRect text = fm.boundingRect(caption->text());
        const QRect room = caption->contentsRect();
        QVERIFY2(room.height() >= fm.height(),
                 qPrintable(QStringLiteral("%1 < %2").arg(room.height()).arg(fm.height())));
        QVERIFY(room.width() >= text.width());
        // Nothing of the tree lies over it.
        const QRect onBar(caption->mapTo(bar, QPoint(0, 0)), caption->size());
        const QRect tree(bar->tree()->mapTo(bar, QPoint(0, 0)), bar->tree()->size());
        QVERIFY2(!onBar.intersects(tree),
                 qPrintable(QStringLiteral("caption bottom %1, tree top %2")
                                .arg(onBar.bottom())
                                .arg(tree.top())));
    }

    // CAP, NUM and SCRL show the lock states where the platform reports
    // them, and are hidden where it cannot (no made-up states).
    void lockKeyPanes() {
        START_PROGRAM();
        const std::optional<LockKeys> keys = readLockKeys();
        const QString platform = QGuiApplication::platformName();
        if (platform == QLatin1String("offscreen") || platform.startsWith(QLatin1String("wayland")))
            QVERIFY(!keys);
        const bool on[] = {keys && keys->caps, keys && keys->num, keys && keys->scroll};
        int k = 0;
        for (const char* name : {"CAP", "NUM", "SCRL"}) {
            auto* pane = f->statusBar()->findChild<QLabel*>(QLatin1String(name));
            QVERIFY2(pane, name);
            QCOMPARE(pane->isHidden(), !keys.has_value());
            QCOMPARE(pane->text(), on[k++] ? QLatin1String(name) : QString());
        }
    }

    void backgroundIsReloadedAtEachPaint() {
        START_PROGRAM();
        auto* area = qobject_cast<CBackgroundClient*>(f->mdiArea());
        f->activeChildFrame()->hide();
        auto centre = [&] {
            return area->viewport()->grab().toImage().pixelColor(area->viewport()->rect().center());
        };
        QImage red(8, 8, QImage::Format_RGB32);
        red.fill(Qt::red);
        red.save(prog.path("background.bmp"), "BMP");
        QCOMPARE(centre(), QColor(Qt::red));
        QImage blue(8, 8, QImage::Format_RGB32);
        blue.fill(Qt::blue);
        blue.save(prog.path("background.bmp"), "BMP");
        QCOMPARE(centre(), QColor(Qt::blue));
        QFile::remove(prog.path("background.bmp"));
        const QColor fallback = centre(); // the built-in picture
        QVERIFY(fallback != QColor(Qt::blue));
        QVERIFY(fallback != area->palette().dark().color());
    }

    void aboutShowsTheSettingsTexts() {
        TempProgram prog;
        QImage logo(10, 12, QImage::Format_RGB32);
        logo.fill(Qt::green);
        logo.save(prog.path("logo.bmp"), "BMP");
        START_PROGRAM_IN(prog);
        CAboutDlg dlg;
        const radio::AppState& st = radio::appState();
        dlg.load(st.settings, st.languageName, QString::fromStdString(st.programDir));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("About Test Tool..."));
        QCOMPARE(dlg.line(::ids::IDC_ABOUT_VERSION)->text(), QStringLiteral("Version 9.1"));
        QCOMPARE(dlg.line(::ids::IDC_ABOUT_COPYRIGHTS)->text(), QStringLiteral("Copyright 2026"));
        QCOMPARE(dlg.line(::ids::IDC_ABOUT_OWNER)->text(), QStringLiteral("Test Works Ltd"));
        QCOMPARE(dlg.logo()->pixmap().size(), QSize(10, 12));
        // The program's licence, whatever the settings say.
        QVERIFY(dlg.licence()->text().contains(QStringLiteral("version 3 or later")));
    }

    void languageChangeSavesThenRestarts() {
        START_PROGRAM();
        QByteArray iniAtRestart;
        int restarts = 0;
        CProgramView::restartProgram = [&] {
            ++restarts;
            iniAtRestart = prog.readFile(prog.path("Program.ini"));
        };
        auto answer = [](bool chinese) {
            QTimer::singleShot(50, [chinese] {
                auto* dlg = qobject_cast<CLanguageDlg*>(QApplication::activeModalWidget());
                QVERIFY(dlg);
                QVERIFY(dlg->englishButton()->isChecked()); // the running language
                (chinese ? dlg->chineseButton() : dlg->englishButton())->setChecked(true);
                dlg->accept();
            });
        };
        answer(false); // the running language: nothing happens
        f->runCommand(::ids::ID_SETUP_LANGUAGE);
        QCOMPARE(restarts, 0);
        QVERIFY(f->isVisible());

        answer(true);
        f->runCommand(::ids::ID_SETUP_LANGUAGE);
        QCOMPARE(restarts, 1);
        QVERIFY(iniAtRestart.contains("Language=Chinese"));
        QVERIFY(!f->isVisible());
        CProgramView::restartProgram = {};
    }
};

QTEST_MAIN(MainFrameTest)
#include "mainframe_test.moc"
