#include "LineDetectorDialog.h"

#include "EmbeddedImages.h"
#include "LineDetector.h"
#include "XKDDrawingObject.h"
#include "XKDWidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

LineDetectorDialog::LineDetectorDialog(QWidget* view, LineDetector* block)
    : NodeDialog(view, block), XKDDialogHelper(block->imageLink), block(block)
{
    edgePixmaps[0] = EmbeddedImages::pixmap(QStringLiteral("scope_risingedge.png"));
    edgePixmaps[1] = EmbeddedImages::pixmap(QStringLiteral("scope_fallingedge.png"));
}

LineDetectorDialog::~LineDetectorDialog()
{
    detachAndRelease();
}

QWidget* LineDetectorDialog::createCustomWidget(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(3, 3, 3, 3);
    auto* row = new QHBoxLayout;
    row->setSpacing(3);
    layout->addLayout(row);
    searchHeight = new QSpinBox(page);
    searchHeight->setRange(1, LineDetector::maximumSearchHeight);
    searchHeight->setValue(block->searchHeight.load());
    row->addWidget(searchHeight);
    zoomLabel = new QLabel(zoomText(0), page);
    zoomLabel->setFrameStyle(QFrame::Panel | QFrame::Plain);
    zoomLabel->setLineWidth(1);
    row->addWidget(zoomLabel);
    edgeButton = new QPushButton(page);
    row->addWidget(edgeButton);
    showEdgeType();
    auto* picture = new XKDWidget(page);
    layout->addWidget(picture);
    setWidget(picture);
    int index = -1;
    if (XKDDrawingObject* cross = picture->drawingObject(XKDDrawingObject::Cross, index))
        cross->setName(QStringLiteral("line"));
    connect(picture, &XKDWidget::imageSizeChanged, this, &LineDetectorDialog::xkdWidgetSizeChanged_Slot);
    connect(this, &NodeDialog::updateCustomWidget, this, &LineDetectorDialog::updateCustomWidget_Slot);
    connect(edgeButton, &QPushButton::clicked, this, &LineDetectorDialog::edgeTypeClicked);
    connect(searchHeight, &QSpinBox::valueChanged, this, &LineDetectorDialog::searchHeightChanged);
    return page;
}

void LineDetectorDialog::showEdgeType()
{
    const int type = block->edgeType.load() != 0 ? 1 : 0;
    if (edgePixmaps[type].isNull()) {
        //: steigende / fallende Flanke
        edgeButton->setText(type == 0 ? tr("rising") : tr("falling"));
    } else {
        edgeButton->setIcon(QIcon(edgePixmaps[type]));
    }
}

void LineDetectorDialog::searchHeightChanged(int value)
{
    block->searchHeight.store(value);
    setNodeModified();
}

void LineDetectorDialog::edgeTypeClicked()
{
    block->edgeType.store((block->edgeType.load() + 1) % 2);
    showEdgeType();
    setNodeModified();
}

void LineDetectorDialog::refresh(int id)
{
    if (id == 1 && edgeButton)
        showEdgeType();
}

void LineDetectorDialog::showZoomText(const QString& text)
{
    if (zoomLabel)
        zoomLabel->setText(text);
}

void LineDetectorDialog::updateCustomWidget_Slot(int id)
{
    routeUpdate(id);
}

void LineDetectorDialog::xkdWidgetSizeChanged_Slot(int percent)
{
    setZoom(percent);
}
