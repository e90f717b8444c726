// Nets: drawing, join rules, the net element, and splitting, merging and pruning.
#include "Net.h"
#include "NetLine.h"
#include "NetPoint.h"
#include "Slot.h"
#include "XmlAccess.h"
#include "spine_helper.h"

#include <QGraphicsScene>
#include <QSet>

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

const QString denied = QStringLiteral("Connection denied: ");

struct XmlDocDeleter
{
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
using XmlDoc = std::unique_ptr<xmlDoc, XmlDocDeleter>;

QStringList childNames(xmlNode* element)
{
    QStringList names;
    for (xmlNode* child = element->children; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE)
            names << QString::fromUtf8(reinterpret_cast<const char*>(child->name));
    }
    return names;
}

XmlDoc parse(const QByteArray& text)
{
    return XmlDoc(xmlReadMemory(text.constData(), static_cast<int>(text.size()), nullptr, "UTF-8",
                                XML_PARSE_RECOVER | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_NONET));
}

// Every line joins docks of its net and is listed by both; lines form one tree.
void expectConsistent(const Net* net)
{
    QSet<const NetDock*> docks;
    for (const Slot* slot : net->sources())
        docks.insert(slot);
    for (const Slot* slot : net->targets())
        docks.insert(slot);
    for (const NetPoint* point : net->points())
        docks.insert(point);
    for (const NetLine* line : net->lines()) {
        ASSERT_TRUE(docks.contains(line->start()));
        ASSERT_TRUE(docks.contains(line->end()));
        EXPECT_TRUE(line->start()->lines().contains(const_cast<NetLine*>(line)));
        EXPECT_TRUE(line->end()->lines().contains(const_cast<NetLine*>(line)));
        EXPECT_EQ(line->net(), net);
    }
    EXPECT_EQ(net->lines().size(), docks.size() - 1);
}

class NetTest : public ::testing::Test
{
protected:
    RecordingShell shell;
    SpineTestProgram program;
    SpineTestNode* source = nullptr;
    SpineTestNode* sinkA = nullptr;
    SpineTestNode* sinkB = nullptr;

    void SetUp() override
    {
        source = program.place(spine::valueBlock(0, 1), QPoint(60, 120));
        sinkA = program.place(spine::valueBlock(2, 0), QPoint(360, 60));
        sinkB = program.place(spine::valueBlock(1, 1), QPoint(360, 240));
    }

    Slot* out() const { return source->slot(SlotSpec::Right, 0); }
    Slot* inA() const { return sinkA->slot(SlotSpec::Left, 0); }
    Slot* inB() const { return sinkB->slot(SlotSpec::Left, 0); }

    // Output to a junction at (180, 120), on to input A and, through a corner, to input B.
    Net* drawBranchedNet()
    {
        Net* net = new Net(program.canvas(), &program);
        net->connectDock(out());
        net->addPoint(QPoint(180, 120));
        net->connectDock(inA());
        program.addNet(net);
        NetPoint* junction = net->points().first();
        Net* branch = new Net(program.canvas(), &program);
        branch->connectDock(inB());
        branch->addPoint(QPoint(240, 240));
        branch->connectDock(junction);
        program.mergeNet(branch, junction);
        return net;
    }

    QByteArray saved(const Net* net)
    {
        XmlDoc doc(xmlNewDoc(BAD_CAST "1.0"));
        xmlNode* root = xmlNewNode(nullptr, BAD_CAST "root");
        xmlDocSetRootElement(doc.get(), root);
        net->save(root);
        xmlChar* text = nullptr;
        int size = 0;
        xmlDocDumpFormatMemoryEnc(doc.get(), &text, &size, "UTF-8", 1);
        const QByteArray result(reinterpret_cast<const char*>(text), size);
        xmlFree(text);
        return result;
    }

    Net* loadFrom(const QByteArray& text)
    {
        XmlDoc doc = parse(text);
        if (!doc)
            return nullptr;
        return Net::load(program.canvas(), &program, childElement(xmlDocGetRootElement(doc.get()), "net"), nullptr);
    }

    QByteArray withSlots(const QString& body)
    {
        return QStringLiteral("<root><net id=\"4\">%1</net></root>").arg(body).toUtf8();
    }

    QString slotXml(const Node* node, int side, int channel, int id)
    {
        return QStringLiteral("<slot nodeid=\"%1\" channel=\"%2\" position=\"%3\" id=\"%4\"/>")
            .arg(node->id())
            .arg(channel)
            .arg(side)
            .arg(id);
    }
};

