#include "ui/qt/dialogs/ProgressDlg.h"

#include "ui/qt/dialogs/ComSetupDlg.h"
#include "ui/qt/dialogs/DialogSupport.h"

#include <QCheckBox>

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

using radio::link::Direction;
using radio::link::TransferPhase;

namespace {

// Template 131's sizes in dialog units, converted with the template font's
// metrics: the layout never makes the window narrower than the template.
int dluX(const QFont& font, int units) {
    return units * QFontMetrics(font).averageCharWidth() / 4;
}

} // namespace

CProgressDlg::CProgressDlg(CProgramView* view, QWidget* owner)
    : QDialog(owner), m_pView(view), m_status(new QLabel(this)), m_progress(new QProgressBar(this)),
      m_counter(new QLabel(QStringLiteral("0"), this)), m_btnOk(new QPushButton(tr("OK"), this)),
      m_btnCancel(new QPushButton(tr("Cancel"), this)) {
    setObjectName(QStringLiteral("progressDlg"));
    setWindowTitle(tr("Process"));
    setModal(false);
    setFont(dialogs::templateFont());

    m_status->setObjectName(QStringLiteral("statusLine"));
    m_status->setWordWrap(true);
    // Room for two lines of either language at the template's width and more.
    m_status->setMinimumWidth(std::max(dluX(font(), 159), 44 * fontMetrics().averageCharWidth()));
    m_status->setMinimumHeight(2 * fontMetrics().lineSpacing());
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_progress->setTextVisible(false);
    m_progress->setProperty("controlId", IDC_PROGRESS);
    m_btnOk->setDefault(true);
    m_btnOk->setProperty("controlId", 1);
    m_btnCancel->setProperty("controlId", 2);
    m_counter->setMinimumWidth(dluX(font(), 40));
    m_counter->setAlignment(Qt::AlignCenter);
    m_counter->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_counter->setProperty("controlId", IDC_COUNTER);
    m_counter->setObjectName(QStringLiteral("counter"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_btnOk);
    buttons->addStretch();
    buttons->addWidget(m_counter);
    buttons->addStretch();
    buttons->addWidget(m_btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addWidget(m_progress);
    layout->addLayout(buttons);
    // The window follows its texts (a result may need more lines than the
    // announcement); the user has nothing to resize.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_btnOk, &QPushButton::clicked, this, &CProgressDlg::OnOK);
    connect(m_btnCancel, &QPushButton::clicked, this, &CProgressDlg::OnCancel);
}

void CProgressDlg::OnInitDialog() {
    m_progress->setRange(0, 64);
    m_progress->setValue(0);
    m_counter->setText(QStringLiteral("0"));
    setWindowTitle(m_strTitle);
    m_bCancel = 0;
    m_btnOk->setEnabled(true);
    m_phaseKnown = false;
    m_result = Result::None;
}

void CProgressDlg::setRange(int maximum) {
    m_progress->setRange(0, maximum);
    m_progress->setValue(0);
    showPhase();
}

void CProgressDlg::stepIt() {
    m_progress->setValue(m_progress->value() + 1);
    showPhase();
}

int CProgressDlg::position() const {
    return m_progress->value();
}

int CProgressDlg::maximum() const {
    return m_progress->maximum();
}

void CProgressDlg::setCounterText(const QString& text) {
    m_counter->setText(text);
}

QString CProgressDlg::fitPath(const QString& path) const {
    return m_status->fontMetrics().elidedText(path, Qt::ElideMiddle,
                                              36 * m_status->fontMetrics().averageCharWidth());
}

void CProgressDlg::announce(Direction direction, bool factory, const QString& port) {
    QString text;
    if (direction == Direction::Read)
        text = factory ? tr("Read from the radio on %1 in factory mode: connect the radio, switch "
                            "it on, press OK")
                       : tr("Read from the radio on %1: connect the radio, switch it on, press OK");
    else
        text = factory ? tr("Write to the radio on %1 in factory mode, calibration included: "
                            "connect the radio, switch it on, press OK")
                       : tr("Write to the radio on %1: connect the radio, switch it on, press OK");
    const QString shown = CComSetupDlg::portText(port);
    setStatus(text.arg(fitPath(shown)));
    m_status->setToolTip(shown);
}

void CProgressDlg::showConfiguration(const QString& text) {
    if (!m_configuration) {
        m_configuration = new QLabel(this);
        m_configuration->setObjectName(QStringLiteral("configurationLine"));
        m_configuration->setWordWrap(true);
        static_cast<QVBoxLayout*>(layout())->insertWidget(0, m_configuration);
    }
    m_configuration->setText(text);
}

QString CProgressDlg::configurationText() const {
    return m_configuration ? m_configuration->text() : QString();
}

void CProgressDlg::setPhase(TransferPhase phase) {
    m_phase = phase;
    m_phaseKnown = true;
    showPhase();
}

void CProgressDlg::showPhase() {
    if (!m_phaseKnown || m_result != Result::None)
        return;
    // The block under way; once all are done, the last one.
    const QString block = QString::number(std::min(position() + 1, std::max(maximum(), 1)));
    const QString of = QString::number(maximum());
    switch (m_phase) {
    case TransferPhase::Connecting:
        setStatus(tr("Connecting…"));
        break;
    case TransferPhase::Reading:
        setStatus(tr("Reading block %1 of %2").arg(block, of));
        break;
    case TransferPhase::Writing:
        setStatus(tr("Writing block %1 of %2").arg(block, of));
        break;
    case TransferPhase::ConnectingToVerify:
        setStatus(tr("Verifying: connecting…"));
        break;
    case TransferPhase::Verifying:
        setStatus(tr("Verifying block %1 of %2").arg(block, of));
        break;
    }
}

void CProgressDlg::showResult(bool ok, const QString& text) {
    m_result = ok ? Result::Ok : Result::Failed;
    setStatus(text);
}

void CProgressDlg::setStatus(const QString& text) {
    m_status->setText(text);
    emit statusChanged(text);
}

QString CProgressDlg::statusText() const {
    return m_status->text();
}

void CProgressDlg::offerVerify(bool checked) {
    if (m_verify)
        return;
    m_verify = new QCheckBox(tr("Verify after writing"), this);
    // Tools that drive the window find the box by this name.
    m_verify->setObjectName(QStringLiteral("verifyAfterWrite"));
    m_verify->setChecked(checked);
    static_cast<QVBoxLayout*>(layout())->insertWidget(2, m_verify);
    connect(m_verify, &QCheckBox::toggled, this, &CProgressDlg::verifyToggled);
    // What the write does is settled once it started.
    connect(this, &CProgressDlg::startTransfer, m_verify, [this] { m_verify->setEnabled(false); });
}

bool CProgressDlg::verifyAfterWrite() const {
    return m_verify && m_verify->isChecked();
}

bool CProgressDlg::started() const {
    return !m_btnOk->isEnabled();
}

void CProgressDlg::OnOK() {
    // One window starts at most one transfer.
    if (started())
        return;
    m_btnOk->setEnabled(false);
    emit startTransfer();
}

void CProgressDlg::OnCancel() {
    m_bCancel = 1;
    if (!started()) {
        // Nothing runs yet: the window simply goes.
        hide();
        deleteLater();
        return;
    }
    emit cancelRequested();
}

void CProgressDlg::reject() {
    OnCancel();
}
