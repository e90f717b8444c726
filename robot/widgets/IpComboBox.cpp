#include "IpComboBox.h"

#include "ComCenter.h"
#include "RobotConnection.h"

#include <QKeyEvent>
#include <QLineEdit>

IpComboBox::IpComboBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setInsertPolicy(QComboBox::NoInsert);
    if (comCenter) {
        addItems(comCenter->hostnameList());
        setEditText(comCenter->hostName());
        connect(comCenter, &ComCenter::hostnameListChanged, this, &IpComboBox::hostnameListChanged_Slot);
    }
    connect(this, &QComboBox::editTextChanged, this, &IpComboBox::textChanged_Slot);
    connect(this, &QComboBox::textActivated, this, &IpComboBox::activated_Slot);
}

void IpComboBox::hostnameListChanged_Slot(const QStringList& list)
{
    const QSignalBlocker quiet(this);
    clear();
    setEditText(comCenter ? comCenter->hostName() : QString());
    addItems(list);
    setEditText(comCenter ? comCenter->hostName() : QString());
}

void IpComboBox::textChanged_Slot(const QString& text)
{
    QString address = text;
    address.remove(QLatin1Char(' '));
    if (address != text) {
        const QSignalBlocker quiet(this);
        const int cursor = lineEdit() ? lineEdit()->cursorPosition() : 0;
        setEditText(address);
        if (lineEdit())
            lineEdit()->setCursorPosition(qMin(cursor, int(address.size())));
    }
    if (comCenter)
        comCenter->setHostName(address);
}

void IpComboBox::activated_Slot(const QString& text)
{
    textChanged_Slot(text);
}

void IpComboBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return)
        RobotConnection::connectRobot();
    QComboBox::keyPressEvent(event);
}
