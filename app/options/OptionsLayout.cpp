#include "OptionsLayout.h"

#include "Settings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

QSpinBox* sizeBox(QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setRange(minimumCanvasSize, maximumCanvasSize);
    box->setSingleStep(200);
    return box;
}

QVBoxLayout* formLayout(QWidget* page)
{
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(11, 11, 11, 11);
    layout->setSpacing(6);
    return layout;
}

QHBoxLayout* labelledRow(QWidget* page, QVBoxLayout* layout, const QString& text, QWidget* control)
{
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(text, page));
    row->addStretch(10);
    row->addWidget(control);
    layout->addLayout(row);
    return row;
}
