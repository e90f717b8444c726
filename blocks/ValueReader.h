#pragma once

#include "StateNode.h"

#include <QFile>
#include <QVector>

#include <mutex>

// Reads one line of a file in every cycle and puts its numbers on its outputs.
// The file is opened when the block starts and closed when it stops.
class ValueReader : public StateNode
{
public:
    ValueReader(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);
    ~ValueReader() override;

    static NodeType nodeType();
    NodeDialog* createDialog(QWidget* parent) override;

    void setParameters(QMap<QString, QString> parameters) override;
    QMap<QString, QString> parameters() const override;
    void start() override;
    void stop() override;
    void readInputs() override;
    void writeOutputs() override;

    QString fileName() const;
    // Takes effect at the next start.
    void setFileName(const QString& name);

private:
    // The channel count changes under the program's step lock (Node::setSlotCount);
    // the cycle holds that lock before this one, so nobody may take them the other way.
    QVector<double> m_values;
    std::mutex m_valuesMutex;
    QFile m_file;
    QString m_name; // the file name as entered; relative to the current folder at start
    mutable std::mutex m_fileNameMutex;
};
