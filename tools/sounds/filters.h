#pragma once
// A second-order filter (the usual "cookbook" biquad), used to shape noise
// and to soften or thin a whole layer.
namespace synth {

class Biquad {
public:
    static Biquad low_pass(double cutoff_hz, double q = 0.707);
    static Biquad high_pass(double cutoff_hz, double q = 0.707);
    static Biquad band_pass(double centre_hz, double q);

    // Moves a band-pass to a new centre without losing its state, for sweeps.
    void retune_band_pass(double centre_hz, double q);

    float process(float input);

private:
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

}  // namespace synth
