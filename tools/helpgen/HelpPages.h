#pragma once

#include <QList>
#include <QString>

#include "LibraryPages.h"

// Writes the help pages of the block library into a folder: a contents page
// ("index.html") and one page per block variant, named after its help context id.
class HelpPages
{
public:
    explicit HelpPages(const QString& folder);

    // False with a message on stderr when a page cannot be written.
    bool write(const QList<LibraryPage>& pages);

    static QString pageName(int helpId);
    // One block variant's page.
    static QString variantPage(const NodeType& type, const QString& pageTitle);

private:
    bool writeFile(const QString& name, const QString& html) const;

    QString m_folder;
};
