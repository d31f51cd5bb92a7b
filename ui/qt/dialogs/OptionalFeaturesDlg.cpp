#include "ui/qt/dialogs/OptionalFeaturesDlg.h"

#include "app/AppState.h"
#include "model/DataTexts.h"
#include "ui/qt/common/Help.h"
#include "ui/qt/dialogs/DialogSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace radio::optional;
using dialogs::qs;

namespace {

struct ListDef {
    List list;
    int id;
    const char* label;
};

// Two columns of four lists, as the template places them.
const ListDef kLeft[] = {
    {TimeOutTimer, IDC_TIME_OUT_TIMER, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Time-Out Timer")},
    {TotPreAlert, IDC_TOT_PRE_ALERT, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "TOT Pre-Alert")},
    {CallTone, IDC_CALL_TONE, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Call Tone")},
    {VoxGainLevel, IDC_VOX_GAIN, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Vox Gain Level")},
};
const ListDef kRight[] = {
    {CallKeyDefine, IDC_CALL_KEY, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Call Key Define")},
    {VoiceAnnunciation, IDC_VOICE, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Voice Annunciation")},
    {SquelchLevel, IDC_SQUELCH, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Squelch Level")},
    {VoxDelayTime, IDC_VOX_DELAY, QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Vox Delay Time")},
};

} // namespace

COptionalFeaturesDlg::COptionalFeaturesDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("COptionalFeaturesDlg"));
    setWindowTitle(tr("Optional Features"));
    setFont(dialogs::templateFont());

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setColumnMinimumWidth(2, 16);
    auto addColumn = [&](const ListDef* defs, int column) {
        for (int i = 0; i < 4; ++i) {
            auto* cb = new QComboBox;
            cb->setProperty("controlId", defs[i].id);
            cb->setObjectName(QStringLiteral("list%1").arg(defs[i].id));
            cb->setMaxVisibleItems(12);
            cb->setMinimumWidth(90);
            auto* label = new QLabel(tr(defs[i].label));
            label->setBuddy(cb);
            grid->addWidget(label, i, column);
            grid->addWidget(cb, i, column + 1);
            m_lists[defs[i].list] = cb;
        }
    };
    addColumn(kLeft, 0);
    addColumn(kRight, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);

    m_checkBeep = new QCheckBox(tr("Beep"));
    m_checkBeep->setProperty("controlId", int(IDC_BEEP));
    m_checkBatterySaver = new QCheckBox(tr("Battery Saver"));
    m_checkBatterySaver->setProperty("controlId", int(IDC_BATTERY_SAVER));
    // Plain texts without mnemonics: the keyboard filter lets no letter through.
    m_btnOk = new QPushButton(tr("OK"));
    m_btnOk->setProperty("controlId", 1);
    m_btnCancel = new QPushButton(tr("Cancel"));
    m_btnCancel->setProperty("controlId", 2);
    m_btnOk->setAutoDefault(false);
    m_btnCancel->setAutoDefault(false);
    connect(m_btnOk, &QPushButton::clicked, this, &COptionalFeaturesDlg::OnOK);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_checkBeep);
    bottom->addSpacing(16);
    bottom->addWidget(m_checkBatterySaver);
    bottom->addStretch(1);
    bottom->addWidget(m_btnOk);
    bottom->addWidget(m_btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(bottom);
}

COptionalFeaturesDlg::~COptionalFeaturesDlg() {
    if (m_bFiltering)
        qApp->removeEventFilter(this);
}

int COptionalFeaturesDlg::DoModal() {
    if (!m_bLoaded)
        return QDialog::Rejected;
    return exec();
}

void COptionalFeaturesDlg::load(const radio::Image& image) {
    m_image = image;
    m_bLoaded = true;
    const radio::Language zh = radio::data::languageOf(radio::appState().chinese);
    for (int l = 0; l < kListCount; ++l) {
        QComboBox* cb = m_lists[l];
        cb->clear();
        for (const std::string& e : entries(List(l), zh))
            cb->addItem(qs(e));
    }
    const Choices c = decode(m_image);
    for (int l = 0; l < kListCount; ++l)
        m_lists[l]->setCurrentIndex(c.index[l]);
    m_checkBeep->setChecked(c.beep);
    m_checkBatterySaver->setChecked(c.batterySaver);
    m_lists[TimeOutTimer]->setFocus();
}

void COptionalFeaturesDlg::OnOK() {
    Choices c;
    for (int l = 0; l < kListCount; ++l)
        c.index[l] = m_lists[l]->currentIndex();
    c.beep = m_checkBeep->isChecked();
    c.batterySaver = m_checkBatterySaver->isChecked();
    encode(m_image, c);
    accept();
}

bool COptionalFeaturesDlg::keyPasses(int key, Qt::KeyboardModifiers modifiers) {
    const bool editing = (key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Backspace ||
                         key == Qt::Key_Delete || key == Qt::Key_Left || key == Qt::Key_Right ||
                         key == Qt::Key_Up || key == Qt::Key_Down;
    return editing && !(modifiers & Qt::ShiftModifier);
}

void COptionalFeaturesDlg::showEvent(QShowEvent* e) {
    // Every key the dialog's windows get (the open list's popup included) is
    // screened before the controls see it.
    if (!m_bFiltering) {
        qApp->installEventFilter(this);
        m_bFiltering = true;
    }
    QDialog::showEvent(e);
}

void COptionalFeaturesDlg::hideEvent(QHideEvent* e) {
    if (m_bFiltering) {
        qApp->removeEventFilter(this);
        m_bFiltering = false;
    }
    QDialog::hideEvent(e);
}

bool COptionalFeaturesDlg::isMine(QObject* o) const {
    for (auto* w = qobject_cast<QWidget*>(o); w; w = w->parentWidget())
        if (w == this)
            return true;
    return false;
}

bool COptionalFeaturesDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !isMine(watched))
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F1) {
        // Nothing else in the dialog acts on F1; taking it here keeps a key
        // that travels up to the parents from asking twice.
        appHelp(dialogs::focusedControlId(this));
        return true;
    }
    return !keyPasses(key->key(), key->modifiers());
}
