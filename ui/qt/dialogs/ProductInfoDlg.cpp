#include "ui/qt/dialogs/ProductInfoDlg.h"

#include "app/IniFile.h"
#include "ui/qt/common/Help.h"
#include "ui/qt/dialogs/DialogSupport.h"

#include <QComboBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QPushButton>

using dialogs::qs;

CProductInfoDlg::CProductInfoDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CProductInfoDlg"));
    setWindowTitle(tr("Product Information"));
    setFont(dialogs::templateFont());

    m_cbType = new QComboBox;
    m_cbType->setProperty("controlId", int(IDC_TYPE));
    m_cbType->setObjectName(QStringLiteral("list1013"));
    m_cbFrequency = new QComboBox;
    m_cbFrequency->setProperty("controlId", int(IDC_FREQUENCY));
    m_cbFrequency->setObjectName(QStringLiteral("list1014"));
    for (QComboBox* cb : {m_cbType, m_cbFrequency}) {
        cb->setMinimumWidth(200);
        cb->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    }

    auto* form = new QFormLayout;
    form->addRow(tr("Type"), m_cbType);
    form->addRow(tr("Frequency"), m_cbFrequency);

    m_btnOk = new QPushButton(tr("OK"));
    m_btnCancel = new QPushButton(tr("Cancel"));
    connect(m_btnOk, &QPushButton::clicked, this, &CProductInfoDlg::OnOK);
    dialogs::layOutWithOkCancel(this, form, m_btnOk, m_btnCancel);

    connect(m_cbType, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_bLoading)
            OnSelChangeType();
    });
    connect(m_cbFrequency, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_bLoading)
            m_state.bandIndex = index;
    });
}

int CProductInfoDlg::DoModal() {
    if (!m_bLoaded)
        return QDialog::Rejected;
    return exec();
}

bool CProductInfoDlg::load(const radio::Image& image, const radio::CIniFile* settings,
                           radio::UserValues* user, const std::string& languageName) {
    m_bLoaded = false;
    m_settings = settings;
    m_user = user;
    m_languageName = languageName;
    if (!settings)
        return false;
    m_image = image;
    m_state = radio::openProductDialog(*settings, user);
    m_bLoading = true;
    m_cbType->clear();
    for (const std::string& t : m_state.types)
        m_cbType->addItem(qs(t));
    m_cbType->setCurrentIndex(m_state.typeIndex);
    fillFrequencies();
    m_bLoading = false;
    m_cbType->setFocus();
    m_bLoaded = true;
    return true;
}

void CProductInfoDlg::fillFrequencies() {
    const bool loading = m_bLoading;
    m_bLoading = true;
    m_cbFrequency->clear();
    for (const std::string& b : m_state.bands)
        m_cbFrequency->addItem(qs(b));
    m_cbFrequency->setCurrentIndex(m_state.bandIndex);
    m_bLoading = loading;
}

void CProductInfoDlg::OnSelChangeType() {
    if (m_settings) {
        radio::selectProductType(m_state, *m_settings, m_cbType->currentIndex());
        fillFrequencies();
    }
}

void CProductInfoDlg::OnOK() {
    if (!m_settings) {
        reject();
        return;
    }
    m_state.typeIndex = m_cbType->currentIndex();
    m_state.bandIndex = m_cbFrequency->currentIndex();
    m_choice = radio::applyProductDialog(m_state, m_image, *m_settings, m_user, m_languageName);
    accept();
}

void CProductInfoDlg::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F1) {
        appHelp(dialogs::focusedControlId(this));
        return;
    }
    QDialog::keyPressEvent(e);
}
