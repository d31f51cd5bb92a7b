#include "ui/shell/ChildFrame.h"

#include "app/ProgramDoc.h"
#include "ui/channels/ProgramView.h"

#include <QCloseEvent>

CChildFrame::CChildFrame(CProgramDoc* doc, QWidget* parent)
    : QMdiSubWindow(parent), m_pDocument(doc) {
    doc->setParent(this);
    m_pView = new CProgramView(doc, this);
    setWidget(m_pView);
    setWindowTitle(doc->title());
    connect(doc, &CProgramDoc::titleChanged, this, &QWidget::setWindowTitle);
    resize(1600, 1200);
}

CChildFrame::~CChildFrame() = default;

void CChildFrame::fitToView() {
    const QSize want = sizeHint().boundedTo(QSize(1600, 1200));
    resize(want);
}

void CChildFrame::closeEvent(QCloseEvent* e) {
    // A channel window is never destroyed by its close box: only hidden.
    e->ignore();
    hide();
}
