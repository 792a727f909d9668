#include "frame/qt/settings_window.h"

#include <algorithm>
#include <map>
#include <vector>

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>

#include "controls/control_arranger.h"
#include "controls/control_helpers.h"
#include "controls/edit_with_button.h"
#include "controls/encoding_pickers.h"
#include "controls/padding_button.h"
#include "controls/value_pickers.h"
#include "foundation/code_pages.h"
#include "foundation/colours.h"
#include "foundation/qt/qt_strings.h"
#include "frame/core/settings_window_rules.h"
#include "frame/core/url_rules.h"
#include "frame/qt/html_panel.h"
#include "frame/qt/widget_tags.h"
#include "text/localised_names.h"
#include "text/text_store.h"

namespace {

constexpr const char* kAnchorRight = "anchorRight";
constexpr const char* kMirrored = "syllabrixMirroredPage";

std::string Slot(int32_t slot) {
  if (slot < 0 || slot >= SprStoreLength) return std::string();
  return SprText(static_cast<StrResGlobal>(slot));
}

QString Name(const std::string& prefix, int32_t id) { return ToQString(prefix + std::to_string(id)); }

// Labels, check boxes and radio buttons size themselves to their captions.
void SetCaption(QWidget* control, const std::string& text) {
  const QString caption = ToQString(text);
  if (auto* label = qobject_cast<QLabel*>(control)) {
    label->setText(caption);
    label->adjustSize();
  } else if (auto* button = qobject_cast<TPaddingButton*>(control)) {
    button->SetCaption(caption);
  } else if (auto* check = qobject_cast<QAbstractButton*>(control)) {
    check->setText(caption);
    check->adjustSize();
  }
}

const char* KindName(TSOControlType kind) {
  switch (kind) {
    case ctEditTextTop: return "ctEditTextTop";
    case ctComboBoxTextTop: return "ctComboBoxTextTop";
    case ctColorEditTextTop: return "ctColorEditTextTop";
    case ctFontNameEditTextTop: return "ctFontNameEditTextTop";
    case ctCodePageComboBoxTextTop: return "ctCodePageComboBoxTextTop";
    case ctFontStyleComboBoxTextTop: return "ctFontStyleComboBoxTextTop";
    case ctAlignmentComboBoxTextTop: return "ctAlignmentComboBoxTextTop";
    case ctAlignmentVerticalComboBoxTextTop: return "ctAlignmentVerticalComboBoxTextTop";
    default: return "";
  }
}

bool IsCaptionAbove(TSOControlType k) {
  return k == ctEditTextTop || k == ctComboBoxTextTop || k == ctColorEditTextTop || k == ctFontNameEditTextTop ||
         k == ctCodePageComboBoxTextTop || k == ctFontStyleComboBoxTextTop || k == ctAlignmentComboBoxTextTop ||
         k == ctAlignmentVerticalComboBoxTextTop;
}

bool IsCaptionRight(TSOControlType k) {
  return k == ctEditTextRight || k == ctComboBoxTextRight || k == ctColorEditTextRight ||
         k == ctFontNameEditTextRight || k == ctCodePageComboBoxTextRight || k == ctFontStyleComboBoxTextRight ||
         k == ctAlignmentComboBoxTextRight || k == ctAlignmentVerticalComboBoxTextRight;
}

// The name prefix of a kind's value control.
std::string Prefix(TSOControlType k) {
  switch (k) {
    case ctHeading:
    case ctLabel: return "la";
    case ctHTMLHelp:
    case ctHTMLHelpSpaceAbove: return "hp";
    case ctCheckBox:
    case ctActionCheckBoxToggleCharsInInput: return "cb";
    case ctRadioButton:
    case ctRadioButtonGroupItem: return "rb";
    case ctEdit:
    case ctEditTextTop:
    case ctEditTextRight: return "ed";
    case ctComboBox:
    case ctComboBoxTextTop:
    case ctComboBoxTextRight: return "co";
    case ctMemoAsButton:
    case ctActionButton:
    case ctActionButtonSetToDefault:
    case ctActionButtonConfigureFileListViewColumns: return "bt";
    case ctColorEditTextTop:
    case ctColorEditTextRight: return "ce";
    case ctFontNameEditTextTop:
    case ctFontNameEditTextRight: return "fe";
    case ctCodePageComboBoxTextTop:
    case ctCodePageComboBoxTextRight: return "cp";
    case ctFontStyleComboBoxTextRight:
    case ctFontStyleComboBoxTextTop: return "fs";
    case ctAlignmentComboBoxTextTop:
    case ctAlignmentComboBoxTextRight: return "ac";
    case ctAlignmentVerticalComboBoxTextTop:
    case ctAlignmentVerticalComboBoxTextRight: return "av";
    default: return "";
  }
}

// A field with a button (a font's name, a colour) shows its whole text, beyond
// its declared width if need be.
int32_t FieldWidth(QWidget* control, int32_t declared) {
  const auto* field = qobject_cast<TEditWithButtonBase*>(control);
  return field ? std::max(declared, field->WidthToShowText()) : declared;
}

// The button groups that keep the radio buttons of one choice exclusive.
QButtonGroup* GroupOf(QWidget* sheet, const QString& name) {
  auto* group = sheet->findChild<QButtonGroup*>(name, Qt::FindDirectChildrenOnly);
  if (!group) {
    group = new QButtonGroup(sheet);
    group->setObjectName(name);
  }
  return group;
}

}  // namespace

TSOWindow::TSOWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {}

void TSOWindow::closeEvent(QCloseEvent* event) {
  if (OnFormClose) OnFormClose();
  QWidget::closeEvent(event);
}

TSettingsWindowHost::TSettingsWindowHost(TSettingsObj& settings, QWidget* ownerForm)
    : FSO(settings), FOwnerForm(ownerForm) {
  FSO.WindowHooks.ShowSettings = [this](int32_t tab) { ShowSettings(tab); };
  FSO.WindowHooks.SetLanguage = [this](int32_t language) { SetLanguage(language); };
  FSO.WindowHooks.UpdateControlValuesInGUI = [this] { UpdateControlValuesInGUI(); };
  FSO.WindowHooks.ShowDefaultValue = [this](int32_t id) { ShowDefaultValue(id); };
}

TSettingsWindowHost::~TSettingsWindowHost() {
  FSO.WindowHooks = TSOWindowHooks{};
  delete FSettingsWindow.data();
}

template <class T>
T* TSettingsWindowHost::Find(const std::string& name) const {
  if (!FSettingsWindow) return nullptr;
  return FSettingsWindow->findChild<T*>(ToQString(name));
}

int32_t TSettingsWindowHost::ScreenPixelsPerInch() const {
  if (PixelsPerInch > 0) return static_cast<int32_t>(PixelsPerInch);
  QScreen* screen =
      FSettingsWindow && FSettingsWindow->screen() ? FSettingsWindow->screen() : QGuiApplication::primaryScreen();
  return screen ? static_cast<int32_t>(screen->logicalDotsPerInch()) : 96;
}

// --- Construction ----------------------------------------------------------------

void TSettingsWindowHost::ShowSettings(int32_t tabID) {
  const bool built = !FSettingsWindow;
  if (built) BuildWindow();
  QWidget* tab = Find<QWidget>(SOTabNameFromID(tabID));
  FSettingsWindow->show();
  FSettingsWindow->raise();
  FSettingsWindow->activateWindow();
  if (tab && FSettingsWindow->FPageControl->indexOf(tab) >= 0) {
    // A fresh window is captioned below; an open one lays out the page it switches to.
    QSignalBlocker blocker(built ? FSettingsWindow->FPageControl : nullptr);
    FSettingsWindow->FPageControl->setCurrentWidget(tab);
  }
  if (built) FSO.SetLanguage(FSO.Language());
}

QWidget* TSettingsWindowHost::NewSheet(const QString& name, int32_t tag) {
  auto* sheet = new QWidget;
  sheet->setObjectName(name);
  SetTag(sheet, tag);
  sheet->installEventFilter(this);
  FSettingsWindow->FPageControl->addTab(sheet, QString());
  return sheet;
}

