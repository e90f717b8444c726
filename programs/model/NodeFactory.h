#pragma once

#include <QMap>

class NodeType;
class QGraphicsScene;
class State;
class StateNode;

// Creates a block of one kind for a program; every kind's description function enters
// its factory under its maintype the first time it builds its descriptor.
using NodeFactory = StateNode* (*)(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

// The block-type registry: maintype to factory. Entries are only ever added.
QMap<unsigned short, NodeFactory>& nodeFactories();

// Workspace files may store three logic kinds under maintype 39, which no kind has:
// (39, 0) -> (48, 0), (39, 1) -> (49, 0), (39, 2) -> (50, 0); other pairs pass unchanged.
void mapLegacyNodeType(unsigned maintype, unsigned subtype, unsigned& newMaintype, unsigned& newSubtype);
