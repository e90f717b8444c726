#include "CameraHook.h"

#include "CameraCenter.h"
#include "CameraComCenterServices.h"
#include "CameraFileSource.h"
#include "CameraIntake.h"
#include "ImagePool.h"
#include "JpegFrameDecoder.h"

struct CameraHook::Parts
{
    std::unique_ptr<ImagePool> pool;
    CameraFileSource source;
    std::unique_ptr<CameraIntake> intake;
    std::unique_ptr<CameraComCenterServices> services;
};

CameraHook::CameraHook() : parts(std::make_unique<Parts>())
{
}

CameraHook::~CameraHook()
{
    if (!parts->services)
        return;
    ComCenterServices::install(nullptr);
    parts->intake.reset(); // gives its untaken images back while the pool still exists
    if (parts->pool && ImagePool::global() == parts->pool.get())
        ImagePool::setGlobal(nullptr);
}

bool CameraHook::takeArguments(QStringList& arguments, QTextStream& err)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("--camera"));
    if (at < 0)
        return true;
    if (at + 1 >= arguments.size()) {
        err << "kdwrun: --camera needs a JPEG file" << Qt::endl;
        return false;
    }
    const QString fileName = arguments.at(at + 1);
    arguments.remove(at, 2);
    JpegFrameDecoder check;
    if (!parts->source.load(fileName) || !check.setSource(parts->source.loaded().data, parts->source.loaded().size)) {
        err << "kdwrun: cannot read camera frame " << fileName << Qt::endl;
        return false;
    }
    if (!ImagePool::global()) {
        parts->pool = std::make_unique<ImagePool>();
        ImagePool::setGlobal(parts->pool.get());
    }
    parts->intake = std::make_unique<CameraIntake>(parts->source, CameraCenter::current());
    parts->services = std::make_unique<CameraComCenterServices>(*parts->intake);
    ComCenterServices::install(parts->services.get());
    return true;
}

CameraIntake* CameraHook::intake() const
{
    return parts->intake.get();
}
