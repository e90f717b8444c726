#include "CustomWidget.h"

CustomWidget::CustomWidget(QWidget* parent) : QWidget(parent)
{
}

void CustomWidget::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    emit mouseEnter();
}
