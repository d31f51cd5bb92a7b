#pragma once
// The navigation bar at the left of the main window: a caption with a close
// button, and a tree whose three entries run the Edit commands.

#include <QDockWidget>

namespace radio {
struct AppState;
}

class QLabel;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

class CNavigationBar : public QDockWidget {
    Q_OBJECT
public:
    // `state`: the settings texts (caption, root) and the language of the entries.
    explicit CNavigationBar(const radio::AppState& state, QWidget* parent = nullptr);

    QTreeWidget* tree() const { return m_pTree; }
    QToolButton* closeButton() const { return m_closeButton; }
    QString caption() const;
    int barWidth() const { return m_nWidth; }

    // Labels of the three entries in one language.
    static QStringList entryLabels(bool chinese);

    // Gives the docked bar its default width once the frame is laid out.
    void applyDefaultWidth();

signals:
    void commandRequested(int id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void actOn(QTreeWidgetItem* item);
    void updateWidthLimits();

    const radio::AppState& m_state;
    QLabel* m_caption;
    QToolButton* m_closeButton;
    QTreeWidget* m_pTree;
    int m_nWidth = 200;
    bool m_bActing = false;
};