void TSettingsWindowHost::BuildWindow() {
  auto* w = new TSOWindow(FOwnerForm);
  FSettingsWindow = w;
  w->setAttribute(Qt::WA_DeleteOnClose);
  w->setWindowTitle(ToQString(SprText(11)));
  w->resize(720, 480);
  w->setMinimumSize(500, 300);
  if (QScreen* screen = QGuiApplication::primaryScreen()) w->move(screen->geometry().center() - QPoint(360, 240));
  w->OnFormClose = [this] { FSettingsWindow.clear(); };
  auto* layout = new QVBoxLayout(w);
  layout->setContentsMargins(5, 5, 5, 5);
  w->FPageControl = new QTabWidget(w);
  w->FPageControl->setObjectName("pc");
  layout->addWidget(w->FPageControl);

  TControlArranger arranger;
  arranger.GapVertical = FSO.ControlArrangementSpaceVerticalBetweenControls;
  arranger.SpaceVertical = FSO.ControlArrangementSpaceVertical;
  arranger.SetStartPointPosition(FSO.ControlArrangementStartPositionLeft, FSO.ControlArrangementStartPositionTop);
  const std::vector<TSOControlRecord>& controls = FSO.Controls();
  for (int32_t tab = 0; tab < FSO.GetCustomTabCount(); ++tab) {
    QWidget* sheet = NewSheet(Name("tab", tab), tab);
    arranger.SetPositionToStartPoint();
    for (size_t id = 0; id < controls.size(); ++id)
      // Gap elements below an explicitly chosen ID declare nothing.
      if (controls[id].InUse && controls[id].TabID == tab)
        BuildDeclaredControl(sheet, static_cast<int32_t>(id), arranger);
  }
  if (FSO.TabCodePage) BuildCodePageTab(arranger);
  if (FSO.TabContextMenu || FSO.TabFileAssociations || FSO.TabProgramShortCut || FSO.TabAutoStart)
    BuildSystemIntegrationTab(arranger);
  if (FSO.TabLanguage) BuildLanguageTab(arranger);
  if (FSO.TabSaveSettings) BuildSaveTab(arranger);
  connect(w->FPageControl, &QTabWidget::currentChanged, this, [this] { PageControlOnChange(); });
  // The keys of every Qt window with tabs, whichever control has the focus: Escape closes,
  // Ctrl+Tab and Ctrl+Shift+Tab step through the tabs (round).
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), w), &QShortcut::activated, w, &QWidget::close);
  const auto step = [pc = w->FPageControl](int delta) {
    if (pc->count() > 0) pc->setCurrentIndex((pc->currentIndex() + delta + pc->count()) % pc->count());
  };
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), w), &QShortcut::activated, w, [step] { step(1); });
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), w), &QShortcut::activated, w,
          [step] { step(-1); });
}

void TSettingsWindowHost::BuildDeclaredControl(QWidget* sheet, int32_t id, TControlArranger& ar) {
  TSOControlRecord& r = FSO.Controls()[id];
  auto change = [this](QObject* s) { return [this, s] { TabCustomControlChange(s); }; };
  auto label = [&](const std::string& prefix, bool bold) {
    auto* l = new QLabel(sheet);
    l->setObjectName(Name(prefix, id));
    if (bold) {
      QFont f = l->font();
      f.setBold(true);
      l->setFont(f);
    }
    l->show();
    return l;
  };
  auto place = [&](QWidget* c) {
    c->setObjectName(Name(Prefix(r.ControlType), id));
    SetTag(c, id);
    c->show();
    ar.AddBelow(c);
  };
  auto button = [&](auto handler) {
    auto* b = new TPaddingButton(sheet);
    b->SetPaddingHorizontal(12);
    b->SetPaddingVertical(4);
    b->SetAutoSize(true);
    place(b);
    connect(b, &QPushButton::clicked, this, [this, b, handler] { (this->*handler)(b); });
    r.Control = b;
  };
  auto captionLabel = [&] {
    if (r.ControlType == ctEdit || r.ControlType == ctComboBox) return;
    QLabel* l = label("la", false);
    ar.AddBelow(l);
    r.CaptionLabel = l;
  };
  switch (r.ControlType) {
    case ctHeading:
    case ctLabel: {
      QLabel* l = label("la", r.ControlType == ctHeading);
      ar.AddBelow(l);
      r.Control = l;
      break;
    }
    case ctHTMLHelp:
    case ctHTMLHelpSpaceAbove: {
      auto* hp = new THTMLPanel(sheet);
      hp->resize(650, 20);
      hp->SetLinkColor(FSO.ColorLinks);
      hp->setProperty(kAnchorRight, true);
      hp->AutoCreateLinks = true;
      hp->SetAutoSize(true);
      hp->setObjectName(Name("hp", id));
      hp->show();
      ar.AddBelow(hp);
      r.Control = hp;
      break;
    }
    case ctCheckBox: {
      auto* cb = new QCheckBox(sheet);
      cb->setChecked(r.ValueInt == 1);
      place(cb);
      connect(cb, &QCheckBox::toggled, this, change(cb));
      r.Control = cb;
      break;
    }
    case ctRadioButton:
    case ctRadioButtonGroupItem: {
      auto* rb = new QRadioButton(sheet);
      if (r.ControlType == ctRadioButton) {
        GroupOf(sheet, "radiobuttons")->addButton(rb);
        rb->setChecked(r.ValueInt == 1);
      } else {
        GroupOf(sheet, Name("group", r.GroupID))->addButton(rb);
        const auto& all = FSO.Controls();
        rb->setChecked(r.GroupID >= 0 && static_cast<size_t>(r.GroupID) < all.size() &&
                       all[r.GroupID].ValueInt == r.IntID);
      }
      place(rb);
      connect(rb, &QRadioButton::toggled, this, change(rb));
      r.Control = rb;
      break;
    }
    case ctEdit:
    case ctEditTextTop:
    case ctEditTextRight: {
      captionLabel();
      auto* ed = new QLineEdit(sheet);
      ed->resize(100, ed->sizeHint().height());
      ed->setText(ToQString(r.Value));
      place(ed);
      connect(ed, &QLineEdit::textChanged, this, change(ed));
      break;
    }
    case ctComboBox:
    case ctComboBoxTextTop:
    case ctComboBoxTextRight: {
      captionLabel();
      auto* co = new QComboBox(sheet);
      co->setEditable(true);
      co->resize(100, co->sizeHint().height());
      co->setEditText(ToQString(r.Value));
      place(co);
      connect(co, &QComboBox::editTextChanged, this, change(co));
      {
        QSignalBlocker blocker(co);
        const QString text = co->currentText();
        co->clear();
        for (const std::string& item : r.Items) co->addItem(ToQString(item));
        co->setEditText(text);
      }
      r.Control = co;
      break;
    }
    case ctMemoAsButton: button(&TSettingsWindowHost::MemoDialogButtonClick); break;
    case ctActionButton: button(&TSettingsWindowHost::ButtonClick); break;
    case ctActionButtonSetToDefault: button(&TSettingsWindowHost::ActionButtonClickSetToDefault); break;
    case ctActionButtonConfigureFileListViewColumns:
      button(&TSettingsWindowHost::ActionButtonConfigureFileListViewColumns);
      break;
    case ctColorEditTextTop:
    case ctColorEditTextRight: {
      captionLabel();
      auto* ce = new TColorEdit(sheet);
      ce->resize(100, ce->sizeHint().height());
      ce->SetHexColor(r.Value);
      place(ce);
      // The colour edit reports a typed colour twice (once more when it shows it); one is stored.
      ce->OnChange = [this, ce, id](QObject* s) {
        if (ce->GetHexColor() != FSO.Controls()[id].Value) TabCustomControlChange(s);
      };
      r.Control = ce;
      break;
    }
    case ctFontNameEditTextTop:
    case ctFontNameEditTextRight: {
      captionLabel();
      auto* fe = new TFontNameEditSpr(sheet);
      fe->resize(100, fe->sizeHint().height());
      fe->SetFontName(r.Value);
      place(fe);
      fe->OnChange = [this](QObject* s) { TabCustomControlChange(s); };
      r.Control = fe;
      break;
    }
    case ctCodePageComboBoxTextTop:
    case ctCodePageComboBoxTextRight: {
      captionLabel();
      auto* cp = new TCodePageComboBox(sheet);
      cp->resize(100, cp->sizeHint().height());
      cp->SetCodePage(StrToCodePage(r.Value));
      place(cp);
      cp->OnChange = [this](QObject* s) { TabCustomControlChange(s); };
      r.Control = cp;
      break;
    }
    case ctFontStyleComboBoxTextRight:
    case ctFontStyleComboBoxTextTop: {
      captionLabel();
      auto* fs = new TFontStyleComboBoxSpr(sheet);
      fs->resize(100, fs->sizeHint().height());
      fs->SetFrontStyleTypeFromInt(r.ValueInt);
      place(fs);
      fs->OnChange = [this](QObject* s) { TabCustomControlChange(s); };
      r.Control = fs;
      break;
    }
    case ctAlignmentComboBoxTextTop:
    case ctAlignmentComboBoxTextRight: {
      captionLabel();
      auto* ac = new TAlignmentComboBox(sheet);
      ac->resize(100, ac->sizeHint().height());
      ac->SetAlignment(r.ValueInt == 1 ? taRightJustify : r.ValueInt == 2 ? taCenter : taLeftJustify);
      place(ac);
      ac->OnChange = [this](QObject* s) { TabCustomControlChange(s); };
      r.Control = ac;
      break;
    }
    case ctAlignmentVerticalComboBoxTextTop:
    case ctAlignmentVerticalComboBoxTextRight: {
      captionLabel();
      auto* av = new TAlignmentVerticalComboBox(sheet);
      av->resize(100, av->sizeHint().height());
      av->SetAlignment(IntToAlignmentVertical(r.ValueInt));
      place(av);
      av->OnChange = [this](QObject* s) { TabCustomControlChange(s); };
      r.Control = av;
      break;
    }
    case ctActionCheckBoxToggleCharsInInput: {
      auto* cb = new QCheckBox(sheet);
      place(cb);
      connect(cb, &QCheckBox::toggled, this, [this, cb] { ActionCheckBoxToggleCharsChange(cb); });
      r.Control = cb;
      break;
    }
    default: break;  // a radio group has no control of its own
  }
}

