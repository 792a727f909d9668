// The version texts derived from the build date ("YYYY/MM/DD", also
// "DD.MM.YYYY"): the compilation year, the dotted version and the six-digit
// version stamp. A date of neither form is returned as it stands.
#pragma once

#include <string>

// "2023" for "2023/10/30" and for "30.10.2023"; "" when neither end is a number.
std::string GetProgCompilationYear(const std::string& compilationDate);
// "23.10.30" for "2023/10/30", "24.1.5" for "2024/01/05" and "05.01.2024".
std::string GetProgVersion(const std::string& compilationDate);
// "231030" for "2023/10/30", "240105" for "05.01.2024".
std::string GetProgVersionAsYYMMDD(const std::string& compilationDate);

// The compiler's build date ("Dec 11 2026", as __DATE__ gives it) in the form
// "2026/12/11"; a text of another form is returned as it stands.
std::string BuildDateFromCompilerDate(const std::string& compilerDate);
