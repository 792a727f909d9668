// The library and program texts of the further languages, each language in
// data-only sources of its own (library_texts_<code>.cpp, program_texts_<code>.cpp).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "text/caption_grammar.h"
#include "text/english_texts.h"

struct TSprProgramText {
  int32_t Index;  // program text number: slot 947 + Index
  std::string_view Text;
};

// Installs every language's setters in the setter registry. Called once by
// InitSprResLocal, before the first fill of the store.
void RegisterTranslations();

// The setters: each writes its language's table over the English texts.
void SetSprResGlobal_DE();
void SetSprResGlobal_DA();
void SetSprResGlobal_PTBR();
void SetSprResGlobal_ES();
void SetSprResGlobal_ZHSIMP();
void SetSprResGlobal_FR();
void SetSprResGlobal_RU();
void SetSprResGlobal_NL();
void SetSprResGlobal_IT();
void SetSprResGlobal_JA();
void SetSprResGlobal_SR();
void SetSprResGlobal_PL();
void SetSprResGlobal_AR();
void SetSprResGlobal_KO();
void SetSprResLocal_DE(int32_t baseSlot);
void SetSprResLocal_DA(int32_t baseSlot);
void SetSprResLocal_PTBR(int32_t baseSlot);
void SetSprResLocal_ES(int32_t baseSlot);
void SetSprResLocal_ZHSIMP(int32_t baseSlot);
void SetSprResLocal_FR(int32_t baseSlot);
void SetSprResLocal_RU(int32_t baseSlot);
void SetSprResLocal_NL(int32_t baseSlot);
void SetSprResLocal_IT(int32_t baseSlot);
void SetSprResLocal_JA(int32_t baseSlot);
void SetSprResLocal_SR(int32_t baseSlot);
void SetSprResLocal_PL(int32_t baseSlot);
void SetSprResLocal_AR(int32_t baseSlot);

// The tables, one pair of data-only sources per language.
std::span<const TSprSlotText> SprLibraryTexts_DE();
std::span<const TSprSlotText> SprLibraryTexts_DA();
std::span<const TSprSlotText> SprLibraryTexts_PTBR();
std::span<const TSprSlotText> SprLibraryTexts_ES();
std::span<const TSprSlotText> SprLibraryTexts_ZHSIMP();
std::span<const TSprSlotText> SprLibraryTexts_FR();
std::span<const TSprSlotText> SprLibraryTexts_RU();
std::span<const TSprSlotText> SprLibraryTexts_NL();
std::span<const TSprSlotText> SprLibraryTexts_IT();
std::span<const TSprSlotText> SprLibraryTexts_JA();
std::span<const TSprSlotText> SprLibraryTexts_SR();
std::span<const TSprSlotText> SprLibraryTexts_PL();
std::span<const TSprSlotText> SprLibraryTexts_AR();
std::span<const TSprSlotText> SprLibraryTexts_KO();
std::span<const TSprProgramText> SprProgramTexts_DE();
std::span<const TSprProgramText> SprProgramTexts_DA();
std::span<const TSprProgramText> SprProgramTexts_PTBR();
std::span<const TSprProgramText> SprProgramTexts_ES();
std::span<const TSprProgramText> SprProgramTexts_ZHSIMP();
std::span<const TSprProgramText> SprProgramTexts_FR();
std::span<const TSprProgramText> SprProgramTexts_RU();
std::span<const TSprProgramText> SprProgramTexts_NL();
std::span<const TSprProgramText> SprProgramTexts_IT();
std::span<const TSprProgramText> SprProgramTexts_JA();
std::span<const TSprProgramText> SprProgramTexts_SR();
std::span<const TSprProgramText> SprProgramTexts_PL();
std::span<const TSprProgramText> SprProgramTexts_AR();

// How each language joins texts into captions, beside its library table.
const TSprCaptionGrammar& SprCaptionGrammar_DE();
const TSprCaptionGrammar& SprCaptionGrammar_DA();
const TSprCaptionGrammar& SprCaptionGrammar_PTBR();
const TSprCaptionGrammar& SprCaptionGrammar_ES();
const TSprCaptionGrammar& SprCaptionGrammar_ZHSIMP();
const TSprCaptionGrammar& SprCaptionGrammar_FR();
const TSprCaptionGrammar& SprCaptionGrammar_RU();
const TSprCaptionGrammar& SprCaptionGrammar_NL();
const TSprCaptionGrammar& SprCaptionGrammar_IT();
const TSprCaptionGrammar& SprCaptionGrammar_JA();
const TSprCaptionGrammar& SprCaptionGrammar_SR();
const TSprCaptionGrammar& SprCaptionGrammar_PL();
const TSprCaptionGrammar& SprCaptionGrammar_AR();
const TSprCaptionGrammar& SprCaptionGrammar_KO();
