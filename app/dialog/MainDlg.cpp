#include "app/dialog/MainDlg.h"

#include "app/RepairJob.h"
#include "app/dialog/MainDlgTemplate.h"
#include "file/FileSystem.h"

namespace {

const FilePickerRequest nccPicker = {u"修正するncc.htmlを指定してください。", u"ncc.html", u"ncc.html"};

// Set for as long as its scope runs, whatever way the scope is left.
class ScopedFlag {
public:
    explicit ScopedFlag(bool& flag) : flag(flag) { flag = true; }
    ~ScopedFlag() { flag = false; }

private:
    bool& flag;
};

const ZUM::Utf16String& caption() {
    static const ZUM::Utf16String text(u"Quorlin");
    return text;
}

} // namespace

std::intptr_t MainDlg::onInitDialog() {
    return 1;
}

std::intptr_t MainDlg::onCommand(int commandId) {
    switch (commandId) {
    case StartButton:
        repair();
        return 1;
    case ExitButton:
        exit();
        return 1;
    case BrowseButton:
        browse();
        return 1;
    default:
        return 0;
    }
}

// The whole field is read, however long: a path cut short would name another
// file.
void MainDlg::repair() {
    if (repairing) return;
    const ScopedFlag running(repairing);
    const ZUM::PathString path(toolkit.itemText(window, PathField));
    const ResultCode code = RepairJob(path).run();
    toolkit.messageBox(window, resultMessageUtf16(code), caption(),
                       code == Repaired ? MessageIcon::None : MessageIcon::Error);
    if (code == Repaired) toolkit.setItemText(window, PathField, ZUM::Utf16String());
}

void MainDlg::browse() {
    ZUM::Utf16String path;
    if (toolkit.pickFile(window, nccPicker, path)) toolkit.setItemText(window, PathField, path);
}

void MainDlg::exit() {
    end(0);
    toolkit.postQuit(0);
}

// A dropped file is taken as if it had been picked: only an existing file.
std::intptr_t MainDlg::onDropFile(const ZUM::Utf16String& path) {
    const ZUM::FileSystem::Attributes attributes = ZUM::FileSystem::attributesOf(path);
    if (attributes.exists && !attributes.directory) toolkit.setItemText(window, PathField, path);
    return 1;
}
