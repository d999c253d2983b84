#pragma once
// The 312 keys of data.ini and where they live in memory: section "set" in AppSettings,
// "main" and the eight slot sections in LaunchModel.

#include "launch/launch_model.h"
#include "store/settings_file.h"

// The section of a group: "t1".."t5", "web", "web2", "web3"; its keys start with it.
QString groupSection(GroupKind kind, int number);

// Reads every key in file order; a missing key takes its default.
void loadData(SettingsFile& file, AppSettings& settings, LaunchModel& model);

// Takes each program slot's name and colour from what its launch button shows, then
// writes every key in file order over the file's copy as it is now on disk, to be
// replaced on disk by the next commit().
void writeData(SettingsFile& file, const AppSettings& settings, LaunchModel& model);

// writeData, then the file replaced in one atomic step; a file that start-up could not
// read is left alone. Raises AppError when the file cannot be read or written now; the
// file is then unchanged.
void saveData(SettingsFile& file, const AppSettings& settings, LaunchModel& model);
