#include "RobotPageDialog.h"

RobotPageDialog::RobotPageDialog(QWidget* view, StateNode* block, PageFactory makePage)
    : NodeDialog(view, block), m_makePage(std::move(makePage))
{
}

QWidget* RobotPageDialog::createCustomWidget(QWidget* parent)
{
    m_page = m_makePage(parent);
    return m_page;
}
