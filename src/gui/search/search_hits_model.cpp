#include "gui/search/search_hits_model.h"

#include <QPoint>
#include <utility>

#include "gui/resources/pictures.h"
#include "gui/text_convert.h"

namespace vdbq::gui {
namespace {

constexpr const char* kHeadings[SearchHitsModel::kColumnCount] = {"Object", "Kind", "File", "Line",
                                                                  "Text"};

// Where the match lies in the line as shown, which may decode several bytes as one character.
QPoint ShownMatch(const SearchHit& hit, const TextMatch& match) {
  const auto begin = ToQString(hit.Text.substr(0, match.Begin)).size();
  const auto length = ToQString(hit.Text.substr(match.Begin, match.End - match.Begin)).size();
  return QPoint(static_cast<int>(begin), static_cast<int>(begin + length));
}

}  // namespace

SearchHitsModel::SearchHitsModel(QObject* parent) : QAbstractTableModel(parent) {}

void SearchHitsModel::SetLines(FoundLines lines) {
  beginResetModel();
  lines_ = std::move(lines);
  endResetModel();
}

const SearchHit* SearchHitsModel::HitAt(const QModelIndex& index) const {
  if (!index.isValid() || index.row() >= rowCount()) return nullptr;
  return &lines_.Hits[static_cast<size_t>(index.row())];
}

int SearchHitsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(lines_.Hits.size());
}

int SearchHitsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant SearchHitsModel::data(const QModelIndex& index, int role) const {
  const SearchHit* hit = HitAt(index);
  if (hit == nullptr) return {};
  const int column = index.column();
  if (role == Qt::DecorationRole && column == kObject) return KindPicture(hit->Kind);
  if (role == kMatchRole && column == kText) {
    return ShownMatch(*hit, lines_.Matches[static_cast<size_t>(index.row())]);
  }
  if (role == Qt::TextAlignmentRole && column == kLine) {
    return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
  }
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
  switch (column) {
    case kObject:
      return hit->Kind == ObjectKind::None ? QStringLiteral("(no object)") : ToQString(hit->Key);
    case kKind:
      return QString::fromLatin1(KindTitle(hit->Kind));
    case kFile:
      return QString::fromLatin1(hit->File);
    case kLine:
      return hit->Line;
    case kText:
      return ToQString(hit->Text);
  }
  return {};
}

QVariant SearchHitsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
      section >= kColumnCount) {
    return {};
  }
  return QString::fromLatin1(kHeadings[section]);
}

}  // namespace vdbq::gui
