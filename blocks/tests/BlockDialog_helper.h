#pragma once

// Programs written as workspace text for the tests of the block dialogs, run cycle by
// cycle, with their dialogs opened in a plain widget standing for the dialog area.

#include "ProgramRun_helper.h"

#include <QMap>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

class NodeDialog;
class StateNode;

namespace kdw {
QString node(unsigned id, unsigned maintype, unsigned subtype, int x, const QMap<QString, QString>& params = {},
             const QString& slotCounts = QString());
// From output channel of one block to input channel of another.
QString net(unsigned id, unsigned fromNode, int fromChannel, unsigned toNode, int toChannel);
// A value reader (id 1, file in.txt) with that many outputs.
QString reader(int outputs);
// A value writer (id 9, file out.txt) with that many inputs.
QString writer(int inputs);
} // namespace kdw

class BlockDialogTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Loads a program from the bodies of its model element.
    void load(const QString& body);
    // Saves the program and loads the saved file in its place.
    void reload();
    // The first block of that kind (ids are renumbered when a program loads).
    StateNode* block(unsigned short maintype) const;
    NodeDialog* open(unsigned short maintype);
    template <typename Dialog>
    Dialog* open(unsigned short maintype)
    {
        return qobject_cast<Dialog*>(open(maintype));
    }
    // Runs the program over the reader's lines, one per cycle, and returns the
    // writer's lines.
    QStringList runOver(const QStringList& lines);

    QWidget area;
    QTemporaryDir files;
    std::unique_ptr<ProgramRun> run;
};