TEST_F(NetTest, DrawingAddsSlotsPointsAndLinesAndTellsTheBlocksOnce)
{
    Net net(program.canvas(), &program);
    net.connectDock(out());
    EXPECT_EQ(source->connectionChanges, 0);
    ASSERT_NE(net.currentLine(), nullptr);
    net.addPoint(QPoint(181, 125));
    net.addPoint(QPoint(240, 125));
    net.connectDock(inA());
    EXPECT_EQ(net.currentLine(), nullptr);
    EXPECT_EQ(net.sources(), QList<Slot*>({out()}));
    EXPECT_EQ(net.targets(), QList<Slot*>({inA()}));
    ASSERT_EQ(net.points().size(), 2);
    EXPECT_EQ(net.points().at(0)->position(), QPoint(180, 126));
    EXPECT_EQ(net.points().at(0)->number(), 1u);
    EXPECT_EQ(net.points().at(1)->number(), 2u);
    EXPECT_EQ(net.lines().size(), 3);
    EXPECT_EQ(net.lines().last()->endPoint(), inA()->position());
    EXPECT_EQ(source->connectionChanges, 1);
    EXPECT_EQ(sinkA->connectionChanges, 1);
    EXPECT_EQ(net.dataType(), 0x16);
    EXPECT_TRUE(net.hasType(0x06));
    EXPECT_FALSE(net.hasType(0x0A));
    expectConsistent(&net);
    EXPECT_FALSE(net.joinsNodeOf(inB()));
}

TEST_F(NetTest, StraightLineBackToTheSameBlockIsRecognised)
{
    Net net(program.canvas(), &program);
    net.connectDock(sinkB->slot(SlotSpec::Right, 0));
    EXPECT_TRUE(net.joinsNodeOf(inB()));
    net.addPoint(QPoint(420, 300));
    EXPECT_FALSE(net.joinsNodeOf(inB()));
    EXPECT_EQ(Net(program.canvas(), &program).dataType(), 0);
    EXPECT_TRUE(Net(program.canvas(), &program).hasType(0));
    EXPECT_FALSE(Net(program.canvas(), &program).hasType(0x02));
}

TEST_F(NetTest, JoinRulesOfLinesAndPoints)
{
    Net* net = drawBranchedNet();
    NetLine* line = net->lines().first();
    NetPoint* point = net->points().first();

    EXPECT_TRUE(line->canConnect(nullptr));
    EXPECT_FALSE(line->canConnect(net));
    EXPECT_EQ(line->statusText(), denied + "Loop.");
    line->setConnectable(net);
    EXPECT_FALSE(line->isConnectable());
    EXPECT_FALSE(point->canConnect(net));
    EXPECT_EQ(shell.lastMessage(), denied + "Loop.");

    SpineTestNode* vectors = program.place(spine::vectorBlock(1, 0), QPoint(600, 60));
    Net vectorNet(program.canvas(), &program);
    vectorNet.connectDock(vectors->slot(SlotSpec::Left, 0));
    EXPECT_FALSE(point->canConnect(&vectorNet));
    EXPECT_EQ(shell.lastMessage(), denied + "Incompatible datatypes.");
    EXPECT_TRUE(line->canConnect(&vectorNet)); // lines check no types
    EXPECT_EQ(shell.lastMessage(), QStringLiteral("Nets can be connected."));

    Net fromOutput(program.canvas(), &program);
    fromOutput.connectDock(sinkB->slot(SlotSpec::Right, 0));
    EXPECT_FALSE(point->canConnect(&fromOutput));
    EXPECT_EQ(shell.lastMessage(), denied + "Only one output per net.");
    EXPECT_FALSE(line->canConnect(&fromOutput));
    EXPECT_EQ(shell.lastMessage(), denied + "Only one output per net.");

    Net toSameInput(program.canvas(), &program);
    toSameInput.connectDock(inA());
    EXPECT_FALSE(line->canConnect(&toSameInput));
    EXPECT_EQ(shell.lastMessage(), denied + "Double connection.");

    Net freshInput(program.canvas(), &program);
    freshInput.connectDock(sinkA->slot(SlotSpec::Left, 1));
    EXPECT_TRUE(point->canConnect(&freshInput));
    EXPECT_EQ(shell.lastMessage(), QStringLiteral("Netpoint and net can be connected."));
}

TEST_F(NetTest, TransitionPointRefusesSlotsItAlreadyJoins)
{
    SpineTestNode* from = program.place(spine::transitionBlock(0, 1), QPoint(60, 420));
    SpineTestNode* to = program.place(spine::transitionBlock(1, 0), QPoint(60, 660));
    Net* net = new Net(program.canvas(), &program);
    net->connectDock(from->slot(SlotSpec::Bottom, 0));
    net->addPoint(QPoint(60, 540));
    net->connectDock(to->slot(SlotSpec::Top, 0));
    program.addNet(net);
    Net again(program.canvas(), &program);
    again.connectDock(to->slot(SlotSpec::Top, 0));
    EXPECT_FALSE(net->points().first()->canConnect(&again));
    EXPECT_EQ(shell.lastMessage(), denied + "The new net connects to slots already connected to this netpoint.");
}

