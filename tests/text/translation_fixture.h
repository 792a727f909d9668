// A store with the translations installed, for the tests of one language's
// texts as the user sees them; the registry is emptied again afterwards.
#pragma once

#include <gtest/gtest.h>

#include "text/language_setters.h"
#include "text/program_texts.h"
#include "text/text_store.h"
#include "text/translations.h"

class TTranslationFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    InitSprResLocal();
    RegisterTranslations();
  }
  void TearDown() override {
    for (uint32_t l = 1; l <= 14; ++l) SprRegisterLibrarySetter(l, nullptr);
    for (uint32_t l = 1; l <= 13; ++l) SprRegisterProgramSetter(l, nullptr);
    SprResGlobalArr.clear();
  }
};
