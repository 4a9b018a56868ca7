// Real OpenAL outputs, each in a process of its own.  A machine without
// sound: the library reports it cleanly (an empty device list, or a
// SoundError from DsInit) instead of ending the program.  A machine with an
// output: a cue is really written to it, through the output limiter.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "loopback.h"
#include "sound_files.h"

extern char** environ;

namespace tembra_test {
namespace {

// Runs the probe with OpenAL's driver choice in the environment; its output.
std::string RunProbe(const std::vector<std::string>& settings, const std::string& cue = "") {
    TempFolder folder;
    const std::string outputFile = folder.File("out.txt");
    std::vector<std::string> environment;
    for (char** variable = environ; *variable; ++variable) {
        const std::string entry = *variable;
        if (entry.rfind("ALSOFT_", 0) != 0 && entry.rfind("TEMBRA_", 0) != 0)
            environment.push_back(entry);
    }
    environment.insert(environment.end(), settings.begin(), settings.end());
    std::vector<char*> envp;
    for (std::string& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outputFile.c_str(), O_WRONLY | O_CREAT, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    char probe[] = SOUND_PROBE_PATH;
    std::string cueArgument = cue;
    char* argv[] = {probe, cue.empty() ? nullptr : cueArgument.data(), nullptr};
    pid_t pid = 0;
    EXPECT_EQ(posix_spawn(&pid, probe, &actions, nullptr, argv, envp.data()), 0);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the probe crashed";
    std::ifstream in(outputFile);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(NoSoundDevice, NoDriverListsNoDeviceAndDsInitOnlyLogsTheRefusal) {
    const std::string out = RunProbe({"ALSOFT_DRIVERS=no-such-driver"});
    EXPECT_NE(out.find("list: []"), std::string::npos) << out;
    EXPECT_NE(out.find("DsInit: returned"), std::string::npos) << out;
    EXPECT_NE(out.find("...Snd_IntErr: invalid device ID, valid range 0 - -1."), std::string::npos)
        << out;
}

TEST(NoSoundDevice, AnOutputThatCannotOpenFailsDsInitWithSoundError) {
    // The wave-file driver lists its output but cannot write where it is sent.
    TempFolder folder;
    const std::string config = folder.File("alsoft.conf");
    std::ofstream(config) << "[wave]\nfile=" << folder.File("no/such/folder/out.wav") << "\n";
    const std::string out = RunProbe({"ALSOFT_DRIVERS=wave", "ALSOFT_CONF=" + config});
    EXPECT_NE(out.find("list: [Wave File Writer]"), std::string::npos) << out;
    EXPECT_NE(out.find("DsInit: SoundError"), std::string::npos) << out;
    // The notes before the opening stay in the log.
    EXPECT_NE(out.find("GUID for device ID_no: 0 loaded, GUID: Wave File Writer"),
              std::string::npos)
        << out;
}

TEST(NoSoundDevice, TheNullDriverOpensAndPlaysNowhere) {
    const std::string out = RunProbe({"ALSOFT_DRIVERS=null"});
    EXPECT_NE(out.find("list: [No Output]"), std::string::npos) << out;
    EXPECT_NE(out.find("DsInit: returned"), std::string::npos) << out;
}

TEST(SoundOutput, ACueReachesTheWaveFileDriver) {
    TempFolder folder;
    const std::string written = folder.File("out.wav");
    const std::string config = folder.File("alsoft.conf");
    std::ofstream(config) << "[general]\ndrivers=wave\n[wave]\nfile=" << written << "\n";
    const std::string out =
        RunProbe({"ALSOFT_DRIVERS=wave", "ALSOFT_CONF=" + config},
                 WriteTone(folder.File("cue.wav"), {.frames = 8820, .amplitude = 0.8}));
    ASSERT_NE(out.find("cue slot: 0"), std::string::npos) << out;
    EXPECT_NE(out.find("limiter: 1"), std::string::npos) << out;

    SF_INFO info{};
    SNDFILE* file = sf_open(written.c_str(), SFM_READ, &info);
    ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
    std::vector<float> samples(static_cast<size_t>(info.frames) * info.channels);
    sf_readf_float(file, samples.data(), info.frames);
    sf_close(file);
    float peak = 0.0f;
    for (float sample : samples)
        peak = std::max(peak, std::fabs(sample));
    // Full volume, in the middle: the tone on both sides, under the output's
    // master gain.
    EXPECT_NEAR(peak, 0.8f * kOutputGain, 0.02f);
}

}  // namespace
}  // namespace tembra_test
