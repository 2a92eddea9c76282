#pragma once

class QWidget;

// Gives the program's panels, lists and pictures the Russian names a screen reader reads
// for them, where neither a caption nor a label names them. Controls are found by their
// object names inside `window`; one that the window does not hold is skipped. Buttons
// whose captions are spaced out with blanks are named by the caption without them.
void nameControls(QWidget &window);
