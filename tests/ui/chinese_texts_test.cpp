// The Chinese interface shows no stray English: every menu, bar and dialog
// the program opens is walked and each visible text is checked for English
// words, apart from the few texts the program keeps English on purpose.

#include "dialogs_support.h"
#include "window_fixture.h"

#include "link/VirtualRadioPort.h"
#include "ui/CommandIds.h"
#include "ui/qt/channels/ChannelGrid.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/dialogs/PasswordDlg.h"
#include "ui/qt/dialogs/ProgressDlg.h"
#include "ui/qt/shell/FleetDlg.h"
#include "ui/qt/shell/MainFrame.h"
#include "ui/qt/shell/NavigationBar.h"

#include <QAbstractItemView>
#include <QAction>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QTreeWidget>

#include <set>

namespace {

// Words the Chinese interface keeps in English.
const std::set<QString>& keptWords() {
    static const std::set<QString> words{
        // Units and signalling codes, the same in both languages.
        QStringLiteral("MHz"), QStringLiteral("kHz"), QStringLiteral("CTCSS"),
        QStringLiteral("DCS"), QStringLiteral("QT"), QStringLiteral("DQT"),
        // Serial port names.
        QStringLiteral("COM"),
        // Key names in accelerators.
        QStringLiteral("Ctrl"), QStringLiteral("Shift"), QStringLiteral("Alt"),
        QStringLiteral("Del"), QStringLiteral("Ins"),
        // The model names and application name come from Program.ini.
        QStringLiteral("TR"),
        // The scan list's Priority choices, English in both languages.
        QStringLiteral("None"), QStringLiteral("Fixed"), QStringLiteral("Selected"),
        // Calibration rows named after the radio's own connectors.
        QStringLiteral("MIC"), QStringLiteral("MOD"),
        // File types.
        QStringLiteral("dat"), QStringLiteral("CSV"), QStringLiteral("PDF")};
    return words;
}

struct Texts {
    QStringList stray; // "where: text" of each text with an English word

    void check(const QString& where, QString text) {
        static const QRegularExpression device(QStringLiteral("/dev/[^\\s]+"));
        text.remove(device); // a device path names a port
        text.remove(QLatin1Char('&'));
        static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
        auto it = word.globalMatch(text);
        while (it.hasNext()) {
            if (!keptWords().count(it.next().captured())) {
                stray << where + QStringLiteral(": ") + text;
                return;
            }
        }
    }

    void menu(const QString& where, const QMenu* m) {
        check(where, m->title());
        for (QAction* a : m->actions()) {
            if (a->isSeparator())
                continue;
            action(where, a);
            if (a->menu())
                menu(where + QStringLiteral(" > ") + a->text(), a->menu());
        }
    }

    void action(const QString& where, const QAction* a) {
        check(where, a->text());
        check(where + QStringLiteral(" (status tip)"), a->statusTip());
        check(where + QStringLiteral(" (tool tip)"), a->toolTip());
    }

    void model(const QString& where, const QAbstractItemModel* m, const QModelIndex& parent) {
        for (int r = 0; r < m->rowCount(parent); ++r)
            for (int c = 0; c < m->columnCount(parent); ++c) {
                const QModelIndex i = m->index(r, c, parent);
                check(where, i.data(Qt::DisplayRole).toString());
                check(where + QStringLiteral(" (tool tip)"), i.data(Qt::ToolTipRole).toString());
                if (c == 0 && m->hasChildren(i))
                    model(where, m, i);
            }
    }

    // Every text `top` and its visible widgets show. The file dialog's lists
    // show the user's files, not texts of the program, so only their headers count.
    void window(const QString& where, QWidget* top) {
        check(where + QStringLiteral(" (title)"), top->windowTitle());
        const bool fileDialog = qobject_cast<QFileDialog*>(top) != nullptr;
        for (QWidget* w : top->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(top))
                continue;
            const QString at = where + QStringLiteral(" ") + w->metaObject()->className();
            check(at + QStringLiteral(" (tool tip)"), w->toolTip());
            if (auto* l = qobject_cast<QLabel*>(w))
                check(at, QString(l->text()).remove(QRegularExpression(QStringLiteral("<[^>]*>"))));
            else if (auto* b = qobject_cast<QAbstractButton*>(w))
                check(at, b->text());
            else if (auto* g = qobject_cast<QGroupBox*>(w))
                check(at, g->title());
            else if (auto* e = qobject_cast<QLineEdit*>(w))
                check(at + QStringLiteral(" (placeholder)"), e->placeholderText());
            else if (auto* t = qobject_cast<QTabBar*>(w))
                for (int i = 0; i < t->count(); ++i)
                    check(at, t->tabText(i));
            if (auto* cb = qobject_cast<QComboBox*>(w); cb && !fileDialog)
                for (int i = 0; i < cb->count(); ++i)
                    check(at, cb->itemText(i));
            if (auto* h = qobject_cast<QHeaderView*>(w); h && h->model())
                for (int i = 0; i < h->count(); ++i)
                    check(at, h->model()->headerData(i, h->orientation()).toString());
            if (auto* v = qobject_cast<QAbstractItemView*>(w);
                v && !qobject_cast<QHeaderView*>(w) && v->model() && !fileDialog &&
                !qobject_cast<QComboBox*>(w->parentWidget()))
                model(at, v->model(), v->rootIndex());
        }
    }
};

