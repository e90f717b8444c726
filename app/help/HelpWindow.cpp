#include "HelpWindow.h"

#include "AppGlobals.h"

#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window), m_browser(new QTextBrowser(this))
{
    setWindowTitle(applicationTitle + QStringLiteral(" - ") + tr("Help"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    m_browser->setOpenLinks(true);
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(700, 600);
}

HelpWindow* HelpWindow::instance()
{
    static QPointer<HelpWindow> window;
    if (!window)
        window = new HelpWindow;
    return window;
}

QString HelpWindow::pageFor(int contextId, const QString& language)
{
    for (const QString& lang : {language, QStringLiteral("en")}) {
        // Looked up beside the start folder first, then where drasvel is installed;
        // the working folder is never changed.
        const QString folder = findDataFolder(QStringLiteral("/../doc/") + lang, QStringLiteral("doc/") + lang,
                                              QStringLiteral("index.html"));
        if (folder.isEmpty())
            continue;
        const QString page = folder + QStringLiteral("/%1.html").arg(contextId);
        if (contextId != 0 && QFileInfo::exists(page))
            return page;
        return folder + QStringLiteral("/index.html");
    }
    return QString();
}

void HelpWindow::showContext(int contextId, const QString& language)
{
    const QString page = pageFor(contextId, language);
    if (page.isEmpty())
        m_browser->setHtml(tr("<p>The help pages are not installed.</p>"));
    else
        m_browser->setSource(QUrl::fromLocalFile(page));
    show();
    raise();
}
