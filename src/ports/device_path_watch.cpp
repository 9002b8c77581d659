#include "ports/device_path_watch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace {

// Entries that came (created, moved in) or changed their mode or owner.
constexpr uint32_t kEntryEvents = IN_CREATE | IN_MOVED_TO | IN_ATTRIB;
// The watched folder itself went away, so the nearest existing one changed.
constexpr uint32_t kFolderGone = IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED;
constexpr uint32_t kMask = kEntryEvents | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;
// Symbolic links followed from the path: by-id to the node, and a link of
// the user's own on top, with room to spare.
constexpr int kMostLinks = 8;

struct Waypoint {
    fs::path folder;
    std::string name;  // the entry in the folder that leads to the path
};

bool IsFolder(const fs::path& path) {
    std::error_code ignored;
    return fs::is_directory(path, ignored);
}

Waypoint NearestFolder(const fs::path& path) {
    Waypoint waypoint{path.parent_path(), path.filename().string()};
    while (!IsFolder(waypoint.folder) && waypoint.folder.has_relative_path()) {
        waypoint.name = waypoint.folder.filename().string();
        waypoint.folder = waypoint.folder.parent_path();
    }
    return waypoint;
}

// The path's own waypoint, then one for each link on the way from it.
std::vector<Waypoint> Waypoints(const std::string& start) {
    std::vector<Waypoint> waypoints;
    std::error_code error;
    fs::path path = fs::absolute(start, error).lexically_normal();
    for (int links = 0; links < kMostLinks && !error; ++links) {
        waypoints.push_back(NearestFolder(path));
        if (!fs::is_symlink(path, error)) break;
        path = (path.parent_path() / fs::read_symlink(path, error)).lexically_normal();
    }
    return waypoints;
}

}  // namespace

DevicePathWatch::DevicePathWatch() : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}

DevicePathWatch::~DevicePathWatch() {
    if (fd_ >= 0) close(fd_);
}

void DevicePathWatch::Watch(const std::string& path) {
    if (path.empty() || fd_ < 0) return Stop();
    ReadEvents();  // what was reported before belongs to the previous watch
    path_ = path;
    Arm();
}

void DevicePathWatch::Stop() {
    RemoveWatches({});
    folders_.clear();
    path_.clear();
    ReadEvents();  // the removals' own reports: nothing to wake anyone for
}

bool DevicePathWatch::TakeEvents() {
    if (!ReadEvents() || !Active()) return false;
    Arm();
    return true;
}

void DevicePathWatch::Arm() {
    std::vector<Folder> folders;
    for (const Waypoint& waypoint : Waypoints(path_)) {
        const int wd = inotify_add_watch(fd_, waypoint.folder.c_str(), kMask);
        if (wd < 0) continue;  // unreadable, or the system's limit of watches reached
        const auto same = std::find_if(folders.begin(), folders.end(), [wd](const Folder& f) { return f.wd == wd; });
        if (same == folders.end())
            folders.push_back({wd, {waypoint.name}});
        else
            same->names.push_back(waypoint.name);
    }
    RemoveWatches(folders);
    folders_ = std::move(folders);
}

void DevicePathWatch::RemoveWatches(const std::vector<Folder>& keep) {
    for (const Folder& folder : folders_)
        if (std::none_of(keep.begin(), keep.end(), [&](const Folder& k) { return k.wd == folder.wd; }))
            inotify_rm_watch(fd_, folder.wd);
}

bool DevicePathWatch::ReadEvents() {
    bool concerned = false;
    alignas(inotify_event) std::array<char, 4096> buffer{};
    for (;;) {
        const ssize_t n = read(fd_, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return concerned;  // EAGAIN: everything reported is read
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
            concerned = Concerns(event->wd, event->mask, event->len > 0 ? event->name : "") || concerned;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}

bool DevicePathWatch::Concerns(int wd, uint32_t mask, const std::string& name) const {
    if (mask & IN_Q_OVERFLOW) return true;  // reports were lost: look again
    const auto folder = std::find_if(folders_.begin(), folders_.end(), [wd](const Folder& f) { return f.wd == wd; });
    if (folder == folders_.end()) return false;
    if (mask & kFolderGone) return true;
    return (mask & kEntryEvents) != 0 &&
           std::find(folder->names.begin(), folder->names.end(), name) != folder->names.end();
}
