#include "EmbeddedImages.h"

#include "ChartPictures.h"

#include <QColor>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace {

struct SlotLook
{
    QColor fill;
    bool round;
};

// Slot picture names are "<kind>_<state>.png".
bool slotLookFor(const QString& kind, SlotLook& look)
{
    static const QHash<QString, SlotLook> looks = {
        {QStringLiteral("value"), {QColor(0, 147, 221), false}},
        {QStringLiteral("vector"), {QColor(0, 170, 90), false}},
        {QStringLiteral("image"), {QColor(230, 150, 0), false}},
        {QStringLiteral("segimage"), {QColor(160, 60, 200), false}},
        {QStringLiteral("trans"), {QColor(90, 90, 90), true}},
    };
    auto found = looks.constFind(kind);
    if (found == looks.constEnd())
        return false;
    look = found.value();
    return true;
}

QColor stateOutline(const QString& state)
{
    if (state == QLatin1String("accept"))
        return QColor(0, 190, 0);
    if (state == QLatin1String("reject"))
        return QColor(220, 0, 0);
    return QColor(0, 0, 0);
}

} // namespace

QPixmap EmbeddedImages::pixmap(const QString& name)
{
    if (name.isEmpty())
        return QPixmap();
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    const QString key = QStringLiteral("drasvel:%1@%2").arg(name).arg(ratio);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached))
        return cached;
    const QString resource = QStringLiteral(":/images/") + name;
    // Pictures are drawn as SVG and named by their bitmap names; "abs.png" is "abs.svg".
    const QString drawing =
        QStringLiteral(":/images/") + QString(name).replace(QLatin1String(".png"), QLatin1String(".svg"));
    QPixmap result;
    if (QFile::exists(resource))
        result.load(resource);
    else if (name.endsWith(QLatin1String(".png")) && QFile::exists(drawing))
        result = renderDrawing(drawing, ratio);
    else
        result = paintSlotPicture(name);
    if (result.isNull())
        result = ChartPictures::paint(name);
    if (!result.isNull())
        QPixmapCache::insert(key, result);
    return result;
}

QPixmap EmbeddedImages::renderDrawing(const QString& resource, qreal ratio)
{
    QSvgRenderer renderer(resource);
    if (!renderer.isValid())
        return QPixmap();
    // Rendered at the screen's pixel density, so pictures stay sharp on dense screens.
    const QSize size = renderer.defaultSize();
    QImage picture(size * ratio, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    picture.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(picture);
}

QPixmap EmbeddedImages::paintSlotPicture(const QString& name)
{
    if (!name.endsWith(QLatin1String(".png")))
        return QPixmap();
    const QString stem = name.chopped(4);
    const qsizetype separator = stem.lastIndexOf(QLatin1Char('_'));
    if (separator <= 0)
        return QPixmap();
    const QString state = stem.mid(separator + 1);
    if (state != QLatin1String("idle") && state != QLatin1String("accept") && state != QLatin1String("reject"))
        return QPixmap();
    SlotLook look;
    if (!slotLookFor(stem.left(separator), look))
        return QPixmap();

    QImage picture(11, 11, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QPen(stateOutline(state), state == QLatin1String("idle") ? 1 : 2));
    painter.setBrush(look.fill);
    if (look.round)
        painter.drawEllipse(QRect(1, 1, 9, 9));
    else
        painter.drawRect(QRect(1, 1, 9, 9));
    painter.end();
    return QPixmap::fromImage(picture);
}
