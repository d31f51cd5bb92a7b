#pragma once
// What the radio commands need of Qt and the terminal, in one place.

#include <QCoreApplication>

#include <memory>

namespace radio::cli {

// QSerialPort wants an application object for its notifiers: a new one, or
// null when there is one already.
std::unique_ptr<QCoreApplication> ensureApplication();

// True when standard error is a terminal (progress is drawn in place there).
bool stderrIsTerminal();

} // namespace radio::cli
