#pragma once

// Set-up of the window system made before the application object exists.

// Whether a window can be opened at all. Where windows go to an X11 or Wayland display
// (Linux and the BSDs), one must be named in the environment, or a platform be chosen
// explicitly; elsewhere the platform itself reports a missing display.
bool isDisplayAvailable();

// On X11 a repaint normally travels as a shared-memory image, and the next repaint of
// the window waits until the server has finished with it: a round trip per repaint. A
// run at the fastest speed repaints a few small squares per move, thousands of times a
// second, so the images are sent through the connection instead, without waiting.
// An explicit setting of the same switch is kept. Other window systems are left alone.
void prepareWindowSystem();
