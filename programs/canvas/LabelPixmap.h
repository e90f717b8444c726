#pragma once

#include <QPixmap>
#include <QString>

// A small label: the text in the application font at 7 points on a pale yellow box with a black
// frame, 11 pixels high and as wide as the text plus 6. Datatips and block order badges share it.
QPixmap renderLabelPixmap(const QString& text);
