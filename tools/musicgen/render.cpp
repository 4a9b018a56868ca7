// The synthesiser behind the soundtrack.
//
// Pitched voices read band-limited wave tables: one table per half octave of
// pitch, each holding only the harmonics that stay below 15 kHz at the top of
// its range, so nothing folds back from above the Nyquist frequency.  Bells
// are a handful of sine partials, drums are swept sines and low-passed noise.
// Every note has a shaped envelope (a raised-cosine attack, a release that
// reaches zero smoothly), so nothing clicks.  The voices feed a dry stereo
// bus and two sends, a ping-pong echo and a small room (comb and all-pass
// reverberator); the master takes out DC and anything above 15 kHz.
#include "tools/musicgen/render.h"

#include <sndfile.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <mutex>

namespace musicgen {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kTableBits = 12;
constexpr int kTableSize = 1 << kTableBits;
// Highest partial any table or bell may hold.
constexpr double kTopPartialHz = 15000.0;
constexpr int kBands = 22;  // half octaves from 20 Hz

double BandTop(int band) {
    return 20.0 * std::pow(2.0, band / 2.0);
}

struct Tables {
    // [wave][band] -> kTableSize + 1 samples (the last repeats the first).
    std::array<std::array<std::vector<float>, kBands>, 5> waves;
    std::vector<float> sine;
};

const Tables& WaveTables() {
    static Tables tables;
    static std::once_flag once;
    std::call_once(once, [] {
        std::vector<double> s(kTableSize);
        for (int i = 0; i < kTableSize; ++i)
            s[i] = std::sin(2.0 * kPi * i / kTableSize);
        tables.sine.assign(s.begin(), s.end());
        tables.sine.push_back(tables.sine[0]);
        for (int wave = 0; wave < 5; ++wave) {
            for (int band = 0; band < kBands; ++band) {
                const int top = std::max(1, static_cast<int>(kTopPartialHz / BandTop(band)));
                std::vector<double> sum(kTableSize, 0.0);
                for (int h = 1; h <= std::min(top, kTableSize / 2 - 1); ++h) {
                    double amp = 0.0;
                    switch (static_cast<Wave>(wave)) {
                        case Wave::Sine:
                            amp = h == 1 ? 1.0 : 0.0;
                            break;
                        case Wave::Triangle:
                            amp = h % 2 ? 8.0 / (kPi * kPi * h * h) * ((h / 2) % 2 ? -1 : 1) : 0;
                            break;
                        case Wave::Saw:
                            amp = 2.0 / (kPi * h);
                            break;
                        case Wave::Square:
                            amp = h % 2 ? 4.0 / (kPi * h) : 0.0;
                            break;
                        case Wave::Organ: {
                            static const double kDrawbars[9] = {0, 1,   0.6, 0.45, 0.3,
                                                                0, 0.2, 0,   0.15};
                            amp = h <= 8 ? 0.45 * kDrawbars[h] : 0.0;
                            break;
                        }
                        default:
                            break;
                    }
                    if (amp == 0.0) continue;
                    for (int i = 0; i < kTableSize; ++i) {
                        sum[i] += amp * s[(static_cast<int64_t>(h) * i) & (kTableSize - 1)];
                    }
                }
                auto& t = tables.waves[wave][band];
                t.assign(sum.begin(), sum.end());
                t.push_back(t[0]);
            }
        }
    });
    return tables;
}

inline float Lookup(const float* table, double phase) {
    const double x = phase * kTableSize;
    const int i = static_cast<int>(x);
    const float f = static_cast<float>(x - i);
    return table[i] + (table[i + 1] - table[i]) * f;
}

// Simper's trapezoidal state-variable low-pass.
struct LowPass {
    double ic1 = 0, ic2 = 0, a1 = 1, a2 = 0, a3 = 0;
    void Set(double hz, double q = 0.707) {
        hz = std::clamp(hz, 20.0, 0.45 * kSampleRate);
        const double g = std::tan(kPi * hz / kSampleRate), k = 1.0 / q;
        a1 = 1.0 / (1.0 + g * (g + k));
        a2 = g * a1;
        a3 = g * a2;
    }
    double Run(double v0) {
        const double v3 = v0 - ic2;
        const double v1 = a1 * ic1 + a2 * v3;
        const double v2 = ic2 + a2 * ic1 + a3 * v3;
        ic1 = 2 * v1 - ic1;
        ic2 = 2 * v2 - ic2;
        return v2;
    }
};

struct Noise {
    uint32_t state;
    explicit Noise(uint32_t seed) : state(seed * 2654435761u + 12345u) {}
    double Next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state / 2147483648.0 - 1.0;
    }
};

