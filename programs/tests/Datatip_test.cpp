// Datatips and the slot tooltip: label texts, rendering only on change, placement.
#include "DataSlot.h"
#include "Datatip.h"
#include "ShellServices.h"
#include "Tooltip.h"
#include "ValueSlot.h"
#include "VectorSlot.h"
#include "spine_helper.h"

#include <QFont>
#include <QFontMetrics>
#include <QLocale>

#include <gtest/gtest.h>

#include <clocale>

namespace {

TEST(DatatipText, ValuesLoseZeroDecimals)
{
    struct Case
    {
        float value;
        const char* text;
    };
    const Case cases[] = {{2, "2"},          {2.5f, "2.50"},          {100, "100"},    {-0.004f, "-0"}, {1.0f, "1"},
                          {-0.25f, "-0.25"}, {1234567.0f, "1234567"}, {0.125f, "0.13"}};
    for (const Case& c : cases)
        EXPECT_EQ(Datatip::valueText(c.value), QString::fromLatin1(c.text)) << c.value;
    EXPECT_EQ(Datatip::vectorText(Vector(1, 2, 0)), QStringLiteral("(1 , 2)"));
    EXPECT_EQ(Datatip::vectorText(Vector(0.5f, 1, 0)), QStringLiteral("(0.50 , 1)"));
    EXPECT_EQ(Datatip::vectorText(Vector(3, 0.5f, 0)), QStringLiteral("(3 , 0.50)"));
}

TEST(DatatipText, SameTextUnderAGermanLocale)
{
    // Both the C library's and Qt's default locale write a decimal comma here.
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the locale de_DE.UTF-8 is missing: scripts/install-deps.sh test generates it";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ASSERT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
    EXPECT_EQ(Datatip::valueText(2.5f), QStringLiteral("2.50"));
    EXPECT_EQ(Datatip::vectorText(Vector(1234.5f, -0.5f, 0)), QStringLiteral("(1234.50 , -0.50)"));
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(previous);
}

// An image-kind slot for the datatip's "IMG" label.
class ImageKindSlot : public DataSlot
{
public:
    ImageKindSlot(QGraphicsScene* canvas, Node* owner)
        : DataSlot(canvas, SlotSpec(SlotSpec::ImageKind, SlotSpec::Right, SlotSpec::Output), owner)
    {
    }
    void reset() override { }
    void fetch() override { }
};

class DatatipTest : public ::testing::Test
{
protected:
    RecordingShell shell;
    SpineTestProgram program;
};

TEST_F(DatatipTest, RendersWhenShownAndAgainOnlyWhenTheValueChanges)
{
    SpineTestNode* node = program.place(spine::valueBlock(0, 1), QPoint(120, 120));
    auto* slot = node->slot(SlotSpec::Right, 0)->toValueSlot();
    Datatip* tip = slot->datatip();
    slot->setValue(2.0f);
    tip->updateText(); // hidden: nothing
    EXPECT_TRUE(tip->label().isNull());

    slot->showDatatip(true);
    ASSERT_FALSE(tip->label().isNull());
    EXPECT_EQ(tip->label().height(), 11);
    const qint64 first = tip->label().cacheKey();
    tip->updateText();
    EXPECT_EQ(tip->label().cacheKey(), first);
    slot->setValue(2.5f);
    tip->updateText();
    EXPECT_NE(tip->label().cacheKey(), first);
    // A right slot's label starts two pixels right of the anchor, centred on it.
    const QPoint anchor = slot->pos().toPoint() + slot->spec().tipOffset();
    EXPECT_EQ(tip->pos().toPoint(), QPoint(anchor.x() + 2, anchor.y() - tip->label().height() / 2));

    const qint64 second = tip->label().cacheKey();
    slot->showDatatip(false);
    slot->showDatatip(true); // shown again without a change: no new rendering needed
    EXPECT_EQ(tip->label().cacheKey(), second);
}

TEST_F(DatatipTest, TopAndBottomLabelsReadUpwards)
{
    NodeType type = spine::valueBlock(0, 0);
    type.addValueSlot(QStringLiteral("T"), SlotSpec::Input, SlotSpec::Top, 12.5f);
    type.addValueSlot(QStringLiteral("B"), SlotSpec::Output, SlotSpec::Bottom, 0.0f);
    SpineTestNode* node = program.place(type, QPoint(120, 120));
    node->resetAll();
    node->showDatatips(true);
    for (int side : {SlotSpec::Top, SlotSpec::Bottom}) {
        const QPixmap& label = node->slot(side, 0)->datatip()->label();
        EXPECT_EQ(label.width(), 11) << side;
        EXPECT_GT(label.height(), 11) << side;
    }
    EXPECT_TRUE(node->slot(SlotSpec::Top, 0)->isDatatipVisible());
}

TEST_F(DatatipTest, VectorAndImageLabels)
{
    SpineTestNode* node = program.place(spine::vectorBlock(0, 1), QPoint(120, 120));
    auto* vectorSlot = node->slot(SlotSpec::Right, 0)->toVectorSlot();
    vectorSlot->setValue(Vector(1, 2, 0));
    vectorSlot->showDatatip(true);
    const qint64 first = vectorSlot->datatip()->label().cacheKey();
    vectorSlot->setValue(Vector(1, 2.5f, 0));
    vectorSlot->updateDatatip();
    EXPECT_NE(vectorSlot->datatip()->label().cacheKey(), first);

    ImageKindSlot image(program.canvas(), node);
    image.showDatatip(true);
    const qint64 imageLabel = image.datatip()->label().cacheKey();
    EXPECT_FALSE(image.datatip()->label().isNull());
    image.updateDatatip();
    EXPECT_EQ(image.datatip()->label().cacheKey(), imageLabel);
}

TEST(TooltipLabel, TwoLinesAreTallerAndAsWideAsTheLongerLine)
{
    Tooltip single(nullptr);
    single.setText(QStringLiteral("I1"));
    Tooltip scaled(nullptr);
    const QString longer = QStringLiteral("y=2*x+0.5 and some more");
    scaled.setText(QStringLiteral("I1\n") + longer);
    QFont font(applicationFontFamily);
    font.setPointSize(8);
    const QFontMetrics metrics(font);
    const QRect twoLines = metrics.boundingRect(QRect(0, 0, 400, 60), Qt::AlignCenter, QStringLiteral("I1\n") + longer);
    EXPECT_EQ(scaled.label().width(), twoLines.width() + 6);
    EXPECT_EQ(scaled.label().height(), twoLines.height() + 6);
    EXPECT_GT(scaled.label().height(), single.label().height());
    EXPECT_EQ(scaled.rect().size().toSize(), scaled.label().size());
    EXPECT_EQ(scaled.zValue(), 100);
}

} // namespace
