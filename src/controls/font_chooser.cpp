#include "controls/font_chooser.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <cmath>

#include "controls/control_arranger.h"
#include "controls/font_classification.h"
#include "foundation/qt/qt_strings.h"
#include "text/text_store.h"

namespace {

constexpr int kWindowWidth = 400;
constexpr int kWindowHeight = 550;
constexpr int kMinWindowWidth = 350;
constexpr int kMinWindowHeight = 470;
constexpr int kSidePanelWidth = 200;

QLabel* Heading(const std::string& text, QWidget* parent) {
  auto* label = new QLabel(ToQString(text), parent);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  label->setWordWrap(true);
  return label;
}

}  // namespace

TFontSelectDialog::TFontSelectDialog(bool showAdvanced) : TFontSelectDialog(showAdvanced, InstalledFontFamilies()) {}

TFontSelectDialog::TFontSelectDialog(bool showAdvanced, const TStrArray& families)
    : FShowAdvanced(showAdvanced), FFontManager(std::make_unique<TFontManager>(GetFontInfoCached)) {
  FFontManager->AddSystemFonts(families);
}

TFontSelectDialog::~TFontSelectDialog() { delete FWindow.data(); }

std::string TFontSelectDialog::PreviewText(const std::string& pattern, const std::string& fontName) {
  static const std::string kName = "%name%";
  std::string text = pattern;
  for (size_t at = text.find(kName); at != std::string::npos; at = text.find(kName, at + fontName.size())) {
    text.replace(at, kName.size(), fontName);
  }
  return text;
}

void TFontSelectDialog::BuildWindow() {
  auto* window = new QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  FWindow = window;
  window->setLayoutDirection(BiDiMode);
  QScreen* screen = QGuiApplication::primaryScreen();
  double dpi = screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
  double scale = dpi / 96.0;
  int width = static_cast<int>(std::lround(kWindowWidth * scale));
  int height = static_cast<int>(std::lround(kWindowHeight * scale));
  window->setMinimumSize(static_cast<int>(std::lround(kMinWindowWidth * scale)),
                         static_cast<int>(std::lround(kMinWindowHeight * scale)));
  if (screen != nullptr) {
    int margin = static_cast<int>(std::lround(dpi * 1.4));
    QRect available = screen->availableGeometry();
    if (height + margin > available.height()) height = available.height() - margin;
    if (width + margin > available.width()) width = available.width() - margin;
  }
  window->resize(width, height);

  auto* column = new QVBoxLayout(window);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  FFontNameEdit = new QLineEdit(ToQString(InitialFont), window);
  FFontNameEdit->setObjectName(QStringLiteral("FontNameEdit"));
  auto* top = new QVBoxLayout;
  top->setContentsMargins(10, 10, 10, 3);
  top->addWidget(FFontNameEdit);
  column->addLayout(top);

  auto* main = new QHBoxLayout;
  main->setContentsMargins(0, 7, 0, 0);
  main->setSpacing(0);
  FListBox = new TFontListBox(window);
  FListBox->SetShowFont(true);
  FListBox->SetShowSubTitle(true);
  FListBox->SetFontSize(16);
  FListBox->OwnerData = true;
  FListBox->OnData = [this](QObject*, std::string& fontName, std::string& textFont, std::string& subTitle,
                            TFontStyleSet& styles, int32_t index) {
    TFMFontRec rec = FFontManager->GetFMFontRecFromVisibleFonts(index);
    fontName = rec.Name;
    styles = rec.Styles;
    textFont = PreviewText(FromQString(FPreviewEdit->text()), rec.Name);
    subTitle = rec.Name;
  };
  FListBox->OnSelectFont = [this](QObject*, const std::string& name) {
    if (!FFontNameEdit->hasFocus()) FFontNameEdit->setText(ToQString(name));
  };
  auto* listArea = new QVBoxLayout;
  listArea->setContentsMargins(10, 0, 10, 0);
  listArea->addWidget(FListBox);
  main->addLayout(listArea, 1);

  FSidePanel = new QWidget(window);
  FSidePanel->setMinimumWidth(kSidePanelWidth);
  FSidePanel->hide();
  auto* side = new QVBoxLayout(FSidePanel);
  side->setContentsMargins(10, 0, 10, 0);
  side->setSpacing(5);
  auto addHeading = [&](const std::string& text, bool first) {
    if (!first) side->addSpacing(15);
    side->addWidget(Heading(text, FSidePanel));
  };
  auto addCheck = [&](const std::string& text) {
    auto* box = new QCheckBox(ToQString(text), FSidePanel);
    box->setChecked(true);
    QObject::connect(box, &QCheckBox::toggled, box, [this, box] { SettingsChanged(box); });
    side->addWidget(box);
    return box;
  };
  addHeading(StrExampleText, true);
  FPreviewEdit = new QLineEdit(QStringLiteral("%name%"), FSidePanel);
  side->addWidget(FPreviewEdit);
  addHeading(StrFilter, false);
  FFilterEdit = new QLineEdit(ToQString(FilterNameStr), FSidePanel);
  FFilterEdit->setToolTip(ToQString(StrFilterDesMultiCommaSemicolon));
  side->addWidget(FFilterEdit);
  addHeading(StrType, false);
  FSerif = addCheck(StrSerif);
  FSansSerif = addCheck(StrSansSerif);
  FOthers = addCheck(StrOthers);
  addHeading(StrCharacterWidth, false);
  FFixed = addCheck(StrFixedWidth);
  FVariable = addCheck(StrVariableWidth);
  addHeading(StrLineWeight, false);
  FThin = addCheck(StrThin);
  FAverage = addCheck(StrAverage);
  FThick = addCheck(StrThick);
  side->addStretch(1);
  QObject::connect(FPreviewEdit, &QLineEdit::textChanged, FPreviewEdit, [this] { SettingsChanged(FPreviewEdit); });
  QObject::connect(FFilterEdit, &QLineEdit::textChanged, FFilterEdit, [this] { SettingsChanged(FFilterEdit); });
  main->addWidget(FSidePanel);
  column->addLayout(main, 1);

  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(6, 10, 10, 10);
  buttons->setSpacing(6);
  auto* cancel = new QPushButton(ToQString(StrCancel), window);
  cancel->setObjectName(QStringLiteral("CancelButton"));
  auto* ok = new QPushButton(ToQString(StrOk), window);
  ok->setObjectName(QStringLiteral("OkButton"));
  ok->setDefault(true);
  FAdvancedButton = new QPushButton(ToQString(StrAdvanced + "..."), window);
  FAdvancedButton->setObjectName(QStringLiteral("AdvancedButton"));
  FAdvancedButton->setVisible(FShowAdvanced);
  TControlArranger arranger;
  for (QPushButton* button : {cancel, ok, FAdvancedButton}) {
    button->setMinimumWidth(std::max(75, arranger.AdjustControlSize(button)));
  }
  buttons->addWidget(cancel);
  buttons->addSpacing(4);
  buttons->addWidget(ok);
  buttons->addStretch(1);
  buttons->addWidget(FAdvancedButton);
  column->addLayout(buttons);
  QObject::connect(cancel, &QPushButton::clicked, window, &QDialog::reject);
  QObject::connect(ok, &QPushButton::clicked, window, &QDialog::accept);
  QObject::connect(FAdvancedButton, &QPushButton::clicked, window, [this] {
    FWindow->resize(FWindow->width() + kSidePanelWidth, FWindow->height());
    FSidePanel->show();
    FAdvancedButton->hide();
  });
  QObject::connect(window, &QDialog::finished, window, [this] { InitialFont = FromQString(FFontNameEdit->text()); });

  window->setWindowTitle(ToQString(StrCaption));
  FListBox->SetCount(FFontManager->GetFMFontCountVisible());
  if (screen != nullptr) window->move(screen->availableGeometry().center() - window->rect().center());
  FFontNameEdit->setFocus();
}

