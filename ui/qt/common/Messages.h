#pragma once
// The message boxes the windows show about the user's own work: a problem
// (warning) or news, with an OK button, modal to `parent`.

#include <QString>

#include <functional>

class QWidget;

namespace messages {

// Tests replace it to read the message instead of closing a box.
extern std::function<void(QWidget* parent, const QString& text, bool warning)> show;

} // namespace messages
