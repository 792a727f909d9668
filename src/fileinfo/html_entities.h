// The named character references of HTML ("eacute;" and its legacy form
// "eacute" without the semicolon), sorted by name.
#pragma once

#include <cstddef>

struct THTMLEntity {
  const char* Name;  // without the ampersand; the semicolon where the name has one
  const char* Text;  // UTF-8
};

extern const THTMLEntity kHTMLEntities[];
extern const size_t kHTMLEntityCount;
