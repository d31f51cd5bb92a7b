#pragma once
// The modeless transfer window: OK starts the transfer, Cancel stops it (or
// closes the window before it started), the bar and the counter show the
// blocks done.

#include <QDialog>
#include <QString>

class CProgramView;
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

    QPushButton* okButton() const { return m_btnOk; }
    QPushButton* cancelButton() const { return m_btnCancel; }
    QLabel* counter() const { return m_counter; }
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

public slots:
    void OnOK();
    void OnCancel();

protected:
    // Escape and the close box are Cancel.
    void reject() override;

private:
    QProgressBar* m_progress;
    QLabel* m_counter;
    QPushButton* m_btnOk;
    QPushButton* m_btnCancel;
};
