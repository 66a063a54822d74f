#include "qt/ExportMapView.h"

#include "forms/frmExportMap.h"
#include "map/SvgSurface.h"
#include "qt/Bindings.h"
#include "qt/QImageSurface.h"
#include "qt/QtText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include <vector>

namespace dered {

namespace {

// The map under its title line, as the SVG lays them out.
QImage TitledPicture(const QImage& map, const QString& title) {
    QImage picture(map.width(), map.height() + SvgSurface::kTitleHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawImage(0, SvgSurface::kTitleHeight, map, 0, 0, map.width(), map.height());
    QFont font = painter.font();
    font.setPixelSize(SvgSurface::kTitleHeight * 7 / 10);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(4, 0, picture.width() - 8, SvgSurface::kTitleHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, title);
    return picture;
}

// The picture as large as the page allows, its shape kept; false when the page could not be
// begun (a PDF file that cannot be written, a printer that is not there).
bool PaintOnPage(QPaintDevice& device, const QImage& picture) {
    QPainter painter(&device);
    if (!painter.isActive()) {
        return false;
    }
    const QRect page = painter.viewport();
    const QSize size = picture.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(page.topLeft(), size), picture);
    return painter.end();
}

} // namespace

ExportMapView::ExportMapView(frmExportMap& form, const ViewContext& context)
    : DialogView(form, context) {
    bindings_.Add<HookBinding<decltype(form.writePicture)>>(
        form.writePicture, [this, &form](const MapPictureJob& job) { return Write(form, job); });
    auto* layout = new QGridLayout(this);
    layout->addWidget(RadioButtonRow(form.optFormat, bindings_), 0, 0, 1, 2);
    layout->addWidget(RadioButtonRow(form.optCells, bindings_), 1, 0, 1, 2);
    layout->addWidget(Label(form.lblCellSize), 2, 0);
    layout->addWidget(TextBox(form.txtCellSize), 2, 1);
    layout->addWidget(CheckBox(form.chkArrows), 3, 0, 1, 2);
    layout->addWidget(CheckBox(form.chkAllies), 4, 0, 1, 2);
    layout->addWidget(CheckBox(form.chkReach), 5, 0, 1, 2);
    layout->addWidget(Label(form.lblSize), 6, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button(form.cmdExport));
    buttons->addWidget(Button(form.cmdCancel));
    layout->addLayout(buttons, 7, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::string ExportMapView::Write(const frmExportMap& form, const MapPictureJob& job) {
    QImageSurface surface(job.layout.width, job.layout.height);
    form.DrawPicture(surface, job);
    const QImage picture = TitledPicture(
        surface.Image().copy(0, 0, job.layout.width, job.layout.height), ToQt(job.title));
    switch (job.format) {
    case PictureFormat::Png:
        return picture.save(PathToQt(job.path), "PNG") ? std::string()
                                                       : "the picture could not be written";
    case PictureFormat::Pdf: {
        QPdfWriter pdf(PathToQt(job.path));
        pdf.setTitle(ToQt(job.title));
        pdf.setPageOrientation(QPageLayout::Landscape);
        return PaintOnPage(pdf, picture) ? std::string() : "the PDF file could not be written";
    }
    case PictureFormat::Print: {
        QPrinter printer;
        printer.setPageOrientation(QPageLayout::Landscape);
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() == QDialog::Accepted && !PaintOnPage(printer, picture)) {
            return "the printer could not be used";
        }
        return {};
    }
    case PictureFormat::Svg:
        break;
    }
    return "not a picture the desktop writes";
}

} // namespace dered
