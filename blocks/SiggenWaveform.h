#pragma once

#include <cstdint>

// Settings and output rule of the signal generator. The slider positions are kept as
// given (a file may hold any number) and are clamped only where they are computed with.
class SiggenWaveform
{
public:
    enum Shape { Square = 0, Ramp = 1, Sine = 2 };

    static constexpr int ampSliderMaximum = 12;
    static constexpr int freqSliderMaximum = 7;
    static constexpr int pwSliderMaximum = 10;

    SiggenWaveform();

    int ampSliderValue = 7;
    float amplitude = 20.0f;
    int freqSliderValue = 2;
    float frequency = 0.5f;
    float period = 2000.0f;
    int pwSliderValue = 1;
    int pwSliderMax = 9;
    int pulseWidth = 200;
    int pwUnit = 200;

    // amplitude from ampSliderValue: 0.1, 0.2, 0.5, 1, 2, 5 … 1000.
    void applyAmplitude();
    // frequency, period, pwSliderMax and pwUnit from freqSliderValue; a position
    // outside the table keeps the frequency and only recomputes the period.
    void applyFrequency();
    void applyPulseWidth();
    void applyAll();

    // Milliseconds into the current period after elapsedMs since the start.
    std::uint32_t phaseAt(double elapsedMs) const;
    // Output of the shape at that phase; an unknown shape keeps previous.
    float valueAt(int shape, std::uint32_t phase, float previous) const;
};
