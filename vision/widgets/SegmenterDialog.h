#pragma once

#include "NodeDialog.h"
#include "SegmentDescription.h"
#include "XKDDialogHelper.h"

#include <QStyle>

class QHBoxLayout;
class QLabel;
class QListWidget;
class QPushButton;
class Segmenter;
class SegmentViewDialog;

// The segmenter's page: freeze the image, span a rectangle or circle on it and teach the pixels
// inside as a new colour class; delete, reorder and edit the classes; view the segmentation.
class SegmenterDialog : public NodeDialog, public XKDDialogHelper
{
    Q_OBJECT

public:
    SegmenterDialog(QWidget* view, Segmenter* block);
    ~SegmenterDialog() override;

    QWidget* createCustomWidget(QWidget* parent) override;
    void showZoomText(const QString& text) override;
    void updateEvent(int id) override;

    QPushButton* freezeButton() const { return freeze; }
    QPushButton* rectangleButton() const { return rectangle; }
    QPushButton* circleButton() const { return circle; }
    QPushButton* deleteButton() const { return remove; }
    QPushButton* upButton() const { return up; }
    QPushButton* downButton() const { return down; }
    QPushButton* editButton() const { return edit; }
    // The selection buttons and the segment list, part of the page while open.
    QWidget* segmentPanel() const { return panel; }
    QListWidget* segmentList() const { return list; }
    // The segment view opened on a double click; null while none is open.
    SegmentViewDialog* segmentView() const { return openView; }

public Q_SLOTS:
    void stillImageToggle(bool on);
    void segmentedViewToggle(bool on);
    void editSegments();
    void segSelectRectToggle(bool on);
    void segSelectCircleToggle(bool on);
    void addSegment();
    void deleteSegment();
    void upSegment();
    void downSegment();
    void segmentHighlighted(int row);
    void segmentDblClicked();
    void segmentEdited();
    // Adds the pixels inside the selection to the current segment's value sets.
    void mergeSegment();
    void updateCustomWidget_Slot(int id);
    void xkdWidgetSizeChanged_Slot(int percent);

private:
    QPushButton* addToolButton(QLayout* layout, const QString& text, const QString& icon, const QString& tip,
                               bool toggle, QStyle::StandardPixmap fallback = QStyle::SP_CustomBase);
    QWidget* createSegmentPanel(QWidget* parent);
    void openSegmentPanel(bool open);
    bool setSelectionShape(int shape);
    bool teachFromSelection(SegmentDescription& segment) const;
    void updateSegmentList(int currentRow = -1);
    void refreshView();

    Segmenter* block;
    bool segmentedView = false;
    bool resegmentNeeded = true;
    int selectionIndex = -1;
    SegmentViewDialog* openView = nullptr;
    int editedRow = -1;
    QHBoxLayout* mainRow = nullptr;
    QWidget* panel = nullptr;
    QPushButton* edit = nullptr;
    QLabel* zoomLabel = nullptr;
    QPushButton* freeze = nullptr;
    QPushButton* segmented = nullptr;
    QPushButton* rectangle = nullptr;
    QPushButton* circle = nullptr;
    QPushButton* add = nullptr;
    QPushButton* remove = nullptr;
    QPushButton* up = nullptr;
    QPushButton* down = nullptr;
    QListWidget* list = nullptr;
};
