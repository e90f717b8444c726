#pragma once

#include <QString>

class FileHistory;
class ComCenter;

// The robot address the history starts with when the settings name none.
constexpr const char* defaultRobotAddress = "192.168.10.1";

// The user's settings, one process-wide value each; read once at start, written at exit.
extern QString language;
extern int canvasWidth;
extern int canvasHeight;
extern int defaultStepMode;
extern int windowWidth;
extern int windowHeight;
extern int windowX;
extern int windowY;
extern int splitPosition;
extern bool windowMaximized;
extern bool demoMode;

// Canvas sizes a settings file may ask for.
constexpr int minimumCanvasSize = 200;
constexpr int maximumCanvasSize = 20000;

// <per-user configuration folder>/KelmarisView/drasvel.ini; creates the folder.
void initSettingsPath();
void setDefaultSettings();
void readSettings(ComCenter& robot, FileHistory& history);
// Writes through a new file renamed over the old one; on failure shows the warning and
// returns false, keeping the old file.
bool writeSettings(const ComCenter& robot, const FileHistory& history);
