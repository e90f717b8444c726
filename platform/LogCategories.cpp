#include "LogCategories.h"

Q_LOGGING_CATEGORY(lcPlatform, "drasvel.platform", QtInfoMsg)
Q_LOGGING_CATEGORY(lcEngine, "drasvel.engine", QtInfoMsg)
Q_LOGGING_CATEGORY(lcFiles, "drasvel.files", QtInfoMsg)
Q_LOGGING_CATEGORY(lcNets, "drasvel.nets", QtInfoMsg)
Q_LOGGING_CATEGORY(lcBlocks, "drasvel.blocks", QtInfoMsg)
Q_LOGGING_CATEGORY(lcShell, "drasvel.shell", QtInfoMsg)
Q_LOGGING_CATEGORY(lcRobot, "drasvel.robot", QtInfoMsg)
