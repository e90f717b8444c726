// What the scope's screen and the vector view draw, through the values they expose:
// grid and scales, markers, traces, line ends, and the copy to the clipboard.
#include "BlockDialog_helper.h"

#include "Plotter.h"
#include "Scope.h"
#include "ScopeDialog.h"
#include "TimeScale.h"
#include "VectorViewDialogDraw.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include <ostream>

namespace {

const unsigned short ScopeKind = 2;

class ScopeScreen : public BlockDialogTest
{
protected:
    void SetUp() override
    {
        BlockDialogTest::SetUp();
        load(kdw::node(2, ScopeKind, 0, 300,
                       {{"channelEnable0", "1"},
                        {"channelEnable1", "1"},
                        {"channelEnable2", "1"},
                        {"scaleYdialValue0", "2"},
                        {"scaleYdialValue1", "2"},
                        {"scaleYdialValue2", "2"},
                        {"timeScaleDialValue", "11"},
                        {"triggerPoint0", "-1"},
                        {"triggerPoint1", "-1"},
                        {"triggerPoint2", "-1"}}));
        scope = static_cast<Scope*>(block(ScopeKind));
        dialog = open<ScopeDialog>(ScopeKind);
        ASSERT_NE(dialog, nullptr);
        plotter = dialog->screen();
        plotter->setMinimumSize(100, 100);
        plotter->resize(300, 200);
    }

    Scope* scope = nullptr;
    ScopeDialog* dialog = nullptr;
    Plotter* plotter = nullptr;
};

TEST_F(ScopeScreen, GridAndScalesOfA300By200Screen)
{
    EXPECT_EQ(plotter->plotArea(), QRect(QPoint(21, 2), QPoint(278, 187)));
    EXPECT_EQ(plotter->verticalGridLines(), (QList<int> {46, 72, 98, 124, 150, 175, 201, 227, 253}));
    EXPECT_EQ(plotter->horizontalGridLines(), (QList<int> {169, 150, 132, 113, 94, 76, 57, 39, 20}));
    EXPECT_EQ(plotter->centreLine(), 94);
    EXPECT_FLOAT_EQ(plotter->pixelsPerMs(), 0.258f);
    EXPECT_FLOAT_EQ(plotter->pixelsPerUnit(0), 37.2f);
    EXPECT_EQ(plotter->labelText(), QStringLiteral("C0:0.5 C1:0.5 C2:0.5 T:100ms"));
}

TEST_F(ScopeScreen, AnEmptyRecordDrawsNoTrace)
{
    for (int c = 0; c < Scope::channels; ++c)
        EXPECT_TRUE(plotter->traceLines(c).isEmpty()) << "channel " << c;
}

TEST_F(ScopeScreen, AFreeRunningTraceEndsAtTheRightEdge)
{
    scope->buffers[0].push({1.0f, 20, true});
    scope->buffers[0].push({0.5f, 20, true});
    plotter->redraw();
    const QList<QLine> lines = plotter->traceLines(0);
    ASSERT_GE(lines.size(), 2);
    // The newest sample (0.5: 18.6 px above the centre) held for its 20 ms (5 px).
    EXPECT_EQ(lines.at(0), QLine(278, 75, 273, 75));
    EXPECT_EQ(lines.at(1), QLine(273, 75, 273, 56));
}

TEST_F(ScopeScreen, ATriggeredTraceStartsAtTheLeftEdge)
{
    scope->buffers[1].fill(PlotPoint());
    scope->buffers[1].push({1.0f, 20, true});
    scope->buffers[1].push({1.0f, 20, true});
    scope->triggerPoint[1] = 0;
    plotter->redraw();
    const QList<QLine> lines = plotter->traceLines(1);
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines.at(0), QLine(21, 56, 26, 56));
}

TEST_F(ScopeScreen, ADisabledChannelDrawsNothingButKeepsItsLabel)
{
    scope->buffers[2].push({1.0f, 20, true});
    scope->channelEnable[2] = false;
    plotter->redraw();
    EXPECT_TRUE(plotter->traceLines(2).isEmpty());
    EXPECT_TRUE(plotter->positionMarkerTip(2).isNull());
    EXPECT_TRUE(plotter->labelText().contains(QStringLiteral("C2:0.5")));
}

