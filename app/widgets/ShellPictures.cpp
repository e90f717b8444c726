#include "ShellPictures.h"

#include <QFont>
#include <QGuiApplication>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QScreen>

#include <functional>

namespace {

using Drawing = std::function<void(QPainter&, const QSizeF&)>;

struct Picture
{
    QSize size;
    Drawing draw;
};

qreal screenRatio()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

// The run buttons: a rounded key, raised or sunk, with its symbol; five states.
enum class RunSymbol { Start, Pause, Stop };
enum class KeyLook { Pressed, NotPressed, Disabled, PressedActive, NotPressedActive };

void drawRunSymbol(QPainter& p, RunSymbol symbol, const QRectF& box, const QColor& colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const QPointF c = box.center();
    if (symbol == RunSymbol::Start) {
        p.drawPolygon(
            QPolygonF({QPointF(c.x() - 4, c.y() - 6), QPointF(c.x() + 6, c.y()), QPointF(c.x() - 4, c.y() + 6)}));
    } else if (symbol == RunSymbol::Pause) {
        p.drawRect(QRectF(c.x() - 5, c.y() - 6, 3.5, 12));
        p.drawRect(QRectF(c.x() + 1.5, c.y() - 6, 3.5, 12));
    } else {
        p.drawRect(QRectF(c.x() - 5.5, c.y() - 5.5, 11, 11));
    }
}

void drawRunKey(QPainter& p, const QSizeF& size, RunSymbol symbol, KeyLook look)
{
    const bool pressed = look == KeyLook::Pressed || look == KeyLook::PressedActive;
    const bool active = look == KeyLook::PressedActive || look == KeyLook::NotPressedActive;
    const QRectF key(1, 1, size.width() - 2, size.height() - 2);
    QLinearGradient face(key.topLeft(), key.bottomLeft());
    if (look == KeyLook::Disabled) {
        face.setColorAt(0, QColor(236, 236, 236));
        face.setColorAt(1, QColor(214, 214, 214));
    } else if (pressed) {
        face.setColorAt(0, QColor(150, 170, 190));
        face.setColorAt(1, QColor(205, 218, 230));
    } else {
        face.setColorAt(0, QColor(252, 252, 252));
        face.setColorAt(1, QColor(206, 212, 220));
    }
    p.setPen(QPen(active ? QColor(40, 110, 200) : QColor(120, 126, 134), active ? 1.6 : 1.0));
    p.setBrush(face);
    p.drawRoundedRect(key, 4, 4);
    QColor symbolColour = symbol == RunSymbol::Start ? QColor(20, 150, 40)
        : symbol == RunSymbol::Pause                 ? QColor(210, 150, 0)
                                                     : QColor(200, 30, 30);
    if (look == KeyLook::Disabled)
        symbolColour = QColor(170, 170, 170);
    drawRunSymbol(p, symbol, key.translated(pressed ? 0.5 : 0, pressed ? 1 : 0), symbolColour);
}

// A sheet of paper with a few block boxes (program) or a chart of steps (chart).
void drawDocumentIcon(QPainter& p, const QSizeF& s, bool chart)
{
    const QRectF sheet(3, 1, s.width() - 6, s.height() - 2);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(chart ? QColor(194, 233, 234) : QColor(255, 251, 233));
    p.drawRect(sheet);
    p.setBrush(Qt::white);
    if (chart) {
        p.drawEllipse(QRectF(sheet.center().x() - 2.5, sheet.top() + 2, 5, 5));
        p.drawRect(QRectF(sheet.center().x() - 4, sheet.top() + 9, 8, 5));
        p.drawLine(QPointF(sheet.center().x(), sheet.top() + 7), QPointF(sheet.center().x(), sheet.top() + 9));
    } else {
        p.drawRect(QRectF(sheet.left() + 2, sheet.top() + 3, 4, 4));
        p.drawRect(QRectF(sheet.right() - 6, sheet.top() + 8, 4, 4));
        p.drawLine(QPointF(sheet.left() + 6, sheet.top() + 5), QPointF(sheet.right() - 6, sheet.top() + 10));
    }
}

void drawFolder(QPainter& p, const QSizeF& s)
{
    p.setPen(QPen(QColor(140, 100, 20), 1));
    p.setBrush(QColor(240, 200, 90));
    QPainterPath path;
    path.moveTo(1.5, 4.5);
    path.lineTo(6.5, 4.5);
    path.lineTo(8.5, 6.5);
    path.lineTo(s.width() - 1.5, 6.5);
    path.lineTo(s.width() - 1.5, s.height() - 2.5);
    path.lineTo(1.5, s.height() - 2.5);
    path.closeSubpath();
    p.drawPath(path);
}

void drawDisk(QPainter& p, const QSizeF& s)
{
    const QRectF disk(2, 2, s.width() - 4, s.height() - 4);
    p.setPen(QPen(QColor(30, 50, 100), 1));
    p.setBrush(QColor(70, 100, 170));
    p.drawRect(disk);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(disk.left() + 2, disk.top(), disk.width() - 4, disk.height() * 0.4));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(disk.left() + 3, disk.bottom() - 4, disk.width() - 6, 4));
}

