#pragma once

#include <QComboBox>

// A list that tells, with each activation, which of several lists it is.
class ComboBox : public QComboBox
{
    Q_OBJECT

public:
    ComboBox(QWidget* parent, int index);
    int index() const { return m_index; }

Q_SIGNALS:
    void activated(int item, int index);

private Q_SLOTS:
    void activated_Slot(int item);

private:
    int m_index;
};
