#pragma once

// A command line the text front end cannot run; the message says what is wrong, in German.

#include <stdexcept>
#include <string>

class ETextAufrufFehler : public std::runtime_error {
public:
    explicit ETextAufrufFehler(const std::string& AMeldung) : std::runtime_error(AMeldung) {}
};
