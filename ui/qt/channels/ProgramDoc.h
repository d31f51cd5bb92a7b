#pragma once
// The document: one radio memory image, its title and the file it is saved to.

#include "app/AppState.h"
#include "model/Image.h"

#include <QObject>
#include <QString>

class CProgramDoc : public QObject {
    Q_OBJECT
public:
    // `state`: the program's settings and language, which the application
    // hands every document it creates; its views read them from here.
    explicit CProgramDoc(radio::AppState& state, QObject* parent = nullptr);

    radio::AppState& state() const { return m_state; }

    // The radio memory image: the only data of the document. Dialogs and the
    // transfer read and write it directly.
    radio::Image m_image{};

    // Builds the new-document image, title and proposed file name.
    bool OnNewDocument();
    // Loads a .dat file or a configuration text (by its extension); on
    // failure returns false with `error` set and changes nothing.
    bool OnOpenDocument(const QString& path, QString* error = nullptr);
    // Writes the image to the file, as text when its name says so. What is still being edited in
    // the view is the caller's to bring into the image first.
    bool OnSaveDocument(const QString& path, QString* error = nullptr);

    QString title() const { return m_strTitle; }
    void setTitle(const QString& title);
    QString pathName() const { return m_strPathName; }
    // Also retitles the document with the file's name, as an opened file is.
    void setPathName(const QString& path, bool addToTitle = true);

    // Unsaved changes. The grid's history reports whether it is back at the
    // saved state; a change made beside it (a dialog's OK, a read from the
    // radio) counts until the next save or open.
    bool IsModified() const { return m_bChangedBeside || !m_bHistoryClean; }
    // A change of the image that the grid's history does not hold.
    void SetModifiedFlag();
    // The grid's history is (or is no longer) at the saved state.
    void setHistoryClean(bool clean);
    // Saved, or the user chose to drop the changes: nothing is unsaved now.
    void markSaved();

signals:
    // The image changed beside the grid (a dialog's OK, a read).
    void changed();
    void titleChanged(const QString& title);
    void modifiedChanged(bool modified);
    // The state just saved is the new reference of the grid's history.
    void saved();

private:
    radio::AppState& m_state;
    QString m_strTitle;
    QString m_strPathName;
    void notifyModified(bool before);

    bool m_bChangedBeside = false;
    bool m_bHistoryClean = true;
};
