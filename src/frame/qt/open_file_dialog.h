// The open dialog of every command that reads a file.
#pragma once

#include <QFileDialog>
#include <QString>
#include <QStringList>

// Qt's file dialog appends the default suffix to every typed name without
// one, so a file that has no extension ("README", a licence text) could not
// be opened by typing its name: "GPL-3" became "GPL-3.txt", not found. Here a
// name that exists as typed opens as typed; only a name that does not exist
// gets the default suffix ("notes" opens "notes.txt").
class TOpenFileDialog : public QFileDialog {
  Q_OBJECT
 public:
  TOpenFileDialog(QWidget* parent, const QString& title, const QStringList& filters, const QString& defaultSuffix);
  void accept() override;

 private:
  QString FDefaultSuffix;
};
