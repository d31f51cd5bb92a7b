#include "ui/qt/shell/FleetDlg.h"

#include "app/Backups.h"
#include "app/IniFile.h"
#include "app/ProductInfo.h"
#include "app/UserKeys.h"
#include "link/VirtualRadioPort.h"
#include "link/qt/PortFactory.h"
#include "link/qt/SerialFleetHooks.h"
#include "model/qt/Translate.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/channels/TransferRecord.h"
#include "ui/qt/channels/WriteCheck.h"
#include "ui/qt/common/Messages.h"
#include "ui/qt/dialogs/ComSetupDlg.h"
#include "ui/qt/dialogs/ProgressDlg.h"
#include "ui/qt/shell/FleetWrite.h"
#include "ui/qt/shell/MainFrame.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

radio::UserSettings userSettings(const radio::AppState* state) {
    return state ? radio::userSettings(*state) : radio::UserSettings();
}

QString phaseName(radio::link::FleetPhase phase) {
    using radio::link::FleetPhase;
    switch (phase) {
    case FleetPhase::Waiting:
        return CFleetDlg::tr("Waiting");
    case FleetPhase::Backup:
        return CFleetDlg::tr("Backup");
    case FleetPhase::Writing:
        return CFleetDlg::tr("Writing");
    case FleetPhase::Verifying:
        return CFleetDlg::tr("Verifying");
    case FleetPhase::Programmed:
        return CFleetDlg::tr("Programmed");
    case FleetPhase::Failed:
        return CFleetDlg::tr("Failed");
    case FleetPhase::Cancelled:
        return CFleetDlg::tr("Cancelled");
    }
    return {};
}

// The core's reason in the window's language.
QString reasonText(const radio::link::RadioOutcome& o) {
    return o.cancelled ? CFleetDlg::tr("Cancelled") : qs(o.reason(radio::qtTranslate()));
}

} // namespace

// Backups of the radios are kept like the window's own reads.
class CFleetDlg::Hooks : public radio::link::SerialFleetHooks {
public:
    explicit Hooks(const radio::CIniFile* settings) : m_settings(settings) {}

protected:
    radio::Result<std::string> backupImage(const radio::Image& image) override {
        return radio::backups::backupRead(image, m_settings);
    }

private:
    const radio::CIniFile* m_settings;
};

CFleetDlg::CFleetDlg(CMainFrame* frame) : QDialog(frame), m_frame(frame) {
    setObjectName(QStringLiteral("fleetDlg"));
    setWindowTitle(tr("Write to Several Radios"));
    auto* layout = new QVBoxLayout(this);

    m_configuration = new QLabel(this);
    m_configuration->setObjectName(QStringLiteral("configurationLine"));
    m_configuration->setWordWrap(true);
    layout->addWidget(m_configuration);

    m_table = new QTableWidget(0, ColumnCount, this);
    m_table->setHorizontalHeaderLabels(
        {tr("Port"), tr("Progress"), tr("State"), tr("Seconds"), tr("Verified"), tr("Backup")});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_table);

    auto* addRow = new QHBoxLayout;
    m_portEdit = new QLineEdit(this);
    m_portEdit->setPlaceholderText(tr("Port name or device path"));
    m_add = new QPushButton(tr("Add"), this);
    addRow->addWidget(m_portEdit, 1);
    addRow->addWidget(m_add);
    layout->addLayout(addRow);
    connect(m_add, &QPushButton::clicked, this, [this] {
        const QString name = m_portEdit->text().trimmed();
        if (name.isEmpty())
            return;
        addPort(name);
        m_portEdit->clear();
    });
    connect(m_portEdit, &QLineEdit::returnPressed, m_add, &QPushButton::click);

    m_verify = new QCheckBox(CFleetDlg::tr("Verify after writing"), this);
    connect(m_verify, &QCheckBox::toggled, this, [this](bool on) {
        userSettings(m_state).set(radio::userkeys::SeveralRadiosVerify, on);
    });
    m_backup = new QCheckBox(CFleetDlg::tr("Keep a backup of each radio first"), this);
    connect(m_backup, &QCheckBox::toggled, this, [this](bool on) {
        userSettings(m_state).set(radio::userkeys::SeveralRadiosBackup, on);
    });
    layout->addWidget(m_verify);
    layout->addWidget(m_backup);

    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_summary);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_start = new QPushButton(tr("Start"), this);
    m_close = new QPushButton(tr("Close"), this);
    m_start->setDefault(false);
    m_start->setAutoDefault(false);
    m_close->setAutoDefault(false);
    buttons->addWidget(m_start);
    buttons->addWidget(m_close);
    layout->addLayout(buttons);
    connect(m_start, &QPushButton::clicked, this, &CFleetDlg::start);
    connect(m_close, &QPushButton::clicked, this, &CFleetDlg::cancelOrClose);

    m_poll = new QTimer(this);
    m_poll->setInterval(50);
    connect(m_poll, &QTimer::timeout, this, &CFleetDlg::poll);

    // The ports Com Setup offers; none ticked until the user says so.
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        addPort(info.systemLocation(), false);
    addPort(QString::fromUtf8(radio::link::kVirtualRadioPortName), false);
    resize(720, 360);
}

