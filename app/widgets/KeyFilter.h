#pragma once

#include <QObject>
#include <QTime>

class DemoWidget;
class QTimer;

// Watches every input event of the application: keeps which modifiers and mouse buttons
// are held (the editor asks for Shift and Ctrl), turns Ctrl+1 .. Ctrl+9 into a program
// switch, and drives the demo overlay.
class KeyFilter : public QObject
{
    Q_OBJECT

public:
    explicit KeyFilter(QObject* parent = nullptr);
    ~KeyFilter() override;

    bool shiftPressed() const { return m_shift; }
    bool ctrlPressed() const { return m_ctrl; }
    bool escapePressed() const { return m_escape; }
    bool deletePressed() const { return m_delete; }
    bool leftButtonDown() const { return m_leftDown; }
    bool rightButtonDown() const { return m_rightDown; }
    bool leftDoubleClick() const { return m_leftDouble; }
    bool rightDoubleClick() const { return m_rightDouble; }
    bool anyFlagSet() const;
    DemoWidget* overlay() const { return m_overlay; }

    bool eventFilter(QObject* watched, QEvent* event) override;

Q_SIGNALS:
    void changeProgram(int n);

public Q_SLOTS:
    void timerTimeout();

private:
    void mouseButtons(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void doubleClick(Qt::MouseButton button);
    bool key(QEvent* event);
    void refresh();

    bool m_escape = false;
    bool m_delete = false;
    bool m_ctrl = false;
    bool m_shift = false;
    bool m_rightDouble = false;
    bool m_leftDouble = false;
    QTime m_doubleClickTime;
    bool m_leftDown = false;
    bool m_rightDown = false;
    DemoWidget* m_overlay;
    QTimer* m_timer;
};
