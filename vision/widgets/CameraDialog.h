#pragma once

#include "CameraParameters.h"
#include "NodeDialog.h"
#include "XKDDialogHelper.h"

class Camera;
class QComboBox;
class QLabel;

// The camera block's page: colour format, image size and the live picture. A size change
// goes to the camera hub and from there to every other open camera dialog.
class CameraDialog : public NodeDialog, public XKDDialogHelper
{
    Q_OBJECT

public:
    CameraDialog(QWidget* view, Camera* block);
    ~CameraDialog() override;

    QWidget* createCustomWidget(QWidget* parent) override;
    void showZoomText(const QString& text) override;

    QComboBox* colorComboBox() const { return colorBox; }
    QComboBox* sizeComboBox() const { return sizeBox; }
    QLabel* zoomTextLabel() const { return zoomLabel; }

Q_SIGNALS:
    void parameterChanged(const CameraParameters& parameters);

public Q_SLOTS:
    void parameterChanged_Slot(const CameraParameters& parameters);
    void updateCustomWidget_Slot(int id);
    void xkdWidgetSizeChanged_Slot(int percent);
    void sizeComboBoxActivated(int index);
    void colorComboBoxActivated(int index);

private:
    void broadcast();

    Camera* camera;
    QLabel* zoomLabel = nullptr;
    QComboBox* colorBox = nullptr;
    QComboBox* sizeBox = nullptr;
};
