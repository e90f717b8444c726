#pragma once

// Arithmetic of the blocks (the two-operand math block, the dial tables), kept free of
// the blocks so that its edge cases can be checked on their own.

// a / b; division by zero saturates to the largest finite float with the sign of a
// (0 for 0 / 0, NaN for NaN / 0) instead of giving an infinity.
float divideSaturated(float a, float b);

// Remainder of the truncating integer division of trunc(a) by trunc(b), with the sign
// of a. A divisor whose integer part is 0, 1 or -1, or an operand that is NaN or does
// not fit a 32-bit integer, gives 0: nothing here can trap.
float truncatedModulo(float a, float b);

// 10 to the power e (1 for e <= 0), by repeated squaring in float: the dial tables
// depend on exactly these roundings.
float powerOfTen(int e);
