// The level tool's files: read whole or failing with one line, written whole
// or not at all, packages by their extension, and problems told one a line.
#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "game/levels/package_record.h"

namespace levels_tool {

std::string Extension(const std::filesystem::path& path);

// The ToolError of each names the file and what went wrong.
std::vector<uint8_t> ReadFileOrFail(const std::filesystem::path& path);
std::string ReadTextFile(const std::filesystem::path& path);
// Writes a file whole or not at all: on a full disk or any other failure
// the old file stays as it was and nothing half-written is left beside it.
void WriteFileOrFail(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

// A package by its extension: levels.all has no header, a .lev has its own
// file name as its header.
game::PackageRecord ReadPackageFile(const std::filesystem::path& path);
std::vector<uint8_t> PackageBytes(game::PackageRecord package, const std::filesystem::path& out);

// The English catalogue beside a package: levels.en beside levels.all.
std::filesystem::path CataloguePath(std::filesystem::path package);

// "file: problem" a line; 1 when there was any, else 0.
int ReportProblems(const std::vector<std::string>& problems, const std::string& file,
                   std::ostream& err);
// Notes tell of what a designer may leave for later; they fail nothing.
void ReportNotes(const std::vector<std::string>& notes, const std::string& file, std::ostream& err);

}  // namespace levels_tool