CFleetDlg::~CFleetDlg() {
    // The programmer's own destructor cancels and waits; the hold goes with us.
    m_poll->stop();
}

void CFleetDlg::load(const radio::AppState& state) {
    m_state = &state;
    // Showing the remembered choices is no new choice to remember.
    const QSignalBlocker verify(m_verify);
    const QSignalBlocker backup(m_backup);
    const radio::UserSettings user = userSettings(m_state);
    m_verify->setChecked(user.get(radio::userkeys::SeveralRadiosVerify));
    m_backup->setChecked(user.get(radio::userkeys::SeveralRadiosBackup));
}

CFleetDlg* CFleetDlg::openFor(CMainFrame* frame) {
    auto* dlg = frame->findChild<CFleetDlg*>(QStringLiteral("fleetDlg"));
    if (!dlg) {
        dlg = new CFleetDlg(frame);
        dlg->load(frame->state());
    }
    if (!dlg->isRunning())
        dlg->showConfiguration();
    dlg->show();
    dlg->raise();
    dlg->activateWindow();
    return dlg;
}

void CFleetDlg::addPort(const QString& name, bool ticked) {
    if (const int existing = rowOf(name); existing >= 0) {
        if (ticked)
            setTicked(existing, true);
        return;
    }
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    // The virtual radio is known by its port name; the user reads it in his language.
    auto* item = new QTableWidgetItem(CComSetupDlg::portText(name));
    item->setData(Qt::UserRole, name);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    m_table->setItem(row, PortColumn, item);
    auto* bar = new QProgressBar(m_table);
    bar->setRange(0, 1);
    bar->setValue(0);
    m_table->setCellWidget(row, ProgressColumn, bar);
    for (int c : {StateColumn, SecondsColumn, VerifiedColumn, BackupColumn})
        m_table->setItem(row, c, new QTableWidgetItem);
    m_table->resizeColumnToContents(PortColumn);
}

int CFleetDlg::rowOf(const QString& name) const {
    for (int r = 0; r < m_table->rowCount(); ++r)
        if (m_table->item(r, PortColumn)->data(Qt::UserRole).toString() == name)
            return r;
    return -1;
}

