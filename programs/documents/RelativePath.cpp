#include "RelativePath.h"

namespace {

// The first component of a path, including its "/"; empty when there is no "/".
QString leadingComponent(const QString& path)
{
    const qsizetype slash = path.indexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.left(slash + 1);
}

} // namespace

QString relativePath(const QString& path, const QString& dir)
{
    QString folder = dir;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    if (path.startsWith(folder))
        return path.mid(folder.size());

    const QString head = leadingComponent(folder);
    if (head.isEmpty() || !path.startsWith(head))
        return path; // another root

    QString rest = path.mid(head.size());
    folder = folder.mid(head.size());
    qsizetype up = folder.count(QLatin1Char('/'));
    for (QString component = leadingComponent(folder); !component.isEmpty(); component = leadingComponent(folder)) {
        if (!rest.startsWith(component))
            break;
        rest = rest.mid(component.size());
        folder = folder.mid(component.size());
        --up;
    }
    QString relative;
    for (qsizetype i = 0; i < up; ++i)
        relative += QStringLiteral("../");
    return relative + rest;
}
