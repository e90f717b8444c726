// The vision blocks' dialogs on live frames: the image widget's fit and zoom, teaching and
// editing colour classes, the camera settings broadcast, the extractor's controls, balanced
// pool images, and a picture of every dialog.
#include "vision_helper.h"

#include "Camera.h"
#include "CameraCenter.h"
#include "CameraDialog.h"
#include "ImagePool.h"
#include "LineDetector.h"
#include "LineDetectorDialog.h"
#include "SegExtractor.h"
#include "SegExtractorDialog.h"
#include "SegmentViewDialog.h"
#include "Segmenter.h"
#include "SegmenterDialog.h"
#include "XKDDialogHelper.h"
#include "XKDDoRubberBand.h"
#include "XKDImage.h"
#include "XKDSegmentView.h"
#include "XKDWidget.h"

#include "CameraHook.h"
#include "State.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

using namespace visiontest;

namespace {

constexpr unsigned short cameraKind = Camera::maintype;
constexpr unsigned short segmenterKind = Segmenter::maintype;
constexpr unsigned short extractorKind = SegExtractor::maintype;
constexpr unsigned short detectorKind = LineDetector::maintype;

QString noSegments()
{
    return param(QStringLiteral("numberSegments"), QStringLiteral("0"));
}

using VisionDialogs = VisionHarness;

} // namespace

TEST(XKDWidgetFit, KeepsTheAspectAndCentresTheImage)
{
    struct Case
    {
        QSize widget;
        int iw, ih;
        QRect shown;
        float scale;
    };
    const Case cases[] = {
        {QSize(320, 240), 320, 240, QRect(0, 0, 320, 240), 1.0f},
        {QSize(400, 240), 320, 240, QRect(40, 0, 320, 240), 1.0f},
        {QSize(320, 400), 320, 240, QRect(0, 80, 320, 240), 1.0f},
        {QSize(160, 120), 640, 480, QRect(0, 0, 160, 120), 0.25f},
        {QSize(300, 300), 640, 480, QRect(0, 37, 300, 225), 300.0f / 640.0f},
    };
    for (const Case& c : cases) {
        float scale = 0;
        EXPECT_EQ(XKDWidget::fitImage(c.widget, c.iw, c.ih, scale), c.shown)
            << c.widget.width() << "x" << c.widget.height();
        EXPECT_FLOAT_EQ(scale, c.scale);
    }
}

TEST(XKDDialogHelperZoom, ShowsDashesWithoutAScale)
{
    EXPECT_EQ(XKDDialogHelper::zoomText(0), QStringLiteral("---"));
    EXPECT_EQ(XKDDialogHelper::zoomText(100), QStringLiteral("100 %"));
    EXPECT_EQ(XKDDialogHelper::zoomText(75), QStringLiteral("75 %"));
}

TEST(RubberBand, TeachesThePixelsInsideItsShape)
{
    XKDDoRubberBand band;
    EXPECT_TRUE(band.setShape(XKDDoRubberBand::Circle));
    EXPECT_FALSE(band.setShape(XKDDoRubberBand::Rectangle)) << "another shape needs a new band";
    band.span(QPoint(10, 10), QPoint(0, 0));
    EXPECT_EQ(band.area(), QRect(0, 0, 11, 11));
    EXPECT_TRUE(band.contains(5, 5));
    EXPECT_FALSE(band.contains(0, 0)) << "the circle leaves the corners out";
    XKDDoRubberBand rectangle;
    rectangle.setShape(XKDDoRubberBand::Rectangle);
    rectangle.span(QPoint(0, 0), QPoint(10, 10));
    EXPECT_TRUE(rectangle.contains(0, 0));
}

