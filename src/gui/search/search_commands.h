#pragma once

#include <QAction>
#include <QObject>
#include <memory>
#include <string>

#include "core/search/definition_search.h"

namespace vdbq::gui {

class BackgroundSearch;
class DesktopHost;
class QuickFindBox;
class SchedulePageWidget;
class SearchHitsPage;

// The search of every definition on the desktop: Quick Find (Ctrl+K), a box over the window
// that lists the first hits as the user types, and Find In Definitions, the page of every hit
// with its options and CSV export. Both open a hit's object, a schedule at the hit's line.
class SearchCommands : public QObject {
  Q_OBJECT
 public:
  // The schedule page is where a hit in a schedule marks its line.
  SearchCommands(DesktopHost& host, SchedulePageWidget& schedulePage, QObject* parent);

  QAction* QuickFind;
  QAction* FindInDefinitions;

  void OpenQuickFind();
  // The page, with the text in its field when one is given.
  void ShowPage(const QString& pattern = {});
  void Open(const SearchHit& hit);
  void ExportCsv();

  QuickFindBox* Box() const { return box_; }
  SearchHitsPage* Page() const { return page_; }

 private:
  void FindQuickly(const QString& text);
  void FindOnPage();
  // A search reads the extracts and the lists keep views into them: both end before a load.
  void LetGoOfDatabase();
  void CatchUpWithLoad();
  // Builds the corpus on the search's thread the first time after a load.
  std::function<std::shared_ptr<const SearchCorpus>()> CorpusSource() const;

  DesktopHost& host_;
  SchedulePageWidget& schedulePage_;
  QuickFindBox* box_;
  SearchHitsPage* page_;
  BackgroundSearch* quickSearch_;
  BackgroundSearch* pageSearch_;
  // Shared with the search threads, which build it; emptied before every load.
  std::shared_ptr<SearchCorpusCache> corpus_ = std::make_shared<SearchCorpusCache>();
  bool pageHasQuery_ = false;
};

}  // namespace vdbq::gui
