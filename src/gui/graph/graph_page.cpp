#include "gui/graph/graph_page.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QGraphicsPathItem>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QPen>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cmath>

#include "core/text/display_text.h"
#include "gui/text_convert.h"
#include "gui/widgets/busy_indicator.h"
#include "layout/graph_styles.h"

namespace vdbq::gui {
namespace {

constexpr int kNodeIndex = 0;  // item data: the node's index in the drawing

// An attribute of an object, else the graph's default for its kind, else "".
std::string AttributeOf(const std::vector<layout::Attribute>& own,
                        const std::vector<layout::Attribute>& defaults, const std::string& name) {
  for (const auto* list : {&own, &defaults}) {
    for (const layout::Attribute& a : *list) {
      if (a.Name == name) return a.Value;
    }
  }
  return {};
}

QColor Colour(const std::string& value) { return QColor(QString::fromStdString(value)); }

QPointF At(const layout::Point& p) { return {p.X, p.Y}; }

// An edge that thickens under the mouse, so the one whose references show is plain to see.
class EdgeItem : public QGraphicsPathItem {
 public:
  using QGraphicsPathItem::QGraphicsPathItem;

 protected:
  void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override {
    QPen p = pen();
    p.setWidthF(p.widthF() * 2.5);
    setPen(p);
    QGraphicsPathItem::hoverEnterEvent(event);
  }
  void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override {
    QPen p = pen();
    p.setWidthF(p.widthF() / 2.5);
    setPen(p);
    QGraphicsPathItem::hoverLeaveEvent(event);
  }
};

QPainterPath ArrowHead(const QPointF& from, const QPointF& tip) {
  const QPointF direction = tip - from;
  const double length = std::hypot(direction.x(), direction.y());
  QPainterPath head;
  if (length <= 0) return head;
  const QPointF along = direction / length;
  const QPointF across(-along.y(), along.x());
  const double half = std::max(2.5, length * 0.45);
  head.moveTo(tip);
  head.lineTo(from + across * half);
  head.lineTo(from - across * half);
  head.closeSubpath();
  return head;
}

}  // namespace

GraphView::GraphView(QWidget* parent) : QGraphicsView(parent) {
  setDragMode(QGraphicsView::ScrollHandDrag);
  setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
  setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
  setBackgroundBrush(Qt::white);
}

void GraphView::Zoom(double factor) {
  const double current = transform().m11();
  const double next = std::clamp(current * factor, 0.05, 8.0);
  scale(next / current, next / current);
}

void GraphView::FitAll() {
  if (scene() == nullptr || scene()->items().isEmpty()) return;
  fitInView(scene()->sceneRect(), Qt::KeepAspectRatio);
  // A small graph is not blown up beyond its natural size.
  const double fitted = transform().m11();
  if (fitted > 1.5) Zoom(1.5 / fitted);
  if (fitted < kLeastFitScale) {
    Zoom(kLeastFitScale / fitted);
    centerOn(start_);
  }
}

void GraphView::wheelEvent(QWheelEvent* event) {
  Zoom(std::pow(1.0015, event->angleDelta().y()));
  event->accept();
}

int GraphView::NodeAt(const QPoint& pos) const {
  for (QGraphicsItem* item = itemAt(pos); item != nullptr; item = item->parentItem()) {
    if (item->data(kNodeIndex).isValid()) return item->data(kNodeIndex).toInt();
  }
  return -1;
}

void GraphView::mouseDoubleClickEvent(QMouseEvent* event) {
  const int node = NodeAt(event->position().toPoint());
  if (node >= 0) {
    emit nodeDoubleClicked(node);
    event->accept();
    return;
  }
  QGraphicsView::mouseDoubleClickEvent(event);
}

void GraphView::contextMenuEvent(QContextMenuEvent* event) {
  const int node = NodeAt(event->pos());
  if (node >= 0) emit nodeMenuRequested(node, event->globalPos());
}

GraphPage::GraphPage(std::function<std::shared_ptr<const ScheduleGraph>()> graphSource,
                     QWidget* parent)
    : QWidget(parent), graphSource_(std::move(graphSource)) {
  setObjectName(QStringLiteral("graphPage"));
  title_ = new QLabel(this);
  QFont titleFont = title_->font();
  titleFont.setBold(true);
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
  title_->setFont(titleFont);

  auto spin = [this](const QString& tip) {
    auto* box = new QSpinBox(this);
    box->setRange(-1, 99);
    box->setSpecialValueText(QStringLiteral("all"));
    box->setValue(-1);
    box->setToolTip(tip);
    connect(box, &QSpinBox::valueChanged, this, [this] {
      if (!jobs_ && !rootKey_.empty()) ShowSchedule(rootKey_);
    });
    return box;
  };
  up_ = spin(QStringLiteral("How many steps of what the schedule waits for"));
  down_ = spin(QStringLiteral("How many steps of what waits for the schedule"));

  scene_ = new QGraphicsScene(this);
  view_ = new GraphView(this);
  view_->setScene(scene_);
  busy_ = new BusyIndicator(this);
  busy_->setFixedSize(busy_->sizeHint());
  message_ = new QLabel(this);
  message_->setWordWrap(true);
  message_->setStyleSheet(QStringLiteral("color: #8b0000; padding: 4px;"));
  message_->hide();

  auto button = [this](const QString& text, const QString& tip, auto slot) {
    auto* b = new QToolButton(this);
    b->setText(text);
    b->setToolTip(tip);
    b->setAutoRaise(true);
    connect(b, &QToolButton::clicked, this, slot);
    return b;
  };
  auto* bar = new QHBoxLayout;
  bar->addWidget(title_, 1);
  bar->addWidget(new QLabel(QStringLiteral("Up:"), this));
  bar->addWidget(up_);
  bar->addWidget(new QLabel(QStringLiteral("Down:"), this));
  bar->addWidget(down_);
  bar->addSpacing(8);
  bar->addWidget(button(QStringLiteral("Fit"),
                        QStringLiteral("Fit the graph to the window, a large one only as far as "
                                       "its labels stay readable (Ctrl+0)"),
                        [this] { view_->FitAll(); }));
  bar->addWidget(button(QStringLiteral("+"), QStringLiteral("Zoom in (Ctrl++)"),
                        [this] { view_->Zoom(1.25); }));
  bar->addWidget(button(QStringLiteral("-"), QStringLiteral("Zoom out (Ctrl+-)"),
                        [this] { view_->Zoom(0.8); }));
  bar->addSpacing(8);
  bar->addWidget(button(QStringLiteral("SVG..."), QStringLiteral("Export the drawing as SVG"),
                        [this] { emit exportRequested(Format::kSvg); }));
  bar->addWidget(button(QStringLiteral("PNG..."), QStringLiteral("Export the drawing as PNG"),
                        [this] { emit exportRequested(Format::kPng); }));
  bar->addWidget(button(QStringLiteral("DOT..."), QStringLiteral("Export the graph as DOT"),
                        [this] { emit exportRequested(Format::kDot); }));
  bar->addWidget(busy_);

  // The legends name the colours the drawing uses, one for each kind of graph.
  auto legend = [this](std::initializer_list<std::pair<layout::NodeRole, const char*>> chips,
                       const QString& edges) {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    for (const auto& [role, text] : chips) {
      const layout::NodeColours c = layout::ColoursOf(role);
      auto* label = new QLabel(QString::fromLatin1(text), box);
      label->setStyleSheet(QStringLiteral("background: %1; color: %2; border: 1px %3 %4; "
                                          "border-radius: 3px; padding: 1px 6px;")
                               .arg(c.Fill, c.Text, c.Dashed ? "dashed" : "solid", c.Border));
      row->addWidget(label);
    }
    row->addWidget(new QLabel(edges, box));
    row->addStretch(1);
    return box;
  };
  scheduleLegend_ = legend(
      {{layout::NodeRole::kRoot, "schedule"},
       {layout::NodeRole::kUpstream, "waited for"},
       {layout::NodeRole::kDownstream, "waits for it"},
       {layout::NodeRole::kBoth, "both (cycle)"},
       {layout::NodeRole::kUndefined, "not defined"}},
      QStringLiteral("<span style='color:%1'>&#x2501;&#x2501; schedule FOLLOWS</span>&nbsp; "
                     "<span style='color:%2'>&#x2505;&#x2505; job FOLLOWS</span>&nbsp; "
                     "(hover an edge for its references, double-click a node to centre on it)")
          .arg(layout::kScheduleEdgeColour, layout::kJobEdgeColour));
  jobLegend_ = legend({{layout::NodeRole::kJob, "job of the schedule"},
                       {layout::NodeRole::kExternalJob, "job elsewhere"}},
                      QStringLiteral("(an arrow points from a job to the jobs that follow it)"));
  jobLegend_->hide();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(scheduleLegend_);
  layout->addWidget(jobLegend_);
  layout->addWidget(message_);
  layout->addWidget(view_, 1);

  auto* zoomIn = new QShortcut(QKeySequence::ZoomIn, this);
  connect(zoomIn, &QShortcut::activated, this, [this] { view_->Zoom(1.25); });
  auto* zoomInPlus = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), this);
  connect(zoomInPlus, &QShortcut::activated, this, [this] { view_->Zoom(1.25); });
  auto* zoomOut = new QShortcut(QKeySequence::ZoomOut, this);
  connect(zoomOut, &QShortcut::activated, this, [this] { view_->Zoom(0.8); });
  auto* fit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_0), this);
  connect(fit, &QShortcut::activated, this, [this] { view_->FitAll(); });
  // A tool window: Esc and Ctrl+W close it.
  for (const QKeySequence& keys :
       {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
    auto* close = new QShortcut(keys, this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
  }

  connect(view_, &GraphView::nodeDoubleClicked, this, [this](int node) {
    if (!jobs_) ShowSchedule(drawnKeys_[static_cast<size_t>(node)]);
  });
  connect(view_, &GraphView::nodeMenuRequested, this, &GraphPage::OnNodeMenu);
  connect(&watcher_, &QFutureWatcher<LaidOut>::finished, this, &GraphPage::OnLayoutFinished);
  resize(1100, 700);
}

GraphPage::~GraphPage() { watcher_.waitForFinished(); }

void GraphPage::ShowSchedule(const std::string& key) {
  jobs_ = false;
  rootKey_ = key;
  scheduleLegend_->show();
  jobLegend_->hide();
  up_->setEnabled(true);
  down_->setEnabled(true);
  title_->setText(QStringLiteral("Dependency Graph: ") + ToQString(key));
  setWindowTitle(title_->text());
  const std::shared_ptr<const ScheduleGraph> graph = graphSource_();
  const int root = graph ? graph->Find(key) : -1;
  if (root < 0 || !graph->Defined(root)) {
    ShowMessage(QStringLiteral("Schedule not found: ") + ToQString(key));
    return;
  }
  const Neighbourhood around = graph->Around(root, up_->value(), down_->value());
  if (around.Nodes.size() > static_cast<size_t>(kMostDrawnNodes)) {
    ShowMessage(QStringLiteral("%1 schedules are too many to draw usefully. Please choose a "
                               "smaller depth for Up or Down.")
                    .arg(around.Nodes.size()));
    return;
  }
  graph_ = layout::ScheduleLayoutGraph(*graph, around);
  nodeKeys_.clear();
  for (const GraphNodeSteps& steps : around.Nodes) nodeKeys_.push_back(graph->Key(steps.Node));
  StartLayout();
}

void GraphPage::ShowJobs(const JobGraph& jobs) {
  jobs_ = true;
  rootKey_ = jobs.Root;
  scheduleLegend_->hide();
  jobLegend_->show();
  up_->setEnabled(false);
  down_->setEnabled(false);
  title_->setText(QStringLiteral("Job Graph: ") + ToQString(jobs.Root));
  setWindowTitle(title_->text());
  graph_ = layout::JobLayoutGraph(jobs);
  nodeKeys_.clear();
  for (const JobGraphNode& node : jobs.Nodes) nodeKeys_.push_back(node.Key);
  StartLayout();
}

void GraphPage::ShowMessage(const QString& text) {
  ++generation_;
  launchWanted_ = false;
  scene_->clear();
  drawn_ = layout::Graph{};
  drawnKeys_.clear();
  message_->setText(text);
  message_->setVisible(!text.isEmpty());
}

void GraphPage::StartLayout() {
  ++generation_;
  message_->hide();
  busy_->Start();
  // One layout runs at a time; a graph asked for meanwhile starts when it ends.
  launchWanted_ = true;
  if (!watcher_.isRunning()) Launch();
}

void GraphPage::Launch() {
  launchWanted_ = false;
  watcher_.setFuture(
      QtConcurrent::run([graph = graph_, keys = nodeKeys_, generation = generation_] {
        LaidOut result{generation, graph, keys, {}, {}};
        try {
          result.Drawing = layout::LayOut(result.Graph);
        } catch (const std::exception& error) {
          result.Error = error.what();
        }
        return result;
      }));
}

void GraphPage::OnLayoutFinished() {
  const LaidOut result = watcher_.result();
  if (launchWanted_) {
    Launch();
    return;
  }
  busy_->Stop();
  if (result.Generation != generation_) return;
  if (!result.Error.empty()) {
    ShowMessage(QStringLiteral("The graph could not be laid out: ") +
                QString::fromStdString(result.Error));
  } else {
    Draw(result);
  }
  emit laidOut();
}

void GraphPage::Draw(const LaidOut& result) {
  const layout::Drawing& drawing = result.Drawing;
  drawn_ = result.Graph;
  drawnKeys_ = result.Keys;
  scene_->clear();
  const std::vector<layout::Attribute>& nodeDefaults = drawn_.NodeDefaults;
  QFont font(QStringLiteral("Helvetica"));
  font.setPixelSize(10);
  for (size_t n = 0; n < drawing.Nodes.size(); ++n) {
    const layout::NodeBox& box = drawing.Nodes[n];
    const auto& attributes = drawn_.Nodes[n].Attributes;
    const QRectF rect(box.Centre.X - box.Width / 2, box.Centre.Y - box.Height / 2, box.Width,
                      box.Height);
    QPainterPath shape;
    shape.addRoundedRect(rect, 5, 5);
    auto* item = scene_->addPath(shape);
    QPen pen(Colour(AttributeOf(attributes, nodeDefaults, "color")));
    const std::string width = AttributeOf(attributes, {}, "penwidth");
    pen.setWidthF(width.empty() ? 1.0 : std::stod(width));
    if (AttributeOf(attributes, nodeDefaults, "style").find("dashed") != std::string::npos) {
      pen.setStyle(Qt::DashLine);
    }
    item->setPen(pen);
    item->setBrush(Colour(AttributeOf(attributes, nodeDefaults, "fillcolor")));
    item->setData(kNodeIndex, static_cast<int>(n));
    item->setToolTip(ToQString(drawnKeys_[n]));
    item->setZValue(1);
    auto* text = new QGraphicsSimpleTextItem(QString::fromStdString(drawn_.Nodes[n].Name), item);
    text->setFont(font);
    text->setBrush(Colour(AttributeOf(attributes, nodeDefaults, "fontcolor")));
    const QRectF bounds = text->boundingRect();
    // Graphviz measured the text with its own font; a wider one here is scaled into the box.
    const double fit = std::min(1.0, (rect.width() - 8) / std::max(1.0, bounds.width()));
    text->setScale(fit);
    text->setPos(rect.center() - QPointF(bounds.width() * fit / 2, bounds.height() * fit / 2));
  }
  const std::vector<layout::Attribute>& edgeDefaults = drawn_.EdgeDefaults;
  for (size_t e = 0; e < drawing.Edges.size(); ++e) {
    const layout::EdgePath& path = drawing.Edges[e];
    if (path.Curve.empty()) continue;
    const auto& attributes = drawn_.Edges[e].Attributes;
    QPainterPath curve(At(path.Curve[0]));
    for (size_t i = 1; i + 2 < path.Curve.size(); i += 3) {
      curve.cubicTo(At(path.Curve[i]), At(path.Curve[i + 1]), At(path.Curve[i + 2]));
    }
    const QColor colour = Colour(AttributeOf(attributes, edgeDefaults, "color"));
    QPen pen(colour, 1.2);
    if (AttributeOf(attributes, edgeDefaults, "style") == "dashed") pen.setStyle(Qt::DashLine);
    auto* item = new EdgeItem(curve);
    item->setPen(pen);
    item->setAcceptHoverEvents(true);
    item->setToolTip(QString::fromStdString(AttributeOf(attributes, {}, "tooltip")));
    scene_->addItem(item);
    if (path.HasArrow) {
      auto* head = scene_->addPath(ArrowHead(At(path.Curve.back()), At(path.ArrowTip)),
                                   QPen(colour, 1), colour);
      head->setZValue(0.5);
    }
  }
  const QRectF area = scene_->itemsBoundingRect().adjusted(-20, -20, 20, 20);
  scene_->setSceneRect(area);
  // A job graph flows from its first jobs at the left; a dependency graph around its schedule.
  QPointF start = area.topLeft();
  const auto root = std::find(drawnKeys_.begin(), drawnKeys_.end(), rootKey_);
  if (!jobs_ && root != drawnKeys_.end()) {
    start = At(drawing.Nodes[static_cast<size_t>(root - drawnKeys_.begin())].Centre);
  }
  view_->SetStartPoint(start);
  view_->FitAll();
}

void GraphPage::OnNodeMenu(int node, const QPoint& globalPos) {
  if (jobs_ || node < 0 || static_cast<size_t>(node) >= drawnKeys_.size()) return;
  const std::string key = drawnKeys_[static_cast<size_t>(node)];
  QMenu menu(this);
  menu.addAction(QStringLiteral("Centre Graph Here"), this, [this, key] { ShowSchedule(key); });
  menu.addAction(QStringLiteral("Open Schedule Page"), this,
                 [this, key] { emit scheduleOpenRequested(key); });
  menu.exec(globalPos);
}

bool GraphPage::ExportTo(const QString& path, Format format) {
  if (drawn_.Nodes.empty()) return false;
  if (format == Format::kPng) {
    const QRectF area = scene_->sceneRect();
    QImage image((area.size() * 2).toSize(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    scene_->render(&painter, QRectF(QPointF(), area.size() * 2), area);
    painter.end();
    if (image.save(path, "PNG")) return true;
  } else {
    try {
      const std::string text =
          format == Format::kSvg ? layout::SvgText(drawn_) : layout::DotText(drawn_);
      QFile file(path);
      if (file.open(QIODevice::WriteOnly) &&
          file.write(text.data(), static_cast<qint64>(text.size())) ==
              static_cast<qint64>(text.size())) {
        return true;
      }
    } catch (const std::exception&) {
    }
  }
  message_->setText(QStringLiteral("Could not write ") + path);
  message_->show();
  return false;
}

}  // namespace vdbq::gui