struct MarkerCase
{
    int channel;
    int trigger;
    int triggerSlider;
    int positionSlider;
    QPoint positionTip;
    QPoint triggerTip; // null: no trigger marker
};

void PrintTo(const MarkerCase& c, std::ostream* os)
{
    *os << "channel " << c.channel << " trigger " << c.trigger << " level " << c.triggerSlider << " position "
        << c.positionSlider;
}

class ScopeMarkers : public ScopeScreen, public ::testing::WithParamInterface<MarkerCase>
{ };

TEST_P(ScopeMarkers, StandInTheMarginsAtTheirLevels)
{
    const MarkerCase& c = GetParam();
    scope->trigger[c.channel] = c.trigger;
    scope->triggerLevel[c.channel] = float(c.triggerSlider * 0.1);
    scope->positionY[c.channel] = float(c.positionSlider * 0.1);
    plotter->redraw();
    EXPECT_EQ(plotter->positionMarkerTip(c.channel), c.positionTip);
    EXPECT_EQ(plotter->triggerMarkerTip(c.channel), c.triggerTip);
}

INSTANTIATE_TEST_SUITE_P(Levels, ScopeMarkers,
                         ::testing::Values(
                             // Off: no trigger marker; the position marker on the centre line.
                             MarkerCase {0, 0, 5, 0, {14, 94}, {}},
                             // Rising at half a division: 9.3 px above the centre, right margin.
                             MarkerCase {0, 1, 5, 0, {14, 94}, {285, 84}},
                             // Falling, channel 1 further out; position one division up.
                             MarkerCase {1, 2, -10, 10, {10, 75}, {289, 112}},
                             // Far beyond the screen: held at its edges.
                             MarkerCase {2, 1, 100, -100, {6, 187}, {293, 2}}));

TEST_F(ScopeScreen, CopyPutsTheScreenOnTheClipboard)
{
    scope->buffers[0].push({1.0f, 20, true});
    plotter->redraw();
    dialog->showTimePanel(true);
    dialog->timeScalePanel()->copyPb->click();
    const QImage copied = QApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.size(), plotter->picture().size());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
              plotter->picture().toImage().convertToFormat(QImage::Format_RGB32));
}

TEST_F(ScopeScreen, ATimeBaseChangeRedrawsTheLabel)
{
    dialog->showTimePanel(true);
    dialog->timeScalePanel()->plusPb->click();
    EXPECT_EQ(plotter->labelText(), QStringLiteral("C0:0.5 C1:0.5 C2:0.5 T:200ms"));
    EXPECT_EQ(dialog->timeScalePanel()->timescale_Label->text(), QStringLiteral("200ms / XDiv"));
}

struct LineCase
{
    QSize area;
    QVector<Vector> values;
    QPoint origin;
    QList<QPoint> ends;
};

void PrintTo(const LineCase& c, std::ostream* os)
{
    *os << c.area.width() << "x" << c.area.height() << ", " << c.values.size() << " vectors";
}

class VectorLines : public ::testing::TestWithParam<LineCase>
{ };

TEST_P(VectorLines, EndWhereTheLongestReachesTheRadius)
{
    const LineCase& c = GetParam();
    EXPECT_EQ(VectorViewDialogDraw::origin(c.area), c.origin);
    EXPECT_EQ(VectorViewDialogDraw::lineEnds(c.values, c.area), c.ends);
}

INSTANTIATE_TEST_SUITE_P(Views, VectorLines,
                         ::testing::Values(LineCase {{200, 200}, {Vector(3, 4, 0)}, {100, 100}, {{155, 27}}},
                                           // Shorter than 1: scaled as if the longest were 1.
                                           LineCase {{200, 200},
                                                     {Vector(0.5f, 0, 0), Vector(0, 0.25f, 0)},
                                                     {100, 100},
                                                     {{146, 100}, {100, 77}}},
                                           // A wide view draws around the centre of its left square.
                                           LineCase {{300, 200}, {Vector(-1, 0, 0)}, {100, 100}, {{8, 100}}},
                                           LineCase {{200, 200}, {}, {100, 100}, {}}));

} // namespace