TEST_F(VisionDialogs, WidgetReportsTheZoomOfTheShownImage)
{
    useFrameFile(QStringLiteral(VISION_TEST_DATA "/camera-320x240.jpg"));
    load(everyBlockProgram(noSegments()));
    auto* dialog = open<CameraDialog>(cameraKind);
    ASSERT_NE(dialog, nullptr);
    cycle(2);
    XKDImage* image = pool->image(dialog->displayedImage());
    ASSERT_NE(image, nullptr);
    XKDWidget picture;
    int percent = -1;
    QObject::connect(&picture, &XKDWidget::imageSizeChanged, [&percent](int value) { percent = value; });
    picture.resize(320, 240);
    picture.show();
    picture.setImage(image);
    EXPECT_EQ(picture.imageRect(), QRect(0, 0, 320, 240));
    EXPECT_EQ(percent, 100);
    picture.resize(160, 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(picture.imageRect(), QRect(0, 40, 160, 120));
    EXPECT_EQ(percent, 50);
    EXPECT_EQ(picture.toImage(QPoint(80, 100)), QPoint(160, 120));
    picture.clearImage();
}

// The segmenter's dialog on the red-patch frame, two image cycles in.
class SegmenterOnPatch : public VisionHarness
{
protected:
    void SetUp() override
    {
        VisionHarness::SetUp();
        useFrame(patch.frame().jpeg());
        load(everyBlockProgram(noSegments()));
        segmenter = static_cast<Segmenter*>(block(segmenterKind));
        dialog = open<SegmenterDialog>(segmenterKind);
        ASSERT_NE(dialog, nullptr);
        cycle(2);
    }

    // Freezes the image and spans nothing yet with a rectangle selection.
    XKDDoRubberBand* freezeAndSelectRectangle()
    {
        dialog->freezeButton()->click();
        dialog->rectangleButton()->click();
        return static_cast<XKDDoRubberBand*>(dialog->widget()->objectOfType(XKDDrawingObject::RubberBand));
    }

    const PatchFrame patch {1};
    Segmenter* segmenter = nullptr;
    SegmenterDialog* dialog = nullptr;
};

TEST_F(SegmenterOnPatch, TeachesDeletesAndReordersOnAFrozenImage)
{
    EXPECT_FALSE(dialog->rectangleButton()->isEnabled()) << "no selection before the image is frozen";
    auto* band = freezeAndSelectRectangle();
    EXPECT_TRUE(segmenter->freeze.load());
    EXPECT_TRUE(dialog->rectangleButton()->isChecked());
    ASSERT_NE(band, nullptr);
    band->span(QPoint(patch.left() + 8, patch.top() + 8), QPoint(patch.left() + 40, patch.top() + 40));
    dialog->addSegment();
    band->span(QPoint(8, 8), QPoint(40, 40)); // the background
    dialog->addSegment();
    ASSERT_EQ(dialog->segmentList()->count(), 2);
    EXPECT_EQ(dialog->segmentList()->item(0)->text(), QStringLiteral("1"));
    SegmentList segments = segmenter->segments();
    const auto red = segments.front().meanColor();
    EXPECT_GT(red[0], 200);
    EXPECT_LT(red[2], 60);

    // The frozen image keeps its place in the dialog while the block segments on.
    const ImageHandle shown = dialog->displayedImage();
    cycle(2);
    EXPECT_EQ(dialog->displayedImage(), shown);

    // Reorder: the background class moves to the top; the extractor follows the list.
    dialog->segmentList()->setCurrentRow(1);
    EXPECT_FALSE(dialog->downButton()->isEnabled());
    dialog->upButton()->click();
    EXPECT_EQ(dialog->segmentList()->currentRow(), 0);
    EXPECT_EQ(dialog->segmentList()->item(0)->text(), QStringLiteral("2"));
    auto* extractor = static_cast<SegExtractor*>(block(extractorKind));
    EXPECT_EQ(extractor->segmentCount(), 2);
    EXPECT_EQ(extractor->segments().front().name(), "2");

    dialog->segmentList()->setCurrentRow(0);
    dialog->deleteButton()->click();
    ASSERT_EQ(dialog->segmentList()->count(), 1);
    EXPECT_EQ(segmenter->segments().front().name(), "1");
    EXPECT_EQ(extractor->segmentCount(), 1);

    // Unfrozen: the selection cannot be drawn and teaching does nothing.
    dialog->freezeButton()->click();
    EXPECT_FALSE(dialog->rectangleButton()->isEnabled());
    dialog->addSegment();
    EXPECT_EQ(segmenter->segments().size(), 1u);
}

TEST_F(VisionDialogs, SegmentPanelFoldsOutAndComesBackOpen)
{
    load(everyBlockProgram(noSegments()));
    auto* segmenter = static_cast<Segmenter*>(block(segmenterKind));
    auto* dialog = open<SegmenterDialog>(segmenterKind);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->segmentPanel()->isHidden()) << "a new block starts with the panel closed";
    const int closedWidth = dialog->width();
    dialog->editButton()->click();
    EXPECT_TRUE(segmenter->editSegmentsShown.load());
    EXPECT_FALSE(dialog->segmentPanel()->isHidden());
    EXPECT_GE(dialog->width(), closedWidth + dialog->segmentPanel()->width()) << "the image keeps its size";
    EXPECT_TRUE(segmenter->parameters().value(QStringLiteral("editSegmentsShown")) == QStringLiteral("1"));

    close(segmenterKind);
    dialog = open<SegmenterDialog>(segmenterKind);
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->segmentPanel()->isHidden()) << "the block remembers the open panel";
    dialog->editButton()->click();
    EXPECT_TRUE(dialog->segmentPanel()->isHidden());
    EXPECT_FALSE(segmenter->editSegmentsShown.load());
    EXPECT_EQ(dialog->width(), closedWidth) << "closing gives the panel's room back";
}

