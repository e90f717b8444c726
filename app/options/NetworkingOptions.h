#pragma once

#include "OptionsDialog.h"

#include <QWidget>

class QSpinBox;

// The robot link's image server port, changed at once.
class NetworkingOptions : public QWidget, public OptionsDialog
{
    Q_OBJECT

public:
    explicit NetworkingOptions(QWidget* parent);
    void apply() override { }
    QWidget* widget() override { return this; }
    QString caption() const override { return tr("Networking"); }

    QSpinBox* imagePort;

public Q_SLOTS:
    void on_imagePortValueChanged(int port);
};
