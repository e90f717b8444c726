#pragma once

// Connection state of the link; only Idle accepts a new connection attempt.
struct KelmarisComState
{
    enum kelmarisComState_t {
        Idle = 0,
        Connecting = 1,
        Connected = 2,
    };
};
