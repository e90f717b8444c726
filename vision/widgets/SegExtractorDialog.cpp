#include "SegExtractorDialog.h"

#include "EmbeddedImages.h"
#include "SegExtractor.h"
#include "XKDDrawingObject.h"
#include "XKDWidget.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QIcon swatch(const QColor& colour, bool crossed)
{
    QPixmap picture(20, 20);
    picture.fill(colour);
    if (crossed) {
        QPainter painter(&picture);
        painter.setPen(QPen(Qt::black, 3));
        painter.drawLine(3, 3, 17, 17);
        painter.drawLine(3, 17, 17, 3);
    }
    return QIcon(picture);
}

} // namespace

SegExtractorDialog::SegExtractorDialog(QWidget* view, SegExtractor* block)
    : NodeDialog(view, block), XKDDialogHelper(block->imageLink), block(block)
{
}

SegExtractorDialog::~SegExtractorDialog()
{
    detachAndRelease();
}

QWidget* SegExtractorDialog::createCustomWidget(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(3, 3, 3, 3);
    auto* row = new QHBoxLayout;
    row->setSpacing(3);
    layout->addLayout(row);
    fullImage = new QPushButton(page);
    fullImage->setCheckable(true);
    const QPixmap camera = EmbeddedImages::pixmap(QStringLiteral("camera.png"));
    // A style icon while the picture set lacks the camera.
    fullImage->setIcon(camera.isNull() ? style()->standardIcon(QStyle::SP_DesktopIcon) : QIcon(camera));
    fullImage->setFixedSize(28, 28);
    fullImage->setChecked(block->fullImageShown.load());
    fullImage->setToolTip(tr("Show full image"));
    row->addWidget(fullImage);
    minArea = new QSpinBox(page);
    minArea->setRange(0, 5000);
    minArea->setSingleStep(50);
    minArea->setValue(block->minSegmentArea.load());
    row->addWidget(minArea);
    zoomLabel = new QLabel(zoomText(0), page);
    zoomLabel->setFrameStyle(QFrame::Panel | QFrame::Plain);
    zoomLabel->setLineWidth(1);
    row->addWidget(zoomLabel);
    segmentBox = new QComboBox(page);
    row->addWidget(segmentBox);
    fillSegmentBox();
    auto* picture = new XKDWidget(page);
    picture->setRenderMode(block->fullImageShown.load() ? XKDWidget::ImageMode : XKDWidget::SelectedRegionMode);
    layout->addWidget(picture);
    setWidget(picture);
    int index = -1;
    if (XKDDrawingObject* cross = picture->drawingObject(XKDDrawingObject::Cross, index))
        cross->setName(QStringLiteral("centerofmass"));
    connect(picture, &XKDWidget::imageSizeChanged, this, &SegExtractorDialog::xkdWidgetSizeChanged_Slot);
    connect(this, &NodeDialog::updateCustomWidget, this, &SegExtractorDialog::updateCustomWidget_Slot);
    connect(fullImage, &QPushButton::toggled, this, &SegExtractorDialog::showFullImageToggle);
    connect(segmentBox, &QComboBox::activated, this, &SegExtractorDialog::segmentSelected);
    connect(minArea, &QSpinBox::valueChanged, this, &SegExtractorDialog::minSegmentAreaChanged);
    return page;
}

void SegExtractorDialog::fillSegmentBox()
{
    segmentBox->clear();
    //: keines
    segmentBox->addItem(tr("none"));
    const SegmentList segments = block->segments();
    auto segment = segments.begin();
    for (int i = 1; i <= offeredSegments; ++i) {
        if (segment != segments.end()) {
            const auto colour = segment->meanColor();
            segmentBox->addItem(swatch(QColor(colour[0], colour[1], colour[2]), false),
                                QString::fromLatin1(segment->name().c_str()));
            ++segment;
        } else {
            segmentBox->addItem(swatch(Qt::white, true), QString::number(i));
        }
    }
    if (segmentBox->currentIndex() != block->selectedSegment() + 1)
        segmentBox->setCurrentIndex(block->selectedSegment() + 1);
}

void SegExtractorDialog::showFullImageToggle(bool on)
{
    block->fullImageShown.store(on);
    if (XKDWidget* picture = widget()) {
        picture->setRenderMode(on ? XKDWidget::ImageMode : XKDWidget::SelectedRegionMode);
        picture->update();
    }
    setNodeModified();
}

void SegExtractorDialog::segmentSelected(int index)
{
    if (index < 0 || index - 1 == block->selectedSegment())
        return;
    block->setSelectedSegment(index - 1);
    setNodeModified();
    requestUpdate(1);
}

void SegExtractorDialog::minSegmentAreaChanged(int value)
{
    block->minSegmentArea.store(value);
    setNodeModified();
}

void SegExtractorDialog::refresh(int id)
{
    if (id == 1 && segmentBox)
        fillSegmentBox();
}

void SegExtractorDialog::showZoomText(const QString& text)
{
    if (zoomLabel)
        zoomLabel->setText(text);
}

void SegExtractorDialog::updateCustomWidget_Slot(int id)
{
    routeUpdate(id);
}

void SegExtractorDialog::xkdWidgetSizeChanged_Slot(int percent)
{
    setZoom(percent);
}
