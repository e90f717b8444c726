#include "SegmenterDialog.h"

#include "EmbeddedImages.h"
#include "ImagePool.h"
#include "SegmentViewDialog.h"
#include "Segmenter.h"
#include "XKDDoRubberBand.h"
#include "XKDWidget.h"
#include "XKDWorkImage.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The block picture, or a style icon while the picture set lacks it.
QIcon pictureOr(const QString& name, QStyle::StandardPixmap fallback)
{
    const QPixmap picture = EmbeddedImages::pixmap(name);
    return picture.isNull() ? QApplication::style()->standardIcon(fallback) : QIcon(picture);
}

} // namespace

SegmenterDialog::SegmenterDialog(QWidget* view, Segmenter* block)
    : NodeDialog(view, block), XKDDialogHelper(block->imageLink), block(block)
{
}

SegmenterDialog::~SegmenterDialog()
{
    detachAndRelease();
}

QPushButton* SegmenterDialog::addToolButton(QLayout* layout, const QString& text, const QString& icon,
                                            const QString& tip, bool toggle, QStyle::StandardPixmap fallback)
{
    auto* button = new QPushButton(text, layout->parentWidget());
    if (!icon.isEmpty())
        button->setIcon(pictureOr(icon, fallback));
    button->setFixedSize(28, 28);
    button->setCheckable(toggle);
    button->setToolTip(tip);
    layout->addWidget(button);
    return button;
}

QWidget* SegmenterDialog::createCustomWidget(QWidget* parent)
{
    auto* page = new QWidget(parent);
    page->setMinimumSize(180, 195);
    mainRow = new QHBoxLayout(page);
    mainRow->setContentsMargins(3, 3, 3, 3);
    mainRow->setSpacing(3);
    auto* left = new QVBoxLayout;
    mainRow->addLayout(left, 1);
    auto* row = new QHBoxLayout;
    row->setSpacing(3);
    left->addLayout(row);
    freeze =
        addToolButton(row, QString(), QStringLiteral("camera.png"), tr("Freeze image"), true, QStyle::SP_MediaPause);
    segmented = addToolButton(row, QString(), QStringLiteral("segmenter.png"), tr("Segmented image"), true,
                              QStyle::SP_FileDialogDetailedView);
    zoomLabel = new QLabel(zoomText(0), page);
    zoomLabel->setFrameStyle(QFrame::Panel | QFrame::Plain);
    zoomLabel->setLineWidth(1);
    row->addWidget(zoomLabel);
    row->addStretch();
    edit = addToolButton(row, QString(), QStringLiteral("extension_big_right.png"), tr("Edit segmentation..."), false,
                         QStyle::SP_ArrowRight);
    auto* picture = new XKDWidget(page);
    left->addWidget(picture);
    setWidget(picture);
    panel = createSegmentPanel(page);
    const bool frozen = block->freeze.load();
    freeze->setChecked(frozen);
    rectangle->setEnabled(frozen);
    circle->setEnabled(frozen);
    connect(freeze, &QPushButton::toggled, this, &SegmenterDialog::stillImageToggle);
    connect(segmented, &QPushButton::toggled, this, &SegmenterDialog::segmentedViewToggle);
    connect(edit, &QPushButton::clicked, this, &SegmenterDialog::editSegments);
    connect(picture, &XKDWidget::imageSizeChanged, this, &SegmenterDialog::xkdWidgetSizeChanged_Slot);
    connect(this, &NodeDialog::updateCustomWidget, this, &SegmenterDialog::updateCustomWidget_Slot);
    // The page is sized from its layout after this, so an open panel needs no resize here.
    openSegmentPanel(block->editSegmentsShown.load());
    updateSegmentList();
    return page;
}

