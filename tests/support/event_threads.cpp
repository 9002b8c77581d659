#include "support/event_threads.h"

#include <dirent.h>

#include <fstream>
#include <string>

#include "serial/comm_event_thread.h"

int EventThreadCount() {
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
