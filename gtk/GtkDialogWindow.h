#pragma once

#include <gtk/gtk.h>

#include <map>
#include <vector>

#include "app/ui/DialogTemplate.h"
#include "app/ui/DialogUnits.h"
#include "app/ui/Toolkit.h"

class GtkToolkit;

// A dialog template made into a GTK window: the items placed by dialog units
// measured in the template's font, and the keyboard of a Windows dialog (Tab
// and Shift+Tab through the tab stops in template order, Enter for the
// default button, Escape for cancel). Commands, the close box and dropped
// files become messages posted to the toolkit.
class GtkDialogWindow {
public:
    GtkDialogWindow(GtkToolkit& toolkit, const DialogTemplate& dialogTemplate, GtkWindow* owner,
                    DialogProcedure procedure);
    ~GtkDialogWindow();
    GtkDialogWindow(const GtkDialogWindow&) = delete;
    GtkDialogWindow& operator=(const GtkDialogWindow&) = delete;

    WindowHandle handle() { return reinterpret_cast<WindowHandle>(this); }
    GtkWindow* gtkWindow() const { return GTK_WINDOW(window); }
    DialogProcedure procedure() const { return dialogProcedure; }
    DialogBaseUnits baseUnits() const { return units; }

    // The exact text of an item; what is shown may differ where a unit cannot
    // be displayed.
    ZUM::Utf16String text(int itemId) const;
    void setText(int itemId, const ZUM::Utf16String& text);

private:
    void applyFont();
    void measureFont();
    void placeItems();
    GtkWidget* makeControl(const DialogItem& item);
    void acceptDrops(GtkWidget* widget);
    void moveFocus(bool backward);
    void post(unsigned message, std::uintptr_t wParam);

    static void onClicked(GtkButton* button, gpointer self);
    static gboolean onKeyPress(GtkWidget*, GdkEventKey* event, gpointer self);
    static gboolean onDelete(GtkWidget*, GdkEvent*, gpointer self);
    static void onDragDataReceived(GtkWidget*, GdkDragContext*, gint, gint, GtkSelectionData* data,
                                   guint, guint, gpointer self);

    GtkToolkit& toolkit;
    const DialogTemplate& dialogTemplate;
    DialogProcedure dialogProcedure;
    GtkWidget* window;
    GtkCssProvider* style;
    DialogBaseUnits units{};
    std::map<int, GtkWidget*> controls;
    std::map<int, ZUM::Utf16String> texts;
    std::vector<GtkWidget*> tabStops;
};
