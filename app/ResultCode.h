#pragma once

#include "base/TString.h"

// The outcome of a repair: 0 for success, else the stage failure. It is also the
// index of the message shown for it.
enum ResultCode : unsigned {
    Repaired = 0,
    CannotOpen = 1,
    NotXml = 2,
    CannotDeleteBackupFile = 3,
    CannotDeleteBackupDirectory = 4,
    CannotRename = 5,
    CannotSave = 6,
    CannotWrite = 7,
    NotAnNcc = 8,
};

constexpr unsigned ResultCodeCount = 9;

// The message of a result code, in the Shift_JIS bytes the tool keeps it in.
const char* resultMessageShiftJis(ResultCode code);

// The same message in UTF-16, for a window.
ZUM::Utf16String resultMessageUtf16(ResultCode code);

// The same message in UTF-8, for a terminal.
ZUM::Utf8String resultMessage(ResultCode code);