struct Buses {
    std::vector<float> left, right, room, echo;
    explicit Buses(size_t frames) : left(frames), right(frames), room(frames), echo(frames) {}
};

// Equal-power pan gains.
void PanGains(double pan, double* l, double* r) {
    const double angle = (std::clamp(pan, -1.0, 1.0) + 1.0) * kPi / 4.0;
    *l = std::cos(angle);
    *r = std::sin(angle);
}

// A note's level sample by sample: a raised-cosine attack, an exponential
// fall to the sustain level, and from the gate a release that reaches zero
// smoothly (an exponential bent down to end exactly at zero).
class Envelope {
  public:
    Envelope(double attack, double decay, double sustain, double release, double gate)
        : attack_(static_cast<size_t>(attack * kSampleRate) + 1),
          gate_(static_cast<size_t>(std::max(gate, attack) * kSampleRate)),
          release_(static_cast<size_t>(release * kSampleRate)),
          sustain_(sustain),
          fall_(std::exp(-4.0 / (decay * kSampleRate))),
          release_fall_(release_ > 0 ? std::exp(-5.0 / release_) : 0.0) {}
    size_t Length() const { return gate_ + release_ + 1; }
    double Next() {
        const size_t i = i_++;
        if (i < gate_) {
            if (i < attack_) {
                held_ = 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / attack_);
            } else {
                fallen_ *= fall_;
                held_ = sustain_ + (1.0 - sustain_) * fallen_;
            }
            return held_;
        }
        if (i >= gate_ + release_) return 0.0;
        static const double kEnd = std::exp(-5.0);
        const double level = held_ * (released_ - kEnd) / (1.0 - kEnd);
        released_ *= release_fall_;
        return level;
    }

  private:
    size_t attack_, gate_, release_, i_ = 0;
    double sustain_, fall_, release_fall_;
    double held_ = 0.0, fallen_ = 1.0, released_ = 1.0;
};

// A fast tanh-like curve for the drums' slight saturation.
inline double Soft(double x) {
    return x * (27.0 + x * x) / (27.0 + 9.0 * x * x);
}

bool IsDrum(Wave w) {
    return w == Wave::Kick || w == Wave::Snare || w == Wave::Hat || w == Wave::Tom;
}

double NoteHz(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

void AddMono(Buses& b, size_t at, const std::vector<float>& mono, const Voice& v, double gain) {
    double gl, gr;
    PanGains(v.pan, &gl, &gr);
    const size_t n = std::min(mono.size(), b.left.size() - std::min(at, b.left.size()));
    for (size_t i = 0; i < n; ++i) {
        const double s = mono[i] * gain;
        b.left[at + i] += static_cast<float>(s * gl);
        b.right[at + i] += static_cast<float>(s * gr);
        b.room[at + i] += static_cast<float>(s * v.room);
        b.echo[at + i] += static_cast<float>(s * v.echo);
    }
}

void RenderDrum(const Voice& v, const Note& note, uint32_t seed, size_t at, Buses& b) {
    const double decay = v.decay;
    const size_t frames = static_cast<size_t>(6.0 * decay * kSampleRate) + 1;
    std::vector<float> out(frames);
    Noise noise(seed);
    LowPass lp1, lp2, lp3, hp;
    double phase = 0.0;
    static const double kEnd = std::exp(-6.0);
    const double base = v.pitch > 0 ? v.pitch : (v.wave == Wave::Kick ? 48.0 : 110.0);
    const double sweep = v.wave == Wave::Kick ? 2.6 : 1.6;
    if (v.wave == Wave::Snare) {
        lp1.Set(6500);
        lp2.Set(6500);
        hp.Set(1200);
    } else if (v.wave == Wave::Hat) {
        lp1.Set(9000);
        lp2.Set(9000);
        lp3.Set(9000);
        hp.Set(6000);
    }
    const Tables& tables = WaveTables();
    const double fall = std::exp(-1.0 / (decay * kSampleRate));
    const double sweep_fall = std::exp(-1.0 / (0.03 * kSampleRate));
    const double tone_fall = std::exp(-1.0 / (0.06 * kSampleRate));
    const size_t click = static_cast<size_t>(0.0015 * kSampleRate);
    double falling = 1.0, swept = 1.0, tone = 1.0;
    const double soft_norm = 1.0 / Soft(1.4);
    for (size_t i = 0; i < frames; ++i) {
        double amp = (falling - kEnd) / (1.0 - kEnd);
        falling *= fall;
        if (i < click) amp *= 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / click);
        double s = 0.0;
        switch (v.wave) {
            case Wave::Kick:
            case Wave::Tom: {
                const double hz = base * (1.0 + (sweep - 1.0) * swept);
                swept *= sweep_fall;
                phase += hz / kSampleRate;
                if (phase >= 1.0) phase -= 1.0;
                s = Soft(1.4 * Lookup(tables.sine.data(), phase)) * soft_norm;
                break;
            }
            case Wave::Snare: {
                phase += 185.0 / kSampleRate;
                if (phase >= 1.0) phase -= 1.0;
                const double n = noise.Next();
                const double hpn = n - hp.Run(n);
                s = 0.55 * Lookup(tables.sine.data(), phase) * tone + 0.9 * lp2.Run(lp1.Run(hpn));
                tone *= tone_fall;
                break;
            }
            case Wave::Hat: {
                const double n = noise.Next();
                const double hpn = n - hp.Run(n);
                s = 1.6 * lp3.Run(lp2.Run(lp1.Run(hpn)));
                break;
            }
            default:
                break;
        }
        out[i] = static_cast<float>(s * amp);
    }
    AddMono(b, at, out, v, std::pow(10.0, v.vol_db / 20.0) * note.velocity);
}

