#pragma once
// Program > Write to Several Radios...: the active configuration written to
// the radios on the ticked ports at the same time, one row per port with its
// progress, phase and result. The workers run on their own threads; the
// dialog only polls them, so the window never waits on a radio.

#include "link/Fleet.h"
#include "link/ProgrammingRecord.h"
#include "link/Tracing.h"
#include "link/Transfer.h"

#include <QDialog>
#include <QPointer>

#include <memory>
#include <vector>

namespace radio {
struct AppState;
}

class CMainFrame;
class CProgramView;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTimer;

class CFleetDlg : public QDialog {
    Q_OBJECT
public:
    enum Column {
        PortColumn,
        ProgressColumn,
        StateColumn,
        SecondsColumn,
        VerifiedColumn,
        BackupColumn,
        ColumnCount
    };

    explicit CFleetDlg(CMainFrame* frame);
    ~CFleetDlg() override;

    // The settings the dialog works with: the per-user choices it shows and
    // remembers, the folders of the record, the backups and the log, and
    // whether factory mode is on when Start is pressed.
    void load(const radio::AppState& state);

    // The frame's dialog, made on first use and loaded with the frame's
    // state, shown and raised.
    static CFleetDlg* openFor(CMainFrame* frame);

    // Adds a port row (or ticks the row that has the name already).
    void addPort(const QString& name, bool ticked = true);
    // Row of the port `name`, or -1.
    int rowOf(const QString& name) const;
    void setTicked(int row, bool ticked);

    // Start: writes the active document to every ticked port.
    void start();
    // Cancel while running (every port), Close when idle.
    void cancelOrClose();
    bool isRunning() const { return m_fleet != nullptr; }

    QTableWidget* table() const { return m_table; }
    QProgressBar* progressBar(int row) const;
    QString stateText(int row) const;
    QLabel* summary() const { return m_summary; }
    // The line naming the configuration the Start button writes.
    QLabel* configurationLine() const { return m_configuration; }
    QPushButton* startButton() const { return m_start; }
    QPushButton* closeButton() const { return m_close; }
    QCheckBox* verifyBox() const { return m_verify; }
    QCheckBox* backupBox() const { return m_backup; }
    QLineEdit* portEdit() const { return m_portEdit; }

signals:
    void runFinished();

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    class Hooks;
    void poll();
    void finishRun();
    void setIdle(bool idle);
    // Names the active configuration (it follows the active window while idle).
    void showConfiguration();
    QString summaryText(const std::vector<radio::link::RadioOutcome>& outcomes,
                        bool cancelled) const;

    CMainFrame* m_frame;
    const radio::AppState* m_state = nullptr;
    QLabel* m_configuration;
    QTableWidget* m_table;
    QLineEdit* m_portEdit;
    QPushButton* m_add;
    QCheckBox* m_verify;
    QCheckBox* m_backup;
    QLabel* m_summary;
    QPushButton* m_start;
    QPushButton* m_close;
    QTimer* m_poll;

    // One run's state, kept only while it runs.
    std::unique_ptr<Hooks> m_hooks;
    std::unique_ptr<radio::link::SystemClock> m_clock;
    std::unique_ptr<radio::link::RecordWriter> m_record;
    std::shared_ptr<radio::link::TraceLog> m_trace;
    std::unique_ptr<radio::link::FleetProgrammer> m_fleet;
    std::vector<int> m_rows; // the table row of each port of the run
    QPointer<QObject> m_hold;
};
