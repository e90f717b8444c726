#include "program_helper.h"

#include "DataSlot.h"
#include "NodeFactory.h"
#include "State.h"
#include "StateManager.h"
#include "StateNode.h"
#include "WorkspaceFile.h"
#include "XmlAccess.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class NodeElement : public ::testing::Test
{
protected:
    void SetUp() override { registerTestBlocks(); }

    void TearDown() override
    {
        for (State* program : loaded) {
            manager.remove(program);
            delete program;
        }
    }

    State* load(const QString& body)
    {
        State* program = loadProgram(manager, workspace::model(body));
        if (program)
            loaded.append(program);
        return program;
    }

    RecordingBlock* loadOne(const QString& nodeText)
    {
        State* program = load(nodeText);
        if (!program || program->nodes().size() != 1)
            return nullptr;
        return static_cast<RecordingBlock*>(program->nodes().first());
    }

    // The node element the block writes, as text.
    static QByteArray written(StateNode* block)
    {
        xmlDoc* document = xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0"));
        xmlNode* root = xmlNewNode(nullptr, reinterpret_cast<const xmlChar*>("model"));
        xmlDocSetRootElement(document, root);
        EXPECT_TRUE(block->saveXml(root));
        const QByteArray text = WorkspaceFile::serialize(document);
        xmlFreeDoc(document);
        return text;
    }

    StateManager manager;
    QList<State*> loaded;
};

QString blockWith(const QString& inner, const QString& attributes = QString())
{
    return workspace::node(5, RecordingBlock::kind, 60, 66, QStringLiteral("block"), inner, attributes);
}

} // namespace

TEST_F(NodeElement, WritesItsItemsInOrder)
{
    RecordingBlock* block = loadOne(workspace::node(4, RecordingBlock::kind, 60, 66, QStringLiteral("Adder")));
    ASSERT_TRUE(block);
    block->parameterMap = {{QStringLiteral("zeta"), QStringLiteral("2")},
                           {QStringLiteral("alpha"), QStringLiteral("1")}};
    auto* input = dynamic_cast<DataSlot*>(block->slot(SlotSpec::Left, 1));
    ASSERT_TRUE(input);
    input->setTransform(2);
    input->setParameter(0, 3.14159265f);
    input->setParameter(1, 0.5f);
    input->setParameter(3, 1234567.0f);

    const QByteArray text = written(block);
    const QByteArray expected = "<node id=\"1\" maintype=\"200\" subtype=\"0\" identifier=\"\" active=\"1\">\n"
                                "    <name>Adder</name>\n"
                                "    <param name=\"alpha\">1</param>\n"
                                "    <param name=\"zeta\">2</param>\n"
                                "    <workspace>\n"
                                "      <position x=\"60\" y=\"66\"/>\n"
                                "    </workspace>\n"
                                "    <slots nleft=\"2\" nright=\"1\" ntop=\"0\" nbottom=\"0\">\n"
                                "      <s1c0 func=\"0\" a=\"0\" b=\"0\" c=\"0\" d=\"0\"/>\n"
                                "      <s1c1 func=\"2\" a=\"3.14159\" b=\"0.5\" c=\"0\" d=\"1.23457e+06\"/>\n"
                                "      <s2c0 func=\"0\" a=\"0\" b=\"0\" c=\"0\" d=\"0\"/>\n"
                                "    </slots>\n"
                                "  </node>";
    EXPECT_TRUE(text.contains(expected)) << text.constData();
}

