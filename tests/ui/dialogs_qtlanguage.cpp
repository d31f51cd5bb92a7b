// Qt's own dialogs and buttons speak the program's language: in Chinese the
// standard file dialog and the message-box buttons are Chinese too; in
// English they stay as Qt ships them.

#include "window_fixture.h"

#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

namespace {

QStringList labelTexts(const QWidget& w) {
    QStringList out;
    for (const QLabel* label : w.findChildren<QLabel*>())
        out << label->text().remove(QLatin1Char('&'));
    return out;
}

QStringList buttonTexts(const QMessageBox& box) {
    QStringList out;
    for (const QAbstractButton* b : box.buttons())
        out << b->text().remove(QLatin1Char('&'));
    return out;
}

} // namespace

class QtLanguageTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_values;

private slots:
    void initTestCase() { isolateUserValues(m_values); }

    void standardDialogsFollowTheLanguage_data() {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<bool>("english");
        QTest::newRow("Chinese") << QByteArray("Chinese") << false;
        QTest::newRow("English") << QByteArray("English") << true;
    }
    void standardDialogsFollowTheLanguage() {
        QFETCH(QByteArray, language);
        QFETCH(bool, english);
        TempProgram prog(language.constData());
        {
            START_PROGRAM_IN(prog);

            QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("x"),
                            QMessageBox::Ok | QMessageBox::Cancel);
            const QStringList buttons = buttonTexts(box);
            QCOMPARE(buttons.size(), 2);
            QCOMPARE(buttons.contains(QStringLiteral("OK")), english);
            QCOMPARE(buttons.contains(QStringLiteral("Cancel")), english);

            QFileDialog files;
            files.setOption(QFileDialog::DontUseNativeDialog);
            const QStringList labels = labelTexts(files);
            QVERIFY(!labels.isEmpty());
            QCOMPARE(labels.contains(QStringLiteral("File name:")), english);
            QCOMPARE(labels.contains(QStringLiteral("Look in:")), english);

            // Its type column too: a folder, and a file type by its MIME name.
            QTemporaryDir folder;
            QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sub")));
            QFile csv(folder.filePath(QStringLiteral("list.csv")));
            QVERIFY(csv.open(QIODevice::WriteOnly) && csv.write("CH\n1\n") > 0);
            csv.close();
            files.setDirectory(folder.path());
            auto* model = files.findChild<QFileSystemModel*>();
            QVERIFY(model);
            const auto typeOf = [model, &folder](const char* name) {
                return model->type(model->index(folder.filePath(QLatin1String(name))));
            };
            QTRY_VERIFY2(!typeOf("sub").isEmpty() && !typeOf("list.csv").isEmpty(),
                         "the file dialog lists the folder");
            QCOMPARE(typeOf("sub"), english ? QStringLiteral("Folder") : QStringLiteral("文件夹"));
            static const QRegularExpression han(QStringLiteral("[\\x{4e00}-\\x{9fff}]"));
            QVERIFY2(typeOf("list.csv").contains(han) != english, qPrintable(typeOf("list.csv")));
        }
        // The locale goes back as well.
        QVERIFY(QLocale().language() != QLocale::Chinese);
        // The program gone, its translations go with it.
        QMessageBox after(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("x"),
                          QMessageBox::Ok | QMessageBox::Cancel);
        QVERIFY(buttonTexts(after).contains(QStringLiteral("OK")));
    }
};

QTEST_MAIN(QtLanguageTest)
#include "dialogs_qtlanguage.moc"
