#include "support/event_threads.h"

#include <dirent.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>

#include "serial/comm_event_thread.h"

namespace {

int CountNow() {
    int count = 0;
    DIR* dir = opendir("/proc/self/task");
    if (!dir) return -1;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.') continue;
        std::string name;
        std::ifstream(std::string("/proc/self/task/") + entry->d_name + "/comm") >> name;
        if (name == TCommEventThread::EventThreadName) ++count;
    }
    closedir(dir);
    return count;
}

}  // namespace

int EventThreadCount(int expected) {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    int count = CountNow();
    while (count != expected && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::yield();
        count = CountNow();
    }
    return count;
}
