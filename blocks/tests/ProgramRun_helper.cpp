#include "ProgramRun_helper.h"

#include "Node.h"
#include "State.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <libxml/parser.h>

ProgramRun::ProgramRun(const QString& dataFile) : previousDirectory(QDir::currentPath())
{
    QDir::setCurrent(scratch.path());
    QFile file(dataPath(dataFile));
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray text = file.readAll();
    xmlDoc* document = xmlReadMemory(text.constData(), int(text.size()), nullptr, nullptr,
                                     XML_PARSE_RECOVER | XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (!document)
        return;
    auto loadedProgram = std::make_unique<State>(0);
    if (loadedProgram->load(xmlDocGetRootElement(document)))
        program = std::move(loadedProgram);
    xmlFreeDoc(document);
}

ProgramRun::~ProgramRun()
{
    stop();
    program.reset();
    QDir::setCurrent(previousDirectory);
}

Node* ProgramRun::block(unsigned id) const
{
    for (Node* node : program->cycleBlocks()) {
        if (node->id() == id)
            return node;
    }
    return nullptr;
}

void ProgramRun::writeInput(const QStringList& lines, const QString& name)
{
    QFile file(scratchPath(name));
    if (file.open(QIODevice::WriteOnly)) {
        for (const QString& line : lines)
            file.write(line.toLatin1() + '\n');
    }
}

void ProgramRun::start()
{
    if (running || !program)
        return;
    program->reset();
    for (Node* node : program->cycleBlocks())
        node->activate();
    running = true;
    endedIn = 0;
}

int ProgramRun::run(int cycles)
{
    start();
    for (int i = 0; i < cycles && running; ++i) {
        ++cycle;
        program->step();
        if (program->exitCode() > 0) {
            endedIn = cycle;
            const int code = program->exitCode();
            stop();
            return code;
        }
    }
    return 0;
}

void ProgramRun::stop()
{
    if (!running)
        return;
    for (Node* node : program->cycleBlocks())
        node->deactivate();
    running = false;
    cycle = 0;
}

QStringList ProgramRun::output(const QString& name) const
{
    QFile file(scratchPath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString ProgramRun::scratchPath(const QString& name) const
{
    return scratch.filePath(name);
}

bool ProgramRun::saveAs(const QString& name)
{
    program->setFileName(scratchPath(name), false);
    return program->save();
}

QString ProgramRun::dataPath(const QString& file)
{
    if (QFileInfo(file).isAbsolute())
        return file;
    return QStringLiteral(DRASVEL_BLOCKS_TEST_DATA "/") + file;
}
