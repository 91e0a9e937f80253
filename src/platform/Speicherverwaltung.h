#pragma once

#include <cstddef>

// Freed memory stays with the program up to tens of megabytes instead of going back to the
// system at once. A year view's tens of thousands of lines are made anew at every view change
// and every jump; handing their pages back and having the system fault them in and clear them
// again each time cost the program more than making the lines. The peak use stays the same.
// Called once at the start, before the calendar is loaded; where the C library has no such
// setting it does nothing.
void FreienSpeicherBehalten();

// Faults in the whole pages of a block about to be written in one step, instead of one fault per
// page when it is written: a big calendar's records are written right after they are reserved,
// and handing them out page by page took the system longer than reading them. Small blocks (a
// page or two) are left alone, and where the system cannot do it the pages come one by one.
void SeitenVorbelegen(void* AAnfang, std::size_t ABytes);

// The windows are drawn without OpenGL, yet GTK on X11 loads the system's OpenGL driver at start
// only to choose a window visual: with a software driver that is tens of megabytes resident
// (and its loading time) for nothing. Tells GTK to leave OpenGL alone unless the user set GDK_GL
// already. Called before the window system is opened; elsewhere it does nothing.
void OpenGlAuslassen();
// Once GTK is started: takes the setting back, so that programs started from here (the mail
// program, the browser) get the user's own environment.
void OpenGlAuslassenBeenden();
