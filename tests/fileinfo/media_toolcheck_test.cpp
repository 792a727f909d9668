// The video, document and PDF readers on fixtures that the Debian tools make
// (ffmpeg, mkvmerge, pandoc, LibreOffice, qpdf), each checked against a table
// of expected fields and against ffprobe, mediainfo and pdfinfo.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>

#include "fileinfo/document_info.h"
#include "fileinfo/pdf_info.h"
#include "fileinfo/video_info.h"
#include "probe_output.h"
#include "support/test_support.h"

using testsupport::RunCommand;
using testsupport::ShellQuote;

namespace {

const testsupport::TempDir& Fixtures() { return MadeFixtures("make_media_fixtures.sh"); }

TProbe Probe(const std::vector<std::string>& files) {
  std::vector<std::string> paths;
  for (const auto& f : files) paths.push_back(Fixtures().file(f));
  return RunProbeScript("probe_media.py", paths);
}

struct TVideoCase {
  const char* File;
  TVideoInfoFormat Format;
  int32_t Width, Height;
  double Fps;       // -1: not checked
  double Duration;  // seconds, within 0.1; 0: the reader gives none
};

}  // namespace

TEST(ToolCheckVideoInfo, FixturesAgreeWithTableFfprobeAndMediainfo) {
  const TVideoCase cases[] = {
      {"v_avi.avi", vifAVI, 320, 240, 25, 4.0},
      {"v_flv.flv", vifFLV, 176, 144, 30, 3.0},
      // A program stream's play time spans its time stamps; ffprobe adds the
      // last frame's own length.
      {"v_mpeg1.mpg", vifMPG, 320, 240, 25, 2.96},
      {"v_mpeg2.mpg", vifMPG, 720, 576, 25, 2.96},
      {"v_webm.webm", vifMKV, 640, 360, 0, 3.0},
      {"v_mkv.mkv", vifMKV, 1280, 720, 0, 5.023},
      {"v_mkv_tracks.mkv", vifMKV, 1280, 720, 0, 5.038},
      {"v_mkv_noduration.mkv", vifMKV, 320, 240, 0, 0},
      {"v_wmv.wmv", vifWMV, 320, 240, 0, 4.0},
      {"v_wma.wmv", vifWMV, 0, 0, 0, 4.0},
      {"v_mp4.mp4", vifMP4, 480, 270, 25, 4.0},
      {"v_mov.mov", vifMP4, 320, 240, 25, 4.0},
      {"v_ogv.ogv", vifOGV, 320, 240, 15, 4.0},
      // The video runs longer than the sound beside it.
      {"v_av.ogv", vifOGV, 320, 240, 15, 4.0},
      {"v_f4v.f4v", vifMP4, 320, 240, 25, 3.0},
      // The first video track behind an audio track; H.265 beside two sound
      // tracks and subtitles.
      {"v_audiofirst.mkv", vifMKV, 320, 240, 0, 3.0},
      {"v_hevc.mkv", vifMKV, 320, 240, 0, 3.0},
      // The frame rate is the video track's own samples over its own media
      // time, beside chapters, an edit list that cuts the start, and sound.
      {"v_chapters.mp4", vifMP4, 320, 240, 25, 4.0},
      {"v_cut.mp4", vifMP4, 320, 240, 25, 3.5},
      {"v_f4v_av.f4v", vifMP4, 320, 240, 25, 3.0},
  };
  std::vector<std::string> files;
  for (const auto& c : cases) files.push_back(c.File);
  const TProbe probe = Probe(files);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.File);
    TVideoInfo info;
    ASSERT_TRUE(info.GetVideoData(Fixtures().file(c.File))) << info.Error;
    EXPECT_EQ(info.Format, c.Format);
    EXPECT_EQ(info.Width, c.Width);
    EXPECT_EQ(info.Height, c.Height);
    if (c.Fps >= 0) {
      EXPECT_NEAR(info.FramesPerSecond, c.Fps, 0.01);
    }
    EXPECT_NEAR(info.DurationExact, c.Duration, 0.1);
    if (c.Duration > 0) {
      const double size = static_cast<double>(std::filesystem::file_size(Fixtures().file(c.File)));
      EXPECT_EQ(info.Bitrate, static_cast<int32_t>(std::nearbyint(size / 1024 / info.DurationExact * 8)));
    }
    const auto& p = probe.count(c.File) ? probe.at(c.File) : std::map<std::string, std::string>{};
    if (c.Width > 0) {
      EXPECT_EQ(info.Width, ProbeNumber(p, "ffprobe_width"));
      EXPECT_EQ(info.Height, ProbeNumber(p, "ffprobe_height"));
      EXPECT_EQ(info.Width, ProbeNumber(p, "mediainfo_width"));
      EXPECT_EQ(info.Height, ProbeNumber(p, "mediainfo_height"));
    }
    // The Matroska reader gives a frame rate only when it counts blocks, and
    // ASF names none; the others read the stream's own rate as the tools do.
    if (c.Fps > 0) {
      EXPECT_NEAR(info.FramesPerSecond, ProbeNumber(p, "ffprobe_fps"), 0.01);
      EXPECT_NEAR(info.FramesPerSecond, ProbeNumber(p, "mediainfo_fps"), 0.01);
    }
    // ffprobe's duration is the container's longest stream; ASF's header
    // names the play time less the preroll, which mediainfo and ffprobe round
    // their own ways, so the tools agree with the reader within 0.1 s.
    if (c.Duration > 0) {
      EXPECT_NEAR(info.DurationExact, ProbeNumber(p, "ffprobe_duration"), 0.1);
      // mediainfo gives an Ogg file the play time of its sound, here the
      // shorter stream.
      if (p.count("mediainfo_duration") && std::string(c.File) != "v_av.ogv") {
        EXPECT_NEAR(info.DurationExact, ProbeNumber(p, "mediainfo_duration"), 0.1);
      }
    }
  }
}

