#include "settingspanels/qt/action_list_new_action_dialog.h"

#include "settingspanels/qt/action_list_platform.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "controls/caption_panels.h"
#include "controls/list_view.h"
#include "controls/zoom_memo.h"
#include "foundation/qt/qt_strings.h"
#include "frame/qt/widget_tags.h"
#include "settingspanels/qt/settings_container_spr.h"
#include "text/text_store.h"

namespace {

constexpr int32_t kFormWidth = 450;
constexpr int32_t kFormHeight = 500;

}  // namespace

TSettingsContainerActionListNewActionDialogSpr::TSettingsContainerActionListNewActionDialogSpr()
    : QDialog(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint) {
  setAttribute(Qt::WA_DeleteOnClose);
  BuildGUI();
}

void TSettingsContainerActionListNewActionDialogSpr::BuildGUI() {
  setMinimumWidth(kFormWidth);
  resize(kFormWidth, kFormHeight);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  auto* top = new TRawPanel(this);
  auto* topColumn = new QVBoxLayout(top);
  topColumn->setContentsMargins(10, 10, 10, 0);
  topColumn->setSpacing(0);
  FTypeLabel = new QLabel(QStringLiteral("Type"), top);
  FTypeLabel->setTextFormat(Qt::PlainText);
  FTypeLabel->setWordWrap(true);
  QFont bold = FTypeLabel->font();
  bold.setBold(true);
  FTypeLabel->setFont(bold);
  topColumn->addWidget(FTypeLabel);
  topColumn->addSpacing(3);
  auto* chooserHost = new QWidget(top);
  auto* chooserColumn = new QVBoxLayout(chooserHost);
  chooserColumn->setContentsMargins(0, 0, 0, 0);
  FTypeChooser = new TSettingsContainerActionListDialogActionTypeContainer(chooserHost, 1, 0, 0,
                                                                           [this](QObject*, int32_t definition) {
                                                                             FConfigPanel->SetActionType(definition);
                                                                             FitToContent();
                                                                           });
  topColumn->addWidget(chooserHost);
  column->addWidget(top);

  auto* configHost = new QWidget(this);
  auto* configColumn = new QVBoxLayout(configHost);
  configColumn->setContentsMargins(0, 0, 0, 0);
  FConfigPanel = new TSettingsContainerActionListDialogActionConfigContainer(configHost, 0, 10, 10);
  column->addWidget(configHost);
  column->addStretch(1);

  auto* buttonRow = new TRawPanel(this);
  auto* buttons = new QHBoxLayout(buttonRow);
  buttons->setContentsMargins(10, 7, 10, 10);
  buttons->setSpacing(10);
  buttons->addStretch(1);
  FButtonAdd = new QPushButton(buttonRow);
  FButtonCancel = new QPushButton(buttonRow);
  for (QPushButton* button : {FButtonAdd, FButtonCancel}) {
    button->setMinimumWidth(100);
    buttons->addWidget(button);
  }
  SetTag(FButtonAdd, cmdAddAction);
  SetTag(FButtonCancel, cmdCancel);
  FButtonAdd->setDefault(true);
  connect(FButtonAdd, &QPushButton::clicked, this, [this] { ProcCommand(cmdAddAction); });
  connect(FButtonCancel, &QPushButton::clicked, this, [this] { ProcCommand(cmdCancel); });
  column->addWidget(buttonRow);
}

void TSettingsContainerActionListNewActionDialogSpr::FitToContent() {
  // The window follows the fields of the chosen type, at least 450 wide.
  layout()->activate();
  const QSize hint = sizeHint();
  resize(std::max(width(), kFormWidth), std::max(hint.height(), layout()->minimumSize().height()));
}

void TSettingsContainerActionListNewActionDialogSpr::SetParentSettingsContainer(QWidget* container) {
  FParentContainer = container;
}

void TSettingsContainerActionListNewActionDialogSpr::PrepareAndShow(int32_t hostIndex, int32_t controlID,
                                                                    TBaseActionList* list, int32_t groupFilter,
                                                                    uint32_t language) {
  FHostIndex = hostIndex;
  FControlID = controlID;
  FActionList = list;
  FGroupFilter = groupFilter;
  SetLanguage(language);
  FTypeChooser->Init(list, groupFilter);
  FConfigPanel->Init(list, groupFilter, FTypeChooser->SelectedAction);
  FitToContent();
  PlaceWindowOverHost(this, FParentContainer);
  show();
}

void TSettingsContainerActionListNewActionDialogSpr::AddCurrentActionParamsToParentSettingsContainer() {
  auto* container = qobject_cast<TSettingsContainerSpr*>(FParentContainer.data());
  if (!container) return;
  QWidget* target = container->GetCurrentActionListViewControlRef(FControlID);
  if (auto* view = qobject_cast<TVirtualListView*>(target))
    FConfigPanel->AddToListView(view);
  else if (auto* memo = qobject_cast<TAdvancedMemo*>(target))
    FConfigPanel->AddToMemo(memo);
}

void TSettingsContainerActionListNewActionDialogSpr::ProcCommand(int32_t command) {
  if (command == cmdAddAction)
    AddCurrentActionParamsToParentSettingsContainer();
  else if (command == cmdCancel)
    close();
}

void TSettingsContainerActionListNewActionDialogSpr::SetLanguage(uint32_t language) {
  FLanguage = language;
  if (!SprResGlobalArr.empty()) {
    setWindowTitle(ToQString(ActionListSlotText(721)));
    FTypeLabel->setText(ToQString(ActionListSlotText(702)));
    FButtonAdd->setText(ToQString(ActionListSlotText(720)));
    FButtonCancel->setText(ToQString(ActionListSlotText(200)));
  }
  FTypeChooser->SetLanguage(language);
  FConfigPanel->SetLanguage(language);
}

void TSettingsContainerActionListNewActionDialogSpr::reject() { close(); }

void TSettingsContainerActionListNewActionDialogSpr::closeEvent(QCloseEvent* e) {
  // Esc, Cancel and the close box all end here, and nothing is added.
  e->accept();
  if (FClosing) return;
  FClosing = true;
  if (OnUnregister) OnUnregister(this, FHostIndex);
}
