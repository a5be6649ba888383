#include "gtk/GtkMessageBox.h"

#include <string>

#include "gtk/GtkText.h"

namespace {

GtkWidget* messageRow(const std::string& message, MessageIcon icon) {
    GtkWidget* row = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 12);
    gtk_container_set_border_width(GTK_CONTAINER(row), 12);
    if (icon == MessageIcon::Error) {
        GtkWidget* image = gtk_image_new_from_icon_name("dialog-error", GTK_ICON_SIZE_DIALOG);
        gtk_box_pack_start(GTK_BOX(row), image, FALSE, FALSE, 0);
    }
    GtkWidget* label = gtk_label_new(message.c_str());
    gtk_label_set_selectable(GTK_LABEL(label), TRUE);
    gtk_label_set_line_wrap(GTK_LABEL(label), TRUE);
    gtk_label_set_max_width_chars(GTK_LABEL(label), 60);
    gtk_box_pack_start(GTK_BOX(row), label, TRUE, TRUE, 0);
    return row;
}

} // namespace

void runMessageBox(GtkWindow* owner, const ZUM::Utf16String& text, const ZUM::Utf16String& caption,
                   MessageIcon icon) {
    const std::string message = displayText(text);
    GtkWidget* box = gtk_dialog_new_with_buttons(
        displayText(caption).c_str(), owner,
        static_cast<GtkDialogFlags>(GTK_DIALOG_MODAL | GTK_DIALOG_DESTROY_WITH_PARENT), "OK",
        GTK_RESPONSE_OK, nullptr);
    GtkWindow* window = GTK_WINDOW(box);
    gtk_window_set_keep_above(window, TRUE);
    gtk_window_set_resizable(window, FALSE);
    gtk_window_set_position(window, owner ? GTK_WIN_POS_CENTER_ON_PARENT : GTK_WIN_POS_CENTER);
    gtk_dialog_set_default_response(GTK_DIALOG(box), GTK_RESPONSE_OK);
    gtk_container_add(GTK_CONTAINER(gtk_dialog_get_content_area(GTK_DIALOG(box))),
                      messageRow(message, icon));
    AtkObject* accessible = gtk_widget_get_accessible(box);
    atk_object_set_role(accessible, ATK_ROLE_ALERT);
    atk_object_set_description(accessible, message.c_str());
    gtk_widget_show_all(box);
    gtk_widget_grab_focus(gtk_dialog_get_widget_for_response(GTK_DIALOG(box), GTK_RESPONSE_OK));
    gtk_dialog_run(GTK_DIALOG(box));
    gtk_widget_destroy(box);
}