void RenderBell(const Voice& v, const Note& note, double seconds_per_beat, size_t at, Buses& b) {
    const Tables& tables = WaveTables();
    // The bell's ring is its partials' own decay; the envelope only gates it.
    Envelope env(std::max(v.attack, 0.002), 1e9, 1.0, std::max(v.release, 0.02),
                 note.beats * seconds_per_beat * v.gate);
    const double hz = NoteHz(note.midi);
    static const double kRatio[5] = {1.0, 2.0, 2.76, 4.07, 5.4};
    static const double kAmp[5] = {1.0, 0.45, 0.4, 0.22, 0.15};
    const size_t frames = env.Length();
    std::vector<float> out(frames);
    for (int p = 0; p < 5; ++p) {
        const double f = hz * kRatio[p];
        if (f > kTopPartialHz) break;
        const double inc = f / kSampleRate, tau = v.decay / std::pow(kRatio[p], 0.8);
        const double fall = std::exp(-1.0 / (tau * kSampleRate));
        double phase = 0.0, level = kAmp[p];
        for (size_t i = 0; i < frames; ++i) {
            out[i] += static_cast<float>(level * Lookup(tables.sine.data(), phase));
            phase += inc;
            if (phase >= 1.0) phase -= 1.0;
            level *= fall;
        }
    }
    for (size_t i = 0; i < frames; ++i)
        out[i] *= static_cast<float>(0.6 * env.Next());
    AddMono(b, at, out, v, std::pow(10.0, v.vol_db / 20.0) * note.velocity);
}

