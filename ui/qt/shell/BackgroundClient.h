#pragma once
// The area holding the channel windows, painted with background.bmp from the
// program directory, stretched over the whole area.

#include <QMdiArea>
#include <QString>

class CBackgroundClient : public QMdiArea {
    Q_OBJECT
public:
    // `programDir`: the program's folder, with a trailing separator.
    explicit CBackgroundClient(const QString& programDir, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString m_programDir;
};