TEST(ToolCheckVideoInfo, BlockCountGivesTheFrameRateOfASingleVideoTrack) {
  TVideoInfo info;
  info.ReadFramesPerSecondMKV = true;
  ASSERT_TRUE(info.GetVideoData(Fixtures().file("v_webm.webm")));
  EXPECT_NEAR(info.FramesPerSecond, 24, 0.5);
  // Audio blocks count too: the rate of a file with sound is a block rate.
  ASSERT_TRUE(info.GetVideoData(Fixtures().file("v_mkv.mkv")));
  EXPECT_GT(info.FramesPerSecond, 30);
}

TEST(ToolCheckPDFInfo, FixturesAgreeWithPdfinfo) {
  struct TCase {
    const char* File;
    const char* Version;
    int32_t Pages;
    const char* Title;
    const char* Author;
    const char* Created;
  };
  const TCase cases[] = {
      {"p_classic.pdf", "1.4", 3, "Plan (draft) café", "Ann", "2024-05-17 09:30:00"},
      {"p_utf16.pdf", "1.4", 12, "Köln €", "B\xEF\xAC\x82rge", "2024-05-17 09:30:00"},
      {"p_objstm.pdf", "1.5", 12, "Köln €", "B\xEF\xAC\x82rge", "2024-05-17 09:30:00"},
      {"p_linear.pdf", "1.4", 3, "Plan (draft) café", "Ann", "2024-05-17 09:30:00"},
      // A file that opens without a password is decrypted.
      {"p_encrypted.pdf", "", 3, "Plan (draft) café", "Ann", "2024-05-17 09:30:00"},
      {"d_lo.pdf", "1.6", 1, "Plans & Notes", "Ann Example", nullptr},
  };
  std::vector<std::string> files;
  for (const auto& c : cases) files.push_back(c.File);
  const TProbe probe = Probe(files);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.File);
    TDocumentInfoPDF pdf;
    ASSERT_TRUE(pdf.ReadFromFile(Fixtures().file(c.File)));
    const auto& p = probe.at(c.File);
    EXPECT_EQ(pdf.PageCount, c.Pages);
    EXPECT_EQ(pdf.PageCount, ProbeNumber(p, "pdfinfo_Pages"));
    if (*c.Version) {
      EXPECT_EQ(pdf.PDFVersion, c.Version);
    }
    EXPECT_EQ(pdf.MetaTitle, c.Title);
    EXPECT_EQ(pdf.MetaAuthor, c.Author);
    if (c.Created) {
      EXPECT_EQ(pdf.MetaCreated, c.Created);
    }
    EXPECT_EQ(pdf.MetaTitle, p.at("pdfinfo_Title"));
    EXPECT_EQ(pdf.MetaAuthor, p.at("pdfinfo_Author"));
    EXPECT_EQ(pdf.MetaApplication, p.at("pdfinfo_Creator"));
    EXPECT_EQ(pdf.MetaCreatedWith, p.at("pdfinfo_Producer"));
    // pdfinfo prints the local time with its zone; the reader keeps the
    // written time and drops the zone.
    std::string created = p.at("pdfinfo_CreationDate").substr(0, 19);
    created[10] = ' ';
    EXPECT_EQ(pdf.MetaCreated, created);
  }
}

TEST(ToolCheckDocumentInfo, PackagesMadeByPandocAndLibreOffice) {
  struct TCase {
    const char* File;
    TDocumentInfoFormat Format;
    const char* Title;
    const char* Author;
    const char* Language;
  };
  const TCase cases[] = {
      {"d_pandoc.docx", difDOCX, "Plans & Notes", "Ann Example", ""},
      {"d_pandoc.odt", difODT, "Plans & Notes", "Ann Example", "de-DE"},
      {"d_pandoc.epub", difEPUB, "Plans & Notes", "Ann Example", "de-DE"},
      {"d_pandoc.html", difHTML, "Plans & Notes", "Ann Example", "de-DE"},
      {"d_pandoc.rtf", difRTF, "", "", ""},
      {"d_lo.docx", difDOCX, "Plans & Notes", "Ann Example", ""},
      {"d_lo.odt", difODT, "Plans & Notes", "Ann Example", "de-DE"},
      {"d_lo.rtf", difRTF, "Plans & Notes", "Ann Example", ""},
      {"d_lo.doc", difDOC, "", "", ""},
      {"d_lo.pdf", difPDF, "Plans & Notes", "Ann Example", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.File);
    TDocumentInfo info;
    ASSERT_TRUE(info.GetDocumentData(Fixtures().file(c.File))) << info.Error;
    EXPECT_EQ(info.Format, c.Format);
    EXPECT_EQ(info.MetaTitle, c.Title);
    EXPECT_EQ(info.MetaAuthor, c.Author);
    EXPECT_EQ(info.Language, c.Language);
  }
}
