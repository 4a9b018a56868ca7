// A small cave with wandering monsters, gold, a cracked wall and a message
// screen two tiles right of the hero's start, a game in
// it recorded while a script plays at the keys, and a second program folder
// to play recordings back in.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "game/replay/recorder.h"
#include "game/replay/recording_format.h"
#include "support/game_test.h"

namespace replay_testing {

// Blocks gathered in memory.
class MemorySink final : public replay::RecordingSink {
  public:
    explicit MemorySink(std::vector<uint8_t>& bytes) : bytes_(bytes) {}
    bool Append(const std::vector<uint8_t>& bytes) override {
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
        return true;
    }

  private:
    std::vector<uint8_t>& bytes_;
};

// What a script does in which idle pass.
using Script = std::map<int, std::function<void()>>;

class ReplayTest : public testing_support::GameTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // "Nová hra" in the cave.
    void NewGame();

    // Plays `passes` idle passes of the frame loop with the script acting
    // in them (keyed by pass number), recording it all; every `blockEvery`
    // frames the recording is flushed as a block.  Returns the file.
    std::vector<uint8_t> RecordGame(int passes, const Script& script, int blockEvery = 600);

    // Frames of play with the keys the script presses, nothing recorded.
    void Play(int passes, const Script& script = {});

    // A script that walks, fires, lays a bomb, pauses across the bomb's
    // countdown, quick-saves, leaves for the menu and comes back, saves
    // under a name and loses the keyboard.
    static Script BusyScript();

    // The frames and the final state checksum of the last recorded game.
    uint32_t recordedFrames = 0;
    uint32_t recordedFinal = 0;

    // Everything reset and the game pointed at the second folder, with the
    // same campaign, as a fresh program would start.
    void MoveToPlaybackFolder();

    std::filesystem::path playbackFolder;
};

// The menu's "Zpět" and the save dialog, as the windows do them.
void ResumeFromMenu();
void SaveFromDialog(const std::string& name);

}  // namespace replay_testing
