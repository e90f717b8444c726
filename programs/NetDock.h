#pragma once

#include <QCoreApplication>
#include <QList>
#include <QPoint>
#include <QString>

class Net;
class NetLine;

// Anything a net line can end at: a slot of a block or a point of a net.
class NetDock
{
    Q_DECLARE_TR_FUNCTIONS(NetDock)

public:
    enum KindBit {
        NetPointBit = 0x01,
        SlotBit = 0x02,
        DataBit = 0x04,
        TransitionBit = 0x08,
        ValueBit = 0x10,
        VectorBit = 0x20,
        ImageBit = 0x40,
        SegImageBit = 0x80,
    };

    explicit NetDock(int kind);
    virtual ~NetDock();
    NetDock(const NetDock&) = delete;
    NetDock& operator=(const NetDock&) = delete;

    // Where lines attach, in canvas coordinates.
    virtual QPoint position() const = 0;
    // Whether the net being drawn (null when none) may join this dock.
    virtual bool canConnect(Net* net) = 0;

    int kind() const { return m_kind; }
    bool hasKind(int mask) const { return (m_kind & mask) == mask; }
    const QList<NetLine*>& lines() const { return m_lines; }
    void addLine(NetLine* line);
    void removeLine(NetLine* line);
    const QString& statusText() const { return m_statusText; }

    // Status-bar texts of the connection rules, shared by slots, points and lines.
    static QString denialText(const QString& reason);
    static void showStatus(const QString& text);

protected:
    // Stores and shows "Connection denied: " with the reason; always false.
    bool deny(const QString& reason);

private:
    QList<NetLine*> m_lines;
    int m_kind;
    QString m_statusText;
};