void TSettingsWindowHost::BuildCodePageTab(TControlArranger& ar) {
  QWidget* sheet = NewSheet("tab_codepage", kSOTabCodePage);
  ar.SetPositionToStartPoint();
  auto* heading = new QLabel(sheet);
  heading->setObjectName("la_storageformat");
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  ar.AddBelow(heading);
  QButtonGroup* group = GroupOf(sheet, "codepages");
  for (int32_t cp : CodePagesAvailable()) {
    auto* rb = new QRadioButton(ToQString(CodePageToStr(cp, true)), sheet);
    rb->setObjectName(Name("rb_codepage_", cp));
    SetTag(rb, cp);
    group->addButton(rb);
    rb->setChecked(cp == FSO.CodePage);
    rb->adjustSize();
    ar.AddBelow(rb);
    connect(rb, &QRadioButton::toggled, this, [this, rb] { CodePageRadioButtonOrCheckBoxChange(rb); });
  }
  auto* bom = new QCheckBox(sheet);
  bom->setObjectName("cb_writebom");
  bom->setChecked(FSO.CodePageWriteBOM);
  ar.AddBelow(bom);
  connect(bom, &QCheckBox::toggled, this, [this, bom] { CodePageRadioButtonOrCheckBoxChange(bom); });
  ar.AddSpaceVertical();
  auto* hp = new THTMLPanel(sheet);
  hp->setObjectName("hp_codepage");
  hp->resize(650, 20);
  hp->setProperty(kAnchorRight, true);
  hp->SetLinkColor(FSO.ColorLinks);
  hp->SetAutoSize(true);
  ar.AddBelow(hp);
}

void TSettingsWindowHost::BuildSystemIntegrationTab(TControlArranger& ar) {
  QWidget* sheet = NewSheet("tab_systemintegration", kSOTabSystemIntegration);
  ar.SetPositionToStartPoint();
  using THandler = void (TSettingsObj::*)();
  const struct {
    bool On;
    const char* Name;
    THandler Handler;
  } features[] = {{FSO.TabContextMenu, "contextmenu", &TSettingsObj::ShowSettingsDialogContextMenu},
                  {FSO.TabFileAssociations, "fileassociations", &TSettingsObj::ShowSettingsDialogFileAssociations},
                  {FSO.TabProgramShortCut, "programshortcut", &TSettingsObj::ShowSettingsDialogProgramShortCut},
                  {FSO.TabAutoStart, "autostart", &TSettingsObj::ShowSettingsDialogAutoStart}};
  for (const auto& f : features) {
    if (!f.On) continue;
    auto* heading = new QLabel(sheet);
    heading->setObjectName(QString("la_") + f.Name);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    auto* desc = new QLabel(sheet);
    desc->setObjectName(QString("la_") + f.Name + "_desc");
    auto* bt = new TPaddingButton(sheet);
    bt->setObjectName(QString("bt_") + f.Name);
    const THandler handler = f.Handler;
    connect(bt, &QPushButton::clicked, this, [this, handler] { (FSO.*handler)(); });
    ar.AddBelow(heading, desc, bt);
  }
  auto* hp = new THTMLPanel(sheet);
  hp->setObjectName("hp_systemintegration");
  hp->resize(650, 20);
  hp->setProperty(kAnchorRight, true);
  hp->SetLinkColor(FSO.ColorLinks);
  hp->SetAutoSize(true);
  ar.AddBelow(hp);
}

void TSettingsWindowHost::BuildLanguageTab(TControlArranger& ar) {
  QWidget* sheet = NewSheet("tab_lang", kSOTabLanguage);
  ar.SetPositionToStartPoint();
  auto* heading = new QLabel(sheet);
  heading->setObjectName("la_languagesettings");
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  ar.AddBelow(heading);
  QButtonGroup* group = GroupOf(sheet, "languages");
  for (int i = 0; i < SprLanguageCount; ++i) {
    const auto language = static_cast<TLanguages>(i);
    if (!FSO.Languages.Contains(language)) continue;
    const int32_t c = SprLangToSprConst(language);
    auto* rb = new QRadioButton(ToQString(SprLangToSprName(language)), sheet);
    rb->setObjectName(Name("rb_language_", c));
    SetTag(rb, c);
    group->addButton(rb);
    rb->setChecked(c == FSO.Language());
    rb->adjustSize();
    ar.AddBelow(rb);
    connect(rb, &QRadioButton::toggled, this, [this, rb] { LanguageRadioButtonChange(rb); });
  }
  auto* save = new TPaddingButton(sheet);
  save->setObjectName("bt_savelanguage");
  ar.AddBelow(save);
  connect(save, &QPushButton::clicked, this, [this, save] { LanguageTabButtonClickSaveLanguage(save); });
  ar.AddSpaceVertical();
  auto* missingHead = new QLabel(sheet);
  missingHead->setObjectName("la_languagemissing_head");
  missingHead->setFont(bold);
  auto* missingText = new QLabel(sheet);
  missingText->setObjectName("la_languagemissing_text");
  auto* hp = new THTMLPanel(sheet);
  hp->setObjectName("hp_languagemissing");
  hp->resize(650, 20);
  hp->setProperty(kAnchorRight, true);
  hp->SetLinkColor(FSO.ColorLinks);
  hp->SetAutoSize(true);
  ar.AddBelow(missingHead, missingText, hp);
}

