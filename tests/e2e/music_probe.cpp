// Finds which piece of the soundtrack a stretch of recorded game output is,
// and how loud it came out: the stretch (mixed to mono) is matched against
// every offset of each piece given (a coarse search on a decimated copy,
// then refined sample by sample), and for the best offset prints
//
//   <piece file> <correlation 0..1> <offset s> <gain dB>
//
// where the gain is the recording's level over the piece's own level at
// that offset.  The end-to-end check of the music reads these lines.
//
//   music_probe <recording.wav> <start s> <length s> <piece.ogg>...
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Mono {
    std::vector<float> samples;
    int rate = 0;
};

bool ReadMono(const char* path, Mono& out) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path, SFM_READ, &info);
    if (!file) {
        std::fprintf(stderr, "music_probe: %s: %s\n", path, sf_strerror(nullptr));
        return false;
    }
    std::vector<float> frames(static_cast<std::size_t>(info.frames) * info.channels);
    const sf_count_t read = sf_readf_float(file, frames.data(), info.frames);
    sf_close(file);
    out.rate = info.samplerate;
    out.samples.resize(static_cast<std::size_t>(read));
    for (sf_count_t i = 0; i < read; ++i) {
        float sum = 0;
        for (int c = 0; c < info.channels; ++c)
            sum += frames[i * info.channels + c];
        out.samples[i] = sum / info.channels;
    }
    return true;
}

std::vector<float> Decimate(const std::vector<float>& x, int factor) {
    std::vector<float> out(x.size() / factor);
    for (std::size_t i = 0; i < out.size(); ++i) {
        float sum = 0;
        for (int k = 0; k < factor; ++k)
            sum += x[i * factor + k];
        out[i] = sum / factor;
    }
    return out;
}

double Energy(const float* x, std::size_t n) {
    double e = 0;
    for (std::size_t i = 0; i < n; ++i)
        e += double(x[i]) * x[i];
    return e;
}

// Normalised correlation of seg against piece at offset.
double Correlation(const std::vector<float>& seg, double segEnergy, const std::vector<float>& piece,
                   std::size_t offset) {
    double dot = 0;
    const float* p = piece.data() + offset;
    for (std::size_t i = 0; i < seg.size(); ++i)
        dot += double(seg[i]) * p[i];
    const double e = Energy(p, seg.size());
    if (e <= 0 || segEnergy <= 0) return 0;
    return dot / std::sqrt(e * segEnergy);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr,
                     "usage: music_probe <recording.wav> <start s> <length s> <piece>...\n");
        return 2;
    }
    Mono recording;
    if (!ReadMono(argv[1], recording)) return 1;
    const double start = std::atof(argv[2]), length = std::atof(argv[3]);
    const std::size_t first = static_cast<std::size_t>(start * recording.rate);
    const std::size_t count = static_cast<std::size_t>(length * recording.rate);
    if (first + count > recording.samples.size()) {
        std::fprintf(stderr, "music_probe: the recording ends before %.2f s\n", start + length);
        return 1;
    }
    const std::vector<float> seg(recording.samples.begin() + first,
                                 recording.samples.begin() + first + count);
    const double segEnergy = Energy(seg.data(), seg.size());
    constexpr int kFactor = 16;
    const std::vector<float> segSmall = Decimate(seg, kFactor);
    const double segSmallEnergy = Energy(segSmall.data(), segSmall.size());

    for (int a = 4; a < argc; ++a) {
        Mono piece;
        if (!ReadMono(argv[a], piece)) return 1;
        if (piece.rate != recording.rate) {
            std::fprintf(stderr, "music_probe: %s is at %d Hz, the recording at %d Hz\n", argv[a],
                         piece.rate, recording.rate);
            return 1;
        }
        // A looping piece goes on from its start: two rounds of it.
        std::vector<float> twice = piece.samples;
        twice.insert(twice.end(), piece.samples.begin(), piece.samples.end());
        const std::vector<float> small = Decimate(twice, kFactor);
        double best = -2;
        std::size_t bestAt = 0;
        for (std::size_t at = 0;
             at + segSmall.size() <= small.size() && at * kFactor < piece.samples.size(); ++at) {
            const double c = Correlation(segSmall, segSmallEnergy, small, at);
            if (c > best) best = c, bestAt = at;
        }
        std::size_t fineAt = bestAt * kFactor;
        double fine = -2;
        const std::size_t from = fineAt > 2 * kFactor ? fineAt - 2 * kFactor : 0;
        for (std::size_t at = from; at <= fineAt + 2 * kFactor && at + seg.size() <= twice.size();
             ++at) {
            const double c = Correlation(seg, segEnergy, twice, at);
            if (c > fine) fine = c, bestAt = at;
        }
        const double pieceEnergy = Energy(twice.data() + bestAt, seg.size());
        const double gainDb = pieceEnergy > 0 ? 10 * std::log10(segEnergy / pieceEnergy) : -999.0;
        std::printf("%s %.3f %.2f %.2f\n", argv[a], std::max(fine, 0.0),
                    double(bestAt % piece.samples.size()) / piece.rate, gainDb);
    }
    return 0;
}
