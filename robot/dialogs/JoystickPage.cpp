#include "JoystickPage.h"

#include "ComboBox.h"
#include "Joystick.h"
#include "JoystickWin32.h"
#include "Slot.h"
#include "SlotSpec.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

struct Counts
{
    int axes = 0, buttons = 0, sliders = 0;
};

Counts countsOf(int controller)
{
    if (!joystickManager || controller < 0)
        return {};
    return {static_cast<int>(joystickManager->axisCount(controller)),
            static_cast<int>(joystickManager->buttonCount(controller)),
            static_cast<int>(joystickManager->sliderCount(controller))};
}

} // namespace

JoystickPage::JoystickPage(Joystick& block, QWidget* parent) : QWidget(parent), block(block), list(new QComboBox(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(2);
    layout->addWidget(list);
    connect(list, QOverload<int>::of(&QComboBox::activated), this, &JoystickPage::list_activated);
    for (int k = 0; k < Joystick::outputCount; ++k) {
        auto* row = new QHBoxLayout;
        const QString name = block.type()->slotSpec(SlotSpec::Right, static_cast<unsigned>(k)).name();
        row->addWidget(new QLabel(name + QLatin1Char(':'), this));
        auto* box = new ComboBox(this, k);
        row->addWidget(box, 1);
        layout->addLayout(row);
        outputs << box;
        connect(box, QOverload<int, int>::of(&ComboBox::activated), this, &JoystickPage::comboActivated);
    }
    layout->addStretch();
    fillControllers();
    if (joystickManager)
        connect(joystickManager, &JoystickWin32::scanned, this, &JoystickPage::scanned);
    connect(&block, &Joystick::controllerLost, this, &JoystickPage::forgetController);
    connect(&block, &Joystick::parametersChanged, this, &JoystickPage::restoreChoice);
    restoreChoice();
}

void JoystickPage::fillControllers()
{
    list->clear();
    list->addItem(QStringLiteral(" --- "));
    const int count = joystickManager ? joystickManager->count() : 0;
    for (int i = 0; i < count; ++i)
        list->addItem(joystickManager->name(i));
}

void JoystickPage::fillOutputs(int controller)
{
    const Counts counts = countsOf(controller);
    const QString axis = QCoreApplication::translate("JoystickDialog", "Axis");
    const QString button = QCoreApplication::translate("JoystickDialog", "Button");
    const QString slider = QCoreApplication::translate("JoystickDialog", "Slider");
    for (ComboBox* box : outputs) {
        box->clear();
        for (int k = 0; k < counts.axes; ++k)
            box->addItem(axis + QString::number(k));
        for (int k = 0; k < counts.buttons; ++k)
            box->addItem(button + QString::number(k));
        for (int k = 0; k < counts.sliders; ++k)
            box->addItem(slider + QString::number(k));
    }
}

void JoystickPage::list_activated(int item)
{
    if (block.controller() >= 0 && joystickManager)
        joystickManager->stopForce(block.controller());
    block.setController(item - 1);
    fillOutputs(item - 1);
}

void JoystickPage::comboActivated(int item, int output)
{
    const Counts counts = countsOf(block.controller());
    Joystick::ControlDescriptor d;
    if (item < counts.axes)
        d = {Joystick::AxisKind, item};
    else if (item < counts.axes + counts.buttons)
        d = {Joystick::ButtonKind, item - counts.axes};
    else
        d = {Joystick::SliderKind, item - counts.axes - counts.buttons};
    block.setDescriptor(output, d);
}

void JoystickPage::scanned()
{
    if (block.controller() >= 0 && joystickManager)
        joystickManager->stopForce(block.controller());
    block.setController(-1);
    fillControllers();
}

void JoystickPage::forgetController()
{
    list->setCurrentIndex(0);
    for (ComboBox* box : outputs)
        box->clear();
}

void JoystickPage::restoreChoice()
{
    const int controller = block.controller();
    if (controller < 0 || controller + 1 >= list->count()) {
        scanned();
        return;
    }
    list->setCurrentIndex(controller + 1);
    fillOutputs(controller);
    const Counts counts = countsOf(controller);
    if (outputs.first()->count() < counts.axes + counts.buttons + counts.sliders)
        return;
    for (int k = 0; k < outputs.size(); ++k) {
        const Joystick::ControlDescriptor d = block.descriptor(k);
        const int offset = d.kind == Joystick::AxisKind ? 0
            : d.kind == Joystick::ButtonKind            ? counts.axes
                                                        : counts.axes + counts.buttons;
        outputs[k]->setCurrentIndex(offset + d.number);
    }
}
