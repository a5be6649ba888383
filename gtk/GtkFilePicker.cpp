#include "gtk/GtkFilePicker.h"

#include "gtk/GtkText.h"

bool runFilePicker(GtkWindow* owner, const FilePickerRequest& request, ZUM::Utf16String& path) {
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
    bool chosen = false;
    if (gtk_dialog_run(GTK_DIALOG(picker)) == GTK_RESPONSE_ACCEPT) {
        if (gchar* fileName = gtk_file_chooser_get_filename(chooser)) {
            path = fileNameText(fileName);
            chosen = true;
            g_free(fileName);
        }
    }
    gtk_widget_destroy(picker);
    return chosen;
}
