#pragma once
#include <stdexcept>
#include <string>

namespace jx {

// Failures that end a command and reach the top-level error display.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that should hold a whole number does not; the message is
// "'<text>' is not a valid integer value".
class ConversionError : public Error {
public:
    using Error::Error;
};

// A data file, table or column cannot be reached.
class DatabaseError : public Error {
public:
    using Error::Error;
};

class PrintError : public Error {
public:
    using Error::Error;
};

}  // namespace jx
