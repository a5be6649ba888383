#pragma once

#include "app/ResultCode.h"

class RepairJob;

// The stages of a repair, in the order they run. Each answers 0 or the code
// of its failure.

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
// Writes the document to the input path as UTF-8 with a byte-order mark and
// puts it on the disk: writeStage, then flushStage.
ResultCode saveStage(RepairJob& job);
// The save in two halves, for a batch that repairs its next book while the
// disk takes this one: the file written and left open in the job; then the
// file and its name put on the disk, and the file closed.
ResultCode writeStage(RepairJob& job);
ResultCode flushStage(RepairJob& job);
