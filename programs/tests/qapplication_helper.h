#pragma once

// Work to run once the tests' QApplication exists, before the first test (a test
// program registers its block kinds here). Call it during static initialisation.
void addApplicationStartup(void (*startup)());
