#include "gui/search/search_commands.h"

#include "core/output/save_dialog.h"
#include "core/search/quick_find.h"
#include "gui/desktop_host.h"
#include "gui/output/save_file.h"
#include "gui/pages/schedule_page_widget.h"
#include "gui/search/background_search.h"
#include "gui/search/quick_find_box.h"
#include "gui/search/search_hits_page.h"
#include "gui/text_convert.h"

namespace vdbq::gui {
namespace {

constexpr SaveDialogTexts kHitsSaveDialog{"Comma Separated Value files (*.csv)|*.CSV",
                                          "Export Search Hits To CSV File..."};

}  // namespace

SearchCommands::SearchCommands(DesktopHost& host, SchedulePageWidget& schedulePage, QObject* parent)
    : QObject(parent), host_(host), schedulePage_(schedulePage) {
  box_ = new QuickFindBox(host_.Window());
  page_ = new SearchHitsPage(host_.Window());
  host_.AddPage(PageCategory::SearchHits, page_);
  quickSearch_ =
      new BackgroundSearch([this](FoundLines lines) { box_->ShowLines(std::move(lines)); }, this);
  pageSearch_ =
      new BackgroundSearch([this](FoundLines lines) { page_->ShowLines(std::move(lines)); }, this);

  QuickFind = new QAction(QStringLiteral("Quick Find..."), this);
  QuickFind->setObjectName(QStringLiteral("quickFindAction"));
  QuickFind->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
  FindInDefinitions = new QAction(QStringLiteral("Find In Definitions..."), this);
  FindInDefinitions->setObjectName(QStringLiteral("findInDefinitions"));
  FindInDefinitions->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
  host_.AddMenuEntry(MenuPlace::EditFind, QuickFind);
  host_.AddMenuEntry(MenuPlace::EditFind, FindInDefinitions);
  connect(QuickFind, &QAction::triggered, this, &SearchCommands::OpenQuickFind);
  connect(FindInDefinitions, &QAction::triggered, this, [this] { ShowPage(); });

  connect(box_, &QuickFindBox::textEdited, this, &SearchCommands::FindQuickly);
  connect(box_, &QuickFindBox::openRequested, this, &SearchCommands::Open);
  connect(box_, &QuickFindBox::allHitsRequested, this, [this](const QString& text) {
    ShowPage(text);
    FindOnPage();
  });
  connect(page_, &SearchHitsPage::findRequested, this, &SearchCommands::FindOnPage);
  connect(page_, &SearchHitsPage::openRequested, this, &SearchCommands::Open);
  connect(page_, &SearchHitsPage::exportRequested, this, &SearchCommands::ExportCsv);
  host_.AddDatabaseUnloadingHandler([this] { LetGoOfDatabase(); });
  host_.AddDatabaseLoadedHandler([this] { CatchUpWithLoad(); });
}

std::function<std::shared_ptr<const SearchCorpus>()> SearchCommands::CorpusSource() const {
  const Session& s = host_.State();
  return [cache = corpus_, &store = s.Store, dir = s.Settings.DatabaseDir] {
    return cache->Get(store, dir);
  };
}

void SearchCommands::OpenQuickFind() {
  box_->Open();
  // The first search after a load builds the corpus: start on it before the first keystroke.
  if (box_->Field()->text().isEmpty())
    quickSearch_->Prepare([corpus = CorpusSource()] { corpus(); });
}

void SearchCommands::FindQuickly(const QString& text) {
  if (text.isEmpty()) {
    quickSearch_->Stop();
    box_->Clear();
    return;
  }
  box_->ShowSearching();
  SearchQuery query;
  query.Pattern = ToBytes(text);
  quickSearch_->Start([corpus = CorpusSource(), query](std::stop_token stop) {
    return FindQuick(corpus(), query, stop);
  });
}

void SearchCommands::ShowPage(const QString& pattern) {
  if (!pattern.isEmpty()) page_->SetPattern(pattern);
  host_.ShowPage(PageCategory::SearchHits);
  page_->Pattern()->setFocus();
  page_->Pattern()->selectAll();
}

void SearchCommands::FindOnPage() {
  pageHasQuery_ = true;
  page_->ShowSearching();
  pageSearch_->Start([corpus = CorpusSource(), query = page_->Query()](std::stop_token stop) {
    return FindAll(corpus(), query, stop);
  });
}

void SearchCommands::Open(const SearchHit& hit) {
  if (hit.Kind == ObjectKind::None || !host_.OpenObject(hit.Kind, std::string(hit.Key))) {
    host_.SetStatus(QStringLiteral("No object holds line %1 of %2")
                        .arg(hit.Line)
                        .arg(QString::fromLatin1(hit.File)));
    return;
  }
  // Of the object pages only the schedule's shows the definition's lines.
  if (hit.Kind == ObjectKind::Schedule && std::string_view(hit.File) == kSchedulesFile) {
    schedulePage_.MarkLine(LineNumber(hit.Line));
  }
}

void SearchCommands::ExportCsv() {
  SaveTextAs(host_, kHitsSaveDialog,
             [this] { return SearchHitsCsv(page_->Model()->Lines().Hits); });
}

void SearchCommands::LetGoOfDatabase() {
  quickSearch_->Stop();
  pageSearch_->Stop();
  corpus_->Reset();
  box_->Clear();
  page_->Clear();
}

void SearchCommands::CatchUpWithLoad() {
  if (box_->isVisible() && !box_->Field()->text().isEmpty()) FindQuickly(box_->Field()->text());
  if (pageHasQuery_) FindOnPage();
}

}  // namespace vdbq::gui
