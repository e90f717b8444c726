#include "NodeType.h"

#include <QByteArray>

#include <gtest/gtest.h>

namespace {

NodeType threeVariantKind()
{
    NodeType type;
    type.setName(QStringLiteral("Math"));
    type.setFlags(NodeType::FunctionBlock);
    type.setFlags(NodeType::EngineCycle);
    type.setMaintype(20);
    type.addSubtype(QStringLiteral("Addition"), QStringLiteral("add.png"));
    type.addSubtype(QStringLiteral("Subtraction"), QStringLiteral("sub.png"));
    type.addSubtype(QStringLiteral("Multiplication"), QString());
    type.addValueSlot(QStringLiteral("I1"), SlotSpec::Input, SlotSpec::Left, 1.5f);
    type.addValueSlot(QStringLiteral("I2"), SlotSpec::Input, SlotSpec::Left, 0.0f);
    type.addValueSlot(QStringLiteral("O"), SlotSpec::Output, SlotSpec::Right, 0.0f);
    return type;
}

TEST(NodeTypeBuilding, DescriptionFunctionStepsClearNeedsBuildButNameDoesNot)
{
    NodeType type;
    EXPECT_TRUE(type.needsBuild());
    type.setName(QStringLiteral("Abs"));
    EXPECT_TRUE(type.needsBuild());
    type.setFlags(NodeType::FunctionBlock);
    EXPECT_FALSE(type.needsBuild());
    type.setFlags(NodeType::EngineCycle);
    EXPECT_EQ(type.flags(), 5u);
    EXPECT_TRUE(type.hasFlags(NodeType::FunctionBlock | NodeType::EngineCycle));
    EXPECT_FALSE(type.hasFlags(NodeType::FunctionBlock | NodeType::ImageCycle));
}

TEST(NodeTypeBuilding, SlotsGetIndicesPerSideAndKindCodes)
{
    NodeType type;
    SlotSpec* first = type.addValueSlot(QStringLiteral("I1"), SlotSpec::Input, SlotSpec::Left, 2.0f);
    ASSERT_NE(first, nullptr);
    type.addVectorSlot(QStringLiteral("V"), SlotSpec::Output, SlotSpec::Right, Vector(1, 2, 0));
    type.addImageSlot(QStringLiteral("Img"), SlotSpec::Input, SlotSpec::Left);
    type.addSegImageSlot(QStringLiteral("Seg"), SlotSpec::Input, SlotSpec::Top);
    type.addTransitionSlot(QStringLiteral("T"), SlotSpec::Output, SlotSpec::Bottom);
    SlotSpec outside(SlotSpec::ValueKind, 5, SlotSpec::Input);
    EXPECT_EQ(type.addSlotSpec(outside), nullptr);

    EXPECT_EQ(type.slotSpec(1, 0).kind(), 0x16);
    EXPECT_EQ(type.slotSpec(1, 0).defaultValue(), 2.0f);
    EXPECT_EQ(type.slotSpec(1, 1).kind(), 0x46);
    EXPECT_EQ(type.slotSpec(1, 1).index(), 1);
    EXPECT_EQ(type.slotSpec(2, 0).kind(), 0x26);
    EXPECT_EQ(type.slotSpec(2, 0).defaultVector().y(), 2.0f);
    EXPECT_EQ(type.slotSpec(3, 0).kind(), 0x86);
    EXPECT_EQ(type.slotSpec(4, 0).kind(), 0x0A);
    EXPECT_EQ(type.slotCount(), 5u);
    EXPECT_EQ(type.leftSlotCount(), 2u);
    EXPECT_EQ(type.slotCount(0), 0u);
    EXPECT_EQ(type.slotSpecAt(2).kind(), 0x26); // left first, then right
    EXPECT_EQ(type.slotSpecAt(5).kind(), 0);
}

TEST(NodeTypeQueries, MissingEntriesGiveEmptyResults)
{
    const NodeType type = threeVariantKind();
    EXPECT_TRUE(type.subtypeName(5).isNull());
    EXPECT_TRUE(type.icon(5).isNull());
    EXPECT_TRUE(type.icon(2).isNull()); // empty icon name
    EXPECT_EQ(type.subtypeData(0), 0);
    const SlotSpec& missing = type.slotSpec(2, 9);
    EXPECT_EQ(missing.kind(), 0);
    EXPECT_EQ(missing.direction(), 0);
    EXPECT_EQ(missing.side(), 0);
    EXPECT_EQ(&missing, &SlotSpec::empty());
    EXPECT_EQ(&type.slotSpec(7, 0), &SlotSpec::empty());
    EXPECT_EQ(SlotSpec::empty().rect(), QRect());
}

TEST(NodeTypeQueries, SetSubtypeFallsBackToZeroOnlyWhenVariantsExist)
{
    NodeType withVariants = threeVariantKind();
    withVariants.setSubtype(2);
    EXPECT_EQ(withVariants.subtype(), 2);
    EXPECT_EQ(withVariants.subtypeName(), QStringLiteral("Multiplication"));
    withVariants.setSubtype(7);
    EXPECT_EQ(withVariants.subtype(), 0);
    NodeType bare;
    bare.setSubtype(7);
    EXPECT_EQ(bare.subtype(), 7);
}

TEST(NodeTypeQueries, HelpIdsByKind)
{
    struct Case
    {
        unsigned flags;
        unsigned short maintype;
        unsigned short subtype;
        int helpId;
    };
    const Case cases[] = {
        {NodeType::FunctionBlock | NodeType::EngineCycle, 38, 0, (38 + 10000) * 10},
        {NodeType::ChartElement, 2, 1, (2 + 20000) * 10 + 1},
        {NodeType::FunctionBlock | NodeType::ChartElement, 4, 0,
         (4 + 10000) * 10}, // both: the function-block base wins
        {NodeType::EngineCycle, 38, 0, 0},
        {0, 1, 0, 0},
    };
    for (const Case& c : cases) {
        NodeType type(c.maintype, c.subtype, QString());
        type.setFlags(c.flags);
        EXPECT_EQ(type.helpId(), c.helpId) << "flags " << c.flags;
    }
}

TEST(NodeTypeCopies, CopiesCarryContentButNotGeometry)
{
    NodeType type = threeVariantKind();
    type.layout();
    ASSERT_FALSE(type.frameRect().isNull());
    const NodeType copy(type);
    EXPECT_TRUE(copy.frameRect().isNull());
    EXPECT_EQ(copy.slotCount(), 3u);
    EXPECT_EQ(copy.name(), QStringLiteral("Math"));
    EXPECT_FALSE(copy.needsBuild());

    NodeType assigned = type; // copy construction: no geometry
    assigned.layout();
    const QRect before = assigned.frameRect();
    assigned = NodeType();
    EXPECT_EQ(assigned.frameRect(), before); // an assigned descriptor keeps its geometry
    EXPECT_FALSE(assigned.needsBuild());

    const NodeType variant = type.withSubtype(9);
    EXPECT_EQ(variant.subtype(), 9); // unchecked
}

TEST(NodeTypeSlots, NextNameFollowsTheTrailingNumber)
{
    const std::pair<const char*, const char*> cases[] = {
        {"I1", "I2"},  {"I9", "I10"}, {"I09", "I10"},
        {"In", "In0"}, {"", "0"},     {"12", "13"},
        {"-3", "-2"},  {"7a", "7a0"}, {"x99999999999999999999999", "x100000000000000000000000"},
    };
    for (const auto& [name, next] : cases)
        EXPECT_EQ(NodeType::nextName(QString::fromLatin1(name)), QString::fromLatin1(next)) << name;
}

TEST(NodeTypeSlots, DuplicateAndRemoveLastSlot)
{
    NodeType type = threeVariantKind();
    SlotSpec* i2 = const_cast<SlotSpec*>(&type.slotSpec(1, 1));
    i2->setName(QStringLiteral("B2"), 1);
    ASSERT_TRUE(type.duplicateLastSlot(SlotSpec::Left));
    const SlotSpec& added = type.slotSpec(1, 2);
    EXPECT_EQ(added.index(), 2);
    EXPECT_EQ(added.name(0), QStringLiteral("I3"));
    EXPECT_EQ(added.name(1), QStringLiteral("B2")); // other variants' names stay as copied

    EXPECT_FALSE(type.duplicateLastSlot(SlotSpec::Top));
    EXPECT_EQ(type.topSlotCount(), 0u);
    EXPECT_FALSE(type.removeLastSlot(SlotSpec::Top));
    EXPECT_TRUE(type.removeLastSlot(SlotSpec::Left));
    EXPECT_EQ(type.leftSlotCount(), 2u);
    EXPECT_EQ(&type.lastSlotSpec(SlotSpec::Left), &type.slotSpec(1, 1));
}

TEST(SlotSpecNames, LookupFallsBackToVariantZero)
{
    SlotSpec spec(SlotSpec::ValueKind, SlotSpec::Left, SlotSpec::Input);
    EXPECT_TRUE(spec.name().isNull());
    spec.setName(QStringLiteral("x"), 0);
    spec.setName(QStringLiteral("length"), 1);
    EXPECT_EQ(spec.name(), QStringLiteral("x"));
    spec.setSubtype(1);
    EXPECT_EQ(spec.name(), QStringLiteral("length"));
    EXPECT_EQ(spec.name(0), QStringLiteral("x"));
    EXPECT_EQ(spec.name(4), QStringLiteral("x"));
}

// ---- drag data ----

TEST(NodeTypeDragData, AbsBlockEncodesToFourteenBytes)
{
    NodeType type(38, 0, QString());
    type.setFlags(NodeType::FunctionBlock | NodeType::EngineCycle);
    const QByteArray bytes = type.toByteArray();
    EXPECT_EQ(bytes, QByteArray::fromHex("0026000000050000000000000000"));
    const NodeType decoded(bytes);
    EXPECT_EQ(decoded.maintype(), 38);
    EXPECT_EQ(decoded.flags(), 5u);
    EXPECT_EQ(decoded.subtype(), 0);
    EXPECT_TRUE(decoded.name().isEmpty());
    EXPECT_FALSE(decoded.needsBuild());
}

TEST(NodeTypeDragData, IdentifierAndDataSurviveTheRoundTrip)
{
    NodeType type(1, 0, QStringLiteral("prog\u00e4m"));
    type.setFlags(NodeType::ChartElement);
    type.addSubtypeData(42);
    type.addSubtypeData(-7);
    const NodeType decoded(type.toByteArray());
    EXPECT_EQ(decoded.identifier(), QStringLiteral("prog\u00e4m"));
    EXPECT_EQ(decoded.subtypeData(0), 42);
    EXPECT_EQ(decoded.subtypeData(1), -7);
    EXPECT_EQ(decoded.subtypeData(2), 0);
}

TEST(NodeTypeDragData, EveryTruncationGivesAnEmptyDescriptor)
{
    NodeType type(12, 3, QStringLiteral("abc"));
    type.setFlags(NodeType::FunctionBlock | NodeType::ImageCycle);
    type.addSubtypeData(5);
    const QByteArray bytes = type.toByteArray();
    for (qsizetype length = 0; length < bytes.size(); ++length) {
        const NodeType decoded(bytes.left(length));
        EXPECT_EQ(decoded.maintype(), 0) << length;
        EXPECT_EQ(decoded.flags(), 0u) << length;
        EXPECT_TRUE(decoded.identifier().isEmpty()) << length;
        EXPECT_TRUE(decoded.subtypeDataList().isEmpty()) << length;
    }
}

TEST(NodeTypeDragData, HostileCountsAreBoundedByTheRemainingBytes)
{
    // Identifier length 0x7fffffff with no characters behind it, and a data count of
    // 0xffff with two entries behind it: both must fail fast, not loop or overread.
    const QByteArray hugeIdentifier = QByteArray::fromHex("0026000000050000"
                                                          "7fffffff"
                                                          "0041");
    const QByteArray hugeData = QByteArray::fromHex("0026000000050000"
                                                    "00000000"
                                                    "ffff"
                                                    "00000001"
                                                    "00000002");
    for (const QByteArray& bytes : {hugeIdentifier, hugeData}) {
        const NodeType decoded(bytes);
        EXPECT_EQ(decoded.maintype(), 0);
        EXPECT_TRUE(decoded.identifier().isEmpty());
        EXPECT_TRUE(decoded.subtypeDataList().isEmpty());
    }
}

// ---- box geometry ----

NodeType withSlots(int left, int right, int top, int bottom)
{
    NodeType type;
    const int counts[4] = {left, right, top, bottom};
    for (int side = 1; side <= 4; ++side) {
        for (int i = 0; i < counts[side - 1]; ++i)
            type.addValueSlot(QStringLiteral("S"), SlotSpec::Input, side, 0.0f);
    }
    type.layout();
    return type;
}

TEST(NodeTypeLayout, FrameAndIconForSeveralSlotCounts)
{
    struct Case
    {
        int l, r, t, b;
        QRect frame;
        QRect icon;
    };
    const Case cases[] = {
        {0, 0, 0, 0, QRect(2, 2, 27, 27), QRect(QPoint(3, 3), QPoint(27, 27))},
        {1, 1, 0, 0, QRect(4, 2, 47, 27), QRect(QPoint(15, 3), QPoint(39, 27))},
        {3, 1, 0, 0, QRect(4, 4, 47, 35), QRect(QPoint(15, 9), QPoint(39, 33))},
        {4, 0, 0, 0, QRect(4, 4, 37, 47), QRect(0, 0, 25, 25)},
        {4, 1, 1, 1, QRect(4, 4, 47, 47 + 24 + 24), QRect(0, 0, 25, 25)},
        {3, 0, 2, 0, QRect(4, 4, 37, 35 + 12), QRect(0, 0, 25, 25)},
        {0, 0, 3, 0, QRect(4, 4, 35, 37), QRect(0, 0, 25, 25)},
    };
    for (const Case& c : cases) {
        const NodeType type = withSlots(c.l, c.r, c.t, c.b);
        SCOPED_TRACE(testing::Message() << c.l << c.r << c.t << c.b);
        EXPECT_EQ(type.frameRect(), c.frame);
        if (c.icon.topLeft() != QPoint(0, 0)) {
            EXPECT_EQ(type.iconRect(), c.icon);
        }
        EXPECT_EQ(type.iconRect().size(), QSize(25, 25));
        EXPECT_TRUE(type.frameRect().contains(type.iconRect()));
        const QRect& f = type.frameRect();
        EXPECT_EQ(type.selectRect(), QRect(f.left() - 2, f.top() - 2, f.width() + 4, f.height() + 4));
        EXPECT_EQ(type.textRect().topLeft(), QPoint(type.selectRect().left() + 2, type.selectRect().bottom() + 1));
    }
}

TEST(NodeTypeLayout, WorkedExampleSlotSquares)
{
    const NodeType oneEach = withSlots(1, 1, 0, 0);
    EXPECT_EQ(oneEach.slotSpec(1, 0).rect(), QRect(4, 10, 11, 11));
    EXPECT_EQ(oneEach.slotSpec(2, 0).rect(), QRect(40, 10, 11, 11));
    EXPECT_EQ(oneEach.iconCentre(), QPoint(27, 15));
    EXPECT_EQ(oneEach.selectRect(), QRect(2, 0, 51, 31));
    EXPECT_EQ(oneEach.textRect().topLeft(), QPoint(4, 31));

    const NodeType threeLeft = withSlots(3, 1, 0, 0);
    EXPECT_EQ(threeLeft.slotSpec(1, 0).rect().top(), 4);
    EXPECT_EQ(threeLeft.slotSpec(1, 1).rect().top(), 16);
    EXPECT_EQ(threeLeft.slotSpec(1, 2).rect().top(), 28);
    EXPECT_EQ(threeLeft.slotSpec(2, 0).rect().top(), 16);
}

TEST(NodeTypeLayout, SquaresAreSymmetricAboutTheIconCentreAndOnTheFrameEdges)
{
    for (int n = 1; n <= 6; ++n) {
        const NodeType type = withSlots(n, n, n, n);
        SCOPED_TRACE(n);
        const QPoint centre = type.iconCentre();
        const QRect& frame = type.frameRect();
        for (int side = 1; side <= 4; ++side) {
            const SlotSpec& first = type.slotSpec(side, 0);
            const SlotSpec& last = type.lastSlotSpec(side);
            const bool vertical = side <= 2;
            const int firstCentre = vertical ? first.rect().center().y() : first.rect().center().x();
            const int lastCentre = vertical ? last.rect().center().y() : last.rect().center().x();
            const int middle = vertical ? centre.y() : centre.x();
            EXPECT_EQ(firstCentre + lastCentre, 2 * middle) << "side " << side;
            EXPECT_EQ(lastCentre - firstCentre, 12 * (n - 1));
            EXPECT_EQ(first.dockOffset(), QPoint(5, 5));
        }
        EXPECT_EQ(type.slotSpec(1, 0).rect().left(), frame.left());
        EXPECT_EQ(type.slotSpec(2, 0).rect().right(), frame.right());
        EXPECT_EQ(type.slotSpec(3, 0).rect().top(), frame.top());
        EXPECT_EQ(type.slotSpec(4, 0).rect().bottom(), frame.bottom());
        EXPECT_EQ(type.slotSpec(1, 0).tipOffset(), QPoint(0, 5));
        EXPECT_EQ(type.slotSpec(2, 0).tipOffset(), QPoint(11, 5));
        EXPECT_EQ(type.slotSpec(3, 0).tipOffset(), QPoint(0, -11));
        EXPECT_EQ(type.slotSpec(4, 0).tipOffset(), QPoint(0, 22));
    }
}

TEST(NodeTypeLayout, TwoSlotsSitOnePixelApartAroundTheCentreLine)
{
    const NodeType type = withSlots(2, 0, 0, 0);
    const int m = type.iconCentre().y();
    EXPECT_EQ(type.slotSpec(1, 0).rect().top(), m - 11);
    EXPECT_EQ(type.slotSpec(1, 1).rect().top(), m + 1);
}

} // namespace
