#include "gtk/GtkDialogWindow.h"

#include <string>

#include "gtk/GtkText.h"
#include "gtk/GtkToolkit.h"

namespace {

// Fonts a template may name, and the installed families that stand for them.
struct FontSubstitute {
    const char16_t* face;
    const char* family;
};
const FontSubstitute fontSubstitutes[] = {
    {u"ＭＳ Ｐゴシック", "IPAPGothic"},
    {u"ＭＳ ゴシック", "IPAGothic"},
};

std::string familyFor(const DialogFont& font) {
    for (const FontSubstitute& substitute : fontSubstitutes) {
        if (ZUM::Utf16String(font.face).compare(ZUM::Utf16String(substitute.face)) == 0) {
            return substitute.family;
        }
    }
    return displayText(font.face);
}

constexpr const char* ItemIdKey = "quorlin-item-id";
constexpr std::uintptr_t CancelCommand = 2;

} // namespace

GtkDialogWindow::GtkDialogWindow(GtkToolkit& toolkit, const DialogTemplate& dialogTemplate,
                                 GtkWindow* owner, DialogProcedure procedure)
    : toolkit(toolkit), dialogTemplate(dialogTemplate), dialogProcedure(procedure),
      window(gtk_window_new(GTK_WINDOW_TOPLEVEL)), style(gtk_css_provider_new()) {
    g_object_ref_sink(window);
    GtkWindow* self = GTK_WINDOW(window);
    gtk_widget_set_name(window, dialogTemplate.name);
    gtk_window_set_title(self, displayText(dialogTemplate.caption).c_str());
    gtk_window_set_resizable(self, FALSE);
    gtk_window_set_type_hint(self, GDK_WINDOW_TYPE_HINT_DIALOG);
    if (owner) gtk_window_set_transient_for(self, owner);
    atk_object_set_role(gtk_widget_get_accessible(window), ATK_ROLE_DIALOG);
    applyFont();
    measureFont();
    placeItems();
    const WindowRect origin = units.toPixels(dialogTemplate.box);
    gtk_window_move(self, origin.left, origin.top);
    g_signal_connect(window, "key-press-event", G_CALLBACK(onKeyPress), this);
    g_signal_connect(window, "delete-event", G_CALLBACK(onDelete), this);
    acceptDrops(window);
}

GtkDialogWindow::~GtkDialogWindow() {
    gtk_widget_destroy(window);
    g_object_unref(window);
    g_object_unref(style);
}

ZUM::Utf16String GtkDialogWindow::text(int itemId) const {
    auto found = texts.find(itemId);
    return found == texts.end() ? ZUM::Utf16String() : found->second;
}

void GtkDialogWindow::setText(int itemId, const ZUM::Utf16String& text) {
    auto control = controls.find(itemId);
    if (control == controls.end()) return;
    texts[itemId] = text;
    const std::string shown = displayText(text);
    GtkWidget* widget = control->second;
    if (GTK_IS_ENTRY(widget)) {
        gtk_entry_set_text(GTK_ENTRY(widget), shown.c_str());
    } else if (GTK_IS_BUTTON(widget)) {
        gtk_button_set_label(GTK_BUTTON(widget), shown.c_str());
    } else {
        gtk_label_set_text(GTK_LABEL(widget), shown.c_str());
    }
}

