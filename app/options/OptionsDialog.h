#pragma once

#include <QString>

class QWidget;

// One page of the options dialog.
class OptionsDialog
{
public:
    virtual ~OptionsDialog();
    // Takes over the page's values; called when the dialog is confirmed.
    virtual void apply() = 0;
    virtual QWidget* widget() = 0;
    virtual QString caption() const = 0;
};
