#pragma once

#include <QStringList>

#include <memory>

class ComCenter;
class QTextStream;

// kdwrun's "--robot HOST[:PORT]": connects to a robot (or the simulator) before the
// program starts; the engine's exchange then runs after every cycle as in drasvel.
class RobotOption
{
public:
    static constexpr int connectWaitMs = 5000;

    RobotOption();
    ~RobotOption();

    // Takes the option out of the arguments and connects; false with a message when the
    // value is missing or no connection could be made.
    bool take(QStringList& arguments, QTextStream& err);

private:
    bool connect(const QString& host, QTextStream& err);

    std::unique_ptr<ComCenter> centre;
};
