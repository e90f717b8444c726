#include "ProgramReference.h"

#include "ShellServices.h"
#include "State.h"
#include "StateChart.h"
#include "StateManager.h"
#include "XmlAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <climits>

ProgramReference::ProgramReference(StateChart* chart, const QString& absoluteFile, const QString& relativeFile)
    : m_chart(chart), m_absoluteFile(absoluteFile), m_relativeFile(relativeFile), m_parser(xmlNewParserCtxt())
{
}

ProgramReference::~ProgramReference()
{
    if (m_document)
        xmlFreeDoc(m_document);
    if (m_parser)
        xmlFreeParserCtxt(m_parser);
}

State* ProgramReference::resolve()
{
    if (!m_chart || !m_chart->manager() || !m_parser)
        return nullptr;
    QString name = m_relativeFile;
    for (const QString& candidate : {name, QDir::cleanPath(QDir(chartFolder()).absoluteFilePath(name))}) {
        name = candidate;
        if (useOpenProgram(name) != Open::NotOpen)
            return m_program; // null after an open chart's message
    }
    bool firstMiss = true;
    for (;;) {
        QString reason;
        const Parse result = parse(name);
        if (result == Parse::NoRoot)
            return nullptr;
        if (result == Parse::Missing && firstMiss) {
            firstMiss = false;
            if (m_absoluteFile.isEmpty()) {
                //: %1:statechartname
                showLoadError(tr("Error loading %1.\nEmpty filename found.").arg(m_chart->displayName()));
                return nullptr;
            }
            name = QFileInfo(m_absoluteFile).absoluteFilePath();
            if (useOpenProgram(name) != Open::NotOpen)
                return m_program;
            continue;
        }
        // A file still missing is asked for with the last parse error of this load, if any.
        if (result == Parse::Missing || result == Parse::Faulty)
            reason = m_parseError;
        else if (loadParsed(name, reason))
            return m_program;
        name = askAlternative(name, reason);
        if (name.isNull())
            return nullptr;
        // An open chart under the chosen name has shown its message; its file is parsed
        // next and gives the question again.
        if (useOpenProgram(name) == Open::Bound)
            return m_program;
    }
}

QString ProgramReference::chartFolder() const
{
    // Pasted and restored elements resolve against their chart, not the current folder.
    if (m_chart->hasFileName())
        return QFileInfo(m_chart->fileName()).absolutePath();
    return QDir::currentPath();
}

ProgramReference::Open ProgramReference::useOpenProgram(const QString& name)
{
    StateBase* open = m_chart->manager()->stateByFileName(name);
    if (!open)
        return Open::NotOpen;
    if (auto* program = qobject_cast<State*>(open)) {
        m_program = program;
        return Open::Bound;
    }
    //: %1:statechartname %2:filename
    showLoadError(tr("Error loading %1.\nThe file name %2 is referencing a currently opened statechart.")
                      .arg(m_chart->displayName(), name));
    return Open::Chart;
}

QString ProgramReference::askAlternative(const QString& name, const QString& reason)
{
    const auto answer = ShellServices::current().messageBox(
        nullptr, ShellServices::Critical, tr("Error"),
        tr("Error on loading the state %1:\n%2\nCancel or choose an alternative state.").arg(name, reason),
        QMessageBox::Open | QMessageBox::Cancel, QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer != QMessageBox::Open)
        return QString();
    return ShellServices::current().openFileName(nullptr, tr("Alternative state..."), QString(),
                                                 QStringLiteral("*.kdw"));
}

ProgramReference::Parse ProgramReference::parse(const QString& name)
{
    if (m_document)
        xmlFreeDoc(m_document);
    m_document = nullptr;
    QFile file(name);
    if (name.isEmpty() || !file.open(QIODevice::ReadOnly))
        return Parse::Missing;
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty() || bytes.size() > INT_MAX)
        return Parse::Missing;
    xmlCtxtResetLastError(m_parser);
    const int options = XML_PARSE_RECOVER | XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    m_document = xmlCtxtReadMemory(m_parser, bytes.constData(), int(bytes.size()), "", nullptr, options);
    if (!m_document)
        return Parse::Missing;
    const xmlError& error = m_parser->lastError;
    if (error.level != XML_ERR_NONE) {
        const QString message = QString::fromUtf8(error.message ? error.message : "").trimmed();
        //: Fehler: %1
        m_parseError = tr("Error parsing file.\nError: %1").arg(message);
        return Parse::Faulty;
    }
    return xmlDocGetRootElement(m_document) ? Parse::Document : Parse::NoRoot;
}

bool ProgramReference::loadParsed(const QString& name, QString& reason)
{
    xmlNode* root = xmlDocGetRootElement(m_document);
    if (attributeText(root, "type") != QLatin1String("state")) {
        reason = tr("File does not contain a state.");
        return false;
    }
    StateBase* loaded = ShellServices::current().loadModel(*m_chart->manager(), name, root);
    m_program = qobject_cast<State*>(loaded);
    if (m_program)
        return true;
    reason = tr("Error while loading state.");
    return false;
}

void ProgramReference::showLoadError(const QString& text) const
{
    ShellServices::current().messageBox(nullptr, ShellServices::Critical, applicationTitle, text);
}