TEST_F(NodeElement, ReadsWhatItWrites)
{
    const QString inner =
        QStringLiteral("<param name=\"gain\">2.5</param><param name=\"empty\"/><param name=\"gain\">7</param>"
                       "<slots nleft=\"4\" nright=\"1\"><s1c0 func=\"2\" a=\"0.5\" b=\"1\"/><s1c3 func=\"1\" d=\"-2\"/>"
                       "<s9c9 func=\"3\"/></slots>");
    RecordingBlock* block = loadOne(blockWith(inner));
    ASSERT_TRUE(block);
    EXPECT_EQ(block->type()->leftSlotCount(), 4u) << "stored count above the kind's raises it";
    EXPECT_EQ(block->parameterMap.value(QStringLiteral("gain")), QStringLiteral("7"))
        << "a repeated key keeps the later value";
    EXPECT_TRUE(block->parameterMap.contains(QStringLiteral("empty")));
    EXPECT_TRUE(block->parameterMap.value(QStringLiteral("empty")).isNull());

    auto* first = dynamic_cast<DataSlot*>(block->slot(SlotSpec::Left, 0));
    auto* fourth = dynamic_cast<DataSlot*>(block->slot(SlotSpec::Left, 3));
    ASSERT_TRUE(first && fourth);
    EXPECT_EQ(first->transform(), 2);
    EXPECT_EQ(first->parameter(0), 0.5f);
    EXPECT_EQ(first->parameter(1), 1.0f);
    EXPECT_EQ(first->parameter(2), 0.0f);
    EXPECT_EQ(first->parameter(3), 0.0f);
    EXPECT_EQ(fourth->transform(), 1);
    EXPECT_EQ(fourth->parameter(3), -2.0f);
}

TEST_F(NodeElement, StoredCountsNeverLowerTheKindsCounts)
{
    RecordingBlock* block = loadOne(blockWith(QStringLiteral("<slots nleft=\"1\" nright=\"0\"/>")));
    ASSERT_TRUE(block);
    EXPECT_EQ(block->type()->leftSlotCount(), 2u);
    EXPECT_EQ(block->type()->rightSlotCount(), 1u);
}

TEST_F(NodeElement, StoredCountsAboveTheLimitAreClampedToIt)
{
    RecordingBlock* block = loadOne(blockWith(QStringLiteral("<slots nleft=\"100000\" nright=\"101\"/>")));
    ASSERT_TRUE(block);
    EXPECT_EQ(block->type()->leftSlotCount(), StateNode::maximumSlotsPerSide);
    EXPECT_EQ(block->type()->rightSlotCount(), StateNode::maximumSlotsPerSide);
}

TEST_F(NodeElement, ActiveUnlessTheAttributeIsExactlyZero)
{
    struct Case
    {
        QString attributes;
        bool active;
    };
    const Case cases[] = {
        {QString(), true},
        {QStringLiteral(" active=\"0\""), false},
        {QStringLiteral(" active=\"yes\""), true},
        {QStringLiteral(" active=\"00\""), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.attributes.toStdString());
        QString text = blockWith(QString());
        text.replace(QStringLiteral(" active=\"1\""), c.attributes);
        RecordingBlock* block = loadOne(text);
        ASSERT_TRUE(block);
        EXPECT_EQ(block->isActive(), c.active);
    }
}

TEST_F(NodeElement, LegacyMaintype39LoadsTheGateThatReplacedIt)
{
    QString text = blockWith(QString());
    text.replace(QStringLiteral("maintype=\"200\" subtype=\"0\""), QStringLiteral("maintype=\"39\" subtype=\"1\""));
    State* program = load(text);
    ASSERT_TRUE(program);
    ASSERT_EQ(program->nodes().size(), 1);
    const NodeType* type = program->nodes().first()->type();
    EXPECT_EQ(type->maintype(), OrGateStandIn::kind);
    EXPECT_EQ(type->subtype(), 0);
}

