// The window's menus, toolbar and keys as the command table declares them,
// in both languages, and the enabling of the history commands as the
// channel window's history changes.

#include "window_fixture.h"

#include "ui/CommandIds.h"
#include "ui/Commands.h"
#include "ui/qt/channels/ChannelGrid.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/shell/ChildFrame.h"
#include "ui/qt/shell/MainFrame.h"

#include "ui/qt/shell/NavigationBar.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QToolBar>
#include <QTranslator>
#include <QTreeWidget>

#include <functional>
#include <map>

namespace {

QList<int> idsOf(const QList<QAction*>& actions) {
    QList<int> r;
    for (QAction* a : actions)
        r << (a->isSeparator() ? 0 : a->data().toInt());
    return r;
}

QList<int> toList(const std::vector<int>& v) {
    return QList<int>(v.begin(), v.end());
}

} // namespace

class CommandsTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_values;

private slots:
    void initTestCase() { isolateUserValues(m_values); }

    // Every text and prompt of the table is in both catalogues, the prompt
    // as a status-bar line and a tool tip.
    void everyCommandInBothCatalogues() {
        for (const char* language : {"English", "Chinese"}) {
            QTranslator catalogue;
            QVERIFY(catalogue.load(QStringLiteral(STAGE_DIR "/") + QLatin1String(language)));
            const bool chinese = QByteArray(language) == "Chinese";
            // English shows the source itself (its catalogue holds plural
            // forms only); Chinese its own words.
            auto shown = [&](const char* source) {
                const QString t = catalogue.translate(cmd::kContext, source);
                return t.isEmpty() && !chinese ? QString::fromUtf8(source) : t;
            };
            auto check = [&](const char* source) {
                const QString t = shown(source);
                QVERIFY2(!t.isEmpty(),
                         qPrintable(QStringLiteral("%1: no \"%2\"")
                                        .arg(QLatin1String(language), QString::fromUtf8(source))));
                if (chinese)
                    QVERIFY2(t != QString::fromUtf8(source), source);
                else
                    QCOMPARE(t, QString::fromUtf8(source));
            };
            for (const cmd::Command& c : cmd::commands()) {
                check(c.text);
                check(c.prompt);
                const QStringList parts = shown(c.prompt).split('\n');
                QCOMPARE(parts.size(), 2);
                QVERIFY2(!parts[0].isEmpty() && !parts[1].isEmpty(), c.prompt);
            }
            for (int m = 1; m <= cmd::kMenuCount; ++m)
                check(cmd::menuTitle(static_cast<cmd::Menu>(m)));
        }
    }

    void builtMenusMatchTheTable_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("showLang");
        QTest::newRow("English") << QStringLiteral("English") << QByteArray("1");
        QTest::newRow("Chinese, no Language item") << QStringLiteral("Chinese") << QByteArray("0");
    }
    void builtMenusMatchTheTable() {
        QFETCH(QString, language);
        QFETCH(QByteArray, showLang);
        START_PROGRAM(language.toLatin1().constData(), showLang.constData());
        const bool languageShown = showLang == "1";
        const auto tr = [](const char* s) { return QCoreApplication::translate(cmd::kContext, s); };

        auto checkMenus = [&](bool factory) {
            const QList<QMenu*> bar =
                f->menuBar()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly);
            QCOMPARE(f->menuBar()->actions().size(), cmd::kMenuCount);
            for (int position = 0; position < cmd::kMenuCount; ++position) {
                const auto which = static_cast<cmd::Menu>(position + 1);
                QMenu* menu = f->menu(position);
                QCOMPARE(f->menuBar()->actions().value(position), menu->menuAction());
                QCOMPARE(menu->title(), tr(cmd::menuTitle(which)));
                const auto expected = cmd::menuLayout(which, [&](const cmd::Command& c) {
                    return (factory || !c.factoryOnly) &&
                           (languageShown || c.id != ids::ID_SETUP_LANGUAGE);
                });
                QCOMPARE(idsOf(menu->actions()), toList(expected));
            }
        };
        checkMenus(false);

        for (const cmd::Command& c : cmd::commands()) {
            QAction* a = f->action(c.id);
            QVERIFY2(a, c.text);
            const QString prompt = tr(c.prompt);
            QCOMPARE(a->statusTip(), prompt.section('\n', 0, 0));
            QCOMPARE(a->toolTip(), prompt.section('\n', 1));
            if (c.id != ids::ID_APP_ABOUT) // the settings name it
                QCOMPARE(a->text(), tr(c.text));
            QCOMPARE(a->isCheckable(), c.checkable);
            QCOMPARE(a->icon().isNull(), c.icon == nullptr);
            // Keys the menu shows are the action's; the others the window's.
            if (c.binding == cmd::Keys::Shortcut)
                QVERIFY2(!a->shortcut().isEmpty(), c.text);
            else
                QVERIFY2(a->shortcut().isEmpty(), c.text);
        }
        QCOMPARE(f->action(ids::ID_EDIT_UNDO)->shortcut(), QKeySequence(QKeySequence::Undo));
        QCOMPARE(f->action(ids::ID_EDIT_REDO)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Y")));
        QCOMPARE(idsOf(f->findChild<QToolBar*>()->actions()), toList(cmd::toolbarLayout()));

        // The factory items join the Edit menu once, however often the code is given.
        f->appendFactoryCommands();
        f->appendFactoryCommands();
        checkMenus(true);
    }

    // Within the menu bar and within each menu, every letter leads to one
    // item only, in both languages and with the factory items shown.
    void noMenuRepeatsALetter_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QStringLiteral("English");
        QTest::newRow("Chinese") << QStringLiteral("Chinese");
    }
    void noMenuRepeatsALetter() {
        QFETCH(QString, language);
        START_PROGRAM(language.toLatin1().constData());
        f->appendFactoryCommands();
        QList<QList<QAction*>> menus{f->menuBar()->actions()};
        for (int position = 0; position < cmd::kMenuCount; ++position)
            menus << f->menu(position)->actions();
        int lettered = 0;
        for (const QList<QAction*>& items : menus) {
            std::map<int, QString> taken;
            for (QAction* a : items) {
                const QKeySequence letter = QKeySequence::mnemonic(a->text());
                if (a->isSeparator() || letter.isEmpty())
                    continue;
                ++lettered;
                const auto [it, fresh] = taken.emplace(letter[0].toCombined(), a->text());
                QVERIFY2(fresh, qPrintable(QStringLiteral("\"%1\" and \"%2\" share a letter")
                                               .arg(it->second, a->text())));
            }
        }
        QVERIFY(lettered > 30); // the texts were read with their letters
    }

    // Every key of the window's key table reaches its command, and only it,
    // wherever the focus is: in the grid, in the navigation tree, in an open
    // cell editor. F6 and Shift+F6 have no command and do nothing.
    void keysReachTheirCommandsWhereverTheFocusIs() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("Ambiguous shortcut")));
        START_PROGRAM();
        using namespace ids;
        std::map<int, int> runs;
        for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE})
            f->addCommand(id, [&runs, id] { ++runs[id]; });
        for (int id : {ID_FILE_PRINT, ID_PROGRAM_READ, ID_PROGRAM_WRITE})
            view->addCommand(id, [&runs, id] { ++runs[id]; });
        const std::pair<const char*, int> keys[] = {{"Ctrl+N", ID_FILE_NEW},
                                                    {"Ctrl+O", ID_FILE_OPEN},
                                                    {"Ctrl+P", ID_FILE_PRINT},
                                                    {"Ctrl+R", ID_PROGRAM_READ},
                                                    {"Ctrl+S", ID_FILE_SAVE},
                                                    {"Ctrl+W", ID_PROGRAM_WRITE},
                                                    {"F6", 0},
                                                    {"Shift+F6", 0}};
        const auto editorAt = [view](int column) {
            return [view, column]() -> QWidget* {
                view->grid()->setCurrent(1, column);
                view->ShowCellEditor();
                return view->openEditor();
            };
        };
        const std::pair<const char*, std::function<QWidget*()>> places[] = {
            {"grid", [view] { return static_cast<QWidget*>(view->grid()); }},
            {"tree", [f] { return static_cast<QWidget*>(f->navigationBar()->tree()); }},
            {"frequency editor", editorAt(1)},
            {"list editor", editorAt(3)},
        };
        QApplication::setActiveWindow(f);
        QVERIFY(QTest::qWaitForWindowActive(f));
        for (const auto& [place, focus] : places) {
            for (const auto& [key, id] : keys) {
                QWidget* w = focus();
                QVERIFY2(w, place);
                w->setFocus();
                QTRY_VERIFY2(w->hasFocus(), place);
                runs.clear();
                QTest::keySequence(w, QKeySequence(QString::fromLatin1(key)));
                std::map<int, int> expected;
                if (id)
                    expected[id] = 1;
                QVERIFY2(runs == expected,
                         qPrintable(QStringLiteral("%1 in the %2: %3 command(s) ran")
                                        .arg(QLatin1String(key), QLatin1String(place))
                                        .arg(runs.size())));
            }
        }
        QVERIFY(qobject_cast<QLineEdit*>(editorAt(1)()));
        QVERIFY(qobject_cast<QComboBox*>(editorAt(3)()));
    }

    // Undo and Redo follow the window's history as it changes, without a
    // menu being opened first; so do the keys.
    void historyEnablesUndoAndRedo() {
        START_PROGRAM();
        QAction* undo = f->action(ids::ID_EDIT_UNDO);
        QAction* redo = f->action(ids::ID_EDIT_REDO);
        QVERIFY(!undo->isEnabled());
        QVERIFY(!redo->isEnabled());
        QVERIFY(f->action(ids::ID_EDIT_PASTE)->isEnabled());

        view->grid()->setCurrent(1, 1);
        view->ShowCellEditor();
        auto* edit = qobject_cast<QLineEdit*>(view->openEditor());
        QVERIFY(edit);
        edit->setText(QStringLiteral("446.00625"));
        view->CommitCellEditor();
        QTRY_VERIFY2(undo->isEnabled(), "Undo stayed disabled after an edit or a redo");
        QVERIFY(!redo->isEnabled());

        QApplication::setActiveWindow(f);
        QVERIFY(QTest::qWaitForWindowActive(f));
        view->grid()->setFocus();
        QTest::keySequence(view->grid(), QKeySequence::Undo);
        QTRY_VERIFY2(!undo->isEnabled(), "Ctrl+Z in the grid undid nothing");
        QVERIFY(redo->isEnabled());
        QCOMPARE(view->grid()->textMatrix(1, 1), QString());
        QTest::keyClick(view->grid(), Qt::Key_Y, Qt::ControlModifier);
        QTRY_VERIFY2(undo->isEnabled(), "Undo stayed disabled after an edit or a redo");
        QCOMPARE(view->grid()->textMatrix(1, 1), QStringLiteral("446.00625"));

        // Without a channel window only the frame's own commands stay on.
        delete f->activeChildFrame();
        f->updateCommandStates();
        for (int id : {ids::ID_EDIT_UNDO, ids::ID_EDIT_PASTE, ids::ID_FILE_COMPARE,
                       ids::ID_PROGRAM_READ, ids::ID_PROGRAM_WRITE_FLEET, ids::ID_FILE_PRINT})
            QVERIFY2(!f->action(id)->isEnabled(), QByteArray::number(id));
        for (int id : {ids::ID_FILE_NEW, ids::ID_SETUP_OPEN_BACKUPS, ids::ID_VIEW_TOOLBAR})
            QVERIFY2(f->action(id)->isEnabled(), QByteArray::number(id));
    }
};

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
