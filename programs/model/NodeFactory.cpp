#include "NodeFactory.h"

QMap<unsigned short, NodeFactory>& nodeFactories()
{
    static QMap<unsigned short, NodeFactory> factories;
    return factories;
}

void mapLegacyNodeType(unsigned maintype, unsigned subtype, unsigned& newMaintype, unsigned& newSubtype)
{
    constexpr unsigned legacyMaintype = 39;
    constexpr unsigned firstReplacement = 48;
    newMaintype = maintype;
    newSubtype = subtype;
    if (maintype == legacyMaintype && subtype <= 2) {
        newMaintype = firstReplacement + subtype;
        newSubtype = 0;
    }
}
