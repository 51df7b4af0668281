#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

// A folder a game's fsgame.ltx names: its id ("$game_data$"), where it lies below the game's
// folder ('/' between folders, empty for the game folder itself) and whether the engine looks
// into its sub-folders (the line's first flag).
struct GamePath
{
    std::string id;
    std::string path;
    bool recurse = false;
};

// The folders of an fsgame.ltx in the file's order, as the engine reads them: "$id$ = recurse |
// notify | root | add ...", the root an earlier id ($fs_root$ is the game's folder), the path
// the root's with `add` after it. A line whose root is unknown, or whose path would leave the
// game's folder, is left out; comments after ';' are not read.
[[nodiscard]] std::vector<GamePath> gamePaths(std::string_view fsgame);

} // namespace kelvane
