#pragma once

// Registers every kind of block the program knows, so that workspace files using them
// load. The application and the workspace runner call it once at start; each block
// library adds its registration here.
void registerBlockKinds();
