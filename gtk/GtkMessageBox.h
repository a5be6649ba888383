#pragma once

#include <gtk/gtk.h>

#include "app/ui/Toolkit.h"

// Shows `text` in a box modal to `owner` (null for none), above every other
// window, until its OK button is pressed. It reads as an alert to screen
// readers.
void runMessageBox(GtkWindow* owner, const ZUM::Utf16String& text, const ZUM::Utf16String& caption,
                   MessageIcon icon);