TEST_F(NetTest, PointsSnapToTheGridAndBoundTheNet)
{
    Net* net = drawBranchedNet();
    NetPoint* point = net->points().first();
    point->moveTo(QPoint(10, 13));
    EXPECT_EQ(point->position(), QPoint(12, 12));
    point->moveTo(QPoint(8, 8));
    EXPECT_EQ(point->position(), QPoint(6, 6));
    for (NetLine* line : point->lines()) {
        const bool startsHere = line->start() == point;
        EXPECT_EQ(startsHere ? line->startPoint() : line->endPoint(), QPoint(6, 6));
    }

    Net lone(program.canvas(), &program);
    EXPECT_EQ(lone.boundingRect(), QRect());
    const QRect bounds = net->boundingRect();
    for (const QPoint p : {out()->position(), inA()->position(), inB()->position(), QPoint(6, 6)})
        EXPECT_TRUE(bounds.contains(p));
    EXPECT_EQ(bounds.left(), 6);
    EXPECT_EQ(bounds.right(), inA()->position().x());
}

TEST_F(NetTest, SavedElementListsTargetsFirstWithIdsAfterThePoints)
{
    Net* net = drawBranchedNet();
    net->renumberPoints();
    XmlDoc doc = parse(saved(net));
    xmlNode* element = childElement(xmlDocGetRootElement(doc.get()), "net");
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(childNames(element),
              QStringList({"slot", "slot", "slot", "point", "point", "line", "line", "line", "line"}));
    xmlNode* firstSlot = childElement(element, "slot");
    EXPECT_EQ(attributeText(firstSlot, "nodeid"), QString::number(sinkA->id()));
    EXPECT_EQ(attributeText(firstSlot, "channel"), QStringLiteral("0"));
    EXPECT_EQ(attributeText(firstSlot, "position"), QStringLiteral("1"));
    EXPECT_EQ(attributeText(firstSlot, "id"), QStringLiteral("3")); // next point number
    EXPECT_EQ(attributeText(childElement(element, "point"), "id"), QStringLiteral("1"));
    EXPECT_EQ(attributeText(childElement(element, "point"), "x"), QStringLiteral("180"));
    EXPECT_EQ(attributeText(element, "id"), QString::number(net->id()));
}

TEST_F(NetTest, SavedNetLoadsBackWithTheSameSlotsPointsAndLines)
{
    Net* net = drawBranchedNet();
    net->points().first()->moveTo(QPoint(198, 126));
    ASSERT_NE(program.insertNetPoint(net->lines().first(), QPoint(150, 126)), nullptr);
    ASSERT_EQ(net->points().size(), 3);
    const QByteArray text = saved(net);
    auto describe = [](const Net* n) {
        QStringList parts;
        for (const Slot* s : n->targets())
            parts << QStringLiteral("T%1/%2").arg(s->owner()->id()).arg(s->spec().index());
        for (const Slot* s : n->sources())
            parts << QStringLiteral("S%1/%2").arg(s->owner()->id()).arg(s->spec().index());
        for (const NetPoint* p : n->points())
            parts << QStringLiteral("P%1@%2,%3").arg(p->number()).arg(p->position().x()).arg(p->position().y());
        for (const NetLine* l : n->lines())
            parts << QStringLiteral("L%1,%2-%3,%4")
                         .arg(l->startPoint().x())
                         .arg(l->startPoint().y())
                         .arg(l->endPoint().x())
                         .arg(l->endPoint().y());
        return parts;
    };
    const QStringList before = describe(net);
    const unsigned id = net->id();
    program.removeNet(net);
    EXPECT_TRUE(out()->lines().isEmpty());

    Net* loaded = loadFrom(text);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(describe(loaded), before);
    EXPECT_EQ(loaded->id(), id);
    expectConsistent(loaded);
    EXPECT_EQ(out()->lines().size(), 1);
    delete loaded;
    EXPECT_TRUE(out()->lines().isEmpty());
    EXPECT_TRUE(inB()->lines().isEmpty());
}