TEST_F(SegmenterOnPatch, SelectionMergedIntoTheCurrentSegmentWidensItsValueSets)
{
    auto* band = freezeAndSelectRectangle();
    ASSERT_NE(band, nullptr);
    band->span(QPoint(patch.left() + 8, patch.top() + 8), QPoint(patch.left() + 40, patch.top() + 40));
    dialog->addSegment();
    const SegmentDescription red = segmenter->segments().front();

    dialog->mergeSegment(); // no current row: nothing to merge into
    EXPECT_EQ(segmenter->segments().front().valueSet(0), red.valueSet(0));

    band->span(QPoint(8, 8), QPoint(40, 40)); // the background
    SegmentDescription background;
    ASSERT_TRUE(band->teach(*pool->image(dialog->displayedImage()), background));
    dialog->segmentList()->setCurrentRow(0);
    dialog->mergeSegment();
    ASSERT_EQ(segmenter->segments().size(), 1u);
    const SegmentDescription merged = segmenter->segments().front();
    EXPECT_EQ(merged.name(), red.name());
    EXPECT_EQ(merged.meanColor(), red.meanColor()) << "name and colour stay";
    for (int c = 0; c < 3; ++c) {
        ChannelValueSet both = red.valueSet(c);
        both.unite(background.valueSet(c));
        EXPECT_EQ(merged.valueSet(c), both) << "channel " << c;
    }
    EXPECT_EQ(dialog->segmentList()->currentRow(), 0);
}

TEST(SegmentView, WidensNarrowsAndUndoesPerChannel)
{
    SegmentDescription description;
    description.setColorFormat(1);
    description.valueSet(0).set(100, true);
    SegmentViewDialog dialog(nullptr, description);
    EXPECT_EQ(dialog.channelButton(0)->text(), QStringLiteral("Y"));
    EXPECT_EQ(dialog.channelButton(2)->text(), QStringLiteral("Cr"));
    int changes = 0;
    QObject::connect(&dialog, &SegmentViewDialog::segmentChanged, [&changes] { ++changes; });
    dialog.plusButton(0)->click();
    EXPECT_EQ(changes, 1);
    ChannelValueSet widened;
    for (int v : {99, 100, 101})
        widened.set(std::uint8_t(v), true);
    EXPECT_EQ(dialog.segment().valueSet(0), widened);
    EXPECT_EQ(dialog.view(0)->valueSet(), widened);
    dialog.plusButton(0)->click();
    dialog.minusButton(0)->click();
    dialog.minusButton(0)->click();
    EXPECT_EQ(dialog.segment().valueSet(0), description.valueSet(0));
    dialog.plusButton(0)->click();
    dialog.channelButton(0)->click(); // switched off
    EXPECT_FALSE(dialog.segment().isChannelUsed(0));
    EXPECT_FALSE(dialog.plusButton(0)->isEnabled());
    EXPECT_FALSE(dialog.view(0)->isChannelEnabled());
    dialog.channelButton(0)->click();
    dialog.undoButton(0)->click();
    EXPECT_EQ(dialog.segment().valueSet(0), description.valueSet(0));
    EXPECT_TRUE(dialog.segment().isChannelUsed(0)) << "undo leaves the use flag";
    dialog.channelButton(1)->click();
    QDir().mkpath(QStringLiteral(VISION_PICTURES));
    dialog.adjustSize();
    EXPECT_TRUE(dialog.grab().save(QStringLiteral(VISION_PICTURES "/segment-view.png")));
}

