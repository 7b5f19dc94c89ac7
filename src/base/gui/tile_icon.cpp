#include "tile_icon.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

QPixmap tile(const QString &text, const QColor &color, int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color.darker(150), 1));
    p.setBrush(color);
    p.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size / 6.0, size / 6.0);
    QFont f(u"Arial"_s);
    f.setBold(true);
    f.setPixelSize(text.size() > 2 ? size * 9 / 24 : size * 11 / 24);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, text);
    return pm;
}

}  // namespace

QIcon tileIcon(const QString &text, const QColor &color)
{
    QIcon icon;
    for (int size : {16, 22, 32, 44})
        icon.addPixmap(tile(text, color, size));
    return icon;
}

}  // namespace remitor
