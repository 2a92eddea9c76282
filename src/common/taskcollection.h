#pragma once

#include <QString>

// The folder of the task collection installed beside the programs, where the dialogs that
// ask for a task begin; empty when the programs run from a build tree, which installs none.
QString installedTaskCollection();
