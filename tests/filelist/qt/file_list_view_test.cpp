// The file list view as a window: rows from the store, selection, check
// marks and drag through the row filter, automatic widths, the columns
// dialog, the localised view and screenshots for review.
#include "filelist/qt/file_list_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QTextLayout>

#include "controls/dialogs.h"
#include "controls/list_view.h"
#include "filelist/core/file_list_test_items.h"
#include "filelist/qt/file_list_columns_dialog.h"
#include "filelist/qt/file_list_view_model.h"
#include "filelist_qt_test_app.h"
#include "foundation/qt/qt_strings.h"
#include "text/text_store.h"
#include "text/translations.h"

namespace {

void Flush() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

// The whole caption (the shown one is elided to the section's width).
std::string HeaderText(const TFileListView& view, int section) {
  return FromQString(view.model()->headerData(section, Qt::Horizontal, Qt::ToolTipRole).toString());
}

std::string CellText(const TFileListView& view, int row, int column) {
  return FromQString(view.model()->index(row, column).data().toString());
}

class FileListViewWidget : public ::testing::Test {
 protected:
  void SetUp() override {
    view.resize(700, 400);
    view.Locale.Number = NumberFormat{".", ","};
    for (const char* name : {"a.txt", "b.doc", "c.txt", "d.doc", "e.txt", "f.doc", "g.txt"}) {
      view.AppendItem(MakeFileItem(std::string("/files/") + name, 2048));
    }
    view.RefreshItemCount();
  }
  void TearDown() override { SetSprResGlobal(0); }

  QPoint RowPoint(int row) const { return view.visualRect(view.model()->index(row, 0)).center(); }

