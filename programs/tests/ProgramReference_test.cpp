// How a chart's program elements find their programs: open documents, the relative and
// the absolute path, and the questions the user answers (here: a script).

#include "chart_helper.h"

#include "ShellServices.h"
#include "State.h"
#include "StateBlock.h"
#include "StateChart.h"
#include "StateManager.h"
#include "WorkspaceFile.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ChartReference : public ChartTest
{
protected:
    void SetUp() override
    {
        ChartTest::SetUp();
        ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("progs")));
        ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("charts")));
        ASSERT_TRUE(writeFile(programFile(), chartfile::program(3, 1)));
    }

    QString path(const QString& name) const { return folder.filePath(name); }
    QString programFile() const { return path(QStringLiteral("progs/p.kdw")); }
    // The main window's warning about the chart itself.
    QString chartNotLoaded() const
    {
        return QStringLiteral("Drasvel|The file %1 could not be loaded.").arg(path(QStringLiteral("charts/c.kdw")));
    }

    StateBase* open(const QString& fileName)
    {
        WorkspaceFile file;
        if (!file.read(fileName))
            return nullptr;
        return ShellServices::current().loadModel(manager, fileName, file.root());
    }

    // A chart "charts/c.kdw" with one program element per pair of (absolute, relative).
    StateChart* chartWith(const QList<QPair<QString, QString>>& references)
    {
        QString body = chartfile::start(1, 30, 60);
        unsigned id = 2;
        for (const auto& reference : references) {
            body += chartfile::stateblock(id, 120, 60 * int(id), reference.first, reference.second);
            ++id;
        }
        const QString fileName = path(QStringLiteral("charts/c.kdw"));
        EXPECT_TRUE(writeFile(fileName, chartfile::chart(body)));
        return static_cast<StateChart*>(open(fileName));
    }
};

