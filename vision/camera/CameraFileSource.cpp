#include "CameraFileSource.h"

#include <QFile>

bool CameraFileSource::load(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = file.readAll();
    bytes.assign(content.begin(), content.end());
    frame = CameraFrame {CameraFrame::Jpeg, 0, 0, bytes.data(), static_cast<int>(bytes.size()), 0};
    return !bytes.empty();
}

const CameraFrame* CameraFileSource::lockImage()
{
    ++frame.tag; // one frame per pass, numbered
    return bytes.empty() ? nullptr : &frame;
}
