#include "qt/UnitDisplayView.h"

#include "forms/frmUnitDisplay.h"
#include "map/Pictures.h"
#include "qt/QImageSurface.h"
#include "qt/QtPlatform.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace dered {

namespace {

constexpr int kScale = 2;
constexpr int kMargin = 8;

QImage ImageOf(const Picture& picture) {
    QImageSurface surface(picture.width, picture.height);
    surface.DrawPicture(picture, 0, picture.width, 0, 0, false);
    return surface.Image().copy(0, 0, picture.width, picture.height);
}

QLabel* PictureBox(QWidget* parent, const Picture& picture, const ControlRect& rect,
                   const QString& name) {
    auto* box = new QLabel(parent);
    box->setObjectName(name);
    const QImage image = ImageOf(picture);
    box->setPixmap(QPixmap::fromImage(image.scaled(image.size() * kScale)));
    box->setGeometry(rect.left * kScale, rect.top * kScale, rect.width * kScale,
                     rect.height * kScale);
    return box;
}

} // namespace

UnitDisplayView::UnitDisplayView(frmUnitDisplay& form, const ViewContext& context)
    : DialogView(form, context), unitDisplay_(form) {
    const MapPictures pictures = MakeMapPictures();
    auto* panel = new QWidget;
    const ControlRect& first = frmUnitDisplay::picUnitRect[0];
    const ControlRect& last = frmUnitDisplay::picUnitSymbolRect.back();
    panel->setFixedSize((last.left + last.width + first.left) * kScale,
                        (last.top + last.height) * kScale + kMargin);
    for (size_t i = 0; i < frmUnitDisplay::picUnitRect.size(); ++i) {
        PictureBox(panel, pictures.picUnit[i], frmUnitDisplay::picUnitRect[i],
                   QStringLiteral("picUnit(%1)").arg(i));
        PictureBox(panel, pictures.picUnit[i + 4], frmUnitDisplay::picUnitSymbolRect[i],
                   QStringLiteral("picUnitSymbol(%1)").arg(i));
    }
    // The heading's words stand over the columns: a fixed-pitch font in which the eight
    // characters from one word to the next span one column.
    QLabel* heading = Label(form.Label1);
    heading->setParent(panel);
    QFont font = FixedPitchFont();
    const int pitch = (frmUnitDisplay::picUnitRect[1].left - first.left) * kScale;
    font.setPixelSize(100);
    const int advance = QFontMetrics(font).horizontalAdvance(QStringLiteral("Army    "));
    font.setPixelSize(std::max(1, 100 * pitch / std::max(advance, 1)));
    heading->setFont(font);
    heading->move(first.left * kScale, kMargin);
    heading->adjustSize();
    panel->setFixedWidth(std::max(panel->width(), heading->geometry().right() + kMargin));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button(form.cmdPicture));
    buttons->addWidget(Button(form.cmdSymbol));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace dered
