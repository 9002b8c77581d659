#pragma once
#include <string>

// A temporary folder for a run's settings file, removed with everything in
// it at the end. In memory where the system keeps a folder there, so that
// flushing settings files to disk does not set the pace of a run.
class SoakFolder {
public:
    SoakFolder();
    ~SoakFolder();
    SoakFolder(const SoakFolder&) = delete;
    SoakFolder& operator=(const SoakFolder&) = delete;

    // With its trailing separator.
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};
