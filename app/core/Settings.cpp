#include "Settings.h"

#include "AppGlobals.h"
#include "ComCenter.h"
#include "FileHistory.h"
#include "LogCategories.h"
#include "ShellServices.h"
#include "WorkspaceFile.h"
#include "XmlAccess.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <libxml/parser.h>

QString language;
int canvasWidth = 2000;
int canvasHeight = 2000;
int defaultStepMode = 1;
int windowWidth = 800;
int windowHeight = 600;
int windowX = 0;
int windowY = 0;
int splitPosition = 0;
bool windowMaximized = false;
bool demoMode = false;

namespace {

QString nodeName(xmlNode* node)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(node->name));
}

// Takes the attribute only when it is a decimal number.
void readNumber(xmlNode* node, const char* name, int& target)
{
    bool ok = false;
    const int value = attributeText(node, name).toInt(&ok, 10);
    if (ok)
        target = value;
}

void readFlag(xmlNode* node, const char* name, bool& target)
{
    bool ok = false;
    const int value = attributeText(node, name).toInt(&ok, 10);
    if (ok)
        target = value != 0;
}

// A malformed size keeps the default; others are clamped to what a canvas may be.
void readCanvasSide(xmlNode* node, const char* name, int& target)
{
    bool ok = false;
    const int value = attributeText(node, name).toInt(&ok, 10);
    if (ok)
        target = qBound(minimumCanvasSize, value, maximumCanvasSize);
}

void readLanguage(xmlNode* node)
{
    xmlChar* content = xmlNodeGetContent(node);
    language = content ? QString::fromUtf8(reinterpret_cast<const char*>(content)) : QString();
    xmlFree(content);
    qCDebug(lcShell) << "Language:" << language;
}

void readAddressHistory(xmlNode* node, ComCenter& robot)
{
    for (int n = 0;; ++n) {
        const QString address = attributeText(node, QStringLiteral("i%1").arg(n));
        if (address.isEmpty())
            break;
        robot.addHostname(address);
    }
}

void readFileHistory(xmlNode* node, FileHistory& history)
{
    const QString folder = attributeText(node, "dir");
    if (!folder.isEmpty())
        QDir::setCurrent(folder);
    for (int n = 0;; ++n) {
        const QString fileName = attributeText(node, QStringLiteral("i%1").arg(n));
        if (fileName.isEmpty())
            break;
        const int kind = attributeText(node, QStringLiteral("t%1").arg(n)).toInt();
        history.add(fileName, kind);
    }
}

void readElement(xmlNode* node, ComCenter& robot, FileHistory& history)
{
    const QString name = nodeName(node);
    if (name == QLatin1String("Language")) {
        readLanguage(node);
    } else if (name == QLatin1String("CanvasSize")) {
        readCanvasSide(node, "x", canvasWidth);
        readCanvasSide(node, "y", canvasHeight);
    } else if (name == QLatin1String("MainwindowSettings")) {
        readNumber(node, "sizex", windowWidth);
        readNumber(node, "sizey", windowHeight);
        readNumber(node, "split", splitPosition);
        readNumber(node, "posx", windowX);
        readNumber(node, "posy", windowY);
        readFlag(node, "maximized", windowMaximized);
        readFlag(node, "demomode", demoMode);
    } else if (name == QLatin1String("iphistory")) {
        readAddressHistory(node, robot);
    } else if (name == QLatin1String("filehistory")) {
        readFileHistory(node, history);
    }
}

// False when the file exists but yields no document: then nothing more is added.
bool readSettingsFile(ComCenter& robot, FileHistory& history)
{
    xmlParserCtxtPtr context = xmlNewParserCtxt();
    xmlDocPtr document = xmlCtxtReadFile(context, QFile::encodeName(settingsPath).constData(), nullptr,
                                         XML_PARSE_RECOVER | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_NONET);
    if (!document) {
        xmlFreeParserCtxt(context);
        return false;
    }
    xmlNode* root = xmlDocGetRootElement(document);
    for (xmlNode* child = root ? root->children : nullptr; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE)
            readElement(child, robot, history);
    }
    xmlFreeParserCtxt(context);
    xmlFreeDoc(document);
    return true;
}

xmlNode* addChild(xmlNode* root, const char* name)
{
    return xmlNewChild(root, nullptr, reinterpret_cast<const xmlChar*>(name), nullptr);
}

} // namespace

void initSettingsPath()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty())
        return;
    const QString folder = base + QStringLiteral("/KelmarisView");
    QDir().mkpath(folder);
    settingsPath = folder + QStringLiteral("/drasvel.ini");
}

void setDefaultSettings()
{
    canvasWidth = 2000;
    canvasHeight = 2000;
    defaultStepMode = 1;
    windowWidth = 800;
    windowHeight = 600;
    windowX = 0;
    windowY = 0;
    windowMaximized = false;
    demoMode = false;
}

void readSettings(ComCenter& robot, FileHistory& history)
{
    setDefaultSettings();
    if (!settingsPath.isEmpty() && QFileInfo::exists(settingsPath)) {
        if (!readSettingsFile(robot, history))
            return;
    }
    if (robot.hostnameList().isEmpty())
        robot.addHostname(QString::fromLatin1(defaultRobotAddress));
}

bool writeSettings(const ComCenter& robot, const FileHistory& history)
{
    xmlDocPtr document = xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0"));
    xmlNode* root = xmlNewNode(nullptr, reinterpret_cast<const xmlChar*>("Settings"));
    xmlDocSetRootElement(document, root);
    xmlNodeAddContent(addChild(root, "Language"), reinterpret_cast<const xmlChar*>(language.toUtf8().constData()));
    xmlNode* canvas = addChild(root, "CanvasSize");
    writeAttribute(canvas, "x", canvasWidth);
    writeAttribute(canvas, "y", canvasHeight);
    xmlNode* window = addChild(root, "MainwindowSettings");
    writeAttribute(window, "sizex", windowWidth);
    writeAttribute(window, "sizey", windowHeight);
    writeAttribute(window, "posx", windowX);
    writeAttribute(window, "posy", windowY);
    writeAttribute(window, "split", splitPosition);
    writeAttribute(window, "maximized", windowMaximized ? 1 : 0);
    writeAttribute(window, "demomode", demoMode ? 1 : 0);
    xmlNode* addresses = addChild(root, "iphistory");
    const QStringList hosts = robot.hostnameList();
    for (int k = 0; k < hosts.size(); ++k)
        writeAttribute(addresses, QStringLiteral("i%1").arg(k).toUtf8().constData(), hosts.at(hosts.size() - 1 - k));
    xmlNode* files = addChild(root, "filehistory");
    writeAttribute(files, "dir", QDir::currentPath());
    for (int k = 0; k < history.count(); ++k) {
        const FileHistory::Entry entry = history.at(history.count() - 1 - k);
        writeAttribute(files, QStringLiteral("i%1").arg(k).toUtf8().constData(), entry.first);
        writeAttribute(files, QStringLiteral("t%1").arg(k).toUtf8().constData(), static_cast<long long>(entry.second));
    }
    const bool written = !settingsPath.isEmpty() && WorkspaceFile::write(document, settingsPath);
    xmlFreeDoc(document);
    if (!written) {
        ShellServices::current().messageBox(
            nullptr, ShellServices::Warning, QCoreApplication::translate("QObject", "Error saving settings"),
            QCoreApplication::translate("QObject", "Could not write application settings to %1.").arg(settingsPath));
    }
    return written;
}
