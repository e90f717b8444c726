#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGINT (the session ending, kill, Ctrl+C in the terminal) into a Qt
// signal on the GUI thread, so the program can close its window as if the user had: unsaved
// documents are asked for and the settings are written. One instance per process.
class TerminationRequest : public QObject
{
    Q_OBJECT

public:
    explicit TerminationRequest(QObject* parent = nullptr);
    ~TerminationRequest() override;

    // Catches the signals from this moment on, before any Qt object can exist: a request that
    // comes early waits in the pipe and is delivered once an instance's event loop runs.
    static void catchSignals();

Q_SIGNALS:
    void requested();

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
};
