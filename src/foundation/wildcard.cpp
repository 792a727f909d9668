#include "foundation/wildcard.h"

#include <string>

#include "foundation/letter_case.h"
#include "foundation/utf8.h"

bool MatchesWildcard(std::string_view text, std::string_view mask, bool caseSensitive) {
  std::u32string t = UTF8ToUTF32(caseSensitive ? std::string(text) : UTF8UpperCase(text));
  std::u32string m = UTF8ToUTF32(caseSensitive ? std::string(mask) : UTF8UpperCase(mask));
  // Greedy matching with one backtrack point: linear in practice, never exponential.
  size_t ti = 0, mi = 0, star = std::u32string::npos, mark = 0;
  while (ti < t.size()) {
    // A "*" in the mask is always a wildcard, also where the text holds a "*" itself.
    if (mi < m.size() && m[mi] == U'*') {
      star = mi++;
      mark = ti;
    } else if (mi < m.size() && (m[mi] == U'?' || m[mi] == t[ti])) {
      ++ti;
      ++mi;
    } else if (star != std::u32string::npos) {
      mi = star + 1;
      ti = ++mark;
    } else {
      return false;
    }
  }
  while (mi < m.size() && m[mi] == U'*') ++mi;
  return mi == m.size();
}
