#include "XKDWidget.h"

#include "XKDConSegments.h"
#include "XKDDoRubberBand.h"
#include "XKDDrawingObject.h"
#include "XKDImage.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <mutex>

XKDWidget::XKDWidget(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(150, 100);
}

XKDWidget::~XKDWidget()
{
    std::unique_lock<std::mutex> lock(objectsMutex);
    qDeleteAll(objects);
}

QRect XKDWidget::fitImage(const QSize& size, int iw, int ih, float& scale)
{
    const float ww = float(size.width());
    const float wh = float(size.height());
    const float ratio = float((double(ww) / double(wh)) / (double(float(unsigned(iw))) / double(float(unsigned(ih)))));
    int shownWidth = size.width();
    int shownHeight = size.height();
    if (ratio > 1.0f)
        shownWidth = int(ww / ratio);
    else
        shownHeight = int(wh * ratio);
    const float widthScale = float(shownWidth) / float(iw);
    const float heightScale = float(shownHeight) / float(ih);
    scale = heightScale < widthScale ? heightScale : widthScale;
    return QRect((size.width() - shownWidth) / 2, (size.height() - shownHeight) / 2, shownWidth, shownHeight);
}

void XKDWidget::fitLocked()
{
    if (image && image->width() > 0 && image->height() > 0 && width() > 0 && height() > 0)
        m_imageRect = fitImage(size(), image->width(), image->height(), m_scale);
}

int XKDWidget::percentLocked() const
{
    return image ? int(m_scale * 100.0f) : 0;
}

void XKDWidget::setImage(XKDImage* newImage)
{
    if (!newImage)
        return;
    int percent = 0;
    bool changed = false;
    {
        std::unique_lock<std::mutex> lock(imageMutex);
        changed = !(image && image != newImage && image->width() == newImage->width()
                    && image->height() == newImage->height());
        image = newImage;
        if (changed) {
            displayBuffer.assign(static_cast<std::size_t>(3 * image->width() * image->height()), 0xFF);
            fitLocked();
        }
        percent = percentLocked();
    }
    if (changed)
        emit imageSizeChanged(percent);
}

void XKDWidget::clearImage()
{
    {
        std::unique_lock<std::mutex> lock(imageMutex);
        image = nullptr;
    }
    update();
}

void XKDWidget::resizeEvent(QResizeEvent*)
{
    int percent = 0;
    {
        std::unique_lock<std::mutex> lock(imageMutex);
        fitLocked();
        percent = percentLocked();
    }
    emit imageSizeChanged(percent);
}

QRect XKDWidget::imageRect() const
{
    std::unique_lock<std::mutex> lock(imageMutex);
    return m_imageRect;
}

float XKDWidget::scale() const
{
    std::unique_lock<std::mutex> lock(imageMutex);
    return m_scale;
}

QPoint XKDWidget::toImage(const QPoint& point) const
{
    std::unique_lock<std::mutex> lock(imageMutex);
    if (m_scale <= 0.0f)
        return {};
    return QPoint(int(float(point.x() - m_imageRect.left()) / m_scale),
                  int(float(point.y() - m_imageRect.top()) / m_scale));
}

const std::uint8_t* XKDWidget::pixelsToShowLocked()
{
    if (renderMode == ImageMode)
        return image->data();
    const auto* result =
        dynamic_cast<const XKDConSegments*>(image->findContainer(XKDContainer::Segments, std::string()));
    if (!result)
        return nullptr;
    const bool onlySelected = renderMode == SelectedRegionMode;
    result->render(displayBuffer.data(), false, onlySelected ? result->selectedRegion : -1, onlySelected);
    return displayBuffer.data();
}

void XKDWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    std::unique_lock<std::mutex> lock(imageMutex);
    if (!image || !image->data()) {
        painter.fillRect(rect(), palette().window());
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.drawText(rect(), Qt::AlignCenter, tr("No image available"));
        return;
    }
    painter.fillRect(rect(), palette().window());
    const std::uint8_t* pixels = pixelsToShowLocked();
    if (pixels) {
        const QImage picture(pixels, image->width(), image->height(), 3 * image->width(), QImage::Format_BGR888);
        painter.drawImage(m_imageRect, picture);
    } else {
        painter.fillRect(m_imageRect, renderMode == AllRegionsMode ? Qt::white : Qt::blue);
    }
    painter.setWindow(0, 0, image->width(), image->height());
    painter.setViewport(m_imageRect);
    std::unique_lock<std::mutex> objectsLock(objectsMutex);
    for (const XKDDrawingObject* object : objects)
        if (object && object->isVisible())
            object->paint(painter, *image);
}

XKDDrawingObject* XKDWidget::drawingObject(int type, int& index)
{
    std::unique_lock<std::mutex> lock(objectsMutex);
    if (index >= 0)
        return index < objects.size() ? objects.at(index) : nullptr;
    XKDDrawingObject* object = XKDDrawingObject::create(type);
    if (!object)
        return nullptr;
    index = int(objects.indexOf(nullptr));
    if (index < 0) {
        index = int(objects.size());
        objects.append(object);
    } else {
        objects[index] = object;
    }
    return object;
}

XKDDrawingObject* XKDWidget::objectOfType(int type) const
{
    std::unique_lock<std::mutex> lock(objectsMutex);
    for (XKDDrawingObject* object : objects)
        if (object && object->type() == type)
            return object;
    return nullptr;
}

void XKDWidget::setObjectVisible(int index, bool visible)
{
    {
        std::unique_lock<std::mutex> lock(objectsMutex);
        if (index < 0 || index >= objects.size() || !objects.at(index))
            return;
        objects.at(index)->setVisible(visible);
    }
    update();
}

void XKDWidget::deleteObject(XKDDrawingObject* object)
{
    {
        std::unique_lock<std::mutex> lock(objectsMutex);
        const qsizetype at = objects.indexOf(object);
        if (at < 0 || !object)
            return;
        objects[at] = nullptr;
        delete object;
    }
    update();
}

// A left press inside the image starts spanning the rubber band from there.
void XKDWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !imageRect().contains(event->position().toPoint()))
        return;
    {
        std::unique_lock<std::mutex> lock(imageMutex);
        if (!image)
            return;
    }
    auto* band = static_cast<XKDDoRubberBand*>(objectOfType(XKDDrawingObject::RubberBand));
    if (!band || band->shape() == XKDDoRubberBand::NoShape || !band->isVisible())
        return;
    pressPoint = toImage(event->position().toPoint());
    spanning = true;
    std::unique_lock<std::mutex> lock(objectsMutex);
    band->span(pressPoint, pressPoint);
}

void XKDWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!spanning)
        return;
    const QRect shown = imageRect();
    const QPoint at(std::clamp(event->position().toPoint().x(), shown.left(), shown.right()),
                    std::clamp(event->position().toPoint().y(), shown.top(), shown.bottom()));
    if (auto* band = static_cast<XKDDoRubberBand*>(objectOfType(XKDDrawingObject::RubberBand))) {
        std::unique_lock<std::mutex> lock(objectsMutex);
        band->span(pressPoint, toImage(at));
    }
    update();
}

void XKDWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && spanning) {
        mouseMoveEvent(event);
        spanning = false;
    }
}
