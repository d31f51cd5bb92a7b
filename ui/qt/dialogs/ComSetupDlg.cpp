#include "ui/qt/dialogs/ComSetupDlg.h"

#include "link/VirtualRadioPort.h"
#include "link/qt/SerialPort.h"
#include "ui/qt/common/Help.h"
#include "ui/qt/dialogs/DialogSupport.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <QVBoxLayout>

CComSetupDlg::CComSetupDlg(const QString& port, QWidget* parent)
    : QDialog(parent), m_strPort(port), m_other(new QRadioButton(tr("Other port:"), this)),
      m_otherPorts(new QComboBox(this)), m_group(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("comSetupDlg"));
    setWindowTitle(tr("COM Setup"));
    setFont(dialogs::templateFont());

    auto* com = new QGroupBox(tr("COM"), this);
    auto* grid = new QGridLayout(com);
    for (int i = 0; i < 4; ++i) {
        auto* b = new QRadioButton(QStringLiteral("COM%1").arg(i + 1), com);
        b->setProperty("controlId", IDC_COM1 + i);
        m_com[std::size_t(i)] = b;
        m_group->addButton(b, i);
        grid->addWidget(b, i / 2, i % 2);
    }
    auto* others = new QGroupBox(tr("Other ports"), this);
    auto* row = new QHBoxLayout(others);
    m_group->addButton(m_other, 4);
    row->addWidget(m_other);
    row->addWidget(m_otherPorts, 1);
    m_otherPorts->setObjectName(QStringLiteral("otherPorts"));
    // A port the system does not list can be typed; it is not added to the
    // list, which holds what the system reports.
    m_otherPorts->setEditable(true);
    m_otherPorts->setInsertPolicy(QComboBox::NoInsert);
    // No completion: /dev/ttyS1 typed must not become a listed /dev/ttyS10.
    m_otherPorts->setCompleter(nullptr);
    // Picking a port from the list, or typing one, means choosing it.
    connect(m_otherPorts, QOverload<int>::of(&QComboBox::activated), this,
            [this] { m_other->setChecked(true); });
    connect(m_otherPorts->lineEdit(), &QLineEdit::textEdited, this,
            [this] { m_other->setChecked(true); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(com);
    layout->addWidget(others);
    layout->addWidget(buttons);
}

void CComSetupDlg::OnInitDialog() {
    for (int n = 1; n <= 4; ++n)
        m_com[std::size_t(n - 1)]->setEnabled(
            radio::link::SerialPort::canOpen("com" + std::to_string(n)));

    m_otherPorts->clear();
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString location = info.systemLocation();
        const QString text = info.description().isEmpty()
                                 ? location
                                 : QStringLiteral("%1 (%2)").arg(location, info.description());
        m_otherPorts->addItem(text, location);
    }
    const QString virtualRadio = QString::fromUtf8(radio::link::kVirtualRadioPortName);
    m_otherPorts->addItem(portText(virtualRadio), virtualRadio);

    // The port the next transfer of the caller's window uses, which is the
    // stored choice unless that window was set otherwise.
    const QString& port = m_strPort;
    static const QRegularExpression comN(QStringLiteral("^com(\\d+)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = comN.match(port);
    std::string other;
    bool ok = false;
    const int n = m.hasMatch() ? m.captured(1).toInt(&ok) : 0;
    if (ok && n >= 1 && n <= 4) {
        m_nCom = n - 1;
    } else {
        // COM5 and above have no button: they are listed as another port,
        // so the choice shows and an OK keeps it.
        m_nCom = -1;
        other = port.toStdString();
    }
    m_group->setExclusive(false);
    for (auto* b : m_group->buttons())
        b->setChecked(false);
    m_group->setExclusive(true);
    if (!other.empty()) {
        const QString name = QString::fromStdString(other);
        int index = m_otherPorts->findData(name);
        if (index < 0) {
            // A port that is not plugged in now is still the user's choice.
            m_otherPorts->addItem(name, name);
            index = m_otherPorts->count() - 1;
        }
        m_otherPorts->setCurrentIndex(index);
        m_other->setChecked(true);
    } else if (m_nCom >= 0 && m_nCom < 4) {
        m_com[std::size_t(m_nCom)]->setChecked(true);
    }
}

QString CComSetupDlg::portText(const QString& port) {
    return port == QLatin1String(radio::link::kVirtualRadioPortName) ? tr("Virtual radio") : port;
}

QString CComSetupDlg::otherPort() const {
    const QString text = m_otherPorts->currentText();
    // Entries show a description or a translated name; their data is the port.
    const int listed = m_otherPorts->findText(text, Qt::MatchExactly);
    if (listed >= 0)
        return m_otherPorts->itemData(listed).toString();
    return text.trimmed();
}

QString CComSetupDlg::storedPort(const radio::UserSettings& user) {
    namespace uk = radio::userkeys;
    if (const std::string other = user.get(uk::PortName); !other.empty())
        return QString::fromStdString(other);
    if (const auto stored = user.stored(uk::Port))
        return QStringLiteral("com%1").arg(int(*stored));
    return QStringLiteral("COM1");
}

void CComSetupDlg::OnOK() {
    const int checked = m_group->checkedId();
    m_nCom = checked >= 0 && checked < 4 ? checked : -1;
    const QString other = checked == 4 ? otherPort() : QString();
    // Nothing chosen keeps the port as it was; there is no "com0".
    if (m_nCom < 0 && other.isEmpty())
        return;
    namespace uk = radio::userkeys;
    if (!other.isEmpty()) {
        m_strPort = other;
        m_user.set(uk::PortName, other.toStdString());
        return;
    }
    m_strPort = QStringLiteral("com%1").arg(m_nCom + 1);
    m_user.set(uk::Port, std::uint32_t(m_nCom + 1));
    m_user.set(uk::PortName, std::string());
}

void CComSetupDlg::accept() {
    OnOK();
    QDialog::accept();
}

void CComSetupDlg::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F1) {
        appHelp(kHelpContext);
        return;
    }
    QDialog::keyPressEvent(e);
}
