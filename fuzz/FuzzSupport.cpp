#include "fuzz/FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace merix::fuzz {

namespace fs = std::filesystem;

namespace {

void removeScratch()
{
    std::error_code ec;
    fs::remove_all(scratchDir(), ec);
}


std::string makeScratch()
{
    std::string pattern = (fs::temp_directory_path() / "merix-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        fail("cannot create a scratch folder");
    return pattern;
}

} // namespace

const std::string& scratchDir()
{
    // Never destroyed: the exit handler that removes the folder needs its name.
    static const std::string* dir = [] {
        auto* d = new std::string(makeScratch());
        std::atexit(removeScratch);
        return d;
    }();
    return *dir;
}

std::string scratchPath(std::string_view name)
{
    return scratchDir() + "/" + std::string(name);
}

std::string writeScratchFile(std::string_view name, std::string_view content)
{
    const std::string path = scratchPath(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!out)
        fail("cannot write a scratch file");
    return path;
}

std::string readWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string copySampleCatalogs(std::string_view folderName)
{
    const std::string dir = scratchPath(folderName);
    fs::create_directories(dir);
    for (const auto& entry : fs::directory_iterator(MERIX_SAMPLE_CATALOGS))
        if (entry.path().extension() == ".cfg")
            fs::copy_file(entry.path(), fs::path(dir) / entry.path().filename(),
                          fs::copy_options::overwrite_existing);
    return dir;
}

void fail(std::string_view what)
{
    std::fprintf(stderr, "FINDING: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

} // namespace merix::fuzz
