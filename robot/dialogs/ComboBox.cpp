#include "ComboBox.h"

ComboBox::ComboBox(QWidget* parent, int index) : QComboBox(parent), m_index(index)
{
    connect(this, QOverload<int>::of(&QComboBox::activated), this, &ComboBox::activated_Slot);
}

void ComboBox::activated_Slot(int item)
{
    Q_EMIT activated(item, m_index);
}
