// Makes the benchmark's stock game twice over: a game folder whose archives hold COUNT sounds,
// and the same sounds unpacked into a gamedata folder, each sound one of the given ones.
// Usage: make_game_archives SOUNDS_DIR OUT COUNT ARCHIVES
#include "archive_writer.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> readAll(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeAll(const fs::path &path, const std::vector<std::uint8_t> &bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 5) {
        std::fputs("usage: make_game_archives SOUNDS_DIR OUT COUNT ARCHIVES\n", stderr);
        return 2;
    }
    std::vector<std::vector<std::uint8_t>> sounds;
    std::vector<fs::path> names;
    for (const auto &entry : fs::directory_iterator(argv[1]))
        if (entry.path().extension() == ".ogg")
            names.push_back(entry.path());
    std::sort(names.begin(), names.end());
    for (const fs::path &name : names)
        sounds.push_back(readAll(name));
    const fs::path out = argv[2];
    const int count = std::stoi(argv[3]);
    const int archives = std::stoi(argv[4]);
    fs::create_directories(out / "game");
    std::ofstream(out / "game" / "fsgame.ltx")
        << "$arch_dir_resources$ = false| false| $fs_root$| resources\\\n";
    for (int a = 0; a < archives; ++a) {
        ArchiveLayout layout;
        layout.header = "[header]\nentry_point = $fs_root$\\gamedata\\\n";
        for (int i = a * count / archives; i < (a + 1) * count / archives; ++i) {
            const std::string folder = "sounds/set" + std::to_string(i / 500);
            const std::string name = "sound" + std::to_string(i) + ".ogg";
            const auto &bytes = sounds[std::size_t(i) % sounds.size()];
            layout.files.push_back({"sounds\\set" + std::to_string(i / 500) + "\\" + name, bytes});
            writeAll(out / "unpacked" / "gamedata" / folder / name, bytes);
        }
        writeAll(out / "game" / "resources" / ("sounds" + std::to_string(a) + ".db"),
                 buildArchive(layout));
    }
    return 0;
}
