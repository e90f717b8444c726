#include "NetDock.h"

#include "ShellServices.h"

NetDock::NetDock(int kind) : m_kind(kind)
{
}

NetDock::~NetDock() = default;

void NetDock::addLine(NetLine* line)
{
    m_lines.append(line);
    netsChanged();
}

void NetDock::removeLine(NetLine* line)
{
    m_lines.removeOne(line);
    netsChanged();
}

QString NetDock::denialText(const QString& reason)
{
    return tr("Connection denied: ") + reason;
}

void NetDock::showStatus(const QString& text)
{
    ShellServices::current().showStatusMessage(text);
}

bool NetDock::deny(const QString& reason)
{
    m_statusText = denialText(reason);
    ShellServices::current().showStatusMessage(m_statusText);
    return false;
}
