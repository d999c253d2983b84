#pragma once
// Backup and restore: copies of the data file to and from the one backup file, each
// replacing its target in one atomic step, so a failed copy leaves the old target whole.
// Neither touches the model, the window or the icons; a restore takes effect at the next
// start.

#include "core/ports.h"

// Copies `source` over `target`. Raises AppError naming the file and the reason when the
// source cannot be read or the target cannot be written; the target is then unchanged.
void copyFileReplacing(const QString& source, const QString& target);

// "备份数据": asks first, then copies the data file to the backup file and says where it lies.
void backupData(Dialogs& dialogs, QWidget* owner, const Paths& paths);

// "还原数据": asks first, then copies the backup file over the data file. Once the data file
// is replaced, `dataRestored` is set before the message shows, so that no close, not even
// one while the message is open, writes over the restored file.
void restoreData(Dialogs& dialogs, QWidget* owner, const Paths& paths, bool& dataRestored);
