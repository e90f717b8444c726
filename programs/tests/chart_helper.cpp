#include "chart_helper.h"

#include "NodeFactory.h"
#include "StateBase.h"
#include "StateManager.h"

#include <QDir>

#include <QFile>

ExitAfterBlock::ExitAfterBlock(State* owner, QGraphicsScene* canvas, unsigned id, const NodeType& type)
    : StateNode(owner, canvas, id, type)
{
}

NodeType ExitAfterBlock::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QStringLiteral("ExitAfter"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(kind);
        type.addSubtype(QStringLiteral("ExitAfter"), QString());
        type.addValueSlot(QStringLiteral("I"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        nodeFactories().insert(kind, &ExitAfterBlock::create);
    }
    return type;
}

StateNode* ExitAfterBlock::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new ExitAfterBlock(owner, canvas, id, nodeType().withSubtype(type.subtype()));
}

void ExitAfterBlock::setParameters(QMap<QString, QString> values)
{
    after = values.value(QStringLiteral("after")).toInt();
    code = values.value(QStringLiteral("code")).toInt();
}

QMap<QString, QString> ExitAfterBlock::parameters() const
{
    return {{QStringLiteral("after"), QString::number(after)}, {QStringLiteral("code"), QString::number(code)}};
}

void ExitAfterBlock::start()
{
    ++starts;
}

void ExitAfterBlock::reset()
{
    count = 0;
}

int ExitAfterBlock::step()
{
    return ++count == after ? code.load() : 0;
}

QMessageBox::StandardButton ScriptedShell::messageBox(QWidget* parent, MessageKind kind, const QString& caption,
                                                      const QString& text, QMessageBox::StandardButtons buttons,
                                                      QMessageBox::StandardButton defaultButton,
                                                      QMessageBox::StandardButton escapeButton)
{
    boxes << caption + QLatin1Char('|') + text;
    const auto escape = ShellServices::messageBox(parent, kind, caption, text, buttons, defaultButton, escapeButton);
    if (answers.isEmpty() || answers.takeFirst() == 0)
        return escape;
    const QMessageBox::StandardButtons others = buttons & ~QMessageBox::StandardButtons(escape);
    for (unsigned bit = QMessageBox::FirstButton; bit <= QMessageBox::LastButton; bit <<= 1)
        if (others.testFlag(QMessageBox::StandardButton(bit)))
            return QMessageBox::StandardButton(bit);
    return escape;
}

QString ScriptedShell::openFileName(QWidget*, const QString&, const QString&, const QString&)
{
    return files.isEmpty() ? QString() : files.takeFirst();
}

namespace chartfile {

QByteArray program(int after, int code)
{
    return QStringLiteral("<?xml version=\"1.0\"?>\n<model type=\"state\"><info/>"
                          "<node id=\"1\" maintype=\"230\" subtype=\"0\" identifier=\"\" active=\"1\"><name>x</name>"
                          "<param name=\"after\">%1</param><param name=\"code\">%2</param>"
                          "<workspace><position x=\"60\" y=\"60\"/></workspace></node></model>\n")
        .arg(after)
        .arg(code)
        .toUtf8();
}

namespace {

QString element(const char* tag, unsigned id, int maintype, int subtype, int x, int y, const QString& name,
                const QString& params = QString())
{
    return QStringLiteral("<%1 id=\"%2\" maintype=\"%3\" subtype=\"%4\"><name>%5</name>%6"
                          "<workspace><position x=\"%7\" y=\"%8\"/></workspace></%1>\n")
        .arg(QLatin1String(tag))
        .arg(id)
        .arg(maintype)
        .arg(subtype)
        .arg(name.toHtmlEscaped(), params)
        .arg(x)
        .arg(y);
}

} // namespace

QString start(unsigned id, int x, int y)
{
    return element("node", id, 0, 0, x, y, QStringLiteral("Start"));
}

QString sync(unsigned id, int subtype, int x, int y)
{
    return element("node", id, 2, subtype, x, y, QStringLiteral("Sync"));
}

QString stateblock(unsigned id, int x, int y, const QString& absolute, const QString& relative, const QString& name)
{
    const QString params = QStringLiteral("<param name=\"abs\">%1</param><param name=\"relative\">%2</param>")
                               .arg(absolute.toHtmlEscaped(), relative.toHtmlEscaped());
    return element("stateblock", id, 1, 0, x, y, name, params);
}

QString net(unsigned id, unsigned fromNode, int fromIndex, unsigned toNode)
{
    return QStringLiteral("<net id=\"%1\"><slot nodeid=\"%4\" channel=\"0\" position=\"1\" id=\"1\"/>"
                          "<slot nodeid=\"%2\" channel=\"%3\" position=\"2\" id=\"2\"/>"
                          "<line startid=\"2\" endid=\"1\"/></net>\n")
        .arg(id)
        .arg(fromNode)
        .arg(fromIndex)
        .arg(toNode);
}

QByteArray chart(const QString& body)
{
    return (QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<model type=\"statechart\">\n") + body
            + QStringLiteral("</model>\n"))
        .toUtf8();
}

} // namespace chartfile

bool writeFile(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void closeAll(StateManager& manager)
{
    for (bool charts : {true, false}) {
        for (StateBase* document : manager.states()) {
            if ((document->kind() == StateBase_t::Chart) == charts) {
                manager.remove(document);
                delete document;
            }
        }
    }
}

void ChartTest::SetUp()
{
    ExitAfterBlock::nodeType();
    startFolder = QDir::currentPath();
    ASSERT_TRUE(folder.isValid());
}

void ChartTest::TearDown()
{
    QDir::setCurrent(startFolder);
    closeAll(manager);
}
