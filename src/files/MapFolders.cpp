#include "files/MapFolders.h"

#include <algorithm>
#include <fstream>
#include <system_error>
#include <utility>

#include "files/MapFiles.h"

namespace dered {

namespace {

constexpr const char* AppFolder = "der-ed";
constexpr const char* ShippedSettingsName = "der-ed.ini";

std::vector<std::filesystem::path> SplitDataDirs(const std::string& dirs) {
    std::vector<std::filesystem::path> out;
    size_t start = 0;
    while (start <= dirs.size()) {
        const size_t colon = std::min(dirs.find(':', start), dirs.size());
        // Relative entries are ignored, as the base directory rules have it.
        if (const std::string dir = dirs.substr(start, colon - start); dir.starts_with('/')) {
            out.emplace_back(dir);
        }
        start = colon + 1;
    }
    return out;
}

std::filesystem::path UserDataFolder(const DataEnvironment& env) {
    if (env.xdgDataHome.starts_with('/')) {
        return std::filesystem::path(env.xdgDataHome) / AppFolder;
    }
    if (!env.home.empty()) {
        return std::filesystem::path(env.home) / ".local" / "share" / AppFolder;
    }
    return {};
}

std::filesystem::path FindIn(const MapFolders& folders, const char* name) {
    for (const auto& folder : folders.search) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(folder / name, ec)) {
            return folder / name;
        }
    }
    return {};
}

std::string FolderList(const MapFolders& folders) {
    std::string list;
    for (const auto& folder : folders.search) {
        list.append(list.empty() ? "" : ", ").append(folder.string());
    }
    return list.empty() ? std::string("none") : list;
}

} // namespace

MapFolders StandardMapFolders(const std::filesystem::path& executableDir,
                              const DataEnvironment& env) {
    MapFolders folders;
    folders.user = UserDataFolder(env);
    if (!folders.user.empty()) {
        folders.search.push_back(folders.user);
    }
    folders.search.push_back(executableDir);
    folders.search.push_back((executableDir / ".." / "share" / AppFolder).lexically_normal());
    const std::string dataDirs =
        env.xdgDataDirs.empty() ? std::string("/usr/local/share:/usr/share") : env.xdgDataDirs;
    for (const auto& dir : SplitDataDirs(dataDirs)) {
        folders.search.push_back(dir / AppFolder);
    }
    return folders;
}

MapFolders OnlyFolder(const std::filesystem::path& folder) {
    return MapFolders{{folder}, folder};
}

MapFilePaths FindMapFiles(const MapFolders& folders) {
    MapFilePaths found{FindIn(folders, MapAreaFileName), FindIn(folders, MapHexFileName), {}};
    for (const auto& [path, name] :
         {std::pair{found.area, MapAreaFileName}, std::pair{found.hex, MapHexFileName}}) {
        if (path.empty()) {
            found.problem =
                std::string("Map file ") + name + " not found; searched: " + FolderList(folders);
            break;
        }
    }
    return found;
}

std::filesystem::path FindShippedSettings(const MapFolders& folders) {
    return FindIn(folders, ShippedSettingsName);
}

SavePlace HexSavePlace(const std::filesystem::path& chosen, const std::filesystem::path& user,
                       const WritableCheck& writable) {
    const std::filesystem::path folder = chosen.parent_path();
    if (writable(folder.empty() ? std::filesystem::path(".") : folder)) {
        return {chosen, false, {}};
    }
    if (user.empty()) {
        return {chosen, false,
                "Cannot write into " + folder.string() + " and there is no user folder"};
    }
    std::error_code ec;
    std::filesystem::create_directories(user, ec);
    if (ec) {
        return {chosen, false, "Cannot create " + user.string() + ": " + ec.message()};
    }
    return {user / chosen.filename(), true, {}};
}

bool FolderWritable(const std::filesystem::path& folder) {
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        return false;
    }
    const std::filesystem::path probe = folder / ".der-ed-write-probe";
    const bool created = std::ofstream(probe, std::ios::binary).good();
    std::filesystem::remove(probe, ec);
    return created;
}

} // namespace dered
