#include "text/translations.h"

#include "text/language_setters.h"
#include "text/text_store.h"

namespace {

void WriteLibrary(std::span<const TSprSlotText> table) {
  for (const TSprSlotText& t : table)
    if (static_cast<size_t>(t.Slot) < SprResGlobalArr.size())
      SprResGlobalArr[static_cast<size_t>(t.Slot)] = std::string(t.Text);
}

void WriteProgram(std::span<const TSprProgramText> table, int32_t base) {
  for (const TSprProgramText& t : table) {
    const int64_t slot = static_cast<int64_t>(base) + t.Index;
    if (slot >= 0 && slot < static_cast<int64_t>(SprResGlobalArr.size()))
      SprResGlobalArr[static_cast<size_t>(slot)] = std::string(t.Text);
  }
}

}  // namespace

void SetSprResGlobal_DE() { WriteLibrary(SprLibraryTexts_DE()); }
void SetSprResGlobal_DA() { WriteLibrary(SprLibraryTexts_DA()); }
void SetSprResGlobal_PTBR() { WriteLibrary(SprLibraryTexts_PTBR()); }
void SetSprResGlobal_ES() { WriteLibrary(SprLibraryTexts_ES()); }
void SetSprResGlobal_ZHSIMP() { WriteLibrary(SprLibraryTexts_ZHSIMP()); }
void SetSprResGlobal_FR() { WriteLibrary(SprLibraryTexts_FR()); }
void SetSprResGlobal_RU() { WriteLibrary(SprLibraryTexts_RU()); }
void SetSprResGlobal_NL() { WriteLibrary(SprLibraryTexts_NL()); }
void SetSprResGlobal_IT() { WriteLibrary(SprLibraryTexts_IT()); }
void SetSprResGlobal_JA() { WriteLibrary(SprLibraryTexts_JA()); }
void SetSprResGlobal_SR() { WriteLibrary(SprLibraryTexts_SR()); }
void SetSprResGlobal_PL() { WriteLibrary(SprLibraryTexts_PL()); }
void SetSprResGlobal_AR() { WriteLibrary(SprLibraryTexts_AR()); }
void SetSprResGlobal_KO() { WriteLibrary(SprLibraryTexts_KO()); }
void SetSprResLocal_DE(int32_t baseSlot) { WriteProgram(SprProgramTexts_DE(), baseSlot); }
void SetSprResLocal_DA(int32_t baseSlot) { WriteProgram(SprProgramTexts_DA(), baseSlot); }
void SetSprResLocal_PTBR(int32_t baseSlot) { WriteProgram(SprProgramTexts_PTBR(), baseSlot); }
void SetSprResLocal_ES(int32_t baseSlot) { WriteProgram(SprProgramTexts_ES(), baseSlot); }
void SetSprResLocal_ZHSIMP(int32_t baseSlot) { WriteProgram(SprProgramTexts_ZHSIMP(), baseSlot); }
void SetSprResLocal_FR(int32_t baseSlot) { WriteProgram(SprProgramTexts_FR(), baseSlot); }
void SetSprResLocal_RU(int32_t baseSlot) { WriteProgram(SprProgramTexts_RU(), baseSlot); }
void SetSprResLocal_NL(int32_t baseSlot) { WriteProgram(SprProgramTexts_NL(), baseSlot); }
void SetSprResLocal_IT(int32_t baseSlot) { WriteProgram(SprProgramTexts_IT(), baseSlot); }
void SetSprResLocal_JA(int32_t baseSlot) { WriteProgram(SprProgramTexts_JA(), baseSlot); }
void SetSprResLocal_SR(int32_t baseSlot) { WriteProgram(SprProgramTexts_SR(), baseSlot); }
void SetSprResLocal_PL(int32_t baseSlot) { WriteProgram(SprProgramTexts_PL(), baseSlot); }
void SetSprResLocal_AR(int32_t baseSlot) { WriteProgram(SprProgramTexts_AR(), baseSlot); }

void RegisterTranslations() {
  // A language whose table is still empty keeps the no-op: it shows English.
  if (!SprLibraryTexts_DE().empty()) SprRegisterLibrarySetter(1, SetSprResGlobal_DE);
  if (!SprLibraryTexts_DA().empty()) SprRegisterLibrarySetter(2, SetSprResGlobal_DA);
  if (!SprLibraryTexts_PTBR().empty()) SprRegisterLibrarySetter(3, SetSprResGlobal_PTBR);
  if (!SprLibraryTexts_ES().empty()) SprRegisterLibrarySetter(4, SetSprResGlobal_ES);
  if (!SprLibraryTexts_ZHSIMP().empty()) SprRegisterLibrarySetter(5, SetSprResGlobal_ZHSIMP);
  if (!SprLibraryTexts_FR().empty()) SprRegisterLibrarySetter(6, SetSprResGlobal_FR);
  if (!SprLibraryTexts_RU().empty()) SprRegisterLibrarySetter(7, SetSprResGlobal_RU);
  if (!SprLibraryTexts_NL().empty()) SprRegisterLibrarySetter(8, SetSprResGlobal_NL);
  if (!SprLibraryTexts_IT().empty()) SprRegisterLibrarySetter(9, SetSprResGlobal_IT);
  if (!SprLibraryTexts_JA().empty()) SprRegisterLibrarySetter(10, SetSprResGlobal_JA);
  if (!SprLibraryTexts_SR().empty()) SprRegisterLibrarySetter(11, SetSprResGlobal_SR);
  if (!SprLibraryTexts_PL().empty()) SprRegisterLibrarySetter(12, SetSprResGlobal_PL);
  if (!SprLibraryTexts_AR().empty()) SprRegisterLibrarySetter(13, SetSprResGlobal_AR);
  if (!SprLibraryTexts_KO().empty()) SprRegisterLibrarySetter(14, SetSprResGlobal_KO);
  if (!SprProgramTexts_DE().empty()) SprRegisterProgramSetter(1, SetSprResLocal_DE);
  if (!SprProgramTexts_DA().empty()) SprRegisterProgramSetter(2, SetSprResLocal_DA);
  if (!SprProgramTexts_PTBR().empty()) SprRegisterProgramSetter(3, SetSprResLocal_PTBR);
  if (!SprProgramTexts_ES().empty()) SprRegisterProgramSetter(4, SetSprResLocal_ES);
  if (!SprProgramTexts_ZHSIMP().empty()) SprRegisterProgramSetter(5, SetSprResLocal_ZHSIMP);
  if (!SprProgramTexts_FR().empty()) SprRegisterProgramSetter(6, SetSprResLocal_FR);
  if (!SprProgramTexts_RU().empty()) SprRegisterProgramSetter(7, SetSprResLocal_RU);
  if (!SprProgramTexts_NL().empty()) SprRegisterProgramSetter(8, SetSprResLocal_NL);
  if (!SprProgramTexts_IT().empty()) SprRegisterProgramSetter(9, SetSprResLocal_IT);
  if (!SprProgramTexts_JA().empty()) SprRegisterProgramSetter(10, SetSprResLocal_JA);
  if (!SprProgramTexts_SR().empty()) SprRegisterProgramSetter(11, SetSprResLocal_SR);
  if (!SprProgramTexts_PL().empty()) SprRegisterProgramSetter(12, SetSprResLocal_PL);
  if (!SprProgramTexts_AR().empty()) SprRegisterProgramSetter(13, SetSprResLocal_AR);
}
