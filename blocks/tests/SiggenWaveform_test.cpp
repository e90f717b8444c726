#include "SiggenWaveform.h"

#include <gtest/gtest.h>

namespace {

SiggenWaveform waveform(int amp, int freq, int pw)
{
    SiggenWaveform w;
    w.ampSliderValue = amp;
    w.freqSliderValue = freq;
    w.pwSliderValue = pw;
    w.applyAll();
    return w;
}

float outputAt(const SiggenWaveform& w, int shape, double ms)
{
    return w.valueAt(shape, w.phaseAt(ms), -99.0f);
}

} // namespace

TEST(SiggenWaveform, AmplitudeSteps)
{
    const float expected[] = {0.1f, 0.2f, 0.5f, 1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};
    for (int a = 0; a <= 12; ++a)
        EXPECT_FLOAT_EQ(waveform(a, 2, 1).amplitude, expected[a]) << a;
    EXPECT_FLOAT_EQ(waveform(-4, 2, 1).amplitude, 0.1f);
    EXPECT_FLOAT_EQ(waveform(400, 2, 1).amplitude, 1000.0f);
    EXPECT_EQ(waveform(400, 2, 1).ampSliderValue, 400);
}

TEST(SiggenWaveform, FrequencyRows)
{
    struct Row
    {
        float frequency, period;
        int pwMax, pwUnit;
    } rows[] = {{0.1f, 10000, 9, 1000}, {0.2f, 5000, 9, 500}, {0.5f, 2000, 9, 200}, {1, 1000, 9, 100},
                {2, 500, 4, 100},       {5, 200, 9, 20},      {10, 100, 4, 20},     {25, 40, 1, 20}};
    for (int f = 0; f < 8; ++f) {
        const SiggenWaveform w = waveform(7, f, 1);
        EXPECT_EQ(w.frequency, rows[f].frequency) << f;
        EXPECT_EQ(w.period, rows[f].period) << f;
        EXPECT_EQ(w.pwSliderMax, rows[f].pwMax) << f;
        EXPECT_EQ(w.pwUnit, rows[f].pwUnit) << f;
    }
    // Outside the table the frequency so far stays.
    const SiggenWaveform kept = waveform(7, 9, 1);
    EXPECT_EQ(kept.frequency, 0.5f);
    EXPECT_EQ(kept.period, 2000.0f);
}

TEST(SiggenWaveform, DefaultSquarePulseComesFirst)
{
    const SiggenWaveform w;
    const double times[] = {0, 199, 200, 1999, 2000, 2199, 2200, 60100};
    const float expected[] = {20, 20, 0, 0, 20, 20, 0, 20};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(outputAt(w, SiggenWaveform::Square, times[i]), expected[i]) << times[i];
}

TEST(SiggenWaveform, RampAndSineAtGivenTimes)
{
    const SiggenWaveform ramp = waveform(3, 3, 1);
    EXPECT_FLOAT_EQ(outputAt(ramp, SiggenWaveform::Ramp, 500), 0.5f);
    EXPECT_NEAR(outputAt(ramp, SiggenWaveform::Ramp, 999), 0.999f, 1e-6);
    EXPECT_EQ(outputAt(ramp, SiggenWaveform::Ramp, 1000), 0.0f);

    const SiggenWaveform sine = waveform(4, 3, 1);
    EXPECT_EQ(outputAt(sine, SiggenWaveform::Sine, 250), 1.0f);
    EXPECT_EQ(outputAt(sine, SiggenWaveform::Sine, 750), -1.0f);
    EXPECT_NEAR(outputAt(sine, SiggenWaveform::Sine, 500), 0.0f, 1e-4);
    EXPECT_EQ(sine.valueAt(7, 100, -99.0f), -99.0f);
}

TEST(SiggenWaveform, MissingKeysAndOversizedPulse)
{
    const SiggenWaveform zero = waveform(0, 0, 0);
    EXPECT_FLOAT_EQ(zero.amplitude, 0.1f);
    EXPECT_EQ(zero.pulseWidth, 0);
    for (double t : {0.0, 5000.0, 9999.0})
        EXPECT_EQ(outputAt(zero, SiggenWaveform::Square, t), 0.0f);

    // A pulse as long as the period or longer keeps the output up.
    const SiggenWaveform wide = waveform(7, 3, 20);
    for (double t : {0.0, 500.0, 999.0})
        EXPECT_EQ(outputAt(wide, SiggenWaveform::Square, t), 20.0f);
    EXPECT_EQ(waveform(7, 3, 2000000000).pulseWidth, 1000);
}

TEST(SiggenWaveform, LongRunsWrapWithoutOverflow)
{
    const SiggenWaveform w;
    EXPECT_LT(w.phaseAt(1e15), 2000u);
    EXPECT_EQ(w.phaseAt(-5.0), 0u);
}
