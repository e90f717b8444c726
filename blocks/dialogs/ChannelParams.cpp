#include "ChannelParams.h"

#include "EmbeddedImages.h"
#include "Plotter.h"
#include "Scope.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

ChannelParams::ChannelParams(QWidget* parent, unsigned channel, Scope* scope)
    : ChannelParamsBase(parent), channel(channel), scope(scope)
{
    triggerPixmaps[1] = edgePicture(true);
    triggerPixmaps[2] = edgePicture(false);
    scope->positionY[channel] = float(scope->positionYsliderValue[channel] * 0.1);
    emit paramsChanged(channel);
    showScale();
    triggerMode = unsigned(scope->trigger[channel] - 1);
    trigger_pushButton_clicked_Slot();
    scope->triggerLevel[channel] = float(scope->triggerSliderValue[channel] * 0.1);
    emit paramsChanged(channel);
    channelWidgets = {yplusPb,      yminusPb,           tplusPb,           tminusPb, plusPb, minusPb,
                      scaleY_Label, trigger_pushButton, vpositionTextLabel};
    //: Kanal %1
    channelVisible->setText(tr("Channel %1").arg(channel + 1));
    QPalette colours = channelVisible->palette();
    colours.setColor(QPalette::WindowText, scopeChannelColors[channel]);
    channelVisible->setPalette(colours);
    const bool on = scope->channelEnable[channel];
    channelVisible->setChecked(on);
    channel_pushButton_toggled_Slot(on);
}

// The pictures of the application's collection, or drawn here when it has none.
QPixmap ChannelParams::edgePicture(bool rising)
{
    QPixmap picture = EmbeddedImages::pixmap(rising ? QStringLiteral("scope_risingedge.png")
                                                    : QStringLiteral("scope_fallingedge.png"));
    if (!picture.isNull())
        return picture;
    picture = QPixmap(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QPen(Qt::black, 2));
    const int low = rising ? 13 : 3;
    const int high = rising ? 3 : 13;
    painter.drawPolyline(QPolygon(QVector<QPoint> {{1, low}, {8, low}, {8, high}, {15, high}}));
    return picture;
}

void ChannelParams::showScale()
{
    scaleY_Label->setText(scope->scaleYText(int(channel)) + QStringLiteral(" / YDiv"));
}

void ChannelParams::positionY_slider_valueChanged_Slot(int value)
{
    scope->positionYsliderValue[channel] = value;
    scope->positionY[channel] = float(value * 0.1);
    emit paramsChanged(channel);
}

void ChannelParams::yplus_clicked_Slot()
{
    positionY_slider_valueChanged_Slot(scope->positionYsliderValue[channel] + 1);
}

void ChannelParams::yminus_clicked_Slot()
{
    positionY_slider_valueChanged_Slot(scope->positionYsliderValue[channel] - 1);
}

void ChannelParams::trigger_slider_valueChanged_Slot(int value)
{
    scope->triggerSliderValue[channel] = value;
    scope->triggerLevel[channel] = float(value * 0.1);
    emit paramsChanged(channel);
}

void ChannelParams::tplus_clicked_Slot()
{
    trigger_slider_valueChanged_Slot(scope->triggerSliderValue[channel] + 1);
}

void ChannelParams::tminus_clicked_Slot()
{
    trigger_slider_valueChanged_Slot(scope->triggerSliderValue[channel] - 1);
}

void ChannelParams::plus_clicked_Slot()
{
    scope->scaleYDialUp(int(channel));
    showScale();
    emit paramsChanged(channel);
}

void ChannelParams::minus_clicked_Slot()
{
    scope->scaleYDialDown(int(channel));
    showScale();
    emit paramsChanged(channel);
}

void ChannelParams::trigger_pushButton_clicked_Slot()
{
    triggerMode = (triggerMode + 1) % 3;
    trigger_pushButton->setIcon(QIcon(triggerPixmaps[triggerMode]));
    scope->trigger[channel] = int(triggerMode);
    const bool off = triggerMode == 0;
    //: Aus
    trigger_pushButton->setText(off ? tr("Off") : QString());
    tplusPb->setEnabled(!off);
    tminusPb->setEnabled(!off);
    emit paramsChanged(channel);
}

void ChannelParams::channel_pushButton_toggled_Slot(bool on)
{
    QPalette colours = channelVisible->palette();
    colours.setColor(QPalette::WindowText, on ? scopeChannelColors[channel] : QColor(Qt::gray));
    channelVisible->setPalette(colours);
    for (QWidget* widget : std::as_const(channelWidgets))
        widget->setEnabled(on);
    // The trigger level buttons stay off while the trigger is.
    tplusPb->setEnabled(on && triggerMode != 0);
    tminusPb->setEnabled(on && triggerMode != 0);
    scope->channelEnable[channel] = on;
    emit paramsChanged(channel);
}
