#pragma once

#include <QStringList>
#include <QTextStream>

#include <memory>

class CameraIntake;

// kdwrun --camera FILE.jpg: feeds FILE as the camera frame of every image cycle through the
// camera intake, so programs with camera and vision blocks run without a robot.
class CameraHook
{
public:
    CameraHook();
    ~CameraHook();

    // Takes "--camera FILE" out of the arguments and installs the camera; false with a message
    // when the option has no file or the file is no readable JPEG frame.
    bool takeArguments(QStringList& arguments, QTextStream& err);
    // Null until a camera was installed.
    CameraIntake* intake() const;

private:
    struct Parts;
    std::unique_ptr<Parts> parts;
};
