#pragma once

// The stages the work window leads the pupil through.
enum class WorkStage { NotStarted, Begin, Development, Debugging };

constexpr int workStageCount = 4;
