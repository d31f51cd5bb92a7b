#include "ui/qt/widgets/MessageWrap.h"

#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTextLayout>

namespace dialogs {
namespace {

// True when a paragraph laid out at `width` ends with one word on a line of
// its own after at least one full line.
bool endsWithLoneWord(const QString& paragraph, const QFont& font, int width) {
    QTextLayout layout(paragraph, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    int lines = 0;
    int lastStart = 0;
    int lastLength = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        ++lines;
        lastStart = line.textStart();
        lastLength = line.textLength();
    }
    layout.endLayout();
    if (lines < 2)
        return false;
    const QString last = paragraph.mid(lastStart, lastLength).trimmed();
    return !last.isEmpty() && !last.contains(QLatin1Char(' '));
}

bool hasLoneWord(const QStringList& paragraphs, const QFont& font, int width) {
    for (const QString& p : paragraphs)
        if (endsWithLoneWord(p, font, width))
            return true;
    return false;
}

} // namespace

int widthWithoutLoneWords(const QString& text, const QFont& font, int width, int maxWidth) {
    const QStringList paragraphs = text.split(QLatin1Char('\n'));
    if (width <= 0 || !hasLoneWord(paragraphs, font, width))
        return width;
    const int step = qMax(4, width / 50);
    for (int w = width + step; w <= maxWidth; w += step)
        if (!hasLoneWord(paragraphs, font, w))
            return w;
    return width;
}

void fitMessageWidth(QMessageBox* box) {
    auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!label || !label->wordWrap() || label->textFormat() == Qt::RichText)
        return;
    const int width = label->contentsRect().width();
    const int wider = widthWithoutLoneWords(label->text(), label->font(), width, width + width / 3);
    if (wider <= width)
        return;
    const int boxWidth = box->width() + (wider - width);
    // The label keeps the width it was given unless asked for more.
    label->setMinimumWidth(label->width() + (wider - width));
    QLayout* layout = box->layout();
    const int height = layout && layout->hasHeightForWidth() ? layout->totalHeightForWidth(boxWidth)
                                                             : box->height();
    box->setFixedSize(boxWidth, height > 0 ? height : box->height());
    if (layout)
        layout->activate();
}

bool MessageWrapFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            // The box sizes itself in its own show handler, after this one.
            QPointer<QMessageBox> guard(box);
            QMetaObject::invokeMethod(
                box,
                [guard] {
                    if (guard)
                        fitMessageWidth(guard);
                },
                Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace dialogs
