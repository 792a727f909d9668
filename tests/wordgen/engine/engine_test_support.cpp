#include "engine_test_support.h"

#include "text/program_texts.h"
#include "text/text_store.h"

namespace enginetest {

void EnsureEnglishTexts() {
  static const bool done = [] {
    InitSprResLocal();
    SetSprResGlobal(0);
    return true;
  }();
  (void)done;
}

}  // namespace enginetest
