#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Waits for a device path to appear, or to change so that it may open now
// (udev sets a node's group and mode just after creating it), without
// polling: it asks the kernel (inotify) to report entries created, moved in
// or changed in the folders on the way to the path. Those are the path's
// folder, or its nearest existing ancestor while the folder is missing (no
// folder is created), and, when the path is a symbolic link such as
// /dev/serial/by-id/usb-..., the folders on the way to where it points.
//
// Threads: none of its own. Every call comes from one thread (the GUI
// thread in the program). The owner waits for Descriptor() to become
// readable in its event loop (a QSocketNotifier in the program, poll() in
// tests) and then calls TakeEvents(); while nothing is watched the
// descriptor never becomes readable.
class DevicePathWatch {
public:
    DevicePathWatch();
    ~DevicePathWatch();
    DevicePathWatch(const DevicePathWatch&) = delete;
    DevicePathWatch& operator=(const DevicePathWatch&) = delete;

    // The same descriptor for the object's life; -1 when the kernel refused
    // one, and then nothing is ever watched.
    int Descriptor() const { return fd_; }
    bool Active() const { return !path_.empty(); }

    // Watches `path` from now on, in place of what was watched before.
    void Watch(const std::string& path);
    // Ends the watch and drops what the kernel had reported for it.
    void Stop();
    // Reads what the kernel reported. True when, while watching, an entry on
    // the way to the path came, changed or went away from under the watch,
    // so the path may open now; the watch has then followed the folders that
    // are on the way now.
    bool TakeEvents();

private:
    struct Folder {
        int wd;
        std::vector<std::string> names;  // entries of the folder on the way to the path
    };
    // Watches the folders on the way to the path now, dropping the others.
    void Arm();
    void RemoveWatches(const std::vector<Folder>& keep);
    // Reads everything reported; true when something concerned the watch.
    bool ReadEvents();
    bool Concerns(int wd, uint32_t mask, const std::string& name) const;

    int fd_ = -1;
    std::string path_;
    std::vector<Folder> folders_;
};
