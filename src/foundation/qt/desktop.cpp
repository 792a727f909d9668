#include "foundation/qt/desktop.h"

#include <QDesktopServices>
#include <QProcess>
#include <filesystem>

#include "foundation/qt/qt_strings.h"
#include "foundation/str_transform.h"

namespace {

TUrlOpener& UrlOpener() {
  static TUrlOpener opener;
  return opener;
}

TProgramStarter& ProgramStarter() {
  static TProgramStarter starter;
  return starter;
}

bool OpenUrl(const QUrl& url) {
  if (UrlOpener()) return UrlOpener()(url);
  return QDesktopServices::openUrl(url);
}

bool StartProgram(const QString& program, const QStringList& arguments) {
  if (ProgramStarter()) return ProgramStarter()(program, arguments);
  return QProcess::startDetached(program, arguments);
}

}  // namespace

void SetUrlOpener(TUrlOpener opener) { UrlOpener() = std::move(opener); }
void SetProgramStarter(TProgramStarter starter) { ProgramStarter() = std::move(starter); }

bool OpenDirectory(const std::string& path) {
  if (path.empty()) return false;
  std::error_code ec;
  if (std::filesystem::exists(path, ec)) {
    QString absolute = ToQString(std::filesystem::absolute(path, ec).string());
    return OpenUrl(QUrl::fromLocalFile(absolute));
  }
  QUrl url(ToQString(path), QUrl::StrictMode);
  if (!url.isValid() || url.scheme().isEmpty() || url.isRelative()) return false;
  return OpenUrl(url);
}

void ShowSystemFilePropertyDialog(const std::string& path) {
  std::string p = Trim(path);
  if (p.size() > 1 && p.back() == '/') p.pop_back();
  if (p.empty()) return;
  std::error_code ec;
  QString absolute = ToQString(std::filesystem::absolute(p, ec).string());
  // Percent-encoding every comma keeps the single address one array element
  // for dbus-send.
  QByteArray encoded = QUrl::toPercentEncoding(absolute, "/");
  QString uri = QStringLiteral("file://") + QString::fromLatin1(encoded);
  StartProgram(QStringLiteral("dbus-send"),
               {QStringLiteral("--session"), QStringLiteral("--type=method_call"),
                QStringLiteral("--dest=org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
                QStringLiteral("org.freedesktop.FileManager1.ShowItemProperties"),
                QStringLiteral("array:string:") + uri, QStringLiteral("string:")});
}
