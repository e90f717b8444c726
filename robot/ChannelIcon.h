#pragma once

#include <QPixmap>
#include <QString>

// Block icons that show a channel, motor, relay or sensor number drawn on a base picture.
namespace ChannelIcon {

enum Placement { BottomCentre, BottomRight, RightCentre };

// The base picture (a plain square when it is missing) with the number drawn on it in
// the application's font family.
QPixmap numbered(const QString& baseName, unsigned number, int pointSize, Placement placement);
// The embedded picture, or a plain square when it is missing.
QPixmap picture(const QString& name);

} // namespace ChannelIcon