void RenderTone(const Voice& v, const Note& note, double seconds_per_beat, size_t at, Buses& b) {
    const Tables& tables = WaveTables();
    const double held = note.beats * seconds_per_beat * v.gate;
    Envelope env(std::max(v.attack, 0.004), v.decay, v.sustain, std::max(v.release, 0.015), held);
    const double hz = NoteHz(note.midi);
    const int oscs = v.detune > 0 ? 2 : 1;
    // The table is picked for the highest pitch vibrato and detuning reach.
    const double reach = hz * std::pow(2.0, (v.detune / 2 + v.vibrato) / 1200.0);
    int band = 0;
    while (band < kBands - 1 && BandTop(band) < reach)
        ++band;
    const float* table = tables.waves[static_cast<int>(v.wave)][band].data();
    const size_t frames = env.Length();
    double gl[2], gr[2], inc[2], phase[2] = {0.0, 0.37};
    LowPass lp[2];
    const bool filtered = v.lowpass > 0 || v.env > 0;
    const double base_cut = v.lowpass > 0 ? v.lowpass : 18000.0;
    for (int o = 0; o < oscs; ++o) {
        const double side = oscs == 1 ? 0.0 : (o == 0 ? -1.0 : 1.0);
        PanGains(v.pan + side * v.width * 0.5, &gl[o], &gr[o]);
        inc[o] = hz * std::pow(2.0, side * v.detune / 2400.0) / kSampleRate;
        lp[o].Set(base_cut + v.env);
    }
    const double gain = std::pow(10.0, v.vol_db / 20.0) * note.velocity / std::sqrt(oscs);
    const size_t n = std::min(frames, b.left.size() - std::min(at, b.left.size()));
    double bend = 1.0;
    for (size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        if (v.env > 0 && (i & 15) == 0) {
            const double cut = base_cut + v.env * std::exp(-t * 3.0 / v.decay);
            for (int o = 0; o < oscs; ++o)
                lp[o].Set(cut);
        }
        if (v.vibrato > 0 && t > 0.25 && (i & 31) == 0) {
            const double depth = v.vibrato * std::min(1.0, (t - 0.25) / 0.4);
            bend = std::pow(2.0, depth * std::sin(2 * kPi * 5.2 * t) / 1200.0);
        }
        const double level = env.Next() * gain;
        double l = 0.0, r = 0.0, mono = 0.0;
        for (int o = 0; o < oscs; ++o) {
            double s = Lookup(table, phase[o]);
            phase[o] += inc[o] * bend;
            if (phase[o] >= 1.0) phase[o] -= 1.0;
            if (filtered) s = lp[o].Run(s);
            s *= level;
            l += s * gl[o];
            r += s * gr[o];
            mono += s;
        }
        b.left[at + i] += static_cast<float>(l);
        b.right[at + i] += static_cast<float>(r);
        b.room[at + i] += static_cast<float>(mono * v.room);
        b.echo[at + i] += static_cast<float>(mono * v.echo);
    }
}

// A small room: eight damped combs and four all-passes a side.
class Room {
  public:
    explicit Room(double size) {
        static const int kCombs[8] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
        static const int kPasses[4] = {556, 441, 341, 225};
        for (int side = 0; side < 2; ++side) {
            for (int c = 0; c < 8; ++c)
                combs_[side][c].buf.assign(kCombs[c] + 23 * side, 0.0f);
            for (int a = 0; a < 4; ++a)
                passes_[side][a].buf.assign(kPasses[a] + 23 * side, 0.0f);
        }
        feedback_ = 0.7 + 0.28 * std::clamp(size, 0.0, 1.0);
    }
    void Run(float in, float* l, float* r) {
        float out[2];
        for (int side = 0; side < 2; ++side) {
            float sum = 0.0f;
            for (Comb& c : combs_[side]) {
                const float o = c.buf[c.i];
                c.store = o * (1.0f - kDamp) + c.store * kDamp;
                c.buf[c.i] = in * 0.015f + c.store * static_cast<float>(feedback_);
                if (++c.i == c.buf.size()) c.i = 0;
                sum += o;
            }
            for (Pass& p : passes_[side]) {
                const float b = p.buf[p.i];
                p.buf[p.i] = sum + b * 0.5f;
                sum = b - sum;
                if (++p.i == p.buf.size()) p.i = 0;
            }
            out[side] = sum;
        }
        *l = out[0];
        *r = out[1];
    }
    // Seconds until the room has fallen 60 dB.
    double Decay() const {
        const double pass_db = -20.0 * std::log10(feedback_);
        return 60.0 / pass_db * 1400.0 / kSampleRate + 0.5;
    }

  private:
    static constexpr float kDamp = 0.3f;
    struct Comb {
        std::vector<float> buf;
        size_t i = 0;
        float store = 0.0f;
    };
    struct Pass {
        std::vector<float> buf;
        size_t i = 0;
    };
    Comb combs_[2][8];
    Pass passes_[2][4];
    double feedback_;
};

struct Biquad {
    double b0, b1, b2, a1, a2, z1 = 0, z2 = 0;
    double Run(double x) {
        const double y = b0 * x + z1;
        z1 = b1 * x - a1 * y + z2;
        z2 = b2 * x - a2 * y;
        return y;
    }
};

Biquad LowPassBiquad(double hz, double q) {
    const double w = 2 * kPi * hz / kSampleRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
    const double a0 = 1 + alpha;
    return {(1 - c) / 2 / a0, (1 - c) / a0, (1 - c) / 2 / a0, -2 * c / a0, (1 - alpha) / a0};
}

