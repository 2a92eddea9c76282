#pragma once

// Teaches Qt's accessibility how a screen reader is to see the program's own controls
// where the toolkit's defaults do not fit: the items of a menu bar without the blanks that
// space them out, and the field as a picture.
void installAccessibleFactory();
