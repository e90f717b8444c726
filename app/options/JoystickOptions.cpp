#include "JoystickOptions.h"

#include "JoystickWin32.h"
#include "OptionsLayout.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

JoystickOptions::JoystickOptions(QWidget* parent)
    : QWidget(parent), scanPb(new QPushButton(tr("Scan"), this)), list(new QListWidget(this))
{
    scanPb->setObjectName(QStringLiteral("scanPb"));
    list->setObjectName(QStringLiteral("list"));
    QVBoxLayout* layout = formLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(scanPb);
    top->addStretch(1);
    layout->addLayout(top);
    layout->addWidget(list);
    if (joystickManager) {
        connect(scanPb, &QPushButton::clicked, joystickManager, &JoystickWin32::scan);
        connect(joystickManager, &JoystickWin32::scanned, this, &JoystickOptions::scanned);
    }
    scanned();
}

void JoystickOptions::scanned()
{
    list->clear();
    if (!joystickManager)
        return;
    for (int index = 0; index < joystickManager->count(); ++index)
        list->addItem(joystickManager->name(index));
}
