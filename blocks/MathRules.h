#pragma once

// The arithmetic of the two-operand math block, kept free of the block so that its
// edge cases can be checked on their own.

// a / b; division by zero saturates to the largest finite float with the sign of a
// (0 for 0 / 0, NaN for NaN / 0) instead of giving an infinity.
float divideSaturated(float a, float b);

// Remainder of the truncating integer division of trunc(a) by trunc(b), with the sign
// of a. A divisor whose integer part is 0, 1 or -1, or an operand that is NaN or does
// not fit a 32-bit integer, gives 0: nothing here can trap.
float truncatedModulo(float a, float b);
