// The one kind of failure that writing an output file reports.
#pragma once

#include <stdexcept>

// A file that cannot be written; what() is the message for the user.
class OutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
