#include "app/BookRestore.h"

#include "app/RepairJob.h"
#include "file/FileSystem.h"

using namespace ZUM;

BookReport BookRestore::run(const PathString& book, bool dry) {
    BookReport report;
    report.path = book;
    const PathString backup = RepairJob::backupPathOf(book);
    const FileSystem::Attributes found = FileSystem::attributesOf(backup);
    if (!found.exists) {
        report.code = NoBackup;
        report.message = "nothing to restore: there is no .old file";
    } else if (!found.regular) {
        report.code = NoBackup;
        report.message = "nothing restored: the .old entry is not a regular file";
    } else if (dry) {
        report.message = "would be restored from its .old file";
    } else if (!FileSystem::replace(backup, book) || !FileSystem::syncDirectoryOf(book)) {
        const Utf8String message = resultMessage(CannotRename);
        report.code = CannotRename;
        report.message.assign(message.data(), message.length());
    } else {
        report.restored = true;
        report.message = "restored from its .old file";
    }
    return report;
}
