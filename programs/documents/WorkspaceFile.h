#pragma once

#include <QString>

#include <libxml/tree.h>

// A parsed workspace file (one "model" element) and the writing of documents.
// Reading is from memory in recovery mode; a file that is unreadable, unparsable or
// draws any parser message is refused with the message the shell shows for it.
class WorkspaceFile
{
public:
    WorkspaceFile() = default;
    ~WorkspaceFile();
    WorkspaceFile(const WorkspaceFile&) = delete;
    WorkspaceFile& operator=(const WorkspaceFile&) = delete;

    bool read(const QString& fileName);
    bool parse(const QByteArray& bytes);
    xmlNode* root() const;
    // The root's "type": "state" or "statechart" for a workspace document.
    QString type() const;
    QString errorMessage() const { return m_errorMessage; }

    // Writes the document indented in UTF-8 through a new file renamed over the old
    // one; on failure the old file is untouched and false is returned.
    static bool write(xmlDoc* document, const QString& fileName);
    // The document in the exact bytes write() would store.
    static QByteArray serialize(xmlDoc* document);
    // What the shell shows when a file cannot be turned into a document.
    static QString notLoadedMessage(const QString& fileName);

private:
    void clear();

    xmlDoc* m_document = nullptr;
    QString m_errorMessage;
};
