#pragma once

#include "OptionsDialog.h"

#include <QWidget>

class QPushButton;

// Clears the remembered robot addresses and recent files at once.
class SecurityOptions : public QWidget, public OptionsDialog
{
    Q_OBJECT

public:
    explicit SecurityOptions(QWidget* parent);
    void apply() override { }
    QWidget* widget() override { return this; }
    QString caption() const override { return tr("Security"); }

    QPushButton* ipClear;
    QPushButton* fileClear;

public Q_SLOTS:
    void clearIpHistory();
    void clearFileHistory();
};