TEST_F(NetTest, LoaderAcceptsAndRejectsByTheElementRules)
{
    const QString a = slotXml(source, 2, 0, 10);
    const QString b = slotXml(sinkA, 1, 0, 11);
    const QString c = slotXml(sinkB, 1, 0, 12);
    const QString otherOutput = slotXml(sinkB, 2, 0, 13);
    const QString line = QStringLiteral("<line startid=\"10\" endid=\"11\"/>");
    struct Case
    {
        const char* what;
        QString body;
        bool loads;
    };
    const Case cases[] = {
        {"plain", a + b + line, true},
        {"xml comment ignored", a + "<!-- note -->" + b + line, true},
        {"through a point",
         a + b
             + "<point x=\"180\" y=\"120\" id=\"7\"/><line startid=\"10\" endid=\"7\"/>"
               "<line startid=\"7\" endid=\"11\"/>",
         true},
        {"only slots", a + b, false},
        {"element comment", a + b + line + "<comment/>", false},
        {"slot id 0", slotXml(source, 2, 0, 0) + b + line, false},
        {"unknown block", QStringLiteral("<slot nodeid=\"77\" channel=\"0\" position=\"2\" id=\"10\"/>") + b + line,
         false},
        {"no such channel", slotXml(source, 2, 3, 10) + b + line, false},
        {"no such side", slotXml(source, 9, 0, 10) + b + line, false},
        {"point id 0", a + b + "<point x=\"1\" y=\"1\" id=\"0\"/>" + line, false},
        {"line to nowhere", a + b + "<line startid=\"10\" endid=\"99\"/>", false},
        {"line id 0", a + b + "<line startid=\"0\" endid=\"11\"/>", false},
        // Not a tree:
        {"two outputs on a data net", a + otherOutput + b + line + "<line startid=\"13\" endid=\"11\"/>", false},
        {"slot listed twice", a + b + slotXml(sinkA, 1, 0, 14) + line + "<line startid=\"10\" endid=\"14\"/>", false},
        {"line to itself", a + b + line + "<line startid=\"11\" endid=\"11\"/>", false},
        {"cycle", a + b + line + line, false},
        {"parts apart", a + b + c + slotXml(sinkB, 2, 0, 13) + line + "<line startid=\"13\" endid=\"12\"/>", false},
        {"loose point", a + b + line + "<point x=\"1\" y=\"1\" id=\"3\"/>", false},
    };
    for (const Case& test : cases) {
        Net* net = loadFrom(withSlots(test.body));
        EXPECT_EQ(net != nullptr, test.loads) << test.what;
        if (net) {
            expectConsistent(net);
            delete net;
        }
        EXPECT_TRUE(out()->lines().isEmpty()) << test.what;
        EXPECT_TRUE(inA()->lines().isEmpty()) << test.what;
    }
}

TEST_F(NetTest, LoaderRejectsSlotsOfDifferingKinds)
{
    SpineTestNode* vectors = program.place(spine::vectorBlock(1, 0), QPoint(600, 60));
    Net* net = loadFrom(
        withSlots(slotXml(source, 2, 0, 10) + slotXml(vectors, 1, 0, 11) + "<line startid=\"10\" endid=\"11\"/>"));
    EXPECT_EQ(net, nullptr);
    EXPECT_TRUE(vectors->slot(SlotSpec::Left, 0)->lines().isEmpty());
}

TEST_F(NetTest, LoadedPointNumberRaisesTheNextNumberAndIdsMap)
{
    const QString body = slotXml(source, 2, 0, 10) + slotXml(sinkA, 1, 0, 11)
        + "<point x=\"180.4\" y=\"bad\" id=\"7\"/><line startid=\"10\" endid=\"7\"/><line startid=\"7\" endid=\"11\"/>";
    Net* net = loadFrom(withSlots(body));
    ASSERT_NE(net, nullptr);
    EXPECT_EQ(net->nextPointNumber(), 8u);
    EXPECT_EQ(net->points().first()->position(), QPoint(180, 0));
    delete net;

    // Stored block ids translated through the map of the clipboard or undo stack.
    const QString stored = QStringLiteral("<slot nodeid=\"501\" channel=\"0\" position=\"2\" id=\"10\"/>"
                                          "<slot nodeid=\"502\" channel=\"0\" position=\"1\" id=\"11\"/>"
                                          "<line startid=\"10\" endid=\"11\"/>");
    XmlDoc doc = parse(withSlots(stored));
    xmlNode* element = childElement(xmlDocGetRootElement(doc.get()), "net");
    const QMap<unsigned, unsigned> ids {{501, source->id()}, {502, sinkA->id()}};
    Net* mapped = Net::load(program.canvas(), &program, element, &ids);
    ASSERT_NE(mapped, nullptr);
    EXPECT_EQ(mapped->targets(), QList<Slot*>({inA()}));
    delete mapped;
    const QMap<unsigned, unsigned> partial {{501, source->id()}};
    EXPECT_EQ(Net::load(program.canvas(), &program, element, &partial), nullptr);
}

