#pragma once

#include "Vector.h"

#include <QString>

class Node;

// Reads of a block's left-side inputs and writes of its right-side outputs by index.
// A slot that does not exist (a count lowered meanwhile, a kind mismatch) reads as 0
// and ignores writes, so no block can reach past its slots.
class SlotAccess
{
public:
    static float value(const Node& node, int index);
    static bool isTrue(const Node& node, int index);
    static int rounded(const Node& node, int index);
    static Vector vector(const Node& node, int index);
    static void setValue(Node& node, int index, float value);
    static void setVector(Node& node, int index, const Vector& value);

    // A slot name: the text with n in place of "%1", or followed by a blank and n when
    // the text has no place marker.
    static QString numberedName(const QString& text, int n);
};
