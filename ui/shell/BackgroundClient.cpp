#include "ui/shell/BackgroundClient.h"

#include "app/core/AppState.h"

#include <QPainter>
#include <QPixmap>

CBackgroundClient::CBackgroundClient(QWidget* parent) : QMdiArea(parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void CBackgroundClient::paintEvent(QPaintEvent*) {
    // Loaded at every repaint, so a replaced picture shows at the next one.
    QPixmap picture(QString::fromStdString(radio::appState().programDir) +
                    QStringLiteral("background.bmp"));
    if (picture.isNull())
        picture.load(QStringLiteral(":/fallback_background.bmp"));
    QPainter p(viewport());
    if (picture.isNull())
        p.fillRect(viewport()->rect(), palette().dark());
    else
        p.drawPixmap(viewport()->rect(), picture);
}