QWidget* SegmenterDialog::createSegmentPanel(QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* columns = new QHBoxLayout(box);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(3);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(3);
    columns->addLayout(buttons);
    rectangle = addToolButton(buttons, QString(), QStringLiteral("selection_rect.png"), tr("Rectangle selection"), true,
                              QStyle::SP_TitleBarMaxButton);
    circle = addToolButton(buttons, QString(), QStringLiteral("selection_circle.png"), tr("Circle selection"), true,
                           QStyle::SP_DialogResetButton);
    add = addToolButton(buttons, QStringLiteral("->"), QString(), tr("Add segment"), false);
    remove = addToolButton(buttons, QStringLiteral("<-"), QString(), tr("Delete segment"), false);
    up = addToolButton(buttons, QStringLiteral("U"), QString(), tr("Move segment up"), false);
    down = addToolButton(buttons, QStringLiteral("D"), QString(), tr("Move segment down"), false);
    buttons->addStretch();
    list = new QListWidget(box);
    list->setFixedWidth(90);
    list->setMinimumHeight(50);
    list->setMaximumHeight(500);
    list->setIconSize(QSize(20, 20));
    list->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* merge = new QAction(tr("Add selection to segment"), list);
    list->addAction(merge);
    columns->addWidget(list);
    remove->setEnabled(false);
    up->setEnabled(false);
    down->setEnabled(false);
    connect(rectangle, &QPushButton::toggled, this, &SegmenterDialog::segSelectRectToggle);
    connect(circle, &QPushButton::toggled, this, &SegmenterDialog::segSelectCircleToggle);
    connect(add, &QPushButton::clicked, this, &SegmenterDialog::addSegment);
    connect(remove, &QPushButton::clicked, this, &SegmenterDialog::deleteSegment);
    connect(up, &QPushButton::clicked, this, &SegmenterDialog::upSegment);
    connect(down, &QPushButton::clicked, this, &SegmenterDialog::downSegment);
    connect(merge, &QAction::triggered, this, &SegmenterDialog::mergeSegment);
    connect(list, &QListWidget::currentRowChanged, this, &SegmenterDialog::segmentHighlighted);
    connect(list, &QListWidget::itemDoubleClicked, this, &SegmenterDialog::segmentDblClicked);
    return box;
}

// The panel is part of the page's layout only while open; the block keeps the state for
// the next dialog and the program file.
void SegmenterDialog::openSegmentPanel(bool open)
{
    block->editSegmentsShown.store(open);
    edit->setIcon(pictureOr(open ? QStringLiteral("extension_big_left.png") : QStringLiteral("extension_big_right.png"),
                            open ? QStyle::SP_ArrowLeft : QStyle::SP_ArrowRight));
    if (open) {
        mainRow->addWidget(panel);
        panel->show();
    } else {
        mainRow->removeWidget(panel);
        panel->hide();
    }
}

void SegmenterDialog::editSegments()
{
    const bool open = !block->editSegmentsShown.load();
    // An open panel has its laid-out width; a closed one only its hint.
    const int panelWidth = open ? panel->sizeHint().width() : panel->width();
    openSegmentPanel(open);
    setNodeModified();
    QWidget* page = pageWidget(CustomPage);
    if (!page)
        return;
    // The image keeps its size: the page grows or shrinks by the panel and the spacing.
    const int width = page->width() + (open ? panelWidth + 3 : -(panelWidth + 3));
    mainRow->activate();
    page->layout()->activate();
    page->setMinimumSize(page->layout()->minimumSize());
    page->resize(std::max(width, page->minimumWidth()), page->height());
    showPage(CustomPage); // the dialog takes the page's new size and minimum
}

void SegmenterDialog::showZoomText(const QString& text)
{
    if (zoomLabel)
        zoomLabel->setText(text);
}

void SegmenterDialog::updateEvent(int id)
{
    if (block->freeze.load())
        return;
    XKDDialogHelper::updateEvent(id);
    resegmentNeeded = false; // a new image arrives segmented by the block
}

void SegmenterDialog::updateCustomWidget_Slot(int id)
{
    routeUpdate(id);
}

void SegmenterDialog::xkdWidgetSizeChanged_Slot(int percent)
{
    setZoom(percent);
}

void SegmenterDialog::stillImageToggle(bool on)
{
    rectangle->setEnabled(on);
    circle->setEnabled(on);
    if (selectionIndex != -1 && widget())
        widget()->setObjectVisible(selectionIndex, on);
    block->freeze.store(on);
}

void SegmenterDialog::segmentedViewToggle(bool on)
{
    segmentedView = on;
    widget()->setRenderMode(on ? XKDWidget::AllRegionsMode : XKDWidget::ImageMode);
    refreshView();
}

bool SegmenterDialog::setSelectionShape(int shape)
{
    XKDWidget* picture = widget();
    auto* band = static_cast<XKDDoRubberBand*>(picture->drawingObject(XKDDrawingObject::RubberBand, selectionIndex));
    if (band && band->setShape(shape))
        return true;
    picture->deleteObject(band);
    selectionIndex = -1;
    band = static_cast<XKDDoRubberBand*>(picture->drawingObject(XKDDrawingObject::RubberBand, selectionIndex));
    return band && band->setShape(shape);
}

void SegmenterDialog::segSelectRectToggle(bool on)
{
    if (on)
        circle->setChecked(false);
    setSelectionShape(on ? XKDDoRubberBand::Rectangle : XKDDoRubberBand::NoShape);
}

