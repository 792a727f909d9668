// clang-format off
// Data only: the four states of a file in the file list (New, Modified, Not
// Modified, Processed) in every language. They name what happened to the file,
// in one form each (adjective or participle), and so differ from the column
// captions and commands that share their English words.
#include <array>
#include <string_view>

#include "text/language_constants.h"
#include "text/localised_names.h"

namespace {

using TStatusTexts = std::array<std::string_view, 4>;

// By language constant, English first.
constexpr TStatusTexts kStatusTexts[SprLanguageCount] = {
    {"New", "Modified", "Not Modified", "Processed"},
    {"Neu", "Geändert", "Unverändert", "Verarbeitet"},
    {"Ny", "Ændret", "Uændret", "Behandlet"},
    {"Novo", "Modificado", "Não modificado", "Processado"},
    {"Nuevo", "Modificado", "No modificado", "Procesado"},
    {"新增", "已修改", "未修改", "已处理"},
    {"Nouveau", "Modifié", "Non modifié", "Traité"},
    {"Новый", "Изменён", "Не изменён", "Обработан"},
    {"Nieuw", "Gewijzigd", "Ongewijzigd", "Verwerkt"},
    {"Nuovo", "Modificato", "Non modificato", "Elaborato"},
    {"新規", "更新済み", "未更新", "処理済み"},
    {"Ново", "Измењено", "Неизмењено", "Обрађено"},
    {"Nowy", "Zmieniony", "Niezmieniony", "Przetworzony"},
    {"جديد", "معدَّل", "غير معدَّل", "مُعالَج"},
    {"신규", "수정됨", "수정되지 않음", "처리됨"},
};

}  // namespace

std::string SprFileStatusText(int32_t status, uint32_t language) {
  if (status < 0 || status >= static_cast<int32_t>(kStatusTexts[0].size())) return {};
  const uint32_t row = language < static_cast<uint32_t>(SprLanguageCount) ? language : 0;
  return std::string(kStatusTexts[row][static_cast<size_t>(status)]);
}
