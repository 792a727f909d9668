#include "documents/document_model.h"

#include <gtest/gtest.h>

namespace {

std::vector<TDocParagraphStyle*> SectionStyles(const TDocumentSection& section) {
  std::vector<TDocParagraphStyle*> styles{&section.Style()};
  for (int32_t level = 1; level <= 6; ++level) styles.push_back(&section.Heading(level));
  return styles;
}

TEST(DocumentModel, NewDocumentDefaults) {
  TBaseDocument doc;
  EXPECT_EQ(doc.PageWidth(), 21.0);
  EXPECT_EQ(doc.PageHeight, 29.7);
  EXPECT_EQ(doc.PageMarginTop, 2.0);
  EXPECT_EQ(doc.PageMarginLeft(), 2.0);
  EXPECT_EQ(doc.PageColumnCount, 0);
  EXPECT_EQ(doc.DocumentTitle, "Title");
  EXPECT_EQ(doc.DocumentKeywords, "Keywords");
  EXPECT_EQ(doc.DocumentCreator, "Pellwick - www.pellwick.example");
  EXPECT_EQ(doc.DocumentVersion, 1);
  EXPECT_EQ(doc.DocumentEditingTime, 0);
  EXPECT_GT(doc.DocumentCreationDate, 45000.0);  // a date after 2023
  EXPECT_EQ(doc.Fonts().Count(), 1);
  EXPECT_EQ(doc.GetDefaultFont(), "Times New Roman");
  EXPECT_EQ(doc.Colors().Count(), 2);
  EXPECT_EQ(doc.Colors().GetColorHexFromID(1), "FFFFFF");
  ASSERT_EQ(doc.Styles().Count(), 1);
  EXPECT_EQ(doc.Styles().GetStyle(0).StyleName, "Standard");
  for (TDocumentSection* section : {&doc.Page(), &doc.Header(), &doc.Footer()}) {
    for (TDocParagraphStyle* style : SectionStyles(*section)) {
      EXPECT_EQ(style->FontID(), 0);
      EXPECT_EQ(style->FontName(), "Times New Roman");
    }
    EXPECT_EQ(section->Style().FontSize, 12.0f);
    EXPECT_EQ(section->Heading1().FontSize, 24.0f);
    EXPECT_EQ(section->Heading6().FontSize, 14.0f);
    EXPECT_EQ(section->FontSize(), 0.0f);
    EXPECT_FALSE(section->HasContent());
    EXPECT_EQ(section->Tables().ParentWidth, 17.0f);
  }
  EXPECT_TRUE(doc.LinkedContent.empty());
}

TEST(DocumentModel, DefaultFontReplacesEntryZeroForTheSectionsOnly) {
  TBaseDocument doc;
  doc.SetDefaultFont("Calibri");
  EXPECT_EQ(doc.Fonts().Count(), 1);
  EXPECT_EQ(doc.Fonts().GetFontIndex("Times New Roman"), -1);
  EXPECT_EQ(doc.Page().Style().FontName(), "Calibri");
  EXPECT_EQ(doc.Footer().Heading3().FontName(), "Calibri");
  EXPECT_EQ(doc.Styles().GetStyle(0).FontName(), "Times New Roman");
  EXPECT_EQ(doc.Styles().GetStyle(0).FontID(), 0);
}

TEST(DocumentModel, FontLookupIgnoresCaseAndKeepsTheGivenSpelling) {
  TBaseDocument doc;
  EXPECT_EQ(doc.Fonts().GetFontIndex("times new roman"), 0);
  EXPECT_EQ(doc.Fonts().AddFont("TIMES NEW ROMAN"), 0);
  EXPECT_EQ(doc.Fonts().Count(), 1);
  EXPECT_EQ(doc.Fonts().GetFontIndex("\xC3\x84rial"), -1);
  EXPECT_EQ(doc.Fonts().AddFont("\xC3\x84rial"), 1);
  EXPECT_EQ(doc.Fonts().GetFontIndex("\xC3\xA4RIAL"), 1);
  TDocParagraphStyle& style = doc.Page().Style();
  style.SetFontName("\xC3\xA4rial");
  EXPECT_EQ(style.FontID(), 1);
  EXPECT_EQ(style.FontName(), "\xC3\xA4rial");
  style.SetFontID(7);
  EXPECT_EQ(style.FontID(), 1);
  style.SetFontID(0);
  EXPECT_EQ(style.FontName(), "Times New Roman");
  EXPECT_EQ(doc.Fonts().GetFontNameFromID(5), "");
}

TEST(DocumentModel, Colours) {
  TBaseDocument doc;
  TDocumentColorTable& colors = doc.Colors();
  EXPECT_EQ(colors.AddColor(TGraphicsColor{0xFFFFFF}), 1);
  EXPECT_EQ(colors.AddColor(std::string("zz")), 0);
  EXPECT_EQ(colors.AddColor(std::string("#FF0000")), 2);
  EXPECT_EQ(colors.GetColorHexFromID(2), "FF0000");
  EXPECT_EQ(colors.GetColorFromID(2), 0x0000FFu);  // red in the low byte
  EXPECT_EQ(colors.GetColorFromID(9), 0u);
  EXPECT_EQ(colors.Count(), 3);

  TDocParagraphStyle& style = doc.Page().Style();
  style.SetTextColorID(5);
  EXPECT_EQ(style.TextColorID(), 0);
  style.SetTextColorFromHex("00ff00");
  EXPECT_EQ(style.TextColorID(), 3);
  EXPECT_EQ(style.GetTextColorAsHex(), "00FF00");
  style.SetBackgroundColorFromTColor(0x0000FF);
  EXPECT_EQ(style.BackgroundColorID(), 2);
  EXPECT_EQ(style.GetBackgroundColorAsHex(), "FF0000");
  EXPECT_EQ(style.TextBackgroundColorID(), 1);
}

TEST(DocumentModel, RunningStateAppendsOnlyChanges) {
  TBaseDocument doc;
  TDocumentSection& page = doc.Page();
  page.SetFontBold(true);
  page.SetFontBold(true);
  page.SetFontBold(false);
  page.SetFontSize(12);
  page.SetFontSize(10.5f);
  page.SetTextAlignmentHorz(docAlignHorzLeft);
  page.SetTextAlignmentHorz(docAlignHorzCenter);
  page.SetTextAlignmentHorz(docAlignHorzRight);
  page.SetFontItalic(true);
  page.SetFontUnderline(true);
  page.SetFontStrikeThrough(true);
  page.AddText("x");
  page.AddParagraph("p", -1);
  struct Item {
    TDocContentType type;
    int32_t param;
  };
  const Item expected[] = {{docContentBold, 1},         {docContentBold, 0},        {docContentFontSize, 12000},
                           {docContentFontSize, 10500}, {docContentAlignCenter, 0}, {docContentAlignRight, 0},
                           {docContentItalic, 1},       {docContentUnderline, 1},   {docContentStrikeThrough, 1},
                           {docContentText, 0},         {docContentParagraph, -1}};
  ASSERT_EQ(page.ContentCount(), static_cast<int32_t>(std::size(expected)));
  for (size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(page.Contents()[i].ContentType, expected[i].type) << i;
    EXPECT_EQ(page.Contents()[i].Param, expected[i].param) << i;
  }
  EXPECT_EQ(page.Contents().back().Value, "p");
  EXPECT_EQ(page.AddContent(docContentPageBreak), 11);
}

TEST(DocumentModel, TablesTakeTheTextWidth) {
  TBaseDocument doc;
  TDocTable* table = doc.Page().Tables().Add({{"a", "b", "c"}, {"d"}});
  EXPECT_EQ(table->RowCount(), 2);
  EXPECT_EQ(table->ColumnCount(), 3);
  EXPECT_DOUBLE_EQ(table->Width, 17.0);
  EXPECT_DOUBLE_EQ(table->GetColumn(2).Width, 17.0 / 3);
  EXPECT_EQ(table->GetCell(0, 1).Content.Contents().at(0).Value, "b");
  EXPECT_FALSE(table->GetCell(1, 1).Content.HasContent());
  EXPECT_FALSE(table->GetCell(1, 2).Content.HasContent());
  EXPECT_EQ(table->GetCell(1, 0).Content.Style().FontName(), "Times New Roman");
  EXPECT_FALSE(table->GetCell(0, 0).Borders.Left);
  EXPECT_FLOAT_EQ(table->GetCell(0, 0).Borders.WidthTop, 0.02f);
  EXPECT_EQ(doc.Page().Contents().back().ContentType, docContentTable);
  EXPECT_EQ(doc.Page().Contents().back().Param, 0);

  TDocTable* empty = doc.Page().Tables().Add({});
  EXPECT_EQ(empty->Index(), 1);
  EXPECT_EQ(empty->RowCount(), 0);
  EXPECT_EQ(empty->ColumnCount(), 0);
  EXPECT_EQ(doc.Page().Contents().back().Param, 1);

  table->SetColumnCount(5);
  EXPECT_EQ(table->GetColumn(4).Width, 0.0);
  EXPECT_DOUBLE_EQ(table->GetColumn(0).Width, 17.0 / 3);
  table->SetColumnCount(1);
  EXPECT_EQ(table->ColumnCount(), 1);
}

TEST(DocumentModel, PageMarginsUpdateTheWidthOfNewTables) {
  TBaseDocument doc;
  TDocTable* before = doc.Page().Tables().Add({{"x"}});
  doc.SetPageMargins(1, 1, 1, 1);
  EXPECT_EQ(doc.Page().Tables().ParentWidth, 19.0f);
  EXPECT_EQ(doc.Footer().Tables().ParentWidth, 19.0f);
  EXPECT_DOUBLE_EQ(before->Width, 17.0);
  EXPECT_EQ(doc.PageMarginTop, 1.0);
  doc.SetPageWidth(29.7);
  EXPECT_FLOAT_EQ(doc.Header().Tables().ParentWidth, 27.7f);
  doc.SetPageMarginLeft(3);
  EXPECT_FLOAT_EQ(doc.Page().Tables().ParentWidth, 25.7f);
}

TEST(DocumentModel, StyleTableAddCopiesThePageStyle) {
  TBaseDocument doc;
  TDocParagraphStyle& page = doc.Page().Style();
  page.SetFontName("Arial");
  page.FontSize = 9;
  page.FontBold = true;
  page.TextAlignmentHorz = docAlignHorzJustify;
  page.SetTextColorFromHex("123456");
  page.MarginLeft = 3;
  page.FontUnderlineType = docUnderlineTypeWave;
  EXPECT_EQ(doc.Styles().Add(), 1);
  const TDocParagraphStyle& style = doc.Styles().GetStyle(1);
  EXPECT_EQ(style.StyleName, "Style1");
  EXPECT_EQ(style.FontName(), "Arial");
  EXPECT_EQ(style.FontID(), 1);
  EXPECT_EQ(style.FontSize, 9.0f);
  EXPECT_TRUE(style.FontBold);
  EXPECT_EQ(style.TextAlignmentHorz, docAlignHorzJustify);
  EXPECT_EQ(style.GetTextColorAsHex(), "123456");
  EXPECT_EQ(style.MarginLeft, 0.0f);
  EXPECT_EQ(style.FontUnderlineType, docUnderlineTypeSingle);
}

TEST(DocumentModel, LinkedContentLookups) {
  TBaseDocument doc;
  EXPECT_FALSE(doc.ContainsEmbeddedContentType(docEmbeddedContentImage));
  TDocEmbeddedContentRec link;
  link.RelID = 7;
  doc.LinkedContent.push_back(link);
  EXPECT_TRUE(doc.ContainsEmbeddedContentType(docEmbeddedContentHyperlink));
  EXPECT_FALSE(doc.ContainsEmbeddedContentType(docEmbeddedContentImage));
  EXPECT_EQ(doc.GetEmbeddedContentRelIDFromParam(0, 3), 7);
  EXPECT_EQ(doc.GetEmbeddedContentRelIDFromParam(1, 3), 3);
  EXPECT_EQ(doc.GetEmbeddedContentRelIDFromParam(-1, 3), 3);
}

}  // namespace
