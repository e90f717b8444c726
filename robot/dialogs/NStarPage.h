#pragma once

#include <QWidget>

class NStar;
class NStarMagBar;
class QLabel;
class QPushButton;
class QSpinBox;

// The NorthStar dialog's custom page: signal bars of the two spots, the room to hold,
// the current room, time stamp and spot count, and "Set origin".
class NStarPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr unsigned barMaximum = 65535;

    explicit NStarPage(NStar& block, QWidget* parent = nullptr);

    NStarMagBar* bar(int spot) const { return bars[spot]; }
    QSpinBox* roomBox() const { return room; }
    QPushButton* originButton() const { return setOrigin; }

public Q_SLOTS:
    void on_setRoom_valueChanged(int value);
    void on_setOrigin_clicked();
    // Connected to the dialog's refresh on every engine cycle; the id is not looked at.
    void updateCustomWidget_Slot(int id);

private:
    NStar& block;
    NStarMagBar* bars[2];
    QSpinBox* room;
    QLabel* values[3];
    QPushButton* setOrigin;
};
