#include "OsterEi.h"

#include "QTetrix.h"
#include "ShellPictures.h"

#include <QDialog>
#include <QPalette>
#include <QTimer>

namespace {
int completedSeries = 0;
}

OsterEi::OsterEi(QWidget* parent) : QWidget(parent), m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &OsterEi::timer_timeout);
}

int OsterEi::seriesCount()
{
    return completedSeries;
}

void OsterEi::mousePressEvent(QMouseEvent*)
{
    m_timer->start(250);
    if (++m_clicks <= 9)
        return;
    m_clicks = 0;
    ++completedSeries;
    Q_EMIT seriesCompleted(completedSeries);
    openSurprise(completedSeries);
}

void OsterEi::timer_timeout()
{
    m_clicks = 0;
}

void OsterEi::openSurprise(int series)
{
    // Tests watch the signal and do not open windows.
    if (property("quiet").toBool())
        return;
    if (series % 2 == 1) {
        (new QTetrix)->show();
        return;
    }
    QDialog picture;
    const QPixmap image = shellPicture(QStringLiteral("ostern.png"));
    picture.setFixedSize(image.deviceIndependentSize().toSize());
    QPalette background = picture.palette();
    background.setBrush(QPalette::Window, QBrush(image));
    picture.setPalette(background);
    picture.exec();
}
