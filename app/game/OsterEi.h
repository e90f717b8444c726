#pragma once

#include <QWidget>

class QTimer;

// The invisible click target at the end of the toolbar: ten quick clicks open, in turn,
// the game and a picture.
class OsterEi : public QWidget
{
    Q_OBJECT

public:
    explicit OsterEi(QWidget* parent = nullptr);

    int clickCount() const { return m_clicks; }
    static int seriesCount();

Q_SIGNALS:
    // A completed series of ten clicks; odd counts open the game, even ones the picture.
    void seriesCompleted(int series);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private Q_SLOTS:
    void timer_timeout();

private:
    void openSurprise(int series);

    int m_clicks = 0;
    QTimer* m_timer;
};
