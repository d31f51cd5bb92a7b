#pragma once
// A channel window: holds one document and its grid view. Its close box only
// hides it; Edit > Channel Information shows it again.

#include <QMdiSubWindow>

#include <memory>

class CProgramDoc;
class CProgramView;

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    // Takes ownership of the document.
    explicit CChildFrame(CProgramDoc* doc, QWidget* parent = nullptr);
    ~CChildFrame() override;

    CProgramDoc* document() const { return m_pDocument; }
    CProgramView* view() const { return m_pView; }

    // Fits the window to its view (shrinking only, as a form view does).
    void fitToView();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    CProgramDoc* m_pDocument;
    CProgramView* m_pView;
};
