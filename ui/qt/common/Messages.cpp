#include "ui/qt/common/Messages.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace messages {

std::function<void(QWidget*, const QString&, bool)> show = [](QWidget* parent, const QString& text,
                                                              bool warning) {
    QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::Information,
                    QCoreApplication::applicationName(), text, QMessageBox::Ok, parent);
    box.exec();
};

} // namespace messages
