#include "fileinfo/reader_errors.h"

#include <cxxabi.h>

#include <cstdlib>
#include <typeinfo>

std::string ExceptionClassName(const std::exception& e) {
  const char* mangled = typeid(e).name();
  int status = 0;
  char* demangled = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
  std::string name = status == 0 && demangled ? demangled : mangled;
  std::free(demangled);
  return name;
}

std::string ReaderErrorText(const std::exception& e) { return "Error [" + ExceptionClassName(e) + "]: " + e.what(); }
