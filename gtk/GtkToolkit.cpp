#include "gtk/GtkToolkit.h"

#include <cstdio>

#include "app/ui/PlatformToolkit.h"
#include "gtk/GtkDialogWindow.h"
#include "gtk/GtkFilePicker.h"
#include "gtk/GtkMessageBox.h"

namespace {
// The desktop has no window of ours; the address of this stands for it.
char desktopTag;
WindowTag* const Desktop = reinterpret_cast<WindowTag*>(&desktopTag);
} // namespace

std::unique_ptr<Toolkit> createPlatformToolkit(int& argc, char**& argv) {
    if (!gtk_init_check(&argc, &argv)) {
        std::fputs("quorlin: cannot open the display\n", stderr);
        return nullptr;
    }
    return std::make_unique<GtkToolkit>();
}

GtkToolkit::GtkToolkit() {
    gtk_window_set_default_icon_name("quorlin");
}

GtkToolkit::~GtkToolkit() {
    dialogs.clear();
    while (gtk_events_pending()) gtk_main_iteration_do(FALSE);
}

WindowHandle GtkToolkit::createDialog(const ZUM::Utf16String& templateName, WindowHandle parent,
                                      DialogProcedure procedure, std::intptr_t parameter) {
    const DialogTemplate* dialogTemplate = findDialogTemplate(templateName);
    if (!dialogTemplate) return nullptr;
    dialogs.push_back(std::make_unique<GtkDialogWindow>(*this, *dialogTemplate,
                                                        gtkWindowOf(parent), procedure));
    const WindowHandle dialog = dialogs.back()->handle();
    procedure(dialog, WmInitDialog, 0, parameter);
    return dialog;
}

void GtkToolkit::showWindow(WindowHandle window) {
    if (GtkWindow* gtkWindow = gtkWindowOf(window)) gtk_widget_show_all(GTK_WIDGET(gtkWindow));
}

WindowHandle GtkToolkit::desktopWindow() {
    return Desktop;
}

WindowRect GtkToolkit::windowRect(WindowHandle window) {
    if (window == Desktop) {
        GdkRectangle area{};
        GdkDisplay* display = gdk_display_get_default();
        if (GdkMonitor* monitor = gdk_display_get_monitor(display, 0)) {
            gdk_monitor_get_geometry(monitor, &area);
        }
        return {area.x, area.y, area.x + area.width, area.y + area.height};
    }
    GtkWindow* gtkWindow = gtkWindowOf(window);
    if (!gtkWindow) return {};
    int x = 0, y = 0, width = 0, height = 0;
    gtk_window_get_position(gtkWindow, &x, &y);
    gtk_window_get_size(gtkWindow, &width, &height);
    return {x, y, x + width, y + height};
}

void GtkToolkit::moveWindow(WindowHandle window, int x, int y) {
    if (GtkWindow* gtkWindow = gtkWindowOf(window)) gtk_window_move(gtkWindow, x, y);
}

ZUM::Utf16String GtkToolkit::itemText(WindowHandle dialog, int itemId) {
    GtkDialogWindow* window = dialogOf(dialog);
    return window ? window->text(itemId) : ZUM::Utf16String();
}

void GtkToolkit::setItemText(WindowHandle dialog, int itemId, const ZUM::Utf16String& text) {
    if (GtkDialogWindow* window = dialogOf(dialog)) window->setText(itemId, text);
}

void GtkToolkit::messageBox(WindowHandle owner, const ZUM::Utf16String& text,
                            const ZUM::Utf16String& caption, MessageIcon icon) {
    runMessageBox(gtkWindowOf(owner), text, caption, icon);
}

bool GtkToolkit::pickFile(WindowHandle owner, const FilePickerRequest& request,
                          ZUM::Utf16String& path) {
    return runFilePicker(gtkWindowOf(owner), request, path);
}

void GtkToolkit::endDialog(WindowHandle dialog, std::intptr_t) {
    if (GtkWindow* gtkWindow = gtkWindowOf(dialog)) gtk_widget_hide(GTK_WIDGET(gtkWindow));
}

void GtkToolkit::postFrom(GtkDialogWindow& dialog, unsigned message, std::uintptr_t wParam) {
    post(dialog.handle(), message, wParam);
}

void GtkToolkit::dropOn(GtkDialogWindow& dialog, const ZUM::Utf16String& path) {
    postDrop(dialog.handle(), path);
}

bool GtkToolkit::waitForEvents() {
    gtk_main_iteration_do(TRUE);
    return true;
}

DialogProcedure GtkToolkit::procedureOf(WindowHandle window) {
    GtkDialogWindow* dialog = dialogOf(window);
    return dialog ? dialog->procedure() : nullptr;
}

// Messages are only ever posted to a dialog itself, never to its items.
bool GtkToolkit::belongsTo(WindowHandle window, WindowHandle dialog) {
    return window == dialog && dialogOf(dialog);
}

GtkDialogWindow* GtkToolkit::dialogOf(WindowHandle window) const {
    for (const auto& dialog : dialogs) {
        if (dialog->handle() == window) return dialog.get();
    }
    return nullptr;
}

GtkWindow* GtkToolkit::gtkWindowOf(WindowHandle window) const {
    GtkDialogWindow* dialog = dialogOf(window);
    return dialog ? dialog->gtkWindow() : nullptr;
}