void SegmenterDialog::segSelectCircleToggle(bool on)
{
    if (on)
        rectangle->setChecked(false);
    setSelectionShape(on ? XKDDoRubberBand::Circle : XKDDoRubberBand::NoShape);
}

bool SegmenterDialog::teachFromSelection(SegmentDescription& segment) const
{
    const ImageHandle shown = displayedImage();
    if (shown.isNone() || !block->freeze.load())
        return false;
    auto* band = static_cast<XKDDoRubberBand*>(widget()->objectOfType(XKDDrawingObject::RubberBand));
    const XKDImage* image = ImagePool::global()->image(shown);
    return band && image && band->teach(*image, segment);
}

void SegmenterDialog::addSegment()
{
    SegmentDescription segment;
    if (!teachFromSelection(segment))
        return;
    segment.setName(QString::number(block->nextSegmentNumber.fetch_add(1)).toStdString());
    block->changeSegments([&segment](SegmentList& segments) { segments.push_back(segment); });
    setNodeModified();
    updateSegmentList();
}

void SegmenterDialog::mergeSegment()
{
    const int row = list->currentRow();
    SegmentDescription taught;
    if (row < 0 || !teachFromSelection(taught))
        return;
    block->changeSegments([row, &taught](SegmentList& segments) {
        const auto at = segmentAt(segments, row);
        if (at != segments.end())
            at->mergeValues(taught);
    });
    setNodeModified();
    updateSegmentList(row);
}

void SegmenterDialog::deleteSegment()
{
    const int row = list->currentRow();
    if (row < 0)
        return;
    block->changeSegments([row](SegmentList& segments) {
        const auto at = segmentAt(segments, row);
        if (at != segments.end())
            segments.erase(at);
    });
    setNodeModified();
    updateSegmentList();
}

void SegmenterDialog::upSegment()
{
    const int row = list->currentRow();
    if (row < 1)
        return;
    block->changeSegments([row](SegmentList& segments) { swapSegments(segments, row, row - 1); });
    setNodeModified();
    updateSegmentList(row - 1);
}

void SegmenterDialog::downSegment()
{
    const int row = list->currentRow();
    if (row < 0 || row >= list->count() - 1)
        return;
    block->changeSegments([row](SegmentList& segments) { swapSegments(segments, row, row + 1); });
    setNodeModified();
    updateSegmentList(row + 1);
}

void SegmenterDialog::segmentHighlighted(int row)
{
    remove->setEnabled(row != -1);
    up->setEnabled(row > 0);
    down->setEnabled(row != -1 && row != list->count() - 1);
}

void SegmenterDialog::segmentDblClicked()
{
    const int row = list->currentRow();
    const SegmentList segments = block->segments();
    if (row < 0 || row >= int(segments.size()) || openView)
        return;
    SegmentViewDialog view(nullptr, *std::next(segments.begin(), row));
    openView = &view;
    editedRow = row; // edits go to this segment whatever row is current later
    connect(&view, &SegmentViewDialog::segmentChanged, this, &SegmenterDialog::segmentEdited);
    view.setModal(false);
    view.exec();
    openView = nullptr;
    editedRow = -1;
}

void SegmenterDialog::segmentEdited()
{
    if (!openView || editedRow < 0)
        return;
    const SegmentDescription edited = openView->segment();
    const int row = editedRow;
    block->changeSegments([row, &edited](SegmentList& segments) {
        const auto at = segmentAt(segments, row);
        if (at != segments.end())
            *at = edited;
    });
    setNodeModified();
    resegmentNeeded = true;
    refreshView();
}

void SegmenterDialog::updateSegmentList(int currentRow)
{
    list->clear();
    for (const SegmentDescription& segment : block->segments()) {
        QPixmap swatch(20, 20);
        const auto colour = segment.meanColor();
        swatch.fill(QColor(colour[0], colour[1], colour[2]));
        list->addItem(new QListWidgetItem(QIcon(swatch), QString::fromLatin1(segment.name().c_str())));
    }
    if (currentRow >= 0)
        list->setCurrentRow(currentRow);
    segmentHighlighted(list->currentRow());
    resegmentNeeded = true;
    refreshView();
}

// The frozen image is segmented again with the changed classes, in the camera's channel order.
void SegmenterDialog::refreshView()
{
    const ImageHandle shown = displayedImage();
    if (resegmentNeeded && segmentedView && !shown.isNone()) {
        if (auto* image = dynamic_cast<XKDWorkImage*>(ImagePool::global()->image(shown))) {
            image->swapRedBlue();
            block->segment(*image);
            image->swapRedBlue();
            resegmentNeeded = false;
        }
    }
    if (widget())
        widget()->update();
}
