#include "OptionsContent.h"

#include "OptionsContentCaption.h"
#include "OptionsDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

OptionsContent::OptionsContent(QWidget* parent)
    : QWidget(parent)
    , m_caption(new OptionsContentCaption(this))
    , m_layout(new QHBoxLayout)
    , m_label(new QLabel(tr("Select an option from the left."), this))
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_caption);
    column->addLayout(m_layout, 1);
    showPlaceholder();
}

void OptionsContent::showPlaceholder()
{
    m_caption->setCaption(QString());
    if (m_page) {
        m_page->widget()->hide();
        m_layout->removeWidget(m_page->widget());
        m_page = nullptr;
    }
    while (m_layout->count() > 0)
        delete m_layout->takeAt(0);
    m_layout->addStretch(1);
    m_layout->addWidget(m_label);
    m_layout->addStretch(1);
    m_label->show();
}

void OptionsContent::showPage(OptionsDialog* page)
{
    showPlaceholder();
    if (!page || !page->widget())
        return;
    while (m_layout->count() > 0)
        delete m_layout->takeAt(0);
    m_label->hide();
    m_caption->setCaption(page->caption());
    m_layout->addWidget(page->widget());
    m_page = page;
    page->widget()->show();
}