void TSettingsWindowHost::BuildSaveTab(TControlArranger& ar) {
  QWidget* sheet = NewSheet("tab_save", kSOTabSaveSettings);
  ar.SetPositionToStartPoint();
  auto label = [&](const char* name, bool heading) {
    auto* l = new QLabel(sheet);
    l->setObjectName(name);
    if (heading) {
      QFont f = l->font();
      f.setBold(true);
      l->setFont(f);
    }
    return l;
  };
  auto button = [&](const char* name, std::function<void(QObject*)> handler) {
    auto* b = new TPaddingButton(sheet);
    b->setObjectName(name);
    connect(b, &QPushButton::clicked, this, [b, handler] { handler(b); });
    return b;
  };
  auto saveButton = [&](const char* name) {
    return button(name, [this](QObject* s) { FSO.SaveTabButtonClickSaveSettings(FromQString(s->objectName())); });
  };
  auto loadButton = [&](const char* name) {
    return button(name, [this](QObject* s) { FSO.SaveTabButtonClickLoadSettings(FromQString(s->objectName())); });
  };
  ar.AddBelow(label("la_save_10", true), label("la_save_11", false), label("la_save_12", false));
  QWidget* saveStart = saveButton("bt_save_save_start");
  QWidget* loadStart = loadButton("bt_save_load_start");
  auto* autoSave = new QCheckBox(sheet);
  autoSave->setObjectName("cb_save_auto");
  autoSave->setChecked(FSO.AutoSaveOnExit());
  connect(autoSave, &QCheckBox::toggled, this, [this, autoSave] { SaveTabAutoSaveCheckBoxChange(autoSave); });
  ar.AddBelowOnCenteredLine(saveStart, loadStart, autoSave);
  ar.AddSpaceVertical();
  ar.AddBelow(label("la_save_20", true), label("la_save_21", false), label("la_save_22", false));
  ar.AddBelowOnCenteredLine(saveButton("bt_save_save_profile"), loadButton("bt_save_load_profile"),
                            saveButton("bt_save_save_file"), loadButton("bt_save_load_file"));
  ar.AddSpaceVertical();
  ar.AddBelow(label("la_save_30", true));
  QButtonGroup* group = GroupOf(sheet, "storagelocation");
  for (const char* name : {"rb_save_appdir", "rb_save_system"}) {
    auto* rb = new QRadioButton(sheet);
    rb->setObjectName(name);
    group->addButton(rb);
    // Bound before the state is set; the handler stores only what is already current.
    connect(rb, &QRadioButton::toggled, this, [this, rb] { SaveTabStorageLocationRadioButtonChange(rb); });
    rb->setChecked(FSO.SaveToAppDir() == (std::string(name) == "rb_save_appdir"));
    ar.AddBelow(rb);
  }
  auto* windowSize = new QCheckBox(sheet);
  windowSize->setObjectName("cb_save_windowsize");
  windowSize->setChecked(FSO.SaveWindowSize());
  connect(windowSize, &QCheckBox::toggled, this,
          [this, windowSize] { SaveTabSaveWindowSizeCheckBoxChange(windowSize); });
  ar.AddBelow(windowSize);
  std::vector<TSOControlRecord>& controls = FSO.Controls();
  for (size_t i = 0; i < controls.size(); ++i) {
    TSOControlRecord& r = controls[i];
    if (!r.InUse || r.TabID != kSOTabSaveSettings || r.ControlType != ctCheckBox) continue;
    auto* cb = new QCheckBox(sheet);
    cb->setObjectName(Name("cb", static_cast<int32_t>(i)));
    SetTag(cb, static_cast<int32_t>(i));
    cb->setChecked(r.ValueInt == 1);
    connect(cb, &QCheckBox::toggled, this, [this, cb] { TabCustomControlChange(cb); });
    r.Control = cb;
    ar.AddBelow(cb);
  }
  ar.AddSpaceVertical();
  ar.AddBelow(label("la_save_40", true), label("la_save_41", false),
              button("bt_save_delete", [this](QObject* s) { SaveTabButtonClickDeleteSettings(s); }));
  ar.AddSpaceVertical();
  auto* hp = new THTMLPanel(sheet);
  hp->setObjectName("hp_save");
  hp->resize(650, 20);
  hp->setProperty(kAnchorRight, true);
  hp->SetLinkColor(FSO.ColorLinks);
  hp->SetAutoSize(true);
  ar.AddBelow(hp);
  for (QWidget* child : sheet->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) child->show();
}

// --- Captions and layout --------------------------------------------------------

void TSettingsWindowHost::MirrorSheet(QWidget* sheet, bool mirrored) {
  if (!sheet || sheet->property(kMirrored).toBool() == mirrored) return;
  for (QWidget* child : sheet->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    child->move(sheet->width() - child->x() - child->width(), child->y());
  sheet->setProperty(kMirrored, mirrored);
}

bool TSettingsWindowHost::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize) {
    auto* sheet = qobject_cast<QWidget*>(watched);
    const auto* resize = static_cast<QResizeEvent*>(event);
    const int32_t delta = resize->size().width() - resize->oldSize().width();
    if (sheet && resize->oldSize().width() > 0 && delta != 0) {
      // Controls that stretch keep both edges; in a mirrored page the others keep their right edge.
      const bool mirrored = sheet->property(kMirrored).toBool();
      for (QWidget* child : sheet->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->property(kAnchorRight).toBool())
          child->resize(child->width() + delta, child->height());
        else if (mirrored)
          child->move(child->x() + delta, child->y());
      }
    }
  }
  return QObject::eventFilter(watched, event);
}

void TSettingsWindowHost::SetLanguage(int32_t language) {
  if (!FSettingsWindow) return;
  TSOWindow* w = FSettingsWindow;
  w->setUpdatesEnabled(false);
  const bool rightToLeft = SprGetBiDiModeOfLanguage(language) == bdRightToLeft;
  w->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
  w->FPageControl->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
  QWidget* activeSheet = w->FPageControl->currentWidget();
  const int32_t active = activeSheet ? GetTag(activeSheet) : -1;
  w->setWindowTitle(ToQString(SprText(11)));
  TControlArranger ar;
  ar.GapVertical = FSO.ControlArrangementSpaceVerticalBetweenControls;
  ar.SpaceVertical = FSO.ControlArrangementSpaceVertical;
  ar.SetStartPointPosition(FSO.ControlArrangementStartPositionLeft, FSO.ControlArrangementStartPositionTop);
  ar.SetPositionToStartPoint();
  QTabWidget* pc = w->FPageControl;
  const struct {
    const char* Name;
    StrResGlobal Slot;
  } standard[] = {{"tab_codepage", 578}, {"tab_systemintegration", 751}, {"tab_lang", 12}, {"tab_save", 204}};
  for (const auto& s : standard)
    if (QWidget* sheet = Find<QWidget>(s.Name)) pc->setTabText(pc->indexOf(sheet), ToQString(SprText(s.Slot)));
  MirrorSheet(activeSheet, false);
  if (active == kSOTabCodePage && FSO.TabCodePage) LayoutCodePageTab(ar);
  if (active == kSOTabSystemIntegration &&
      (FSO.TabContextMenu || FSO.TabFileAssociations || FSO.TabProgramShortCut || FSO.TabAutoStart))
    LayoutSystemIntegrationTab(ar);
  if (active == kSOTabLanguage && FSO.TabLanguage) LayoutLanguageTab(ar);
  if (active == kSOTabSaveSettings && FSO.TabSaveSettings) LayoutSaveTab(ar);
  for (int32_t tab = 0; tab < FSO.GetCustomTabCount(); ++tab)
    if (QWidget* sheet = Find<QWidget>("tab" + std::to_string(tab)))
      pc->setTabText(pc->indexOf(sheet), ToQString(Slot(FSO.Tabs()[tab].CaptionText)));
  // Every tab stays in view: the window grows (up to the screen's width) to the
  // width the tab titles need in this language, before the sheet is laid out.
  GrowToFitTabTitles(w, pc, 24);
  for (int32_t tab = 0; tab < FSO.GetCustomTabCount(); ++tab)
    if (tab == active) LayoutDeclaredTab(tab, ar);
  if (rightToLeft) MirrorSheet(activeSheet, true);
  const int32_t bottom = ar.GetPositionTopAfterLastControl();
  if (bottom + 45 > w->height()) w->resize(w->width(), bottom + FSO.ControlArrangementSpaceVertical + 45);
  w->setUpdatesEnabled(true);
}

