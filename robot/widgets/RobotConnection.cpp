#include "RobotConnection.h"

#include "ComCenter.h"

namespace RobotConnection {

namespace {

std::function<void()>& connectCommand()
{
    static std::function<void()> command;
    return command;
}

std::function<void()>& disconnectCommand()
{
    static std::function<void()> command;
    return command;
}

} // namespace

void connectRobot()
{
    if (connectCommand())
        connectCommand()();
    else if (comCenter)
        comCenter->connectToHost();
}

void disconnectRobot()
{
    if (disconnectCommand()) {
        disconnectCommand()();
    } else if (comCenter) {
        comCenter->setAutoReconnect(false);
        comCenter->close();
    }
}

void setCommands(std::function<void()> connect, std::function<void()> disconnect)
{
    connectCommand() = std::move(connect);
    disconnectCommand() = std::move(disconnect);
}

} // namespace RobotConnection
