// The program's help and information window: a header picture and its
// tabbed pages of markup composed from the text store. The object lives as
// long as the frame; the window exists only while it is open.
#pragma once

#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>

#include "foundation/colours.h"
#include "frame/core/info_page_texts.h"

// Supplies the header picture for a language; the picture stays null for none.
using TFetchHeaderImageProc = std::function<void(int32_t ALanguage, QPixmap& AHeaderImage)>;

class THTMLPanel;

class TInfoDialogObj : public QObject {
  Q_OBJECT
 public:
  explicit TInfoDialogObj(QObject* owner = nullptr);
  ~TInfoDialogObj() override;

  int32_t Language() const { return FLanguage; }
  void SetLanguage(int32_t language);
  std::string ProgID;
  std::string ProgVersion;
  std::string ProgVersionAsYYMMDD, ProgYear, ProgCompilationYear;
  std::string ProgWebsite;
  std::string ProgURLRef;
  TFetchHeaderImageProc OnFetchHeaderImage;
  TIntArray HelpTexts;
  const TStrArray& InfoThanks() const { return FInfoThanks; }
  void SetInfoThanks(const TStrArray& lines) { FInfoThanks = lines; }
  TGraphicsColor ColorLinks = 0xB57254;
  bool HasBatchVersion = false;

  void ShowInfoDialog(int32_t pageID);
  std::string GetInfoDialogText(int32_t pageID) const;
  // The window while it is open.
  QWidget* Form() const { return FForm; }
  void ProcMouseWheel(THTMLPanel* sender, int32_t wheelDelta);

 private:
  void BuildForm();

  int32_t FLanguage = 0;
  TStrArray FInfoThanks;
  QPointer<QWidget> FForm;
};
