// A second yardstick for the start-up time: the least a program with the desktop program's
// windows costs. A main window with a menu bar and a 294 x 10 table, a small two-column table
// beside it and a screen-sized window that paints one map-sized picture, quitting once that
// is painted. It starts up as the desktop program does; what it leaves out is ours: reading
// the report and map files, drawing the map, the view picture and the grid contents.
#include "qt/StartUp.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QTableView>
#include <QTimer>

namespace {

class CellsModel : public QAbstractTableModel {
  public:
    CellsModel(int rows, int cols) : rows_(rows), cols_(cols) {}
    int rowCount(const QModelIndex&) const override { return rows_; }
    int columnCount(const QModelIndex&) const override { return cols_; }
    QVariant data(const QModelIndex& index, int role) const override {
        return role == Qt::DisplayRole ? QVariant(QStringLiteral("Cell %1").arg(index.row()))
                                       : QVariant();
    }

  private:
    int rows_;
    int cols_;
};

class PictureWindow : public QWidget {
  public:
    PictureWindow() : picture_(1846, 806, QImage::Format_RGB32) {
        picture_.fill(Qt::cyan);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(0, 0, picture_);
        painter.fillRect(rect().adjusted(0, picture_.height(), 0, 0), Qt::gray);
        QTimer::singleShot(0, qApp, &QApplication::quit);
    }

  private:
    QImage picture_;
};

} // namespace

int main(int argc, char** argv) {
    dered::ShellApplication app(argc, argv);

    QMainWindow main;
    for (const char* title : {"&File", "&Area Data", "&Command", "&View", "&Options", "&Help"}) {
        QMenu* menu = main.menuBar()->addMenu(QString::fromLatin1(title));
        menu->addAction(QStringLiteral("&First"));
        menu->addAction(QStringLiteral("&Second"));
    }
    CellsModel areas(294, 10);
    auto* grid = new QTableView;
    grid->verticalHeader()->hide();
    grid->setModel(&areas);
    main.setCentralWidget(grid);
    main.resize(660, 560);

    CellsModel totals(8, 2);
    QTableView summary;
    summary.horizontalHeader()->hide();
    summary.verticalHeader()->hide();
    summary.setModel(&totals);
    summary.setGeometry(670, 0, 150, 180);

    PictureWindow map;
    map.resize(1600, 1000);
    map.show();
    summary.show();
    main.show();
    return QApplication::exec();
}
