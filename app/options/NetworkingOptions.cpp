#include "NetworkingOptions.h"

#include "ComCenter.h"
#include "OptionsLayout.h"

#include <QSpinBox>
#include <QVBoxLayout>

NetworkingOptions::NetworkingOptions(QWidget* parent) : QWidget(parent), imagePort(new QSpinBox(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(20);
    imagePort->setRange(1, 65535);
    labelledRow(this, layout, tr("Image server port"), imagePort);
    layout->addStretch(10);
    if (comCenter) {
        imagePort->setValue(comCenter->imagePort());
        imagePort->setEnabled(!comCenter->isConnected());
    }
    connect(imagePort, &QSpinBox::valueChanged, this, &NetworkingOptions::on_imagePortValueChanged);
}

void NetworkingOptions::on_imagePortValueChanged(int port)
{
    if (comCenter)
        comCenter->setImagePort(port);
}