TEST_F(VisionDialogs, CameraSizeChangeReachesTheOtherCameraDialogOnly)
{
    Program twoCameras;
    twoCameras.node(cameraKind, 0);
    twoCameras.node(cameraKind, 0);
    load(twoCameras.text());
    QList<Camera*> cameras;
    for (Node* node : program->nodes())
        cameras.append(static_cast<Camera*>(node));
    ASSERT_EQ(cameras.size(), 2);
    cameras[0]->showDialog(&area, false);
    cameras[1]->showDialog(&area, false);
    auto* first = dynamic_cast<CameraDialog*>(cameras[0]->dialog());
    auto* second = dynamic_cast<CameraDialog*>(cameras[1]->dialog());
    ASSERT_TRUE(first && second);
    int hubEmits = 0;
    QObject counting;
    QObject::connect(&CameraCenter::current(), &CameraCenter::parameterChanged, &counting, [&hubEmits] { ++hubEmits; });
    first->sizeComboBox()->setCurrentIndex(1);
    first->sizeComboBoxActivated(1);
    EXPECT_EQ(hubEmits, 1);
    EXPECT_EQ(cameras[0]->cameraParameters.imageSize, 1);
    EXPECT_EQ(cameras[1]->cameraParameters.imageSize, 1);
    EXPECT_EQ(CameraCenter::current().parameters()->imageSize, 1);
    EXPECT_EQ(second->sizeComboBox()->currentText(), QStringLiteral("640x480"));
    second->sizeComboBoxActivated(0);
    EXPECT_EQ(first->sizeComboBox()->currentIndex(), 0);

    // A colour format outside the four keeps the current one.
    first->colorComboBoxActivated(3);
    EXPECT_EQ(cameras[0]->colorFormat(), ColorFormat_t::HLS);
    cameras[0]->setColorFormat(7);
    EXPECT_EQ(cameras[0]->colorFormat(), ColorFormat_t::HLS);
}

TEST_F(VisionDialogs, ExtractorComboOffersNineClassesAndTheSpinBoxSetsTheArea)
{
    useFrameFile(QStringLiteral(VISION_TEST_DATA "/camera-320x240.jpg"));
    load(everyBlockProgram(noSegments()));
    auto* segmenter = static_cast<Segmenter*>(block(segmenterKind));
    auto* extractor = static_cast<SegExtractor*>(block(extractorKind));
    segmenter->changeSegments([](SegmentList& list) {
        for (int i = 0; i < 3; ++i) {
            SegmentDescription segment;
            segment.setName(std::to_string(i + 1));
            list.push_back(segment);
        }
    });
    auto* dialog = open<SegExtractorDialog>(extractorKind);
    ASSERT_NE(dialog, nullptr);
    QComboBox* combo = dialog->segmentComboBox();
    ASSERT_EQ(combo->count(), 10);
    EXPECT_EQ(combo->itemText(0), QStringLiteral("none"));
    EXPECT_EQ(combo->itemText(3), QStringLiteral("3"));
    EXPECT_EQ(combo->itemText(9), QStringLiteral("9"));
    EXPECT_EQ(combo->currentIndex(), 0) << "the loaded selection 0 had no class when the empty list arrived";
    dialog->segmentSelected(3);
    EXPECT_EQ(extractor->selectedSegment(), 2);
    dialog->segmentSelected(5); // a numbered item beyond the list
    EXPECT_EQ(extractor->selectedSegment(), -1);
    dialog->segmentSelected(0);
    EXPECT_EQ(extractor->selectedSegment(), -1);
    dialog->segmentSelected(3);
    segmenter->changeSegments([](SegmentList& list) { list.pop_back(); });
    EXPECT_EQ(extractor->selectedSegment(), -1) << "the selected class left the list";
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(combo->itemText(3), QStringLiteral("3")) << "a numbered item in place of the gone class";
    dialog->minAreaSpinBox()->setValue(450);
    EXPECT_EQ(extractor->minSegmentArea.load(), 450);
    dialog->fullImageButton()->click();
    EXPECT_FALSE(extractor->fullImageShown.load());
    EXPECT_EQ(dialog->widget()->mode(), XKDWidget::SelectedRegionMode);
}

