#pragma once
// Setup > Com Setup: which port the transfers use. COM1..COM4 as buttons
// (greyed out when they cannot be opened now), plus the serial ports the
// system reports and the built-in virtual radio, or any port the user types
// (a /dev/serial/by-id link, a pseudo-terminal). It opens on the port it is
// given; OK remembers the choice in the user settings it is handed and hands
// it back through port(), which the caller makes the port of its next
// transfer.

#include "app/UserKeys.h"

#include <QDialog>

#include <QString>

#include <array>

class QButtonGroup;
class QComboBox;
class QRadioButton;

class CComSetupDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 135;
    static constexpr int IDC_COM1 = 1007; // COM2..COM4 follow
    static constexpr int kHelpContext = 32777;

    // `port`: the port the caller's next transfer uses, shown checked.
    explicit CComSetupDlg(const QString& port, QWidget* parent = nullptr);

    // Where OK remembers the choice.
    void load(const radio::UserSettings& user) { m_user = user; }

    // The port the user chose last (per user): what every new channel window
    // transfers on. "COM1" when nothing is stored.
    static QString storedPort(const radio::UserSettings& user);

    // How a port is named to the user: the virtual radio in his language,
    // any other by its own name.
    static QString portText(const QString& port);

    // Greys out the ports that cannot be opened and checks the stored choice.
    void OnInitDialog();
    // Takes the checked port as port() and stores the choice.
    void OnOK();
    // OK: OnOK, then close.
    void accept() override;

    QRadioButton* comButton(int index) const { return m_com[std::size_t(index)]; }
    QRadioButton* otherButton() const { return m_other; }
    QComboBox* otherPorts() const { return m_otherPorts; }
    // The port given, or the one chosen by the last OK.
    QString port() const { return m_strPort; }

    // 0..3 for COM1..COM4, -1 when none is checked (or another port is).
    int m_nCom = 0;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    // The other port chosen: a listed entry's port, or the name typed.
    QString otherPort() const;

    QString m_strPort;
    std::array<QRadioButton*, 4> m_com{};
    QRadioButton* m_other;
    QComboBox* m_otherPorts;
    QButtonGroup* m_group;
    radio::UserSettings m_user;
};
