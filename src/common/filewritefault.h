#pragma once

// A failure that an atomic write makes on purpose, so that tests reach every way a real
// disk can fail: the write stops short, the disk fills up when the buffer is flushed, or
// the finished file cannot replace the old one.
enum class FileWriteFault { None, ShortWrite, NoSpaceAtFlush, FailedRename };
