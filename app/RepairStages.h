#pragma once

#include "app/ResultCode.h"

class RepairJob;

// The four stages of a repair, in the order they run. Each answers 0 or the
// code of its failure.

// Loads the document, refusing one whose bytes would not decode faithfully.
ResultCode loadStage(RepairJob& job);
// The same for a document the job's path locates on a web server ("http://").
ResultCode fetchStage(RepairJob& job);
// Removes the meta children of head whose name begins with one of the job's
// prefixes ("vorka:" unless told others).
ResultCode stripStage(RepairJob& job);
// Sets the charset labels of head to say UTF-8 (with --update-charset).
ResultCode relabelStage(RepairJob& job);
// Clears the ".old" path and moves the input file there.
ResultCode backupStage(RepairJob& job);
// Writes the document to the input path as UTF-8 with a byte-order mark.
ResultCode saveStage(RepairJob& job);
