#pragma once

#include "NodeDialog.h"
#include "XKDDialogHelper.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class SegExtractor;

// The segment extractor's page: the colour class searched, the smallest area, and the image or
// only the found region, with its centre marked.
class SegExtractorDialog : public NodeDialog, public XKDDialogHelper
{
    Q_OBJECT

public:
    static constexpr int offeredSegments = 9;

    SegExtractorDialog(QWidget* view, SegExtractor* block);
    ~SegExtractorDialog() override;

    QWidget* createCustomWidget(QWidget* parent) override;
    void refresh(int id) override;
    void showZoomText(const QString& text) override;

    QComboBox* segmentComboBox() const { return segmentBox; }
    QSpinBox* minAreaSpinBox() const { return minArea; }
    QPushButton* fullImageButton() const { return fullImage; }

public Q_SLOTS:
    void updateCustomWidget_Slot(int id);
    void xkdWidgetSizeChanged_Slot(int percent);
    void showFullImageToggle(bool on);
    void segmentSelected(int index);
    void minSegmentAreaChanged(int value);

private:
    void fillSegmentBox();

    SegExtractor* block;
    QPushButton* fullImage = nullptr;
    QSpinBox* minArea = nullptr;
    QLabel* zoomLabel = nullptr;
    QComboBox* segmentBox = nullptr;
};
