#pragma once

#include <functional>

class QDialog;

// Runs the shell's own modal dialogs (save questions, collisions, properties, options);
// tests replace the runner to answer them.
using DialogRunner = std::function<int(QDialog&)>;
int runDialog(QDialog& dialog);
// An empty runner puts exec() back.
void setDialogRunner(DialogRunner runner);
