#include "game_paths.h"

#include "list_text.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace kelvane {

namespace {

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string_view> fields(std::string_view text)
{
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t bar = text.find('|', start);
        parts.push_back(trimmed(text.substr(start, bar - start)));
        if (bar == std::string_view::npos)
            return parts;
        start = bar + 1;
    }
}

bool isTrue(std::string_view flag)
{
    std::string lower(flag);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return lower == "true" || lower == "1" || lower == "yes" || lower == "on";
}

// `root` and `add` joined, backslashes as '/', without empty parts or a trailing separator.
std::string joined(const std::string &root, std::string_view add)
{
    std::string path = root.empty() ? root : root + '/';
    for (const char c : add) {
        const char s = c == '\\' ? '/' : c;
        if (s == '/' && (path.empty() || path.back() == '/'))
            continue;
        path += s;
    }
    while (!path.empty() && path.back() == '/')
        path.pop_back();
    return path;
}

} // namespace

std::vector<GamePath> gamePaths(std::string_view fsgame)
{
    std::map<std::string, std::string, std::less<>> known{{"$fs_root$", ""}};
    std::vector<GamePath> paths;
    for (std::size_t start = 0; start < fsgame.size();) {
        const std::size_t end = std::min(fsgame.find('\n', start), fsgame.size());
        std::string_view line = fsgame.substr(start, end - start);
        start = end + 1;
        line = trimmed(line.substr(0, line.find(';')));
        const auto equals = line.find('=');
        if (!line.starts_with('$') || equals == std::string_view::npos)
            continue;
        const std::string id(trimmed(line.substr(0, equals)));
        const auto parts = fields(line.substr(equals + 1));
        if (parts.size() < 3 || id == "$fs_root$")
            continue;
        const auto root = known.find(parts[2]);
        if (root == known.end())
            continue;
        const std::string path = joined(root->second, parts.size() > 3 ? parts[3] : "");
        if (!path.empty() && !staysInside(path))
            continue;
        known[id] = path;
        paths.push_back({id, path, isTrue(parts[0])});
    }
    return paths;
}

} // namespace kelvane
