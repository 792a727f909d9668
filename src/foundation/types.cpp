#include "foundation/types.h"

TCharSet CharSet(const std::string& chars) {
  TCharSet set;
  for (char c : chars) set.set(static_cast<unsigned char>(c));
  return set;
}
