#include "frame/qt/open_file_dialog.h"

#include <QFileInfo>
#include <algorithm>

TOpenFileDialog::TOpenFileDialog(QWidget* parent, const QString& title, const QStringList& filters,
                                 const QString& defaultSuffix)
    : QFileDialog(parent, title), FDefaultSuffix(defaultSuffix) {
  setNameFilters(filters);
  setAcceptMode(QFileDialog::AcceptOpen);
  setFileMode(QFileDialog::ExistingFile);
  setDefaultSuffix(defaultSuffix);
}

void TOpenFileDialog::accept() {
  // The names as the user typed or picked them, without the suffix.
  setDefaultSuffix(QString());
  const QStringList asTyped = selectedFiles();
  const bool exist = !asTyped.isEmpty() && std::all_of(asTyped.begin(), asTyped.end(),
                                                       [](const QString& name) { return QFileInfo::exists(name); });
  setDefaultSuffix(exist ? QString() : FDefaultSuffix);
  QFileDialog::accept();
}
