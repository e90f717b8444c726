#include "MotorPage.h"

#include "ComCenter.h"
#include "KelmarisCom.h"
#include "Motor.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>

namespace {
const int sliderMaximum[3] = {255, 51, 51};

QString gainText(float gain)
{
    return QString::number(static_cast<double>(gain), 'f', 3);
}
} // namespace

MotorPage::MotorPage(Motor& block, QWidget* parent) : QWidget(parent), block(block)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setSpacing(6);
    motorList = new QComboBox(this);
    motorList->addItem(QStringLiteral(" --- "));
    for (unsigned i = 1; i <= robotLink().numMotors(); ++i)
        motorList->addItem(QObject::tr("Motor %1").arg(i));
    motorList->setCurrentIndex(static_cast<int>(block.motor()));
    grid->addWidget(motorList, 0, 0, 1, 3);
    const char* names[3] = {QT_TRANSLATE_NOOP("MotorDialog", "kp="), QT_TRANSLATE_NOOP("MotorDialog", "ki="),
                            QT_TRANSLATE_NOOP("MotorDialog", "kd=")};
    const float gains[3] = {block.kp(), block.ki(), block.kd()};
    for (int g = 0; g < 3; ++g) {
        grid->addWidget(new QLabel(QCoreApplication::translate("MotorDialog", names[g]), this), g + 1, 0);
        values[g] = new QLabel(gainText(gains[g]), this);
        grid->addWidget(values[g], g + 1, 1);
        sliders[g] = new QSlider(Qt::Horizontal, this);
        sliders[g]->setRange(0, sliderMaximum[g]);
        sliders[g]->setValue(static_cast<int>(gains[g] * 255.0));
        sliders[g]->setMinimumWidth(120);
        grid->addWidget(sliders[g], g + 1, 2);
    }
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(4, 1);
    connect(sliders[0], &QSlider::valueChanged, this, &MotorPage::kpChanged);
    connect(sliders[1], &QSlider::valueChanged, this, &MotorPage::kiChanged);
    connect(sliders[2], &QSlider::valueChanged, this, &MotorPage::kdChanged);
    connect(motorList, &QComboBox::activated, this, &MotorPage::diChanged_Slot);
}

void MotorPage::diChanged_Slot(int index)
{
    block.setMotor(static_cast<unsigned>(index));
    block.setModified();
}

void MotorPage::gainChanged(int gain, int v)
{
    const float value = static_cast<float>(v) * gainStep;
    if (gain == 0)
        block.setKp(value);
    else if (gain == 1)
        block.setKi(value);
    else
        block.setKd(value);
    values[gain]->setText(gainText(value));
    block.setModified();
}

void MotorPage::kpChanged(int v)
{
    gainChanged(0, v);
}

void MotorPage::kiChanged(int v)
{
    gainChanged(1, v);
}

void MotorPage::kdChanged(int v)
{
    gainChanged(2, v);
}