// Peak of interleaved samples, dBFS.
double PeakDb(const std::vector<float>& x) {
    float peak = 0.0f;
    for (float s : x)
        peak = std::max(peak, std::abs(s));
    return peak > 0 ? 20.0 * std::log10(peak) : -200.0;
}

// Holds every sample under `ceiling` with a smooth gain that never rises
// above what each sample needs (a min filter, then a moving average no wider
// than it); circular for a loop, so the join stays smooth.
void Limit(std::vector<float>& x, double ceiling, bool circular) {
    const size_t n = x.size() / 2;
    const long w = kSampleRate / 400;  // 2.5 ms
    std::vector<float> need(n, 1.0f);
    bool any = false;
    auto wrap = [&](long i) -> long {
        if (circular) return ((i % static_cast<long>(n)) + n) % n;
        return std::clamp(i, 0L, static_cast<long>(n) - 1);
    };
    for (size_t i = 0; i < n; ++i) {
        const double peak = std::max(std::abs(x[2 * i]), std::abs(x[2 * i + 1]));
        if (peak <= ceiling) continue;
        any = true;
        const float g = static_cast<float>(ceiling / peak);
        for (long j = static_cast<long>(i) - 2 * w; j <= static_cast<long>(i) + 2 * w; ++j) {
            float& m = need[wrap(j)];
            m = std::min(m, g);
        }
    }
    if (!any) return;
    std::vector<double> prefix(n + 1, 0.0);
    for (size_t i = 0; i < n; ++i)
        prefix[i + 1] = prefix[i] + need[i];
    auto sum = [&](long from, long to) {  // need[from..to], may wrap
        double s = 0;
        for (long i = from; i <= to;) {
            const long k = wrap(i);
            const long run = std::min(to - i, static_cast<long>(n) - 1 - k);
            s += prefix[k + run + 1] - prefix[k];
            i += run + 1;
        }
        return s;
    };
    std::vector<float> gain(n);
    for (size_t i = 0; i < n; ++i) {
        gain[i] = static_cast<float>(sum(static_cast<long>(i) - w, static_cast<long>(i) + w) /
                                     (2 * w + 1));
    }
    for (size_t i = 0; i < n; ++i) {
        x[2 * i] *= gain[i];
        x[2 * i + 1] *= gain[i];
    }
}

// The Ogg layer gives each file a random stream number; setting a fixed
// one (and each page's checksum anew) makes the same score give the same
// bytes on every build.
bool FixStreamNumber(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "r+b");
    if (!f) return false;
    std::vector<unsigned char> data;
    unsigned char chunk[65536];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, f)) > 0;) {
        data.insert(data.end(), chunk, chunk + n);
    }
    static const auto kCrc = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t r = i << 24;
            for (int k = 0; k < 8; ++k)
                r = (r << 1) ^ (r & 0x80000000u ? 0x04c11db7u : 0u);
            t[i] = r;
        }
        return t;
    }();
    size_t at = 0;
    while (at + 27 <= data.size() && std::equal(data.begin() + at, data.begin() + at + 4, "OggS")) {
        const size_t segments = data[at + 26];
        if (at + 27 + segments > data.size()) break;
        size_t size = 27 + segments;
        for (size_t i = 0; i < segments; ++i)
            size += data[at + 27 + i];
        if (at + size > data.size()) break;
        const unsigned char serial[4] = {'K', 'a', 'r', 'v'};
        std::copy(serial, serial + 4, data.begin() + at + 14);
        std::fill(data.begin() + at + 22, data.begin() + at + 26, 0);
        uint32_t crc = 0;
        for (size_t i = 0; i < size; ++i)
            crc = (crc << 8) ^ kCrc[((crc >> 24) ^ data[at + i]) & 0xff];
        for (int b = 0; b < 4; ++b)
            data[at + 22 + b] = static_cast<unsigned char>(crc >> (8 * b));
        at += size;
    }
    const bool whole = at == data.size();
    if (whole) {
        std::rewind(f);
        std::fwrite(data.data(), 1, data.size(), f);
    }
    std::fclose(f);
    return whole;
}

}  // namespace

