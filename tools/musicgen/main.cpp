// karvelun_musicgen: renders the game's scores into Ogg Vorbis files.
//
//   karvelun_musicgen --out DIR [--quality Q] [--jobs N] SCORE...
//
// Each SCORE (assets/music/<name>.score) becomes DIR/<name>.ogg, 44.1 kHz
// stereo; the pieces are rendered side by side on N threads (default: the
// machine's cores).  One line per piece tells its length, key, tempo,
// loudness, peak and size, as assets/README.md lists them.
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tools/musicgen/render.h"
#include "tools/musicgen/score.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: karvelun_musicgen --out DIR [--quality Q] [--jobs N] SCORE...\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string out_dir;
    double quality = 0.3;
    unsigned jobs = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::string> scores;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--out" && i + 1 < argc) {
            out_dir = argv[++i];
        } else if (arg == "--quality" && i + 1 < argc) {
            quality = std::stod(argv[++i]);
        } else if (arg == "--jobs" && i + 1 < argc) {
            jobs = static_cast<unsigned>(std::max(1, std::stoi(argv[++i])));
        } else if (!arg.empty() && arg[0] == '-') {
            return Usage();
        } else {
            scores.push_back(arg);
        }
    }
    if (out_dir.empty() || scores.empty()) return Usage();
    std::error_code ec;
    std::filesystem::create_directories(out_dir, ec);

    std::vector<std::string> lines(scores.size());
    std::atomic<size_t> next{0};
    std::atomic<bool> failed{false};
    std::mutex err_mutex;
    auto work = [&] {
        for (size_t i = next++; i < scores.size(); i = next++) {
            const std::string name = std::filesystem::path(scores[i]).stem().string();
            const std::string path = out_dir + "/" + name + ".ogg";
            try {
                const musicgen::Score score = musicgen::ReadScore(scores[i]);
                const musicgen::Rendered piece = musicgen::Render(score);
                std::string error;
                if (!musicgen::WriteOgg(piece, path, quality, &error)) {
                    throw musicgen::ScoreError(error);
                }
                char line[256];
                std::snprintf(line, sizeof line,
                              "| `%s.ogg` | %.1f s%s | %s | %g | %.1f LUFS | %.1f dBFS | %.0f kB |",
                              name.c_str(),
                              static_cast<double>(piece.frames()) / musicgen::kSampleRate,
                              score.loop ? ", loops" : "", score.key.c_str(), score.tempo,
                              piece.lufs, piece.peak_db, std::filesystem::file_size(path) / 1000.0);
                lines[i] = line;
            } catch (const std::exception& e) {
                std::lock_guard<std::mutex> lock(err_mutex);
                std::fprintf(stderr, "%s\n", e.what());
                failed = true;
            }
        }
    };
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < std::min<size_t>(jobs, scores.size()); ++t)
        threads.emplace_back(work);
    for (std::thread& t : threads)
        t.join();
    if (failed) return 1;
    for (const std::string& line : lines)
        std::printf("%s\n", line.c_str());
    return 0;
}