TEST_F(VisionDialogs, PoolImagesBalanceOverAThousandFramesWithDialogsComingAndGoing)
{
    const PatchFrame patch {1};
    const std::vector<std::uint8_t> jpeg = patch.frame().jpeg();
    useFrame(jpeg);
    const Rgb taught = decodedPixel(jpeg, 0, patch.left() + 20, patch.top() + 20);
    load(everyBlockProgram(segmentParameters(taught, 0, 24)));
    const int before = inUse();
    const unsigned short kinds[] = {cameraKind, segmenterKind, extractorKind, detectorKind};
    for (int frame = 0; frame < 1000; ++frame) {
        const unsigned short kind = kinds[(frame / 50) % 4];
        if (frame % 50 == 0)
            open(kind);
        if (frame % 50 == 37)
            close(kind);
        if (frame % 200 == 120)
            if (auto* segmenter = dynamic_cast<SegmenterDialog*>(block(segmenterKind)->dialog()))
                segmenter->freezeButton()->click();
        cycle();
    }
    for (unsigned short kind : kinds)
        close(kind);
    stopProgram();
    program.reset();
    camera.reset();
    EXPECT_EQ(inUse(), before);
}

TEST_F(VisionDialogs, EveryDialogShowsTheLiveImage)
{
    useFrameFile(QStringLiteral(VISION_TEST_DATA "/camera-320x240.jpg"));
    load(everyBlockProgram(segmentParameters(Rgb {200, 200, 200}, 0, 55)));
    const std::pair<unsigned short, const char*> dialogs[] = {
        {cameraKind, "camera-dialog"},
        {segmenterKind, "segmenter-dialog"},
        {extractorKind, "extractor-dialog"},
        {detectorKind, "linedetector-dialog"},
    };
    for (const auto& [kind, name] : dialogs) {
        NodeDialog* dialog = open(kind);
        ASSERT_NE(dialog, nullptr) << name;
        dialog->resize(460, 380);
    }
    cycle(3);
    if (auto* segmenter = dynamic_cast<SegmenterDialog*>(block(segmenterKind)->dialog())) {
        segmenter->segmentedViewToggle(true);
        segmenter->editButton()->click(); // the segment panel is in the picture too
    }
    for (const auto& [kind, name] : dialogs) {
        NodeDialog* dialog = block(kind)->dialog();
        auto* helper = dynamic_cast<XKDDialogHelper*>(dialog);
        ASSERT_NE(helper, nullptr);
        EXPECT_FALSE(helper->displayedImage().isNone()) << name;
        render(dialog, QString::fromLatin1(name));
    }
}