void CFleetDlg::setTicked(int row, bool ticked) {
    if (QTableWidgetItem* item = m_table->item(row, PortColumn))
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

QProgressBar* CFleetDlg::progressBar(int row) const {
    return qobject_cast<QProgressBar*>(m_table->cellWidget(row, ProgressColumn));
}

QString CFleetDlg::stateText(int row) const {
    const QTableWidgetItem* item = m_table->item(row, StateColumn);
    return item ? item->text() : QString();
}

void CFleetDlg::start() {
    if (m_fleet)
        return;
    CProgramView* view = m_frame->activeView();
    // One thing at a time on the radios: not while a single transfer runs or waits.
    if (!view || CProgramView::transferRunning() ||
        (view->m_pProgressDlg && view->m_pProgressDlg->isVisible())) {
        QApplication::beep();
        return;
    }
    QStringList ports;
    std::vector<int> rows;
    for (int r = 0; r < m_table->rowCount(); ++r)
        if (m_table->item(r, PortColumn)->checkState() == Qt::Checked) {
            ports << m_table->item(r, PortColumn)->data(Qt::UserRole).toString();
            rows.push_back(r);
        }
    if (ports.isEmpty()) {
        messages::show(this, CFleetDlg::tr("Tick at least one port."), true);
        return;
    }
    std::vector<std::string> names;
    for (const QString& p : ports)
        names.push_back(p.toStdString());
    if (const std::string twice = radio::link::duplicatePort(names); !twice.empty()) {
        messages::show(
            this,
            CFleetDlg::tr("The port \"%1\" is ticked twice (under two names).").arg(qs(twice)),
            true);
        return;
    }
    // The same rule as the single Write: a refused value in the open editor
    // stops it, and what the grid shows is what goes out.
    if (!view->commitBeforeCommand())
        return;
    view->GridToImage();
    showConfiguration();
    if (!writecheck::confirmWrite(this, view->state(), view->document()->m_image))
        return;

    radio::link::FleetOptions options;
    options.factory = view->state().factoryMode;
    options.verify = m_verify->isChecked();
    options.backup = m_backup->isChecked();
    options.configuration = fleetui::configurationName(view).toStdString();

    const radio::AppState& st = view->state();
    QDir().mkpath(fleetui::userDataFolder(st));
    m_record = std::make_unique<radio::link::RecordWriter>(fleetui::recordPath(st).toStdString());
    m_trace = fleetui::communicationLog(st);
    m_hooks = std::make_unique<Hooks>(st.settings);
    m_clock = std::make_unique<radio::link::SystemClock>();
    m_fleet = std::make_unique<radio::link::FleetProgrammer>(names, view->document()->m_image,
                                                             options, *m_hooks, *m_clock,
                                                             m_trace.get(), m_record.get());
    m_rows = rows;

    // The document is read-only and its windows stay open, as in a transfer.
    m_hold = CProgramView::holdForFleet(this);
    m_frame->installEventFilter(m_hold);
    for (QMdiSubWindow* w : m_frame->mdiArea()->subWindowList())
        w->installEventFilter(m_hold);
    view->hideEditors();
    m_frame->updateCommandStates();

    for (int r = 0; r < m_table->rowCount(); ++r) {
        progressBar(r)->setRange(0, 1);
        progressBar(r)->setValue(0);
        for (int c : {StateColumn, SecondsColumn, VerifiedColumn, BackupColumn})
            m_table->item(r, c)->setText(QString());
    }
    for (int r : m_rows)
        m_table->item(r, StateColumn)->setText(tr("Waiting"));
    m_summary->setText(tr("Writing to %1 radio(s)...").arg(m_rows.size()));
    setIdle(false);
    m_fleet->start();
    m_poll->start();
}

bool CFleetDlg::event(QEvent* e) {
    // Back from another channel window, the line names the active one.
    if (e->type() == QEvent::WindowActivate && !m_fleet)
        showConfiguration();
    return QDialog::event(e);
}

void CFleetDlg::showConfiguration() {
    m_configuration->setText(fleetui::configurationSummary(m_frame->activeView()));
}

void CFleetDlg::cancelOrClose() {
    if (!m_fleet) {
        hide();
        return;
    }
    // Every port stops at its next step; the poll sees them end.
    m_fleet->cancel();
    m_close->setEnabled(false);
    m_summary->setText(tr("Cancelling..."));
}

void CFleetDlg::closeEvent(QCloseEvent* event) {
    if (m_fleet) {
        event->ignore();
        cancelOrClose();
        return;
    }
    QDialog::closeEvent(event);
}

void CFleetDlg::reject() {
    if (m_fleet) {
        cancelOrClose();
        return;
    }
    QDialog::reject();
}

void CFleetDlg::setIdle(bool idle) {
    m_start->setEnabled(idle);
    m_close->setEnabled(true);
    m_close->setText(idle ? tr("Close") : tr("Cancel"));
    m_add->setEnabled(idle);
    m_portEdit->setEnabled(idle);
    m_verify->setEnabled(idle);
    m_backup->setEnabled(idle);
    for (int r = 0; r < m_table->rowCount(); ++r) {
        QTableWidgetItem* item = m_table->item(r, PortColumn);
        item->setFlags(idle ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable : Qt::ItemIsEnabled);
    }
}

void CFleetDlg::poll() {
    if (!m_fleet)
        return;
    const std::vector<radio::link::RadioProgress> progress = m_fleet->progress();
    for (std::size_t i = 0; i < progress.size() && i < m_rows.size(); ++i) {
        const radio::link::RadioProgress& p = progress[i];
        QProgressBar* bar = progressBar(m_rows[i]);
        bar->setRange(0, std::max(1, p.maximum));
        bar->setValue(std::min(p.position, bar->maximum()));
        m_table->item(m_rows[i], StateColumn)->setText(phaseName(p.phase));
    }
    if (m_fleet->done())
        finishRun();
}

void CFleetDlg::finishRun() {
    m_poll->stop();
    // Every worker has finished its radio; joining only waits for the ports to close.
    const std::vector<radio::link::RadioOutcome> outcomes = m_fleet->wait();
    const bool cancelled = m_fleet->isCancelled();
    QStringList recordErrors;
    for (std::size_t i = 0; i < outcomes.size() && i < m_rows.size(); ++i) {
        const radio::link::RadioOutcome& o = outcomes[i];
        const int row = m_rows[i];
        QProgressBar* bar = progressBar(row);
        if (o.programmed)
            bar->setValue(bar->maximum());
        m_table->item(row, StateColumn)
            ->setText(o.programmed  ? tr("Programmed")
                      : o.cancelled ? tr("Cancelled")
                                    : tr("Failed: %1").arg(reasonText(o)));
        m_table->item(row, SecondsColumn)->setText(QString::number(o.seconds, 'f', 1));
        m_table->item(row, VerifiedColumn)
            ->setText(o.verified == "yes"  ? tr("yes")
                      : o.verified == "no" ? tr("no")
                                           : QStringLiteral("-"));
        m_table->item(row, BackupColumn)->setText(QFileInfo(qs(o.backup)).fileName());
        m_table->item(row, BackupColumn)->setToolTip(qs(o.backup));
        if (o.recordError) {
            const QString error = qs(radio::failureText(*o.recordError, radio::qtTranslate()));
            if (!recordErrors.contains(error))
                recordErrors << error;
        }
    }
    m_summary->setText(summaryText(outcomes, cancelled));
    const radio::Result<void> traced = m_trace ? m_trace->flush() : radio::Result<void>();

    m_fleet.reset();
    m_hooks.reset();
    m_clock.reset();
    m_record.reset();
    m_trace.reset();
    delete m_hold;
    m_frame->updateCommandStates();
    setIdle(true);

    // Warnings only: what the radios took is shown above either way.
    if (!recordErrors.isEmpty())
        messages::show(this,
                       CFleetDlg::tr("The programming record could not be written: %1")
                           .arg(recordErrors.join(QStringLiteral("\n"))),
                       true);
    if (!traced)
        messages::show(this,
                       CFleetDlg::tr("The communication log could not be written: %1")
                           .arg(qs(radio::failureText(traced.failure(), radio::qtTranslate()))),
                       true);
    emit runFinished();
}

QString CFleetDlg::summaryText(const std::vector<radio::link::RadioOutcome>& outcomes,
                               bool cancelled) const {
    int programmed = 0;
    QString failures;
    for (const radio::link::RadioOutcome& o : outcomes) {
        if (o.programmed)
            ++programmed;
        else if (!cancelled)
            failures += QStringLiteral("; ") + tr("%1 failed: %2").arg(qs(o.port), reasonText(o));
    }
    const QString count =
        tr("%1 of %2 radio(s) programmed").arg(programmed).arg(int(outcomes.size()));
    return cancelled ? tr("Cancelled; %1").arg(count) : count + failures;
}
