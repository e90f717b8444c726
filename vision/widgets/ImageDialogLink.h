#pragma once

#include "ImageHandle.h"

#include <mutex>

class QObject;
class XKDDialogHelper;

// The block's side of the image hand-over: the image thread reaches the open dialog only
// through this link, under the same lock with which the dialog detaches when it goes, so a
// dialog closed or deleted meanwhile is never touched.
class ImageDialogLink
{
public:
    explicit ImageDialogLink(QObject* block) : block(block) { }
    ImageDialogLink(const ImageDialogLink&) = delete;
    ImageDialogLink& operator=(const ImageDialogLink&) = delete;

    // GUI thread: the dialog's helper attaches when built and detaches when it goes.
    void attach(XKDDialogHelper* helper);
    void detach(XKDDialogHelper* helper);
    bool isAttached() const;

    // Image thread. setImage takes the handle over (released when no dialog is attached);
    // setImageCopy leaves the caller's handle alone.
    void setImage(ImageHandle handle);
    void setImageCopy(const ImageHandle& handle);
    // Any thread: asks the open dialog to refresh its controls (id 1) or show its image (0).
    void requestUpdate(int id);

    QObject* receiver() const { return block; }

private:
    QObject* block;
    mutable std::mutex mutex;
    XKDDialogHelper* helper = nullptr;
};
