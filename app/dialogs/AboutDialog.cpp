#include "AboutDialog.h"

#include "AppGlobals.h"
#include "ShellPictures.h"
#include "SplashScreen.h"

#include <QPainter>
#include <QPushButton>

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent), m_picture(shellPicture(QStringLiteral("splashscreen.png")))
{
    setWindowTitle(applicationTitle);
    {
        QPainter painter(&m_picture);
        drawVersionText(&painter);
    }
    setFixedSize(m_picture.deviceIndependentSize().toSize());
    m_done = new QPushButton(tr("Done"), this);
    m_done->adjustSize();
    m_done->move((width() - m_done->width()) / 2, height() - m_done->height() - 5);
    m_done->setFlat(true);
    QPalette colours = m_done->palette();
    colours.setColor(QPalette::ButtonText, Qt::white);
    m_done->setPalette(colours);
    connect(m_done, &QPushButton::clicked, this, &AboutDialog::okClicked);
}

void AboutDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}
