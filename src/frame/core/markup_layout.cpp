#include "frame/core/markup_layout.h"

#include <unicode/brkiter.h>
#include <unicode/utext.h>

#include <memory>
#include <optional>
#include <vector>

#include "foundation/letter_case.h"
#include "foundation/number_format.h"
#include "foundation/regex.h"
#include "foundation/str_transform.h"
#include "foundation/utf8.h"

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

bool IsHexDigits(std::string_view text) {
  for (char c : text)
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))) return false;
  return true;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return c - 'A' + 10;
}

// Characters up to 32 count as blanks for trimming.
bool IsBlankRun(std::string_view text) {
  for (unsigned char c : text)
    if (c > 32) return false;
  return true;
}

// The byte offsets inside text where a line may begin, by the Unicode
// line-breaking rules (ICU): between words after their blanks, between two
// ideographs, but never before closing punctuation such as "。" and "，" or
// after opening punctuation such as "「". A break that follows blanks is
// moved before them, so that a line does not end in its blanks. Ascending,
// each above 0 and below the text's size.
std::vector<size_t> LineBreakOpportunities(std::string_view text) {
  std::vector<size_t> breaks;
  if (text.empty()) return breaks;
  UErrorCode status = U_ZERO_ERROR;
  // Made once per thread: the iterator is costly to build and not thread-safe.
  thread_local std::unique_ptr<icu::BreakIterator> iterator(
      icu::BreakIterator::createLineInstance(icu::Locale::getRoot(), status));
  if (!iterator || U_FAILURE(status)) return breaks;
  UText* utext = utext_openUTF8(nullptr, text.data(), static_cast<int64_t>(text.size()), &status);
  if (U_SUCCESS(status)) iterator->setText(utext, status);
  if (U_SUCCESS(status)) {
    for (int32_t b = iterator->next(); b != icu::BreakIterator::DONE; b = iterator->next()) {
      size_t at = static_cast<size_t>(b);
      if (at >= text.size()) break;
      while (at > 0 && text[at - 1] == ' ') --at;
      if (at > 0 && (breaks.empty() || breaks.back() < at)) breaks.push_back(at);
    }
  }
  // The iterator must not keep a pointer to text past this call.
  UText* empty = utext_openUTF8(nullptr, "", 0, &status);
  iterator->setText(empty, status);
  utext_close(empty);
  utext_close(utext);
  return breaks;
}

struct TOpenArea {
  std::string Text;
  int32_t StartX = 0, StartY = 0;
};

class TMarkupPass {
 public:
  TMarkupPass(const TMarkupPanelParams& p, const TMarkupMeasurer& m, TMarkupRemembered& r)
      : FP(p), FM(m), FRemembered(r) {}

  TMarkupLayout Run(std::string_view markup) {
    FLineHeight = FM.TextHeight("Wg") + FP.LineHeight;
    FX0 = FP.Padding + FP.PaddingLeft + FP.StartX;
    FX = FX0;
    FY = FP.Padding + FP.PaddingTop + FP.StartY;
    FMaxY = FY;
    FRight = FP.Width - FP.Padding - FP.PaddingRight;
    FLimit = FRight - FP.EndX;
    size_t p = 0;
    while (p <= markup.size()) {
      const size_t a = markup.find('<', p);
      const size_t b = a == std::string_view::npos ? a : markup.find('>', a);
      if (a == std::string_view::npos || b == std::string_view::npos) {
        // A "<" without a closing ">" is text like the rest, and nothing follows it.
        DrawRun(std::string(markup.substr(p)));
        break;
      }
      DrawRun(std::string(markup.substr(p, a - p)));
      p = b + 1;
      ApplyTag(markup.substr(a, b - a + 1));
      if (FY > FMaxY) FMaxY = FY;
    }
    if (FMaxY > FY) FY = FMaxY;
    FOut.ContentHeight = FY + FLineHeight + FP.Padding + FP.PaddingBottom;
    return std::move(FOut);
  }

