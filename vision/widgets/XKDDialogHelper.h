#pragma once

#include "ImageHandle.h"

#include <QString>
#include <mutex>

class ImageDialogLink;
class XKDWidget;

// The image dialogs' second base: keeps the newest image handed over by the image thread and
// the one on screen, and shows the pending one when the dialog's update event arrives.
class XKDDialogHelper
{
public:
    explicit XKDDialogHelper(ImageDialogLink& link);
    virtual ~XKDDialogHelper();
    XKDDialogHelper(const XKDDialogHelper&) = delete;
    XKDDialogHelper& operator=(const XKDDialogHelper&) = delete;

    // Image thread, through the block's link.
    void setImage(const ImageHandle& handle);
    void setImageCopy(const ImageHandle& handle);

    // GUI thread.
    virtual void requestUpdate(int id);
    virtual void refresh(int id);
    virtual void showZoomText(const QString& text);
    virtual void updateEvent(int id);
    void setZoom(int percent);
    static QString zoomText(int percent);

    XKDWidget* widget() const { return m_widget; }
    // The dialog's page is built: from now on the block hands it images.
    void setWidget(XKDWidget* widget);
    ImageHandle displayedImage() const;
    ImageHandle pendingImage() const;

protected:
    // Call first in the dialog's destructor: after it the image thread no longer reaches this
    // helper, and both handles went back to the pool.
    void detachAndRelease();
    // The body shared by the four dialogs' update slots.
    void routeUpdate(int id);

private:
    void takePending(ImageHandle handle);

    ImageDialogLink& link;
    XKDWidget* m_widget = nullptr;
    mutable std::mutex mutex;
    ImageHandle displayed;
    ImageHandle pending;
};
