#include "ui/qt/shell/AboutDlg.h"

#include "app/IniFile.h"
#include "ui/CommandIds.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    setFont(font);

    m_logo = new QLabel;
    m_logo->setProperty("controlId", ids::IDC_ABOUT_LOGO);
    m_version = new QLabel;
    m_copyrights = new QLabel;
    m_owner = new QLabel;
    m_version->setProperty("controlId", ids::IDC_ABOUT_VERSION);
    m_copyrights->setProperty("controlId", ids::IDC_ABOUT_COPYRIGHTS);
    m_owner->setProperty("controlId", ids::IDC_ABOUT_OWNER);

    // The program's own terms, whatever the settings file says about its owner.
    m_licence = new QLabel(tr("Free software under the GNU General Public License, version 3 "
                              "or later (GPL-3.0-or-later), without any warranty."));
    m_licence->setWordWrap(true);
    m_licence->setMinimumWidth(m_licence->fontMetrics().averageCharWidth() * 48);

    auto* ok = new QPushButton(tr("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(m_version);
    texts->addWidget(m_copyrights);
    texts->addWidget(m_owner);
    texts->addWidget(m_licence);
    auto* right = new QVBoxLayout;
    right->addWidget(ok);
    right->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_logo, 0, Qt::AlignTop);
    layout->addLayout(texts, 1);
    layout->addLayout(right);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    load(nullptr, std::string(), QString());
}

void CAboutDlg::load(const radio::CIniFile* settings, const std::string& languageName,
                     const QString& programDir) {
    const auto text = [&](const char* key) {
        return settings ? QString::fromStdString(settings->GetString(languageName, key))
                        : QString();
    };
    setWindowTitle(text("About Title"));
    const QPixmap picture(programDir + QStringLiteral("logo.bmp"));
    if (!picture.isNull())
        m_logo->setPixmap(picture);
    else
        m_logo->setPixmap(QIcon(QStringLiteral(":/title.ico")).pixmap(32, 32));
    m_version->setText(text("Version"));
    m_copyrights->setText(text("Copyrights"));
    m_owner->setText(text("Copyrights Owner"));
}

QLabel* CAboutDlg::line(int controlId) const {
    switch (controlId) {
    case ids::IDC_ABOUT_VERSION:
        return m_version;
    case ids::IDC_ABOUT_COPYRIGHTS:
        return m_copyrights;
    case ids::IDC_ABOUT_OWNER:
        return m_owner;
    default:
        return nullptr;
    }
}
