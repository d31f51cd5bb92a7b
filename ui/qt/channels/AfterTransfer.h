#pragma once
// What follows a transfer of one channel window: a backup of every read, and
// the optional read-back that checks a write.

#include "link/Verify.h"

#include <QObject>
#include <QString>

class CProgramView;
class CProgressDlg;
namespace radio {
class UserSettings;
}

namespace radio::link {
class TransferController;
}

class AfterTransfer : public QObject {
    Q_OBJECT
public:
    explicit AfterTransfer(CProgramView* view);

    // Offers "Verify after writing" in a write's progress window, as this
    // user left it last time.
    static void addVerifyOption(CProgressDlg* dlg, const radio::UserSettings& user);
    // After a successful read: a backup of what the document now holds.
    void keepBackup();
    // After a successful write: starts the read-back on `transfer` when the
    // window asks for it and returns true; verifyDone() follows.
    bool writeFinished(radio::link::TransferController* transfer);
    // While the read-back runs.
    bool verifying() const { return m_verifying; }
    // The read-back's outcome: its message, then verifyFinished.
    void verifyDone(const radio::link::VerifyOutcome& outcome);
    QString lastVerifyText() const { return m_lastVerify; }
    QString lastBackupPath() const { return m_lastBackup; }

signals:
    void verifyFinished(bool verified);

private:
    CProgramView* m_view;
    bool m_verifying = false;
    QString m_lastVerify;
    QString m_lastBackup;
};
