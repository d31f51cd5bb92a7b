#include "ui/qt/dialogs/DialogSupport.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

namespace dialogs {

int focusedControlId(const QWidget* dialog) {
    // The dialog's own focus widget, so the answer does not depend on the
    // dialog being the active window at that moment.
    const QWidget* start = dialog ? dialog->focusWidget() : QApplication::focusWidget();
    for (const QWidget* w = start; w; w = w->parentWidget()) {
        if (w->property("controlId").isValid())
            return w->property("controlId").toInt();
        if (w == dialog)
            break;
    }
    return 0;
}

QFont templateFont() {
    QFont font(QStringLiteral("Times New Roman"), 9);
    font.setStyleHint(QFont::Serif);
    return font;
}

void layOutWithOkCancel(QDialog* dialog, QLayout* body, QPushButton* ok, QPushButton* cancel) {
    ok->setDefault(true);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(body);
    layout->addSpacing(8);
    layout->addLayout(buttons);
}

void showMessage(QWidget* parent, const QString& text, const QString& caption) {
    QMessageBox box(caption.isEmpty() ? QMessageBox::Warning : QMessageBox::NoIcon,
                    caption.isEmpty() ? QCoreApplication::applicationName() : caption, text,
                    QMessageBox::Ok, parent);
    box.exec();
}

} // namespace dialogs