 private:
  int32_t Width(std::string_view text) const { return text.empty() ? 0 : FM.TextWidth(text, FStyle); }

  void Draw(int32_t x, int32_t y, const std::string& text) {
    TMarkupDrawItem item;
    item.X = x;
    item.Y = y;
    item.Text = text;
    item.Style = FStyle;
    item.Color = FColor;
    FOut.Items.push_back(std::move(item));
  }

  void RegisterPiece(std::optional<TOpenArea>& open, std::vector<TMarkupArea>& areas, int32_t pieceWidth) {
    if (!open) return;
    TMarkupArea area{open->Text, {open->StartX, open->StartY, FX + pieceWidth, FY + FLineHeight}};
    if (area.Bounds.Left > area.Bounds.Right) {
      area.Bounds.Left = FX0;
      area.Bounds.Top += FLineHeight;
    }
    areas.push_back(std::move(area));
    open->StartX = FX0;
    open->StartY = FY + FLineHeight;
  }

  void DrawRun(std::string run) {
    if (run.empty()) return;
    if (FX > FX0) {
      const std::string stripped = TrimLeft(run);
      const std::vector<size_t> breaks = LineBreakOpportunities(stripped);
      size_t wordEnd = breaks.empty() ? stripped.size() : breaks.front();
      while (wordEnd < stripped.size() && stripped[wordEnd] == ' ') ++wordEnd;
      const std::string firstWord = stripped.substr(0, wordEnd);
      if (!firstWord.empty() && Width(firstWord) + FX >= FLimit) {
        FX = FX0;
        FY += FLineHeight;
        run = TrimLeft(run);
      }
    }
    if (IsBlankRun(run)) return;
    const int32_t whole = Width(run);
    if (whole + FX < FLimit) {
      Draw(FX, FY, run);
      FX += whole;
      return;
    }
    std::string rest = std::move(run);
    while (!rest.empty()) {
      const std::vector<size_t> breaks = LineBreakOpportunities(rest);
      auto nextBreak = breaks.begin();
      size_t pos = 0, fit = rest.size(), lastBreak = 0;
      while (pos < rest.size()) {
        size_t next = pos;
        UTF8DecodeAt(rest, next);
        while (nextBreak != breaks.end() && *nextBreak <= pos) lastBreak = *nextBreak++;
        if (Width(std::string_view(rest).substr(0, next)) + FX >= FLimit) {
          fit = pos;
          break;
        }
        pos = next;
      }
      const size_t cut = lastBreak > 0 ? lastBreak : fit;
      std::string piece;
      if (cut == 0) {
        piece = std::move(rest);
        rest.clear();
      } else {
        piece = rest.substr(0, cut);
        rest = rest.substr(cut);
      }
      if (!piece.empty()) {
        const int32_t pieceWidth = Width(piece);
        RegisterPiece(FLink, FOut.Links, pieceWidth);
        RegisterPiece(FHint, FOut.Hints, pieceWidth);
        Draw(FX, FY, piece);
        FY += FLineHeight;
        FX = FX0;
        rest = TrimLeft(rest);
      }
      if (!rest.empty()) {
        const int32_t restWidth = Width(rest);
        if (restWidth + FX < FLimit) {
          Draw(FX, FY, rest);
          FX += restWidth;
          rest.clear();
        }
      }
    }
  }

  // The value of a tag "<name=value>" as a whole number.
  static bool TagNumber(std::string_view tag, size_t prefixLength, int32_t& n) {
    return TryStrToInt(tag.substr(prefixLength, tag.size() - prefixLength - 1), n);
  }

  void CloseArea(std::optional<TOpenArea>& open, std::vector<TMarkupArea>& areas) {
    if (FX < open->StartX) open->StartX = FX0;
    areas.push_back({open->Text, {open->StartX, open->StartY, FX, FY + FLineHeight}});
    open.reset();
  }

