#pragma once
// Second-order filters for shaping noise into card and table sounds, and for voice formants.

namespace zarle::soundgen {

class Biquad {
  public:
    static Biquad LowPass(double cutoffHz, double q, int rate);
    static Biquad HighPass(double cutoffHz, double q, int rate);
    // Unity gain at the centre frequency.
    static Biquad BandPass(double centreHz, double q, int rate);

    float Process(float x);
    // Moves a band-pass filter's centre while it runs (sweeps, gliding formants).
    void RetuneBandPass(double centreHz, double q, int rate);

  private:
    Biquad(double b0, double b1, double b2, double a0, double a1, double a2);
    void Set(double b0, double b1, double b2, double a0, double a1, double a2);

    double b0_ = 0, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

} // namespace zarle::soundgen
