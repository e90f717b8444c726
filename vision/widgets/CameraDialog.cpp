#include "CameraDialog.h"

#include "Camera.h"
#include "CameraCenter.h"
#include "XKDWidget.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CameraDialog::CameraDialog(QWidget* view, Camera* block)
    : NodeDialog(view, block), XKDDialogHelper(block->imageLink), camera(block)
{
}

CameraDialog::~CameraDialog()
{
    detachAndRelease();
}

QWidget* CameraDialog::createCustomWidget(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(3, 3, 3, 3);
    auto* row = new QHBoxLayout;
    row->setSpacing(3);
    layout->addLayout(row);
    zoomLabel = new QLabel(zoomText(100), page);
    zoomLabel->setFrameStyle(QFrame::Panel | QFrame::Plain);
    zoomLabel->setLineWidth(1);
    // The dialog is sized once, from this row: room for a three-digit zoom keeps the choices
    // beside it whole when the first picture's zoom is shown.
    zoomLabel->setMinimumWidth(zoomLabel->sizeHint().width());
    zoomLabel->setText(zoomText(0));
    row->addWidget(zoomLabel);
    colorBox = new QComboBox(page);
    //: Farbraum
    colorBox->setToolTip(tr("Colorspace"));
    colorBox->addItems({QStringLiteral("RGB"), QStringLiteral("YCbCr"), QStringLiteral("HSV"), QStringLiteral("HLS")});
    colorBox->setCurrentIndex(camera->colorFormat());
    row->addWidget(colorBox);
    sizeBox = new QComboBox(page);
    //: Größe
    sizeBox->setToolTip(tr("Size"));
    sizeBox->addItems({QStringLiteral("320x240"), QStringLiteral("640x480")});
    sizeBox->setCurrentIndex(camera->cameraParameters.imageSize);
    row->addWidget(sizeBox);
    auto* picture = new XKDWidget(page);
    layout->addWidget(picture);
    setWidget(picture);
    connect(colorBox, &QComboBox::activated, this, &CameraDialog::colorComboBoxActivated);
    connect(sizeBox, &QComboBox::activated, this, &CameraDialog::sizeComboBoxActivated);
    connect(picture, &XKDWidget::imageSizeChanged, this, &CameraDialog::xkdWidgetSizeChanged_Slot);
    connect(this, &NodeDialog::updateCustomWidget, this, &CameraDialog::updateCustomWidget_Slot);
    connect(&CameraCenter::current(), &CameraCenter::parameterChanged, this, &CameraDialog::parameterChanged_Slot);
    connect(this, &CameraDialog::parameterChanged, &CameraCenter::current(), &CameraCenter::parameterChanged_Slot);
    return page;
}

void CameraDialog::showZoomText(const QString& text)
{
    if (zoomLabel)
        zoomLabel->setText(text);
}

void CameraDialog::updateCustomWidget_Slot(int id)
{
    routeUpdate(id);
}

void CameraDialog::xkdWidgetSizeChanged_Slot(int percent)
{
    setZoom(percent);
}

void CameraDialog::parameterChanged_Slot(const CameraParameters& parameters)
{
    camera->cameraParameters = parameters;
    if (sizeBox)
        sizeBox->setCurrentIndex(parameters.imageSize);
}

// The dialog that made the change does not receive its own broadcast.
void CameraDialog::broadcast()
{
    CameraCenter& center = CameraCenter::current();
    disconnect(&center, &CameraCenter::parameterChanged, this, &CameraDialog::parameterChanged_Slot);
    emit parameterChanged(camera->cameraParameters);
    connect(&center, &CameraCenter::parameterChanged, this, &CameraDialog::parameterChanged_Slot);
}

void CameraDialog::sizeComboBoxActivated(int index)
{
    camera->cameraParameters.imageSize = index;
    setNodeModified();
    broadcast();
}

void CameraDialog::colorComboBoxActivated(int index)
{
    camera->setColorFormat(index);
    setNodeModified();
}
