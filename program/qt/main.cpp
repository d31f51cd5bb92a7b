#include "model/SafeFile.h"
#include "program/qt/ProgramApp.h"

#include <QApplication>

int main(int argc, char** argv) {
    // Closing the session (SIGTERM) during a save leaves no temporary file.
    radio::files::removeTemporaryOnSignals();
    QApplication qapp(argc, argv);
    CProgramApp app(QCoreApplication::arguments());
    return app.run();
}
