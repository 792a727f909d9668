#include "frame/qt/info_dialog.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "controls/control_helpers.h"
#include "foundation/qt/qt_strings.h"
#include "frame/core/url_rules.h"
#include "frame/qt/html_panel.h"
#include "frame/qt/stretch_image.h"
#include "frame/qt/widget_tags.h"
#include "text/text_store.h"

// Resources of a static library are registered by hand.
static void InitFramePictures() { Q_INIT_RESOURCE(frame_pictures); }

namespace {

bool IsShownPage(int32_t id) {
  return std::find(std::begin(kInfoPagesShown), std::end(kInfoPagesShown), id) != std::end(kInfoPagesShown);
}

}  // namespace

TInfoDialogObj::TInfoDialogObj(QObject* owner) : QObject(owner) {
  static const bool registered = (InitFramePictures(), true);
  (void)registered;
}

TInfoDialogObj::~TInfoDialogObj() { delete FForm.data(); }

std::string TInfoDialogObj::GetInfoDialogText(int32_t pageID) const {
  TInfoPageParams p;
  p.Language = FLanguage;
  p.HelpTexts = HelpTexts;
  p.HasBatchVersion = HasBatchVersion;
  p.ProgWebsite = ProgWebsite;
  p.ProgVersion = ProgVersion;
  p.InfoThanks = FInfoThanks;
  return ::GetInfoDialogText(pageID, p);
}

void TInfoDialogObj::ShowInfoDialog(int32_t pageID) {
  if (!FForm) {
    BuildForm();
    SetLanguage(FLanguage);
  }
  FForm->show();
  FForm->raise();
  FForm->activateWindow();
  auto* pc = FForm->findChild<QTabWidget*>("pc");
  auto* tab = FForm->findChild<QWidget*>(QString("tab%1").arg(pageID));
  if (pc && tab) pc->setCurrentWidget(tab);
}

void TInfoDialogObj::BuildForm() {
  auto* form =
      new QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  form->setAttribute(Qt::WA_DeleteOnClose);
  FForm = form;
  int32_t h = HelpTexts.size() > 5 ? 650 : 600, w = 780;
  QScreen* screen = QGuiApplication::primaryScreen();
  if (screen) {
    const double ppi = screen->logicalDotsPerInch();
    const double f = ppi / 96.0;
    const QRect area = screen->geometry();
    if (h * f + 1.4 * ppi >= area.height()) h = static_cast<int32_t>(std::lround(area.height() / f - 1.4 * ppi));
    if (w * f + 1.4 * ppi >= area.width()) w = static_cast<int32_t>(std::lround(area.width() / f - 1.4 * ppi));
  }
  form->resize(w, h);
  form->setMinimumSize(660, 500);
  // Escape closes the window, as the close button of a dialog does.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), form);
  connect(escape, &QShortcut::activated, form, &QWidget::close);
  if (screen) form->move(screen->geometry().center() - QPoint(w / 2, h / 2));
  auto* layout = new QVBoxLayout(form);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* header = new TStretchImage(form);
  header->setObjectName("headerimg");
  header->Options.DrawBorderBottom = true;
  layout->addWidget(header);
  auto* pc = new QTabWidget(form);
  pc->setObjectName("pc");
  auto* pcBox = new QVBoxLayout;
  pcBox->setContentsMargins(5, 10, 5, 5);
  pcBox->addWidget(pc);
  layout->addLayout(pcBox, 1);
  for (int32_t id : kInfoPagesShown) {
    auto* tab = new QWidget;
    tab->setObjectName(QString("tab%1").arg(id));
    SetTag(tab, id);
    auto* tabLayout = new QVBoxLayout(tab);
    tabLayout->setContentsMargins(0, 0, 0, 0);
    auto* sb = new QScrollArea(tab);
    sb->setObjectName(QString("sb%1").arg(id));
    SetTag(sb, id);
    sb->setFrameShape(QFrame::NoFrame);
    sb->setWidgetResizable(true);
    sb->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabLayout->addWidget(sb);
    auto* content = new QWidget;
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(15, 15, 15, 15);
    auto* hp = new THTMLPanel(content);
    hp->setObjectName(QString("hp%1").arg(id));
    SetTag(hp, id);
    hp->resize(750, 100);
    hp->SetAutoSize(true);
    hp->SetLinkColor(ColorLinks);
    hp->TransparentColorBitmapRes = 0xFF00FF;
    hp->Params.ParagraphHeight = 12;
    hp->Params.ParagraphHeight2 = 6;
    hp->OnMouseWheel = [this](THTMLPanel* s, int32_t d) { ProcMouseWheel(s, d); };
    contentLayout->addWidget(hp);
    contentLayout->addStretch(1);
    sb->setWidget(content);
    pc->addTab(tab, QString());
  }
}

void TInfoDialogObj::SetLanguage(int32_t language) {
  FLanguage = language;
  if (!FForm) return;
  FForm->setWindowTitle(ToQString(SprText(818)));
  auto* pc = FForm->findChild<QTabWidget*>("pc");
  for (int32_t id : kInfoPagesShown) {
    if (!pc) break;
    if (auto* tab = FForm->findChild<QWidget*>(QString("tab%1").arg(id)))
      pc->setTabText(pc->indexOf(tab), ToQString(SprText(static_cast<StrResGlobal>(InfoPageCaptionSlot(id)))));
  }
  // Every tab title stays in view in every language.
  GrowToFitTabTitles(FForm, pc, 24);
  for (THTMLPanel* hp : FForm->findChildren<THTMLPanel*>()) {
    const QString name = hp->objectName();
    bool ok = false;
    const int32_t id = name.startsWith("hp") ? name.mid(2).toInt(&ok) : 0;
    if (ok && IsShownPage(id)) hp->SetHTML(GetInfoDialogText(id));
    hp->URLAppendix = ProgURLRef;
    hp->URLAppendixForURLPart = kMakerURLPart;
  }
  if (auto* header = FForm->findChild<TStretchImage*>("headerimg")) {
    QPixmap picture;
    if (OnFetchHeaderImage) OnFetchHeaderImage(FLanguage, picture);
    if (!picture.isNull()) {
      header->SetPicture(picture.toImage());
      header->setFixedHeight(picture.height() + 1);
      header->show();
    } else {
      header->hide();
    }
  }
  FForm->update();
}

void TInfoDialogObj::ProcMouseWheel(THTMLPanel* sender, int32_t wheelDelta) {
  if (!FForm || !sender) return;
  if (auto* sb = FForm->findChild<QScrollArea*>(QString("sb%1").arg(GetTag(sender))))
    sb->verticalScrollBar()->setValue(sb->verticalScrollBar()->value() - wheelDelta);
}
