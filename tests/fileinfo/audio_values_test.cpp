#include "fileinfo/audio_values.h"

#include <gtest/gtest.h>

TEST(AudioValues, ChannelsFromCountsAndTheirNames) {
  struct {
    int32_t count;
    TAudioInfoChannels channels;
    const char* name;
  } cases[] = {{0, aicUnknown, "Unknown"},
               {1, aicMono, "Mono"},
               {2, aicStereo, "Stereo"},
               {6, aicMultiChannel, "MultiChannel"},
               {-1, aicMultiChannel, "MultiChannel"}};
  for (const auto& c : cases) {
    EXPECT_EQ(IntToChannels(c.count), c.channels) << c.count;
    EXPECT_EQ(ChannelsToStr(c.channels), c.name) << c.count;
  }
}

TEST(AudioValues, RatesWithAndWithoutUnit) {
  EXPECT_EQ(BitrateToStr(128, true), "128 kb/s");
  EXPECT_EQ(BitrateToStr(128, false), "128");
  EXPECT_EQ(SampleRateToStr(44100, true), "44100 Hz");
  EXPECT_EQ(SampleRateToStr(44100, false), "44100");
}

TEST(AudioValues, TrackNumberOnly) {
  EXPECT_EQ(TrackToStr("3/12", true), "3");
  EXPECT_EQ(TrackToStr("A7", true), "7");
  EXPECT_EQ(TrackToStr("none", true), "");
  EXPECT_EQ(TrackToStr("", true), "");
  EXPECT_EQ(TrackToStr("3/12", false), "3/12");
  EXPECT_EQ(TrackToStr("none", false), "none");
}