// Every prefix of a saved net and a set of mutations: each loads as a proper tree or
// is dropped; none crashes or leaves lines behind at the slots.
TEST_F(NetTest, TruncatedAndMutatedElementsLoadCleanlyOrNotAtAll)
{
    Net* net = drawBranchedNet();
    const QByteArray text = saved(net);
    program.removeNet(net);

    QList<QByteArray> variants;
    for (qsizetype length = 0; length <= text.size(); ++length)
        variants << text.left(length);
    auto replaced = [&text](const char* from, const char* to) {
        QByteArray copy = text;
        return copy.replace(from, to);
    };
    variants << replaced("position=\"1\"", "position=\"2\""); // inputs become outputs
    variants << replaced("channel=\"0\" position=\"2\"", "channel=\"0\" position=\"1\""); // output becomes input
    variants << replaced("id=\"3\"", "id=\"1\""); // slot id collides with the point
    variants << replaced("startid=\"1\"", "startid=\"2\"");
    variants << replaced("endid=\"2\"", "endid=\"1\"");
    variants << replaced("<line", "<line startid=\"3\" endid=\"4\"/><line"); // a cycle
    variants << replaced("nodeid=\"" + QByteArray::number(sinkB->id()) + "\"",
                         "nodeid=\"" + QByteArray::number(sinkA->id()) + "\""); // duplicate slot
    variants << replaced("<point",
                         "<slot nodeid=\"" + QByteArray::number(sinkB->id())
                             + "\" channel=\"0\" position=\"2\" id=\"40\"/><line startid=\"40\" endid=\"1\"/><point");
    variants << replaced("x=\"", "x=\"1e300");
    variants << replaced("id=\"", "id=\"-");
    variants << replaced("id=\"", "id=\"4294967295");
    for (int cut = 0; cut < 9; ++cut) {
        // Drop one child element.
        XmlDoc doc = parse(text);
        xmlNode* element = childElement(xmlDocGetRootElement(doc.get()), "net");
        int index = 0;
        for (xmlNode* child = element->children; child; child = child->next) {
            if (child->type == XML_ELEMENT_NODE && index++ == cut) {
                xmlUnlinkNode(child);
                xmlFreeNode(child);
                break;
            }
        }
        xmlChar* dumped = nullptr;
        int size = 0;
        xmlDocDumpMemory(doc.get(), &dumped, &size);
        variants << QByteArray(reinterpret_cast<const char*>(dumped), size);
        xmlFree(dumped);
    }

    int loaded = 0;
    for (const QByteArray& variant : variants) {
        Net* result = loadFrom(variant);
        if (result) {
            ++loaded;
            expectConsistent(result);
            if (result->hasType(0x06)) {
                EXPECT_LE(result->sourceCount(), 1);
            }
            delete result;
        }
        for (const Node* node : {static_cast<Node*>(source), static_cast<Node*>(sinkA), static_cast<Node*>(sinkB)}) {
            for (const Slot* slot : node->slotList())
                EXPECT_TRUE(slot->lines().isEmpty());
        }
    }
    EXPECT_GT(loaded, 0); // the whole text at least
    EXPECT_LT(loaded, variants.size());
}

// ---- editing ----

TEST_F(NetTest, InsertedPointSplitsALineInTwo)
{
    Net* net = new Net(program.canvas(), &program);
    net->connectDock(out());
    net->connectDock(inA());
    program.addNet(net);
    NetLine* line = net->lines().first();
    NetPoint* point = program.insertNetPoint(line, QPoint(200, 100));
    ASSERT_NE(point, nullptr);
    EXPECT_EQ(point->position(), QPoint(198, 102));
    EXPECT_EQ(net->lines().size(), 2);
    EXPECT_EQ(point->lines().size(), 2);
    EXPECT_EQ(line->end(), point);
    EXPECT_EQ(inA()->lines().size(), 1);
    EXPECT_NE(inA()->lines().first(), line);
    expectConsistent(net);
    EXPECT_EQ(program.insertNetPoint(nullptr, QPoint()), nullptr);
}

TEST_F(NetTest, RemovingTheOnlyLineRemovesTheNet)
{
    Net* net = new Net(program.canvas(), &program);
    net->connectDock(out());
    net->connectDock(inA());
    program.addNet(net);
    program.removeNetLine(net->lines().first());
    EXPECT_TRUE(program.nets().isEmpty());
    EXPECT_TRUE(out()->lines().isEmpty());
    EXPECT_TRUE(inA()->lines().isEmpty());
    program.removeNetLine(nullptr);
}

TEST_F(NetTest, RemovingTheMiddleOfAChainRemovesTheWholeChain)
{
    Net* net = new Net(program.canvas(), &program);
    net->connectDock(out());
    net->addPoint(QPoint(180, 120));
    net->addPoint(QPoint(180, 60));
    net->connectDock(inA());
    program.addNet(net);
    program.removeNetLine(net->lines().at(1));
    EXPECT_TRUE(program.nets().isEmpty());
    EXPECT_TRUE(out()->lines().isEmpty());
    EXPECT_TRUE(inA()->lines().isEmpty());
}

TEST_F(NetTest, LongChainsAreRemovedWithoutDeepRecursion)
{
    constexpr int corners = 4000;
    QString body = slotXml(source, 2, 0, corners + 10) + slotXml(sinkA, 1, 0, corners + 11);
    for (int i = 1; i <= corners; ++i)
        body +=
            QStringLiteral("<point x=\"%1\" y=\"%2\" id=\"%3\"/>").arg(120 + 6 * (i % 100)).arg(6 * (i / 100)).arg(i);
    body += QStringLiteral("<line startid=\"%1\" endid=\"1\"/>").arg(corners + 10);
    for (int i = 1; i < corners; ++i)
        body += QStringLiteral("<line startid=\"%1\" endid=\"%2\"/>").arg(i).arg(i + 1);
    body += QStringLiteral("<line startid=\"%1\" endid=\"%2\"/>").arg(corners).arg(corners + 11);
    Net* net = loadFrom(withSlots(body));
    ASSERT_NE(net, nullptr);
    program.addNet(net);
    program.removeNetLine(net->lines().at(corners / 2));
    EXPECT_TRUE(program.nets().isEmpty());
    EXPECT_TRUE(out()->lines().isEmpty());
    EXPECT_TRUE(inA()->lines().isEmpty());
}

