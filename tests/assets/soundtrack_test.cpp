// The soundtrack: every piece is rendered again from its score and checked
// for length, aliasing, peak and DC; the Ogg files the build put into
// data/hudba, which the game plays, are decoded and checked for a seamless
// join and the music's loudness (measured with libebur128, not with the
// generator's own meter).
#include <ebur128.h>
#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <complex>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "game/core/music_pieces.h"
#include "tools/musicgen/render.h"
#include "tools/musicgen/score.h"

namespace {

const std::string kScoreDir = KARVELUN_SOURCE_DIR "/assets/music/";
const std::string kMusicDir = KARVELUN_DATA_DIR "/hudba/";

std::string ScorePath(const game::MusicPiece& p) {
    return kScoreDir + p.name + ".score";
}
std::string OggPath(const game::MusicPiece& p) {
    return kMusicDir + p.name + ".ogg";
}

void Fft(std::vector<std::complex<double>>& a) {
    const size_t n = a.size();
    for (size_t i = 1, j = 0; i < n; ++i) {
        size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (size_t len = 2; len <= n; len <<= 1) {
        const std::complex<double> w = std::polar(1.0, -2 * M_PI / len);
        for (size_t i = 0; i < n; i += len) {
            std::complex<double> wk = 1;
            for (size_t k = 0; k < len / 2; ++k, wk *= w) {
                const auto u = a[i + k], v = a[i + k + len / 2] * wk;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
            }
        }
    }
}

// Energy above `hz` against all energy, in dB (Hann-windowed 8192-point
// spectra over the whole piece, both channels).
double EnergyAboveDb(const std::vector<float>& stereo, double hz) {
    const size_t n = 8192, frames = stereo.size() / 2;
    const size_t first = static_cast<size_t>(hz * n / musicgen::kSampleRate);
    double high = 0, all = 0;
    std::vector<std::complex<double>> buf(n);
    for (size_t start = 0; start + n <= frames; start += n) {
        for (int c = 0; c < 2; ++c) {
            for (size_t i = 0; i < n; ++i) {
                const double w = 0.5 - 0.5 * std::cos(2 * M_PI * i / n);
                buf[i] = w * stereo[2 * (start + i) + c];
            }
            Fft(buf);
            for (size_t k = 1; k <= n / 2; ++k) {
                const double e = std::norm(buf[k]);
                all += e;
                if (k >= first) high += e;
            }
        }
    }
    return 10 * std::log10(std::max(high, 1e-30) / std::max(all, 1e-30));
}

double PeakDb(const std::vector<float>& x) {
    float peak = 0;
    for (float s : x)
        peak = std::max(peak, std::abs(s));
    return 20 * std::log10(std::max(peak, 1e-9f));
}

// The step from the last sample to the first, and the largest step inside
// the piece, over both channels.
void JoinAndLargestStep(const std::vector<float>& x, float* join, float* largest) {
    const size_t n = x.size() / 2;
    *join = *largest = 0;
    for (int c = 0; c < 2; ++c) {
        for (size_t i = 1; i < n; ++i) {
            *largest = std::max(*largest, std::abs(x[2 * i + c] - x[2 * (i - 1) + c]));
        }
        *join = std::max(*join, std::abs(x[c] - x[2 * (n - 1) + c]));
    }
}

TEST(Soundtrack, EveryPieceHasItsScoreAndTheActsFollowTheCampaign) {
    for (const game::MusicPiece& piece : game::kMusicPieces) {
        SCOPED_TRACE(piece.name);
        const musicgen::Score score = musicgen::ReadScore(ScorePath(piece));
        EXPECT_EQ(score.loop, piece.loops);
        EXPECT_FALSE(score.key.empty());
    }
    // No two acts in a row share both key and tempo.
    for (int act = 1; act < 10; ++act) {
        const auto a = musicgen::ReadScore(ScorePath(game::kMusicActs[act - 1]));
        const auto b = musicgen::ReadScore(ScorePath(game::kMusicActs[act]));
        EXPECT_FALSE(a.key == b.key && a.tempo == b.tempo) << "acts " << act << " and " << act + 1;
    }
    // Level -> act: eight levels an act, level 80 in act X, the refuge in act VII.
    const struct {
        int level;
        const char* piece;
    } kLevels[] = {{0, "act1"},   {7, "act1"},   {8, "act2"},   {15, "act2"},
                   {47, "act6"},  {48, "act7"},  {55, "act7"},  {71, "act9"},
                   {72, "act10"}, {79, "act10"}, {80, "act10"}, {81, "act7"}};
    for (const auto& c : kLevels) {
        EXPECT_STREQ(game::MusicForLevel(c.level).name, c.piece) << "level " << c.level;
    }
}

TEST(Soundtrack, ScoreMistakesNameTheirLine) {
    const struct {
        const char* text;
        const char* message;
    } kCases[] = {
        {"tempo 90\nvoice a saw\npart A 1\n a: notes c4/1 d4/4\nend\nsong A\n",
         "x.score:4: the notes run past the part's 1 bars"},
        {"tempo 90\nvoice a saw\npart A 1\n a: pad c3\nend\nsong A\n",
         "x.score:4: 'pad' needs a chords line before it in the part"},
        {"tempo 90\nvoice a saw lp=hoch\n", "x.score:2: 'hoch' is not a number"},
        {"tempo 90\nvoice a saw\npart A 1\n chords Hm\nend\n", "x.score:4: 'Hm' is not a chord"},
        {"tempo 90\nvoice a saw\npart A 1\n a: notes c4/1\n", "x.score:3: part 'A' has no end"},
        {"tempo 90\nvoice a saw\nsong B\n", "x.score:3: part 'B' is not written"},
    };
    for (const auto& c : kCases) {
        try {
            musicgen::ParseScore(c.text, "x.score");
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const musicgen::ScoreError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
    // Sharps are notes, a '#' after a blank a comment; chords repeat to fill
    // their part; a voice's second notes line goes on after its first.
    const musicgen::Score s = musicgen::ParseScore(
        "tempo 120 # fast\nvoice a saw\nvoice b saw\npart A 2\n chords C G\n"
        " a: notes f#4/2\n a: notes [c4 e4]/4\n b: bass c2 /2 1 5\nend\nsong A A\n",
        "x.score");
    ASSERT_EQ(s.notes.size(), 2u * (3 + 4));
    EXPECT_EQ(s.total_beats, 16);
    EXPECT_EQ(s.notes[0].midi, 66);
    EXPECT_EQ(s.notes.back().midi, 43 + 7);  // G's fifth from c2 up: g2 + 7
}

// Each piece rendered from its score: long enough, free of aliasing, under
// the peak ceiling, without DC, its loop closing smoothly.
TEST(Soundtrack, RendersAreLongCleanAndUnderTheCeiling) {
    struct Result {
        double seconds = 0, above16k_db = 0, peak_db = 0, dc = 0;
        float join = 0, largest_step = 0;
        bool loop = false;
        std::string error;
    };
    std::vector<Result> results(std::size(game::kMusicPieces));
    std::atomic<size_t> next{0};
    auto work = [&] {
        for (size_t i = next++; i < results.size(); i = next++) {
            try {
                const auto r =
                    musicgen::Render(musicgen::ReadScore(ScorePath(game::kMusicPieces[i])));
                results[i].seconds = static_cast<double>(r.frames()) / musicgen::kSampleRate;
                results[i].above16k_db = EnergyAboveDb(r.samples, 16000);
                results[i].peak_db = PeakDb(r.samples);
                double sum = 0;
                for (float s : r.samples)
                    sum += s;
                results[i].dc = sum / r.samples.size();
                results[i].loop = r.loop;
                JoinAndLargestStep(r.samples, &results[i].join, &results[i].largest_step);
            } catch (const std::exception& e) {
                results[i].error = e.what();
            }
        }
    };
    std::thread helper(work);
    work();
    helper.join();
    for (size_t i = 0; i < results.size(); ++i) {
        const Result& r = results[i];
        SCOPED_TRACE(game::kMusicPieces[i].name);
        ASSERT_EQ(r.error, "");
        if (r.loop) {
            EXPECT_GE(r.seconds, 60.0);
            // The render itself already comes round without a step (the
            // built file is checked again below, after the encoder).
            EXPECT_LE(r.join, r.largest_step / 2);
        } else {
            EXPECT_LE(r.seconds, 15.0);
            EXPECT_GE(r.seconds, 2.0);
        }
        EXPECT_LE(r.above16k_db, -60.0);
        EXPECT_LE(r.peak_db, -3.0);
        EXPECT_LT(std::abs(r.dc), 1e-3);
        std::printf(
            "%-10s %5.1f s  above 16 kHz %6.1f dB  peak %5.1f dBFS  DC %+.1e  join %.4f of %.4f\n",
            game::kMusicPieces[i].name, r.seconds, r.above16k_db, r.peak_db, r.dc, r.join,
            r.largest_step);
    }
}

// The files the game plays: each loop joins its end to its start with no
// step larger than the piece's largest elsewhere, and sits at -20 LUFS.
TEST(Soundtrack, BuiltFilesLoopSeamlesslyAtTheMusicLoudness) {
    uintmax_t total_bytes = 0;
    for (const game::MusicPiece& piece : game::kMusicPieces) {
        SCOPED_TRACE(piece.name);
        SF_INFO info{};
        SNDFILE* file = sf_open(OggPath(piece).c_str(), SFM_READ, &info);
        ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
        EXPECT_EQ(info.samplerate, 44100);
        ASSERT_EQ(info.channels, 2);
        EXPECT_EQ(info.format & SF_FORMAT_SUBMASK, SF_FORMAT_VORBIS);
        std::vector<float> x(static_cast<size_t>(info.frames) * 2);
        x.resize(static_cast<size_t>(sf_readf_float(file, x.data(), info.frames)) * 2);
        sf_close(file);
        total_bytes += std::filesystem::file_size(OggPath(piece));
        const size_t n = x.size() / 2;
        ASSERT_GT(n, 44100u);
        EXPECT_LE(PeakDb(x), -3.0);
        if (!piece.loops) continue;

        float join, largest;
        JoinAndLargestStep(x, &join, &largest);
        EXPECT_LE(join, largest);

        ebur128_state* meter = ebur128_init(2, 44100, EBUR128_MODE_I);
        ASSERT_NE(meter, nullptr);
        ebur128_add_frames_float(meter, x.data(), n);
        double lufs = 0;
        ASSERT_EQ(ebur128_loudness_global(meter, &lufs), EBUR128_SUCCESS);
        ebur128_destroy(&meter);
        EXPECT_NEAR(lufs, -20.0, 1.5);
    }
    EXPECT_LE(total_bytes, 12u * 1000 * 1000);
}

}  // namespace
