#include "vision_helper.h"

#include "CameraHook.h"
#include "ComCenterServices.h"
#include "ImagePool.h"
#include "ImageSizes.h"
#include "NodeDialog.h"
#include "State.h"
#include "StateNode.h"
#include "StateProcessor.h"
#include "VisionBlocks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <libxml/parser.h>

using namespace visiontest;

void VisionHarness::SetUp()
{
    registerVisionBlocks();
    StateProcessor::Options options;
    options.threaded = false;
    options.realtime = false;
    engine = std::make_unique<StateProcessor>(options);
    StateProcessor::install(engine.get());
    pool = std::make_unique<ImagePool>();
    ImagePool::setGlobal(pool.get());
    area.resize(1400, 1000);
    area.show();
}

void VisionHarness::TearDown()
{
    stopProgram();
    program.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    camera.reset();
    StateProcessor::install(nullptr);
    engine.reset();
    ImagePool::setGlobal(nullptr);
    pool.reset();
}

void VisionHarness::stopProgram()
{
    if (!program || !program->isRunning())
        return;
    program->stop();
    engine->runCycle();
}

void VisionHarness::useFrame(const std::vector<std::uint8_t>& jpeg)
{
    const QString name = scratch.filePath(QStringLiteral("frame.jpg"));
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(jpeg.data()), qint64(jpeg.size()));
    file.close();
    useFrameFile(name);
}

void VisionHarness::useFrameFile(const QString& fileName)
{
    QString errors;
    QTextStream err(&errors);
    QStringList arguments {QStringLiteral("--camera"), fileName};
    camera = std::make_unique<CameraHook>();
    ASSERT_TRUE(camera->takeArguments(arguments, err)) << errors.toStdString();
}

void VisionHarness::load(const QByteArray& text)
{
    xmlDoc* document = xmlReadMemory(text.constData(), int(text.size()), nullptr, nullptr, XML_PARSE_NONET);
    ASSERT_NE(document, nullptr);
    auto loaded = std::make_unique<State>(0);
    const bool ok = loaded->load(xmlDocGetRootElement(document));
    xmlFreeDoc(document);
    ASSERT_TRUE(ok);
    program = std::move(loaded);
    program->start(nullptr);
}

void VisionHarness::cycle(int count)
{
    for (int i = 0; i < count; ++i) {
        engine->runCycle();
        QCoreApplication::sendPostedEvents();
    }
}

StateNode* VisionHarness::block(unsigned short maintype) const
{
    for (Node* node : program->nodes()) {
        if (node->type()->maintype() == maintype)
            return dynamic_cast<StateNode*>(node);
    }
    return nullptr;
}

NodeDialog* VisionHarness::open(unsigned short maintype)
{
    StateNode* target = block(maintype);
    if (!target)
        return nullptr;
    target->showDialog(&area, false);
    return target->dialog();
}

void VisionHarness::close(unsigned short maintype)
{
    if (StateNode* target = block(maintype)) {
        if (NodeDialog* dialog = target->dialog())
            dialog->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int VisionHarness::inUse() const
{
    int count = 0;
    for (unsigned size = 0; size < ImageSizes::classCount; ++size)
        count += pool->inUseCount(size);
    return count;
}

void VisionHarness::render(QWidget* dialog, const QString& name)
{
    QDir().mkpath(QStringLiteral(VISION_PICTURES));
    EXPECT_TRUE(dialog->grab().save(QStringLiteral(VISION_PICTURES "/%1.png").arg(name)));
}

QByteArray VisionHarness::everyBlockProgram(const QString& segments, int format)
{
    Program program;
    const int camera = program.node(10, 0, param(QStringLiteral("colorFormat"), QString::number(format)));
    const int segmenter = program.node(12, 0, segments);
    const int extractor = program.node(29, 0,
                                       param(QStringLiteral("selectedSegment"), QStringLiteral("0"))
                                           + param(QStringLiteral("minSegmentArea"), QStringLiteral("200"))
                                           + param(QStringLiteral("fullImageShown"), QStringLiteral("1")));
    const int detector = program.node(35, 0, param(QStringLiteral("searchHeight"), QStringLiteral("20")));
    program.net(camera, 0, segmenter, 0);
    program.net(segmenter, 0, extractor, 0);
    program.net(camera, 0, detector, 0);
    return program.text();
}
