#pragma once

// Registers every kind of block the program knows, so that workspace files using them
// load. Each block library adds its kinds here.
void registerBlockKinds();
