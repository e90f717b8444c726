#pragma once

class Node;

// Value slots of a block by side and index; a missing slot reads 0 and ignores writes.
namespace RobotSlots {

float input(const Node& node, int side, int index);
bool isTrue(const Node& node, int side, int index);
void output(Node& node, int side, int index, float value);

} // namespace RobotSlots
