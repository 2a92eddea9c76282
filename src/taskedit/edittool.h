#pragma once

// What a click on the field does.
enum class EditTool {
    Walls,        // an edge: put or take away a fixed wall; dragging goes on along the edges
    StartPoint,   // a cell: point А there; the wheel or a key turns it
    TargetPoint,  // a cell: point Б there
    VariableWall, // two edges: a variable wall with its two positions; a click on one removes it
};
