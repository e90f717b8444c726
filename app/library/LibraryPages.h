#pragma once

#include "NodeType.h"

#include <QList>

// One page of the block library: its title (translation context "Library") and the
// descriptor functions of its block kinds, in the order the user sees them.
struct LibraryPage
{
    using DescriptorFunction = NodeType (*)();
    const char* title;
    QList<DescriptorFunction> kinds;
};

QList<LibraryPage> libraryPages();
