#pragma once

#include <QString>

#include <functional>

// Opens the work window with the given caption and returns once the pupil has closed it.
using WorkOpener = std::function<void(const QString &caption)>;
