#pragma once

#include <QLoggingCategory>

// The diagnostics of each subsystem, switched on and off by category, for example with
// QT_LOGGING_RULES="drasvel.files.debug=true". Debug output is off by default.
// Other subsystems add their category here.
Q_DECLARE_LOGGING_CATEGORY(lcPlatform) // drasvel.platform: clocks, scheduling
Q_DECLARE_LOGGING_CATEGORY(lcEngine) // drasvel.engine: the cycle and image threads
Q_DECLARE_LOGGING_CATEGORY(lcFiles) // drasvel.files: workspace files
Q_DECLARE_LOGGING_CATEGORY(lcNets) // drasvel.nets: lines between blocks
Q_DECLARE_LOGGING_CATEGORY(lcBlocks) // drasvel.blocks: function blocks
Q_DECLARE_LOGGING_CATEGORY(lcShell) // drasvel.shell: main window, settings, help
Q_DECLARE_LOGGING_CATEGORY(lcRobot) // drasvel.robot: robot link and robot blocks