void TSettingsWindowHost::Stretch(QWidget* c, const TSOControlRecord& r, TControlArranger& ar) {
  c->setProperty(kAnchorRight, false);
  ar.AdjustControlWidthToParentWidth(c, true);
  if (r.Left != 0) c->setGeometry(ar.StartPointLeft + r.Left, c->y(), c->width() - r.Left, c->height());
  c->setProperty(kAnchorRight, true);
}

void TSettingsWindowHost::LayoutDeclaredTab(int32_t tab, TControlArranger& ar) {
  ar.SetPositionToStartPoint();
  TControlArray line;
  int32_t count = 0;
  std::vector<TSOControlRecord>& controls = FSO.Controls();
  for (size_t i = 0; i < controls.size(); ++i) {
    TSOControlRecord& r = controls[i];
    if (!r.InUse || r.TabID != tab) continue;
    const int32_t id = static_cast<int32_t>(i);
    const TSOControlType kind = r.ControlType;
    const std::string caption = Slot(r.CaptionText);
    TControlArray joins;
    auto single = [&](QWidget* c, bool stretchable) {
      if (r.PlaceBeside) {
        ar.AddBeside(c);
      } else {
        ar.SetPositionLeftToStartPoint();
        ar.AddBelow(c);
      }
      if (stretchable && r.Width == -1) {
        Stretch(c, r, ar);
        return;
      }
      if (r.Left != 0) c->move(ar.StartPointLeft + r.Left, c->y());
      if (r.Width > 0) c->resize(r.Width, c->height());
    };
    QWidget* control = nullptr;
    QLabel* label = nullptr;
    if (IsCaptionAbove(kind) || IsCaptionRight(kind)) {
      label = Find<QLabel>("la" + std::to_string(id));
      control = Find<QWidget>(Prefix(kind) + std::to_string(id));
      if (control && control == label) control = nullptr;
    }
    if (IsCaptionAbove(kind) && label && control) {
      SetCaption(label, caption);
      if (r.PlaceBeside) {
        FSO.UserDialogs().ShowText(std::string(KindName(kind)) + " AddBeside Not Implemented");
      } else {
        ar.SetPositionLeftToStartPoint();
        ar.AddBelow(label, control);
      }
      if (r.Left != 0) {
        label->move(ar.StartPointLeft + r.Left, label->y());
        control->move(ar.StartPointLeft + r.Left, control->y());
      }
      if (r.Width > 0) control->resize(FieldWidth(control, r.Width), control->height());
      if (r.Width == -1) Stretch(control, r, ar);
    } else if (IsCaptionRight(kind) && label && control) {
      SetCaption(label, caption);
      if (r.PlaceBeside) {
        ar.AddBesideOnCenteredLine(control, label);
      } else {
        ar.SetPositionLeftToStartPoint();
        ar.AddBelowOnCenteredLine(control, label);
      }
      if (r.Width > 0) {
        control->resize(FieldWidth(control, r.Width), control->height());
        label->move(control->x() + control->width() + 7, label->y());
      }
      if (r.Left != 0) {
        control->move(ar.StartPointLeft + r.Left, control->y());
        label->move(control->x() + control->width() + 7, label->y());
      }
      if (kind == ctEditTextRight || kind == ctColorEditTextRight || kind == ctFontNameEditTextRight)
        joins = {label, control};
    }
    if ((IsCaptionAbove(kind) || IsCaptionRight(kind)) && label && control) {
      if (auto* fs = qobject_cast<TFontStyleComboBoxSpr*>(control)) fs->SetLanguage();
      if (auto* ac = qobject_cast<TAlignmentComboBox*>(control))
        ac->SetStrings(SprText(624), SprText(625), SprText(633));
      if (auto* av = qobject_cast<TAlignmentVerticalComboBox*>(control))
        av->SetStrings(SprText(621), SprText(623), SprText(633));
    } else if (!IsCaptionAbove(kind) && !IsCaptionRight(kind)) {
      switch (kind) {
        case ctHeading:
        case ctLabel:
          if (auto* l = Find<QLabel>("la" + std::to_string(id))) {
            SetCaption(l, caption);
            if (kind == ctHeading && count > 0 && r.Left == 0) ar.AddSpaceVertical();
            single(l, false);
            joins = {l};
          }
          break;
        case ctHTMLHelp:
        case ctHTMLHelpSpaceAbove:
          if (auto* hp = Find<THTMLPanel>("hp" + std::to_string(id))) {
            hp->SetHTML(caption);
            if (kind == ctHTMLHelpSpaceAbove) ar.AddSpaceVertical();
            single(hp, false);
            joins = {hp};
          }
          break;
        case ctCheckBox:
        case ctActionCheckBoxToggleCharsInInput:
          if (auto* cb = Find<QCheckBox>("cb" + std::to_string(id))) {
            SetCaption(cb, caption);
            single(cb, false);
            if (kind == ctActionCheckBoxToggleCharsInInput) UpdateControlInGUI(id, false);
            joins = {cb};
          }
          break;
        case ctRadioButton:
        case ctRadioButtonGroupItem:
          if (auto* rb = Find<QRadioButton>("rb" + std::to_string(id))) {
            SetCaption(rb, caption);
            single(rb, false);
            joins = {rb};
          }
          break;
        case ctEdit:
        case ctComboBox:
          if (auto* c = Find<QWidget>(Prefix(kind) + std::to_string(id))) {
            single(c, true);
            if (kind == ctEdit) joins = {c};
          }
          break;
        case ctMemoAsButton:
        case ctActionButtonSetToDefault:
        case ctActionButtonConfigureFileListViewColumns:
        case ctActionButton:
          if (auto* bt = Find<TPaddingButton>("bt" + std::to_string(id))) {
            SetCaption(bt, caption);
            if (kind != ctActionButton) ar.AdjustControlSize(bt);
            single(bt, false);
            if (kind == ctActionButton) joins = {bt};
          }
          break;
        default: break;
      }
    }
    if (!r.PlaceBeside) {
      if (line.size() >= 2) CHArrangeControlsVerticallyOnCenteredLine(line);
      line.clear();
    }
    line.insert(line.end(), joins.begin(), joins.end());
    ++count;
  }
  WidenColumnsToTheirCaptions(tab, ar);
}

// Controls placed beside others at a declared distance from the left form
// columns. A caption that is longer in this language than its column pushes
// the next column to the right, on every row alike, and the window widens to
// the last column, so that no control overlaps another.
void TSettingsWindowHost::WidenColumnsToTheirCaptions(int32_t tab, const TControlArranger& ar) {
  QWidget* sheet = Find<QWidget>("tab" + std::to_string(tab));
  if (!sheet) return;
  std::map<int32_t, std::vector<QWidget*>> columns;
  const std::vector<TSOControlRecord>& controls = FSO.Controls();
  for (size_t i = 0; i < controls.size(); ++i) {
    const TSOControlRecord& r = controls[i];
    if (!r.InUse || r.TabID != tab || !r.PlaceBeside || r.Left == 0) continue;
    if (QWidget* c = Find<QWidget>(Prefix(r.ControlType) + std::to_string(i)); c && c->parentWidget() == sheet)
      columns[r.Left].push_back(c);
  }
  const QList<QWidget*> all = sheet->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  for (auto& [left, cells] : columns) {
    int32_t needed = 0;
    for (QWidget* cell : cells)
      for (QWidget* other : all)
        if (other != cell && other->isVisibleTo(sheet) && other->x() < cell->x() &&
            other->y() < cell->geometry().bottom() && cell->y() < other->geometry().bottom())
          needed = std::max(needed, other->geometry().right() + 1 + ar.GapHorizontal - cell->x());
    if (needed > 0)
      for (QWidget* cell : cells) cell->move(cell->x() + needed, cell->y());
  }
  int32_t right = 0;
  for (QWidget* c : all)
    if (c->isVisibleTo(sheet) && !c->property(kAnchorRight).toBool())
      right = std::max(right, c->geometry().right() + 1);
  const int32_t missing = right + ar.StartPointLeft - sheet->width();
  if (missing > 0 && FSettingsWindow) {
    const QScreen* screen = FSettingsWindow->screen();
    const int32_t width = FSettingsWindow->width() + missing;
    FSettingsWindow->resize(screen ? std::min(width, screen->availableGeometry().width()) : width,
                            FSettingsWindow->height());
  }
}

