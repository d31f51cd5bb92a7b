#include "ui/qt/shell/NavigationBar.h"

#include "app/AppState.h"
#include "app/IniFile.h"
#include "ui/CommandIds.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QToolButton>
#include <QTreeWidget>

namespace {

constexpr int kMinWidth = 11;
constexpr int kCaptionHeight = 22;

QString settingsText(const radio::AppState& st, const char* key) {
    if (!st.settings)
        return {};
    return QString::fromStdString(st.settings->GetString(st.languageName, key));
}

// The close button's picture: a small cross, drawn here so no file is needed.
QIcon closeIcon() {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(4, 4, 11, 11);
    p.drawLine(11, 4, 4, 11);
    return QIcon(pm);
}

// The dock lays its title bar out at the bar's size hint, not at its fixed
// height: the hint itself must hold the caption, or the tree covers its
// lower part.
class CaptionBar : public QWidget {
public:
    QSize sizeHint() const override {
        return QWidget::sizeHint().expandedTo(QSize(0, kCaptionHeight));
    }
    QSize minimumSizeHint() const override { return sizeHint(); }
};

} // namespace

CNavigationBar::CNavigationBar(const radio::AppState& state, QWidget* parent)
    : QDockWidget(parent), m_state(state) {
    setObjectName(QStringLiteral("IE Control Bar"));
    setWindowTitle(caption());
    setProperty("controlId", ids::IDC_NAV_BAR);
    setFeatures(QDockWidget::NoDockWidgetFeatures);
    setAllowedAreas(Qt::LeftDockWidgetArea);

    // Our own title bar: the caption centred, the close button at the right.
    auto* title = new CaptionBar;
    auto* row = new QHBoxLayout(title);
    row->setContentsMargins(5, 0, 4, 0);
    m_caption = new QLabel(caption());
    m_caption->setObjectName(QStringLiteral("caption"));
    m_caption->setAlignment(Qt::AlignCenter);
    m_closeButton = new QToolButton;
    m_closeButton->setAutoRaise(true);
    m_closeButton->setIcon(closeIcon());
    m_closeButton->setIconSize(QSize(16, 16));
    m_closeButton->setFixedSize(16, 15);
    m_closeButton->setToolTip(QCoreApplication::translate("CNavigationBar", "Close"));
    row->addWidget(m_caption, 1);
    row->addWidget(m_closeButton);
    setTitleBarWidget(title);
    connect(m_closeButton, &QToolButton::clicked, this, &QWidget::hide);

    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(14);

    m_pTree = new QTreeWidget;
    m_pTree->setObjectName(QStringLiteral("navTree"));
    m_pTree->setProperty("controlId", ids::IDC_NAV_TREE);
    // Hidden before the font is set: a visible header would measure itself in
    // a bold face the window never shows.
    m_pTree->setHeaderHidden(true);
    m_pTree->setFont(font);
    m_pTree->setRootIsDecorated(true);
    m_pTree->setFrameShape(QFrame::StyledPanel);
    auto* root = new QTreeWidgetItem(m_pTree, QStringList(settingsText(m_state, "AppName")));
    for (const QString& label : entryLabels(m_state.chinese))
        new QTreeWidgetItem(root, QStringList(label));
    root->setExpanded(true);
    m_pTree->setCurrentItem(root);
    setWidget(m_pTree);

    connect(m_pTree, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { actOn(item); });
    m_pTree->installEventFilter(this);
    if (parent)
        parent->installEventFilter(this);
}

QString CNavigationBar::caption() const {
    return settingsText(m_state, "company");
}

QStringList CNavigationBar::entryLabels(bool chinese) {
    if (chinese)
        return {QStringLiteral("类型设置"), QStringLiteral("信道信息"), QStringLiteral("可选功能")};
    return {QStringLiteral("Product Information"), QStringLiteral("Channel Information"),
            QStringLiteral("Optional Features")};
}

void CNavigationBar::actOn(QTreeWidgetItem* item) {
    if (!item || m_bActing)
        return;
    m_bActing = true;
    const QStringList labels = entryLabels(m_state.chinese);
    const QString text = item->text(0);
    // Acts on the item the user chose (clicked, or Enter on the current one),
    // not on whatever lies under the mouse pointer.
    int id = 0;
    if (text == labels[1])
        id = ids::ID_EDIT_CHANNEL_INFO;
    else if (text == labels[2])
        id = ids::ID_EDIT_OPTIONAL_FEATURES;
    else if (text == labels[0])
        id = ids::ID_EDIT_PRODUCT_INFO;
    if (item->parent() == nullptr)
        id = 0; // the root carries the product name, which may equal a label
    if (id)
        emit commandRequested(id);
    // A child never stays selected, so choosing it again acts again.
    m_pTree->setCurrentItem(m_pTree->topLevelItem(0));
    m_bActing = false;
}

bool CNavigationBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pTree && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
            key->key() == Qt::Key_Space) {
            actOn(m_pTree->currentItem());
            return true;
        }
    }
    if (watched == parent() && event->type() == QEvent::Resize)
        updateWidthLimits();
    return QDockWidget::eventFilter(watched, event);
}

void CNavigationBar::updateWidthLimits() {
    // Between 11 pixels and half the frame's width.
    auto* frame = qobject_cast<QWidget*>(parent());
    const int half = frame ? frame->width() / 2 : 10000;
    setMinimumWidth(kMinWidth);
    setMaximumWidth(qMax(kMinWidth, half));
}

void CNavigationBar::applyDefaultWidth() {
    updateWidthLimits();
    if (auto* frame = qobject_cast<QMainWindow*>(parent()))
        frame->resizeDocks({this}, {m_nWidth}, Qt::Horizontal);
}
