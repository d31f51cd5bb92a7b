#pragma once
// The area holding the channel windows, painted with background.bmp from the
// program directory, stretched over the whole area.

#include <QMdiArea>

class CBackgroundClient : public QMdiArea {
    Q_OBJECT
public:
    explicit CBackgroundClient(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* e) override;
};
