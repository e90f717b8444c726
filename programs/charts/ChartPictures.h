#pragma once

#include <QPixmap>
#include <QString>

// The pictures of the chart elements, painted on first use and fetched by name like
// every other embedded image: "startnode.png", "stateblock.png", "stateblock_run.png",
// "sync_and.png", "sync_or.png".
class ChartPictures
{
public:
    static constexpr int side = 25;

    // The picture of that name, or a null pixmap for any other name.
    static QPixmap paint(const QString& name);

private:
    static void paintStart(QPainter& painter);
    static void paintProgram(QPainter& painter, bool running);
    static void paintSync(QPainter& painter, const QString& label);
};