TEST_F(VisionDialogs, SegmentEditGoesToTheOpenedSegmentWhateverRowIsCurrentLater)
{
    useFrameFile(QStringLiteral(VISION_TEST_DATA "/camera-320x240.jpg"));
    load(everyBlockProgram(noSegments()));
    auto* segmenter = static_cast<Segmenter*>(block(segmenterKind));
    segmenter->changeSegments([](SegmentList& list) {
        for (const char* name : {"a", "b"}) {
            SegmentDescription segment;
            segment.setName(name);
            segment.valueSet(0).set(100, true);
            list.push_back(segment);
        }
    });
    auto* dialog = open<SegmenterDialog>(segmenterKind);
    ASSERT_NE(dialog, nullptr);
    dialog->segmentList()->setCurrentRow(1);
    bool edited = false;
    QTimer::singleShot(0, [&] {
        SegmentViewDialog* view = dialog->segmentView();
        if (!view)
            return;
        view->plusButton(0)->click();
        dialog->segmentList()->setCurrentRow(0);
        view->plusButton(0)->click();
        edited = true;
        view->close();
    });
    dialog->segmentDblClicked();
    ASSERT_TRUE(edited);
    const SegmentList segments = segmenter->segments();
    ChannelValueSet single;
    single.set(100, true);
    EXPECT_EQ(segments.front().valueSet(0), single) << "the row made current meanwhile stays as it was";
    EXPECT_TRUE(segments.back().valueSet(0).test(98));
    EXPECT_TRUE(segments.back().valueSet(0).test(102));
    EXPECT_EQ(dialog->segmentView(), nullptr);
}

TEST_F(VisionDialogs, MouseSpansTheRubberBandInImageCoordinatesAndItTeaches)
{
    const ImageHandle handle = pool->acquire(0);
    XKDImage* image = pool->image(handle);
    ASSERT_NE(image, nullptr);
    // Display order blue, green, red: the left half shows red (0, 0, 250), the right half green.
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x) {
            std::uint8_t* pixel = image->data() + 3 * (y * 320 + x);
            pixel[0] = 0;
            pixel[1] = x < 160 ? 0 : 250;
            pixel[2] = x < 160 ? 250 : 0;
        }
    XKDWidget picture;
    picture.resize(640, 480); // twice the image: widget points are image points times two
    picture.show();
    picture.setImage(image);
    int index = -1;
    auto* band = static_cast<XKDDoRubberBand*>(picture.drawingObject(XKDDrawingObject::RubberBand, index));
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(index, 0);
    struct Case
    {
        int shape;
        QPoint from, to;
        QRect area;
        bool red;
    };
    const Case cases[] = {
        {XKDDoRubberBand::Rectangle, QPoint(20, 20), QPoint(100, 80), QRect(QPoint(10, 10), QPoint(50, 40)), true},
        {XKDDoRubberBand::Circle, QPoint(600, 400), QPoint(400, 200), QRect(QPoint(200, 100), QPoint(300, 200)), false},
    };
    for (const Case& c : cases) {
        if (!band->setShape(c.shape)) {
            picture.deleteObject(band);
            index = -1;
            band = static_cast<XKDDoRubberBand*>(picture.drawingObject(XKDDrawingObject::RubberBand, index));
            ASSERT_TRUE(band->setShape(c.shape));
        }
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(c.from), QPointF(c.from), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent move(QEvent::MouseMove, QPointF(c.to), QPointF(c.to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(c.to), QPointF(c.to), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(&picture, &press);
        QCoreApplication::sendEvent(&picture, &move);
        QCoreApplication::sendEvent(&picture, &release);
        EXPECT_EQ(band->area(), c.area);
        SegmentDescription taught;
        ASSERT_TRUE(band->teach(*image, taught));
        // Taught in camera order (red first) from the reversed display bytes.
        EXPECT_EQ(taught.meanColor()[0], c.red ? 250 : 0);
        EXPECT_EQ(taught.meanColor()[1], c.red ? 0 : 250);
        EXPECT_TRUE(taught.valueSet(0).test(c.red ? 250 : 0));
        EXPECT_FALSE(taught.valueSet(0).test(c.red ? 0 : 250));
    }
    band->setVisible(false);
    SegmentDescription none;
    EXPECT_FALSE(band->teach(*image, none)) << "a hidden band teaches nothing";
    picture.clearImage();
    ImageHandle owned = handle;
    pool->release(owned);
}
