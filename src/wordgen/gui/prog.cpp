#include "wordgen/gui/prog.h"

#include <sys/stat.h>

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <exception>
#include <filesystem>

#include "controls/control_helpers.h"
#include "controls/dialogs.h"
#include "controls/zoom_memo.h"
#include "foundation/code_pages.h"
#include "foundation/letter_case.h"
#include "foundation/number_format.h"
#include "foundation/qt/qt_strings.h"
#include "foundation/random.h"
#include "foundation/str_split.h"
#include "foundation/str_transform.h"
#include "foundation/text_files.h"
#include "frame/qt/open_file_dialog.h"
#include "frame/qt/settings_user_dialogs_qt.h"
#include "text/caption_grammar.h"
#include "text/text_store.h"
#include "ui_prog.h"
#include "wordgen/engine/create_command.h"
#include "wordgen/engine/list_builders.h"
#include "wordgen/gui/file_commands.h"
#include "wordgen/gui/settings_ids.h"
#include "wordgen/gui/syllable_menu.h"

Tprog* prog = nullptr;

namespace {

// The form's width of its buttons, and the room a longer caption keeps on either side.
constexpr int kMinButtonWidth = 80;
constexpr int kButtonTextRoom = 8;

constexpr const char* kDefaultRandNumbers = "1-20";
constexpr const char* kTagProperty = "Tag";
// Smallest widths of the two panes beside a splitter, and the room kept free
// to the right of the bar.
constexpr int32_t kPaneMinWidth = 150;
constexpr int32_t kRightReserve = 40;

// The program's line breaks inside a memo are LF; files may bring CR LF or CR.
std::string ToMemoLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

// The extension of a filter entry ("Word Document (*.docx)" gives "docx").
QString FilterExtension(const QString& entry) {
  const int star = entry.lastIndexOf(QStringLiteral("*."));
  if (star < 0) return QString();
  QString ext = entry.mid(star + 2);
  ext.chop(ext.endsWith(QLatin1Char(')')) ? 1 : 0);
  return ext == QStringLiteral("*") ? QString() : ext;
}

// The UTF-16 position of the caret that stands codePoints characters into the text.
int CaretPosition(const QString& text, int64_t codePoints) {
  int pos = 0;
  for (int64_t n = 0; n < codePoints && pos < text.size(); ++n)
    pos += (text.at(pos).isHighSurrogate() && pos + 1 < text.size() && text.at(pos + 1).isLowSurrogate()) ? 2 : 1;
  return pos;
}

QPixmap ProgramPicture(int width, int height, const QString& subtitle) {
  QPixmap picture(width, height);
  picture.fill(QColor(0x2b, 0x4a, 0x6f));
  QPainter painter(&picture);
  painter.setPen(Qt::white);
  QFont font = painter.font();
  font.setPixelSize(height / 4);
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(QRect(0, 0, width, height * 2 / 3), Qt::AlignCenter, QStringLiteral("Syllabrix"));
  font.setPixelSize(qMax(10, height / 12));
  font.setBold(false);
  painter.setFont(font);
  painter.drawText(QRect(0, height / 2, width, height / 2), Qt::AlignCenter, subtitle);
  return picture;
}

enum TSaveContentNumber : int32_t { kSaveSyllables = 0, kSaveWords = 1, kSaveTable = 2 };

constexpr StrResGlobal kSlotFileNotCreated = 158;
constexpr StrResGlobal kSlotFileNotFound = 159;
// Program texts.
constexpr int32_t kTextCloseQuestion = 123;
constexpr int32_t kTextCharactersReplaced = 124;
constexpr int32_t kTextSavedOnSheets = 127;

}  // namespace

// --- Dialogs -------------------------------------------------------------------

void TQtProgDialogs::MessageBox(TMessageKind kind, const std::string& caption, const std::string& text) {
  const QMessageBox::Icon icon = kind == TMessageKind::Error     ? QMessageBox::Critical
                                 : kind == TMessageKind::Warning ? QMessageBox::Warning
                                                                 : QMessageBox::Information;
  QMessageBox box(icon, ToQString(caption), ToQString(text), QMessageBox::Ok, FParent);
  box.exec();
}

std::string TQtProgDialogs::InputEdit(const std::string& caption, const std::string& prompt,
                                      const std::string& okCaption, const std::string& cancelCaption,
                                      const std::string& text) {
  return ::InputEdit(caption, prompt, okCaption, cancelCaption, text, false);
}

void TQtProgDialogs::InputMemo(const std::string& caption, const std::string& prompt, const std::string& okCaption,
                               const std::string& cancelCaption, const std::string& text) {
  ::InputMemo(caption, prompt, okCaption, cancelCaption, text);
}

std::string TQtProgDialogs::OpenFile(const std::string& title, const std::string& filter) {
  TOpenFileDialog dialog(FParent, ToQString(title), QtFileFilters(filter), QStringLiteral("txt"));
  dialog.setViewMode(QFileDialog::Detail);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::string();
  return FromQString(dialog.selectedFiles().first());
}