void TSettingsWindowHost::LayoutCodePageTab(TControlArranger& ar) {
  ar.SetPositionToStartPoint();
  if (auto* l = Find<QLabel>("la_storageformat")) {
    SetCaption(l, SprText(232));
    ar.AddBelow(l);
  }
  for (int32_t cp : CodePagesAvailable())
    if (auto* rb = Find<QRadioButton>("rb_codepage_" + std::to_string(cp))) {
      SetCaption(rb, CodePageToStrSpr(cp, true));
      ar.AddBelow(rb);
    }
  if (auto* cb = Find<QCheckBox>("cb_writebom")) {
    SetCaption(cb, SprText(321));
    ar.AddBelow(cb);
  }
  ar.AddSpaceVertical();
  if (auto* hp = Find<THTMLPanel>("hp_codepage")) {
    hp->URLAppendix = FSO.ProgURLRef;
    hp->URLAppendixForURLPart = kMakerURLPart;
    hp->SetHTML(SettingsHelpLinkMarkup(SprText(827), "unicode-fileformats", "unicode-dateiformate",
                                       "unicode-formatos-de-archivo", "unicode-formats-de-fichier", FSO.Language()));
    ar.AddBelow(hp);
  }
}

void TSettingsWindowHost::LayoutSystemIntegrationTab(TControlArranger& ar) {
  ar.SetPositionToStartPoint();
  const struct {
    bool On;
    const char* Name;
    StrResGlobal Heading, Description;
  } features[] = {{FSO.TabContextMenu, "contextmenu", 768, 769},
                  {FSO.TabFileAssociations, "fileassociations", 754, 756},
                  {FSO.TabProgramShortCut, "programshortcut", 773, 774},
                  {FSO.TabAutoStart, "autostart", 775, 781}};
  for (const auto& f : features) {
    if (!f.On) continue;
    const std::string name = f.Name;
    if (auto* l = Find<QLabel>("la_" + name)) {
      SetCaption(l, SprText(f.Heading));
      ar.AddBelow(l);
    }
    if (auto* l = Find<QLabel>("la_" + name + "_desc")) {
      SetCaption(l, SprText(f.Description));
      ar.AddBelow(l);
    }
    if (auto* bt = Find<TPaddingButton>("bt_" + name)) {
      SetCaption(bt, SprText(29) + "...");
      bt->resize(bt->width(), 20);
      ar.AddBelow(bt);
    }
    ar.AddSpaceVertical();
  }
  if (auto* hp = Find<THTMLPanel>("hp_systemintegration")) {
    hp->URLAppendix = FSO.ProgURLRef;
    hp->URLAppendixForURLPart = kMakerURLPart;
    hp->SetHTML(SettingsHelpLinkMarkup(SprText(828), "systemintegration", "systemintegration",
                                       "integracion-del-sistema", "integration-systeme", FSO.Language()));
    ar.AddBelow(hp);
  }
}

void TSettingsWindowHost::LayoutLanguageTab(TControlArranger& ar) {
  ar.SetPositionToStartPoint();
  if (auto* l = Find<QLabel>("la_languagesettings")) {
    SetCaption(l, SprText(795));
    ar.AddBelow(l);
  }
  const TSOLanguageColumns columns = SOLanguageColumns(FSO.Languages.Count());
  // Names in other scripts may be drawn in taller fonts: every row takes the
  // tallest height, so the two columns stay side by side row for row.
  int32_t rowHeight = 0;
  for (int i = 0; i < SprLanguageCount; ++i) {
    const auto language = static_cast<TLanguages>(i);
    if (!FSO.Languages.Contains(language)) continue;
    if (auto* rb = Find<QRadioButton>("rb_language_" + std::to_string(SprLangToSprConst(language)))) {
      SetCaption(rb, SprLangToSprName(language));
      rowHeight = std::max(rowHeight, static_cast<int32_t>(rb->height()));
    }
  }
  int32_t placed = 0, firstTop = 0, resumeTop = 0;
  for (int i = 0; i < SprLanguageCount; ++i) {
    const auto language = static_cast<TLanguages>(i);
    if (!FSO.Languages.Contains(language)) continue;
    auto* rb = Find<QRadioButton>("rb_language_" + std::to_string(SprLangToSprConst(language)));
    if (!rb) continue;
    rb->resize(rb->width(), rowHeight);
    ar.AddBelow(rb);
    ++placed;
    if (placed == 1) firstTop = rb->y() - rb->height() - ar.GapVertical;
    if (columns.TwoColumns && placed == columns.FirstColumn) {
      resumeTop = ar.PositionTop;
      ar.PositionTop = firstTop;
      ar.PositionLeft = SOLanguageSecondColumnLeft(ScreenPixelsPerInch());
    }
  }
  if (columns.TwoColumns && placed >= columns.FirstColumn) {
    ar.PositionLeft = ar.StartPointLeft;
    ar.PositionTop = resumeTop;
  }
  if (auto* bt = Find<TPaddingButton>("bt_savelanguage")) {
    SetCaption(bt, SprText(802));
    bt->resize(bt->width(), 20);
    ar.AddBelow(bt);
  }
  ar.AddSpaceVertical();
  if (auto* l = Find<QLabel>("la_languagemissing_head")) {
    SetCaption(l, SprText(796));
    ar.AddBelow(l);
  }
  if (auto* l = Find<QLabel>("la_languagemissing_text")) {
    SetCaption(l, SprText(797));
    ar.AddBelow(l);
  }
  if (auto* hp = Find<THTMLPanel>("hp_languagemissing")) {
    hp->URLAppendix = FSO.ProgURLRef;
    hp->URLAppendixForURLPart = kMakerURLPart;
    hp->SetHTML(SettingsHelpLinkMarkup("", "translation", "translation", "translation", "translation", FSO.Language()));
    ar.AddBelow(hp);
  }
}

void TSettingsWindowHost::LayoutSaveTab(TControlArranger& ar) {
  ar.SetPositionToStartPoint();
  auto below = [&](const char* name, const std::string& text) {
    if (auto* c = Find<QWidget>(name)) {
      SetCaption(c, text);
      if (qobject_cast<TPaddingButton*>(c)) c->resize(c->width(), 20);
      ar.AddBelow(c);
    }
  };
  auto textOnly = [&](const char* name, const std::string& text) {
    QWidget* c = Find<QWidget>(name);
    if (c) SetCaption(c, text);
    return c;
  };
  below("la_save_10", SprText(798));
  below("la_save_11", SprText(799));
  below("la_save_12", SprText(800));
  QWidget* saveStart = textOnly("bt_save_save_start", SprText(204));
  QWidget* loadStart = textOnly("bt_save_load_start", SprText(224));
  QWidget* autoSave = textOnly("cb_save_auto", SprText(811));
  if (saveStart && loadStart) {
    ar.AddBelowOnCenteredLineAndAdjustControlSize(saveStart, loadStart, autoSave);
    ar.AdjustControlSizeAndArrangeControlsHorizontal(saveStart, loadStart, autoSave);
  }
  ar.AddSpaceVertical();
  below("la_save_20", SprText(803));
  below("la_save_21", SprText(804));
  below("la_save_22", SprText(805));
  QWidget* profileButtons[4] = {
      textOnly("bt_save_save_profile", SprText(509) + "..."), textOnly("bt_save_load_profile", SprText(510) + "..."),
      textOnly("bt_save_save_file", SprText(511) + "..."), textOnly("bt_save_load_file", SprText(512) + "...")};
  if (profileButtons[0] && profileButtons[1])
    ar.AddBelowOnCenteredLineAndAdjustControlSize(profileButtons[0], profileButtons[1], profileButtons[2],
                                                  profileButtons[3]);
  ar.AddSpaceVertical();
  below("la_save_30", SprText(231));
  below("rb_save_appdir", SprText(809));
  below("rb_save_system", SprText(808));
  below("cb_save_windowsize", SprText(801));
  const std::vector<TSOControlRecord>& controls = FSO.Controls();
  for (size_t i = 0; i < controls.size(); ++i) {
    const TSOControlRecord& r = controls[i];
    if (!r.InUse || r.TabID != kSOTabSaveSettings || r.ControlType != ctCheckBox) continue;
    if (auto* cb = Find<QCheckBox>("cb" + std::to_string(i))) {
      SetCaption(cb, Slot(r.CaptionText));
      ar.AddBelow(cb);
    }
  }
  ar.AddSpaceVertical();
  below("la_save_40", SprText(806));
  below("la_save_41", SprText(807));
  below("bt_save_delete", SprText(46));
  ar.AddSpaceVertical();
  if (auto* hp = Find<THTMLPanel>("hp_save")) {
    hp->URLAppendix = FSO.ProgURLRef;
    hp->URLAppendixForURLPart = kMakerURLPart;
    hp->SetHTML(SettingsHelpLinkMarkup(SprText(828), "settings", "einstellungen", "configuraciones", "parametres",
                                       FSO.Language()));
    ar.AddBelow(hp);
  }
}

