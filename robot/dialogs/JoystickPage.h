#pragma once

#include <QList>
#include <QWidget>

class ComboBox;
class Joystick;
class QComboBox;

// The joystick dialog's custom page: the controller list and, for each of the five
// outputs, the list of the controller's axes, buttons and sliders.
class JoystickPage : public QWidget
{
    Q_OBJECT

public:
    explicit JoystickPage(Joystick& block, QWidget* parent = nullptr);

    QComboBox* controllerList() const { return list; }
    ComboBox* outputList(int output) const { return outputs.value(output); }

public Q_SLOTS:
    void list_activated(int item);
    void comboActivated(int item, int output);
    void scanned();
    // The block's choice shown again (on opening and after new parameters).
    void restoreChoice();

private:
    void fillControllers();
    void fillOutputs(int controller);
    void forgetController();

    Joystick& block;
    QComboBox* list;
    QList<ComboBox*> outputs;
};
