// The X11 display the application runs on, or none (offscreen, Wayland).
#pragma once

struct _XDisplay;

_XDisplay* x11Display();
