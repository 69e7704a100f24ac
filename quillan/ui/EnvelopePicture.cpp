#include "EnvelopePicture.h"

#include <QPainter>
#include <QPainterPath>

namespace quillan {

QPixmap envelopePicture(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);
    const QRectF body(4, 14, 56, 38);
    QLinearGradient paper(0, 14, 0, 52);
    paper.setColorAt(0, QColor(0xfd, 0xf8, 0xe7));
    paper.setColorAt(1, QColor(0xe8, 0xdc, 0xb8));
    painter.setPen(QPen(QColor(0x8a, 0x73, 0x3f), 2));
    painter.setBrush(paper);
    painter.drawRoundedRect(body, 3, 3);
    // The flap meets the two lower folds in the middle.
    QPainterPath folds;
    folds.moveTo(5, 51);
    folds.lineTo(32, 32);
    folds.lineTo(59, 51);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(folds);
    QPainterPath flap;
    flap.moveTo(5, 15);
    flap.lineTo(32, 37);
    flap.lineTo(59, 15);
    painter.setBrush(QColor(0xf4, 0xec, 0xd0));
    painter.drawPath(flap);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xc0, 0x26, 0x26));
    painter.drawEllipse(QPointF(32, 36), 5, 5);
    return pixmap;
}

} // namespace quillan
