#include "SplashScreen.h"

#include "ShellPictures.h"

#include <QCoreApplication>
#include <QPainter>

void drawVersionText(QPainter* painter)
{
    const QFont remembered = painter->font();
    QFont font(QStringLiteral("Arial"));
    font.setWeight(QFont::DemiBold);
    font.setPixelSize(12);
    painter->setFont(font);
    painter->setPen(Qt::white);
    painter->drawText(QPoint(197, 260),
                      QCoreApplication::translate("QSplashScreen", "Version %1.%2 Build %3").arg(1).arg(6).arg(90));
    painter->setFont(remembered);
}

SplashScreen::SplashScreen() : QSplashScreen(shellPicture(QStringLiteral("splashscreen.png")))
{
    repaint();
}

void SplashScreen::step()
{
    ++m_progress;
    repaint();
}

int SplashScreen::barWidth(int splashWidth, unsigned progress)
{
    const int b = static_cast<int>(static_cast<unsigned>(splashWidth) * progress / 50u) - 10;
    return b > 5 ? b : 0;
}

void SplashScreen::drawContents(QPainter* painter)
{
    drawVersionText(painter);
    const int w = width();
    const int h = height();
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(10);
    painter->setFont(font);
    painter->setPen(Qt::white);
    painter->drawText(QPoint(5, h - 1 - 34), QCoreApplication::translate("QSplashScreen", "Loading ..."));
    const int bar = m_progress > 0 ? barWidth(w, m_progress) : 0;
    if (bar > 0) {
        painter->setPen(Qt::darkGray);
        painter->setBrush(Qt::darkGray);
        painter->drawRect(5, h - 1 - 24, bar, 15);
    }
}