std::string TQtProgDialogs::SaveFile(const std::string& title, const std::string& folder, const std::string& fileName,
                                     const std::string& filter, int32_t& filterIndex) {
  QFileDialog dialog(FParent, ToQString(title), ToQString(folder));
  const QStringList filters = QtFileFilters(filter);
  dialog.setNameFilters(filters);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  const int chosen = (filterIndex >= 1 && filterIndex <= filters.size()) ? filterIndex - 1 : 0;
  if (!filters.isEmpty()) dialog.selectNameFilter(filters.at(chosen));
  // A name typed without an extension gets the one of the chosen format.
  auto suffixFor = [](const QString& entry) {
    const QString ext = FilterExtension(entry);
    return ext.isEmpty() ? QStringLiteral("txt") : ext;
  };
  dialog.setDefaultSuffix(filters.isEmpty() ? QStringLiteral("txt") : suffixFor(filters.at(chosen)));
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&](const QString& entry) { dialog.setDefaultSuffix(suffixFor(entry)); });
  dialog.selectFile(ToQString(fileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::string();
  const int index = filters.indexOf(dialog.selectedNameFilter());
  if (index >= 0) filterIndex = index + 1;
  return FromQString(dialog.selectedFiles().first());
}

void TQtProgDialogs::SetClipboardText(const std::string& text) {
  QGuiApplication::clipboard()->setText(ToQString(text));
}

bool TQtProgDialogs::AskYesNo(const std::string& caption, const std::string& question, const std::string& yesCaption,
                              const std::string& noCaption) {
  // Yes throws work away: the question warns, and Enter, like Escape, answers No.
  QMessageBox box(QMessageBox::Warning, ToQString(caption), ToQString(question), QMessageBox::NoButton, FParent);
  box.setTextFormat(Qt::PlainText);
  QPushButton* yes = box.addButton(ToQString(yesCaption), QMessageBox::YesRole);
  yes->setObjectName(QLatin1String(kDialogYesButtonName));
  QPushButton* no = box.addButton(ToQString(noCaption), QMessageBox::NoRole);
  no->setObjectName(QLatin1String(kDialogNoButtonName));
  box.setDefaultButton(no);
  box.setEscapeButton(no);
  box.exec();
  return box.clickedButton() == yes;
}

// --- Window -------------------------------------------------------------------

Tprog::Tprog(const TProgOptions& options, QWidget* parent) : QMainWindow(parent), ui(std::make_unique<Ui::Tprog>()) {
  ui->setupUi(this);
  FQtDialogs = std::make_unique<TQtProgDialogs>(this);
  FDialogs = options.Dialogs ? options.Dialogs : FQtDialogs.get();
  CreatePopups();

  // The frame component as the form sets it.
  FSP = new TPwkProgObj(this);
  FSP->setObjectName(QStringLiteral("SP"));
  FSP->ProgID = "SX";
  FSP->SetProgName("Syllabrix");
  FSP->ProgNameDE = "Syllabrix";
  FSP->ProgWebsiteDE = "www.pellwick.de/syllabrix";
  FSP->ProgWebsiteEN = "www.pellwick.com/syllabrix";
  FSP->ProgWebsiteES = "www.pellwick.com/es/syllabrix";
  FSP->ProgWebsiteFR = "www.pellwick.com/fr/syllabrix";
  FSP->ProgYear = "2008";
  FSP->SetProgFileExtSettings("sxs");
  FSP->SetLanguages({langEN, langDE, langDA, langES, langFR, langIT, langNL, langPL, langPTBR, langRU, langSR, langAR,
                     langJA, langZHSIMP});
  FSP->ColorLinks = 16736561;
  FSP->SettingsTabAutoStart = true;
  FSP->BatchMode = false;
  FSP->BatchLoadStartSettingsInBatchMode = false;
  FSP->InstanceWillBeClosed = false;
  FSP->ImgSplashScreenEN = ProgramPicture(420, 220, QStringLiteral("Word Generator and Counter"));
  FSP->ImgSplashScreenDE = ProgramPicture(420, 220, QStringLiteral("Wortgenerator und Zähler"));
  FSP->ImgHeaderEN = ProgramPicture(780, 90, QStringLiteral("Word Generator and Counter"));
  FSP->ImgHeaderDE = ProgramPicture(780, 90, QStringLiteral("Wortgenerator und Zähler"));
  FSP->InfoThanks = {"Qt", "ICU", "PCRE2", "zlib", "libzip"};
  FSP->OnLanguageChange = [this](int32_t language) { SPLanguageChange(language); };
  FSP->OnSettingsCustomInputChange = [this](int32_t id, const std::string& value, int32_t valueInt) {
    SPSettingsCustomInputChange(id, value, valueInt);
  };
  FSP->OnSettingsSave = [this](TConfigSaver& settings) { SPSettingsSave(settings); };
  FSP->OnSettingsLoad = [this](TConfigSaver& settings) { SPSettingsLoad(settings); };
  FSP->OnSettingsReset = [this](void* sender) { SPSettingsReset(sender); };
  FSP->OnWindowSizeSave = [this](const std::string& section, TConfigSaver& settings) {
    SPWindowSizeSave(section, settings);
  };
  FSP->OnWindowSizeLoad = [this](const std::string& section, TConfigSaver& settings) {
    SPWindowSizeLoad(section, settings);
  };
  if (options.PrepareFrame) options.PrepareFrame(*FSP);

  BindHandlers();
  prog = this;
  FormCreate();
}

Tprog::~Tprog() {
  FormDestroy();
  if (prog == this) prog = nullptr;
}

QTabWidget* Tprog::pc() const { return ui->pc; }
QWidget* Tprog::tab_creator() const { return ui->tab_creator; }
QWidget* Tprog::tab_counter() const { return ui->tab_counter; }
TAdvancedMemo* Tprog::m_silben() const { return ui->m_silben; }
TAdvancedMemo* Tprog::m_creator_out() const { return ui->m_creator_out; }
TAdvancedMemo* Tprog::m_counter_in() const { return ui->m_counter_in; }
TAdvancedMemo* Tprog::m_counter_out() const { return ui->m_counter_out; }
QComboBox* Tprog::cb_laenge() const { return ui->cb_laenge; }
QComboBox* Tprog::cb_anzahl() const { return ui->cb_anzahl; }
TRatioSplitter* Tprog::splitter_creator() const { return ui->splitter_creator; }
TRatioSplitter* Tprog::splitter_counter() const { return ui->splitter_counter; }

QAction* Tprog::Item(const std::string& name) const { return findChild<QAction*>(ToQString(name)); }
QMenu* Tprog::Popup(const std::string& name) const { return findChild<QMenu*>(ToQString(name)); }

bool Tprog::CreatorTabActive() const { return ui->pc->currentWidget() == ui->tab_creator; }

void Tprog::CreatePopups() {
  struct TPopupItem {
    const char* Name;
    int32_t Tag;
  };
  auto build = [this](const char* name, QAbstractScrollArea* memo, std::initializer_list<TPopupItem> items) {
    auto* menu = new QMenu(this);
    menu->setObjectName(QString::fromLatin1(name));
    for (const TPopupItem& item : items) {
      if (item.Name == nullptr) {
        menu->addSeparator();
        continue;
      }
      QAction* action = menu->addAction(QString::fromLatin1(item.Name));
      action->setObjectName(QString::fromLatin1(item.Name));
      action->setProperty(kTagProperty, item.Tag);
    }
    memo->setContextMenuPolicy(Qt::CustomContextMenu);
    // A scroll area reports the position in its viewport, which a right-to-left
    // field's scrollbar moves away from the frame's left edge.
    connect(memo, &QWidget::customContextMenuRequested, menu,
            [menu, memo](const QPoint& pos) { menu->exec(memo->viewport()->mapToGlobal(pos)); });
  };
  build("pm_silben", ui->m_silben,
        {{"pm_silben_load", 0},
         {nullptr, 0},
         {"pm_silben_save", 0},
         {"pm_silben_clipboard", 0},
         {nullptr, 0},
         {"pm_silben_change_freq_equal", 1},
         {"pm_silben_change_freq_rand", 2},
         {nullptr, 0},
         {"pm_silben_clear", 0}});
  build("pm_creator_out", ui->m_creator_out,
        {{"pm_creator_out_save_txt", 0},
         {"pm_creator_out_save_docx", 0},
         {"pm_creator_out_save_odt", 0},
         {"pm_creator_out_save_rtf", 0},
         {"pm_creator_out_clipboard", 0},
         {nullptr, 0},
         {"pm_creator_out_clear", 0}});
  build("pm_counter_in", ui->m_counter_in,
        {{"pm_counter_in_load", 0}, {"pm_counter_in_clipboard", 0}, {nullptr, 0}, {"pm_counter_in_clear", 0}});
  build("pm_counter_out", ui->m_counter_out,
        {{"pm_counter_out_aslist", 0},
         {nullptr, 0},
         {"pm_counter_resetcounter", 0},
         {nullptr, 0},
         {"pm_counter_out_save_txt", 0},
         {"pm_counter_out_save_csv", 0},
         {"pm_counter_out_save_xlsx", 0},
         {"pm_counter_out_save_ods", 0},
         {"pm_counter_out_save_dif", 0},
         {"pm_counter_out_save_html", 0},
         {nullptr, 0},
         {"pm_counter_out_clipboard_text", 0},
         {"pm_counter_out_clipboard_table", 0},
         {nullptr, 0},
         {"pm_counter_out_clear", 0}});
}

void Tprog::BindHandlers() {
  using THandler = void (Tprog::*)(QObject*);
  auto bind = [this](const char* name, THandler handler) {
    QAction* action = findChild<QAction*>(QString::fromLatin1(name));
    if (!action) return;
    connect(action, &QAction::triggered, this, [this, action, handler] { (this->*handler)(action); });
  };
  const std::pair<const char*, THandler> bindings[] = {
      {"m_create_count", &Tprog::m_create_countClick},
      {"m_load_general", &Tprog::m_load},
      {"m_save_result_general", &Tprog::m_save},
      {"m_creator_out_save_docx", &Tprog::m_save},
      {"m_creator_out_save_odt", &Tprog::m_save},
      {"m_creator_out_save_rtf", &Tprog::m_save},
      {"m_counter_out_save_csv", &Tprog::m_save},
      {"m_counter_out_save_xlsx", &Tprog::m_save},
      {"m_counter_out_save_ods", &Tprog::m_save},
      {"m_counter_out_save_html", &Tprog::m_save},
      {"m_counter_out_save_dif", &Tprog::m_save},
      {"m_copy_result_to_clipboard_text", &Tprog::m_copy_result_to_clipboard_textClick},
      {"m_copy_result_to_clipboard_table", &Tprog::m_clipboard},
      {"m_use_result_as_list", &Tprog::m_setlist},
      {"m_clear_input", &Tprog::m_clear},
      {"m_clear_result", &Tprog::m_clear},
      {"m_close", &Tprog::m_closeClick},
      {"m_silbenliste_load", &Tprog::m_load},
      {"m_silbenliste_save", &Tprog::m_save},
      {"m_silbenliste_del", &Tprog::m_clear},
      {"m_silbenliste_zufall_latein", &Tprog::m_setlist},
      {"m_silbenliste_zufall_lateinumlaut", &Tprog::m_setlist},
      {"m_silbenliste_zufall_kyrill", &Tprog::m_setlist},
      {"m_silbenliste_zufall_griech", &Tprog::m_setlist},
      {"m_silbenliste_zufall_georg", &Tprog::m_setlist},
      {"m_silbenliste_zufall_ziffern", &Tprog::m_setlist},
      {"m_silbenliste_zufall_zahlen", &Tprog::m_setlist},
      {"m_silbenliste_zufall_benutzer", &Tprog::m_setlist},
      {"m_silbenliste_einst", &Tprog::ShowSettingsClick},
      {"pm_silben_load", &Tprog::m_load},
      {"pm_silben_save", &Tprog::m_save},
      {"pm_silben_clipboard", &Tprog::m_clipboard},
      {"pm_silben_change_freq_equal", &Tprog::ChangeSilbenlistFrequencies},
      {"pm_silben_change_freq_rand", &Tprog::ChangeSilbenlistFrequencies},
      {"pm_silben_clear", &Tprog::m_clear},
      {"pm_creator_out_save_txt", &Tprog::m_save},
      {"pm_creator_out_save_docx", &Tprog::m_save},
      {"pm_creator_out_save_odt", &Tprog::m_save},
      {"pm_creator_out_save_rtf", &Tprog::m_save},
      {"pm_creator_out_clipboard", &Tprog::m_clipboard},
      {"pm_creator_out_clear", &Tprog::m_clear},
      {"pm_counter_in_load", &Tprog::m_load},
      {"pm_counter_in_clipboard", &Tprog::m_clipboard},
      {"pm_counter_in_clear", &Tprog::m_clear},
      {"pm_counter_out_aslist", &Tprog::m_setlist},
      {"pm_counter_resetcounter", &Tprog::pm_counter_resetcounterClick},
      {"pm_counter_out_save_txt", &Tprog::m_save},
      {"pm_counter_out_save_csv", &Tprog::m_save},
      {"pm_counter_out_save_xlsx", &Tprog::m_save},
      {"pm_counter_out_save_ods", &Tprog::m_save},
      {"pm_counter_out_save_dif", &Tprog::m_save},
      {"pm_counter_out_save_html", &Tprog::m_save},
      {"pm_counter_out_clipboard_text", &Tprog::m_clipboard},
      {"pm_counter_out_clipboard_table", &Tprog::m_clipboard},
      {"pm_counter_out_clear", &Tprog::m_clear},
  };
  for (const auto& [name, handler] : bindings) bind(name, handler);
  for (std::string_view code : kSyllableMenuCodes) {
    const std::string name = "m_silben_" + std::string(code);
    bind(name.c_str(), &Tprog::m_setlist);
  }
  connect(ui->bt_create, &QPushButton::clicked, this, [this] { bt_createClick(ui->bt_create); });
  connect(ui->bt_count, &QPushButton::clicked, this, [this] { bt_countClick(ui->bt_count); });
  connect(ui->bt_settings_creator, &QPushButton::clicked, this, [this] { ShowSettingsClick(ui->bt_settings_creator); });
  connect(ui->bt_settings_counter, &QPushButton::clicked, this, [this] { ShowSettingsClick(ui->bt_settings_counter); });
  connect(ui->pc, &QTabWidget::currentChanged, this, [this] { RefreshTabDependingCaptions(); });
  for (TRatioSplitter* splitter : {ui->splitter_creator, ui->splitter_counter}) {
    connect(splitter, &TRatioSplitter::Resized, this, [this, splitter] {
      if (!splitter->isVisible()) return;
      if (!splitter->FirstLayoutPending) {
        LayoutSplitter(splitter, false);
        return;
      }
      // A tab that is shown for the first time gets its final width only after
      // the tab widget's own layout pass, which is queued: the first layout waits for it.
      QTimer::singleShot(0, this, [this, splitter] {
        if (!splitter->FirstLayoutPending || !splitter->isVisible()) return;
        splitter->FirstLayoutPending = false;
        LayoutSplitter(splitter, true);
      });
    });
  }
}

void Tprog::FormCreate() {
  // 1., 2.
  ui->m_silben->clear();
  RandNumbers = kDefaultRandNumbers;
  // 3.
  FSP->SettingsAddManagedControl(ui->cb_laenge, "creator", "length", "3-6");
  FSP->SettingsAddManagedControl(ui->cb_anzahl, "creator", "number", "6");
  // 4.
  TSettingsSchemaDefaults defaults;
  std::string fontName;
  int32_t fontSize = 12;
  CHGetFontFixedWidthAndFontSize(ui->la_donate1, fontName, fontSize);
  if (IsNulMarker(fontName)) {
    // None of the known fixed-width fonts is installed: the default names the
    // system's fixed-width font as it resolves here, so the settings show the font in use.
    fontName = FromQString(QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family());
  }
  defaults.FontName = fontName;
  defaults.FontSize = fontSize;
  defaults.DecimalSeparator = GlobalNumberFormat().DecimalSeparator;
  // 5.
  FTabs = DeclareSettingsSchema(*FSP, defaults);
  // 6.
  FSP->AddDonateControl(ui->la_donate1);
  FSP->AddDonateControl(ui->la_donate2);
  // 7.
  FSP->Initialize();
  // The window hears its own close requests before the frame, which saves
  // the settings on exit: a close that the user calls off saves nothing.
  installEventFilter(this);
  // 8.
  FSP->InfoDialogSetHelpTexts(110, 111, 112, 113, 114);
  // 9.
  SetLanguage(FSP->Language());
  // 10.
  if (MemoText(ui->m_silben).empty() || !FSP->ReadBoolean(kSettingSaveWithSettings, false))
    m_setlist(FSP->Language() == SprLangGerman ? Item("m_silben_de") : Item("m_silben_en"));
  // 11.
  SetFontSettings();
  // 12.
  ui->pc->setCurrentWidget(ui->tab_creator);
  // 13.
  for (TAdvancedMemo* memo : {ui->m_creator_out, ui->m_silben, ui->m_counter_in, ui->m_counter_out}) {
    memo->installEventFilter(this);
    // Typing, pasting, dropping and undoing change the field's text as the user's own work.
    connect(memo, &QPlainTextEdit::textChanged, this, [this, memo] {
      if (!FProgramSetsText) MarkFieldUnsaved(memo);
    });
    // Copying the whole text keeps it as well as a save does.
    memo->OnCopyToClipboard = [this, memo](QObject*, std::string&, bool&) {
      const QTextCursor cursor = memo->textCursor();
      if (cursor.selectionStart() == 0 && cursor.selectionEnd() >= memo->document()->characterCount() - 1)
        MarkFieldSaved(memo);
    };
  }
  // 14.
  ui->m_counter_out->clear();
  ui->m_creator_out->clear();
  // 15. The program's generator seeds itself from the clock on first use.
  ProgramRandom();
  // 16.
  FEngine.ClearSilbenFrequencyArray();
  FCounter.GlobalErg.Clear();
  // 17.
  ResizeAll(true);
  // What the start put into the fields is no work of the user's.
  FUnsavedFields.clear();
}

void Tprog::FormDestroy() {
  FEngine.ClearSilbenFrequencyArray();
  FCounter.GlobalErg.Clear();
}

void Tprog::showEvent(QShowEvent* event) {
  if (!FShownOnce) {
    FShownOnce = true;
    if (!FSP->WindowSizeLoaded())
      if (QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
      }
  }
  QMainWindow::showEvent(event);
}

// --- Splitters ----------------------------------------------------------------

void Tprog::ResizeAll(bool firstLayout) {
  for (TRatioSplitter* splitter : {ui->splitter_counter, ui->splitter_creator}) {
    // A splitter that is not shown has no width yet: it lays itself out when it is.
    if (!splitter->isVisible()) {
      splitter->FirstLayoutPending = splitter->FirstLayoutPending || firstLayout;
      continue;
    }
    LayoutSplitter(splitter, firstLayout || splitter->FirstLayoutPending);
    splitter->FirstLayoutPending = false;
  }
}

void Tprog::LayoutSplitter(TRatioSplitter* splitter, bool firstLayout) {
  if (!splitter->isVisible()) return;
  const int32_t w = splitter->width();
  if (w <= 0) return;
  if (firstLayout && splitter->Tag == 0) {
    splitter->SetBarLeft(splitter == ui->splitter_counter ? w / 2 - 2 : w / 3);
    splitter->StoreRatio();
    return;
  }
  int32_t p = static_cast<int32_t>(std::trunc(static_cast<double>(int64_t{w} * splitter->Tag) / 10000.0));
  if (p < kPaneMinWidth) p = kPaneMinWidth;
  if (p > w - kPaneMinWidth - kRightReserve) p = w - kPaneMinWidth - kRightReserve;
  splitter->SetBarLeft(p);
}

// --- Small handlers -----------------------------------------------------------

void Tprog::SetFontSettings() {
  const std::string name = FSP->ReadString(kSettingFont, "");
  // None of the known fixed-width fonts is installed: the system's own fixed-width font stands in.
  const QString family =
      IsNulMarker(name) ? QFontDatabase::systemFont(QFontDatabase::FixedFont).family() : ToQString(name);
  const int32_t size = FSP->ReadInt(kSettingFontSize, 0);
  for (TAdvancedMemo* memo : {ui->m_silben, ui->m_creator_out, ui->m_counter_out, ui->m_counter_in}) {
    QFont font = memo->font();
    font.setFamily(family);
    if (size > 0) font.setPointSize(size);
    memo->setFont(font);
  }
}

bool Tprog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == this && event->type() == QEvent::Close && !ConfirmClose()) {
    event->ignore();
    return true;
  }
  auto* memo = qobject_cast<TAdvancedMemo*>(watched);
  if (memo && event->type() == QEvent::ShortcutOverride) {
    // The memo would take Ctrl+Delete as "delete word"; the menu's clear command comes first.
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Delete && (key->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier) {
      event->ignore();
      return true;
    }
  }
  if (memo && event->type() == QEvent::KeyPress) {
    // MemoKeyDownMac: Command+A selects the whole text. Here the memo would
    // then type the "a" over the selection, so the key ends with the selection.
    auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & Qt::MetaModifier) && key->key() == Qt::Key_A) {
      memo->selectAll();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void Tprog::ShowSettingsClick(QObject* sender) {
  if (sender == ui->bt_settings_counter)
    FSP->ShowSettings(FTabs.Counter);
  else if (sender == ui->bt_settings_creator)
    FSP->ShowSettings(FTabs.Creator);
  else if (sender == Item("m_silbenliste_einst"))
    FSP->ShowSettings(FTabs.SyllableList);
}

void Tprog::m_create_countClick(QObject* sender) {
  if (ui->pc->currentWidget() == ui->tab_creator) bt_createClick(sender);
  if (ui->pc->currentWidget() == ui->tab_counter) bt_countClick(sender);
}

void Tprog::m_closeClick(QObject*) { close(); }

bool Tprog::HoldsUnsavedText() const {
  for (const TAdvancedMemo* memo : FUnsavedFields)
    if (!memo->document()->isEmpty()) return true;
  return false;
}

bool Tprog::ConfirmClose() {
  if (!HoldsUnsavedText()) return true;
  return FDialogs->AskYesNo(SprText(3), SprLocalText(kTextCloseQuestion), SprText(193), SprText(194));
}

void Tprog::ShowFileFailure(StrResGlobal message, const std::string& fileName, int errorNumber) {
  ShowMessage(TMessageKind::Error, SprText(7), FileFailureText(SprText(message), fileName, errorNumber));
}

void Tprog::ShowMessage(TMessageKind kind, const std::string& caption, const std::string& text) {
  FDialogs->MessageBox(kind, caption, text);
}

std::string Tprog::MemoText(const TAdvancedMemo* memo) const { return FromQString(memo->toPlainText()); }

void Tprog::SetMemoText(TAdvancedMemo* memo, const std::string& text) {
  FProgramSetsText = true;
  memo->setPlainText(ToQString(text));
  FProgramSetsText = false;
}

void Tprog::ClearField(TAdvancedMemo* memo) {
  MarkFieldSaved(memo);
  if (memo->document()->isEmpty()) return;
  QTextCursor cursor(memo->document());
  cursor.select(QTextCursor::Document);
  FProgramSetsText = true;
  cursor.removeSelectedText();
  FProgramSetsText = false;
  // Ctrl+Z right after the command brings the text back.
  if (memo->isVisible()) memo->setFocus();
}

// --- Language -----------------------------------------------------------------

void Tprog::SPLanguageChange(int32_t newLanguage) { SetLanguage(newLanguage); }

void Tprog::SetLanguage(int32_t language) {
  ApplyLanguageCaptions(this, language, CreatorTabActive(), FDialogCaptions);
  // A caption longer than the form's button width widens its button, with room beside the text.
  // Only the form's own buttons: the settings window, a child window, has laid
  // out (and mirrored) its buttons for the language already.
  for (QPushButton* button : findChildren<QPushButton*>()) {
    if (button->window() != this) continue;
    button->setMinimumWidth(std::max(kMinButtonWidth, button->sizeHint().width() + 2 * kButtonTextRoom));
  }
  // A count table reads as one table: every row runs in the window's direction,
  // whatever character it begins with.
  QTextDocument* table = ui->m_counter_out->document();
  QTextOption option = table->defaultTextOption();
  option.setTextDirection(layoutDirection());
  // A plain text field aligns its lines as told, not by their direction, and
  // unwrapped lines have no right edge to align to: a right-to-left table
  // stands at the field's right edge, where its rows begin (its rows are short).
  const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
  option.setAlignment(rightToLeft ? Qt::AlignRight : Qt::AlignLeft);
  table->setDefaultTextOption(option);
  ui->m_counter_out->setLineWrapMode(rightToLeft ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  update();
}

void Tprog::RefreshTabDependingCaptions() { ApplyTabDependingCaptions(this, CreatorTabActive()); }

// --- Create and count ---------------------------------------------------------

void Tprog::bt_createClick(QObject*) {
  TCreateSettings settings;
  settings.ClearListBeforeCreation = FSP->ReadBoolean(kSettingClearListBeforeCreation, false);
  settings.ReadableWords = FSP->ReadBoolean(kSettingReadableWords, true);
  settings.WordsBeside = FSP->ReadBoolean(kSettingWordsBeside, false);
  settings.InsertLineBreakBetweenCreations = FSP->ReadBoolean(kSettingInsertLineBreakBetweenCreations, false);
  settings.WordsBesideBetweenChar = FSP->ReadString(kSettingWordsBesideBetweenChar, " ");
  settings.ReadableIfNoRule = FSP->ReadBoolean(kSettingReadableIfNoRule, true);
  settings.SyllableOncePerWord = FSP->ReadBoolean(kSettingSyllableOncePerWord, false);
  settings.Writing = FSP->ReadInt(kSettingWriting, kWritingAsListed);
  settings.UseLineBreakChar = FSP->ReadBoolean(kSettingUseLineBreakChar, false);
  settings.LineBreakChar = FSP->ReadString(kSettingLineBreakChar, "/nl");
  settings.ReadabilityRules = FSP->ReadString(kSettingReadabilityRules, DefaultReadabilityRules());
  settings.CaseRules = FListCaseRules;

  const QString oldQText = ui->m_creator_out->toPlainText();
  const std::string oldText = FromQString(oldQText);
  const TCreateResult result =
      RunCreateCommand(FEngine, settings, FromQString(ui->cb_laenge->currentText()),
                       FromQString(ui->cb_anzahl->currentText()), MemoText(ui->m_silben), oldText);
  // One update of the field for the whole run.
  if (result.OutputText != oldText) {
    const QString text = ToQString(result.OutputText);
    FProgramSetsText = true;
    ui->m_creator_out->setPlainText(text);
    FProgramSetsText = false;
    MarkFieldUnsaved(ui->m_creator_out);
    if (result.Caret) {
      QTextCursor cursor = ui->m_creator_out->textCursor();
      cursor.setPosition(CaretPosition(text, *result.Caret));
      ui->m_creator_out->setTextCursor(cursor);
    }
  } else if (result.Caret) {
    QTextCursor cursor = ui->m_creator_out->textCursor();
    cursor.setPosition(CaretPosition(oldQText, *result.Caret));
    ui->m_creator_out->setTextCursor(cursor);
  }
  for (const TEngineMessage& message : result.Messages)
    ShowMessage(message.Kind, SprText(message.Kind == TMessageKind::Error ? 7 : 1), message.Text);
}

TCounterSettings Tprog::ReadCounterSettings() const {
  TCounterSettings s;
  s.CountType = static_cast<TCountType>(FSP->ReadInt(kSettingCountType, ctLetters));
  s.CountBlanks = FSP->ReadBoolean(kSettingCountBlanks, false);
  s.CountPositions = FSP->ReadBoolean(kSettingCountPositions, false);
  s.ResetCounter = FSP->ReadBoolean(kSettingCountResetCounter, true);
  s.Exclude = FSP->ReadBoolean(kSettingCountExclude, true);
  s.ExcludeChars = FSP->ReadString(kSettingCountExcludeChars, CountExcludeCharsDefault());
  s.OnlyCount = FSP->ReadBoolean(kSettingCountOnly, false);
  s.OnlyChars = FSP->ReadString(kSettingCountOnlyChars, std::string(kCountOnlyCharsDefault));
  s.UseRegex = FSP->ReadBoolean(kSettingCountRegex, false);
  s.RegexExpr = FSP->ReadString(kSettingCountRegexExpr, "");
  s.RegexBrackets = FSP->ReadBoolean(kSettingCountRegexBrackets, true);
  s.RegexShowMatches = FSP->ReadBoolean(kSettingCountRegexShowMatches, false);
  s.CombineLowUp = FSP->ReadBoolean(kSettingCombineLowUp, true);
  s.ReplaceUmlauts = FSP->ReadBoolean(kSettingReplaceUmlauts, false);
  s.ReplaceAccents = FSP->ReadBoolean(kSettingReplaceAccents, false);
  s.ReplaceCapitalSharpS = FSP->ReadBoolean(kSettingReplaceCapitalSharpS, false);
  s.AlwaysCountSmallSharpS = FSP->ReadBoolean(kSettingAlwaysCountSmallSharpS, false);
  s.Sorting = static_cast<TCountSorting>(FSP->ReadInt(kSettingSorting, csCharUp));
  s.ShowNumber = FSP->ReadBoolean(kSettingShowNumber, true);
  s.ShowFrequency = FSP->ReadBoolean(kSettingShowFrequency, true);
  s.ShowTotal = FSP->ReadBoolean(kSettingShowTotal, true);
  s.AddAllCountedChars = FSP->ReadBoolean(kSettingAddAllCountedChars, false);
  s.MinLength = FSP->ReadInt(kSettingMinLength, 1);
  s.MinFrequence = FSP->ReadString(kSettingMinFrequence, "0");
  s.MinFrequenceInt = FSP->ReadInt(kSettingMinFrequence, 0);
  s.MinIsPercent = FSP->ReadBoolean(kSettingMinIsPercent, true);
  s.OnlyElementsStartingWith = FSP->ReadString(kSettingOnlyElementsStartingWith, "");
  s.OnlyElementsEndingWith = FSP->ReadString(kSettingOnlyElementsEndingWith, "");
  s.OnlyElementsContaining = FSP->ReadString(kSettingOnlyElementsContaining, "");
  s.OnlyElementsCase = FSP->ReadBoolean(kSettingOnlyElementsCase, true);
  s.OnlyElementsRegex = FSP->ReadBoolean(kSettingOnlyElementsRegex, false);
  s.OldBasis = FSP->ReadBoolean(kSettingOldBasis, true);
  s.PercentDecimalPlaces = FSP->ReadInt(kSettingPercentDecimalPlaces, 2);
  s.IsolateCells = layoutDirection() == Qt::RightToLeft;
  return s;
}

void Tprog::bt_countClick(QObject*) {
  const TCounterSettings settings = ReadCounterSettings();
  FCounter.OnShowMatches = [this](const std::string& matches) {
    FDialogs->InputMemo(SprText(89), "", SprText(192), "", matches);
  };
  const TCountOutcome outcome = FCounter.Count(MemoText(ui->m_counter_in), settings, GlobalNumberFormat());
  FCounter.OnShowMatches = nullptr;
  if (!outcome.Counted) {
    ShowMessage(TMessageKind::Information, outcome.MessageCaption, outcome.MessageText);
    return;
  }
  SetMemoText(ui->m_counter_out, outcome.Output);
  MarkFieldUnsaved(ui->m_counter_out);
}

void Tprog::pm_counter_resetcounterClick(QObject*) {
  FCounter.ResetCounter();
  ClearField(ui->m_counter_out);
}

// --- Syllable-list sources ----------------------------------------------------

void Tprog::PutListIntoSyllableField(const TStrArray& lines) {
  const std::string joined = Implode(lines, "\n");
  std::string text;
  const bool replace = FSP->ReadBoolean(kSettingAddDeleteOld, true);
  if (replace) {
    text = joined;
  } else {
    text = MemoText(ui->m_silben);
    if (!lines.empty()) {
      if (!text.empty() && text.back() != '\n') text += '\n';
      text += joined;
    }
  }
  // One update of the field for the whole list. A list that the menu made
  // can be made again; a list added to the user's keeps the user's state.
  SetMemoText(ui->m_silben, text);
  if (replace) MarkFieldSaved(ui->m_silben);
  ui->pc->setCurrentWidget(ui->tab_creator);
  RefreshTabDependingCaptions();
  QTextCursor cursor = ui->m_silben->textCursor();
  cursor.setPosition(0);
  ui->m_silben->setTextCursor(cursor);
}

void Tprog::m_setlist(QObject* sender) {
  if (!sender) return;
  const std::string name = FromQString(sender->objectName());
  const bool addSingle = FSP->ReadBoolean(kSettingAddSingle, true);
  const bool addDigrams = FSP->ReadBoolean(kSettingAddDigrams, false);
  const bool addTrigrams = FSP->ReadBoolean(kSettingAddTrigrams, false);
  TRandomGenerator& gen = ProgramRandom();
  TStrArray lines;
  const std::string languagePrefix = "m_silben_";
  auto randomOver = [&](std::string_view chars) { lines = RandomList(chars, addSingle, addDigrams, addTrigrams, gen); };
  TLetterCaseRules rules = TLetterCaseRules::Common;

  if (name.size() == languagePrefix.size() + 2 && name.compare(0, languagePrefix.size(), languagePrefix) == 0) {
    const std::string code = name.substr(languagePrefix.size());
    bool known = false;
    for (std::string_view c : kSyllableMenuCodes) known = known || c == code;
    if (!known) return;
    lines = LoadList(code, addSingle, addDigrams, addTrigrams);
    rules = SyllableListCaseRules(code);
  } else if (name == "m_silbenliste_zufall_latein") {
    randomOver("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  } else if (name == "m_silbenliste_zufall_lateinumlaut") {
    randomOver("ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜß");
  } else if (name == "m_silbenliste_zufall_kyrill") {
    randomOver(UTF8UpperCase("Абвгдеёжзийклмнопрстуфхцчшщъыьэюя"));
  } else if (name == "m_silbenliste_zufall_griech") {
    randomOver(UTF8UpperCase("αβγδεζηθικλμνξοπρστυφχψω"));
  } else if (name == "m_silbenliste_zufall_georg") {
    randomOver("აბგდევზთიკლმნოპჟრსტუფქღყშჩცძწჭხჯჰ");
  } else if (name == "m_silbenliste_zufall_ziffern") {
    randomOver("0123456789");
  } else if (name == "m_silbenliste_zufall_benutzer") {
    const std::string chars = FDialogs->InputEdit(SprLocalText(9), SprLocalText(10), SprText(192), SprText(200),
                                                  FSP->ReadString(kSettingUserDefinedList, "ABCDEF"));
    if (chars.empty() || IsNulMarker(chars)) return;
    randomOver(chars);
  } else if (name == "m_silbenliste_zufall_zahlen") {
    // The prompt ends with the colon of the window's language.
    const std::string prompt = TrimRight(SprColonCaption(SprText(403), "", static_cast<uint32_t>(FSP->Language())));
    const std::string range = FDialogs->InputEdit(SprLocalText(22), prompt, SprText(192), SprText(200), RandNumbers);
    if (range.empty() || IsNulMarker(range)) return;
    if (!NumberRangeList(range, lines, gen)) return;
    RandNumbers = range;
  } else if (name == "m_use_result_as_list" || name == "pm_counter_out_aslist") {
    const TResultAsListStatus status =
        CounterResultAsList(FCounter.GlobalErg, FSP->ReadBoolean(kSettingCountPositions, false), lines);
    if (status == TResultAsListStatus::EmptyResult) {
      const TEngineMessage message = ResultEmptyMessage();
      ShowMessage(message.Kind, SprText(7), message.Text);
      return;
    }
    if (status == TResultAsListStatus::ZeroSum) return;
  } else {
    return;
  }
  FListCaseRules = rules;
  PutListIntoSyllableField(lines);
}

void Tprog::ChangeSilbenlistFrequencies(QObject* sender) {
  auto* item = qobject_cast<QAction*>(sender);
  if (!item) return;
  const int32_t tag = item->property(kTagProperty).toInt();
  if (tag != 1 && tag != 2) return;
  const std::string text = MemoText(ui->m_silben);
  if (text.empty()) return;
  TStrArray lines;
  Explode(lines, "\n", text);
  SetMemoText(ui->m_silben, Implode(::ChangeSilbenlistFrequencies(lines, tag, ProgramRandom()), "\n"));
}

// --- Files and clipboard ------------------------------------------------------

void Tprog::m_load(QObject* sender) {
  if (!sender) return;
  const std::string name = FromQString(sender->objectName());
  TAdvancedMemo* target = nullptr;
  if (name == "m_load_general")
    target = CreatorTabActive() ? ui->m_silben : ui->m_counter_in;
  else if (name == "pm_counter_in_load")
    target = ui->m_counter_in;
  else if (name == "pm_silben_load" || name == "m_silbenliste_load")
    target = ui->m_silben;
  if (!target) return;
  const std::string fileName = FDialogs->OpenFile(FDialogCaptions.Open.Title, FDialogCaptions.Open.Filter);
  if (fileName.empty()) return;
  // On every failure the field keeps its text.
  struct stat st {};
  if (::stat(fileName.c_str(), &st) != 0) {
    ShowFileFailure(kSlotFileNotFound, fileName, errno);
    return;
  }
  try {
    const std::string text = LoadString(fileName);
    SetMemoText(target, ToMemoLineBreaks(text));
    MarkFieldSaved(target);
  } catch (const EFileError& e) {
    ShowMessage(TMessageKind::Error, SprText(7), FileFailureText("", fileName, e.ErrorNumber));
  } catch (const std::exception& e) {
    ShowMessage(TMessageKind::Error, SprText(7), e.what());
  }
}

void Tprog::m_save(QObject* sender) {
  if (!sender) return;
  const std::string name = FromQString(sender->objectName());
  struct TSaveTarget {
    const char* Name;
    int32_t Content;  // kSaveWords, kSaveTable, kSaveSyllables; -1: by the active tab
    int32_t FilterIndex;
  };
  static const TSaveTarget kTargets[] = {
      {"m_save_result_general", -1, 1},
      {"m_creator_out_save_docx", kSaveWords, 2},
      {"pm_creator_out_save_docx", kSaveWords, 2},
      {"m_creator_out_save_odt", kSaveWords, 3},
      {"pm_creator_out_save_odt", kSaveWords, 3},
      {"m_creator_out_save_rtf", kSaveWords, 4},
      {"pm_creator_out_save_rtf", kSaveWords, 4},
      {"pm_creator_out_save_txt", kSaveWords, 1},
      {"pm_silben_save", kSaveSyllables, 0},
      {"m_silbenliste_save", kSaveSyllables, 0},
      {"pm_counter_out_save_txt", kSaveTable, 1},
      {"m_counter_out_save_csv", kSaveTable, 2},
      {"pm_counter_out_save_csv", kSaveTable, 2},
      {"m_counter_out_save_xlsx", kSaveTable, 3},
      {"pm_counter_out_save_xlsx", kSaveTable, 3},
      {"m_counter_out_save_ods", kSaveTable, 4},
      {"pm_counter_out_save_ods", kSaveTable, 4},
      {"m_counter_out_save_dif", kSaveTable, 5},
      {"pm_counter_out_save_dif", kSaveTable, 5},
      {"m_counter_out_save_html", kSaveTable, 6},
      {"pm_counter_out_save_html", kSaveTable, 6},
  };
  for (const TSaveTarget& target : kTargets) {
    if (name != target.Name) continue;
    const int32_t content = target.Content >= 0 ? target.Content : (CreatorTabActive() ? kSaveWords : kSaveTable);
    SaveWithDialog(content, target.FilterIndex);
    return;
  }
}

void Tprog::SaveWithDialog(int32_t content, int32_t filterIndex) {
  const TSaveContent kind = content == kSaveSyllables ? TSaveContent::SyllableList
                            : content == kSaveWords   ? TSaveContent::CreatedWords
                                                      : TSaveContent::CountTable;
  // The syllable list keeps the dialog's last filter entry.
  if (filterIndex > 0) FSaveFilterIndex = filterIndex;
  const std::string proposed = kind == TSaveContent::SyllableList ? SprLocalText(14) : SprText(670);
  int32_t chosenIndex = FSaveFilterIndex;
  std::string fileName =
      FDialogs->SaveFile(FDialogCaptions.Save.Title, InitialDir, proposed, SaveDialogFilter(kind), chosenIndex);
  if (fileName.empty()) return;
  FSaveFilterIndex = chosenIndex;

  TExportSettings settings;
  settings.CodePage = FSP->ReadInt(kSettingEncoding, cpUTF8);
  settings.WriteBOM = FSP->ReadBoolean(kSettingBOM, false);
  settings.FieldSeparator = FSP->ReadString(kSettingFieldSeparator, ",");
  settings.QuoteCharacter = FSP->ReadString(kSettingQuoteCharacter, "\"");
  settings.QuoteOnlyIfNecessary = FSP->ReadBoolean(kSettingQuoteOnlyIfNecessary, true);
  settings.ShowNumber = FSP->ReadBoolean(kSettingShowNumber, true);
  settings.ShowFrequency = FSP->ReadBoolean(kSettingShowFrequency, true);

  const TSaveFormat format = ChooseSaveFormat(kind, chosenIndex, fileName);
  TSaveReport report;
  TAdvancedMemo* source = kind == TSaveContent::SyllableList   ? ui->m_silben
                          : kind == TSaveContent::CreatedWords ? ui->m_creator_out
                                                               : ui->m_counter_out;
  if (kind != TSaveContent::CountTable || format == TSaveFormat::Txt) {
    report = SaveTextAs(MemoText(source), fileName, kind == TSaveContent::SyllableList ? TSaveFormat::Txt : format,
                        settings);
  } else {
    if (FCounter.GlobalErg.Count() == 0) {
      ShowMessage(TMessageKind::Error, SprText(7), SprLocalText(41));
      return;
    }
    const TStrArray2D table = FCounter.GlobalErgAsStrArray2D(ReadCounterSettings(), GlobalNumberFormat());
    report = SaveCountTableAs(table, fileName, format, settings);
  }
  if (!report.Saved) {
    ShowFileFailure(kSlotFileNotCreated, fileName, report.ErrorNumber);
    return;
  }
  InitialDir = FolderOfFileName(fileName);
  MarkFieldSaved(source);
  if (report.ReplacedCharacters > 0) {
    // The file holds "?" where the code page has no character: the user learns
    // how many, and that UTF-8 would keep them.
    std::string text = SprLocalText(kTextCharactersReplaced);
    text = StringReplaceFast(text, "<N>", std::to_string(report.ReplacedCharacters));
    text = StringReplaceFast(text, "<E>", CodePageToStr(settings.CodePage, true));
    ShowMessage(TMessageKind::Warning, SprText(3), text);
  }
  if (report.Sheets > 1) {
    // Readers stop at the end of a sheet: the user learns where the rest is.
    ShowMessage(TMessageKind::Information, SprText(1),
                StringReplaceFast(SprLocalText(kTextSavedOnSheets), "<N>", std::to_string(report.Sheets)));
  }
}

void Tprog::m_clipboard(QObject* sender) {
  if (!sender) return;
  const std::string name = FromQString(sender->objectName());
  TAdvancedMemo* copied = nullptr;
  if (name == "pm_counter_out_clipboard_text") {
    copied = ui->m_counter_out;
  } else if (name == "pm_counter_in_clipboard") {
    copied = ui->m_counter_in;
  } else if (name == "pm_creator_out_clipboard") {
    copied = ui->m_creator_out;
  } else if (name == "pm_silben_clipboard") {
    copied = ui->m_silben;
  } else if (name == "m_copy_result_to_clipboard_table" || name == "pm_counter_out_clipboard_table") {
    FDialogs->SetClipboardText(
        CountTableAsTabText(FCounter.GlobalErgAsStrArray2D(ReadCounterSettings(), GlobalNumberFormat())));
    MarkFieldSaved(ui->m_counter_out);
    return;
  } else {
    return;
  }
  FDialogs->SetClipboardText(MemoText(copied));
  MarkFieldSaved(copied);
}

void Tprog::m_copy_result_to_clipboard_textClick(QObject*) {
  TAdvancedMemo* copied = nullptr;
  if (CreatorTabActive())
    copied = ui->m_creator_out;
  else if (ui->pc->currentWidget() == ui->tab_counter)
    copied = ui->m_counter_out;
  if (!copied) return;
  FDialogs->SetClipboardText(MemoText(copied));
  MarkFieldSaved(copied);
}

void Tprog::m_clear(QObject* sender) {
  if (!sender) return;
  const std::string name = FromQString(sender->objectName());
  if (name == "m_clear_result")
    ClearField(CreatorTabActive() ? ui->m_creator_out : ui->m_counter_out);
  else if (name == "m_clear_input" || name == "pm_counter_in_clear")
    ClearField(ui->m_counter_in);
  else if (name == "pm_counter_out_clear")
    ClearField(ui->m_counter_out);
  else if (name == "pm_creator_out_clear")
    ClearField(ui->m_creator_out);
  else if (name == "m_silbenliste_del" || name == "pm_silben_clear")
    ClearField(ui->m_silben);
}

// --- Settings notifications ---------------------------------------------------

void Tprog::SPSettingsCustomInputChange(int32_t controlID, const std::string&, int32_t) {
  if (controlID == kSettingFont || controlID == kSettingFontSize) SetFontSettings();
}

void Tprog::SPSettingsSave(TConfigSaver& settings) {
  if (FSP->ReadBoolean(kSettingSaveWithSettings, false)) settings.Add("mainform", "syllables", MemoText(ui->m_silben));
  settings.Add("main", "initial_dir", InitialDir);
  if (RandNumbers != kDefaultRandNumbers) settings.Add("syllablelist", "rand_numbers", RandNumbers);
}

void Tprog::SPSettingsLoad(TConfigSaver& settings) {
  if (FSP->ReadBoolean(kSettingSaveWithSettings, false)) {
    SetMemoText(ui->m_silben, ToMemoLineBreaks(settings.ReadString("mainform", "syllables", MemoText(ui->m_silben))));
    MarkFieldSaved(ui->m_silben);
  }
  RandNumbers = settings.ReadString("syllablelist", "rand_numbers", RandNumbers);
  InitialDir = settings.ReadString("main", "initial_dir", InitialDir);
  SetFontSettings();
}

void Tprog::SPSettingsReset(void*) {
  SetFontSettings();
  std::error_code error;
  const std::filesystem::path current = std::filesystem::current_path(error);
  InitialDir = error ? std::string() : current.string() + "/";
  RandNumbers = kDefaultRandNumbers;
}

void Tprog::SPWindowSizeSave(const std::string& preferredSection, TConfigSaver& settings) {
  settings.Add(preferredSection, "ratio_creator", ui->splitter_creator->Tag);
  settings.Add(preferredSection, "ratio_counter", ui->splitter_counter->Tag);
}

void Tprog::SPWindowSizeLoad(const std::string& preferredSection, TConfigSaver& settings) {
  int32_t value = 0;
  if (settings.ReadIntIfKeyExists(preferredSection, "ratio_creator", value)) ui->splitter_creator->Tag = value;
  if (settings.ReadIntIfKeyExists(preferredSection, "ratio_counter", value)) ui->splitter_counter->Tag = value;
}