TEST_F(NodeElement, MarkupInNamesAndParametersSurvives)
{
    const QString name = QStringLiteral("a < b && c > \"d\" 'e' ümlaut");
    RecordingBlock* block = loadOne(blockWith(QString()));
    ASSERT_TRUE(block);
    block->setName(name);
    block->parameterMap.insert(QStringLiteral("text"), QStringLiteral("<tag attr=\"x\">&amp;</tag>"));
    const QByteArray text = written(block);
    QString body = QString::fromUtf8(text);
    body = body.mid(body.indexOf(QStringLiteral("<node")));
    body.chop(body.size() - body.lastIndexOf(QStringLiteral("</model>")));
    RecordingBlock* again = loadOne(body);
    ASSERT_TRUE(again) << text.constData();
    EXPECT_EQ(again->type()->name(), name);
    EXPECT_EQ(again->parameterMap.value(QStringLiteral("text")), QStringLiteral("<tag attr=\"x\">&amp;</tag>"));
}

TEST_F(NodeElement, DialogGeometryIsKeptInsideTheDialogArea)
{
    struct Case
    {
        QString dialog;
        QPoint position;
        QSize size;
    };
    const Case cases[] = {
        {QStringLiteral("x=\"40\" y=\"60\" width=\"200\" height=\"120\""), {40, 60}, {200, 120}},
        {QStringLiteral("x=\"-50\" y=\"5000\" width=\"10\" height=\"99999\""), {0, 0}, {120, 2000}},
        {QStringLiteral("x=\"1990\" y=\"abc\""), {1880, 0}, {120, 60}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dialog.toStdString());
        QString text = blockWith(QString());
        text.replace(QStringLiteral("</workspace>"), QStringLiteral("<dialog %1/></workspace>").arg(c.dialog));
        RecordingBlock* block = loadOne(text);
        ASSERT_TRUE(block);
        EXPECT_TRUE(block->dialogWasOpen());
        EXPECT_EQ(block->dialogPos(), c.position);
        EXPECT_EQ(block->dialogSize(), c.size);
        // Without a program window nobody could re-open the dialog: the geometry is
        // written back rather than lost.
        EXPECT_TRUE(written(block).contains(QStringLiteral("<dialog x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\"/>")
                                                .arg(c.position.x())
                                                .arg(c.position.y())
                                                .arg(c.size.width())
                                                .arg(c.size.height())
                                                .toUtf8()));
    }
    RecordingBlock* closed = loadOne(blockWith(QString()));
    ASSERT_TRUE(closed);
    EXPECT_FALSE(closed->dialogWasOpen());
    EXPECT_FALSE(written(closed).contains("<dialog"));
}

TEST_F(NodeElement, FailuresFailTheWholeFile)
{
    struct Case
    {
        const char* name;
        QString from, to;
    };
    const Case cases[] = {
        {"maintype 0", QStringLiteral("maintype=\"200\""), QStringLiteral("maintype=\"0\"")},
        {"maintype missing", QStringLiteral("maintype=\"200\""), QString()},
        {"maintype not a number", QStringLiteral("maintype=\"200\""), QStringLiteral("maintype=\"2OO\"")},
        {"maintype beyond 16 bits", QStringLiteral("maintype=\"200\""), QStringLiteral("maintype=\"65736\"")},
        {"no such kind", QStringLiteral("maintype=\"200\""), QStringLiteral("maintype=\"7\"")},
        {"legacy 39 with subtype 3", QStringLiteral("maintype=\"200\" subtype=\"0\""),
         QStringLiteral("maintype=\"39\" subtype=\"3\"")},
        {"no name", QStringLiteral("<name>block</name>"), QString()},
        {"no workspace", QStringLiteral("<workspace><position x=\"60\" y=\"66\"/></workspace>"), QString()},
        {"no position", QStringLiteral("<position x=\"60\" y=\"66\"/>"), QString()},
        {"x zero", QStringLiteral("x=\"60\""), QStringLiteral("x=\"0\"")},
        {"y negative", QStringLiteral("y=\"66\""), QStringLiteral("y=\"-6\"")},
        {"x missing", QStringLiteral("x=\"60\""), QString()},
        {"y not a number", QStringLiteral("y=\"66\""), QStringLiteral("y=\"6a\"")},
        {"param without name", QStringLiteral("<name>block</name>"),
         QStringLiteral("<name>block</name><param>1</param>")},
        {"param with empty name", QStringLiteral("<name>block</name>"),
         QStringLiteral("<name>block</name><param name=\"\">1</param>")},
    };
    const QString good = workspace::node(1, RecordingBlock::kind, 120, 66);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString bad = blockWith(QString());
        ASSERT_TRUE(bad.contains(c.from));
        bad.replace(c.from, c.to);
        EXPECT_EQ(load(good + bad), nullptr);
        EXPECT_TRUE(manager.isEmpty()) << "a failed load reserves no id";
    }
    EXPECT_TRUE(load(good + blockWith(QString()))) << "the unchanged file loads";
}

