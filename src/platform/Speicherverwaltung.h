#pragma once

// Freed memory stays with the program up to tens of megabytes instead of going back to the
// system at once. A year view's tens of thousands of lines are made anew at every view change
// and every jump; handing their pages back and having the system fault them in and clear them
// again each time cost the program more than making the lines. The peak use stays the same.
// Called once at the start, before the calendar is loaded; where the C library has no such
// setting it does nothing.
void FreienSpeicherBehalten();
