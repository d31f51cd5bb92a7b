#include "ui/qt/shell/BackgroundClient.h"

#include <QImage>
#include <QPainter>

CBackgroundClient::CBackgroundClient(const QString& programDir, QWidget* parent)
    : QMdiArea(parent), m_programDir(programDir) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void CBackgroundClient::paintEvent(QPaintEvent*) {
    // Read from the file at every repaint (not through the pixmap cache), so a
    // replaced picture shows at the next one.
    QImage picture(m_programDir + QStringLiteral("background.bmp"));
    if (picture.isNull())
        picture.load(QStringLiteral(":/fallback_background.bmp"));
    QPainter p(viewport());
    if (picture.isNull())
        p.fillRect(viewport()->rect(), palette().dark());
    else
        p.drawImage(viewport()->rect(), picture);
}
