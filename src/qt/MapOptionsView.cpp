#include "qt/MapOptionsView.h"

#include "forms/frmMapOptions.h"
#include "qt/MoreBindings.h"

#include <QFrame>
#include <QLabel>

#include <string>

namespace dered {

namespace {

QRect ToQt(const ControlRect& rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}

std::string Indexed(const char* name, size_t index) {
    return std::string(name) + "(" + std::to_string(index) + ")";
}

} // namespace

MapOptionsView::MapOptionsView(frmMapOptions& form, const ViewContext& context)
    : DialogView(form, context), mapOptions_(form) {
    const frmMapOptions::Layout& at = form.Positions();
    for (size_t i = 0; i < form.picArrow.size(); ++i) {
        PlaceSwatch(form.lblArrow[i], at.lblArrow[i], Indexed("lblArrow", i).c_str(),
                    form.picArrow[i], at.picArrow[i], Indexed("picArrow", i).c_str());
    }
    PlaceSwatch(form.lblWater, at.lblWater, "lblWater", form.picWater, at.picWater, "picWater");
    PlaceSwatch(form.lblBorders, at.lblBorders, "lblBorders", form.picBorders, at.picBorders,
                "picBorders");
    for (size_t i = 0; i < form.picColour.size(); ++i) {
        PlaceSwatch(form.lblColour[i], at.lblColour[i], Indexed("lblColour", i).c_str(),
                    form.picColour[i], at.picColour[i], Indexed("picColour", i).c_str());
    }
    QLabel* clash = Label(form.lblClash, "lblClash");
    clash->setParent(this);
    clash->setGeometry(ToQt(at.lblClash));
    clash->setWordWrap(true);
    clash->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFixedSize(at.width, at.height);
}

void MapOptionsView::PlaceSwatch(TextModel& label, const ControlRect& labelRect,
                                 const char* labelName, SwatchModel& swatch,
                                 const ControlRect& swatchRect, const char* swatchName) {
    QLabel* caption = Label(label, labelName);
    caption->setParent(this);
    caption->setGeometry(ToQt(labelRect));
    auto* frame = new QFrame(this);
    frame->setObjectName(QString::fromLatin1(swatchName));
    frame->setGeometry(ToQt(swatchRect));
    bindings_.Add<SwatchBinding>(swatch, *frame);
}

} // namespace dered
