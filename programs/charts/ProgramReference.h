#pragma once

#include <QCoreApplication>
#include <QString>

#include <libxml/parser.h>

class State;
class StateChart;

// Finds the program a chart's StateBlock refers to: an open document under the stored
// relative path, then under it resolved against the chart's folder, then the files of
// both paths, asking the user for another file whenever one fails. The chart messages
// and the question go through the shell services.
class ProgramReference
{
    Q_DECLARE_TR_FUNCTIONS(StateBlock)

public:
    ProgramReference(StateChart* chart, const QString& absoluteFile, const QString& relativeFile);
    ~ProgramReference();
    ProgramReference(const ProgramReference&) = delete;
    ProgramReference& operator=(const ProgramReference&) = delete;

    // The bound program, or null when the reference fails or the user cancels.
    State* resolve();

private:
    enum class Parse { Document, Missing, Faulty, NoRoot };
    enum class Open { NotOpen, Bound, Chart };

    // An open document of exactly that name: a program binds, a chart is refused with
    // its message.
    Open useOpenProgram(const QString& name);
    QString askAlternative(const QString& name, const QString& reason);
    Parse parse(const QString& name);
    // One parsed file: a program bound, or the reason to ask for another file.
    bool loadParsed(const QString& name, QString& reason);
    QString chartFolder() const;
    void showLoadError(const QString& text) const;

    StateChart* m_chart;
    QString m_absoluteFile;
    QString m_relativeFile;
    State* m_program = nullptr;
    xmlParserCtxt* m_parser;
    xmlDoc* m_document = nullptr;
    QString m_parseError;
};
