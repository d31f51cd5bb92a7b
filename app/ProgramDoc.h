#pragma once
// The document: one radio memory image, its title and the file it is saved to.

#include "model/Image.h"

#include <QObject>
#include <QString>

class CProgramView;
class CMainFrame;

class CProgramDoc : public QObject {
    Q_OBJECT
public:
    explicit CProgramDoc(QObject* parent = nullptr);

    // The radio memory image: the only data of the document. Dialogs and the
    // transfer read and write it directly.
    radio::Image m_image{};

    // Builds the new-document image, title and proposed file name.
    bool OnNewDocument();
    // Loads a .dat file; on failure returns false with `error` set and
    // changes nothing. On success hides the previously active channel window.
    bool OnOpenDocument(const QString& path, QString* error = nullptr);
    // Commits the grid into the image, then writes the file.
    bool OnSaveDocument(const QString& path, QString* error = nullptr);

    QString title() const { return m_strTitle; }
    void setTitle(const QString& title);
    QString pathName() const { return m_strPathName; }
    // Also retitles the document with the file's name, as an opened file is.
    void setPathName(const QString& path, bool addToTitle = true);

    void setView(CProgramView* view) { m_pView = view; }
    CProgramView* view() const { return m_pView; }
    void setMainFrame(CMainFrame* frame) { m_pMainFrame = frame; }

signals:
    void titleChanged(const QString& title);

private:
    QString m_strTitle;
    QString m_strPathName;
    CProgramView* m_pView = nullptr;
    CMainFrame* m_pMainFrame = nullptr;
};