TEST_F(NetTest, RemovingTheLineBetweenTwoJunctionsKeepsOnlyCompleteParts)
{
    // out -> J1 -> inA, J1 -> J2 -> inB, J2 -> sinkA's second input.
    Net* net = drawBranchedNet();
    NetPoint* j1 = net->points().first();
    NetPoint* corner = net->points().at(1);
    Net* extra = new Net(program.canvas(), &program);
    extra->connectDock(sinkA->slot(SlotSpec::Left, 1));
    extra->connectDock(corner);
    program.mergeNet(extra, corner);
    ASSERT_EQ(program.nets().size(), 1);
    NetLine* between = nullptr;
    for (NetLine* line : net->lines()) {
        if ((line->start() == j1 && line->end() == corner) || (line->start() == corner && line->end() == j1))
            between = line;
    }
    ASSERT_NE(between, nullptr);
    program.removeNetLine(between);
    // The part beyond has inputs but no output: deleted. The rest keeps output and input A.
    ASSERT_EQ(program.nets().size(), 1);
    Net* kept = program.nets().first();
    EXPECT_EQ(kept->sources(), QList<Slot*>({out()}));
    EXPECT_EQ(kept->targets(), QList<Slot*>({inA()}));
    EXPECT_TRUE(inB()->lines().isEmpty());
    EXPECT_TRUE(sinkA->slot(SlotSpec::Left, 1)->lines().isEmpty());
    expectConsistent(kept);
}

TEST_F(NetTest, SplitOffPartWithOutputAndInputSurvivesAsANewNet)
{
    // A chain out -> P1 -> P2 -> inA with a junction at P2 leading to inB; cut P1-P2
    // as a line between two points: the part at P2 has inputs only and goes.
    Net* net = new Net(program.canvas(), &program);
    net->connectDock(inA());
    net->addPoint(QPoint(240, 60));
    net->addPoint(QPoint(240, 150));
    net->connectDock(out());
    program.addNet(net);
    NetPoint* p2 = net->points().at(1);
    Net* branch = new Net(program.canvas(), &program);
    branch->connectDock(inB());
    branch->connectDock(p2);
    program.mergeNet(branch, p2);
    NetLine* cut = net->lines().at(1); // P1 - P2
    program.removeNetLine(cut);
    ASSERT_EQ(program.nets().size(), 1);
    Net* kept = program.nets().first();
    EXPECT_EQ(kept->sources(), QList<Slot*>({out()}));
    EXPECT_EQ(kept->targets(), QList<Slot*>({inB()}));
    EXPECT_TRUE(inA()->lines().isEmpty());
    expectConsistent(kept);
}

