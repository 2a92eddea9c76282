#pragma once

// Where one field of a task file's record stands: 1-based character columns first..last.
// A number is written right-aligned in them.
struct TaskFileField
{
    int first = 1;
    int last = 1;

    constexpr int width() const { return last - first + 1; }
};
