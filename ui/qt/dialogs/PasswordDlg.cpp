#include "ui/qt/dialogs/PasswordDlg.h"

#include "model/FactoryMode.h"
#include "ui/qt/common/CoreTexts.h"
#include "ui/qt/dialogs/DialogSupport.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace radio::factory;
using dialogs::qs;

CPasswordDlg::CPasswordDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CPasswordDlg"));
    setWindowTitle(tr("Password"));
    setFont(dialogs::templateFont());

    m_edit = new QLineEdit;
    m_edit->setObjectName(QStringLiteral("edit1009"));
    m_edit->setProperty("controlId", IDC_PASSWORD);
    m_edit->setMaxLength(kCodeLength);
    m_edit->setEchoMode(QLineEdit::Password);
    // Asterisks, whatever the platform's own password character is.
    m_edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    m_edit->setMinimumWidth(120);

    auto* label = new QLabel(tr("Password"));
    label->setBuddy(m_edit);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_edit, 1);

    m_btnOk = new QPushButton(tr("OK"));
    m_btnCancel = new QPushButton(tr("Cancel"));
    connect(m_btnOk, &QPushButton::clicked, this, &CPasswordDlg::OnOK);
    dialogs::layOutWithOkCancel(this, row, m_btnOk, m_btnCancel);
    m_edit->setFocus();
}

void CPasswordDlg::OnOK() {
    m_strPassword = m_edit->text();
    if (accessCodeAccepted(m_strPassword.toStdString())) {
        accept();
        return;
    }
    const radio::Translate& tr = radio::coreTexts(m_language);
    dialogs::showMessage(this, qs(passwordErrorText(tr)), qs(passwordErrorCaption(tr)));
    m_edit->setFocus();
}
