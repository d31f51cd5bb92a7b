#include "ui/qt/shell/ChildFrame.h"

#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"

#include <QCloseEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QStatusBar>

CChildFrame::CChildFrame(CProgramDoc* doc, QWidget* parent)
    : QMdiSubWindow(parent), m_pDocument(doc) {
    doc->setParent(this);
    m_pView = new CProgramView(doc, this);
    setWidget(m_pView);
    // "[*]" is where the platform shows that the document has unsaved changes.
    setWindowTitle(doc->title() + QStringLiteral("[*]"));
    connect(doc, &CProgramDoc::titleChanged, this,
            [this](const QString& title) { setWindowTitle(title + QStringLiteral("[*]")); });
    connect(doc, &CProgramDoc::modifiedChanged, this, &QWidget::setWindowModified);
    // How a Read or Write ended stays readable after its window closed.
    connect(m_pView, &CProgramView::transferFinished, this, [this](bool, const QString& text) {
        if (auto* main = qobject_cast<QMainWindow*>(window()))
            main->statusBar()->showMessage(text);
    });
    resize(1600, 1200);
}

CChildFrame::~CChildFrame() {
    // Leave the window area while this is still a channel window: the area
    // announces the change of active window, and whoever asks then must not
    // find a half-destroyed one.
    if (QMdiArea* area = mdiArea())
        area->removeSubWindow(this);
    // The view and its helpers use the document up to their last moment:
    // they go first, then the document. Left to QObject, the document (the
    // older child) would be deleted first.
    delete m_pView;
    m_pView = nullptr;
    delete m_pDocument;
    m_pDocument = nullptr;
}

void CChildFrame::fitToView() {
    const QSize want = sizeHint().boundedTo(QSize(1600, 1200));
    resize(want);
}

void CChildFrame::closeEvent(QCloseEvent* e) {
    // A channel window is never destroyed by its close box: only hidden.
    e->ignore();
    hide();
}