double IntegratedLoudness(const std::vector<float>& stereo, int sample_rate) {
    // K-weighting: a high shelf near 1.7 kHz and a high-pass near 38 Hz.
    const double fs = sample_rate;
    double k = std::tan(kPi * 1681.974450955533 / fs);
    const double q1 = 0.7071752369554196, vh = std::pow(10.0, 3.999843853973347 / 20.0);
    const double vb = std::pow(vh, 0.4996667741545416);
    double a0 = 1 + k / q1 + k * k;
    const Biquad shelf{(vh + vb * k / q1 + k * k) / a0, 2 * (k * k - vh) / a0,
                       (vh - vb * k / q1 + k * k) / a0, 2 * (k * k - 1) / a0,
                       (1 - k / q1 + k * k) / a0};
    k = std::tan(kPi * 38.13547087602444 / fs);
    const double q2 = 0.5003270373238773;
    a0 = 1 + k / q2 + k * k;
    const Biquad high{1, -2, 1, 2 * (k * k - 1) / a0, (1 - k / q2 + k * k) / a0};
    const size_t n = stereo.size() / 2, hop = static_cast<size_t>(sample_rate / 10);
    std::vector<double> hops;  // sum of squares of each 100 ms, both channels
    Biquad f[2][2] = {{shelf, high}, {shelf, high}};
    double acc = 0;
    for (size_t i = 0; i < n; ++i) {
        for (int c = 0; c < 2; ++c) {
            const double y = f[c][1].Run(f[c][0].Run(stereo[2 * i + c]));
            acc += y * y;
        }
        if ((i + 1) % hop == 0) {
            hops.push_back(acc);
            acc = 0;
        }
    }
    std::vector<double> blocks;
    for (size_t i = 3; i < hops.size(); ++i) {
        blocks.push_back((hops[i - 3] + hops[i - 2] + hops[i - 1] + hops[i]) / (4.0 * hop));
    }
    auto lufs = [](double power) { return -0.691 + 10.0 * std::log10(power); };
    auto gated_mean = [&](double gate) {
        double sum = 0;
        size_t count = 0;
        for (double p : blocks) {
            if (p > 0 && lufs(p) > gate) {
                sum += p;
                ++count;
            }
        }
        return count ? sum / count : 0.0;
    };
    const double absolute = gated_mean(-70.0);
    if (absolute <= 0) return -70.0;
    const double relative = gated_mean(lufs(absolute) - 10.0);
    return relative > 0 ? lufs(relative) : -70.0;
}

