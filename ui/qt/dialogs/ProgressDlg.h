#pragma once
// The modeless transfer window: OK starts the transfer, Cancel stops it (or
// closes the window before it started), the bar and the counter show the
// blocks done. A line above the bar says what will happen and where, then
// what the transfer is doing, then how it ended. A write offers its check.

#include "link/Transfer.h"

#include <QDialog>
#include <QString>

class CProgramView;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

class CProgressDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 131;
    static constexpr int IDC_PROGRESS = 1001;
    static constexpr int IDC_COUNTER = 1009;

    CProgressDlg(CProgramView* view, QWidget* owner);

    // Range 0..64 at position 0, the caption from m_strTitle, no cancel request.
    void OnInitDialog();

    void setRange(int maximum);
    void stepIt();
    int position() const;
    void setCounterText(const QString& text);
    int maximum() const;

    // The line before OK: what pressing it does, on which port.
    void announce(radio::link::Direction direction, bool factory, const QString& port);
    // A line above the others naming what a write sends.
    void showConfiguration(const QString& text);
    QString configurationText() const;
    // The line while the transfer runs; the block shown is the one under way.
    void setPhase(radio::link::TransferPhase phase);
    // The line at the end. A failure is shown as one.
    void showResult(bool ok, const QString& text);
    QString statusText() const;
    // A port or file name as the line shows it: a long one shortened in the
    // middle, so the window keeps its width.
    QString fitPath(const QString& path) const;
    bool succeeded() const { return m_result == Result::Ok; }
    bool failed() const { return m_result == Result::Failed; }

    // "Verify after writing": a write's window offers it, a read's does not.
    void offerVerify(bool checked);
    bool verifyOffered() const { return m_verify != nullptr; }
    bool verifyAfterWrite() const;

    QPushButton* okButton() const { return m_btnOk; }
    QPushButton* cancelButton() const { return m_btnCancel; }
    QLabel* counter() const { return m_counter; }
    QLabel* statusLine() const { return m_status; }
    QProgressBar* progress() const { return m_progress; }
    bool started() const;

    CProgramView* m_pView;
    QString m_strTitle;
    int m_bCancel = 0;

signals:
    // Queued to the view: the user asked to start the transfer.
    void startTransfer();
    // The running transfer is asked to stop.
    void cancelRequested();
    // The line was set (also to the same text, when the bar moved).
    void statusChanged(const QString& text);
    // The user changed "Verify after writing".
    void verifyToggled(bool on);

public slots:
    void OnOK();
    void OnCancel();

protected:
    // Escape and the close box are Cancel.
    void reject() override;

private:
    enum class Result { None, Ok, Failed };
    void setStatus(const QString& text);
    void showPhase();

    QLabel* m_status;
    QLabel* m_configuration = nullptr;
    QProgressBar* m_progress;
    QLabel* m_counter;
    QCheckBox* m_verify = nullptr;
    QPushButton* m_btnOk;
    QPushButton* m_btnCancel;
    bool m_phaseKnown = false;
    radio::link::TransferPhase m_phase = radio::link::TransferPhase::Connecting;
    Result m_result = Result::None;
};
