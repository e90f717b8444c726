#pragma once

class Node;
class QGraphicsScene;
class Slot;
class SlotSpec;

// Creates the slot class that matches the descriptor's kind; null for an unknown kind.
Slot* createSlot(QGraphicsScene* canvas, const SlotSpec& spec, Node* owner);