  // The application exists before the first widget.
  QApplication& app = FileListQtTestApp();
  TFileListView view;
};

TEST_F(FileListViewWidget, RowsComeFromTheStore) {
  ASSERT_EQ(view.model()->columnCount(), 4);
  EXPECT_EQ(HeaderText(view, 0), "Name");
  EXPECT_EQ(HeaderText(view, 2), "Size");
  EXPECT_EQ(view.header()->sectionSize(3), 300);
  EXPECT_EQ(view.model()->rowCount(), 7);
  EXPECT_EQ(CellText(view, 2, 0), "c.txt");
  EXPECT_EQ(CellText(view, 2, 2), "2.000 KB");
  EXPECT_EQ(view.model()->index(2, 2).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight,
            Qt::AlignRight);
  EXPECT_FALSE(view.model()->index(0, 0).data(Qt::CheckStateRole).isValid());
  // A caption wider than its column ends in an ellipsis, its first letters kept.
  EXPECT_EQ(view.model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Name");
  view.header()->resizeSection(3, 30);
  const QString shown = view.model()->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString();
  EXPECT_TRUE(shown.isEmpty() || shown.endsWith(QChar(0x2026))) << FromQString(shown);
  view.SetColumns(flvColNumbering, flvColExt);
  EXPECT_EQ(view.model()->columnCount(), 2);
  EXPECT_EQ(CellText(view, 6, 0), "7");
  EXPECT_EQ(CellText(view, 6, 1), "TXT");
}

TEST_F(FileListViewWidget, TheFilterMapsRowsForSelectionCheckMarksAndDrag) {
  view.SetMultiSelect(true);
  view.SetCheckboxes(true);
  view.AddFilter({flvColPath, ".txt", kFlvFilterContains, false, kFlvFilterKindText});
  view.SetFilterOn(true);
  Flush();
  ASSERT_EQ(view.model()->rowCount(), 4);
  EXPECT_EQ(CellText(view, 1, 0), "c.txt");
  // Selecting a row reports its entry.
  std::vector<std::pair<int32_t, std::string>> selected;
  view.OnSelectFileListItem = [&](TFileListView*, TFileListViewListItem, bool on, int32_t index, int32_t,
                                  const std::string& fileName) {
    if (on) selected.emplace_back(index, fileName);
  };
  view.selectionModel()->select(view.model()->index(1, 0),
                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  ASSERT_EQ(selected.size(), 1u);
  EXPECT_EQ(selected[0], std::make_pair(2, std::string("/files/c.txt")));
  EXPECT_EQ(view.LastSelectedIndex(), 2);
  EXPECT_EQ(view.GetSelectedItemIndexes(), (TIntArray{2}));
  // Ticking the box of row 2 marks entry 4 (e.txt), nothing else.
  view.model()->setData(view.model()->index(2, 0), Qt::Checked, Qt::CheckStateRole);
  for (int32_t i = 0; i < view.GetFileCount(); ++i) EXPECT_EQ(view.Items().Checked(i), i == 4) << i;
  EXPECT_EQ(view.model()->index(2, 0).data(Qt::CheckStateRole).toInt(), Qt::Checked);
  // Dragging rows 1 and 2 (c, e) onto row 0 (a) moves those entries.
  view.SetSelectedRows({1, 2});
  view.DragDropProc(view.viewport(), RowPoint(0));
  EXPECT_EQ(ItemNames(view), (TStrArray{"c.txt", "e.txt", "a.txt", "b.doc", "d.doc", "f.doc", "g.txt"}));
  EXPECT_EQ(CellText(view, 0, 0), "c.txt");
  EXPECT_EQ(CellText(view, 2, 0), "a.txt");
  EXPECT_TRUE(view.Items().Checked(1));
  // Below the last row: to the end of all entries, never past it.
  view.SetSelectedRows({0});
  view.DragDropProc(view.viewport(), QPoint(5, view.viewport()->height() - 2));
  EXPECT_EQ(ItemNames(view), (TStrArray{"e.txt", "a.txt", "b.doc", "d.doc", "f.doc", "g.txt", "c.txt"}));
  EXPECT_EQ(view.model()->rowCount(), 4);
  EXPECT_EQ(CellText(view, 3, 0), "c.txt");
}

TEST_F(FileListViewWidget, DragIsTakenOnlyFromTheViewItself) {
  QWidget other;
  EXPECT_TRUE(view.DragOverProc(view.viewport()));
  EXPECT_FALSE(view.DragOverProc(&other));
  EXPECT_FALSE(view.DragOverProc(nullptr));
  int rearranged = 0;
  view.OnRearrangingDone = [&](TFileListView*) { ++rearranged; };
  view.SetSelectedRows({3});
  view.DragDropProc(&other, RowPoint(0));
  EXPECT_EQ(rearranged, 0);
  view.DragDropProc(view.viewport(), RowPoint(0));
  EXPECT_EQ(rearranged, 1);
  EXPECT_EQ(ItemNames(view).front(), "d.doc");
  view.SetAllowItemRearranging(false);
  EXPECT_FALSE(view.DragOverProc(view.viewport()));
  EXPECT_FALSE(view.dragEnabled());
}

TEST_F(FileListViewWidget, WidthsFollowTheControlAndTheUser) {
  view.SetColumns(flvColName, flvColSize);
  view.show();
  view.resize(525, 300);
  Flush();
  view.SetColumnAutoSize(true);
  EXPECT_EQ(view.header()->sectionSize(0), 300);
  EXPECT_EQ(view.header()->sectionSize(1), 200);
  view.resize(275, 300);
  Flush();
  EXPECT_EQ(view.header()->sectionSize(0), 150);
  view.SetColumnAutoSize(false);
  // A width the user dragged reaches the definition.
  view.header()->resizeSection(1, 133);
  view.RefreshColumnWidthCurrentFromGUI();
  EXPECT_EQ(view.ColumnInfos[static_cast<size_t>(view.GetColumnInfoIndex(flvColSize, 0, false))].WidthCurrent, 133);
}

// A text drawn by the text engine, on white, for comparison.
QImage EngineImage(const QFont& font, const QString& text, QSize size) {
  QImage image(size, QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setPen(Qt::black);
  QTextLayout layout(text, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  layout.draw(&painter, QPointF(3, 2));
  return image;
}

QImage CachedImage(TPlainGlyphRun& run, QSize size) {
  QImage image(size, QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setPen(Qt::black);
  run.Draw(&painter, 3, 2);
  return image;
}

TEST(FileListViewCells, CachedGlyphsDrawAsTheTextEngine) {
  FileListQtTestApp();
  const QFont font = QApplication::font();
  const QSize size(420, QFontMetrics(font).height() + 4);
  TPlainGlyphRun run;
  struct TCase {
    const char16_t* Text;
    bool Cached;  // false: left to the text engine whatever the font
  };
  const TCase cases[] = {
      {u"Artist One - Morning.mp3", true},
      {u"1,003.275 KB  17.05.2024 00:00", true},
      {u"AVATAR To Wa Ye LT \"A\" r. y.", true},
      {u"Ärger über Öl, Łódź, Ǆ.txt", true},
      {u"office affluent fjord", true},
      {u"مرحبا.txt", false},
      {u"e\u0301te.txt", false},
      {u"tab\there", false},
      {u"soft\u00ADhyphen", false},
      {u"", true},
  };
  for (const TCase& c : cases) {
    const QString text = QString::fromUtf16(c.Text);
    const bool cached = run.Prepare(font, text);
    if (!c.Cached) {
      EXPECT_FALSE(cached) << FromQString(text);
      continue;
    }
    // Ligatures go to the text engine, so only texts without them must be cached.
    if (!text.contains(u"f")) {
      EXPECT_TRUE(cached) << FromQString(text);
    }
    if (!cached) continue;
    EXPECT_NEAR(run.Width(), QFontMetricsF(font).horizontalAdvance(text), 0.01) << FromQString(text);
    EXPECT_TRUE(CachedImage(run, size) == EngineImage(font, text, size)) << FromQString(text);
  }
  // Too wide: cut on the right as the text engine cuts it.
  const QString wide = QStringLiteral("/home/user/Music/folder17/Artist - A Very Long Title.mp3");
  for (qreal room : {300.0, 151.0, 150.0, 80.5, 30.0}) {
    const QString elided = QFontMetricsF(font).elidedText(wide, Qt::ElideRight, room);
    ASSERT_TRUE(run.PrepareElided(font, wide, room)) << room;
    EXPECT_LE(run.Width(), room);
    EXPECT_TRUE(CachedImage(run, size) == EngineImage(font, elided, size)) << room << " " << FromQString(elided);
  }
  // Another font: the cache follows it.
  QFont bold = font;
  bold.setBold(true);
  ASSERT_TRUE(run.Prepare(bold, QStringLiteral("Size 1234")));
  EXPECT_TRUE(CachedImage(run, size) == EngineImage(bold, QStringLiteral("Size 1234"), size));
  QFont underlined = font;
  underlined.setUnderline(true);
  EXPECT_FALSE(run.Prepare(underlined, QStringLiteral("Size")));
}

// Name, Size, Date and Path customizable, in that default order; Date hidden.
void MakeCustomizable(TFileListView& view) {
  int32_t order = 0;
  for (TFileListViewColumnType type : {flvColName, flvColSize, flvColDate, flvColPath}) {
    TFileListViewColumnInfo& d = view.ColumnInfos[static_cast<size_t>(view.GetColumnInfoIndex(type, 0, false))];
    d.Customizable = true;
    d.OrderInitial = order;
    d.OrderCurrent = order++;
    d.VisibleInitial = type != flvColDate;
  }
}

TStrArray ListTexts(TVirtualListView* list, size_t cell) {
  TStrArray texts;
  for (size_t i = 0; i < list->VirtualItems.size(); ++i) texts.emplace_back(list->VirtualItems.Str(i, cell));
  return texts;
}

TEST_F(FileListViewWidget, ColumnsDialogAppliesOnlyOnOK) {
  SetSprResGlobal(0);
  TFileListViewSpr spr;
  spr.SetLanguage();
  spr.resize(800, 300);
  MakeCustomizable(spr);
  spr.header()->resizeSection(3, 222);  // Path, dragged by the user
  // Cancel: nothing changes but the shown columns' flags.
  OnNextModal<QDialog>([](QDialog* modal) { modal->reject(); });
  spr.ExecuteColumnsDialog();
  EXPECT_EQ(spr.ColumnsVisible(), (TIntArray{0, 2, 1, 5}));
  EXPECT_EQ(spr.header()->sectionSize(3), 222);
  // The dialog lists the columns in their order with their categories; the
  // user hides Name, shows Date and drags Path to the top.
  OnNextModal<QDialog>([&](QDialog* dialog) {
    TVirtualListView* list = dialog->findChild<TVirtualListView*>();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(FromQString(dialog->windowTitle()), "Columns");
    EXPECT_EQ(ListTexts(list, 0), (TStrArray{"Name", "Size", "Date", "Path"}));
    EXPECT_EQ(ListTexts(list, 1), (TStrArray{"File Name", "File Property", "File Date", "File Name"}));
    SaveScreenshot(dialog, "columns_dialog");
    list->ItemCheckedProc(0, false);
    list->ItemCheckedProc(2, true);
    list->SetSelectedRows({3});
    list->DropSelectedOnRow(0);
    dialog->accept();
  });
  spr.ExecuteColumnsDialog();
  const int32_t name = spr.GetColumnInfoIndex(flvColName, 0, false);
  const int32_t size = spr.GetColumnInfoIndex(flvColSize, 0, false);
  const int32_t date = spr.GetColumnInfoIndex(flvColDate, 0, false);
  const int32_t path = spr.GetColumnInfoIndex(flvColPath, 0, false);
  EXPECT_EQ(spr.ColumnsCustomizable(), (TIntArray{path, name, size, date}));
  EXPECT_EQ(spr.ColumnsVisible(), (TIntArray{path, size, date}));
  EXPECT_EQ(HeaderText(spr, 0), "Path");
  // The width the user gave Path stays.
  EXPECT_EQ(spr.header()->sectionSize(0), 222);
  // Reset refills the dialog with the defaults but applies nothing until OK.
  OnNextModal<QDialog>([&](QDialog* dialog) {
    TVirtualListView* list = dialog->findChild<TVirtualListView*>();
    QPushButton* reset = nullptr;
    for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
      if (b->text() == "Reset") reset = b;
    }
    ASSERT_NE(reset, nullptr);
    reset->click();
    EXPECT_EQ(ListTexts(list, 0), (TStrArray{"Name", "Size", "Date", "Path"}));
    EXPECT_FALSE(list->VirtualItems.Checked(2));
    dialog->reject();
  });
  spr.ExecuteColumnsDialog();
  EXPECT_EQ(spr.ColumnsVisible(), (TIntArray{path, size, date}));
}

TEST_F(FileListViewWidget, LocalisedCaptionsInTwoLanguages) {
  RegisterTranslations();
  TFileListViewSpr spr;
  spr.SetColumns(flvColName, flvColSize, flvColAudioSampleRate, flvColTextBOM);
  for (uint32_t language : {1u, 6u}) {
    SetSprResGlobal(language);
    spr.SetLanguage();
    EXPECT_EQ(HeaderText(spr, 0), SprText(241)) << language;
    EXPECT_EQ(HeaderText(spr, 1), SprText(246)) << language;
    EXPECT_EQ(HeaderText(spr, 2), SprText(740)) << language;
    EXPECT_EQ(HeaderText(spr, 3), "BOM") << language;
    EXPECT_EQ(spr.ColumnTypeToStr(flvColTextBOM), SprText(577) + " " + SprText(335)) << language;
    EXPECT_EQ(spr.StrRes.StrColumns, SprText(589)) << language;
  }
  EXPECT_NE(HeaderText(spr, 1), "Size");
  SetSprResGlobal(1);
  spr.SetLanguage();
  const std::string german = HeaderText(spr, 2);
  SetSprResGlobal(6);
  spr.SetLanguage();
  EXPECT_NE(HeaderText(spr, 2), german);
}

// Thirty files of every kind with their information, and a column of each kind.
void FillThirtyFiles(TFileListView& view) {
  const char* names[] = {"Artist One - Morning.mp3",
                         "Band - Long Road.flac",
                         "Choir - Evening.ogg",
                         "holiday.jpg",
                         "scan 0042.png",
                         "diagram.svg",
                         "trailer.mkv",
                         "lecture.mp4",
                         "clip.avi",
                         "report 2024.pdf",
                         "letter.odt",
                         "notes.txt",
                         "readme.md",
                         "script.py",
                         "table.csv",
                         "archive.zip",
                         "backup.tar",
                         "font.ttf",
                         "tool.sh",
                         "page.html",
                         "data.json",
                         "song.wav",
                         "photo.jpeg",
                         "movie.webm",
                         "manual.docx",
                         "sheet.xlsx",
                         "playlist.m3u",
                         "unknown.xyz",
                         "Projects",
                         "Music"};
  TDateTime day = 0;
  TryEncodeDate(2024, 5, 17, day);
  int n = 0;
  for (const char* name : names) {
    TFileListViewItem item =
        MakeFileItem(std::string("/home/user/Documents/") + name, 1000 + n * 73311, day + n * 0.37);
    if (std::string(name) == "Projects" || std::string(name) == "Music") {
      item.IsFolder = true;
      item.Ext = "DIR";
      item.FileType = 0;
      item.FolderInfoIndex = static_cast<int32_t>(view.FolderInfos.Append({12 + n, 3, 2, 1, 2, 40960}));
    }
    if (item.FileType == ftAudio) {
      TFileListViewAudioInfo a;
      a.Read = true;
      a.Artist = std::string(name).substr(0, std::string(name).find(" - "));
      a.Title = "Title " + std::to_string(n);
      a.Album = "Album";
      a.Track = std::to_string(n % 12 + 1);
      a.Year = "2019";
      a.Genre = "Folk";
      a.Duration = 180 + n * 17;
      a.SampleRate = 44100;
      a.BitRate = 256;
      a.Channels = aicStereo;
      item.AudioInfoIndex = view.AudioInfos.Put(-1, a);
    }
    if (item.FileType == ftImage) {
      TFileListViewImageInfo m;
      m.Read = true;
      m.Width = 1600 + n;
      m.Height = 1200;
      m.ColorDepth = 24;
      m.ColorSpace = "RGB";
      m.ImageCount = 1;
      m.ResolutionHoriz = m.ResolutionVert = 72;
      m.ResolutionUnit = resolutionUnitInch;
      item.ImageInfoIndex = view.ImageInfos.Put(-1, m);
    }
    if (item.FileType == ftVideo) {
      TFileListViewVideoInfo v;
      v.Width = 1920;
      v.Height = 1080;
      v.Duration = 95.5 + n;
      v.FPS = 25;
      v.Bitrate = 4500;
      item.VideoInfoIndex = view.VideoInfos.Put(-1, v);
    }
    if (item.FileType == ftDocument) {
      TFileListViewDocumentInfo d;
      d.Author = "M. Writer";
      d.Title = "Document " + std::to_string(n);
      d.PageCount = 3 + n;
      item.DocumentInfoIndex = view.DocumentInfos.Put(-1, d);
    }
    if (!item.IsFolder) {
      TFileListViewTextInfo t;
      t.Encoding = n % 3 == 0 ? 65001 : 0;
      t.LineBreak = n % 2 == 0 ? 10 : 1310;
      t.Lines = 10 + n;
      t.Chars = 400 + n * 9;
      t.Words = 60 + n;
      t.FirstChars = "First words of " + std::string(name);
      if (n % 4 != 3) item.TextInfoIndex = view.TextInfos.Put(-1, t);
    }
    TFileListViewAttributeInfo attributes;
    attributes.Hidden = n % 7 == 0;
    attributes.ReadOnly = n % 5 == 0;
    attributes.DateModified = day + n * 0.37;
    item.AttributeInfoIndex = view.AttributeInfos.Put(-1, attributes);
    TFileListViewCheckSumInfo sums;
    sums[0] = "9E107D9D372BB6826BD81D3542A419D" + std::to_string(n % 10);
    item.CheckSumInfoIndex = view.CheckSumInfos.Put(-1, sums);
    item.Status = n % 4;
    item.CustomStrValues = {"tag " + std::to_string(n)};
    item.CustomIntValues = {n * 61};
    item.Checked = n % 3 == 0;
    view.AppendItem(item);
    ++n;
  }
  view.RefreshItemCount();
}

TEST(FileListViewScreenshots, ThirtyFilesWithEveryKindOfColumn) {
  FileListQtTestApp();
  SetSprResGlobal(0);
  TFileListViewSpr view;
  view.SetLanguage();
  view.Locale.Number = NumberFormat{".", ","};
  view.DateFormat = "dd.mm.yyyy hh:nn";
  view.SetCheckboxes(true);
  view.SetCustomColumnCounts(1, 1);
  view.SetColumnInfo(flvColCustomStr, 0, "Tag", 70, 0, taLeftJustify, flvEditText, flvFormatDefault, {}, false, false);
  view.SetColumnInfo(flvColCustomInt, 0, "Seconds", 70, 0, taRightJustify, flvEditNone, flvFormatSecToMSorHMS, {},
                     false, false);
  view.SetColumnInfo(flvColCustomDynamicContent, 0, "Host", 60, 0, taLeftJustify, flvEditNone, flvFormatDefault, {},
                     false, false);
  view.OnFetchDynamicColumnContent = [](TFileListView*, int32_t index, int32_t, const std::string&, int32_t&,
                                        std::string& content) { content = "#" + std::to_string(index * 3); };
  FillThirtyFiles(view);
  TFileListViewColumnTypeArr columns = {flvColName,
                                        flvColNumbering,
                                        flvColSize,
                                        flvColDate,
                                        flvColType,
                                        flvColExt,
                                        flvColFolder,
                                        flvColFileCountAll,
                                        flvColTextEncoding,
                                        flvColTextLineBreakType,
                                        flvColTextLineCount,
                                        flvColTextFirstChars,
                                        flvColImageWidth,
                                        flvColImageColorDepth,
                                        flvColAudioArtist,
                                        flvColAudioTitle,
                                        flvColAudioDuration,
                                        flvColAudioSampleRate,
                                        flvColVideoWidth,
                                        flvColVideoFPS,
                                        flvColDocumentAuthor,
                                        flvColDocumentPageCount,
                                        flvColAttributeHidden,
                                        flvColDateModified,
                                        flvColCheckSumMD5,
                                        flvColCombinedDuration,
                                        flvColStatus};
  TFileListViewColumnVisInfoArray list;
  for (TFileListViewColumnType type : columns) list.push_back({view.GetColumnInfoIndex(type, 0, true), true});
  for (TFileListViewColumnType type : {flvColCustomStr, flvColCustomInt, flvColCustomDynamicContent}) {
    list.push_back({view.GetColumnInfoIndex(type, 0, false), true});
  }
  view.SetColumnsCustomizableAndColumnsVisibleFromColumnVisInfoArray(list, true, false);
  view.SetMultiSelect(true);
  view.resize(3400, 720);
  view.show();
  view.SetSelectedRows({4, 5});
  Flush();
  EXPECT_EQ(view.model()->rowCount(), 30);
  EXPECT_EQ(view.model()->columnCount(), 30);
  SaveScreenshot(&view, "view_30_files");
  // The same list sorted by size, descending, in a narrower window.
  view.SortDown(flvColSize, 0);
  view.SetColumns(flvColName, flvColSize, flvColDate, flvColType, flvColPath);
  view.resize(900, 720);
  Flush();
  EXPECT_EQ(CellText(view, 0, 0), "Music");
  SaveScreenshot(&view, "view_30_files_sorted");
  // German, mirrored Arabic.
  RegisterTranslations();
  SetSprResGlobal(1);
  view.SetLanguage();
  Flush();
  SaveScreenshot(&view, "view_30_files_de");
  SetSprResGlobal(13);
  view.SetLanguage();
  view.setLayoutDirection(Qt::RightToLeft);
  Flush();
  SaveScreenshot(&view, "view_30_files_ar");
  SetSprResGlobal(0);
}

}  // namespace
