#pragma once

#include <QPixmap>
#include <QString>

// Pictures of the connection widgets: the embedded image of that name, or a drawn
// stand-in while the image collection has none.
namespace RobotPictures {

QPixmap pixmap(const QString& name);

} // namespace RobotPictures
