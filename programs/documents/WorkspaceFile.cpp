#include "WorkspaceFile.h"

#include "LogCategories.h"
#include "XmlAccess.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <climits>
#include <libxml/parser.h>

WorkspaceFile::~WorkspaceFile()
{
    clear();
}

void WorkspaceFile::clear()
{
    if (m_document)
        xmlFreeDoc(m_document);
    m_document = nullptr;
    m_errorMessage.clear();
}

bool WorkspaceFile::read(const QString& fileName)
{
    clear();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        m_errorMessage = QCoreApplication::translate("QObject", "Could not read file!");
        return false;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    return parse(bytes);
}

bool WorkspaceFile::parse(const QByteArray& bytes)
{
    clear();
    if (bytes.size() > INT_MAX) {
        m_errorMessage = QCoreApplication::translate("QObject", "Could not load file!");
        return false;
    }
    xmlParserCtxt* context = xmlNewParserCtxt();
    if (!context) {
        m_errorMessage = QCoreApplication::translate("QObject", "Could not load file!");
        return false;
    }
    // No network access, and parser messages go to the caller rather than to stderr.
    const int options = XML_PARSE_RECOVER | XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    m_document = xmlCtxtReadMemory(context, bytes.constData(), int(bytes.size()), "", nullptr, options);
    const xmlError& lastError = context->lastError;
    if (!m_document) {
        m_errorMessage = QCoreApplication::translate("QObject", "Could not load file!");
    } else if (lastError.level != XML_ERR_NONE) {
        m_errorMessage = QString::fromUtf8(lastError.message ? lastError.message : "").trimmed();
        xmlFreeDoc(m_document);
        m_document = nullptr;
    } else if (!xmlDocGetRootElement(m_document)) {
        m_errorMessage = QCoreApplication::translate("QObject", "Could not load file!");
        xmlFreeDoc(m_document);
        m_document = nullptr;
    }
    xmlFreeParserCtxt(context);
    return m_document != nullptr;
}

xmlNode* WorkspaceFile::root() const
{
    return m_document ? xmlDocGetRootElement(m_document) : nullptr;
}

QString WorkspaceFile::type() const
{
    return attributeText(root(), QStringLiteral("type"));
}

QByteArray WorkspaceFile::serialize(xmlDoc* document)
{
    xmlChar* buffer = nullptr;
    int size = 0;
    xmlDocDumpFormatMemoryEnc(document, &buffer, &size, "UTF-8", 1);
    const QByteArray bytes(reinterpret_cast<const char*>(buffer), buffer ? size : 0);
    xmlFree(buffer);
    return bytes;
}

bool WorkspaceFile::write(xmlDoc* document, const QString& fileName)
{
    const QByteArray bytes = serialize(document);
    if (bytes.isEmpty())
        return false;
    QSaveFile file(fileName);
    // Unbuffered, so that a short write (disk full, file size limit) shows here: a
    // buffered flush can drop it silently and commit a truncated file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        qCDebug(lcFiles) << "cannot write" << fileName << ":" << file.errorString();
        return false;
    }
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 chunk = file.write(bytes.constData() + written, bytes.size() - written);
        if (chunk <= 0) {
            qCDebug(lcFiles) << "writing" << fileName << "failed:" << file.errorString();
            file.cancelWriting();
            return false;
        }
        written += chunk;
    }
    return file.commit();
}

QString WorkspaceFile::notLoadedMessage(const QString& fileName)
{
    //: %1:filename
    return QCoreApplication::translate("QObject", "The file %1 could not be loaded.").arg(fileName);
}
