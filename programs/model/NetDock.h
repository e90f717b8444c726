#pragma once

#include <QCoreApplication>
#include <QList>
#include <QPoint>
#include <QString>

#include <atomic>
#include <cstdint>

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

    // Raised after every change of a dock's lines, a line's net or a net's sources, so an
    // input can keep the source it reads for as long as nothing changed.
    static std::uint64_t netGeneration() { return s_netGeneration.load(std::memory_order_acquire); }
    static void netsChanged() { s_netGeneration.fetch_add(1, std::memory_order_release); }

protected:
    // Stores and shows "Connection denied: " with the reason; always false.
    bool deny(const QString& reason);

private:
    QList<NetLine*> m_lines;
    int m_kind;
    QString m_statusText;
    static inline std::atomic<std::uint64_t> s_netGeneration {0};
};
