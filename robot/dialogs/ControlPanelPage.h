#pragma once

#include <QWidget>

class ControlPanel;
class QPushButton;
class QSlider;

// The control panel dialog's custom page: eight direction buttons, two turning buttons,
// stop, and the speed of one step.
class ControlPanelPage : public QWidget
{
    Q_OBJECT

public:
    explicit ControlPanelPage(ControlPanel& block, QWidget* parent = nullptr);

    QPushButton* button(const QString& name) const;
    QSlider* speedSlider() const { return speed; }

public Q_SLOTS:
    void on_n_clicked() { step(1, 0, 0); }
    void on_s_clicked() { step(-1, 0, 0); }
    void on_w_clicked() { step(0, 1, 0); }
    void on_o_clicked() { step(0, -1, 0); }
    void on_nw_clicked() { step(1, 1, 0); }
    void on_no_clicked() { step(1, -1, 0); }
    void on_sw_clicked() { step(-1, 1, 0); }
    void on_so_clicked() { step(-1, -1, 0); }
    void on_ccl_clicked() { step(0, 0, 1); }
    void on_cl_clicked() { step(0, 0, -1); }
    void on_stop_clicked();
    void on_speed_valueChanged(int value);

private:
    void step(int x, int y, int turn);
    QPushButton* addButton(const QString& name, const QString& fallback, int row, int column,
                           void (ControlPanelPage::*slot)());

    ControlPanel& block;
    QSlider* speed;
};
