#include "IpAddressInput.h"

#include "ComCenter.h"
#include "IpComboBox.h"

#include <QHBoxLayout>
#include <QLabel>

IpAddressInput::IpAddressInput(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->setSpacing(5);
    //: IP Adresse:
    layout->addWidget(new QLabel(tr("IP address:"), this));
    box = new IpComboBox(this);
    layout->addWidget(box);
    if (comCenter) {
        connect(comCenter, &ComCenter::connecting, this, &IpAddressInput::connecting);
        connect(comCenter, &ComCenter::error, this, &IpAddressInput::idle);
        connect(comCenter, &ComCenter::connectionClosed, this, &IpAddressInput::idle);
    }
}

void IpAddressInput::connecting()
{
    box->setEnabled(false);
}

void IpAddressInput::idle()
{
    box->setEnabled(true);
}
