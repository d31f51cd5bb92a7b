// Start-up: settings file location, language catalogue and flag, the
// start-up error, and the menu changes made from the settings.

#include "window_fixture.h"

#include "app/IniFile.h"
#include "app/Startup.h"
#include "model/SafeFile.h"
#include "ui/CommandIds.h"
#include "ui/Commands.h"
#include "ui/qt/channels/ChannelGrid.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/dialogs/LanguageDlg.h"
#include "ui/qt/shell/ChildFrame.h"
#include "ui/qt/shell/MainFrame.h"
#include "ui/qt/shell/NavigationBar.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTreeWidget>

#include <cerrno>

class StartupTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_values;

    static QList<int> menuIds(QMenu* m) {
        QList<int> ids;
        for (QAction* a : m->actions())
            ids << (a->isSeparator() ? 0 : a->data().toInt());
        return ids;
    }

private slots:
    void initTestCase() { isolateUserValues(m_values); }

    void languages_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("flag");
        QTest::addColumn<QString>("fileMenu");  // from the catalogue
        QTest::addColumn<QString>("header");    // built by the code
        QTest::addColumn<QString>("treeLabel"); // built by the code
        QTest::addColumn<QString>("help");
        QTest::newRow("English") << "English" << false << "&File"
                                 << "CH"
                                 << "Product Information"
                                 << "enHelp.chm";
        QTest::newRow("Chinese") << "Chinese" << true << "文件(&F)"
                                 << "信道"
                                 << "类型设置"
                                 << "chHelp.chm";
        // The catalogue is found whatever the case; the flag needs "Chinese" exactly.
        QTest::newRow("chinese") << "chinese" << false << "文件(&F)"
                                 << "CH"
                                 << "Product Information"
                                 << "enHelp.chm";
    }
    void languages() {
        QFETCH(QString, language);
        START_PROGRAM(language.toUtf8().constData());
        const radio::AppState& st = radio::appState();
        QCOMPARE(st.chinese, QTest::currentDataTag() == QByteArray("Chinese"));
        QFETCH(bool, flag);
        QCOMPARE(st.chinese, flag);
        QCOMPARE(QString::fromStdString(st.languageName), language);
        QFETCH(QString, help);
        QCOMPARE(QString::fromStdString(st.helpFile), help);
        QFETCH(QString, fileMenu);
        QCOMPARE(f->menu(0)->title(), fileMenu);
        QFETCH(QString, header);
        QCOMPARE(f->activeView()->grid()->textMatrix(0, 0), header);
        QFETCH(QString, treeLabel);
        QCOMPARE(f->navigationBar()->tree()->topLevelItem(0)->child(0)->text(0), treeLabel);
        QVERIFY(f->isVisible());
        // Texts of the language section, whose name ignores case like every key.
        const bool chineseSection = language.toLower() == QStringLiteral("chinese");
        QCOMPARE(QCoreApplication::applicationName(),
                 chineseSection ? QStringLiteral("测试公司") : QStringLiteral("Test Works"));
        QCOMPARE(f->action(ids::ID_APP_ABOUT)->text(), chineseSection
                                                           ? QStringLiteral("关于测试...")
                                                           : QStringLiteral("About Test Tool..."));
    }

    void missingLanguageEndsStartUp_data() {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<bool>("catalogues");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown") << QByteArray("Klingon") << true << "Load language DLL fail";
        QTest::newRow("empty") << QByteArray("") << true << "Load language DLL fail";
        QTest::newRow("missing key") << QByteArray() << true << "Load language DLL fail";
        QTest::newRow("Chinese without catalogue")
            << QByteArray("Chinese") << false << QString::fromUtf8("加载语言链接库失败");
    }
    void missingLanguageEndsStartUp() {
        QFETCH(QByteArray, language);
        QFETCH(bool, catalogues);
        TempProgram prog(language.isNull() ? nullptr : language.constData(), "1", catalogues);
        auto app = prog.app();
        MessageBoxCloser closer;
        const int status = app->run();
        QVERIFY(status != 0);
        QCOMPARE(closer.count, 1);
        QFETCH(QString, message);
        QCOMPARE(closer.text, message);
        QVERIFY(app->mainFrame() == nullptr);
    }

    void missingSettingsFileEndsStartUp() {
        TempProgram prog;
        QFile::remove(prog.path("Program.ini"));
        auto app = prog.app();
        MessageBoxCloser closer;
        QVERIFY(!app->InitInstance());
        QCOMPARE(closer.text, QStringLiteral("Load language DLL fail"));
    }

    void settingsFileBesideFirstArgument() {
        // A program started through the search path has no directory in its
        // first argument: the executable's own directory holds the settings.
        TempProgram exeDir("Chinese");
        TempProgram other("English");
        {
            CProgramApp app(QStringList{QStringLiteral("Program")}, exeDir.dir.path());
            QVERIFY(app.InitInstance());
            QVERIFY(radio::appState().chinese);
        }
        {
            CProgramApp app(QStringList{other.path("Program")}, exeDir.dir.path());
            QVERIFY(app.InitInstance());
            QVERIFY(!radio::appState().chinese);
        }
        QCOMPARE(QString::fromStdString(radio::settingsDirectory("/opt/radio/Program", "/x")),
                 QStringLiteral("/opt/radio"));
        QCOMPARE(QString::fromStdString(radio::settingsDirectory("Program", "/x")),
                 QStringLiteral("/x"));
    }

    void readOnlySettingsKeepTheLanguageInAPerUserCopy() {
        TempProgram prog("English");
        QTemporaryDir config;
        const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        // Installed: neither the file nor its folder may be written (by mode, even for root).
        const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        QVERIFY(QFile::setPermissions(prog.path("Program.ini"), readOnly));
        QVERIFY(QFile::setPermissions(prog.dir.path(), readOnly | QFile::ExeOwner |
                                                           QFile::ExeGroup | QFile::ExeOther));
        const auto restore = qScopeGuard([&] {
            QFile::setPermissions(prog.dir.path(), readOnly | QFile::WriteOwner | QFile::ExeOwner);
            QFile::setPermissions(prog.path("Program.ini"), readOnly | QFile::WriteOwner);
            qputenv("XDG_CONFIG_HOME", oldConfig);
            CProgramView::restartProgram = {};
        });
        const QByteArray system = prog.readFile(prog.path("Program.ini"));
        // Named after the settings file's AppName, like the per-user values.
        const QString perUser = config.filePath(QStringLiteral("Test Radio Tool/Program.ini"));
        {
            auto app = prog.app();
            MessageBoxCloser closer;
            QVERIFY(app->InitInstance());
            QByteArray atRestart;
            CProgramView::restartProgram = [&] { atRestart = prog.readFile(perUser); };
            QTimer::singleShot(50, [] {
                auto* dlg = qobject_cast<CLanguageDlg*>(QApplication::activeModalWidget());
                QVERIFY(dlg);
                dlg->chineseButton()->setChecked(true);
                dlg->accept();
            });
            app->mainFrame()->runCommand(ids::ID_SETUP_LANGUAGE);
            // No complaint about the system's file; the user is told where the language went.
            QCOMPARE(closer.count, 1);
            QVERIFY2(closer.text.contains(perUser), qPrintable(closer.text));
            QCOMPARE(closer.icon, QMessageBox::Information);
            // The new instance must find the language already in the copy, with the rest.
            QVERIFY(atRestart.contains("Language=Chinese"));
            QVERIFY(atRestart.contains("Type1=TR-1"));
            QVERIFY(atRestart.contains("Copyrights Owner=Test Works Ltd"));
        }
        QCOMPARE(prog.readFile(prog.path("Program.ini")), system);
        {
            START_PROGRAM_IN(prog);
            QVERIFY(radio::appState().chinese);
            QCOMPARE(f->menu(0)->title(), QStringLiteral("文件(&F)"));
        }
        QCOMPARE(prog.readFile(prog.path("Program.ini")), system);
    }

    void aFailedSettingsSaveSaysSoAndTheProgramCarriesOn_data() {
        QTest::addColumn<QString>("running");
        QTest::addColumn<QString>("message");
        QTest::newRow("English") << "English"
                                 << "The settings could not be saved.";
        QTest::newRow("Chinese") << "Chinese"
                                 << "无法保存设置。";
    }
    void aFailedSettingsSaveSaysSoAndTheProgramCarriesOn() {
        QFETCH(QString, running);
        QFETCH(QString, message);
        TempProgram prog(running.toUtf8().constData());
        const QByteArray before = prog.readFile(prog.path("Program.ini"));
        START_PROGRAM_IN(prog);
        int restarts = 0;
        CProgramView::restartProgram = [&] { ++restarts; };
        const auto restore = qScopeGuard([] {
            CProgramView::restartProgram = {};
            radio::files::failWriteForTesting(0, 0);
        });
        radio::files::failWriteForTesting(1, ENOSPC);
        MessageBoxCloser closer;
        QTimer::singleShot(50, [] {
            auto* dlg = qobject_cast<CLanguageDlg*>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            (radio::appState().chinese ? dlg->englishButton() : dlg->chineseButton())
                ->setChecked(true);
            dlg->accept();
        });
        f->runCommand(ids::ID_SETUP_LANGUAGE);
        // A restart would bring the old language back: this instance stays, and says why.
        QCOMPARE(restarts, 0);
        QVERIFY(f->isVisible());
        QCOMPARE(closer.count, 1);
        QVERIFY2(closer.text.startsWith(message) && closer.text.contains(prog.path("Program.ini")),
                 qPrintable(closer.text));
        QCOMPARE(QString::fromStdString(radio::appState().settings->GetString("Setup", "Language")),
                 running);
        QCOMPARE(prog.readFile(prog.path("Program.ini")), before);
    }

    void writableSettingsStayBesideTheProgram() {
        TempProgram prog("English");
        QTemporaryDir config;
        const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        const auto restore = qScopeGuard([&] { qputenv("XDG_CONFIG_HOME", oldConfig); });
        {
            START_PROGRAM_IN(prog);
            radio::appState().settings->SetString("Setup", "Language", "Chinese");
        }
        QVERIFY(prog.readFile(prog.path("Program.ini")).contains("Language=Chinese"));
        QVERIFY(QDir(config.path()).isEmpty());
    }

    void languageCommandFollowsShowLang_data() {
        QTest::addColumn<QByteArray>("showLang");
        QTest::addColumn<bool>("shown");
        QTest::newRow("1") << QByteArray("1") << true;
        QTest::newRow("2abc") << QByteArray("2abc") << true;
        QTest::newRow("0") << QByteArray("0") << false;
        QTest::newRow("empty") << QByteArray("") << false;
        QTest::newRow("word") << QByteArray("yes") << false;
        QTest::newRow("missing") << QByteArray() << false;
    }
    void languageCommandFollowsShowLang() {
        QFETCH(QByteArray, showLang);
        QFETCH(bool, shown);
        START_PROGRAM("English", showLang.isNull() ? nullptr : showLang.constData());
        QCOMPARE(f->menu(4)->actions().contains(f->action(ids::ID_SETUP_LANGUAGE)), shown);
        QVERIFY(f->menu(4)->actions().contains(f->action(ids::ID_SETUP_COM)));
    }

    void editMenuAfterStartUp() {
        START_PROGRAM();
        const auto layout = [](bool factory) {
            QList<int> items;
            for (int id : cmd::menuLayout(cmd::Menu::Edit, [factory](const cmd::Command& c) {
                     return factory || !c.factoryOnly;
                 }))
                items << id;
            return items;
        };
        QCOMPARE(menuIds(f->menu(1)), layout(false));
        // Factory mode brings both back once, in the language of the code.
        f->appendFactoryCommands();
        f->appendFactoryCommands();
        QCOMPARE(menuIds(f->menu(1)), layout(true));
        QCOMPARE(f->action(ids::ID_EDIT_POWER_ADJUST)->text(), QStringLiteral("Power Adjust"));
    }

    // Each file named on the command line opens as File > Open opens it; one
    // that cannot be loaded is named in Open's message and the others open.
    void commandLineFilesAreOpened() {
        TempProgram prog;
        radio::Image img = radio::newDocumentImage();
        img[0x10] = 0x00;
        img[0x11] = 0x25;
        img[0x12] = 0x46;
        img[0x13] = 0x46;
        prog.writeFile("given.dat", bytes(img));
        img[0x11] = 0x50;
        prog.writeFile("-last.dat", bytes(img));
        prog.writeFile("short.dat", QByteArray(1023, '\xff'));
        auto app = prog.app({prog.path("given.dat"), prog.path("short.dat"), QStringLiteral("--"),
                             QStringLiteral("-last.dat")});
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(prog.dir.path());
        const auto back = qScopeGuard([&] { QDir::setCurrent(cwd); });
        MessageBoxCloser closer;
        closer.keepRunning();
        QVERIFY(app->InitInstance());
        QCOMPARE(closer.count, 1);
        QVERIFY2(closer.text.startsWith(QStringLiteral("Failed to open document.")),
                 qPrintable(closer.text));
        CMainFrame* f = app->mainFrame();
        QCOMPARE(f->findChildren<CChildFrame*>().size(), 2);
        QCOMPARE(f->activeDocument()->pathName(), prog.path("-last.dat"));
        QCOMPARE(f->activeView()->grid()->textMatrix(1, 1), QStringLiteral("464.65000"));
        QVERIFY(!radio::appState().freshDocument);
        QVERIFY(app->recentFiles().contains(QDir::toNativeSeparators(prog.path("given.dat"))));
    }

    // With no file that opens, the program still starts, with a new configuration.
    void unreadableCommandLineFileGivesANewConfiguration() {
        TempProgram prog;
        prog.writeFile("short.dat", QByteArray(1023, '\xff'));
        auto app = prog.app({prog.path("short.dat")});
        MessageBoxCloser closer;
        QVERIFY(app->InitInstance());
        QCOMPARE(closer.count, 1);
        QVERIFY(app->mainFrame()->activeDocument());
        QVERIFY(radio::appState().freshDocument);
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
