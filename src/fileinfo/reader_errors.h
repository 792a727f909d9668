// The error text every reader facade reports for an exception.
#pragma once

#include <exception>
#include <string>

// The exception's class name, readable ("EStreamError", "std::bad_alloc").
std::string ExceptionClassName(const std::exception& e);
// "Error [" + class name + "]: " + message.
std::string ReaderErrorText(const std::exception& e);
