#pragma once

#include "NodeFactory.h"
#include "NodeType.h"
#include "StateNode.h"

// Creates a block whose constructor takes (owner, canvas, subtype, id).
template <typename Block>
StateNode* createBlock(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new Block(owner, canvas, type.subtype(), id);
}

// A block kind's descriptor, built once by describe from the block base's, with the kind's
// factory entered in the registry under the maintype describe set.
template <typename Block, typename Describe>
NodeType describeBlockKind(Describe describe)
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        describe(type);
        nodeFactories().insert(type.maintype(), &createBlock<Block>);
    }
    return type;
}
