#pragma once

#include <QPixmap>
#include <QString>

// The shell's own pictures, drawn in code by name ("start_pressed.png", "state.png", ...)
// at the screen's device pixel ratio, so they stay sharp. An unknown name gives a null
// pixmap.
QPixmap shellPicture(const QString& name);
// The logical size a picture is drawn at.
QSize shellPictureSize(const QString& name);
