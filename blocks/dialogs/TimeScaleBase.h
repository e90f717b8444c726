#pragma once

#include <QWidget>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QSpacerItem;
class QVBoxLayout;

// The form of the scope's time-base panel. Its slots only warn; TimeScale serves them.
class TimeScaleBase : public QWidget
{
    Q_OBJECT

public:
    explicit TimeScaleBase(QWidget* parent);

    QPushButton* plusPb;
    QPushButton* minusPb;
    QLabel* timescale_Label;
    QPushButton* copyPb;

public Q_SLOTS:
    virtual void plus_clicked_Slot();
    virtual void minus_clicked_Slot();
    virtual void copy_clicked_Slot();

protected:
    QVBoxLayout* TimeScaleBaseLayout;
    QSpacerItem* spacer;
    QHBoxLayout* layout5;
};