// The template's font for the window and everything in it; controls lose the
// theme's padding and minimum sizes so that they fit the boxes the template
// gives them, as they do on Windows.
void GtkDialogWindow::applyFont() {
    const DialogFont& font = dialogTemplate.font;
    const std::string css = "* { font-family: \"" + familyFor(font) +
                            "\"; font-size: " + std::to_string(font.points) +
                            "pt; font-weight: " + std::to_string(font.weight) +
                            "; }\n"
                            "button, entry { min-height: 0; min-width: 0; padding: 0 4px; }\n";
    gtk_css_provider_load_from_data(style, css.c_str(), -1, nullptr);
    gtk_style_context_add_provider(gtk_widget_get_style_context(window),
                                   GTK_STYLE_PROVIDER(style),
                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
}

void GtkDialogWindow::measureFont() {
    const DialogFont& font = dialogTemplate.font;
    PangoFontDescription* description = pango_font_description_new();
    pango_font_description_set_family(description, familyFor(font).c_str());
    pango_font_description_set_size(description, font.points * PANGO_SCALE);
    pango_font_description_set_weight(description, static_cast<PangoWeight>(font.weight));
    PangoLayout* layout =
        gtk_widget_create_pango_layout(window, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    pango_layout_set_font_description(layout, description);
    int width = 0;
    int height = 0;
    pango_layout_get_pixel_size(layout, &width, &height);
    units = DialogBaseUnits::fromFont(width, height);
    g_object_unref(layout);
    pango_font_description_free(description);
}

void GtkDialogWindow::placeItems() {
    GtkWidget* fixed = gtk_fixed_new();
    const WindowRect client = units.toPixels({0, 0, dialogTemplate.box.width, dialogTemplate.box.height});
    gtk_widget_set_size_request(fixed, client.right, client.bottom);
    gtk_container_add(GTK_CONTAINER(window), fixed);
    GtkWidget* pendingLabel = nullptr;
    for (const DialogItem& item : dialogTemplate) {
        GtkWidget* control = makeControl(item);
        const WindowRect box = units.toPixels(item.box);
        gtk_widget_set_size_request(control, box.right - box.left, box.bottom - box.top);
        gtk_fixed_put(GTK_FIXED(fixed), control, box.left, box.top);
        gtk_style_context_add_provider(gtk_widget_get_style_context(control),
                                       GTK_STYLE_PROVIDER(style),
                                       GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
        controls[item.id] = control;
        setText(item.id, ZUM::Utf16String(item.text));
        if (item.style & DefaultPushButton) {
            gtk_widget_set_can_default(control, TRUE);
            gtk_window_set_default(GTK_WINDOW(window), control);
        }
        // A static text just before an edit field labels it, for screen readers.
        if (pendingLabel && item.controlClass == ControlClass::Edit) {
            gtk_label_set_mnemonic_widget(GTK_LABEL(pendingLabel), control);
            atk_object_set_name(gtk_widget_get_accessible(control),
                                gtk_label_get_text(GTK_LABEL(pendingLabel)));
        }
        pendingLabel = item.controlClass == ControlClass::Static ? control : nullptr;
        if (item.style & TabStop) tabStops.push_back(control);
    }
    if (!tabStops.empty()) gtk_window_set_focus(GTK_WINDOW(window), tabStops.front());
}

GtkWidget* GtkDialogWindow::makeControl(const DialogItem& item) {
    switch (item.controlClass) {
    case ControlClass::Static: {
        GtkWidget* label = gtk_label_new(nullptr);
        gtk_label_set_xalign(GTK_LABEL(label), (item.style & LeftAligned) ? 0.0f : 0.5f);
        return label;
    }
    case ControlClass::Edit: {
        GtkWidget* entry = gtk_entry_new();
        gtk_editable_set_editable(GTK_EDITABLE(entry), !(item.style & ReadOnly));
        gtk_entry_set_has_frame(GTK_ENTRY(entry), (item.style & Border) != 0);
        gtk_entry_set_width_chars(GTK_ENTRY(entry), 1);
        gtk_entry_set_activates_default(GTK_ENTRY(entry), TRUE);
        gtk_drag_dest_unset(entry); // a file dropped on the field is dropped on the window
        return entry;
    }
    case ControlClass::Button:
        break;
    }
    GtkWidget* button = gtk_button_new_with_label("");
    g_object_set_data(G_OBJECT(button), ItemIdKey, GINT_TO_POINTER(item.id));
    g_signal_connect(button, "clicked", G_CALLBACK(onClicked), this);
    return button;
}

void GtkDialogWindow::acceptDrops(GtkWidget* widget) {
    gtk_drag_dest_set(widget, GTK_DEST_DEFAULT_ALL, nullptr, 0, GDK_ACTION_COPY);
    gtk_drag_dest_add_uri_targets(widget);
    g_signal_connect(widget, "drag-data-received", G_CALLBACK(onDragDataReceived), this);
}

void GtkDialogWindow::moveFocus(bool backward) {
    if (tabStops.empty()) return;
    const std::size_t count = tabStops.size();
    GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(window));
    std::size_t index = backward ? 0 : count - 1; // where the walk starts from no tab stop
    for (std::size_t i = 0; i < count; ++i) {
        if (tabStops[i] == focus) index = i;
    }
    index = backward ? (index + count - 1) % count : (index + 1) % count;
    gtk_widget_grab_focus(tabStops[index]);
}

void GtkDialogWindow::post(unsigned message, std::uintptr_t wParam) {
    toolkit.postFrom(*this, message, wParam);
}

void GtkDialogWindow::onClicked(GtkButton* button, gpointer self) {
    const int id = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(button), ItemIdKey));
    static_cast<GtkDialogWindow*>(self)->post(WmCommand, static_cast<std::uintptr_t>(id));
}

gboolean GtkDialogWindow::onKeyPress(GtkWidget*, GdkEventKey* event, gpointer self) {
    GtkDialogWindow* dialog = static_cast<GtkDialogWindow*>(self);
    switch (event->keyval) {
    case GDK_KEY_Tab:
    case GDK_KEY_KP_Tab:
    case GDK_KEY_ISO_Left_Tab:
        dialog->moveFocus(event->keyval == GDK_KEY_ISO_Left_Tab || (event->state & GDK_SHIFT_MASK));
        return TRUE;
    case GDK_KEY_Escape:
        dialog->post(WmCommand, CancelCommand);
        return TRUE;
    default:
        return FALSE;
    }
}

// The window stays: the close box only asks, as it does on Windows.
gboolean GtkDialogWindow::onDelete(GtkWidget*, GdkEvent*, gpointer self) {
    static_cast<GtkDialogWindow*>(self)->post(WmClose, 0);
    return TRUE;
}

void GtkDialogWindow::onDragDataReceived(GtkWidget*, GdkDragContext*, gint, gint,
                                         GtkSelectionData* data, guint, guint, gpointer self) {
    gchar** uris = gtk_selection_data_get_uris(data);
    if (uris && uris[0]) {
        if (gchar* fileName = g_filename_from_uri(uris[0], nullptr, nullptr)) {
            GtkDialogWindow* dialog = static_cast<GtkDialogWindow*>(self);
            dialog->toolkit.dropOn(*dialog, fileNameText(fileName));
            g_free(fileName);
        }
    }
    g_strfreev(uris);
}
