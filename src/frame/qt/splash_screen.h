// The borderless start picture that stays on top while the main window is
// built. It closes itself after its display time (five ticks of a fifth of
// it) or at once when the picture is clicked. At most one exists at a time.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdint>

class TSplashScreen : public QWidget {
  Q_OBJECT
 public:
  explicit TSplashScreen(QWidget* parent = nullptr);
  ~TSplashScreen() override;

  QTimer* Timer() const { return FTimer; }
  QLabel* Image() const { return FImage; }
  int32_t TickCount() const { return FTickCount; }

  void TimerProc();
  void CloseProc();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  friend void ShowSplashScreenPicture(const QPixmap&, int32_t, int32_t, int32_t);
  QTimer* FTimer = nullptr;
  QLabel* FImage = nullptr;
  int32_t FTickCount = 0;
};

// The splash window while it exists.
TSplashScreen* SplashForm();

// Shows the picture for duration milliseconds. With both centre values 0 the
// window is centred on the screen, otherwise on that point. A splash window
// that is still open is only brought to the front.
void ShowSplashScreenPicture(const QPixmap& picture, int32_t duration, int32_t centerTop, int32_t centerLeft);
