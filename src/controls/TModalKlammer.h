#pragma once

// One begin/end hook around every modal dialog the program runs. The main window sets the pair:
// the begin hides the splash picture and marks a dialog as open, the end marks it closed. A
// dialog run from inside another (a question inside the font dialog) does not end the outer one,
// so the hooks run only around the outermost dialog.
//
// Use: a TModalKlammer lives on the stack exactly while a dialog runs modally.

#include <functional>

class TModalKlammer {
public:
    TModalKlammer();
    ~TModalKlammer();
    TModalKlammer(const TModalKlammer&) = delete;
    TModalKlammer& operator=(const TModalKlammer&) = delete;

    // Either may be empty.
    static void Setze(std::function<void()> ABeginn, std::function<void()> AEnde);
    // Whether a modal dialog runs now.
    static bool Offen();
};