Rendered Render(const Score& score) {
    const double spb = score.seconds_per_beat();
    const size_t length = static_cast<size_t>(std::llround(score.total_beats * spb * kSampleRate));
    Room room(score.room_size);
    // How far past the end the last sound reaches: the longest note's end,
    // then the echo's repeats and the room's decay.
    double reach = score.total_beats * spb;
    for (const Note& n : score.notes) {
        const Voice& v = score.voices[n.voice];
        const double end = IsDrum(v.wave) ? n.beat * spb + 6 * v.decay
                                          : (n.beat + n.beats * v.gate) * spb + v.release;
        reach = std::max(reach, end);
    }
    const double echo_seconds = score.echo_beats * spb;
    const double echo_repeats =
        score.echo_feedback > 0.01 ? 60.0 / (-20.0 * std::log10(score.echo_feedback)) : 1.0;
    const double tail_seconds =
        reach - score.total_beats * spb + echo_seconds * echo_repeats + room.Decay();
    const size_t tail = static_cast<size_t>(tail_seconds * kSampleRate);
    const size_t total = length + tail;
    Buses b(total);
    uint32_t seed = 1;
    for (const Note& n : score.notes) {
        const Voice& v = score.voices[n.voice];
        const size_t at = static_cast<size_t>(std::llround(n.beat * spb * kSampleRate));
        if (IsDrum(v.wave)) {
            RenderDrum(v, n, seed++, at, b);
        } else if (v.wave == Wave::Bell) {
            RenderBell(v, n, spb, at, b);
        } else {
            RenderTone(v, n, spb, at, b);
        }
    }
    // Echo (its repeats also go into the room), then the room.
    const size_t delay = std::max<size_t>(1, static_cast<size_t>(echo_seconds * kSampleRate));
    std::vector<float> dl(delay), dr(delay);
    LowPass echo_tone;
    echo_tone.Set(4500);
    const float fb = static_cast<float>(score.echo_feedback);
    const float mix = static_cast<float>(score.room_mix);
    for (size_t i = 0, k = 0; i < total; ++i) {
        const float l = dl[k], r = dr[k];
        dl[k] = b.echo[i] + fb * static_cast<float>(echo_tone.Run(r));
        dr[k] = fb * l;
        if (++k == delay) k = 0;
        b.left[i] += 0.8f * l;
        b.right[i] += 0.8f * r;
        float wl, wr;
        room.Run(b.room[i] + 0.3f * (l + r), &wl, &wr);
        b.left[i] += 3.0f * mix * wl;
        b.right[i] += 3.0f * mix * wr;
    }
    // Master: no DC, nothing above 15 kHz (8th-order Butterworth).
    static const double kQ[4] = {0.5098, 0.6013, 0.9000, 2.5629};
    std::vector<float> mixed(2 * total);
    for (int c = 0; c < 2; ++c) {
        std::vector<float>& in = c == 0 ? b.left : b.right;
        Biquad lp[4];
        for (int s = 0; s < 4; ++s)
            lp[s] = LowPassBiquad(15000.0, kQ[s]);
        double x1 = 0, y1 = 0;
        for (size_t i = 0; i < total; ++i) {
            const double y = in[i] - x1 + 0.9995 * y1;
            x1 = in[i];
            y1 = y;
            double s = y;
            for (Biquad& q : lp)
                s = q.Run(s);
            mixed[2 * i + c] = static_cast<float>(s);
        }
    }
    Rendered out;
    out.loop = score.loop;
    if (score.loop) {
        // The tail, gently closed, laid over the start: what the ear hears
        // when the piece comes round again.
        const size_t fade = std::min<size_t>(tail, kSampleRate / 4);
        for (size_t i = 0; i < fade; ++i) {
            const float g = static_cast<float>(0.5 + 0.5 * std::cos(kPi * (i + 1) / fade));
            mixed[2 * (total - fade + i)] *= g;
            mixed[2 * (total - fade + i) + 1] *= g;
        }
        if (tail > length) throw ScoreError(score.title + ": the tail is longer than the loop");
        for (size_t i = 0; i < 2 * tail; ++i)
            mixed[i] += mixed[2 * length + i];
        mixed.resize(2 * length);
    } else {
        // A piece played once ends where its tail has fallen 60 dB under its
        // peak, closed with a short fade.
        float peak = 0.0f;
        for (float x : mixed)
            peak = std::max(peak, std::abs(x));
        size_t end = mixed.size();
        while (end > 2 * length && std::abs(mixed[end - 1]) < peak * 1e-3f)
            --end;
        end += end % 2;
        mixed.resize(end);
        const size_t fade = std::min<size_t>(end / 2, kSampleRate / 20);
        for (size_t i = 0; i < fade; ++i) {
            const float g = static_cast<float>(0.5 - 0.5 * std::cos(kPi * i / fade));
            mixed[end - 2 * (i + 1)] *= g;
            mixed[end - 2 * (i + 1) + 1] *= g;
        }
    }
    out.samples = std::move(mixed);
    for (int round = 0; round < 4; ++round) {
        const double lufs = IntegratedLoudness(out.samples, kSampleRate);
        const float gain = static_cast<float>(std::pow(10.0, (kTargetLufs - lufs) / 20.0));
        for (float& s : out.samples)
            s *= gain;
        if (PeakDb(out.samples) <= kPeakCeilingDb) break;
        Limit(out.samples, std::pow(10.0, kPeakCeilingDb / 20.0), score.loop);
    }
    out.lufs = IntegratedLoudness(out.samples, kSampleRate);
    out.peak_db = PeakDb(out.samples);
    return out;
}

bool WriteOgg(const Rendered& piece, const std::string& path, double quality, std::string* error) {
    SF_INFO info{};
    info.samplerate = kSampleRate;
    info.channels = 2;
    info.format = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) {
        *error = path + ": " + sf_strerror(nullptr);
        return false;
    }
    sf_command(file, SFC_SET_VBR_ENCODING_QUALITY, &quality, sizeof quality);
    // In small blocks: the encoder works on its stack in proportion to a block.
    const sf_count_t frames = static_cast<sf_count_t>(piece.frames());
    bool ok = true;
    for (sf_count_t at = 0; at < frames && ok; at += 4096) {
        const sf_count_t n = std::min<sf_count_t>(4096, frames - at);
        ok = sf_writef_float(file, piece.samples.data() + 2 * at, n) == n;
    }
    if (!ok) *error = path + ": " + sf_strerror(file);
    sf_close(file);
    if (ok && !FixStreamNumber(path)) {
        *error = path + ": not an Ogg stream after writing";
        return false;
    }
    return ok;
}

}  // namespace musicgen