// --- Values ---------------------------------------------------------------------

bool TSettingsWindowHost::ValidSender(QObject* sender, int32_t& id) const {
  if (!sender || sender->property("Tag").isNull()) return false;
  id = GetTag(sender);
  return id >= 0 && static_cast<size_t>(id) < FSO.Controls().size();
}

void TSettingsWindowHost::UpdateControlInGUI(int32_t id, bool raiseChange) {
  if (!FSettingsWindow || id < 0 || static_cast<size_t>(id) >= FSO.Controls().size()) return;
  std::vector<TSOControlRecord>& controls = FSO.Controls();
  const TSOControlRecord& r = controls[id];
  const TSOControlType kind = r.ControlType;
  QWidget* control = Find<QWidget>(Prefix(kind) + std::to_string(id));
  // With raiseChange the handler runs once afterwards, so the setters below store nothing.
  if (raiseChange) ++FSuppressChange;
  switch (kind) {
    case ctCheckBox:
    case ctRadioButton:
      if (auto* b = qobject_cast<QAbstractButton*>(control)) b->setChecked(r.ValueInt == 1);
      break;
    case ctEdit:
    case ctEditTextTop:
    case ctEditTextRight:
      if (auto* ed = qobject_cast<QLineEdit*>(control)) ed->setText(ToQString(r.Value));
      break;
    case ctComboBox:
    case ctComboBoxTextTop:
    case ctComboBoxTextRight:
      if (auto* co = qobject_cast<QComboBox*>(control)) co->setEditText(ToQString(r.Value));
      break;
    case ctRadioButtonGroup:
      for (int32_t item : r.ItemIDs) {
        if (item < 0 || static_cast<size_t>(item) >= controls.size() || controls[item].IntID != r.ValueInt) continue;
        if (auto* rb = Find<QRadioButton>("rb" + std::to_string(item))) rb->setChecked(true);
        break;
      }
      break;
    case ctColorEditTextTop:
    case ctColorEditTextRight:
      if (auto* ce = qobject_cast<TColorEdit*>(control)) ce->SetHexColor(r.Value);
      break;
    case ctFontNameEditTextTop:
    case ctFontNameEditTextRight:
      if (auto* fe = qobject_cast<TFontNameEditSpr*>(control)) fe->SetFontName(r.Value);
      break;
    case ctCodePageComboBoxTextTop:
    case ctCodePageComboBoxTextRight:
      if (auto* cp = qobject_cast<TCodePageComboBox*>(control)) cp->SetCodePageFromString(r.Value);
      break;
    case ctFontStyleComboBoxTextRight:
    case ctFontStyleComboBoxTextTop:
      if (auto* fs = qobject_cast<TFontStyleComboBoxSpr*>(control)) fs->SetFrontStyleTypeFromString(r.Value);
      break;
    case ctAlignmentComboBoxTextTop:
    case ctAlignmentComboBoxTextRight:
      if (auto* ac = qobject_cast<TAlignmentComboBox*>(control)) ac->SetAlignmentFromText(r.Value);
      break;
    case ctAlignmentVerticalComboBoxTextTop:
    case ctAlignmentVerticalComboBoxTextRight:
      if (auto* av = qobject_cast<TAlignmentVerticalComboBox*>(control)) av->SetAlignmentFromText(r.Value);
      break;
    case ctActionCheckBoxToggleCharsInInput:
      if (r.TargetID >= 0 && static_cast<size_t>(r.TargetID) < controls.size())
        if (auto* cb = qobject_cast<QCheckBox*>(control))
          SetCheckedWithoutEvent(cb, SOToggleCharsShownChecked(controls[r.TargetID].Value, r.Value));
      break;
    default: break;
  }
  if (raiseChange) --FSuppressChange;
  const bool valueKind = kind == ctCheckBox || kind == ctRadioButton ||
                         (kind >= ctEdit && kind <= ctComboBoxTextRight) ||
                         (kind >= ctColorEditTextTop && kind <= ctAlignmentVerticalComboBoxTextRight);
  if (raiseChange && valueKind && control) TabCustomControlChange(control);
}

void TSettingsWindowHost::UpdateControlValuesInGUI() {
  if (!FSettingsWindow) return;
  for (size_t id = 0; id < FSO.Controls().size(); ++id) UpdateControlInGUI(static_cast<int32_t>(id), false);
  if (FSO.TabCodePage) {
    if (auto* rb = Find<QRadioButton>("rb_codepage_" + std::to_string(FSO.CodePage))) rb->setChecked(true);
    if (auto* cb = Find<QCheckBox>("cb_writebom")) cb->setChecked(FSO.CodePageWriteBOM);
  }
  if (FSO.TabSaveSettings) {
    if (auto* cb = Find<QCheckBox>("cb_save_auto")) cb->setChecked(FSO.AutoSaveOnExit());
    if (auto* cb = Find<QCheckBox>("cb_save_windowsize")) cb->setChecked(FSO.SaveWindowSize());
    if (auto* rb = Find<QRadioButton>(FSO.SaveToAppDir() ? "rb_save_appdir" : "rb_save_system")) rb->setChecked(true);
  }
}

void TSettingsWindowHost::ShowDefaultValue(int32_t id) {
  if (!FSettingsWindow || id < 0 || static_cast<size_t>(id) >= FSO.Controls().size()) return;
  const TSOControlRecord& r = FSO.Controls()[id];
  switch (r.ControlType) {
    case ctCheckBox:
      if (auto* cb = Find<QCheckBox>("cb" + std::to_string(id))) cb->setChecked(r.DefaultInt == 1);
      break;
    case ctRadioButton:
      if (auto* rb = Find<QRadioButton>("rb" + std::to_string(id))) rb->setChecked(r.DefaultInt == 1);
      break;
    case ctEdit:
    case ctEditTextTop:
    case ctEditTextRight:
      if (auto* ed = Find<QLineEdit>("ed" + std::to_string(id))) ed->setText(ToQString(r.DefaultValue));
      break;
    case ctComboBox:
    case ctComboBoxTextTop:
    case ctComboBoxTextRight:
      if (auto* co = Find<QComboBox>("co" + std::to_string(id))) co->setEditText(ToQString(r.DefaultValue));
      break;
    default: break;
  }
}

