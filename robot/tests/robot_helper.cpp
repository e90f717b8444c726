#include "robot_helper.h"

#include "link_helper.h"

#include "FunctionBlocks.h"
#include "KelmarisCom.h"
#include "Node.h"
#include "RobotBlocks.h"
#include "Slot.h"
#include "State.h"
#include "ValueSlot.h"
#include "qapplication_helper.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QThread>

#include <libxml/parser.h>

namespace {

const bool registered = [] {
    addApplicationStartup([] {
        registerFunctionBlocks();
        registerRobotBlocks();
    });
    return true;
}();

constexpr unsigned short constMaintype = 6;

QString nodeXml(unsigned id, unsigned short maintype, const QMap<QString, QString>& parameters, int leftSlots)
{
    QString xml = QStringLiteral("<node id=\"%1\" maintype=\"%2\" subtype=\"0\" identifier=\"\" active=\"1\">"
                                 "<name>b%1</name>")
                      .arg(id)
                      .arg(maintype);
    for (auto it = parameters.begin(); it != parameters.end(); ++it)
        xml += QStringLiteral("<param name=\"%1\">%2</param>").arg(it.key(), it.value());
    // The block fed by the constants lies after them in canvas order.
    const bool fed = maintype != constMaintype;
    xml += QStringLiteral("<workspace><position x=\"%1\" y=\"%2\"/></workspace>")
               .arg(fed ? 900 : 120)
               .arg(fed ? 900 : 60 * id);
    if (leftSlots >= 0)
        xml += QStringLiteral("<slots nleft=\"%1\"/>").arg(leftSlots);
    return xml + QStringLiteral("</node>");
}

} // namespace

bool waitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return true;
}

SimulatedRobotLink::SimulatedRobotLink()
{
    robot.start();
    centre.setImagePort(freeLoopbackPort());
    comCenter = &centre;
}

SimulatedRobotLink::~SimulatedRobotLink()
{
    comCenter = nullptr;
    centre.setAutoReconnect(false);
    centre.close();
}

QString SimulatedRobotLink::address() const
{
    return QStringLiteral("127.0.0.1:%1").arg(robot.port());
}

bool SimulatedRobotLink::connect()
{
    QSignalSpy connected(&centre, &ComCenter::connected);
    centre.setHostName(address());
    centre.connectToHost();
    if (!waitUntil([&] { return connected.count() > 0; }, 3000))
        return false;
    centre.com()->stopAsyncCommunication();
    // One exchange of our own ends whatever the link's own exchange had under way.
    return exchangeAnswered(*centre.com(), 3000);
}

QString oneBlockWorkspace(unsigned short maintype, const QMap<QString, QString>& parameters, const QList<float>& inputs)
{
    QString xml = QStringLiteral("<?xml version=\"1.0\"?><model type=\"state\" mode=\"1\" sortIndex=\"0\" "
                                 "datatips=\"0\" sizex=\"2000\" sizey=\"2000\"><info/>");
    const unsigned blockId = static_cast<unsigned>(inputs.size()) + 1;
    for (int i = 0; i < inputs.size(); ++i)
        xml += nodeXml(static_cast<unsigned>(i + 1), constMaintype,
                       {{QStringLiteral("value"), QString::number(inputs[i], 'g', 9)},
                        {QStringLiteral("row"), QString::number(i)}},
                       -1);
    xml += nodeXml(blockId, maintype, parameters, -1);
    for (int i = 0; i < inputs.size(); ++i)
        xml += QStringLiteral("<net id=\"%1\"><slot nodeid=\"%2\" channel=\"%3\" position=\"1\" id=\"100\"/>"
                              "<slot nodeid=\"%4\" channel=\"0\" position=\"2\" id=\"101\"/>"
                              "<line startid=\"101\" endid=\"100\"/></net>")
                   .arg(i + 1)
                   .arg(blockId)
                   .arg(i)
                   .arg(i + 1);
    return xml + QStringLiteral("</model>");
}

OneBlockProgram::OneBlockProgram(unsigned short maintype, const QMap<QString, QString>& parameters,
                                 const QList<float>& inputs, bool startNow)
{
    const unsigned blockId = static_cast<unsigned>(inputs.size()) + 1;
    const QString xml = oneBlockWorkspace(maintype, parameters, inputs);
    const QByteArray text = xml.toUtf8();
    xmlDoc* document = xmlReadMemory(text.constData(), int(text.size()), nullptr, nullptr,
                                     XML_PARSE_RECOVER | XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (!document)
        return;
    auto loaded = std::make_unique<State>(0);
    if (loaded->load(xmlDocGetRootElement(document)))
        program = std::move(loaded);
    xmlFreeDoc(document);
    if (!program)
        return;
    for (Node* node : program->cycleBlocks()) {
        if (node->id() == blockId)
            robotBlock = node;
    }
    if (!robotBlock) {
        program.reset();
        return;
    }
    if (!startNow)
        return;
    program->reset();
    for (Node* node : program->cycleBlocks())
        node->activate();
    startedHere = true;
}

OneBlockProgram::~OneBlockProgram()
{
    if (!program || !startedHere)
        return;
    for (Node* node : program->cycleBlocks())
        node->deactivate();
}

void OneBlockProgram::cycle()
{
    program->step();
    ComCenterServices::current().exchangeIo();
}

float OneBlockProgram::output(int side, int index) const
{
    Slot* slot = robotBlock->slot(side, index);
    ValueSlot* value = slot ? slot->toValueSlot() : nullptr;
    return value ? value->value() : -12345.0f;
}
