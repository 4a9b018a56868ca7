// A sound library object that plays nothing and records what the game asks
// of it, for tests of the cues, the start-up and the timers.
#pragma once

#include <string>
#include <vector>

#include "tembra/soundsys.h"

namespace testing_support {

class RecordingSound : public tembra::_SoundSys {
  public:
    // A cue as the game set it up: the file loaded into the slot, then the
    // values IndexSet gave that slot.
    struct Cue {
        std::string file;  // without its folder
        std::string path;  // as the game gave it
        int16_t slot = 0;
        float volume = 0, balance = 0, speed = 0, position = 0;
    };

    // Every member called, in order: "IndexLoad(<path>,<looping>,<autoPlay>)",
    // "IndexSet(<slot>,<volume>,<balance>,<speed>,<position>)",
    // "FreeMemory(<clearStopped>)", "StopAll", "DsClose", "DsInit_PRE",
    // "DsInit(<device>,<window>,<boxes>,<channels>)", "Release".
    std::vector<std::string> calls;
    // The same calls go here too when set (to check an order across objects).
    std::vector<std::string>* sharedCalls = nullptr;

    std::vector<std::string> loads;      // files of every IndexLoad, without folder
    std::vector<std::string> loadPaths;  // the same as the game gave them
    std::vector<Cue> cues;               // one per IndexSet
    int freeMemoryCalls = 0;
    tembra::Boolean lastClearStopped = 0;

    // What the object answers.
    std::string devices = "device";
    int16_t firstSlot = 0;        // the slot of the first load
    bool failLoad = false;        // IndexLoad throws
    bool failInit = false;        // DsInit throws
    bool failFreeMemory = false;  // FreeMemory throws
    // Every slot is busy: each IndexLoad adds the library's overflow line to
    // its log, as the real library does, and loads nothing.
    bool slotsFull = false;
    // The library's log (Console), read and written by the game.
    std::string console;

    // The files of the cues, in order, and how often one was set up.
    std::vector<std::string> Files() const;
    int Count(const std::string& file) const;

    std::string Console() const override { return console; }
    void Console(std::string value) override { console = std::move(value); }
    void FreeMemory(const tembra::Boolean& clearStopped) override;
    void IndexUnload(const int16_t&) override {}
    float IndexGet(const int16_t&, const tembra::pInfoGet&) override { return 0; }
    void IndexPlay(const int16_t&, const tembra::Boolean&, const tembra::Boolean&) override {}
    void IndexStop(const int16_t&) override {}
    void StopAll() override { Record("StopAll"); }
    void IndexSet(const int16_t& slot, const float& volume, const float& balance,
                  const float& speed, const float& position) override;
    void IndexDirectLoad(const int16_t&, const std::string&, const tembra::Boolean&,
                         const tembra::Boolean&) override {}
    // Every load takes the next slot: firstSlot, firstSlot + 1, ...
    int16_t IndexLoad(const std::string& file, const tembra::Boolean& looping,
                      const tembra::Boolean& autoPlay) override;
    void DsClose() override { Record("DsClose"); }
    std::string DsInit_PRE() override;
    void DsInit(const int16_t& device, const int32_t& window, const tembra::Boolean& boxes,
                const int16_t& channels) override;
    void Release() override { Record("Release"); }

  private:
    void Record(const std::string& call);
};

}  // namespace testing_support
