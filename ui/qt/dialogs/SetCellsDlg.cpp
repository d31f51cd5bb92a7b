#include "ui/qt/dialogs/SetCellsDlg.h"

#include "ui/qt/dialogs/DialogSupport.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

CSetCellsDlg::CSetCellsDlg(const QString& columnName, const QStringList& entries,
                           const QString& current, int rows, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("CSetCellsDlg"));
    setWindowTitle(tr("Set Selected Cells"));
    setFont(dialogs::templateFont());

    QWidget* field = nullptr;
    if (entries.isEmpty()) {
        m_edit = new QLineEdit(current);
        m_edit->setObjectName(QStringLiteral("value"));
        m_edit->selectAll();
        m_edit->setMinimumWidth(120);
        field = m_edit;
    } else {
        m_list = new QComboBox;
        m_list->setObjectName(QStringLiteral("value"));
        m_list->addItems(entries);
        m_list->setMaxVisibleItems(12);
        m_list->setCurrentIndex(std::max(0, int(entries.indexOf(current))));
        field = m_list;
    }
    auto* label = new QLabel(columnName);
    label->setObjectName(QStringLiteral("column"));
    label->setBuddy(field);
    auto* body = new QGridLayout;
    body->addWidget(label, 0, 0);
    body->addWidget(field, 0, 1);
    body->addWidget(new QLabel(tr("Selected rows: %1").arg(rows)), 1, 0, 1, 2);

    m_btnOk = new QPushButton(tr("OK"));
    auto* cancel = new QPushButton(tr("Cancel"));
    connect(m_btnOk, &QPushButton::clicked, this, &QDialog::accept);
    dialogs::layOutWithOkCancel(this, body, m_btnOk, cancel);
    field->setFocus();
}

QString CSetCellsDlg::value() const {
    return m_list ? m_list->currentText() : m_edit->text();
}
