#include "SettingsWidget.h"

#include "Node.h"
#include "NodeDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

SettingsWidget::SettingsWidget(NodeDialog* dialog, Node* node) : QWidget(dialog), m_node(node)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(tr("Name:"), this));
    m_nameEdit = new QLineEdit(nodeName(), this);
    nameRow->addWidget(m_nameEdit);
    layout->addLayout(nameRow);
    m_activeBox = new QCheckBox(tr("Active"), this);
    m_activeBox->setChecked(node->isActive());
    layout->addWidget(m_activeBox);
    layout->addStretch(1);
    auto* buttonRow = new QHBoxLayout;
    m_applyButton = new QPushButton(tr("Apply"), this);
    m_cancelButton = new QPushButton(tr("Cancel"), this);
    buttonRow->addWidget(m_applyButton);
    buttonRow->addStretch(1);
    buttonRow->addWidget(m_cancelButton);
    layout->addLayout(buttonRow);
    resize(sizeHint());
    connect(m_applyButton, &QPushButton::clicked, this, &SettingsWidget::applyClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &SettingsWidget::cancelClicked);
    connect(m_activeBox, &QCheckBox::toggled, this, &SettingsWidget::on_activate_toggled);
}

QString SettingsWidget::nodeName() const
{
    return m_node->type()->name();
}

void SettingsWidget::applyClicked()
{
    if (m_nameEdit->text().isEmpty()) {
        m_nameEdit->setText(nodeName());
        return;
    }
    m_node->setName(m_nameEdit->text());
    emit nodeNameChanged();
}

void SettingsWidget::cancelClicked()
{
    m_nameEdit->setText(nodeName());
}

void SettingsWidget::on_activate_toggled(bool on)
{
    m_node->setActive(on);
}

void SettingsWidget::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    emit mouseEnter();
}
