#pragma once

#include "NodeDialog.h"
#include "XKDDialogHelper.h"

#include <QPixmap>

class LineDetector;
class QLabel;
class QPushButton;
class QSpinBox;

// The line detector's page: the band height, the polarity and the edge image with the found column.
class LineDetectorDialog : public NodeDialog, public XKDDialogHelper
{
    Q_OBJECT

public:
    LineDetectorDialog(QWidget* view, LineDetector* block);
    ~LineDetectorDialog() override;

    QWidget* createCustomWidget(QWidget* parent) override;
    void refresh(int id) override;
    void showZoomText(const QString& text) override;

    QSpinBox* searchHeightBox() const { return searchHeight; }
    QPushButton* edgeTypeButton() const { return edgeButton; }

public Q_SLOTS:
    void searchHeightChanged(int value);
    void edgeTypeClicked();
    void updateCustomWidget_Slot(int id);
    void xkdWidgetSizeChanged_Slot(int percent);

private:
    void showEdgeType();

    LineDetector* block;
    QLabel* zoomLabel = nullptr;
    QSpinBox* searchHeight = nullptr;
    QPushButton* edgeButton = nullptr;
    QPixmap edgePixmaps[2];
};
