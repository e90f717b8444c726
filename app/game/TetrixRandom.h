#pragma once

// The game's one random state, shared by every game window.
namespace TetrixRandom {
void seed(double s);
// 0 .. n - 1.
int next(int n);
double state();
void setState(double value);
} // namespace TetrixRandom
