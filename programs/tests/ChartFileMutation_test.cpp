// Every damaged variant of a chart file either loads, runs and saves, or fails cleanly:
// no crash, no memory touched that the chart does not own, nothing left registered.

#include "chart_helper.h"

#include "State.h"
#include "StateChart.h"
#include "StateProcessor.h"
#include "WorkspaceFile.h"

#include <QDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

const QStringList garbage = {
    QString(),
    QStringLiteral("-1"),
    QStringLiteral("abc"),
    QStringLiteral("0"),
    QStringLiteral("4294967296"),
    QStringLiteral("99999999999999999999"),
    QStringLiteral("65535"),
    QStringLiteral("65536"),
    QStringLiteral(" 2 "),
    QStringLiteral("3.5"),
    QStringLiteral("2147483647"),
    QStringLiteral("\u00e4\u00f6\u00fc"),
};

class ChartMutation : public ChartTest
{
protected:
    void SetUp() override
    {
        ChartTest::SetUp();
        ASSERT_TRUE(writeFile(folder.filePath(QStringLiteral("p.kdw")), chartfile::program(2, 2)));
        ASSERT_TRUE(writeFile(folder.filePath(QStringLiteral("q.kdw")), chartfile::program(1, 4)));
        StateProcessor::install(&engine);
    }

    void TearDown() override
    {
        ChartTest::TearDown();
        StateProcessor::install(nullptr);
    }

    static StateProcessor::Options synchronous()
    {
        StateProcessor::Options options;
        options.threaded = false;
        options.realtime = false;
        return options;
    }

    QByteArray sample() const
    {
        return chartfile::chart(
            chartfile::start(1, 30, 60) + chartfile::stateblock(2, 120, 60, QString(), QStringLiteral("p.kdw"))
            + chartfile::sync(3, 1, 240, 60)
            + chartfile::stateblock(4, 360, 60, folder.filePath(QStringLiteral("q.kdw")), QStringLiteral("q.kdw"))
            + chartfile::net(1, 1, 0, 2) + chartfile::net(2, 2, 1, 3) + chartfile::net(3, 1, 0, 3)
            + chartfile::net(4, 3, 0, 4) + chartfile::net(5, 4, 2, 2));
    }

    // Loads, runs a few ticks, saves and closes whatever loads.
    void exercise(const QByteArray& bytes)
    {
        const QString fileName = folder.filePath(QStringLiteral("variant.kdw"));
        ASSERT_TRUE(writeFile(fileName, bytes));
        WorkspaceFile file;
        if (!file.read(fileName) || file.type() != QLatin1String("statechart"))
            return;
        StateChart* chart = manager.loadStateChart(nullptr, fileName, file.root());
        if (chart) {
            chart->start(nullptr);
            for (int n = 1; n <= 12; ++n) {
                engine.runCycle();
                if (n % 5 == 0)
                    chart->stepTimerTimeout();
            }
            chart->stop();
            engine.runCycle();
            chart->setFileName(folder.filePath(QStringLiteral("saved.kdw")), false);
            EXPECT_TRUE(chart->save());
        }
        closeAll(manager);
        EXPECT_TRUE(stateCharts().isEmpty());
    }

    StateProcessor engine {synchronous()};
};

TEST_F(ChartMutation, AttributesSetToGarbage)
{
    const QByteArray original = sample();
    exercise(original);
    const QString text = QString::fromUtf8(original);
    const QRegularExpression attribute(QStringLiteral("(\\w+)=\"([^\"]*)\""));
    int variants = 0;
    for (auto match = attribute.globalMatch(text); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        for (const QString& value : garbage) {
            QString variant = text;
            variant.replace(found.capturedStart(2), found.capturedLength(2), value.toHtmlEscaped());
            SCOPED_TRACE((found.captured(1) + QLatin1Char('=') + value).toStdString());
            exercise(variant.toUtf8());
            ++variants;
        }
    }
    EXPECT_GT(variants, 300);
}

TEST_F(ChartMutation, ElementsLeftOut)
{
    // One element or net per line: every line left out in turn, then every pair.
    const QList<QByteArray> lines = sample().split('\n');
    for (qsizetype first = 2; first + 2 < lines.size(); ++first) {
        for (qsizetype second = first; second + 2 < lines.size(); ++second) {
            SCOPED_TRACE(lines.at(first).toStdString() + " / " + lines.at(second).toStdString());
            QList<QByteArray> kept = lines;
            kept.removeAt(second);
            if (second != first)
                kept.removeAt(first);
            exercise(kept.join('\n'));
        }
    }
}

} // namespace
