// setup.ini for the settings tool: the file's lines, their reading and its
// writing are the game's settings-file library (game/settings/setup_ini.h);
// here the tool's paths, which Qt gives as QString.
#pragma once

#include <optional>

#include <QString>

#include "game/settings/setup_ini.h"

namespace setup {

using settings::kScaleMax;
using settings::kTickMax;
using settings::kVolumeMax;
using settings::SetupValues;

// The file name beside the program.
QString SetupIniPath(const QString& appFolder);

// settings::ReadSetupIni and settings::WriteSetupIni for a QString path.
std::optional<SetupValues> ReadSetupIni(const QString& path);
bool WriteSetupIni(const QString& path, const SetupValues& values, QString* error);

}  // namespace setup