// Collects the texts of the next modal window other than `except`, then
// runs `then` on it (or closes it). A window gone is no longer skipped: the
// next one may take its address.
void whenModal(Texts& texts, const QString& where, std::function<void(QWidget*)> then = {},
               QWidget* except = nullptr) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QPointer<QWidget> skip(except);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [=, &texts] {
        QWidget* w = QApplication::activeModalWidget();
        const bool giveUp = ++*tries > 1000;
        if (!giveUp && (!w || !w->isVisible() || (skip && w == skip)))
            return;
        timer->stop();
        timer->deleteLater();
        if (giveUp)
            return;
        texts.window(where, w);
        QPointer<QWidget> guard(w);
        if (then)
            then(w);
        // Whatever `then` left open is closed, so a failure never hangs the test.
        if (auto* d = qobject_cast<QDialog*>(guard.data()); d && d->isVisible())
            d->reject();
    });
    timer->start();
}

} // namespace

class ChineseTextsTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_values;
    QTemporaryDir m_data;

private slots:
    void initTestCase() {
        isolateUserValues(m_values);
        // Backups and the programming record go to a temporary place too.
        qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
    }

    void everyTextIsChinese() {
        TempProgram prog("Chinese");
        prog.writeFile("broken.dat", QByteArray(10, '\0'));
        // A file name of the user's shows in the compare report's title.
        const QString other = prog.dir.filePath(QStringLiteral("对照.dat"));
        {
            QFile file(other);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(1024, '\xFF'));
        }
        START_PROGRAM_IN(prog);
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        Texts texts;

        // The access code for factory mode, then the two factory items.
        bool wrongCodeSeen = false;
        whenModal(texts, QStringLiteral("Password"), [&](QWidget* w) {
            auto* dlg = qobject_cast<CPasswordDlg*>(w);
            whenModal(
                texts, QStringLiteral("Password error"),
                [&wrongCodeSeen](QWidget* box) {
                    wrongCodeSeen = true;
                    qobject_cast<QDialog*>(box)->reject();
                },
                w);
            QTest::keyClicks(dlg->edit(), QStringLiteral("123456"));
            dlg->okButton()->click();
            dlg->edit()->clear();
            QTest::keyClicks(dlg->edit(), QStringLiteral("731462"));
            dlg->okButton()->click();
        });
        f->activeView()->grid()->setFocus();
        QTest::keyClick(f->activeView()->grid(), Qt::Key_F11, Qt::ControlModifier);
        QVERIFY2(wrongCodeSeen, "a wrong access code showed no error");
        QVERIFY(radio::appState().factoryMode);

        // Menus, bars, tree and grid.
        f->updateCommandStates();
        for (int i = 0; i < 6; ++i)
            if (QMenu* m = f->menu(i))
                texts.menu(QStringLiteral("Menu"), m);
        for (QToolBar* bar : f->findChildren<QToolBar*>())
            for (QAction* a : bar->actions())
                texts.action(QStringLiteral("Toolbar"), a);
        texts.check(QStringLiteral("Navigation bar caption"), f->navigationBar()->caption());
        texts.window(QStringLiteral("Main window"), f);

        // Every dialog a command opens.
        const std::pair<int, const char*> dialogs[] = {
            {ids::ID_APP_ABOUT, "About"},
            {ids::ID_SETUP_COM, "Com Setup"},
            {ids::ID_SETUP_LANGUAGE, "Language"},
            {ids::ID_EDIT_PRODUCT_INFO, "Product Information"},
            {ids::ID_EDIT_OPTIONAL_FEATURES, "Optional Features"},
            {ids::ID_PROGRAM_SCAN_INFO, "Scan Info"},
            {ids::ID_EDIT_POWER_ADJUST, "Power Adjust"},
            {ids::ID_EDIT_PARAM_ADJUST, "Param Adjust"},
            {ids::ID_EDIT_SET_CELLS, "Set Selected Cells"},
            {ids::ID_FILE_NEW, "New (question)"},
            {ids::ID_FILE_PRINT, "Print"},
            {ids::ID_FILE_PRINT_PREVIEW, "Print Preview"},
        };
        for (const auto& [id, name] : dialogs) {
            bool seen = false;
            whenModal(texts, QLatin1String(name), [&seen](QWidget* w) {
                seen = true;
                if (auto* d = qobject_cast<QDialog*>(w))
                    d->reject();
            });
            f->runCommand(id);
            QTRY_VERIFY2(seen, name);
        }

        // Open: the file dialog, then the message about a file that is no configuration.
        bool openAsked = false;
        bool errorSeen = false;
        QString openProblem;
        whenModal(texts, QStringLiteral("Open"), [&](QWidget* w) {
            openAsked = true;
            whenModal(
                texts, QStringLiteral("Load error"),
                [&errorSeen](QWidget* box) {
                    errorSeen = true;
                    qobject_cast<QDialog*>(box)->reject();
                },
                w);
            openProblem = chooseFile(qobject_cast<QFileDialog*>(w), prog.path("broken.dat"));
        });
        f->runCommand(ids::ID_FILE_OPEN);
        QTRY_VERIFY2(openAsked, "File > Open showed no file dialog");
        QTRY_VERIFY2(errorSeen, openProblem.isEmpty()
                                    ? "no load-error message after choosing broken.dat"
                                    : qPrintable(openProblem));

        // Compare: the file dialog, then the report.
        bool reportSeen = false;
        bool compareAsked = false;
        QString compareProblem;
        whenModal(texts, QStringLiteral("Compare"), [&](QWidget* w) {
            compareAsked = true;
            whenModal(
                texts, QStringLiteral("Compare report"),
                [&reportSeen](QWidget* report) {
                    reportSeen = true;
                    qobject_cast<QDialog*>(report)->reject();
                },
                w);
            compareProblem = chooseFile(qobject_cast<QFileDialog*>(w), other);
        });
        QApplication::setActiveWindow(f); // the document's commands need its window active
        QVERIFY(QTest::qWaitForWindowActive(f));
        f->runCommand(ids::ID_FILE_COMPARE);
        QTRY_VERIFY2(compareAsked, "File > Compare showed no file dialog");
        QTRY_VERIFY2(reportSeen, compareProblem.isEmpty()
                                     ? "no compare report after choosing a file"
                                     : qPrintable(compareProblem));

        // The Read window before OK (after the question about the unsaved
        // changes), then a read from the virtual radio: the grid now shows a
        // radio's channels.
        bool replaceAsked = false;
        whenModal(texts, QStringLiteral("Read over unsaved changes"), [&replaceAsked](QWidget* w) {
            replaceAsked = true;
            if (auto* box = qobject_cast<QMessageBox*>(w))
                box->button(QMessageBox::Discard)->click();
        });
        f->runCommand(ids::ID_PROGRAM_READ);
        QVERIFY(replaceAsked);
        view = f->activeView();
        QVERIFY(view->m_pProgressDlg);
        texts.window(QStringLiteral("Read"), view->m_pProgressDlg);
        view->m_strPort = QString::fromUtf8(radio::link::kVirtualRadioPortName);
        QTest::mouseClick(view->m_pProgressDlg->okButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!view->m_pProgressDlg, 15000);
        texts.window(QStringLiteral("Main window after a read"), f);

        // A read from a port that is not there: the failure message.
        view->m_strPort = QStringLiteral("COM99");
        f->runCommand(ids::ID_PROGRAM_READ);
        QVERIFY(view->m_pProgressDlg);
        bool failureSeen = false;
        whenModal(
            texts, QStringLiteral("Read failure"), [&failureSeen](QWidget*) { failureSeen = true; },
            view->m_pProgressDlg);
        QTest::mouseClick(view->m_pProgressDlg->okButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!view->m_pProgressDlg, 15000);
        QVERIFY2(failureSeen, "a read from a missing port showed no failure");

        // Write to Several Radios, before and after writing the virtual radio.
        f->action(ids::ID_PROGRAM_WRITE_FLEET)->trigger();
        auto* fleet = f->findChild<CFleetDlg*>(QStringLiteral("fleetDlg"));
        QVERIFY(fleet);
        texts.window(QStringLiteral("Write to Several Radios"), fleet);
        for (int r = 0; r < fleet->table()->rowCount(); ++r)
            fleet->setTicked(r, fleet->table()->item(r, 0)->data(Qt::UserRole).toString() ==
                                    QLatin1String(radio::link::kVirtualRadioPortName));
        QTest::mouseClick(fleet->startButton(), Qt::LeftButton);
        QVERIFY(fleet->isRunning());
        texts.window(QStringLiteral("Write to Several Radios while writing"), fleet);
        QTRY_VERIFY_WITH_TIMEOUT(!fleet->isRunning(), 30000);
        texts.window(QStringLiteral("Write to Several Radios after writing"), fleet);
        fleet->close();

        // The read changed the configuration: closing asks about the changes.
        bool questionSeen = false;
        whenModal(texts, QStringLiteral("Unsaved changes"), [&questionSeen](QWidget* w) {
            questionSeen = true;
            if (auto* box = qobject_cast<QMessageBox*>(w))
                box->button(QMessageBox::Cancel)->click();
        });
        f->close();
        QVERIFY2(questionSeen, "closing with a read configuration asked nothing");
        QVERIFY(f->isVisible());

        QVERIFY2(texts.stray.isEmpty(), qPrintable(texts.stray.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(ChineseTextsTest)
#include "chinese_texts_test.moc"
