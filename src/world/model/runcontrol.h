#pragma once

class FieldCanvas;
class WallModel;

// A tick of the swap timer of variable wall `index` (0, 1 or 2): selector 1 becomes 2 and
// the wall is drawn absent at variant 1 and present at variant 2; 2 becomes 1 the other
// way round; any other selector, or a wall that does not exist, is left alone. Returns
// whether anything was redrawn (the caller then refreshes the field view).
bool swapVariableWall(WallModel &walls, int index, FieldCanvas *canvas);

// Puts variable wall `index` at variant `selector` (1 or 2) and, with a canvas, draws it
// absent at the other variant and present at this one. The wall must exist.
void setVariableWall(WallModel &walls, int index, int selector, FieldCanvas *canvas);
