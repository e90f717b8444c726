#include "SecurityOptions.h"

#include "ComCenter.h"
#include "FileHistory.h"
#include "OptionsLayout.h"

#include <QPushButton>
#include <QVBoxLayout>

SecurityOptions::SecurityOptions(QWidget* parent)
    : QWidget(parent), ipClear(new QPushButton(tr("Clear"), this)), fileClear(new QPushButton(tr("Clear"), this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(20);
    labelledRow(this, layout, tr("IP address history"), ipClear);
    labelledRow(this, layout, tr("File history"), fileClear);
    layout->addStretch(10);
    ipClear->setEnabled(comCenter && !(comCenter->hostName().isEmpty() && comCenter->hostnameList().isEmpty()));
    fileClear->setEnabled(!fileHistory.isEmpty());
    connect(ipClear, &QPushButton::clicked, this, &SecurityOptions::clearIpHistory);
    connect(fileClear, &QPushButton::clicked, this, &SecurityOptions::clearFileHistory);
}

void SecurityOptions::clearIpHistory()
{
    if (comCenter)
        comCenter->clearHostnameList();
    ipClear->setEnabled(false);
}

void SecurityOptions::clearFileHistory()
{
    fileHistory.clear();
    fileClear->setEnabled(false);
}
