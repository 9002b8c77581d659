#pragma once
#include <QDir>
#include <fstream>
#include <string>

// A process's CPU time over all its threads, in nanoseconds (the scheduler's
// own accounting, as bench/cpu_share.sh reads it), and its resident memory.
inline long long CpuNanoseconds(long long pid) {
    long long total = 0;
    const QString tasks = QString("/proc/%1/task").arg(pid);
    for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        std::ifstream in((tasks + "/" + task + "/schedstat").toStdString());
        long long ns = 0;
        if (in >> ns) total += ns;
    }
    return total;
}

inline long long ResidentKilobytes(long long pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    for (std::string word; in >> word;) {
        long long kb = 0;
        if (word == "VmRSS:" && in >> kb) return kb;
    }
    return 0;
}
