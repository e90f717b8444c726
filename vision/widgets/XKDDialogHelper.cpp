#include "XKDDialogHelper.h"

#include "ImageDialogLink.h"
#include "ImagePool.h"
#include "XKDWidget.h"
#include "XKDWorkImage.h"

#include <mutex>

XKDDialogHelper::XKDDialogHelper(ImageDialogLink& link) : link(link)
{
}

// Attached only once the dialog is whole: the image thread calls its overrides.
void XKDDialogHelper::setWidget(XKDWidget* widget)
{
    m_widget = widget;
    link.attach(this);
}

XKDDialogHelper::~XKDDialogHelper()
{
    detachAndRelease();
}

void XKDDialogHelper::detachAndRelease()
{
    link.detach(this);
    std::unique_lock<std::mutex> lock(mutex);
    if (m_widget)
        m_widget->clearImage();
    ImagePool* pool = ImagePool::global();
    for (ImageHandle* handle : {&pending, &displayed}) {
        if (!handle->isNone() && pool)
            pool->release(*handle);
        *handle = ImageHandle {};
    }
}

void XKDDialogHelper::takePending(ImageHandle handle)
{
    ImagePool* pool = ImagePool::global();
    {
        std::unique_lock<std::mutex> lock(mutex);
        if (!pending.isNone())
            pool->release(pending);
        pending = handle;
        // The widget draws blue, green, red bytes, as the segmentation rendering does.
        if (auto* image = dynamic_cast<XKDWorkImage*>(pool->image(pending)))
            image->swapRedBlue();
    }
    requestUpdate(0);
}

void XKDDialogHelper::setImage(const ImageHandle& handle)
{
    if (!handle.isNone())
        takePending(handle);
}

void XKDDialogHelper::setImageCopy(const ImageHandle& handle)
{
    if (!handle.isNone())
        takePending(ImagePool::global()->copy(handle));
}

void XKDDialogHelper::requestUpdate(int id)
{
    link.requestUpdate(id);
}

void XKDDialogHelper::refresh(int)
{
}

void XKDDialogHelper::showZoomText(const QString&)
{
}

void XKDDialogHelper::updateEvent(int id)
{
    if (id != 0)
        return;
    std::unique_lock<std::mutex> lock(mutex);
    if (pending.isNone() || !m_widget)
        return;
    ImagePool* pool = ImagePool::global();
    m_widget->setImage(pool->image(pending));
    m_widget->update();
    if (!displayed.isNone())
        pool->release(displayed);
    displayed = pending;
    pending = ImageHandle {};
}

QString XKDDialogHelper::zoomText(int percent)
{
    return percent == 0 ? QStringLiteral("---") : QStringLiteral("%1 %").arg(percent);
}

void XKDDialogHelper::setZoom(int percent)
{
    showZoomText(zoomText(percent));
}

void XKDDialogHelper::routeUpdate(int id)
{
    if (id == 0)
        updateEvent(0);
    else
        refresh(id);
}

ImageHandle XKDDialogHelper::displayedImage() const
{
    std::unique_lock<std::mutex> lock(mutex);
    return displayed;
}

ImageHandle XKDDialogHelper::pendingImage() const
{
    std::unique_lock<std::mutex> lock(mutex);
    return pending;
}
