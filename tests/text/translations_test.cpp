// The further languages' tables against their contracts and conventions:
// written slots, placeholders, markup, forbidden characters, and the sample
// texts that must stand exactly as given. A language whose table is still
// empty shows English and is skipped here.
#include "text/translations.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <vector>

#include "foundation/utf8.h"
#include "text/english_texts.h"
#include "text/language_setters.h"
#include "text/program_texts.h"
#include "text/text_store.h"

namespace {

struct TLang {
  uint32_t Constant;
  const char* Code;
  std::span<const TSprSlotText> (*Library)();
  std::span<const TSprProgramText> (*Program)();
};

const TLang kLanguages[] = {
    {1, "DE", SprLibraryTexts_DE, SprProgramTexts_DE},
    {2, "DA", SprLibraryTexts_DA, SprProgramTexts_DA},
    {3, "PTBR", SprLibraryTexts_PTBR, SprProgramTexts_PTBR},
    {4, "ES", SprLibraryTexts_ES, SprProgramTexts_ES},
    {5, "ZHSIMP", SprLibraryTexts_ZHSIMP, SprProgramTexts_ZHSIMP},
    {6, "FR", SprLibraryTexts_FR, SprProgramTexts_FR},
    {7, "RU", SprLibraryTexts_RU, SprProgramTexts_RU},
    {8, "NL", SprLibraryTexts_NL, SprProgramTexts_NL},
    {9, "IT", SprLibraryTexts_IT, SprProgramTexts_IT},
    {10, "JA", SprLibraryTexts_JA, SprProgramTexts_JA},
    {11, "SR", SprLibraryTexts_SR, SprProgramTexts_SR},
    {12, "PL", SprLibraryTexts_PL, SprProgramTexts_PL},
    {13, "AR", SprLibraryTexts_AR, SprProgramTexts_AR},
    {14, "KO", SprLibraryTexts_KO, nullptr},
};

std::map<std::string, int> Placeholders(std::string_view text) {
  static const std::regex kPlaceholder("<[A-Z][A-Z0-9]*>");
  std::map<std::string, int> found;
  const std::string s(text);
  for (auto it = std::sregex_iterator(s.begin(), s.end(), kPlaceholder); it != std::sregex_iterator(); ++it)
    ++found[it->str()];
  return found;
}

std::map<std::string, int> Markup(std::string_view text) {
  std::map<std::string, int> found;
  for (const char* tag : {"<a=", "</a>", "<p2>", "<p>"}) {
    size_t pos = 0;
    while ((pos = text.find(tag, pos)) != std::string_view::npos) {
      ++found[tag];
      ++pos;
    }
  }
  return found;
}

void CheckCharacters(std::string_view text, const std::string& where) {
  EXPECT_FALSE(text.empty()) << where;
  EXPECT_TRUE(UTF8IsValid(text)) << where;
  EXPECT_EQ(text.find('\r'), std::string_view::npos) << where;
  EXPECT_EQ(text.find('\t'), std::string_view::npos) << where;
  for (const char* mark : {"\u200E", "\u200F", "\u061C", "\u202A", "\u202B", "\u202C", "\u202D", "\u202E", "\u2066",
                           "\u2067", "\u2068", "\u2069"})
    EXPECT_EQ(text.find(mark), std::string_view::npos) << where << ": a direction mark";
}

class Translations : public ::testing::TestWithParam<TLang> {
 protected:
  void SetUp() override {
    if (GetParam().Library().empty()) GTEST_SKIP() << GetParam().Code << " has no table yet";
    RegisterTranslations();
  }
  void TearDown() override {
    for (uint32_t l = 1; l <= 14; ++l) SprRegisterLibrarySetter(l, nullptr);
    for (uint32_t l = 1; l <= 13; ++l) SprRegisterProgramSetter(l, nullptr);
    SprResGlobalArr.clear();
  }
};

TEST_P(Translations, WriteExactlyTheContractedSlots) {
  const TLang& l = GetParam();
  EXPECT_EQ(SprSlotsWrittenByLibrarySetter(l.Constant), SprLibrarySetterContract(l.Constant).Slots);
  EXPECT_EQ(SprSlotsWrittenByProgramSetter(l.Constant), SprProgramSetterContract(l.Constant).Slots);
}

TEST_P(Translations, KeepPlaceholdersMarkupAndCharacterRules) {
  const TLang& l = GetParam();
  std::map<StrResGlobal, std::string_view> english;
  for (const TSprSlotText& t : SprEnglishLibraryTexts()) english[t.Slot] = t.Text;
  for (const TSprSlotText& t : l.Library()) {
    const std::string where = std::string(l.Code) + " slot " + std::to_string(t.Slot);
    CheckCharacters(t.Text, where);
    EXPECT_EQ(Placeholders(t.Text), Placeholders(english[t.Slot])) << where;
    // The Japanese 851 ends without the English closing sentence and its link.
    if (!(std::string(l.Code) == "JA" && t.Slot == 851)) {
      EXPECT_EQ(Markup(t.Text), Markup(english[t.Slot])) << where;
    }
  }
  if (!l.Program) return;
  const auto englishProgram = SprEnglishProgramTexts();
  for (const TSprProgramText& t : l.Program()) {
    const std::string where = std::string(l.Code) + " program text " + std::to_string(t.Index);
    CheckCharacters(t.Text, where);
    ASSERT_LT(static_cast<size_t>(t.Index), englishProgram.size()) << where;
    EXPECT_EQ(Placeholders(t.Text), Placeholders(englishProgram[static_cast<size_t>(t.Index)])) << where;
    EXPECT_EQ(Markup(t.Text), Markup(englishProgram[static_cast<size_t>(t.Index)])) << where;
  }
}

// The texts that must stand exactly as given, by language: (slot, text).
const std::multimap<std::string, std::pair<int, std::string>>& SampleTexts() {
  static const std::multimap<std::string, std::pair<int, std::string>> k = {
      {"DE",
       {325,
        "Mit der Kodierung <E> kann das in der Datei \"<F>\" enthaltene Zeichen <C> nicht dargestellt werden und würde "
        "bei der Speicherung verloren gehen."}},
      {"DE", {554, "<X> in die Zwischenablage kopieren."}},
      {"DE", {766, "<EXT>-Dateien sind momentan mit dem folgenden Programm verknüpft:"}},
      {"DE", {938, "XML/HTML-Syntax-Zeichen enkodieren (<>&\"' → &lt;...)"}},
      {"DE", {946, "Zeichen von <X> bis <Y>"}},
      {"DE", {948, "Generator"}},
      {"DE",
       {979,
        "Mit Ihrer aktuellen Silbenliste lassen sich keine lesbaren Wörter erzeugen.\n\nFügen Sie weitere Silben zur "
        "Silbenliste hinzu oder deaktivieren Sie unter \"Einstellungen > Generator\", dass nur lesbare Wörter "
        "generiert werden sollen."}},
      {"DE",
       {981,
        "Ihre aktuelle Silbenliste enthält nicht für jede Position des Wortes eine Silbe.\n\nFügen Sie Silben mit "
        "weiteren Positionen oder Silben ohne Position hinzu oder kürzen Sie die gewünschte Wort-Länge.\n\nFehlende "
        "Positionen: "}},
      {"DE", {1002, "Beispiel: \"A|E>B|C|D\" bedeutet: Nach A und E sind die Buchstaben B, C oder D erlaubt."}},
      {"DE",
       {1057,
        "Dieses Tool von Pellwick kann dazu benutzt werden, neue Wörter und Texte zu generieren und Buchstaben, Silben "
        "oder Wörter vorhandener Texte zu zählen."}},
      {"DA", {526, "Du kan trække filer over i programmet eller du kan klikke på “Tilføj filer/mapper”."}},
      {"DA", {639, "Side <X> af <Y>"}},
      {"DA", {947, "Tæller"}},
      {"DA", {986, "Indtast et nummer i feltet “Antal oprettede ord”."}},
      {"PTBR", {548, "Atualmente, <X> arquivos estão selecionados na lista de arquivos."}},
      {"PTBR", {766, "<EXT>-arquivos estão atualmente associados ao seguinte programa:"}},
      {"PTBR",
       {1060, "Dica: Clique com o botão direito nos campos de texto da janela principal para obter mais opções."}},
      {"ES", {719, "¿Quiere eliminar la Lista de Acciones \"<X>\"?"}},
      {"ES", {766, "Actualmente los archivos <EXT> están asociados al programa siguiente:"}},
      {"ES",
       {987,
        "Por favor, introduzca un número o un rango en la forma \"1-3\" en el campo \"Longitud de palabras "
        "creadas\"."}},
      {"ES", {1013, "¿Qué debe ser contado?"}},
      {"ZHSIMP", {639, "第 <X> 页，共 <Y> 页"}},
      {"ZHSIMP", {762, "<EXT> 文件扩展已使用此程序成功关联。"}},
      // The help paragraph on creating words reads as Chinese: no word order
      // taken over from English, no stray line break, no untranslated format.
      {"ZHSIMP",
       {1058,
        "在主窗口的“生成器”选项卡中点击“生成”即可生成新单词。在左侧，您可以按“频率 - 空格 - "
        "音节”的格式定义所用的音节。"}},
      {"FR", {165, "Un fichier avec le nom \"<X>\" existe déjà dans le dossier \"<Y>\"."}},
      {"FR",
       {325,
        "Avec le codage <E>, le caractère <C> contenu dans le fichier \"<F>\" ne peut pas être représenté et serait "
        "perdu pendant le stockage."}},
      {"FR", {1002, "Exemple: \"A|E>B|C|D\" signifie: Après A et E les lettres B, C ou D sont autorisées."}},
      {"RU", {639, "Страница <X> из <Y>"}},
      {"RU",
       {767, "Вы действительно хотите удалить эту ассоциацию для того, чтобы связать <EXT>-файлы с этой программой?"}},
      {"RU",
       {979,
        "Используя текущий список слогов, невозможно создать читаемые слова.\n\nДобавьте дополнительные слоги или "
        "отключите создание только читаемых слов в \"Настройки > Создание\"."}},
      {"NL", {639, "Pagina <X> van <Y>"}},
      {"NL", {766, "<EXT>-bestanden zijn momenteel gekoppeld met het volgende programma:"}},
      {"NL",
       {1057,
        "Deze tool van Pellwick kan gebruikt worden om nieuwe woorden en teksten te creëren, evenals karakters, "
        "lettergrepen en woorden uit bestaande teksten te tellen."}},
      {"IT", {639, "Pagina <X> di <Y>"}},
      {"IT", {762, "L’estensione <EXT> è stata associata a questo Programma con successo."}},
      {"IT", {974, "Lista casuale di Lettere Georgiane (ა-ჰ)"}},
      {"JA", {92, "<X>を表示"}},
      {"JA", {639, "ページ <X> / <Y>"}},
      {"JA", {987, "「作成した単語の長さ」フィールドに「1〜3」の形式で数字または範囲を入力してください。"}},
      {"SR", {92, "Прикажи као <X>"}},
      {"SR", {766, "Датотеке са <EXT> екстензијом су тренутно придружене следећим програмима:"}},
      {"SR", {990, "Молимо вас да прво копирајте или учитате текст у поље \"Инпут\" (\"Input\")."}},
      {"PL", {548, "Obecnie na liście plików jest <X> zaznaczonych plików."}},
      {"PL", {639, "Strona <X> z <Y>"}},
      {"PL", {1002, "Przykład: \"A|E>B|C|D\" oznacza: Po A i E dozwolone są litery B, C lub D."}},
      {"AR", {639, "<Y> من <X> الصفحة"}},
      {"AR", {762, "بهذا البرنامج بنجاح <EXT> تم إقتران إمتداد الملف"}},
      {"AR", {968, "قائمة أرقام عشوائية / 0-9"}},
      // Texts the tables once left in English.
      {"ES", {123, "Adaptado"}},
      {"ES", {309, "Separador de ruta final"}},
      {"ES", {319, "Unidad"}},
      {"ES", {353, "Ejecutables"}},
      {"FR", {123, "Adapté"}},
      {"FR", {309, "Séparateur de chemin final"}},
      {"FR", {319, "Lecteur"}},
      {"FR", {353, "Exécutables"}},
      {"AR", {17, "تحديث المعاينة"}},
      {"AR", {123, "معدّل"}},
      {"AR", {474, "اليابانية"}},
      {"AR", {719, "هل تريد حقًا حذف قائمة الإجراءات \"<X>\"؟"}},
      {"AR", {943, "إزالة الفراغات المزدوجة"}},
      {"PL", {17, "Odśwież podgląd"}},
      {"PL", {123, "Dostosowane"}},
      {"PL", {736, "Numer płyty"}},
      {"PL", {719, "Czy na pewno usunąć listę akcji „<X>”?"}},
      {"PL", {946, "Znaki od <X> do <Y>"}},
      {"RU", {17, "Обновить предпросмотр"}},
      {"RU", {123, "Настроенный"}},
      {"RU", {719, "Вы действительно хотите удалить список действий «<X>»?"}},
      {"RU", {736, "Номер диска"}},
      {"RU", {946, "Символы от <X> до <Y>"}},
      {"ZHSIMP", {17, "刷新预览"}},
      {"ZHSIMP", {309, "路径末尾分隔符"}},
      {"ZHSIMP", {719, "确实要删除操作列表“<X>”吗？"}},
      {"ZHSIMP", {834, "和"}},
      {"ZHSIMP", {937, "解码命名字符（&auml; → ä）"}},
      {"ZHSIMP", {946, "从 <X> 到 <Y> 的字符"}},
      {"KO", {833, "이 기능에 대한 자세한 설명은 <X>를 참조하세요."}},
      {"KO", {767, "<EXT> - 파일의 연결을 삭제 하고 이 프로그램과 연결 할까요?"}},
  };
  return k;
}

TEST_P(Translations, SampleTextsStandExactly) {
  const TLang& l = GetParam();
  InitSprResLocal();
  SetSprResGlobal(l.Constant);
  auto range = SampleTexts().equal_range(l.Code);
  for (auto it = range.first; it != range.second; ++it)
    EXPECT_EQ(SprResGlobalArr.at(static_cast<size_t>(it->second.first)), it->second.second)
        << l.Code << " slot " << it->second.first;
}

INSTANTIATE_TEST_SUITE_P(Languages, Translations, ::testing::ValuesIn(kLanguages),
                         [](const ::testing::TestParamInfo<TLang>& info) { return std::string(info.param.Code); });

}  // namespace
