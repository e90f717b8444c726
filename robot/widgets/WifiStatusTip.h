#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

class WifiStatus;

// The status button's tooltip: its status text, shown only in the 40 x 40 square at the
// button's top right.
class WifiStatusTip
{
public:
    static constexpr int tipSize = 40;

    explicit WifiStatusTip(const WifiStatus& button) : button(button) { }

    // The square the tip belongs to, or an empty one where there is no tip.
    QRect tipArea(const QPoint& position) const;
    // Shows or hides the tip for the pointer at that position.
    void maybeTip(const QPoint& position) const;

private:
    const WifiStatus& button;
};
