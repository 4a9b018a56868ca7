// The device layer on its own: what a buffer is made of, which files it
// refuses, and the values it accepts.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <cerrno>
#include <fstream>
#include <vector>

#include "sound/device/device_error.h"
#include "sound/device/device_list.h"
#include "sound/device/output_device.h"
#include "sound_files.h"

namespace tembra_test {
namespace {

using tembra::device::BufferDescription;
using tembra::device::DeviceError;
using tembra::device::SoundBuffer;

class SoundBufferTest : public testing::Test {
  protected:
    std::unique_ptr<SoundBuffer> Load(const std::string& file) {
        return device->CreateSoundBufferFromFile(file, description);
    }
    // Why loading `file` failed (code 0 if it loaded).
    tembra::device::PlatformFailure RefusalOf(const std::string& file) {
        try {
            Load(file);
        } catch (const DeviceError& error) {
            return error.failure();
        }
        return {};
    }
    std::string WriteRaw(const std::string& name, int format, int channels, int frames) {
        SF_INFO info{};
        info.samplerate = 8000;
        info.channels = channels;
        info.format = format;
        SNDFILE* file = sf_open(folder.File(name).c_str(), SFM_WRITE, &info);
        std::vector<short> silence(static_cast<size_t>(frames) * channels);
        sf_writef_short(file, silence.data(), frames);
        sf_close(file);
        return folder.File(name);
    }

    TempFolder folder;
    std::unique_ptr<tembra::device::OutputDevice> device =
        tembra::device::OutputDevice::Open(tembra::device::kLoopbackGuid);
    BufferDescription description;
};

TEST_F(SoundBufferTest, DescriptionCountsBytesInTheFilesOwnEncoding) {
    Load(WriteTone(folder.File("byte.wav"), {.rate = 11025, .bits = 8, .frames = 1000}));
    EXPECT_EQ(description.bufferBytes, 1000);
    EXPECT_EQ(description.blockAlign, 1);
    EXPECT_EQ(description.bitsPerSample, 8);
    EXPECT_EQ(description.samplesPerSecond, 11025);

    Load(WriteTone(folder.File("stereo.wav"), {.channels = 2, .frames = 1000}));
    EXPECT_EQ(description.bufferBytes, 4000);
    EXPECT_EQ(description.blockAlign, 4);
    EXPECT_EQ(description.channels, 2);
}

TEST_F(SoundBufferTest, RefusesWhatIsNotAPlayableWaveFile) {
    using namespace tembra::device;
    const PlatformFailure missing = RefusalOf(folder.File("missing.wav"));
    EXPECT_EQ(missing.code, kErrFileNotFound);
    EXPECT_EQ(missing.systemCode, ENOENT);
    EXPECT_EQ(missing.source, "libsndfile");
    std::ofstream(folder.File("damaged.wav")) << "RIFF? not really";
    const PlatformFailure damaged = RefusalOf(folder.File("damaged.wav"));
    EXPECT_EQ(damaged.code, kErrBadFormat);
    EXPECT_EQ(damaged.systemCode, 0);  // not a system failure

    EXPECT_EQ(RefusalOf(WriteRaw("surround.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 3, 100)).code,
              kErrBadFormat);
    EXPECT_EQ(RefusalOf(WriteRaw("empty.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 0)).code,
              kErrBadFormat);
    EXPECT_EQ(RefusalOf(WriteRaw("other.aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 1, 100)).code,
              kErrBadFormat);
    EXPECT_EQ(RefusalOf(WriteRaw("float.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 2, 100)).code, 0);
}

TEST_F(SoundBufferTest, ValuesReadBackExactlyAndOutOfRangeOnesAreRefused) {
    auto buffer = Load(WriteTone(folder.File("a.wav"), {.rate = 22050}));
    buffer->SetVolume(-1234);
    buffer->SetPan(-9999);
    buffer->SetFrequency(100000);
    EXPECT_EQ(buffer->GetVolume(), -1234);
    EXPECT_EQ(buffer->GetPan(), -9999);
    EXPECT_EQ(buffer->GetFrequency(), 100000);
    buffer->SetFrequency(SoundBuffer::kFrequencyOriginal);
    EXPECT_EQ(buffer->GetFrequency(), 22050);

    EXPECT_THROW(buffer->SetVolume(1), DeviceError);
    EXPECT_THROW(buffer->SetPan(10001), DeviceError);
    EXPECT_THROW(buffer->SetFrequency(99), DeviceError);
    EXPECT_THROW(buffer->SetCurrentPosition(description.bufferBytes + 1), DeviceError);
    EXPECT_EQ(buffer->GetVolume(), -1234);

    // Positions fall to the start of their sample frame.
    buffer->SetCurrentPosition(1001);
    EXPECT_EQ(buffer->GetCurrentPosition(), 1000);
    EXPECT_EQ(buffer->GetStatus(), 0);
    buffer->Play(SoundBuffer::kPlayLooping);
    EXPECT_EQ(buffer->GetStatus(), SoundBuffer::kStatusPlaying | SoundBuffer::kStatusLooping);
    EXPECT_EQ(buffer->GetCurrentPosition(), 1000);
}

}  // namespace
}  // namespace tembra_test
