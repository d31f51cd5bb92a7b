#include "ui/qt/dialogs/LanguageDlg.h"

#include "app/IniFile.h"
#include "ui/CommandIds.h"
#include "ui/qt/common/Help.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CLanguageDlg::CLanguageDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Language"));
    m_english = new QRadioButton(tr("English"));
    m_chinese = new QRadioButton(tr("Chinese"));
    m_english->setProperty("controlId", ids::IDC_LANG_ENGLISH);
    m_chinese->setProperty("controlId", ids::IDC_LANG_CHINESE);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_english);
    layout->addWidget(m_chinese);
    layout->addWidget(buttons);
    load(false, nullptr);
}

void CLanguageDlg::load(bool runningChinese, radio::CIniFile* settings) {
    m_bRunningChinese = runningChinese;
    m_settings = settings;
    // The running language is checked.
    m_nLanguage = runningChinese ? 1 : 0;
    (m_nLanguage == 1 ? m_chinese : m_english)->setChecked(true);
}

void CLanguageDlg::accept() {
    m_nLanguage = m_chinese->isChecked() ? 1 : m_english->isChecked() ? 0 : -1;
    if (m_nLanguage != -1 && m_nLanguage != (m_bRunningChinese ? 1 : 0)) {
        m_bChanged = true;
        if (m_settings)
            m_settings->SetString("Setup", "Language", m_bRunningChinese ? "English" : "Chinese");
    }
    QDialog::accept();
}

void CLanguageDlg::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F1) {
        appHelp(ids::ID_SETUP_LANGUAGE);
        return;
    }
    QDialog::keyPressEvent(e);
}
