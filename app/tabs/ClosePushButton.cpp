#include "ClosePushButton.h"

#include "ShellPictures.h"

#include <QMouseEvent>

ClosePushButton::ClosePushButton(QWidget* parent) : QPushButton(parent)
{
    setFlat(true);
    setToolTip(tr("Close"));
    setFixedSize(22, 20);
    setIconSize(QSize(16, 16));
    setFocusPolicy(Qt::NoFocus);
    showPicture("close.png");
}

void ClosePushButton::showPicture(const char* name)
{
    setIcon(QIcon(shellPicture(QString::fromLatin1(name))));
}

void ClosePushButton::enterEvent(QEnterEvent*)
{
    showPicture("closemouseover.png");
}

void ClosePushButton::leaveEvent(QEvent*)
{
    showPicture("close.png");
}

void ClosePushButton::mousePressEvent(QMouseEvent*)
{
    showPicture("closeclick.png");
}

void ClosePushButton::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    if (at.x() > 0 && at.y() > 0 && at.x() < width() - 1 && at.y() < height() - 1) {
        showPicture("closemouseover.png");
        Q_EMIT clicked();
    }
}
