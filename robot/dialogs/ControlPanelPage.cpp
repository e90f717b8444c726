#include "ControlPanelPage.h"

#include "ControlPanel.h"
#include "EmbeddedImages.h"

#include <QGridLayout>
#include <QPushButton>
#include <QSlider>

ControlPanelPage::ControlPanelPage(ControlPanel& block, QWidget* parent) : QWidget(parent), block(block)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setSpacing(6);
    addButton(QStringLiteral("nw"), QStringLiteral("\u2196"), 0, 1, &ControlPanelPage::on_nw_clicked);
    addButton(QStringLiteral("n"), QStringLiteral("\u2191"), 0, 2, &ControlPanelPage::on_n_clicked);
    addButton(QStringLiteral("no"), QStringLiteral("\u2197"), 0, 3, &ControlPanelPage::on_no_clicked);
    addButton(QStringLiteral("ccl"), QStringLiteral("\u21ba"), 1, 0, &ControlPanelPage::on_ccl_clicked);
    addButton(QStringLiteral("w"), QStringLiteral("\u2190"), 1, 1, &ControlPanelPage::on_w_clicked);
    addButton(QStringLiteral("controlpanelstop"), QStringLiteral("\u25a0"), 1, 2, &ControlPanelPage::on_stop_clicked);
    addButton(QStringLiteral("o"), QStringLiteral("\u2192"), 1, 3, &ControlPanelPage::on_o_clicked);
    addButton(QStringLiteral("cl"), QStringLiteral("\u21bb"), 1, 4, &ControlPanelPage::on_cl_clicked);
    addButton(QStringLiteral("sw"), QStringLiteral("\u2199"), 2, 1, &ControlPanelPage::on_sw_clicked);
    addButton(QStringLiteral("s"), QStringLiteral("\u2193"), 2, 2, &ControlPanelPage::on_s_clicked);
    addButton(QStringLiteral("so"), QStringLiteral("\u2198"), 2, 3, &ControlPanelPage::on_so_clicked);
    speed = new QSlider(Qt::Horizontal, this);
    speed->setRange(1, 100);
    speed->setValue(block.speed());
    grid->addWidget(speed, 3, 0, 1, 5);
    connect(speed, &QSlider::valueChanged, this, &ControlPanelPage::on_speed_valueChanged);
}

// The embedded picture "<name>.png", or an arrow sign while there is none.
QPushButton* ControlPanelPage::addButton(const QString& name, const QString& fallback, int row, int column,
                                         void (ControlPanelPage::*slot)())
{
    auto* button = new QPushButton(this);
    button->setObjectName(name);
    const QPixmap picture = EmbeddedImages::pixmap(name + QStringLiteral(".png"));
    if (picture.isNull()) {
        button->setText(fallback);
        QFont font = button->font();
        font.setPointSize(font.pointSize() + 6);
        button->setFont(font);
    } else {
        button->setIcon(QIcon(picture));
        button->setIconSize(picture.size());
    }
    button->setFixedSize(40, 40);
    static_cast<QGridLayout*>(layout())->addWidget(button, row, column);
    connect(button, &QPushButton::clicked, this, slot);
    return button;
}

QPushButton* ControlPanelPage::button(const QString& name) const
{
    return findChild<QPushButton*>(name);
}

void ControlPanelPage::step(int x, int y, int turn)
{
    block.addSteps(x, y, turn);
}

void ControlPanelPage::on_stop_clicked()
{
    block.stopAll();
}

void ControlPanelPage::on_speed_valueChanged(int value)
{
    block.setSpeed(value);
}
