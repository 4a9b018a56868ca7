// Where this run's files lie.  The program fills it once at start from the
// layout it chose (beside the program, or the player's own folders); the
// rules only read it.
#pragma once

#include <string>

namespace game {

struct FilePlaces {
    std::string data;           // read-only: obr/, zvuky/, fonts/, levels.all
    std::string settingsFile;   // setup.ini as read at start
    std::string saves;          // save games; empty when there is no such folder
    std::string workingLevels;  // the running campaign's level files
};

// Everything under one folder, as the portable dist folder ships it.
inline FilePlaces PlacesBeside(const std::string& appFolder) {
    return {appFolder + "/data", appFolder + "/setup.ini", appFolder + "/data/saves",
            appFolder + "/data/levels"};
}

}  // namespace game
