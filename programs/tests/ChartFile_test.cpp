// Chart files: what a chart writes, how it reads its elements back, and the loads that
// must fail.

#include "chart_helper.h"

#include "Net.h"
#include "Node.h"
#include "NodePixmap.h"
#include "Start.h"
#include "State.h"
#include "StateBlock.h"
#include "StateChart.h"
#include "StateManager.h"
#include "Sync.h"
#include "WorkspaceFile.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ChartFile : public ChartTest
{
protected:
    void SetUp() override
    {
        ChartTest::SetUp();
        ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("progs")));
        ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("charts/sub")));
        ASSERT_TRUE(writeFile(programFile(), chartfile::program(3, 1)));
    }

    QString programFile() const { return folder.filePath(QStringLiteral("progs/p.kdw")); }
    QString chartFile() const { return folder.filePath(QStringLiteral("charts/c.kdw")); }

    StateChart* load(const QString& fileName, const QByteArray& bytes)
    {
        EXPECT_TRUE(writeFile(fileName, bytes));
        return load(fileName);
    }

    StateChart* load(const QString& fileName)
    {
        WorkspaceFile file;
        if (!file.read(fileName))
            return nullptr;
        return manager.loadStateChart(nullptr, fileName, file.root());
    }

    // A chart in file order: Sync Or (id 7), StateBlock (id 3), Start (id 9); nets
    // Start -> StateBlock and StateBlock's C -> Sync.
    QByteArray sample() const
    {
        return chartfile::chart(chartfile::sync(7, 1, 300, 120)
                                + chartfile::stateblock(3, 180, 60, programFile(), QStringLiteral("../progs/p.kdw"),
                                                        QStringLiteral("stored name"))
                                + chartfile::start(9, 30, 60) + chartfile::net(4, 9, 0, 3)
                                + chartfile::net(12, 3, 2, 7));
    }
};

TEST_F(ChartFile, ElementsKeepTheirOrderAndAttributesWithNewIds)
{
    StateChart* chart = load(chartFile(), sample());
    ASSERT_TRUE(chart) << shell.boxes.join(QLatin1Char('\n')).toStdString();
    EXPECT_FALSE(chart->isModified());
    EXPECT_TRUE(chart->hasFileName());
    const QList<Node*> elements = chart->nodes();
    ASSERT_EQ(elements.size(), 3);
    const unsigned short maintypes[] = {Sync::maintype, StateBlock::maintype, Start::maintype};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(elements.at(i)->id(), unsigned(i + 1));
        EXPECT_EQ(elements.at(i)->type()->maintype(), maintypes[i]);
    }
    EXPECT_EQ(elements.at(0)->type()->subtype(), Sync::Or);
    EXPECT_EQ(elements.at(1)->type()->name(), QStringLiteral("p")) << "a bound program names its element";
    EXPECT_EQ(elements.at(0)->position(), QPoint(300, 120));
    ASSERT_EQ(chart->nets().size(), 2);
    EXPECT_EQ(chart->nets().at(0)->id(), 1u);
    EXPECT_EQ(chart->nets().at(1)->id(), 2u);
    EXPECT_EQ(chart->referencedStates().size(), 1);
    EXPECT_EQ(chart->referencedStates().first()->fileName(), programFile());

    // Saved elsewhere: the relative path follows the new folder, ids are the new ones.
    const QString moved = folder.filePath(QStringLiteral("charts/sub/moved.kdw"));
    chart->setFileName(moved, false);
    ASSERT_TRUE(chart->save());
    const QString saved = QString::fromUtf8(readFile(moved));
    const QString expectedBlock = QStringLiteral("  <stateblock id=\"2\" maintype=\"1\" subtype=\"0\">\n"
                                                 "    <name>p</name>\n"
                                                 "    <param name=\"abs\">%1</param>\n"
                                                 "    <param name=\"relative\">../../progs/p.kdw</param>\n"
                                                 "    <workspace>\n"
                                                 "      <position x=\"180\" y=\"60\"/>\n"
                                                 "    </workspace>\n"
                                                 "  </stateblock>\n")
                                      .arg(programFile());
    EXPECT_TRUE(saved.contains(expectedBlock)) << saved.toStdString();
    EXPECT_TRUE(saved.contains(QStringLiteral("<model type=\"statechart\"")));
    EXPECT_TRUE(saved.contains(QStringLiteral("<node id=\"1\" maintype=\"2\" subtype=\"1\">")));
    EXPECT_TRUE(saved.contains(QStringLiteral("<node id=\"3\" maintype=\"0\" subtype=\"0\">")));
    EXPECT_LT(saved.indexOf(QStringLiteral("maintype=\"2\"")), saved.indexOf(QStringLiteral("<stateblock")));
    EXPECT_LT(saved.lastIndexOf(QStringLiteral("maintype=\"0\"")), saved.indexOf(QStringLiteral("<net")));

    // Read back and written again, the file does not change.
    manager.remove(chart);
    delete chart;
    StateChart* again = load(moved);
    ASSERT_TRUE(again);
    const QString copy = folder.filePath(QStringLiteral("charts/sub/copy.kdw"));
    again->setFileName(copy, false);
    ASSERT_TRUE(again->save());
    EXPECT_EQ(QString::fromUtf8(readFile(copy)), QString(saved));
    EXPECT_EQ(manager.states().size(), 2u) << "the program stayed open and was reused";
}