TEST_F(NodeElement, IgnoresWhatItDoesNotKnow)
{
    const QString inner = QStringLiteral("<colour>red</colour><!-- note --><slots><s1c7 func=\"1\"/><bogus/></slots>");
    EXPECT_TRUE(loadOne(blockWith(inner)));
}

TEST(XmlAccess, AttributesAndChildElements)
{
    WorkspaceFile file;
    ASSERT_TRUE(file.parse(
        "<model type=\"state\" empty=\"\" text=\"&lt;&#252;&gt;\"><!--c--><info/>x<node/><node id=\"2\"/></model>"));
    xmlNode* root = file.root();
    EXPECT_EQ(attributeText(root, QStringLiteral("type")), QStringLiteral("state"));
    EXPECT_EQ(attributeText(root, QStringLiteral("text")), QStringLiteral("<\u00fc>"));
    EXPECT_TRUE(attributeText(root, QStringLiteral("empty")).isEmpty());
    EXPECT_TRUE(attributeText(root, QStringLiteral("missing")).isEmpty());
    EXPECT_TRUE(attributeText(nullptr, QStringLiteral("type")).isEmpty());
    xmlNode* node = childElement(root, QStringLiteral("node"));
    ASSERT_TRUE(node);
    EXPECT_TRUE(attributeText(node, QStringLiteral("id")).isEmpty()) << "the first of two";
    EXPECT_EQ(childElement(root, QStringLiteral("net")), nullptr);
    EXPECT_EQ(childElement(nullptr, QStringLiteral("node")), nullptr);
}

TEST(BlockRegistry, LooksUpFactoriesByMaintype)
{
    registerTestBlocks();
    EXPECT_EQ(StateNode::create(nullptr, nullptr, NodeType(7, 0, QString()), 1), nullptr);
    EXPECT_EQ(nodeFactories().value(RecordingBlock::kind), &RecordingBlock::create);

    const NodeType first = RecordingBlock::nodeType();
    const NodeType second = RecordingBlock::nodeType();
    EXPECT_EQ(second.slotCount(), first.slotCount()) << "a second call builds nothing again";
    EXPECT_EQ(second.subtypeCount(), first.subtypeCount());
    EXPECT_EQ(second.flags(), 5u);

    EXPECT_EQ(StateNode::baseType().flags(), 1u);
    EXPECT_EQ(StateNode::baseType().subtypeCount(), 0u);
    EXPECT_TRUE(Node::baseType().needsBuild());
    EXPECT_EQ(Node::baseType().flags(), 0u);
}

TEST(BlockRegistry, MapsLegacyMaintypes)
{
    struct Case
    {
        unsigned maintype, subtype, newMaintype, newSubtype;
    };
    const Case cases[] = {{39, 0, 48, 0}, {39, 1, 49, 0}, {39, 2, 50, 0}, {39, 3, 39, 3}, {48, 2, 48, 2}, {0, 0, 0, 0}};
    for (const Case& c : cases) {
        unsigned maintype = 1234;
        unsigned subtype = 1234;
        mapLegacyNodeType(c.maintype, c.subtype, maintype, subtype);
        EXPECT_EQ(maintype, c.newMaintype) << c.maintype << "/" << c.subtype;
        EXPECT_EQ(subtype, c.newSubtype) << c.maintype << "/" << c.subtype;
    }
}
