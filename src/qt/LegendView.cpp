#include "qt/LegendView.h"

#include "forms/frmLegend.h"
#include "qt/QImageSurface.h"
#include "qt/QtText.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace dered {

namespace {

constexpr int kSwatchWidth = 32;
constexpr int kSwatchHeight = 16;

QWidget* Swatch(int32_t colour) {
    auto* frame = new QFrame;
    frame->setFixedSize(kSwatchWidth, kSwatchHeight);
    frame->setFrameShape(QFrame::Box);
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, ColourToQt(colour));
    frame->setPalette(palette);
    return frame;
}

QWidget* UnitPicture(const Picture& picture) {
    QImageSurface surface(picture.width, picture.height);
    surface.DrawPicture(picture, 0, picture.width, 0, 0, false);
    auto* label = new QLabel;
    label->setPixmap(QPixmap::fromImage(surface.Image()));
    return label;
}

} // namespace

LegendView::LegendView(frmLegend& form, const ViewContext& context)
    : FormWindow(form, context, EscKey::Closes), legend_(form) {
    setWindowFlags(Qt::Window);
    // The lines scroll when the screen is too low for all of them.
    auto* outer = new QVBoxLayout(this);
    scroll_ = new QScrollArea;
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    outer->addWidget(scroll_);
    auto* rows = new QWidget;
    auto* column = new QVBoxLayout(rows);
    column->setContentsMargins(0, 0, 0, 0);
    rows_ = new QGridLayout;
    column->addLayout(rows_);
    column->addStretch();
    Rebuild();
    // The window takes the size of all its lines (measured before the scroll area holds them);
    // the screen may then make it lower.
    const QSize lines = rows->sizeHint();
    scroll_->setWidget(rows);
    const QMargins margins = outer->contentsMargins();
    resize(lines.width() + margins.left() + margins.right() +
               scroll_->verticalScrollBar()->sizeHint().width(),
           lines.height() + margins.top() + margins.bottom());
    bindings_.Add<ActionBinding>(legend_, [this] { Rebuild(); });
}

void LegendView::Rebuild() {
    while (QLayoutItem* item = rows_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    int row = 0;
    for (const frmLegend::Line& line : legend_.Lines()) {
        auto* text = new QLabel(ToQt(line.text));
        switch (line.kind) {
        case frmLegend::Line::Kind::Heading: {
            QFont bold = text->font();
            bold.setBold(true);
            text->setFont(bold);
            rows_->addWidget(text, row, 0, 1, 2);
            break;
        }
        case frmLegend::Line::Kind::Colour:
            rows_->addWidget(Swatch(line.colour), row, 0);
            rows_->addWidget(text, row, 1);
            break;
        case frmLegend::Line::Kind::Unit:
            rows_->addWidget(UnitPicture(*line.unit), row, 0);
            rows_->addWidget(text, row, 1);
            break;
        }
        ++row;
    }
}

} // namespace dered
