#pragma once

// The workspace files of the test data with their input lines and the rows their value
// writer must write: run in this process by the block tests and through the workspace
// runner by its own tests.
#include <QStringList>
#include <QVector>

#include <ostream>
#include <string>
#include <vector>

struct WorkspaceCase
{
    const char* file;
    QStringList input;
    int cycles;
    QVector<QVector<double>> expected;
};

void PrintTo(const WorkspaceCase& c, std::ostream* os);
// "multiplexer.kdw" as case 14 is named multiplexer_14.
std::string workspaceCaseName(const WorkspaceCase& c, size_t index);

std::vector<WorkspaceCase> workspaceCases();

// Compares the lines of the value file written with the expected rows.
void expectRows(const QStringList& output, const WorkspaceCase& c);