void drawCross(QPainter& p, const QSizeF& s, const QColor& ground, const QColor& ink)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ground);
    if (ground.alpha() > 0)
        p.drawRoundedRect(QRectF(0.5, 0.5, s.width() - 1, s.height() - 1), 3, 3);
    p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap));
    const qreal m = s.width() * 0.3;
    p.drawLine(QPointF(m, m), QPointF(s.width() - m, s.height() - m));
    p.drawLine(QPointF(s.width() - m, m), QPointF(m, s.height() - m));
}

void drawArrow(QPainter& p, const QSizeF& s, bool back)
{
    p.setPen(QPen(QColor(40, 90, 160), 2, Qt::SolidLine, Qt::RoundCap));
    QPainterPath path;
    const qreal w = s.width();
    if (back) {
        path.moveTo(w - 3, s.height() - 3);
        path.cubicTo(w - 3, 4, 6, 4, 4, 8);
    } else {
        path.moveTo(3, s.height() - 3);
        path.cubicTo(3, 4, w - 6, 4, w - 4, 8);
    }
    p.drawPath(path);
    const QPointF tip = back ? QPointF(4, 8) : QPointF(w - 4, 8);
    p.drawLine(tip, tip + QPointF(back ? 4 : -4, 0));
    p.drawLine(tip, tip + QPointF(0, -4));
}

void drawScissors(QPainter& p, const QSizeF& s)
{
    p.setPen(QPen(QColor(60, 60, 60), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(2, s.height() - 6, 4, 4));
    p.drawEllipse(QRectF(s.width() - 6, s.height() - 6, 4, 4));
    p.drawLine(QPointF(5, s.height() - 6), QPointF(s.width() - 5, 2));
    p.drawLine(QPointF(s.width() - 5, s.height() - 6), QPointF(5, 2));
}

void drawTwoSheets(QPainter& p, const QSizeF& s, bool clipboard)
{
    p.setPen(QPen(QColor(90, 90, 90), 1));
    if (clipboard) {
        p.setBrush(QColor(190, 150, 90));
        p.drawRect(QRectF(2.5, 2.5, s.width() - 5, s.height() - 4));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 5.5, s.width() - 8, s.height() - 7));
    } else {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 2.5, s.width() * 0.55, s.height() * 0.65));
        p.drawRect(QRectF(s.width() * 0.35, s.height() * 0.3, s.width() * 0.55, s.height() * 0.62));
    }
}

// The start picture: a dark blue ground with the name and a stylised robot.
void drawSplash(QPainter& p, const QSizeF& s)
{
    QLinearGradient ground(0, 0, 0, s.height());
    ground.setColorAt(0, QColor(24, 52, 96));
    ground.setColorAt(1, QColor(10, 22, 44));
    p.fillRect(QRectF(QPointF(0, 0), s), ground);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    for (int x = 0; x < s.width(); x += 20)
        p.drawLine(QPointF(x, 0), QPointF(x, s.height()));
    for (int y = 0; y < s.height(); y += 20)
        p.drawLine(QPointF(0, y), QPointF(s.width(), y));
    // The robot: a round body with three wheels seen from above.
    const QPointF centre(95, 140);
    p.setPen(QPen(QColor(200, 220, 255), 3));
    p.setBrush(QColor(60, 110, 180));
    p.drawEllipse(centre, 55, 55);
    p.setBrush(QColor(30, 30, 30));
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(90 + i * 120);
        p.drawRoundedRect(QRectF(44, -12, 12, 24), 3, 3);
        p.restore();
    }
    p.setBrush(QColor(250, 200, 60));
    p.drawEllipse(centre + QPointF(0, -25), 9, 9);
    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(40);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QPointF(190, 130), QStringLiteral("KELMARIS"));
    title.setPixelSize(26);
    title.setBold(false);
    p.setFont(title);
    p.setPen(QColor(180, 210, 255));
    p.drawText(QPointF(192, 170), QStringLiteral("View"));
    title.setPixelSize(13);
    p.setFont(title);
    p.drawText(QPointF(192, 200), QStringLiteral("drasvel"));
}

void drawShiftKey(QPainter& p, const QSizeF& s)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0.5, 0.5, s.width() - 1, s.height() - 1));
    p.setBrush(Qt::NoBrush);
    const qreal cx = s.width() / 2;
    p.drawPolygon(QPolygonF({QPointF(cx, 5), QPointF(cx + 9, 15), QPointF(cx + 4, 15), QPointF(cx + 4, 24),
                             QPointF(cx - 4, 24), QPointF(cx - 4, 15), QPointF(cx - 9, 15)}));
}

void drawEgg(QPainter& p, const QSizeF& s)
{
    p.fillRect(QRectF(QPointF(0, 0), s), QColor(200, 235, 200));
    const QColor colours[] = {QColor(240, 120, 120), QColor(120, 170, 240), QColor(250, 210, 80)};
    for (int i = 0; i < 3; ++i) {
        const QRectF egg(40 + i * 100, 70 + (i % 2) * 30, 70, 95);
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(colours[i]);
        p.drawEllipse(egg);
        p.setPen(QPen(Qt::white, 4));
        p.drawLine(QPointF(egg.left() + 8, egg.center().y()), QPointF(egg.right() - 8, egg.center().y()));
    }
}

