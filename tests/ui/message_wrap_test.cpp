// Message boxes widen a little rather than leave the last word of a
// sentence alone on a line.

#include "ui/qt/widgets/MessageWrap.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QtTest>

namespace {

// An independent greedy word wrap: does the text end with one word alone?
bool loneLastWord(const QString& text, const QFont& font, int width) {
    const QFontMetrics fm(font);
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString line;
    int lines = 1;
    int wordsOnLine = 0;
    for (const QString& w : words) {
        const QString candidate = line.isEmpty() ? w : line + QLatin1Char(' ') + w;
        if (!line.isEmpty() && fm.horizontalAdvance(candidate) > width) {
            ++lines;
            line = w;
            wordsOnLine = 1;
        } else {
            line = candidate;
            ++wordsOnLine;
        }
    }
    return lines > 1 && wordsOnLine == 1;
}

const QStringList kWords =
    QStringLiteral("The configuration could not be written because the folder you "
                   "chose is on a medium that is full or read only for this user so "
                   "nothing was changed and the previous file is still there as before")
        .split(QLatin1Char(' '));

const int kWordCount = int(kWords.size());

QString firstWords(int n) {
    return QStringList(kWords.mid(0, n)).join(QLatin1Char(' '));
}

int shownLabelWidth(const QString& text, QString* shownText = nullptr) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Program"), text);
    box.show();
    QTest::qWait(20);
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (shownText)
        *shownText = label->text();
    return label->contentsRect().width();
}

} // namespace

class MessageWrapTest : public QObject {
    Q_OBJECT
private slots:
    void widensOnlyWhereItHelps() {
        const QFont font = QApplication::font();
        const QString text = firstWords(kWordCount);
        // The middle of the first run of widths that leave a lone word, away
        // from where rounding could decide.
        int first = 0;
        int last = 0;
        for (int w = 120; w < 700 && (!first || last == w - 1); ++w)
            if (loneLastWord(text, font, w)) {
                first = first ? first : w;
                last = w;
            }
        QVERIFY2(first, "no width leaves a lone word: the test text is too short");
        const int lonely = (first + last) / 2;
        const int wider = dialogs::widthWithoutLoneWords(text, font, lonely, lonely * 4 / 3);
        QVERIFY(wider > lonely);
        QVERIFY(!loneLastWord(text, font, wider));
        // No room to widen: the width stays.
        QCOMPARE(dialogs::widthWithoutLoneWords(text, font, lonely, lonely), lonely);
        // Nothing to mend: the width stays.
        int fine = last + 1;
        while (loneLastWord(text, font, fine) || loneLastWord(text, font, fine + 4))
            ++fine;
        fine += 2;
        QCOMPARE(dialogs::widthWithoutLoneWords(text, font, fine, fine * 2), fine);
        // Each paragraph counts on its own.
        const QString two = QStringLiteral("Short first line.\n") + text;
        QVERIFY(dialogs::widthWithoutLoneWords(two, font, lonely, lonely * 4 / 3) > lonely);
    }

    void shownBoxesAreWidenedAndKeepTheirText() {
        // Find a message the box's own wrapping leaves with a lone last word.
        QString text;
        int before = 0;
        for (int n = 8; n <= kWordCount && text.isEmpty(); ++n) {
            const int width = shownLabelWidth(firstWords(n));
            // Clear of the widths where rounding could decide.
            const QFont font = QApplication::font();
            if (loneLastWord(firstWords(n), font, width - 4) &&
                loneLastWord(firstWords(n), font, width + 4)) {
                text = firstWords(n);
                before = width;
            }
        }
        if (text.isEmpty())
            QSKIP("the box's own width never leaves a lone word with this font");
        dialogs::MessageWrapFilter filter;
        qApp->installEventFilter(&filter);
        QString shown;
        const int after = shownLabelWidth(text, &shown);
        qApp->removeEventFilter(&filter);
        QCOMPARE(shown, text);
        QVERIFY2(after > before, qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(after)));
        QVERIFY(!loneLastWord(text, QApplication::font(), after));
    }
};

QTEST_MAIN(MessageWrapTest)
#include "message_wrap_test.moc"