TEST_F(ChartReference, TheRelativePathComesBeforeTheAbsoluteOne)
{
    struct Case
    {
        const char* name;
        QString absolute;
        QString relative;
    };
    const Case cases[] = {
        {"moved together", QStringLiteral("/nowhere/old/p.kdw"), QStringLiteral("../progs/p.kdw")},
        {"chart moved alone", programFile(), QStringLiteral("../old/p.kdw")},
        {"both valid", programFile(), QStringLiteral("../progs/p.kdw")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StateChart* chart = chartWith({{c.absolute, c.relative}});
        ASSERT_TRUE(chart) << shell.boxes.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(shell.boxes.isEmpty());
        ASSERT_EQ(chart->referencedStates().size(), 1);
        EXPECT_EQ(chart->referencedStates().first()->fileName(), programFile());
        TearDown();
        shell.boxes.clear();
    }
}

TEST_F(ChartReference, AnOpenProgramIsSharedByEveryElementReferringToIt)
{
    StateBase* program = open(programFile());
    ASSERT_TRUE(program);
    StateChart* chart = chartWith(
        {{programFile(), QStringLiteral("../progs/p.kdw")}, {QStringLiteral("/nowhere/p.kdw"), programFile()}});
    ASSERT_TRUE(chart);
    EXPECT_EQ(chart->referencedStates(), QList<State*>({static_cast<State*>(program), static_cast<State*>(program)}));
    EXPECT_EQ(manager.states().size(), 2u);
    EXPECT_EQ(static_cast<State*>(program)->referringCharts(), QList<StateChart*>({chart, chart}));
}

TEST_F(ChartReference, FailedReferencesAskForAnotherFile)
{
    const QString question =
        QStringLiteral("Error|Error on loading the state %1:\n%2\nCancel or choose an alternative state.");
    const QString missing = QStringLiteral("/nowhere/p.kdw");
    const QString otherChart = path(QStringLiteral("other.kdw"));
    const QString broken = path(QStringLiteral("progs/broken.kdw"));
    const QString noKind = path(QStringLiteral("progs/unknown.kdw"));
    ASSERT_TRUE(writeFile(otherChart, chartfile::chart(chartfile::start(1, 30, 60))));
    ASSERT_TRUE(writeFile(broken, "<model type=\"state\"><node></model>"));
    ASSERT_TRUE(writeFile(noKind, QByteArray(chartfile::program(1, 1)).replace("maintype=\"230\"", "maintype=\"7\"")));
    struct Case
    {
        const char* name;
        QString absolute;
        QString relative;
        QList<int> answers;
        QStringList files;
        bool loads;
        QStringList boxes;
    };
    const Case cases[] = {
        {"both missing, cancelled",
         missing,
         QStringLiteral("gone.kdw"),
         {},
         {},
         false,
         {question.arg(missing, QString())}},
        {"both missing, dialog cancelled",
         missing,
         QStringLiteral("gone.kdw"),
         {1},
         {},
         false,
         {question.arg(missing, QString())}},
        {"both missing, alternative chosen",
         missing,
         QStringLiteral("gone.kdw"),
         {1},
         {programFile()},
         true,
         {question.arg(missing, QString())}},
        {"alternative is a chart",
         missing,
         QStringLiteral("gone.kdw"),
         {1, 0},
         {otherChart},
         false,
         {question.arg(missing, QString()),
          question.arg(otherChart, QStringLiteral("File does not contain a state."))}},
        {"faulty file, then a good one",
         missing,
         QStringLiteral("../progs/broken.kdw"),
         {1},
         {programFile()},
         true,
         {question.arg(broken, QStringLiteral("Error parsing file.\nError: %1"))}},
        {"program that cannot be made",
         missing,
         QStringLiteral("../progs/unknown.kdw"),
         {},
         {},
         false,
         {QStringLiteral("Drasvel|The file %1 could not be loaded.").arg(noKind),
          question.arg(noKind, QStringLiteral("Error while loading state."))}},
        {"no absolute path",
         QString(),
         QStringLiteral("gone.kdw"),
         {},
         {},
         false,
         {applicationTitle + QStringLiteral("|Error loading c.\nEmpty filename found.")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        shell.boxes.clear();
        shell.answers = c.answers;
        shell.files = c.files;
        StateChart* chart = chartWith({{c.absolute, c.relative}});
        EXPECT_EQ(bool(chart), c.loads);
        QStringList boxes = c.boxes;
        if (!c.loads)
            boxes << chartNotLoaded();
        ASSERT_EQ(shell.boxes.size(), boxes.size()) << shell.boxes.join(QLatin1Char('\n')).toStdString();
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            // A "%1" left in the expected text stands for the parser's own message.
            const QString& expected = boxes.at(i);
            const QString& shown = shell.boxes.at(i);
            const qsizetype hole = expected.indexOf(QLatin1String("%1"));
            if (hole >= 0) {
                EXPECT_TRUE(shown.startsWith(expected.left(hole)) && shown.endsWith(expected.mid(hole + 2)))
                    << shown.toStdString();
            } else {
                EXPECT_EQ(shown.toStdString(), expected.toStdString());
            }
        }
        if (chart) {
            EXPECT_EQ(chart->referencedStates().first()->fileName(), programFile());
        }
        TearDown();
    }
}

TEST_F(ChartReference, AReferenceToAnOpenChartIsRefused)
{
    const QString otherChart = path(QStringLiteral("charts/other.kdw"));
    ASSERT_TRUE(writeFile(otherChart, chartfile::chart(chartfile::start(1, 30, 60))));
    ASSERT_TRUE(open(otherChart));
    EXPECT_FALSE(chartWith({{programFile(), QStringLiteral("other.kdw")}}));
    const QStringList expected = {
        applicationTitle
            + QStringLiteral(
                "|Error loading c.\nThe file name other.kdw is referencing a currently opened statechart."),
        chartNotLoaded(),
    };
    EXPECT_EQ(shell.boxes, expected);
}

TEST_F(ChartReference, APastedElementResolvesAgainstItsChartsFolder)
{
    ASSERT_TRUE(writeFile(path(QStringLiteral("charts/local.kdw")), chartfile::program(1, 1)));
    StateChart* chart = chartWith({{programFile(), QStringLiteral("../progs/p.kdw")}});
    ASSERT_TRUE(chart);
    QDir::setCurrent(path(QStringLiteral("progs")));
    WorkspaceFile snapshot;
    ASSERT_TRUE(snapshot.parse(chartfile::chart(
        chartfile::stateblock(5, 240, 60, QStringLiteral("/nowhere/local.kdw"), QStringLiteral("local.kdw")))));
    xmlNode* element = snapshot.root()->children;
    while (element && element->type != XML_ELEMENT_NODE)
        element = element->next;
    StateBlock* pasted = StateBlock::load(chart->canvas(), element, chart);
    ASSERT_TRUE(pasted) << shell.boxes.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(pasted->state()->fileName(), path(QStringLiteral("charts/local.kdw")));
    delete pasted;
}

} // namespace
