#pragma once

#include <QSplashScreen>

class QPainter;

// Draws the version text onto the start picture (splash screen and about dialog).
void drawVersionText(QPainter* painter);

// The start picture with the version, "Loading ..." and a bar that start-up fills in 50 steps.
class SplashScreen : public QSplashScreen
{
    Q_OBJECT

public:
    SplashScreen();

    void step();
    unsigned progress() const { return m_progress; }
    // Width of the bar at a progress on a splash that wide; 0 when none is drawn.
    static int barWidth(int splashWidth, unsigned progress);

protected:
    void drawContents(QPainter* painter) override;

private:
    unsigned m_progress = 0;
};
