#include "frame/core/markup_layout.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>

#include "foundation/utf8.h"

namespace {

// Every character is 10 wide (11 in bold), a line is 15 high, "pic" is 30 x 40.
class TFakeMeasurer : public TMarkupMeasurer {
 public:
  int32_t TextWidth(std::string_view text, const TMarkupFontStyle& style) const override {
    return static_cast<int32_t>(UTF8Length(text)) * (style.Bold ? 11 : 10);
  }
  int32_t TextHeight(std::string_view) const override { return 15; }
  bool PictureSize(const std::string& name, int32_t& w, int32_t& h) const override {
    if (name != "pic") return false;
    w = 30;
    h = 40;
    return true;
  }
};

struct TRun {
  std::string Text;
  int32_t X, Y;
  bool operator==(const TRun&) const = default;
};
std::ostream& operator<<(std::ostream& os, const TRun& r) {
  return os << "{" << r.Text << "," << r.X << "," << r.Y << "}";
}

TMarkupLayout Layout(const std::string& markup, int32_t width = 250, TMarkupPanelParams p = {}) {
  p.Width = width;
  TFakeMeasurer m;
  TMarkupRemembered remembered;
  return LayoutMarkup(markup, p, m, remembered);
}

std::vector<TRun> Runs(const TMarkupLayout& l) {
  std::vector<TRun> runs;
  for (const TMarkupDrawItem& i : l.Items) runs.push_back({i.Text, i.X, i.Y});
  return runs;
}

TEST(MarkupLayout, EmptyMarkupHasOneLineOfHeight) {
  TMarkupPanelParams p;
  p.Padding = 2;
  p.PaddingTop = 3;
  p.PaddingBottom = 4;
  p.StartY = 5;
  p.LineHeight = 1;
  const TMarkupLayout l = Layout("", 250, p);
  EXPECT_TRUE(l.Items.empty());
  EXPECT_EQ(l.ContentHeight, 2 + 3 + 5 + 16 + 2 + 4);
}

TEST(MarkupLayout, BlanksAroundTags) {
  // A lone blank between two tags gives no gap; a blank that ends a run stays.
  EXPECT_EQ(Runs(Layout("a<b> </b>c")), (std::vector<TRun>{{"a", 0, 0}, {"c", 10, 0}}));
  EXPECT_EQ(Runs(Layout("a <b>b</b>")), (std::vector<TRun>{{"a ", 0, 0}, {"b", 20, 0}}));
  // A run after text whose first word does not fit starts the next line without its blanks.
  EXPECT_EQ(Runs(Layout("aaaaaaa<i> bbbb</i>", 100)), (std::vector<TRun>{{"aaaaaaa", 0, 0}, {"bbbb", 0, 15}}));
}

TEST(MarkupLayout, LongRunsAndWrapping) {
  // At a blank.
  EXPECT_EQ(Runs(Layout("hello world foo", 100)), (std::vector<TRun>{{"hello", 0, 0}, {"world foo", 0, 15}}));
  // Without a blank: cut after the last character that fits.
  EXPECT_EQ(Runs(Layout("abcdefghijklmno", 100)), (std::vector<TRun>{{"abcdefghi", 0, 0}, {"jklmno", 0, 15}}));
  // Not even one character fits: the whole rest stands on one line.
  EXPECT_EQ(Runs(Layout("abc", 5)), (std::vector<TRun>{{"abc", 0, 0}}));
  // Chinese or Japanese text wraps between any two characters.
  EXPECT_EQ(Runs(Layout("中文字符测试", 35)), (std::vector<TRun>{{"中文字", 0, 0}, {"符测试", 0, 15}}));
  EXPECT_EQ(Runs(Layout("日本語のテキストです", 45)),
            (std::vector<TRun>{{"日本語の", 0, 0}, {"テキスト", 0, 15}, {"です", 0, 30}}));
  EXPECT_EQ(Layout("hello world foo", 100).ContentHeight, 30);
}

// Lines break by the Unicode line-breaking rules: closing punctuation stays at
// the end of its line, opening punctuation at the start of the next.
TEST(MarkupLayout, CjkLinesDoNotStartWithClosingPunctuation) {
  const struct {
    const char* Markup;
    int32_t Width;
    std::vector<TRun> Runs;
  } kCases[] = {
      {"日本語です。次", 55, {{"日本語で", 0, 0}, {"す。次", 0, 15}}},
      {"中文字符，测试", 45, {{"中文字", 0, 0}, {"符，测试", 0, 15}}},
      {"ヒントは「1〜3」です", 55, {{"ヒントは", 0, 0}, {"「1〜3」", 0, 15}, {"です", 0, 30}}},
      {"提示：完成。", 55, {{"提示：完", 0, 0}, {"成。", 0, 15}}},
      {"word (note) end", 110, {{"word", 0, 0}, {"(note) end", 0, 15}}},
  };
  for (const auto& c : kCases) EXPECT_EQ(Runs(Layout(c.Markup, c.Width)), c.Runs) << c.Markup;
  // Ideographs after a tag go on in the same line.
  EXPECT_EQ(Runs(Layout("aaaa<b>中文字符</b>", 75)),
            (std::vector<TRun>{{"aaaa", 0, 0}, {"中文字", 40, 0}, {"符", 0, 15}}));
}

TEST(MarkupLayout, WrappedLinkGivesTwoAreas) {
  const TMarkupLayout l = Layout("<a=x.com/p>aaaa bbbb</a> c", 70);
  ASSERT_EQ(l.Links.size(), 2u);
  EXPECT_EQ(l.Links[0].Text, "x.com/p");
  EXPECT_EQ(l.Links[0].Bounds, (TMarkupRect{0, 0, 40, 15}));
  EXPECT_EQ(l.Links[1].Bounds, (TMarkupRect{0, 15, 40, 30}));
  EXPECT_TRUE(l.Links[1].Bounds.Contains(0, 15));
  EXPECT_FALSE(l.Links[1].Bounds.Contains(40, 15));
  // Link text takes the link colour, the text after it the colour from before.
  EXPECT_EQ(l.Items[0].Color, (TMarkupColor{false, 0xFF0000}));
  EXPECT_EQ(l.Items.back().Color, TMarkupColor{});
}

TEST(MarkupLayout, ColourForms) {
  struct TCase {
    std::string Markup;
    TMarkupColor Colour;
    std::string FirstText;
  };
  const TCase cases[] = {
      {"<col=f00>r", {false, RGBToColor(255, 0, 0)}, "r"},
      {"<col=ff0000>r", {false, RGBToColor(255, 0, 0)}, "r"},
      {"<col=0A0b0C>r", {false, RGBToColor(10, 11, 12)}, "r"},
      {"<col=zzzzzz>r", {}, "r"},         // right length, no colour: nothing happens
      {"<col=ff00>r", {}, "<col=ff00>"},  // ten characters: drawn as text
      {"<col=f00></col>r", {}, "r"},
  };
  for (const TCase& c : cases) {
    const TMarkupLayout l = Layout(c.Markup);
    ASSERT_FALSE(l.Items.empty()) << c.Markup;
    EXPECT_EQ(l.Items[0].Text, c.FirstText) << c.Markup;
    EXPECT_EQ(l.Items.back().Color, c.Colour) << c.Markup;
  }
}

TEST(MarkupLayout, StrayTagsAreText) {
  EXPECT_EQ(Runs(Layout("a</a>b")), (std::vector<TRun>{{"a", 0, 0}, {"</a>", 10, 0}, {"b", 50, 0}}));
  EXPECT_EQ(Runs(Layout("</hint><B>x")), (std::vector<TRun>{{"</hint>", 0, 0}, {"<B>", 70, 0}, {"x", 100, 0}}));
  EXPECT_EQ(Runs(Layout("<a=x>y")), (std::vector<TRun>{{"<a=x>", 0, 0}, {"y", 50, 0}}));
  EXPECT_TRUE(Layout("<a=x>y").Links.empty());
  EXPECT_EQ(Runs(Layout("<setx=abc>z")), (std::vector<TRun>{{"z", 0, 0}}));  // a bad number does nothing
}

TEST(MarkupLayout, UnmatchedOpeningBracketEndsTheScan) {
  // Run on another thread so that a scan that never ends fails instead of hanging.
  auto result = std::async(std::launch::async, [] {
    return std::vector<std::vector<TRun>>{Runs(Layout("ab<cd")), Runs(Layout("x<b>y<")), Runs(Layout("<<<"))};
  });
  ASSERT_EQ(result.wait_for(std::chrono::seconds(10)), std::future_status::ready);
  const auto runs = result.get();
  EXPECT_EQ(runs[0], (std::vector<TRun>{{"ab<cd", 0, 0}}));
  EXPECT_EQ(runs[1], (std::vector<TRun>{{"x", 0, 0}, {"y<", 10, 0}}));
  EXPECT_EQ(runs[2], (std::vector<TRun>{{"<<<", 0, 0}}));
}

TEST(MarkupLayout, CursorTagsPicturesAndHints) {
  TFakeMeasurer m;
  TMarkupPanelParams p;
  TMarkupRemembered remembered;
  const TMarkupLayout l = LayoutMarkup(
      "a<p>b<p2>c<br>d<setx=50>e<movey=5>f<remx><movex=7>g<setremx>h<img=pic>i<img=none>j<hint=tip>k</hint>", p, m,
      remembered);
  EXPECT_EQ(Runs(l), (std::vector<TRun>{{"a", 0, 0},
                                        {"b", 0, 25},
                                        {"c", 0, 50},
                                        {"d", 0, 65},
                                        {"e", 50, 65},
                                        {"f", 60, 70},
                                        {"g", 77, 70},
                                        {"h", 70, 70},
                                        {"pic", 80, 70},
                                        {"i", 110, 95},
                                        {"j", 120, 95},
                                        {"k", 130, 95}}));
  EXPECT_TRUE(l.Items[8].IsPicture);
  EXPECT_EQ(remembered.X, 70);
  ASSERT_EQ(l.Hints.size(), 1u);
  EXPECT_EQ(l.Hints[0].Text, "tip");
  EXPECT_EQ(l.Hints[0].Bounds, (TMarkupRect{130, 95, 140, 110}));
  EXPECT_TRUE(l.ShowHint);
  EXPECT_EQ(l.ContentHeight, 110);
  // Bold text is measured in bold.
  EXPECT_EQ(Runs(Layout("<b>ab</b>c")), (std::vector<TRun>{{"ab", 0, 0}, {"c", 22, 0}}));
  // A column limits the wrap; the start of the line can move.
  EXPECT_EQ(Runs(Layout("<column=40>aaa bbb", 250)), (std::vector<TRun>{{"aaa", 0, 0}, {"bbb", 0, 15}}));
  EXPECT_EQ(Runs(Layout("<setstartx=20>a<br>b")), (std::vector<TRun>{{"a", 20, 0}, {"b", 20, 15}}));
}

TEST(MarkupAutoCreate, LinksAndLineBreaks) {
  struct TCase {
    std::string In, Out;
  };
  const TCase cases[] = {
      {"see www.pellwick.com/prog. More", "see <a=www.pellwick.com/prog>www.pellwick.com/prog</a>. More"},
      {"go to x.com/a.", "go to <a=x.com/a>x.com/a</a>."},
      {"go to x.com/a b", "go to <a=x.com/a>x.com/a</a> b"},
      {"go to x.com/a", "go to <a=x.com/a>x.com/a</a>"},
      {"host x.com alone", "host x.com alone"},
      {"caps X.COM/A here", "caps X.COM/A here"},
      {"x.com/a at the start", "x.com/a at the start"},
  };
  for (const TCase& c : cases) EXPECT_EQ(GetAutoCreatedHTML(c.In, true, false), c.Out) << c.In;
  EXPECT_EQ(GetAutoCreatedHTML("a\nb\r\nc", false, true), "a<p>b\r<p>c");
  EXPECT_EQ(GetAutoCreatedHTML("a\nb x.com/a", false, false), "a\nb x.com/a");
}

TEST(MarkupClick, CompletionAndActions) {
  struct TCase {
    std::string Target;
    TMarkupClick::TKind Kind;
    int32_t ID;
    std::string URL;
  };
  const TCase cases[] = {
      {"link:7", TMarkupClick::LinkID, 7, ""},
      {"link: 7 ", TMarkupClick::LinkID, 7, ""},
      {"link:x", TMarkupClick::Nothing, 0, ""},
      {"www.a.com/b", TMarkupClick::OpenURL, 0, "http://www.a.com/b"},
      {"a.com/b", TMarkupClick::OpenURL, 0, "http://www.a.com/b"},
      {"es.a.com/b", TMarkupClick::OpenURL, 0, "http://es.a.com/b"},
      {"fr.a.com", TMarkupClick::OpenURL, 0, "http://fr.a.com"},
      // A target that has a scheme keeps it.
      {"https://x", TMarkupClick::OpenURL, 0, "https://x"},
      {"http://a.org/p", TMarkupClick::OpenURL, 0, "http://a.org/p"},
      {"mailto:a@b.c", TMarkupClick::OpenURL, 0, "mailto:a@b.c"},
  };
  for (const TCase& c : cases) {
    const TMarkupClick click = MarkupLinkClick(c.Target, "", "");
    EXPECT_EQ(click.Kind, c.Kind) << c.Target;
    EXPECT_EQ(click.ID, c.ID) << c.Target;
    EXPECT_EQ(click.URL, c.URL) << c.Target;
  }
  EXPECT_EQ(MarkupLinkClick("www.PellWick.com/x", "&rf=1", "pellwick").URL, "http://www.PellWick.com/x&rf=1");
  EXPECT_EQ(MarkupLinkClick("www.pellwick.com/x", "&rf=1", "PELLWICK").URL, "http://www.pellwick.com/x&rf=1");
  EXPECT_EQ(MarkupLinkClick("www.pellwick.com/x", "&rf=1", "").URL, "http://www.pellwick.com/x");
  EXPECT_EQ(MarkupLinkClick("www.other.com/x", "&rf=1", "pellwick").URL, "http://www.other.com/x");
}

}  // namespace