  void ApplyTag(std::string_view tag) {
    const size_t len = tag.size();
    int32_t n = 0;
    if (tag == "<b>") {
      FStyle.Bold = true;
    } else if (tag == "</b>") {
      FStyle.Bold = false;
    } else if (tag == "<i>") {
      FStyle.Italic = true;
    } else if (tag == "</i>") {
      FStyle.Italic = false;
    } else if (tag == "<u>") {
      FStyle.Underline = true;
    } else if (tag == "</u>") {
      FStyle.Underline = false;
    } else if (tag == "<s>") {
      FStyle.StrikeOut = true;
    } else if (tag == "</s>") {
      FStyle.StrikeOut = false;
    } else if (tag == "<p>") {
      FX = FX0;
      FY += FLineHeight + FP.ParagraphHeight;
    } else if (tag == "<p2>") {
      FX = FX0;
      FY += FLineHeight + FP.ParagraphHeight2;
    } else if (tag == "<br>") {
      FX = FX0;
      FY += FLineHeight;
    } else if (StartsWith(tag, "<col=") && len == 12) {
      const std::string_view hex = tag.substr(5, 6);
      if (IsHexDigits(hex))
        FColor = {false, RGBToColor(static_cast<uint8_t>(HexValue(hex[0]) * 16 + HexValue(hex[1])),
                                    static_cast<uint8_t>(HexValue(hex[2]) * 16 + HexValue(hex[3])),
                                    static_cast<uint8_t>(HexValue(hex[4]) * 16 + HexValue(hex[5])))};
    } else if (StartsWith(tag, "<col=") && len == 9) {
      const std::string_view hex = tag.substr(5, 3);
      if (IsHexDigits(hex))
        FColor = {false,
                  RGBToColor(static_cast<uint8_t>(HexValue(hex[0]) * 17), static_cast<uint8_t>(HexValue(hex[1]) * 17),
                             static_cast<uint8_t>(HexValue(hex[2]) * 17))};
    } else if (tag == "</col>") {
      FColor = TMarkupColor{};
    } else if (StartsWith(tag, "<a=") && len > 5) {
      FLinkRestoreColor = FColor;
      FColor = {false, FP.LinkColor};
      FLink = TOpenArea{std::string(tag.substr(3, len - 4)), FX, FY};
    } else if (tag == "</a>" && FLink) {
      FColor = FLinkRestoreColor;
      CloseArea(FLink, FOut.Links);
    } else if (StartsWith(tag, "<hint=") && len > 7) {
      FHint = TOpenArea{std::string(tag.substr(6, len - 7)), FX, FY};
    } else if (tag == "</hint>" && FHint) {
      CloseArea(FHint, FOut.Hints);
      FOut.ShowHint = true;
    } else if (StartsWith(tag, "<setx=") && len > 7) {
      if (TagNumber(tag, 6, n)) FX = n;
    } else if (StartsWith(tag, "<sety=") && len > 7) {
      if (TagNumber(tag, 6, n)) FY = n;
    } else if (StartsWith(tag, "<movex=") && len > 8) {
      if (TagNumber(tag, 7, n)) FX += n;
    } else if (StartsWith(tag, "<movey=") && len > 8) {
      if (TagNumber(tag, 7, n)) FY += n;
    } else if (StartsWith(tag, "<column=") && len > 9) {
      if (TagNumber(tag, 8, n)) FLimit = FX0 + n;
    } else if (tag == "</column>") {
      FLimit = FRight;
    } else if (tag == "<remx>") {
      FRemembered.X = FX;
    } else if (tag == "<remy>") {
      FRemembered.Y = FY;
    } else if (tag == "<setremx>") {
      FX = FRemembered.X;
    } else if (tag == "<setremy>") {
      FY = FRemembered.Y;
    } else if (StartsWith(tag, "<setstartx=") && len > 12) {
      if (TagNumber(tag, 11, n)) FX0 = FP.Padding + FP.PaddingLeft + n;
      FX = FX0;
    } else if (StartsWith(tag, "<setendx=") && len > 10) {
      if (TagNumber(tag, 9, n)) FLimit = FRight - n;
    } else if (StartsWith(tag, "<img=") && len > 6) {
      const std::string name(tag.substr(5, len - 6));
      int32_t w = 0, h = 0;
      if (FM.PictureSize(name, w, h)) {
        TMarkupDrawItem item;
        item.IsPicture = true;
        item.X = FX;
        item.Y = FY;
        item.Text = name;
        FOut.Items.push_back(std::move(item));
        FY += h - FLineHeight;
        FX += w;
      }
    } else {
      const std::string text(tag);
      Draw(FX, FY, text);
      FX += Width(text);
    }
  }

