#pragma once

class HelpWindow;
class WorkWindow;

// Gives the work window its help: F1 opens "Справка" at the page of what the pupil is at,
// and the item "?" at the end of the menu bar at its contents. Neither touches the session,
// so a run goes on (and a pause stays) while the help is open.
HelpWindow *attachHelp(WorkWindow &window);
