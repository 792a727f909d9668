#include "controls/text_combo_box.h"

#include <QEvent>
#include <QLineEdit>
#include <QLocale>

#include "foundation/qt/qt_strings.h"
#include "foundation/str_transform.h"
#include "text/language_constants.h"

namespace {
// ASCII case-insensitive replacement of every occurrence; the placeholders
// are plain ASCII, the rest of the text is left byte for byte.
std::string ReplaceAllNoCase(const std::string& text, const std::string& what, const std::string& with) {
  auto lower = [](std::string s) {
    for (char& c : s)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
  };
  std::string hay = lower(text);
  std::string needle = lower(what);
  std::string out;
  size_t pos = 0;
  while (true) {
    size_t hit = hay.find(needle, pos);
    if (hit == std::string::npos) break;
    out.append(text, pos, hit - pos);
    out += with;
    pos = hit + needle.size();
  }
  out.append(text, pos, std::string::npos);
  return out;
}
std::string ReplaceAll(const std::string& text, const std::string& what, const std::string& with) {
  return StringReplaceFast(text, what, with);
}
}  // namespace

TTextPlaceholders TextPlaceholdersForLanguage(uint32_t language) {
  switch (static_cast<int32_t>(language)) {
    case SprLangGerman: return {"<leer>", "<leerzeichen>", "<zeilenumbruch>", "<tab>"};
    case SprLangSpanish: return {"<vacio>", "<espacio>", "<salto-de-linea>", "<tab>"};
    case SprLangFrench: return {"<vide>", "<espace>", "<saut-de-ligne>", "<tab>"};
    default: return {"<empty>", "<space>", "<linebreak>", "<tab>"};
  }
}

std::string TextRawToTextReplaced(const std::string& raw, const TTextReplaceSwitches& s) {
  std::string r = raw;
  if (r.find('<') == std::string::npos) return r;
  if (s.ReplaceLinebreak)
    for (const char* p : {"<linebreak>", "<zeilenumbruch>", "<salto-de-linea>", "<saut-de-ligne>"})
      r = ReplaceAllNoCase(r, p, "\n");
  if (s.ReplaceSpace)
    for (const char* p : {"<space>", "<leerzeichen>", "<espace>", "<espacio>"}) r = ReplaceAllNoCase(r, p, " ");
  if (r.find('<') != std::string::npos) {
    if (s.ReplaceTab) r = ReplaceAllNoCase(r, "<tab>", "\t");
    if (s.ReplaceEmpty)
      for (const char* p : {"<empty>", "<leer>", "<vacio>", "<vide>"}) r = ReplaceAllNoCase(r, p, "");
  }
  return r;
}

std::string TextReplacedToTextRaw(const std::string& text, const TTextReplaceSwitches& s, uint32_t language) {
  TTextPlaceholders p = TextPlaceholdersForLanguage(language);
  std::string r = text;
  if (s.ReplaceEmpty && r.empty()) r = p.Empty;
  if (s.ReplaceSpace) r = ReplaceAll(r, " ", p.Space);
  if (s.ReplaceLinebreak) r = ReplaceAll(r, "\n", p.Linebreak);
  if (s.ReplaceTab) r = ReplaceAll(r, "\t", p.Tab);
  return r;
}

std::string TextRawToTextRawOfLanguage(const std::string& raw, const TTextReplaceSwitches& s, uint32_t language,
                                       bool swapDecimal, const std::string& systemDecimal) {
  std::string r = raw;
  auto lang = static_cast<int32_t>(language);
  if (swapDecimal) {
    if (r.find('.') != std::string::npos) {
      if (lang == SprLangGerman)
        r = ReplaceAll(r, ".", ",");
      else if (lang != SprLangEnglish)
        r = ReplaceAll(r, ".", systemDecimal);
    } else if (r.find(',') != std::string::npos) {
      if (lang == SprLangEnglish)
        r = ReplaceAll(r, ",", ".");
      else if (lang != SprLangGerman)
        r = ReplaceAll(r, ",", systemDecimal);
    }
  }
  if (r.find('<') != std::string::npos) r = TextReplacedToTextRaw(TextRawToTextReplaced(r, s), s, language);
  return r;
}

TTextComboBox::TTextComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  connect(this, &QComboBox::editTextChanged, this, [this](const QString&) {
    if (!FQuiet) Change();
  });
}

TTextReplaceSwitches TTextComboBox::Switches() const {
  return {ReplaceEmpty, ReplaceLinebreak, ReplaceSpace, ReplaceTab};
}

std::string TTextComboBox::GetTextRaw() const { return FromQString(currentText()); }

// Code that sets the text raises no change event; the user's typing does.
void TTextComboBox::SetTextRaw(const std::string& value) {
  FQuiet = true;
  setEditText(ToQString(value));
  FQuiet = false;
}

std::string TTextComboBox::GetTextReplaced() const { return TextRawToTextReplaced(GetTextRaw()); }

std::string TTextComboBox::TextRawToTextReplaced(const std::string& raw) const {
  return ::TextRawToTextReplaced(raw, Switches());
}

std::string TTextComboBox::TextReplacedToTextRaw(const std::string& text) const {
  return ::TextReplacedToTextRaw(text, Switches(), FLanguage);
}

std::string TTextComboBox::TextRawToTextRawOfCurrentLanguage(const std::string& raw) const {
  return TextRawToTextRawOfLanguage(raw, Switches(), FLanguage, ReplaceDecimalSeparatorForLanguage,
                                    FromQString(QLocale::system().decimalPoint()));
}

void TTextComboBox::SetLanguage(uint32_t language) {
  FLanguage = language;
  SetTextRaw(TextRawToTextRawOfCurrentLanguage(GetTextRaw()));
  FQuiet = true;
  for (int i = 0; i < count(); ++i)
    setItemText(i, ToQString(TextRawToTextRawOfCurrentLanguage(FromQString(itemText(i)))));
  FQuiet = false;
}

void TTextComboBox::Change() {
  if (OnSelectionChange) OnSelectionChange(this, GetTextRaw(), GetTextReplaced());
  if (OnChange) OnChange(this);
}

void TTextComboBox::changeEvent(QEvent* e) {
  QComboBox::changeEvent(e);
  if (e->type() == QEvent::LayoutDirectionChange) {
    if (lineEdit() != nullptr) lineEdit()->deselect();
    update();
  }
}
