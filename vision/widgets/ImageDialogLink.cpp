#include "ImageDialogLink.h"

#include "ImagePool.h"
#include "NodeDialogUpdateEvent.h"
#include "ThreadHandOver.h"
#include "XKDDialogHelper.h"

#include <QCoreApplication>

#include <mutex>

void ImageDialogLink::attach(XKDDialogHelper* newHelper)
{
    std::unique_lock<std::mutex> lock(mutex);
    helper = newHelper;
}

void ImageDialogLink::detach(XKDDialogHelper* oldHelper)
{
    std::unique_lock<std::mutex> lock(mutex);
    if (helper == oldHelper)
        helper = nullptr;
}

bool ImageDialogLink::isAttached() const
{
    std::unique_lock<std::mutex> lock(mutex);
    return helper != nullptr;
}

void ImageDialogLink::setImage(ImageHandle handle)
{
    std::unique_lock<std::mutex> lock(mutex);
    if (helper)
        helper->setImage(handle);
    else if (!handle.isNone() && ImagePool::global())
        ImagePool::global()->release(handle);
}

void ImageDialogLink::setImageCopy(const ImageHandle& handle)
{
    std::unique_lock<std::mutex> lock(mutex);
    if (helper && !handle.isNone())
        helper->setImageCopy(handle);
}

void ImageDialogLink::requestUpdate(int id)
{
    // Posted to the block, which outlives its dialogs and passes it to the one open at delivery.
    postHandOver(block, new NodeDialogUpdateEvent(id));
}
