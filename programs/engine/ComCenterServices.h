#pragma once

class QObject;

// What the engine threads use of the robot link. The robot link installs its own
// implementation; until then (and in tests) a do-nothing one answers.
class ComCenterServices
{
public:
    virtual ~ComCenterServices();

    // Cycle thread: one input/output exchange with the robot, once when a run starts
    // and once per cycle after all programs were stepped.
    virtual void exchangeIo();
    // Image thread: waits for and decodes the next camera image while the robot is
    // connected; returns at once otherwise.
    virtual void receiveImage();
    // Makes a waiting receiveImage() return; the engine calls it when it shuts down,
    // after the event loop that would deliver the stop event has ended.
    virtual void endImageLoop();
    // Receiver of the engine's start and stop events (1011, 1012); null without one.
    virtual QObject* eventReceiver() const;

    static ComCenterServices& current();
    // Null puts the do-nothing services back. The caller keeps ownership.
    static void install(ComCenterServices* services);
};
