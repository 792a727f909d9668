// The test helpers that drive modal windows never leave a test waiting in
// exec(): a window that is not the awaited one, or one its action leaves open,
// is closed within the bound and the test fails with a message naming both.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <string>
#include <vector>

#include "controls_test_app.h"

namespace {

// The failures that run() records, kept from the test's own result.
std::vector<std::string> FailuresOf(const std::function<void()>& run) {
  ::testing::TestPartResultArray results;
  {
    ::testing::ScopedFakeTestPartResultReporter reporter(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
    run();
  }
  std::vector<std::string> messages;
  for (int i = 0; i < results.size(); ++i) messages.emplace_back(results.GetTestPartResult(i).message());
  return messages;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Well beyond the bound, far below the CTest time-out: a sign of a hang.
constexpr qint64 kHangMs = 4 * kModalBoundMs;

class ModalWatch : public ::testing::Test {
 protected:
  void SetUp() override { ControlsTestApp(); }
};

TEST_F(ModalWatch, AnotherWindowInPlaceOfTheAwaitedOneIsClosedAndFails) {
  bool acted = false;
  OnNextModal(ModalTitled("Export File List"), [&](QWidget*) { acted = true; });
  QDialog other;
  other.setWindowTitle("Replace the file?");
  int result = -1;
  QElapsedTimer clock;
  clock.start();
  std::vector<std::string> failures = FailuresOf([&] { result = other.exec(); });
  EXPECT_LT(clock.elapsed(), kHangMs);
  EXPECT_EQ(result, QDialog::Rejected);
  EXPECT_FALSE(acted);
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_TRUE(
      Contains(failures[0], "Awaited a window titled \"Export File List\", but QDialog \"Replace the file?\" was open"))
      << failures[0];

  // The awaited window never came: the test fails at its end.
  failures = FailuresOf([] { FinishModalExpectations(); });
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_TRUE(Contains(failures[0], "Awaited a window titled \"Export File List\", but it never opened"))
      << failures[0];
}

TEST_F(ModalWatch, AWindowItsActionLeavesOpenIsClosedAndFails) {
  // As an action does whose ASSERT fails before it closes the window.
  OnNextModal<QFileDialog>([](QFileDialog* dialog) { ASSERT_EQ(dialog, nullptr); });
  QFileDialog dialog(nullptr, "Import File List");
  int result = -1;
  QElapsedTimer clock;
  clock.start();
  std::vector<std::string> failures = FailuresOf([&] { result = dialog.exec(); });
  EXPECT_LT(clock.elapsed(), kHangMs);
  EXPECT_EQ(result, QDialog::Rejected);
  ASSERT_EQ(failures.size(), 2u);
  EXPECT_TRUE(Contains(failures[0], "Expected equality")) << failures[0];
  EXPECT_TRUE(Contains(failures[1], "Awaited no further modal window, but QFileDialog \"Import File List\""))
      << failures[1];
  EXPECT_TRUE(Contains(failures[1], "stayed open after its test action")) << failures[1];
  EXPECT_TRUE(FailuresOf([] { FinishModalExpectations(); }).empty());
}

TEST_F(ModalWatch, AWindowOpenedOverTheAwaitedOneIsClosedToo) {
  // As a file dialog does with its "File not found" window when its action
  // accepts a name: the action waits in the second window's exec().
  int inner = -1;
  OnNextModal<QDialog>([&](QDialog* outer) {
    QMessageBox box(QMessageBox::Warning, "Import File List", "File not found.", QMessageBox::Ok, outer);
    inner = box.exec();
    outer->accept();
  });
  QDialog outer;
  outer.setWindowTitle("Import File List");
  int result = -1;
  QElapsedTimer clock;
  clock.start();
  std::vector<std::string> failures = FailuresOf([&] { result = outer.exec(); });
  EXPECT_LT(clock.elapsed(), kHangMs);
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_NE(inner, -1);
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_TRUE(Contains(failures[0], "Awaited no further modal window, but QMessageBox \"Import File List\" was open"))
      << failures[0];
}

TEST_F(ModalWatch, WindowsAreAwaitedInTurnAndByKind) {
  // The second window opens from the first one's action and is awaited by its
  // own call; a window of another kind is not taken for an awaited one.
  std::vector<std::string> seen;
  OnNextModal<QDialog>([&](QDialog* first) {
    seen.push_back(first->windowTitle().toStdString());
    OnNextModal<QMessageBox>([&](QMessageBox* box) {
      seen.push_back(box->windowTitle().toStdString());
      box->accept();
    });
    QMessageBox box(QMessageBox::Question, "second", "?", QMessageBox::Ok, first);
    box.exec();
    first->accept();
  });
  QDialog first;
  first.setWindowTitle("first");
  std::vector<std::string> failures = FailuresOf([&] { EXPECT_EQ(first.exec(), QDialog::Accepted); });
  EXPECT_TRUE(failures.empty());
  EXPECT_EQ(seen, (std::vector<std::string>{"first", "second"}));
}

}  // namespace
