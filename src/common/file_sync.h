#pragma once
#include <string>

// The steps that make a written file durable: its data synced to the disk,
// the rename that puts it in place, then the folder's entries synced. Every
// such step the program takes goes through these functions, so that a test
// can watch which ones happen and in which order.
enum class FileStep { DataSynced, Renamed, FolderSynced };

// Test seam: when given, called after each step that succeeded, with the
// file it concerned (the new name after a rename, the folder after a folder
// sync). Called on the thread that took the step.
using FileStepWatch = void (*)(FileStep step, const std::string& path);

// fsync, or fdatasync when `dataOnly` (the file's times may wait). `path`
// names the file for the watch. Returns 0 or an errno value.
int SyncFile(int fd, const std::string& path, bool dataOnly = false, FileStepWatch watch = nullptr);
// Renames `from` over `to`. Returns 0 or an errno value.
int RenameFile(const std::string& from, const std::string& to, FileStepWatch watch = nullptr);
// Syncs the entries of the folder holding `path`. A rename is in those
// entries: unsynced, a crash could bring the old file back. The new file is
// in place by then, so a failure changes nothing a caller could act on and
// is not reported.
void SyncFolderOf(const std::string& path, FileStepWatch watch = nullptr);
