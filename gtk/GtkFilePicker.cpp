#include "gtk/GtkFilePicker.h"

#include "file/FileSystem.h"
#include "gtk/GtkMessageBox.h"
#include "gtk/GtkText.h"

namespace {

GtkWidget* newPicker(GtkWindow* owner, const FilePickerRequest& request) {
    GtkWidget* picker = gtk_file_chooser_dialog_new(
        displayText(request.title).c_str(), owner, GTK_FILE_CHOOSER_ACTION_OPEN, "キャンセル",
        GTK_RESPONSE_CANCEL, "開く", GTK_RESPONSE_ACCEPT, nullptr);
    GtkFileChooser* chooser = GTK_FILE_CHOOSER(picker);
    gtk_dialog_set_default_response(GTK_DIALOG(picker), GTK_RESPONSE_ACCEPT);
    gtk_file_chooser_set_local_only(chooser, TRUE);
    GtkFileFilter* filter = gtk_file_filter_new();
    gtk_file_filter_set_name(filter, displayText(request.filterName).c_str());
    gtk_file_filter_add_pattern(filter, displayText(request.filterPattern).c_str());
    gtk_file_chooser_add_filter(chooser, filter); // the chooser takes the filter
    return picker;
}

bool isExistingFile(const ZUM::Utf16String& path) {
    const ZUM::FileSystem::Attributes attributes = ZUM::FileSystem::attributesOf(path);
    return attributes.exists && !attributes.directory;
}

// The chooser lets a name be typed that names nothing; like the Windows
// picker, it then says so and stays open.
void reportMissing(GtkWidget* picker, const FilePickerRequest& request,
                   const ZUM::Utf16String& path) {
    ZUM::Utf16String message(path);
    message.append(ZUM::Utf16String(u"\nファイルが見つかりません。ファイル名を確認してください。"));
    runMessageBox(GTK_WINDOW(picker), message, ZUM::Utf16String(request.title), MessageIcon::Error);
}

} // namespace

bool runFilePicker(GtkWindow* owner, const FilePickerRequest& request, ZUM::Utf16String& path) {
    GtkWidget* picker = newPicker(owner, request);
    bool chosen = false;
    while (!chosen && gtk_dialog_run(GTK_DIALOG(picker)) == GTK_RESPONSE_ACCEPT) {
        gchar* fileName = gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(picker));
        if (!fileName) continue;
        const ZUM::Utf16String candidate = fileNameText(fileName);
        g_free(fileName);
        if (isExistingFile(candidate)) {
            path = candidate;
            chosen = true;
        } else {
            reportMissing(picker, request, candidate);
        }
    }
    gtk_widget_destroy(picker);
    return chosen;
}
