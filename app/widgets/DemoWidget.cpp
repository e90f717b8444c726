#include "DemoWidget.h"

#include "KeyFilter.h"
#include "ShellPictures.h"
#include "ShellServices.h"

#include <QPainter>

DemoWidget::DemoWidget(KeyFilter* filter)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_filter(filter)
{
    setObjectName(QStringLiteral("demo"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_QuitOnClose, false);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    resize(0, 0);
    m_shiftTile = shellPicture(QStringLiteral("shiftkey.png"));
    m_ctrlTile = textTile(tr("Ctrl"));
    m_delTile = textTile(tr("Del"));
    m_escTile = textTile(tr("Esc"));
}

QPixmap DemoWidget::textTile(const QString& text) const
{
    const qreal ratio = devicePixelRatioF();
    QPixmap tile(QSize(cellWidth, cellHeight) * ratio);
    tile.setDevicePixelRatio(ratio);
    tile.fill(Qt::white);
    QPainter painter(&tile);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, cellWidth - 1, cellHeight - 1);
    painter.setFont(QFont(applicationFontFamily, 9));
    painter.drawText(QRect(0, 0, cellWidth, cellHeight), Qt::AlignCenter, text);
    return tile;
}

int DemoWidget::tileCount() const
{
    const bool mouse = m_filter->leftButtonDown() || m_filter->leftDoubleClick() || m_filter->rightButtonDown()
        || m_filter->rightDoubleClick();
    return int(mouse) + int(m_filter->shiftPressed()) + int(m_filter->ctrlPressed()) + int(m_filter->deletePressed())
        + int(m_filter->escapePressed());
}

void DemoWidget::paintEvent(QPaintEvent*)
{
    const QSize wanted(tileCount() * cellWidth, cellHeight);
    if (size() != wanted)
        resize(wanted);
    QPainter painter(this);
    paintTiles(painter);
}

void DemoWidget::paintTiles(QPainter& painter)
{
    int x = 0;
    if (m_filter->leftButtonDown() || m_filter->leftDoubleClick() || m_filter->rightButtonDown()
        || m_filter->rightDoubleClick()) {
        paintMouseTile(painter);
        x += cellWidth;
    }
    const struct
    {
        bool shown;
        const QPixmap& tile;
    } tiles[] = {{m_filter->shiftPressed(), m_shiftTile},
                 {m_filter->ctrlPressed(), m_ctrlTile},
                 {m_filter->deletePressed(), m_delTile},
                 {m_filter->escapePressed(), m_escTile}};
    for (const auto& tile : tiles) {
        if (!tile.shown)
            continue;
        painter.drawPixmap(x, 0, tile.tile);
        x += cellWidth;
    }
}

void DemoWidget::paintMouseTile(QPainter& painter) const
{
    painter.fillRect(0, 0, cellWidth, cellHeight, Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, cellWidth - 1, cellHeight - 1);
    const int third = cellWidth / 3;
    auto cellBrush = [](bool down, bool twice) {
        return down ? QBrush(Qt::black) : twice ? QBrush(Qt::red) : QBrush();
    };
    const QBrush brushes[] = {cellBrush(m_filter->leftButtonDown(), m_filter->leftDoubleClick()), QBrush(),
                              cellBrush(m_filter->rightButtonDown(), m_filter->rightDoubleClick())};
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(brushes[i]);
        painter.drawRect(i * third, 0, third - 1, buttonHeight);
    }
}
