#pragma once
#include <string>

// A temporary program folder, set as the program's folder while it lives and
// removed with everything in it at the end. In memory where the system keeps
// a folder there, so that flushing settings files to disk does not set the
// pace of a run.
class SoakFolder {
public:
    SoakFolder();
    ~SoakFolder();
    SoakFolder(const SoakFolder&) = delete;
    SoakFolder& operator=(const SoakFolder&) = delete;

private:
    std::string path_;
};
