// The chart's canvas drawn into PNG files in the build folder, to be looked at; the test
// checks that every element shows its picture and caption.

#include "chart_helper.h"

#include "ChartPictures.h"
#include "EmbeddedImages.h"
#include "Node.h"
#include "NodePixmap.h"
#include "State.h"
#include "StateBlock.h"
#include "StateChart.h"
#include "StateManager.h"
#include "StateProcessor.h"
#include "WorkspaceFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QGraphicsScene>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString buildFolderFile(const QString& name)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

// Pixels that differ from the background colour.
int paintedPixels(const QImage& image, const QColor& background)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) != background ? 1 : 0;
    }
    return count;
}

TEST(ChartPicture, EveryElementHasItsPicture)
{
    const char* names[] = {"startnode.png", "stateblock.png", "stateblock_run.png", "sync_and.png", "sync_or.png"};
    QImage sheet(5 * 4 * ChartPictures::side + 40, 4 * ChartPictures::side + 20, QImage::Format_ARGB32);
    sheet.fill(chartBackground);
    QPainter painter(&sheet);
    int x = 10;
    for (const char* name : names) {
        const QPixmap picture = EmbeddedImages::pixmap(QLatin1String(name));
        ASSERT_FALSE(picture.isNull()) << name;
        EXPECT_EQ(picture.size(), QSize(ChartPictures::side, ChartPictures::side));
        EXPECT_GT(paintedPixels(picture.toImage(), Qt::transparent), 100) << name;
        painter.drawPixmap(QRect(x, 10, 4 * ChartPictures::side, 4 * ChartPictures::side), picture);
        x += 4 * ChartPictures::side + 5;
    }
    painter.end();
    EXPECT_TRUE(sheet.save(buildFolderFile(QStringLiteral("chart_pictures.png"))));
    EXPECT_TRUE(EmbeddedImages::pixmap(QStringLiteral("no_such_picture.png")).isNull());
}

TEST(ChartPicture, TheCanvasOfARunningChart)
{
    ExitAfterBlock::nodeType();
    const QString startFolder = QDir::currentPath();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char* name : {"drive to wall", "turn", "wait"})
        ASSERT_TRUE(writeFile(folder.filePath(QLatin1String(name) + QStringLiteral(".kdw")), chartfile::program(0, 0)));
    auto element = [&](unsigned id, int x, int y, const char* name) {
        const QString file = QLatin1String(name) + QStringLiteral(".kdw");
        return chartfile::stateblock(id, x, y, folder.filePath(file), file, QLatin1String(name));
    };
    const QString body = chartfile::start(1, 36, 96) + element(2, 156, 48, "drive to wall")
        + element(3, 156, 156, "turn") + chartfile::sync(4, 0, 300, 96) + element(5, 420, 96, "wait")
        + chartfile::sync(6, 1, 540, 156) + chartfile::net(1, 1, 0, 2) + chartfile::net(2, 1, 0, 3)
        + chartfile::net(3, 2, 0, 4) + chartfile::net(4, 3, 1, 4) + chartfile::net(5, 4, 0, 5)
        + chartfile::net(6, 5, 2, 6);
    const QString chartFile = folder.filePath(QStringLiteral("chart.kdw"));
    ASSERT_TRUE(writeFile(chartFile, chartfile::chart(body)));

    ScriptedShell shell;
    StateProcessor::Options options;
    options.threaded = false;
    options.realtime = false;
    StateProcessor engine(options);
    StateProcessor::install(&engine);
    StateManager manager;
    WorkspaceFile file;
    ASSERT_TRUE(file.read(chartFile));
    StateChart* chart = manager.loadStateChart(nullptr, chartFile, file.root());
    ASSERT_TRUE(chart) << shell.boxes.join(QLatin1Char('\n')).toStdString();
    chart->start(nullptr);
    engine.runCycle();
    QCoreApplication::sendPostedEvents();

    for (Node* node : chart->nodes())
        EXPECT_FALSE(node->iconItem()->icon().isNull()) << node->type()->name().toStdString();
    EXPECT_EQ(chart->stateBlocks().at(0)->type()->name(), QStringLiteral("drive to wall"));

    const QRect area(0, 0, 640, 240);
    QImage image(area.size(), QImage::Format_ARGB32);
    image.fill(chartBackground);
    QPainter painter(&image);
    chart->canvas()->render(&painter, QRectF(QPointF(0, 0), area.size()), area);
    painter.end();
    EXPECT_TRUE(image.save(buildFolderFile(QStringLiteral("chart_canvas.png"))));
    EXPECT_GT(paintedPixels(image, chartBackground), 3000);

    chart->stop();
    engine.runCycle();
    manager.remove(chart);
    delete chart;
    for (StateBase* program : manager.states()) {
        manager.remove(program);
        delete program;
    }
    StateProcessor::install(nullptr);
    QDir::setCurrent(startFolder);
}

} // namespace
