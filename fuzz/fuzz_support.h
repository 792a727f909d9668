// What the fuzz targets of the program's commands need before their first input.
#pragma once

#include "text/program_texts.h"
#include "text/text_store.h"

// Fills the text store in English, with the program's texts, once.
inline void FillEnglishTextsOnce() {
  static const bool filled = [] {
    InitSprResLocal();
    SetSprResGlobal(0);
    return true;
  }();
  (void)filled;
}
