#pragma once

#include <QWidget>

class IpComboBox;

// "IP address:" and the address entry; disabled from a connection attempt until the
// connection ends or fails.
class IpAddressInput : public QWidget
{
    Q_OBJECT

public:
    explicit IpAddressInput(QWidget* parent = nullptr);
    IpComboBox* comboBox() const { return box; }

public Q_SLOTS:
    void connecting();
    void idle();

private:
    IpComboBox* box;
};
