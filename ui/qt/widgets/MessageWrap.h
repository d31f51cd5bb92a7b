#pragma once
// Message boxes wrap long texts at a fixed width, which often leaves the
// last word of a sentence alone on a line. Widening the box a little avoids
// that where it can; the text itself is never changed.

#include <QObject>

class QFont;
class QMessageBox;
class QString;

namespace dialogs {

// The narrowest width from `width` up to `maxWidth` at which no paragraph of
// `text` (lines separated by '\n') wraps with a single word on its last
// line; `width` itself when it has no such line or no width up to
// `maxWidth` avoids one.
int widthWithoutLoneWords(const QString& text, const QFont& font, int width, int maxWidth);

// Widens a shown message box so its text has no lone last word, when at
// most a third more width does it.
void fitMessageWidth(QMessageBox* box);

// Installed on the application: applies fitMessageWidth to every message
// box once it has laid itself out.
class MessageWrapFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace dialogs
