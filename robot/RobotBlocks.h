#pragma once

// Builds the descriptor of every robot block kind, which enters each kind's factory in
// the block-type registry. Call it once before any workspace file is loaded; later calls
// change nothing.
void registerRobotBlocks();
