#include "ui/qt/channels/ProgramView.h"

#include "app/AppState.h"
#include "app/IniFile.h"
#include "app/ProductInfo.h"
#include "app/UserKeys.h"
#include "model/Codecs.h"
#include "model/DataTexts.h"
#include "ui/CommandIds.h"
#include "ui/qt/channels/AfterTransfer.h"
#include "ui/qt/channels/ChannelEdits.h"
#include "ui/qt/channels/ChannelGrid.h"
#include "ui/qt/channels/ChannelLists.h"
#include "ui/qt/channels/EditHistory.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/SettingsSave.h"
#include "ui/qt/common/CoreTexts.h"
#include "ui/qt/dialogs/ComSetupDlg.h"
#include "ui/qt/dialogs/LanguageDlg.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QIcon>
#include <QMainWindow>
#include <QProcess>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <map>
#include <vector>

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// Column widths relative to the channel-number column's own width.
constexpr double kWidthFactor[radio::kGridCols] = {0.5, 1.2, 1.2, 1.1, 1.1, 0.9,
                                                   0.9, 0.9, 0.9, 0.9, 1.0};

} // namespace

std::function<void()> CProgramView::restartProgram = [] {
    QProcess::startDetached(QCoreApplication::applicationFilePath(), QStringList());
};

CProgramView::CProgramView(CProgramDoc* doc, QWidget* parent)
    : QWidget(parent), m_pDocument(doc), m_state(doc->state()), m_grid(new CChannelGrid(this)),
      m_edits(std::make_unique<ChannelEdits>(this)),
      m_channelLists(std::make_unique<ChannelLists>(this)),
      m_afterTransfer(new AfterTransfer(this)) {
    m_grid->setObjectName(QStringLiteral("grid"));
    m_grid->setProperty("controlId", ids::IDC_GRID);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);

    // The port shown by Com Setup is the one the transfers use, from the start.
    m_strPort = CComSetupDlg::storedPort(userSettings());
    addCommand(ids::ID_SETUP_LANGUAGE, [this] { OnSetupLanguage(); });
    installTransferCommands();
    installPrintCommands();
    installScanInfoCommands();
    installEditingCommands();
}

CProgramView::~CProgramView() = default;

radio::Language CProgramView::language() const {
    return radio::data::languageOf(m_state.chinese);
}

const radio::Translate& CProgramView::coreTexts() const {
    return radio::coreTexts(language());
}

QWidget* CProgramView::mainFrame() const {
    if (auto* f = qobject_cast<QMainWindow*>(window()))
        return f;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<QMainWindow*>(w))
            return f;
    return nullptr;
}

void CProgramView::addCommand(int id, std::function<void()> handler) {
    m_commands[id] = std::move(handler);
}

bool CProgramView::runCommand(int id) {
    auto it = m_commands.find(id);
    if (it == m_commands.end() || !it->second)
        return false;
    it->second();
    return true;
}

void CProgramView::OnInitialUpdate() {
    const bool first = m_bFirstUpdate;
    if (m_bFirstUpdate) {
        setUpGrid();
        createEditors();
        m_bFirstUpdate = false;
    }
    const QIcon icon(qs(m_state.programDir) + QStringLiteral("title.ico"));
    if (!icon.availableSizes().isEmpty() && parentWidget())
        parentWidget()->setWindowIcon(icon);
    ImageToGrid();
    // From here on every change of the grid is recorded (and marks the document).
    if (first)
        history();
}

EditHistory* CProgramView::history() {
    if (!m_history)
        m_history = new EditHistory(this);
    return m_history;
}

radio::Image CProgramView::gridImage() const {
    radio::Image img = m_pDocument->m_image;
    radio::tableToImage(table(), img);
    return img;
}

