#pragma once

#include "base/TString.h"

// Deletes a directory with everything below it, depth first, files as they
// are met. A failure stops the walk at once (what was deleted stays deleted)
// and answers false. Symbolic links are deleted as themselves, never followed.
bool removeDirectoryTree(const ZUM::PathString& directory);

// Whether a listed name is "." or "..", the directory itself or its parent.
bool isDotEntry(const ZUM::Utf16String& name);

// Appends a relative path to a directory path in place, resolving its leading
// "../" and "./" steps.
void appendRelativePath(ZUM::PathString& directory, const ZUM::Utf16String& relative);
