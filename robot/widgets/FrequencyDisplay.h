#pragma once

#include <QWidget>

class QLabel;
class QTimer;

// Four numbers in the status bar, refreshed five times a second: the size of the last
// camera image, the engine's cycle rate, the image thread's rate (the mean of the last
// five samples) and the robot's serial-line rate.
class FrequencyDisplay : public QWidget
{
    Q_OBJECT

public:
    static constexpr int refreshMs = 200;
    static constexpr int samples = 5;

    explicit FrequencyDisplay(QWidget* parent = nullptr);

public Q_SLOTS:
    void timer_timeout();

private:
    QLabel* jpegSize;
    QLabel* programRateLabel;
    QLabel* imageRateLabel;
    QLabel* serialLineRateLabel;
    QTimer* timer;
};
