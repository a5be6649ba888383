#pragma once

// The four values a Windows program's entry receives, kept for the window
// system's calls that ask for the module instance. Null where the platform has
// no such thing.
struct EntryValues {
    void* instance = nullptr;
    void* previousInstance = nullptr;
    const char* commandLine = "";
    int showCommand = 1; // show normally
};

// Stored once by the program entry, before the first window is made.
extern EntryValues entryValues;