void CProgramView::setUpGrid() {
    const bool zh = m_state.chinese;
    QFont font(QStringLiteral("Times New Roman"), 9);
    font.setStyleHint(QFont::Serif);
    m_grid->setFont(font);
    m_grid->horizontalHeader()->setFont(font);
    m_grid->setFixedForeground(QColor(0, 50, 240));

    const auto headers = radio::columnHeaders(coreTexts());
    for (int c = 0; c < radio::kGridCols; ++c)
        m_grid->setTextMatrix(0, c, qs(headers[c]));
    for (int r = 1; r < radio::kGridRows; ++r)
        m_grid->setTextMatrix(r, 0, QString::asprintf("%2d", r));

    // The base width is chosen so that every column, at its share of it, holds
    // its header, its widest value and (for lists) the drop-down button.
    const QFontMetrics fm(font);
    const int arrow = m_grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 6;
    // The decode and encode columns share one long tone list: measure it once.
    std::map<const std::vector<std::string>*, int> widestEntry;
    double base = 0;
    for (int c = 0; c < radio::kGridCols; ++c) {
        int need = fm.horizontalAdvance(qs(headers[c])) + 10;
        if (c == radio::ColRx || c == radio::ColTx)
            need = std::max(need, fm.horizontalAdvance(QStringLiteral("000.00000")) + 10);
        if (c >= radio::ColDecode) {
            const std::vector<std::string>& entries =
                radio::columnEntries(c, radio::data::languageOf(zh));
            auto [it, fresh] = widestEntry.emplace(&entries, 0);
            if (fresh)
                for (const std::string& e : entries)
                    it->second = std::max(it->second, fm.horizontalAdvance(qs(e)));
            need = std::max(need, it->second + arrow + 6);
        }
        base = std::max(base, need / kWidthFactor[c]);
    }
    const int w = int(base);
    m_grid->setBaseColumnWidth(w);
    for (int c = 0; c < radio::kGridCols; ++c)
        m_grid->setColumnWidth(c, c == radio::ColScrambler ? w : int(w * kWidthFactor[c]));
    const int rowHeight = std::max(fm.height() + 8, 22);
    for (int r = 0; r < m_grid->rowCount(); ++r)
        m_grid->setRowHeight(r, rowHeight);
    m_grid->horizontalHeader()->setFixedHeight(rowHeight);
    m_grid->setMinimumSize(m_grid->fullSize().boundedTo(QSize(320, 200)));
    updateGeometry();
}

QSize CProgramView::sizeHint() const {
    return m_grid->fullSize();
}

void CProgramView::ImageToGrid() {
    const radio::ChannelTable t = radio::imageToTable(m_pDocument->m_image, language());
    for (int r = 1; r < radio::kGridRows; ++r)
        for (int c = 1; c < radio::kGridCols; ++c)
            m_grid->setTextMatrix(r, c, qs(t[r][c]));
    refreshProductInfo();
}

void CProgramView::refreshProductInfo() {
    radio::AppState& st = m_state;
    if (!st.settings)
        return;
    const radio::ProductRefresh pr =
        radio::refreshProductInfo(m_pDocument->m_image, *st.settings, st.userValues,
                                  st.freshDocument, st.languageName, coreTexts());
    setBand(pr.limits.low, pr.limits.high);
    emit frameTitleChanged(qs(pr.title));
}

radio::ChannelTable CProgramView::table() const {
    radio::ChannelTable t;
    for (int r = 0; r < radio::kGridRows; ++r)
        for (int c = 0; c < radio::kGridCols; ++c)
            t[r][c] = m_grid->textMatrix(r, c).toStdString();
    return t;
}

void CProgramView::GridToImage() {
    radio::tableToImage(table(), m_pDocument->m_image);
}

QStringList CProgramView::openFiles() const {
    // Every channel window of the main window, hidden ones too; this one last.
    QStringList files;
    const auto add = [&files](const CProgramDoc* doc) {
        const QFileInfo file(doc ? doc->pathName() : QString());
        if (file.isAbsolute() && file.isFile())
            files << file.absoluteFilePath();
    };
    if (QWidget* f = mainFrame())
        for (const CProgramView* v : f->findChildren<CProgramView*>())
            if (v != this)
                add(v->document());
    add(m_pDocument);
    return files;
}

void CProgramView::OnSetupLanguage() {
    radio::CIniFile* settings = m_state.settings;
    const std::string running = settings ? settings->GetString("Setup", "Language") : "";
    const bool changedBefore = m_bLanguageChanged;
    CLanguageDlg dlg(this);
    dlg.load(m_state.chinese, settings);
    dlg.m_bChanged = m_bLanguageChanged;
    const bool ok = dlg.exec() == QDialog::Accepted;
    m_bLanguageChanged = dlg.m_bChanged;
    if (!ok || !m_bLanguageChanged)
        return;
    // The restart ends this instance: unsaved changes are asked about first,
    // and when the user keeps them (or the window may not close now, as
    // during a transfer) nothing changes, not even the stored language.
    QWidget* f = mainFrame();
    const auto keepRunning = [&] {
        if (settings)
            settings->SetString("Setup", "Language", running);
        m_bLanguageChanged = changedBefore;
    };
    if (queryCloseMainFrame && !queryCloseMainFrame()) {
        keepRunning();
        return;
    }
    // The new instance reads the settings file at once, so it must hold the
    // new language before that instance starts; when it cannot, a restart
    // would bring the old language back, so this instance carries on. The
    // new instance opens again the files open now (saved or discarded as the
    // user just chose).
    if (!dialogs::saveSettings(this, settings, m_state.settingsBesideProgram)) {
        keepRunning();
        return;
    }
    const radio::UserSettings user = userSettings();
    user.set(radio::userkeys::ReopenFiles, openFiles().join(QLatin1Char('\n')).toStdString());
    if (f && !f->close()) {
        keepRunning();
        user.set(radio::userkeys::ReopenFiles, std::string());
        dialogs::saveSettings(this, settings, m_state.settingsBesideProgram);
        return;
    }
    if (restartProgram)
        restartProgram();
}
