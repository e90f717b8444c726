#include "RobotOption.h"

#include <QTextStream>

#include "ComCenter.h"
#include "KelmarisCom.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

RobotOption::RobotOption() = default;

RobotOption::~RobotOption()
{
    if (centre) {
        comCenter = nullptr;
        centre->close();
    }
}

bool RobotOption::take(QStringList& arguments, QTextStream& err)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("--robot"));
    if (at < 0)
        return true;
    if (at + 1 >= arguments.size() || arguments.at(at + 1).isEmpty()
        || arguments.at(at + 1).startsWith(QLatin1String("--"))) {
        err << "kdwrun: --robot needs HOST[:PORT]" << Qt::endl;
        return false;
    }
    const QString host = arguments.at(at + 1);
    arguments.remove(at, 2);
    return connect(host, err);
}

bool RobotOption::connect(const QString& host, QTextStream& err)
{
    centre = std::make_unique<ComCenter>();
    comCenter = centre.get();
    int failure = 0;
    QObject::connect(centre.get(), &ComCenter::error, [&](int code) { failure = code; });
    centre->setHostName(host);
    centre->connectToHost();
    QElapsedTimer timer;
    timer.start();
    while (!centre->isConnected() && failure == 0 && timer.elapsed() < connectWaitMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    if (!centre->isConnected()) {
        err << "kdwrun: no connection to " << host << ": "
            << (failure ? centre->errorMessage(failure) : QStringLiteral("no answer.")) << Qt::endl;
        return false;
    }
    // The synchronous engine runs the exchange itself from the first cycle on.
    centre->com()->stopAsyncCommunication();
    return true;
}
