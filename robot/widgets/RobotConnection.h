#pragma once

#include <functional>

// The main window's two robot commands as the connection widgets use them. By default
// they act on the process-wide ComCenter as the main window does; the shell may put its
// own in their place.
namespace RobotConnection {

// Starts a connection attempt (nothing while the link is busy).
void connectRobot();
// Switches automatic reconnection off, then closes the connection.
void disconnectRobot();

void setCommands(std::function<void()> connect, std::function<void()> disconnect);

} // namespace RobotConnection