void TFontSelectDialog::SettingsChanged(QObject* sender) {
  if (sender == FPreviewEdit) {
    FListBox->ResetItemHeight();
    FListBox->update();
    return;
  }
  if (sender == FFilterEdit) {
    FFontManager->SetFilterName(FromQString(FFilterEdit->text()));
  } else {
    FFontManager->SetFilterClassification(FSerif->isChecked(), FSansSerif->isChecked(), FOthers->isChecked(),
                                          FThin->isChecked(), FAverage->isChecked(), FThick->isChecked(),
                                          FFixed->isChecked(), FVariable->isChecked());
  }
  FListBox->SetCount(FFontManager->GetFMStyleFontCountVisible());
}

bool TFontSelectDialog::Execute() {
  if (FWindow == nullptr) BuildWindow();
  bool ok = FWindow->exec() == QDialog::Accepted;
  // Every close ends this window; the next Execute builds a new one.
  FWindow->deleteLater();
  FWindow = nullptr;
  return ok;
}

TFontSelectDialogSpr::TFontSelectDialogSpr(bool showAdvanced) : TFontSelectDialog(showAdvanced) { SetLanguage(); }

TFontSelectDialogSpr::TFontSelectDialogSpr(bool showAdvanced, const TStrArray& families)
    : TFontSelectDialog(showAdvanced, families) {
  SetLanguage();
}

void TFontSelectDialogSpr::SetLanguage() {
  if (SprResGlobalArr.empty()) return;
  StrCaption = SprText(603);
  StrOk = SprText(192);
  StrCancel = SprText(200);
  StrFilter = SprText(93);
  StrAdvanced = SprText(27);
  StrCharacterWidth = SprText(613);
  StrFixedWidth = SprText(614);
  StrVariableWidth = SprText(615);
  StrLineWeight = SprText(616);
  StrThin = SprText(651);
  StrAverage = SprText(385);
  StrThick = SprText(650);
  StrType = SprText(242);
  StrOthers = SprText(673);
  StrName = SprText(241);
  StrFilterDesMultiCommaSemicolon = SprText(95);
  StrExampleText = SprText(600);
  StrInterpretAsRegex = SprText(111);
  StrOptionen = SprText(26);
  StrFormat = SprText(304);
}
