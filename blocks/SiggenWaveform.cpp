#include "SiggenWaveform.h"

#include "MathRules.h"

#include <algorithm>
#include <cmath>

namespace {

struct FrequencyRow
{
    float frequency;
    int pwSliderMax;
    int pwUnit;
};

constexpr FrequencyRow frequencyTable[] = {
    {0.1f, 9, 1000}, {0.2f, 9, 500}, {0.5f, 9, 200}, {1.0f, 9, 100},
    {2.0f, 4, 100},  {5.0f, 9, 20},  {10.0f, 4, 20}, {25.0f, 1, 20},
};

} // namespace

SiggenWaveform::SiggenWaveform()
{
    applyAll();
}

void SiggenWaveform::applyAmplitude()
{
    const int a = std::clamp(ampSliderValue, 0, ampSliderMaximum);
    static constexpr float mantissa[] = {0.1f, 0.2f, 0.5f};
    amplitude = mantissa[a % 3] * powerOfTen(a / 3);
}

void SiggenWaveform::applyFrequency()
{
    if (freqSliderValue >= 0 && freqSliderValue <= freqSliderMaximum) {
        const FrequencyRow& row = frequencyTable[freqSliderValue];
        frequency = row.frequency;
        pwSliderMax = row.pwSliderMax;
        pwUnit = row.pwUnit;
    }
    period = 1000.0f / frequency;
}

void SiggenWaveform::applyPulseWidth()
{
    pulseWidth = pwUnit * std::clamp(pwSliderValue, 0, pwSliderMaximum);
}

void SiggenWaveform::applyAll()
{
    applyAmplitude();
    applyFrequency();
    applyPulseWidth();
}

std::uint32_t SiggenWaveform::phaseAt(double elapsedMs) const
{
    const auto elapsed = static_cast<std::uint32_t>(std::fmod(std::max(elapsedMs, 0.0), 4294967296.0));
    const auto periodMs = static_cast<std::uint32_t>(period);
    return periodMs == 0 ? 0 : elapsed % periodMs;
}

float SiggenWaveform::valueAt(int shape, std::uint32_t phase, float previous) const
{
    switch (shape) {
    case Square: return std::int64_t(phase) < std::int64_t(pulseWidth) ? amplitude : 0.0f;
    case Ramp: {
        const float slope = amplitude / period;
        return slope * float(phase);
    }
    case Sine: return float(std::sin(double(phase) * 6.28318 / double(period)) * (double(amplitude) * 0.5));
    default: return previous;
    }
}
