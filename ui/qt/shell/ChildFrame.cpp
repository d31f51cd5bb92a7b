#include "ui/qt/shell/ChildFrame.h"

#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/shell/MainFrame.h"

#include <QCloseEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QStatusBar>

namespace {

CMainFrame* mainFrameOf(const CProgramView* view) {
    return qobject_cast<CMainFrame*>(view->mainFrame());
}

} // namespace

CChildFrame::CChildFrame(CProgramDoc* doc, QWidget* parent)
    : QMdiSubWindow(parent), m_pDocument(doc) {
    doc->setParent(this);
    m_pView = new CProgramView(doc, this);
    setWidget(m_pView);
    // The view knows no main window; what it reports goes to the one this
    // window is in at the time.
    CProgramView* view = m_pView;
    connect(view, &CProgramView::frameTitleChanged, this, [view](const QString& title) {
        if (CMainFrame* f = mainFrameOf(view))
            f->setWindowTitle(title + QStringLiteral("[*]"));
    });
    connect(view, &CProgramView::commandStatesChanged, this, [view] {
        if (CMainFrame* f = mainFrameOf(view))
            f->updateCommandStates();
    });
    connect(view, &CProgramView::factoryModeRequested, this, [view] {
        if (CMainFrame* f = mainFrameOf(view))
            f->OnFactoryModeEntry();
    });
    connect(view, &CProgramView::statusMessage, this, [view](const QString& text, int timeoutMs) {
        if (CMainFrame* f = mainFrameOf(view))
            f->statusBar()->showMessage(text, timeoutMs);
    });
    view->queryCloseMainFrame = [view] {
        CMainFrame* f = mainFrameOf(view);
        return !f || !f->queryClose || f->queryClose();
    };
    view->queryReplaceDocument = [view] {
        CMainFrame* f = mainFrameOf(view);
        return !f || !f->queryReplace || f->queryReplace(view->document());
    };
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
    // A channel window is never destroyed by its close box: only hidden, as
    // File > Close does, with the same question about unsaved changes.
    e->ignore();
    auto* main = qobject_cast<CMainFrame*>(window());
    if (main && main->closeChildFrame)
        main->closeChildFrame(this);
    else
        hide();
}