void TSettingsWindowHost::TabCustomControlChange(QObject* sender) {
  int32_t id = 0;
  if (FSuppressChange > 0 || !ValidSender(sender, id)) return;
  std::vector<TSOControlRecord>& controls = FSO.Controls();
  TSOControlRecord& r = controls[id];
  const std::string marker(1, '\0');
  std::string text = marker;
  int32_t number = 0;
  switch (r.ControlType) {
    case ctCheckBox:
      if (auto* cb = qobject_cast<QCheckBox*>(sender)) {
        number = cb->isChecked() ? 1 : 0;
        text = std::to_string(number);
      }
      break;
    case ctRadioButton:
    case ctRadioButtonGroupItem:
      if (auto* rb = qobject_cast<QRadioButton*>(sender)) {
        // The button that loses the check stores nothing.
        if (!rb->isChecked()) return;
        number = 1;
        text = "1";
      }
      break;
    case ctEdit:
    case ctEditTextTop:
    case ctEditTextRight:
      if (auto* ed = qobject_cast<QLineEdit*>(sender)) {
        text = FromQString(ed->text());
        number = SOWholeNumberOrDefault(text, r.DefaultInt);
      }
      break;
    case ctComboBox:
    case ctComboBoxTextTop:
    case ctComboBoxTextRight:
      if (auto* co = qobject_cast<QComboBox*>(sender)) {
        text = FromQString(co->currentText());
        number = SOWholeNumberOrDefault(text, r.DefaultInt);
      }
      break;
    case ctColorEditTextTop:
    case ctColorEditTextRight:
      if (auto* ce = qobject_cast<TColorEdit*>(sender)) {
        text = ce->GetHexColor();
        number = static_cast<int32_t>(ce->GetTColor());
        if (!IsHexColor(text)) text = marker;
      }
      break;
    case ctFontNameEditTextTop:
    case ctFontNameEditTextRight:
      if (auto* fe = qobject_cast<TFontNameEditSpr*>(sender)) text = fe->FontName();
      break;
    case ctCodePageComboBoxTextTop:
    case ctCodePageComboBoxTextRight:
      if (auto* cp = qobject_cast<TCodePageComboBox*>(sender)) {
        text = cp->GetCodePageAsString();
        number = cp->CodePage();
      }
      break;
    case ctFontStyleComboBoxTextRight:
    case ctFontStyleComboBoxTextTop:
      if (auto* fs = qobject_cast<TFontStyleComboBoxSpr*>(sender)) {
        text = fs->GetFontStyleTypeAsString();
        number = fs->GetFontStyleTypeAsInt();
      }
      break;
    case ctAlignmentComboBoxTextTop:
    case ctAlignmentComboBoxTextRight:
      if (auto* ac = qobject_cast<TAlignmentComboBox*>(sender)) {
        number = static_cast<int32_t>(ac->Alignment());
        text = SOAlignmentText(number);
      }
      break;
    case ctAlignmentVerticalComboBoxTextTop:
    case ctAlignmentVerticalComboBoxTextRight:
      if (auto* av = qobject_cast<TAlignmentVerticalComboBox*>(sender)) {
        number = static_cast<int32_t>(av->Alignment());
        text = SOAlignmentVerticalText(number);
      }
      break;
    case ctMemoAsButton:
      if (qobject_cast<QPushButton*>(sender)) {
        text = r.Value;
        number = SOWholeNumberOrDefault(text, r.DefaultInt);
      }
      break;
    default: break;
  }
  if (text == marker) return;
  r.Value = text;
  r.ValueInt = number;
  int32_t reported = id;
  if (r.ControlType == ctRadioButtonGroupItem && r.GroupID >= 0 && static_cast<size_t>(r.GroupID) < controls.size()) {
    TSOControlRecord& group = controls[r.GroupID];
    group.Value = r.StrID;
    group.ValueInt = r.IntID;
    reported = r.GroupID;
    text = r.StrID;
    number = r.IntID;
  }
  if (FSO.OnCustomControlChange) FSO.OnCustomControlChange(reported, text, number);
}

// --- Buttons and standard tabs ---------------------------------------------------------

void TSettingsWindowHost::MemoDialogButtonClick(QObject* sender) {
  int32_t id = 0;
  if (!qobject_cast<QPushButton*>(sender) || !ValidSender(sender, id)) return;
  TSOControlRecord& r = FSO.Controls()[id];
  const std::string result = FSO.UserDialogs().InputMemo(
      Slot(r.CaptionText), r.DescriptionText > 0 ? Slot(r.DescriptionText) : "", SprText(192), SprText(200), r.Value);
  if (result == std::string(1, '\0')) return;
  r.Value = result;
  TabCustomControlChange(sender);
}

void TSettingsWindowHost::ButtonClick(QObject* sender) {
  int32_t id = 0;
  if (qobject_cast<QPushButton*>(sender) && ValidSender(sender, id)) FSO.ButtonClick(id);
}

void TSettingsWindowHost::ActionButtonClickSetToDefault(QObject* sender) {
  int32_t id = 0;
  if (qobject_cast<QPushButton*>(sender) && ValidSender(sender, id)) FSO.ActionButtonClickSetToDefault(id);
}

void TSettingsWindowHost::ActionButtonConfigureFileListViewColumns(QObject* sender) {
  int32_t id = 0;
  if (!qobject_cast<QPushButton*>(sender) || !ValidSender(sender, id)) return;
  TSOManagedControl* linked = FSO.Controls()[id].LinkedObject;
  if (linked && linked->Supports(mcFileListView)) linked->ExecuteColumnsDialog();
}

void TSettingsWindowHost::ActionCheckBoxToggleCharsChange(QObject* sender) {
  int32_t id = 0;
  auto* cb = qobject_cast<QCheckBox*>(sender);
  if (!cb || !ValidSender(sender, id)) return;
  std::vector<TSOControlRecord>& controls = FSO.Controls();
  const int32_t target = controls[id].TargetID;
  if (target < 0 || static_cast<size_t>(target) >= controls.size()) return;
  controls[target].Value = SOToggleChars(controls[target].Value, controls[id].Value, cb->isChecked());
  UpdateControlInGUI(target, true);
}

void TSettingsWindowHost::LanguageRadioButtonChange(QObject* sender) {
  auto* rb = qobject_cast<QRadioButton*>(sender);
  if (!rb || !rb->isChecked()) return;
  const int32_t language = GetTag(rb);
  FSO.SetLanguage(language);
  if (FSO.OnLanguageChange) FSO.OnLanguageChange(language);
}

void TSettingsWindowHost::LanguageTabButtonClickSaveLanguage(QObject*) { FSO.LanguageTabButtonClickSaveLanguage(); }

void TSettingsWindowHost::CodePageRadioButtonOrCheckBoxChange(QObject* sender) {
  if (auto* rb = qobject_cast<QRadioButton*>(sender)) {
    if (!rb->isChecked()) return;
    FSO.CodePage = GetTag(rb);
  } else if (auto* cb = qobject_cast<QCheckBox*>(sender)) {
    FSO.CodePageWriteBOM = cb->isChecked();
  } else {
    return;
  }
  if (FSO.OnCodePageChange) FSO.OnCodePageChange(FSO.CodePage, FSO.CodePageWriteBOM);
}

void TSettingsWindowHost::SaveTabStorageLocationRadioButtonChange(QObject* sender) {
  auto* rb = qobject_cast<QRadioButton*>(sender);
  // Both buttons report a pick; the one that got the check decides.
  if (!rb || !rb->isChecked()) return;
  if (rb->objectName() == "rb_save_appdir")
    FSO.SetSaveToAppDir(true);
  else if (rb->objectName() == "rb_save_system")
    FSO.SetSaveToAppDir(false);
}

void TSettingsWindowHost::SaveTabAutoSaveCheckBoxChange(QObject* sender) {
  if (auto* cb = qobject_cast<QCheckBox*>(sender)) FSO.SetAutoSaveOnExit(cb->isChecked());
}

void TSettingsWindowHost::SaveTabSaveWindowSizeCheckBoxChange(QObject* sender) {
  if (auto* cb = qobject_cast<QCheckBox*>(sender)) FSO.SetSaveWindowSize(cb->isChecked());
}

void TSettingsWindowHost::SaveTabButtonClickDeleteSettings(QObject*) { FSO.SaveTabButtonClickDeleteSettings(); }

void TSettingsWindowHost::PageControlOnChange() { FSO.SetLanguage(FSO.Language()); }