TEST_F(ChartFile, DamagedElementsFailTheLoad)
{
    const QString good = chartfile::stateblock(3, 180, 60, programFile(), QStringLiteral("../progs/p.kdw"));
    struct Case
    {
        const char* name;
        QString body;
    };
    const Case cases[] = {
        {"x = 0", chartfile::start(1, 0, 60)},
        {"y = 0", good + chartfile::sync(2, 0, 60, 0)},
        {"no position",
         QStringLiteral("<node id=\"1\" maintype=\"0\" subtype=\"0\"><name>s</name><workspace/></node>")},
        {"no name",
         QStringLiteral("<node id=\"1\" maintype=\"0\" subtype=\"0\"><workspace><position x=\"6\" y=\"6\"/>"
                        "</workspace></node>")},
        {"unknown maintype",
         QStringLiteral("<node id=\"1\" maintype=\"7\" subtype=\"0\"><name>s</name><workspace>"
                        "<position x=\"6\" y=\"6\"/></workspace></node>")},
        {"param without name",
         QStringLiteral("<node id=\"1\" maintype=\"2\" subtype=\"0\"><name>s</name>"
                        "<param name=\"\">1</param><workspace><position x=\"6\" y=\"6\"/>"
                        "</workspace></node>")},
        {"program element as node", QString(good).replace(QStringLiteral("stateblock"), QStringLiteral("node"))},
        {"net to a missing element",
         good + chartfile::start(4, 30, 60) + chartfile::net(1, 4, 0, 3) + chartfile::net(2, 4, 0, 99)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const qsizetype before = manager.states().size();
        EXPECT_FALSE(load(chartFile(), chartfile::chart(c.body)));
        int charts = 0;
        for (StateBase* document : manager.states())
            charts += document->kind() == StateBase_t::Chart ? 1 : 0;
        EXPECT_EQ(charts, 0) << "a failed chart leaves the registry";
        EXPECT_LE(manager.states().size(), before + 1);
    }
    EXPECT_TRUE(stateCharts().isEmpty());
}

TEST_F(ChartFile, AFailedSaveKeepsTheOldFileAndTheModifiedMark)
{
    StateChart* chart = load(chartFile(), sample());
    ASSERT_TRUE(chart);
    chart->viewAdded();
    chart->moveNode(chart->nodes().first(), QPoint(402, 240));
    ASSERT_TRUE(chart->isModified());
    const QByteArray before = readFile(chartFile());
    chart->setFileName(folder.filePath(QStringLiteral("no/such/folder/c.kdw")), false);
    EXPECT_FALSE(chart->save());
    EXPECT_TRUE(chart->isModified());
    chart->setFileName(folder.filePath(QStringLiteral("charts")), false);
    EXPECT_FALSE(chart->save()) << "a folder cannot be replaced by the chart";
    EXPECT_EQ(readFile(chartFile()), before);
    chart->setFileName(chartFile(), false);
    EXPECT_TRUE(chart->save());
    EXPECT_FALSE(chart->isModified());
    EXPECT_TRUE(readFile(chartFile()).contains("x=\"402\""));
}

TEST_F(ChartFile, NewChartsAndTheirProgramLists)
{
    StateChart* chart = manager.newStateChart(nullptr);
    ASSERT_TRUE(chart);
    EXPECT_EQ(chart->fileName(), QStringLiteral("Unnamed0"));
    EXPECT_FALSE(chart->hasFileName());
    State* saved = manager.newState(nullptr);
    State* untitled = manager.newState(nullptr);
    saved->setFileName(programFile(), false);
    NodeType drop = StateBlock::nodeType();
    for (State* program : {saved, untitled}) {
        NodeType type = drop;
        type.addSubtypeData(program->id());
        Node* element = chart->createNode(type);
        ASSERT_TRUE(element);
        EXPECT_TRUE(chart->addNode(element));
        NodeType again = drop;
        again.addSubtypeData(program->id());
        EXPECT_FALSE(chart->createNode(again)) << "one element per program";
    }
    NodeType closed = drop;
    closed.addSubtypeData(99);
    EXPECT_FALSE(chart->createNode(closed)) << "a program that is no longer open";
    EXPECT_FALSE(chart->createNode(ExitAfterBlock::nodeType())) << "function blocks do not go into charts";
    EXPECT_EQ(chart->stateBlockCount(), 2);
    EXPECT_EQ(chart->referencedStates(), QList<State*>({saved, untitled}));
    EXPECT_EQ(chart->untitledStates(), QList<State*>({untitled}));
    EXPECT_EQ(chart->statesToSave(), QList<State*>({untitled}));
    EXPECT_EQ(saved->referringCharts(), QList<StateChart*>({chart}));

    chart->setStepMode(true);
    NodeType late = drop;
    late.addSubtypeData(manager.newState(nullptr)->id());
    EXPECT_FALSE(chart->createNode(late)) << "no new program elements in step mode";
    chart->setStepMode(false);
}

} // namespace

