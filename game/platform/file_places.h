// Where this run's files lie.  The program fills it once at start from the
// layout it chose (app_paths.h: beside the program, the player's own
// folders, or a temporary folder); the rules only read it.
#pragma once

#include <string>
#include <vector>

namespace platform {

struct FilePlaces {
    std::string data;           // read-only: obr/, zvuky/, fonts/, levels.all
    std::string settingsFile;   // setup.ini as read at start
    std::string saves;          // save games; empty when there is no such folder
    std::string workingLevels;  // the running campaign's level files
    std::string replays;        // recordings of the games; empty without a save folder
    // The player's own setup.ini, which the settings window writes (the
    // settings tool's file); empty when this run never writes settings.
    std::string settingsFileToWrite;
    // The folders of campaign packs, the player's own first (read only).
    std::vector<std::string> campaigns;

    bool operator==(const FilePlaces&) const = default;
};

}  // namespace platform
