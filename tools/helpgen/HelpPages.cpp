#include "HelpPages.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

namespace {

QString page(const QString& title, const QString& body)
{
    return QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1</title></head>\n"
                          "<body>\n<h1>%1</h1>\n%2</body></html>\n")
        .arg(title.toHtmlEscaped(), body);
}

QString sideName(int side)
{
    switch (side) {
    case 1: return QCoreApplication::translate("HelpPages", "left");
    case 2: return QCoreApplication::translate("HelpPages", "right");
    case 3: return QCoreApplication::translate("HelpPages", "top");
    case 4: return QCoreApplication::translate("HelpPages", "bottom");
    default: return QString();
    }
}

QString slotRows(const NodeType& type)
{
    QString rows;
    for (unsigned n = 0; n < type.slotCount(); ++n) {
        const SlotSpec& spec = type.slotSpecAt(n);
        const QString direction = spec.direction() == 1 ? QCoreApplication::translate("HelpPages", "input")
                                                        : QCoreApplication::translate("HelpPages", "output");
        rows += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>\n")
                    .arg(spec.name(type.subtype()).toHtmlEscaped(), direction, sideName(spec.side()));
    }
    return rows;
}

} // namespace

HelpPages::HelpPages(const QString& folder) : m_folder(folder)
{
}

QString HelpPages::pageName(int helpId)
{
    return QStringLiteral("%1.html").arg(helpId);
}

QString HelpPages::variantPage(const NodeType& type, const QString& pageTitle)
{
    QString body = QStringLiteral("<p>%1: %2</p>\n")
                       .arg(QCoreApplication::translate("HelpPages", "Library page"), pageTitle.toHtmlEscaped());
    body += QStringLiteral("<p>%1: %2</p>\n")
                .arg(QCoreApplication::translate("HelpPages", "Block"), type.name().toHtmlEscaped());
    if (type.subtypeCount() > 1) {
        body += QStringLiteral("<h2>%1</h2>\n<ul>\n").arg(QCoreApplication::translate("HelpPages", "Variants"));
        for (unsigned i = 0; i < type.subtypeCount(); ++i) {
            const NodeType variant = type.withSubtype(static_cast<unsigned short>(i));
            body += QStringLiteral("<li><a href=\"%1\">%2</a></li>\n")
                        .arg(pageName(variant.helpId()), type.subtypeName(i).toHtmlEscaped());
        }
        body += QStringLiteral("</ul>\n");
    }
    const QString rows = slotRows(type);
    if (!rows.isEmpty()) {
        body += QStringLiteral("<h2>%1</h2>\n<table border=\"1\" cellpadding=\"3\">\n"
                               "<tr><th>%2</th><th>%3</th><th>%4</th></tr>\n%5</table>\n")
                    .arg(QCoreApplication::translate("HelpPages", "Connections"),
                         QCoreApplication::translate("HelpPages", "Name"),
                         QCoreApplication::translate("HelpPages", "Direction"),
                         QCoreApplication::translate("HelpPages", "Side"), rows);
    }
    body += QStringLiteral("<p><a href=\"index.html\">%1</a></p>\n")
                .arg(QCoreApplication::translate("HelpPages", "Contents"));
    return page(type.subtypeName(), body);
}

bool HelpPages::write(const QList<LibraryPage>& pages)
{
    if (!QDir().mkpath(m_folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(m_folder));
        return false;
    }
    QString contents;
    for (const LibraryPage& libraryPage : pages) {
        const QString title = QCoreApplication::translate("Library", libraryPage.title);
        if (libraryPage.kinds.isEmpty())
            continue;
        contents += QStringLiteral("<h2>%1</h2>\n<ul>\n").arg(title.toHtmlEscaped());
        for (LibraryPage::DescriptorFunction kind : libraryPage.kinds) {
            const NodeType type = kind();
            for (unsigned i = 0; i < type.subtypeCount(); ++i) {
                const NodeType variant = type.withSubtype(static_cast<unsigned short>(i));
                if (!writeFile(pageName(variant.helpId()), variantPage(variant, title)))
                    return false;
                contents += QStringLiteral("<li><a href=\"%1\">%2</a></li>\n")
                                .arg(pageName(variant.helpId()), variant.subtypeName().toHtmlEscaped());
            }
        }
        contents += QStringLiteral("</ul>\n");
    }
    return writeFile(QStringLiteral("index.html"),
                     page(QCoreApplication::translate("HelpPages", "Function block library"), contents));
}

bool HelpPages::writeFile(const QString& name, const QString& html) const
{
    QSaveFile file(m_folder + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    file.write(html.toUtf8());
    return file.commit();
}
