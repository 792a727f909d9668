// The one QApplication of the main-window tests, screenshots, and a fixture
// whose program has its own configuration folder.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <cstdlib>
#include <string>

#include "test_support.h"

QApplication& WordGenTestApp();

// Saves the widget as SYLLABRIX_SCREENSHOT_DIR/wordgen_<name>.png.
void SaveScreenshot(QWidget* widget, const std::string& name);

// Points the per-user configuration folder at a fresh temporary folder for
// the test and brings the English texts back afterwards.
class TWordGenFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  testsupport::TempDir ConfigHome;
  testsupport::TempDir AppDir;

 private:
  bool FHadConfigHome = false;
  std::string FOldConfigHome;
};
