#include "ChannelBlock.h"

ChannelBlock::ChannelBlock(State* owner, QGraphicsScene* canvas, unsigned id, const NodeType& type, const QString& key,
                           const IconRule& rule)
    : StateNode(owner, canvas, id, type), key(key), rule(rule)
{
}

void ChannelBlock::setChannel(unsigned n)
{
    m_channel.store(n);
    if (n == 0)
        setIcon(ChannelIcon::picture(QString::fromLatin1(rule.plain)));
    else
        setIcon(ChannelIcon::numbered(QString::fromLatin1(rule.base), n + static_cast<unsigned>(rule.shownOffset),
                                      rule.pointSize, rule.placement));
}

void ChannelBlock::setParameters(QMap<QString, QString> parameters)
{
    bool ok = false;
    const unsigned n = parameters.value(key).toUInt(&ok);
    if (ok)
        setChannel(n);
}

QMap<QString, QString> ChannelBlock::parameters() const
{
    QMap<QString, QString> result;
    result.insert(key, QString::number(channel()));
    return result;
}