// What each cut leaves must save with distinct ids and load back whole, also where the
// part that keeps the output is the one split off into a new net.
TEST_F(NetTest, CutNetsSaveWithDistinctIdsAndLoadBack)
{
    struct Case
    {
        const char* shape;
        QString body;
        int cutFrom; // the line from this point to the next is cut; 0: remove the point
        int cutTo;
    };
    const QString out10 = slotXml(source, 2, 0, 10);
    const QString inA11 = slotXml(sinkA, 1, 0, 11);
    const QString inB12 = slotXml(sinkB, 1, 0, 12);
    const QString inA2nd13 = slotXml(sinkA, 1, 1, 13);
    SpineTestNode* sinkC = program.place(spine::valueBlock(1, 0), QPoint(360, 420));
    const QString inC14 = slotXml(sinkC, 1, 0, 14);
    const Case cases[] = {
        {"output beyond a cut between two points",
         out10 + inA11 + inB12
             + "<point x=\"300\" y=\"60\" id=\"1\"/><point x=\"240\" y=\"60\" id=\"2\"/>"
               "<point x=\"240\" y=\"240\" id=\"3\"/>"
               "<line startid=\"11\" endid=\"1\"/><line startid=\"1\" endid=\"2\"/>"
               "<line startid=\"2\" endid=\"10\"/><line startid=\"2\" endid=\"3\"/>"
               "<line startid=\"3\" endid=\"12\"/>",
         1, 2},
        {"corner chain beyond a cut next to the input",
         out10 + inA11 + inB12 + inA2nd13
             + "<point x=\"330\" y=\"60\" id=\"1\"/><point x=\"300\" y=\"60\" id=\"2\"/>"
               "<point x=\"300\" y=\"90\" id=\"3\"/><point x=\"270\" y=\"90\" id=\"4\"/>"
               "<point x=\"270\" y=\"120\" id=\"5\"/><point x=\"240\" y=\"120\" id=\"6\"/>"
               "<line startid=\"11\" endid=\"1\"/><line startid=\"1\" endid=\"2\"/>"
               "<line startid=\"2\" endid=\"3\"/><line startid=\"3\" endid=\"4\"/>"
               "<line startid=\"4\" endid=\"5\"/><line startid=\"5\" endid=\"6\"/>"
               "<line startid=\"6\" endid=\"10\"/><line startid=\"6\" endid=\"12\"/>"
               "<line startid=\"2\" endid=\"13\"/>",
         1, 2},
        {"junction removed between a branch without output and one with it",
         out10 + inA11 + inB12 + inA2nd13 + inC14
             + "<point x=\"240\" y=\"240\" id=\"4\"/><point x=\"300\" y=\"240\" id=\"1\"/>"
               "<point x=\"180\" y=\"120\" id=\"2\"/><point x=\"240\" y=\"420\" id=\"3\"/>"
               "<line startid=\"4\" endid=\"1\"/><line startid=\"1\" endid=\"12\"/>"
               "<line startid=\"1\" endid=\"13\"/><line startid=\"4\" endid=\"2\"/>"
               "<line startid=\"2\" endid=\"10\"/><line startid=\"2\" endid=\"11\"/>"
               "<line startid=\"4\" endid=\"3\"/><line startid=\"3\" endid=\"14\"/>",
         0, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shape);
        Net* net = loadFrom(withSlots(c.body));
        ASSERT_NE(net, nullptr);
        ASSERT_TRUE(program.addNet(net));
        if (c.cutFrom == 0) {
            program.removeNetPoint(net->pointByNumber(c.cutTo));
        } else {
            NetLine* cut = nullptr;
            for (NetLine* line : net->lines()) {
                if (line->start() == net->pointByNumber(c.cutFrom) && line->end() == net->pointByNumber(c.cutTo))
                    cut = line;
            }
            ASSERT_NE(cut, nullptr);
            program.removeNetLine(cut);
        }
        ASSERT_EQ(program.nets().size(), 1) << "the part with the output stays";
        Net* kept = program.nets().first();
        EXPECT_EQ(kept->sources(), QList<Slot*>({out()}));
        const QByteArray text = saved(kept);
        XmlDoc doc = parse(text);
        QStringList ids;
        for (xmlNode* child = childElement(xmlDocGetRootElement(doc.get()), "net")->children; child;
             child = child->next) {
            if (child->type == XML_ELEMENT_NODE && xmlStrcmp(child->name, BAD_CAST "line") != 0)
                ids << attributeText(child, "id");
        }
        EXPECT_EQ(QSet<QString>(ids.begin(), ids.end()).size(), ids.size()) << text.toStdString();
        const qsizetype points = kept->points().size();
        const qsizetype lines = kept->lines().size();
        const qsizetype targets = kept->targets().size();
        program.removeNet(kept);
        Net* loaded = loadFrom(text);
        ASSERT_NE(loaded, nullptr) << text.toStdString();
        EXPECT_EQ(loaded->points().size(), points);
        EXPECT_EQ(loaded->lines().size(), lines);
        EXPECT_EQ(loaded->targets().size(), targets);
        expectConsistent(loaded);
        delete loaded;
    }
}

TEST_F(NetTest, RemovingACornerJoinsItsLinesStraight)
{
    Net* net = new Net(program.canvas(), &program);
    net->connectDock(out());
    net->addPoint(QPoint(180, 60));
    net->connectDock(inA());
    program.addNet(net);
    EXPECT_TRUE(program.removeNetPoint(net->points().first()));
    ASSERT_EQ(program.nets().size(), 1);
    EXPECT_TRUE(net->points().isEmpty());
    ASSERT_EQ(net->lines().size(), 1);
    NetLine* line = net->lines().first();
    EXPECT_EQ(QSet<QPoint>({line->startPoint(), line->endPoint()}),
              QSet<QPoint>({out()->position(), inA()->position()}));
    expectConsistent(net);
    EXPECT_FALSE(program.removeNetPoint(nullptr));
}

TEST_F(NetTest, RemovingAJunctionRemovesItsBranchesAndAnIncompleteNet)
{
    Net* net = drawBranchedNet();
    EXPECT_TRUE(program.removeNetPoint(net->points().first()));
    EXPECT_TRUE(program.nets().isEmpty());
    EXPECT_TRUE(out()->lines().isEmpty());
    EXPECT_TRUE(inA()->lines().isEmpty());
    EXPECT_TRUE(inB()->lines().isEmpty());
}

