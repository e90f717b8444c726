#pragma once

#include <string>

// What the robot reports about itself after a connection is made.
struct KelmarisInfo
{
    // A multi-line text; exactly "not available" while the link has none.
    std::string text = "not available";
    // The robot takes commands from somebody else and only reports to us.
    bool passive = false;
};