void drawCaptionBar(QPainter& p, const QSizeF& s)
{
    QLinearGradient bar(0, 0, s.width(), 0);
    bar.setColorAt(0, QColor(60, 90, 150));
    bar.setColorAt(1, QColor(170, 195, 230));
    p.fillRect(QRectF(QPointF(0, 0), s), bar);
}

QHash<QString, Picture> buildPictures()
{
    QHash<QString, Picture> pictures;
    const QSize key(29, 24);
    const struct
    {
        const char* name;
        RunSymbol symbol;
    } runs[] = {{"start", RunSymbol::Start}, {"pause", RunSymbol::Pause}, {"stop", RunSymbol::Stop}};
    const struct
    {
        const char* suffix;
        KeyLook look;
    } looks[] = {{"_pressed.png", KeyLook::Pressed},
                 {"_not_pressed.png", KeyLook::NotPressed},
                 {"_disabled.png", KeyLook::Disabled},
                 {"_pressed_active.png", KeyLook::PressedActive},
                 {"_not_pressed_active.png", KeyLook::NotPressedActive}};
    for (const auto& run : runs) {
        for (const auto& look : looks) {
            const RunSymbol symbol = run.symbol;
            const KeyLook state = look.look;
            pictures.insert(QString::fromLatin1(run.name) + QLatin1String(look.suffix),
                            {key, [symbol, state](QPainter& p, const QSizeF& s) { drawRunKey(p, s, symbol, state); }});
        }
    }
    const QSize icon(16, 16);
    pictures.insert(QStringLiteral("state.png"),
                    {icon, [](QPainter& p, const QSizeF& s) { drawDocumentIcon(p, s, false); }});
    pictures.insert(QStringLiteral("statechart.png"),
                    {icon, [](QPainter& p, const QSizeF& s) { drawDocumentIcon(p, s, true); }});
    pictures.insert(QStringLiteral("fileopen.xpm"), {icon, drawFolder});
    pictures.insert(QStringLiteral("filesave.xpm"), {icon, drawDisk});
    pictures.insert(QStringLiteral("fileclose.png"), {icon, [](QPainter& p, const QSizeF& s) {
                                                          drawCross(p, s, Qt::transparent, QColor(160, 30, 30));
                                                      }});
    pictures.insert(QStringLiteral("editundo.xpm"),
                    {icon, [](QPainter& p, const QSizeF& s) { drawArrow(p, s, true); }});
    pictures.insert(QStringLiteral("editredo.xpm"),
                    {icon, [](QPainter& p, const QSizeF& s) { drawArrow(p, s, false); }});
    pictures.insert(QStringLiteral("editcut.xpm"), {icon, drawScissors});
    pictures.insert(QStringLiteral("editcopy.xpm"),
                    {icon, [](QPainter& p, const QSizeF& s) { drawTwoSheets(p, s, false); }});
    pictures.insert(QStringLiteral("editpaste.xpm"),
                    {icon, [](QPainter& p, const QSizeF& s) { drawTwoSheets(p, s, true); }});
    pictures.insert(QStringLiteral("close.png"),
                    {icon, [](QPainter& p, const QSizeF& s) { drawCross(p, s, Qt::transparent, QColor(90, 90, 90)); }});
    pictures.insert(QStringLiteral("closemouseover.png"),
                    {icon, [](QPainter& p, const QSizeF& s) { drawCross(p, s, QColor(220, 80, 70), Qt::white); }});
    pictures.insert(QStringLiteral("closeclick.png"),
                    {icon, [](QPainter& p, const QSizeF& s) { drawCross(p, s, QColor(150, 40, 30), Qt::white); }});
    pictures.insert(QStringLiteral("splashscreen.png"), {QSize(480, 300), drawSplash});
    pictures.insert(QStringLiteral("shiftkey.png"), {QSize(30, 30), drawShiftKey});
    pictures.insert(QStringLiteral("ostern.png"), {QSize(360, 240), drawEgg});
    pictures.insert(QStringLiteral("optionscontentcaption.png"), {QSize(200, 20), drawCaptionBar});
    pictures.insert(QStringLiteral("drasvel.png"), {QSize(64, 64), [](QPainter& p, const QSizeF& s) {
                                                        p.scale(s.width() / 16.0, s.height() / 16.0);
                                                        drawDocumentIcon(p, QSizeF(16, 16), false);
                                                    }});
    return pictures;
}

const QHash<QString, Picture>& pictures()
{
    static const QHash<QString, Picture> table = buildPictures();
    return table;
}

} // namespace

QSize shellPictureSize(const QString& name)
{
    return pictures().value(name).size;
}

QPixmap shellPicture(const QString& name)
{
    const auto found = pictures().constFind(name);
    if (found == pictures().constEnd())
        return QPixmap();
    const qreal ratio = screenRatio();
    QPixmap pixmap(found->size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    found->draw(painter, QSizeF(found->size));
    return pixmap;
}
