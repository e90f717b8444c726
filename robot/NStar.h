#pragma once

#include "NorthStarCommand.h"
#include "StateNode.h"

#include <mutex>

#include <atomic>
#include <cstdint>

// The robot's position and heading from its NorthStar sensor, relative to an origin the
// user sets; sends the sensor command that holds the chosen room in every cycle.
class NStar : public StateNode
{
public:
    NStar(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();

    NodeDialog* createDialog(QWidget* parent) override;
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    // Readings of the last cycle, for the dialog.
    unsigned magnitude0() const { return m_magnitude0.load(); }
    unsigned magnitude1() const { return m_magnitude1.load(); }
    int room() const { return m_room.load(); }
    unsigned timestamp() const { return m_timestamp.load(); }
    unsigned spots() const { return m_spots.load(); }

    // GUI thread: the room the sensor command carries, as one byte.
    void setCommandRoom(int room);
    NorthStarCommand command() const;
    // GUI thread: the current pose becomes the origin.
    void setOriginToCurrent();
    void setOrigin(double x, double y, double phi);

    void setParameters(QMap<QString, QString> parameters) override;
    QMap<QString, QString> parameters() const override;
    void start() override;
    void readInputs() override;
    void writeOutputs() override;

private:
    void takeReadings();

    std::atomic<unsigned> m_magnitude0 {100};
    std::atomic<unsigned> m_magnitude1 {100};
    std::atomic<int> m_room {0};
    std::atomic<unsigned> m_timestamp {0};
    std::atomic<unsigned> m_spots {0};
    std::atomic<double> x {0.0};
    std::atomic<double> y {0.0};
    std::atomic<double> phi {0.0};
    std::atomic<double> originX {0.0};
    std::atomic<double> originY {0.0};
    std::atomic<double> originPhi {0.0};
    mutable std::mutex commandLock;
    NorthStarCommand m_command;
};