TEST_F(NetTest, RemovingAJunctionBetweenJunctionsLeavesNoNetFallenApart)
{
    // J0 joins junctions Ja (output, input A) and Jb (input B, second input of A) and a
    // corner chain to C. Without J0 the part at Jb has no output any more and must go,
    // rather than stay in the output's net while no line reaches it.
    SpineTestNode* sinkC = program.place(spine::valueBlock(1, 0), QPoint(360, 420));
    const QString body = slotXml(source, 2, 0, 10) + slotXml(sinkA, 1, 0, 11) + slotXml(sinkB, 1, 0, 12)
        + slotXml(sinkA, 1, 1, 13) + slotXml(sinkC, 1, 0, 14)
        + "<point x=\"240\" y=\"240\" id=\"1\"/><point x=\"180\" y=\"120\" id=\"2\"/>"
          "<point x=\"300\" y=\"240\" id=\"3\"/><point x=\"240\" y=\"420\" id=\"4\"/>"
          "<line startid=\"1\" endid=\"2\"/><line startid=\"1\" endid=\"3\"/><line startid=\"1\" endid=\"4\"/>"
          "<line startid=\"10\" endid=\"2\"/><line startid=\"2\" endid=\"11\"/>"
          "<line startid=\"3\" endid=\"12\"/><line startid=\"3\" endid=\"13\"/>"
          "<line startid=\"4\" endid=\"14\"/>";
    Net* net = loadFrom(withSlots(body));
    ASSERT_NE(net, nullptr);
    program.addNet(net);
    EXPECT_TRUE(program.removeNetPoint(net->pointByNumber(1)));
    ASSERT_EQ(program.nets().size(), 1);
    EXPECT_EQ(net->sources(), QList<Slot*>({out()}));
    EXPECT_EQ(net->targets(), QList<Slot*>({inA()}));
    expectConsistent(net);
    EXPECT_TRUE(inB()->lines().isEmpty());
    EXPECT_TRUE(sinkA->slot(SlotSpec::Left, 1)->lines().isEmpty());
    EXPECT_TRUE(sinkC->slot(SlotSpec::Left, 0)->lines().isEmpty());
}

TEST_F(NetTest, MergeRenumbersTheOtherNetsPoints)
{
    Net* net = drawBranchedNet();
    while (net->nextPointNumber() < 5)
        net->takePointNumber();
    Net* other = new Net(program.canvas(), &program);
    other->connectDock(sinkA->slot(SlotSpec::Left, 1));
    other->addPoint(QPoint(300, 30));
    other->addPoint(QPoint(240, 30));
    other->connectDock(net->points().first());
    ASSERT_EQ(other->points().at(0)->number(), 1u);
    program.mergeNet(other, net->points().first());
    const QList<NetPoint*> points = net->points();
    EXPECT_EQ(points.at(points.size() - 2)->number(), 5u);
    EXPECT_EQ(points.last()->number(), 6u);
    EXPECT_EQ(net->targetCount(), 3);
    EXPECT_EQ(program.nets().size(), 1);
    expectConsistent(net);
}

TEST_F(NetTest, ClearDetachesEveryLineOfASlotInTheNet)
{
    SpineTestNode* from = program.place(spine::transitionBlock(0, 1), QPoint(300, 420));
    SpineTestNode* left = program.place(spine::transitionBlock(1, 0), QPoint(120, 660));
    SpineTestNode* right = program.place(spine::transitionBlock(1, 0), QPoint(480, 660));
    // The output carries two lines of the same net, one to each corner.
    const QString body = slotXml(from, 4, 0, 10) + slotXml(left, 3, 0, 11) + slotXml(right, 3, 0, 12)
        + "<point x=\"120\" y=\"540\" id=\"1\"/><point x=\"480\" y=\"540\" id=\"2\"/>"
          "<line startid=\"10\" endid=\"1\"/><line startid=\"1\" endid=\"11\"/>"
          "<line startid=\"10\" endid=\"2\"/><line startid=\"2\" endid=\"12\"/>";
    Net* net = loadFrom(withSlots(body));
    ASSERT_NE(net, nullptr);
    Slot* output = from->slot(SlotSpec::Bottom, 0);
    EXPECT_EQ(output->lines().size(), 2);
    delete net;
    EXPECT_TRUE(output->lines().isEmpty());
}

TEST_F(NetTest, ParallelMeansTheSameDirectionOnly)
{
    Net net(program.canvas(), &program);
    auto lineBetween = [&](QPoint a, QPoint b) {
        auto* line = new NetLine(&program, program.canvas(), &net);
        line->setPos(a);
        line->setLine(QLineF(QPointF(0, 0), QPointF(b - a)));
        return std::unique_ptr<NetLine>(line);
    };
    struct Case
    {
        QPoint a1, b1, a2, b2;
        bool parallel;
    };
    const Case cases[] = {
        {{0, 0}, {0, 12}, {6, 6}, {6, 0}, true}, // both vertical
        {{0, 0}, {0, 12}, {0, 0}, {12, 0}, false}, // one vertical
        {{0, 0}, {12, 0}, {0, 6}, {6, 6}, true}, // both horizontal
        {{0, 0}, {6, 6}, {0, 0}, {12, 12}, true},   {{0, 0}, {6, 6}, {0, 0}, {6, -6}, false}, // mirror image
        {{0, 0}, {6, 12}, {0, 0}, {12, 18}, false},
    };
    for (const Case& c : cases) {
        auto first = lineBetween(c.a1, c.b1);
        auto second = lineBetween(c.a2, c.b2);
        EXPECT_EQ(first->isParallel(second.get()), c.parallel);
    }
}

} // namespace
