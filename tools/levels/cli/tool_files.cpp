#include "tools/levels/cli/tool_files.h"

#include <system_error>

#include "game/levels/byte_stream.h"
#include "game/platform/file_io.h"
#include "tools/levels/cli/command_line.h"

namespace levels_tool {

namespace fs = std::filesystem;

std::string Extension(const fs::path& path) {
    return path.extension().string();
}

std::vector<uint8_t> ReadFileOrFail(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) throw ToolError{path.string() + ": no such file"};
    std::vector<uint8_t> bytes;
    if (!game::ReadWholeFile(path.string(), bytes))
        throw ToolError{path.string() + ": cannot be read (or is far too large)"};
    return bytes;
}

std::string ReadTextFile(const fs::path& path) {
    const std::vector<uint8_t> bytes = ReadFileOrFail(path);
    return std::string(bytes.begin(), bytes.end());
}

void WriteFileOrFail(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::error_code ec;
    if (!path.parent_path().empty()) fs::create_directories(path.parent_path(), ec);
    std::string why;
    if (!game::WriteWholeFile(path.string(), bytes, true, &why))
        throw ToolError{path.string() + ": cannot be written (" + why + ")"};
}

game::PackageRecord ReadPackageFile(const fs::path& path) {
    const std::string extension = Extension(path);
    if (extension != ".all" && extension != ".lev")
        throw ToolError{path.string() + ": a package ends in .all or .lev"};
    const std::vector<uint8_t> bytes = ReadFileOrFail(path);
    game::ByteReader in(bytes);
    game::PackageRecord package;
    std::string why;
    if (!game::ReadPackageRecord(in, extension == ".lev", package, &why))
        throw ToolError{path.string() + ": " + why};
    return package;
}

std::vector<uint8_t> PackageBytes(game::PackageRecord package, const fs::path& out) {
    const std::string extension = Extension(out);
    if (extension == ".lev")
        package.header = out.filename().string();
    else if (extension == ".all")
        package.header.reset();
    else
        throw ToolError{out.string() + ": a package ends in .all or .lev"};
    game::ByteWriter writer;
    game::WritePackageRecord(writer, package);
    return writer.Bytes();
}

fs::path CataloguePath(fs::path package) {
    return package.replace_extension(".en");
}

int ReportProblems(const std::vector<std::string>& problems, const std::string& file,
                   std::ostream& err) {
    for (const std::string& problem : problems)
        err << file << ": " << problem << "\n";
    return problems.empty() ? 0 : 1;
}

void ReportNotes(const std::vector<std::string>& notes, const std::string& file,
                 std::ostream& err) {
    for (const std::string& note : notes)
        err << file << ": note: " << note << "\n";
}

}  // namespace levels_tool
