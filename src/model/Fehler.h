#pragma once

// The error kinds of the model and file layers. Each carries the German message that the window
// layer shows to the user; the caller decides the lead sentence of the message box.

#include <stdexcept>
#include <string>

class EFehler : public std::runtime_error {
public:
    explicit EFehler(const std::string& AMeldung) : std::runtime_error(AMeldung) {}
};

// An index or position outside what an operation accepts.
class EBereichsFehler : public EFehler {
public:
    using EFehler::EFehler;
};

// A file that cannot be read as what it claims to be.
class ELeseFehler : public EFehler {
public:
    using EFehler::EFehler;
};

// Data that cannot be written in the file's format.
class ESchreibFehler : public EFehler {
public:
    using EFehler::EFehler;
};

// A text that cannot be converted.
class EKonvertierungsFehler : public EFehler {
public:
    using EFehler::EFehler;
};

// The operating system refused; the message is the system's own text.
class EBetriebssystemFehler : public EFehler {
public:
    using EFehler::EFehler;
};
