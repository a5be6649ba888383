#pragma once

#include <gtk/gtk.h>

#include "app/ui/Toolkit.h"

// Lets the user choose one existing file among those the request's filter
// lists; false when the choice is cancelled, else `path` is its full path.
bool runFilePicker(GtkWindow* owner, const FilePickerRequest& request, ZUM::Utf16String& path);
