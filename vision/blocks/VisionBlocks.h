#pragma once

// Registers the camera and image-processing block kinds with the block library.
void registerVisionBlocks();
