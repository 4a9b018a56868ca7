// Wave files written by the tests themselves, in a fresh folder per test.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace tembra_test {

struct ToneShape {
    int rate = 44100;
    int channels = 1;
    int bits = 16;           // 8 or 16
    int frames = 4410;       // 0.1 s at 44.1 kHz
    double hertz = 441.0;    // a whole number of periods per 100 frames at 44.1 kHz
    double amplitude = 0.5;  // of full scale
    // Stereo only: the right channel's amplitude (the left has `amplitude`).
    double rightAmplitude = 0.5;
};

// A temporary folder that is removed again with everything in it.
class TempFolder {
  public:
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();
    const std::filesystem::path& path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

// Writes a sine tone as a RIFF wave file; returns the path.
std::string WriteTone(const std::string& path, const ToneShape& shape = {});

// A piece of test music: a sine on both sides of an Ogg Vorbis file.
struct MusicShape {
    double seconds = 2.0;
    double hertz = 441.0;
    double amplitude = 0.5;  // of full scale, both sides
};
std::string WriteMusic(const std::string& path, const MusicShape& shape = {});

}  // namespace tembra_test