namespace {

TEST_F(ChartFile, RelativeReferencesCompareFoldersCaseSensitively)
{
    struct Case
    {
        const char* name;
        QString program;
        QString relative;
    };
    const QString chartFolder = folder.filePath(QStringLiteral("charts"));
    const Case cases[] = {
        {"inside the folder", chartFolder + QStringLiteral("/sub/p.kdw"), QStringLiteral("sub/p.kdw")},
        {"beside it", folder.filePath(QStringLiteral("progs/p.kdw")), QStringLiteral("../progs/p.kdw")},
        // The temporary folder's own parts match, so only "Charts" climbs out.
        {"folder in another case", folder.filePath(QStringLiteral("Charts/p.kdw")), QStringLiteral("../Charts/p.kdw")},
        {"unsaved program", QStringLiteral("Unnamed1"), QStringLiteral("Unnamed1")},
    };
    StateChart* chart = manager.newStateChart(nullptr);
    State* program = manager.newState(nullptr);
    NodeType type = StateBlock::nodeType();
    type.addSubtypeData(program->id());
    auto* element = static_cast<StateBlock*>(chart->createNode(type));
    ASSERT_TRUE(element);
    chart->addNode(element);
    EXPECT_EQ(element->parameters().value(QStringLiteral("relative")), program->fileName())
        << "before the chart is saved the reference keeps the file name";
    chart->setFileName(chartFolder + QStringLiteral("/c.kdw"), false);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        program->setFileName(c.program, false);
        xmlDoc* document = chart->createDocument();
        EXPECT_EQ(element->parameters().value(QStringLiteral("relative")), c.relative);
        EXPECT_EQ(element->parameters().value(QStringLiteral("abs")), c.program);
        xmlFreeDoc(document);
    }
}

} // namespace

namespace {

TEST_F(ChartFile, DeletingAnElementTakesItsTransitionsAndItsBinding)
{
    StateChart* chart = load(chartFile(), sample());
    ASSERT_TRUE(chart);
    State* program = chart->referencedStates().first();
    ASSERT_EQ(program->referringBlocks().size(), 1);
    StateBlock* element = chart->stateBlocks().first();
    chart->deleteItem(element->iconItem());
    EXPECT_EQ(chart->nodes().size(), 2);
    EXPECT_TRUE(chart->nets().isEmpty()) << "both transitions ended at the program element";
    EXPECT_TRUE(program->referringBlocks().isEmpty());
    EXPECT_TRUE(program->referringCharts().isEmpty());

    // A program closed before its chart leaves the element without a program.
    StateChart* again = load(chartFile(), sample());
    ASSERT_TRUE(again);
    StateBlock* bound = again->stateBlocks().first();
    State* shared = bound->state();
    manager.remove(shared);
    delete shared;
    EXPECT_EQ(bound->state(), nullptr);
    EXPECT_EQ(again->stateBlockCount(), 1);
}

} // namespace
