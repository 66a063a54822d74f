#include "qt/MapOptionsView.h"

#include "forms/frmMapOptions.h"
#include "qt/Bindings.h"
#include "qt/MoreBindings.h"

#include <QFrame>
#include <QLabel>

#include <string>

namespace dered {

namespace {

QRect ToQt(const ControlRect& rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}

} // namespace

MapOptionsView::MapOptionsView(frmMapOptions& form, const ViewContext& context)
    : DialogView(form, context), mapOptions_(form) {
    const frmMapOptions::Layout& at = form.Positions();
    for (size_t i = 0; i < form.picArrow.size(); ++i) {
        PlaceSwatch(form.lblArrow[i], at.lblArrow[i], form.picArrow[i], at.picArrow[i]);
    }
    PlaceSwatch(form.lblWater, at.lblWater, form.picWater, at.picWater);
    PlaceSwatch(form.lblBorders, at.lblBorders, form.picBorders, at.picBorders);
    for (size_t i = 0; i < form.picColour.size(); ++i) {
        PlaceSwatch(form.lblColour[i], at.lblColour[i], form.picColour[i], at.picColour[i]);
    }
    QLabel* clash = Label(form.lblClash);
    clash->setParent(this);
    clash->setGeometry(ToQt(at.lblClash));
    clash->setWordWrap(true);
    clash->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFixedSize(at.width, at.height);
}

void MapOptionsView::PlaceSwatch(Control<TextModel>& label, const ControlRect& labelRect,
                                 Control<SwatchModel>& swatch, const ControlRect& swatchRect) {
    QLabel* caption = Label(label);
    caption->setParent(this);
    caption->setGeometry(ToQt(labelRect));
    auto* frame = new QFrame(this);
    frame->setObjectName(ObjectName(swatch));
    frame->setGeometry(ToQt(swatchRect));
    bindings_.Add<SwatchBinding>(swatch, *frame);
}

} // namespace dered
