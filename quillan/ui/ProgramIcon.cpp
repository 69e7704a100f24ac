#include "ProgramIcon.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace quillan {

namespace {
QPixmap drawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);
    QLinearGradient badge(0, 0, 0, 64);
    badge.setColorAt(0, QColor(0x3d, 0x7e, 0xd6));
    badge.setColorAt(1, QColor(0x1c, 0x4a, 0x94));
    painter.setPen(Qt::NoPen);
    painter.setBrush(badge);
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    // Handset: two ear pieces joined by a bowed grip, tilted as if lifted.
    painter.translate(32, 32);
    painter.rotate(-30);
    painter.translate(-32, -34);
    QPainterPath handset;
    handset.moveTo(14, 40);
    handset.cubicTo(14, 20, 50, 20, 50, 40);
    painter.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(handset);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(8, 38, 14, 10), 3, 3);
    painter.drawRoundedRect(QRectF(42, 38, 14, 10), 3, 3);
    return pixmap;
}

QIcon* g_icon = nullptr;
} // namespace

QIcon programIcon() {
    // Drawn once, shared by the windows and the tray icon, and let go with the application.
    if (!g_icon) {
        g_icon = new QIcon;
        for (int size : {16, 22, 32, 48, 64})
            g_icon->addPixmap(drawIcon(size));
        qAddPostRoutine([] {
            delete g_icon;
            g_icon = nullptr;
        });
    }
    return *g_icon;
}

} // namespace quillan
