#include "qt/HistoryView.h"

#include "forms/frmHistory.h"
#include "qt/Bindings.h"
#include "qt/GridBinding.h"
#include "qt/QImageSurface.h"
#include "qt/QtText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace dered {

namespace {

constexpr int kChartWidth = 640;
constexpr int kChartHeight = 320;
constexpr int kTableHeight = 170;

// The form's chart at the widget's size; the pointer's moves go to the form.
class ChartWidget : public QWidget {
  public:
    ChartWidget(frmHistory& form, QWidget* parent)
        : QWidget(parent), form_(form), surface_(kChartWidth, kChartHeight) {
        setObjectName(QStringLiteral("chrHistory"));
        setMouseTracking(true);
        setMinimumSize(kChartWidth / 2, kChartHeight / 2);
    }
    QSize sizeHint() const override { return {kChartWidth, kChartHeight}; }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (surface_.Width() != width() || surface_.Height() != height()) {
            surface_.Resize(width(), height());
        }
        form_.Draw(surface_);
        QPainter(this).drawImage(0, 0, surface_.Image());
    }
    void resizeEvent(QResizeEvent*) override { form_.SetChartSize(width(), height()); }
    void mouseMoveEvent(QMouseEvent* event) override {
        const QPoint at = event->position().toPoint();
        form_.PointerAt(Point32{at.x(), at.y()});
    }
    void leaveEvent(QEvent*) override { form_.PointerAt(std::nullopt); }

  private:
    frmHistory& form_;
    QImageSurface surface_;
};

std::string WritePng(const HistoryPictureJob& job) {
    QImageSurface surface(job.chart.width, job.chart.height);
    DrawHistoryChart(job.chart, surface);
    const QImage picture = surface.Image().copy(0, 0, job.chart.width, job.chart.height);
    return picture.save(PathToQt(job.path), "PNG") ? std::string()
                                                   : "the picture could not be written";
}

} // namespace

HistoryView::HistoryView(frmHistory& form, const ViewContext& context) : DialogView(form, context) {
    bindings_.Add<HookBinding<decltype(form.writePng)>>(form.writePng, WritePng);
    auto* chart = new ChartWidget(form, this);
    bindings_.Add<ActionBinding>(form.chartChanged, [chart] { chart->update(); });
    auto* table = new QTableView(this);
    table->setObjectName(ObjectName(form.grdHistory));
    bindings_.Add<GridBinding>(form.grdHistory, *table);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->hide();
    table->setMinimumHeight(kTableHeight / 2);
    table->setMaximumHeight(kTableHeight);
    table->resize(kChartWidth, kTableHeight);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RadioButtonRow(form.optFigure, bindings_));
    layout->addWidget(chart, 3);
    layout->addWidget(Label(form.lblPointer));
    layout->addWidget(table, 2);
    QLabel* skipped = Label(form.lblSkipped);
    skipped->setWordWrap(true);
    layout->addWidget(skipped);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button(form.cmdSvg));
    buttons->addWidget(Button(form.cmdPng));
    layout->addLayout(buttons);
    resize(kChartWidth + 24, kChartHeight + kTableHeight + 140);
}

} // namespace dered
