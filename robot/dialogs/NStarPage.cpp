#include "NStarPage.h"

#include "NStar.h"
#include "NStarMagBar.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace {
QString text(const char* source)
{
    return QCoreApplication::translate("NStarDialog", source);
}
} // namespace

NStarPage::NStarPage(NStar& block, QWidget* parent) : QWidget(parent), block(block)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->addWidget(new QLabel(text("spot0"), this), 0, 0);
    grid->addWidget(new QLabel(text("spot1"), this), 0, 1);
    grid->addWidget(new QLabel(text("Set room:"), this), 0, 2);
    room = new QSpinBox(this);
    room->setRange(0, 256);
    room->setSingleStep(1);
    room->setValue(0);
    grid->addWidget(room, 0, 3);
    for (int spot = 0; spot < 2; ++spot) {
        bars[spot] = new NStarMagBar(this, barMaximum);
        grid->addWidget(bars[spot], 1, spot, 3, 1);
    }
    const char* names[3] = {QT_TRANSLATE_NOOP("NStarDialog", "Current room:"),
                            QT_TRANSLATE_NOOP("NStarDialog", "Timestamp:"),
                            QT_TRANSLATE_NOOP("NStarDialog", "No. spots:")};
    for (int row = 0; row < 3; ++row) {
        grid->addWidget(new QLabel(text(names[row]), this), row + 1, 2);
        values[row] = new QLabel(this);
        grid->addWidget(values[row], row + 1, 3);
    }
    setOrigin = new QPushButton(text("Set origin"), this);
    grid->addWidget(setOrigin, 4, 0, 1, 4);
    grid->setRowStretch(5, 1);
    updateCustomWidget_Slot(0);
    connect(room, &QSpinBox::valueChanged, this, &NStarPage::on_setRoom_valueChanged);
    connect(setOrigin, &QPushButton::clicked, this, &NStarPage::on_setOrigin_clicked);
}

void NStarPage::on_setRoom_valueChanged(int value)
{
    block.setCommandRoom(value);
}

void NStarPage::on_setOrigin_clicked()
{
    block.setOriginToCurrent();
}

void NStarPage::updateCustomWidget_Slot(int)
{
    bars[0]->setValue(block.magnitude0());
    bars[1]->setValue(block.magnitude1());
    values[0]->setText(QString::number(block.room()));
    values[1]->setText(QString::number(block.timestamp()));
    values[2]->setText(QString::number(block.spots()));
}
