#include "ui/qt/channels/ApplicationPrinter.h"

#include <QCoreApplication>
#include <QPointer>
#include <QPrinter>

namespace radio::print {

namespace {

class PrinterHolder : public QObject {
public:
    explicit PrinterHolder(QObject* parent) : QObject(parent) {}
    QPrinter printer{QPrinter::HighResolution};
};

} // namespace

QPrinter& applicationPrinter() {
    static QPointer<PrinterHolder> holder;
    if (!holder)
        holder = new PrinterHolder(QCoreApplication::instance());
    return holder->printer;
}

} // namespace radio::print
