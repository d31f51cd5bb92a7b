#include "app/qt/ProgramApp.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    CProgramApp app(QCoreApplication::arguments());
    return app.run();
}
