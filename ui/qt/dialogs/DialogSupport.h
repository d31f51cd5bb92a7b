#pragma once
// Small helpers the radio-wide dialogs share: text conversion, the control ID
// that names a help topic, the dialogs' font, layout and message boxes.

#include <QFont>
#include <QString>

#include <string>

class QDialog;
class QLayout;
class QPushButton;
class QWidget;

namespace dialogs {

inline QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// The "controlId" of the focused widget or of its nearest ancestor inside
// `dialog`; 0 when none carries one.
int focusedControlId(const QWidget* dialog);

// The templates' font.
QFont templateFont();

// Lays `dialog` out as `body` above a row with `ok` (the default button) and
// `cancel` (which rejects the dialog) at the right. The caller makes the
// buttons, so their texts stay in its own translation context.
void layOutWithOkCancel(QDialog* dialog, QLayout* body, QPushButton* ok, QPushButton* cancel);

// A message box with an OK button, modal to `parent`; returns when closed.
// Without a caption it carries the program's name and a warning sign, as the
// program's own messages do.
void showMessage(QWidget* parent, const QString& text, const QString& caption = QString());

} // namespace dialogs
