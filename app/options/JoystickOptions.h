#pragma once

#include "OptionsDialog.h"

#include <QWidget>

class QListWidget;
class QPushButton;

// The game controllers found by the last scan, and a button to scan again.
class JoystickOptions : public QWidget, public OptionsDialog
{
    Q_OBJECT

public:
    explicit JoystickOptions(QWidget* parent);
    void apply() override { }
    QWidget* widget() override { return this; }
    QString caption() const override { return tr("Joystick"); }

public Q_SLOTS:
    void scanned();

private:
    QPushButton* scanPb;
    QListWidget* list;
};
