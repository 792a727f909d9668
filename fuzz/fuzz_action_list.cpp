// An action list read from any text: every action names a definition, its
// per-part arrays match the definition, the numbers it holds stay within the
// model's limit, and the actions written back as lines read back the same.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "../tests/settingspanels/core/action_list_vocabulary.h"
#include "settingspanels/core/action_list.h"

namespace {

void Check(const TBaseActionList& list) {
  if (list.NumbersHeld() > kActionListMaxNumbersHeld) std::abort();
  for (const TActionListActionRecord& a : list.Actions) {
    if (!list.IsDefinitionIndex(a.DefinitionIndex)) std::abort();
    const size_t parts = static_cast<size_t>(list.Definitions[static_cast<size_t>(a.DefinitionIndex)].ScopePartCount);
    if (a.ScopeTexts.size() != parts || a.ScopeNumbers.size() != parts || a.ScopeIsAll.size() != parts ||
        a.ScopeIsSelected.size() != parts)
      std::abort();
  }
}

// A part as it reads back from a written row: raw line breaks come back escaped.
std::string Written(const std::string& part) {
  return part.find_first_of("\r\n") == std::string::npos ? part : ActionListEncodeEscapes(part);
}

// The options token as it reads back: a line break in it is no letter and is
// left out.
std::string WrittenOptions(std::string options) {
  std::erase_if(options, [](char c) { return c == '\r' || c == '\n'; });
  return options;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  TBaseActionList list;
  FillTestVocabulary(list);
  list.LoadFromString(text, true);
  Check(list);
  list.LoadFromString(text, false);
  Check(list);

  std::string again;
  for (const TActionListActionRecord& a : list.Actions)
    again +=
        ActionListLine(list, a.DefinitionIndex, a.Scope, a.Param1, a.Param2, a.OptionsText, TActionListLineForm::Row) +
        "\n";
  TBaseActionList second;
  FillTestVocabulary(second);
  second.LoadFromString(again, false);
  Check(second);
  if (second.GetCount() != list.GetCount()) std::abort();
  for (size_t i = 0; i < list.Actions.size(); ++i) {
    const TActionListActionRecord& a = list.Actions[i];
    const TActionListActionRecord& b = second.Actions[i];
    if (a.DefinitionIndex != b.DefinitionIndex || Written(a.Scope) != b.Scope || Written(a.Param1) != b.Param1 ||
        Written(a.Param2) != b.Param2 || WrittenOptions(a.OptionsText) != b.OptionsText)
      std::abort();
  }
  return 0;
}