  const TMarkupPanelParams& FP;
  const TMarkupMeasurer& FM;
  TMarkupRemembered& FRemembered;
  TMarkupLayout FOut;
  TMarkupFontStyle FStyle;
  TMarkupColor FColor;
  TMarkupColor FLinkRestoreColor;
  std::optional<TOpenArea> FLink, FHint;
  int32_t FLineHeight = 0, FX0 = 0, FX = 0, FY = 0, FMaxY = 0, FRight = 0, FLimit = 0;
};

}  // namespace

TMarkupLayout LayoutMarkup(std::string_view markup, const TMarkupPanelParams& params, const TMarkupMeasurer& measurer,
                           TMarkupRemembered& remembered) {
  return TMarkupPass(params, measurer, remembered).Run(markup);
}

std::string GetAutoCreatedHTML(std::string_view text, bool autoLinks, bool autoLineBreaks) {
  std::string result(text);
  if (autoLineBreaks) {
    std::string withBreaks;
    for (char c : result) {
      if (c == '\n')
        withBreaks += "<p>";
      else
        withBreaks += c;
    }
    result = std::move(withBreaks);
  }
  if (autoLinks) {
    static const char* const kRules[][2] = {
        {" ([a-z0-9.-]+\\.[a-z]{2,4}/[a-z0-9.-]+)\\. ", " <a=$1>$1</a>\\. "},
        {" ([a-z0-9.-]+\\.[a-z]{2,4}/[a-z0-9.-]+)\\.$", " <a=$1>$1</a>\\."},
        {" ([a-z0-9.-]+\\.[a-z]{2,4}/[a-z0-9.-]+) ", " <a=$1>$1</a> "},
        {" ([a-z0-9.-]+\\.[a-z]{2,4}/[a-z0-9.-]+)$", " <a=$1>$1</a>"},
    };
    for (const auto& rule : kRules) result = RegReplaceWithRegex(result, rule[0], rule[1]);
  }
  return result;
}

namespace {

// "scheme://" with a scheme of letters, digits, "+", "-" and "." after a first letter, or "mailto:".
bool HasURLScheme(const std::string& target) {
  if (UTF8LowerCase(target.substr(0, 7)) == "mailto:") return true;
  const size_t colon = target.find("://");
  if (colon == std::string::npos || colon == 0) return false;
  for (size_t i = 0; i < colon; ++i) {
    const char c = target[i];
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (i == 0 ? !letter : !(letter || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.')) return false;
  }
  return true;
}

}  // namespace

std::string CompleteMarkupLinkTarget(const std::string& target) {
  if (StartsWith(target, "link:") || HasURLScheme(target)) return target;
  if (StartsWith(target, "es.") || StartsWith(target, "fr.") || StartsWith(target, "www.")) return "http://" + target;
  return "http://www." + target;
}

TMarkupClick MarkupLinkClick(const std::string& target, const std::string& appendix, const std::string& urlPart) {
  TMarkupClick click;
  std::string address = CompleteMarkupLinkTarget(target);
  if (StartsWith(address, "link:")) {
    int32_t id = 0;
    if (TryStrToInt(Trim(address.substr(address.find(':') + 1)), id)) {
      click.Kind = TMarkupClick::LinkID;
      click.ID = id;
    }
    return click;
  }
  if (!urlPart.empty() && UTF8UpperCase(address).find(UTF8UpperCase(urlPart)) != std::string::npos) address += appendix;
  click.Kind = TMarkupClick::OpenURL;
  click.URL = address;
  return click;
}
