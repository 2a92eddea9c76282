#pragma once

// The seven actions of the command panel, reached by its buttons and by F2 … F8.
enum class PanelCommand { Step, Jump, Turn, Proc, DoProc, If, While };
