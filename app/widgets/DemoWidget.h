#pragma once

#include <QPixmap>
#include <QWidget>

class KeyFilter;

// The demo overlay beside the mouse pointer: the held mouse buttons and the keys Shift,
// Ctrl, Del and Esc as tiles, for showing the program to an audience.
class DemoWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DemoWidget(KeyFilter* filter);

    static constexpr int cellWidth = 30;
    static constexpr int cellHeight = 30;
    static constexpr int buttonHeight = cellHeight - 10;

    // Tiles shown for the key filter's flags now.
    int tileCount() const;
    void paintTiles(QPainter& painter);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap textTile(const QString& text) const;
    void paintMouseTile(QPainter& painter) const;

    KeyFilter* m_filter;
    QPixmap m_shiftTile;
    QPixmap m_ctrlTile;
    QPixmap m_delTile;
    QPixmap m_escTile;
};
