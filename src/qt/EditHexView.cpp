#include "qt/EditHexView.h"

#include "forms/frmEditHex.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <iterator>
#include <string>

namespace dered {

namespace {

QRect ToQt(const ControlRect& rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}

// The border boxes at their design places around the outline of a hexagon with a flat top
// and bottom, whose six sides they name.
class BorderPanel : public QWidget {
  public:
    BorderPanel() {
        QRect all = ToQt(frmEditHex::hexagonRect);
        for (const ControlRect& rect : frmEditHex::chkBorderRect) {
            all = all.united(ToQt(rect));
        }
        setFixedSize(all.right() + kMargin, all.bottom() + kMargin);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        const QRect r = ToQt(frmEditHex::hexagonRect);
        const int quarter = r.width() / 4;
        const int middle = r.top() + r.height() / 2;
        const QPoint outline[] = {{r.left() + quarter, r.top()},
                                  {r.right() - quarter, r.top()},
                                  {r.right(), middle},
                                  {r.right() - quarter, r.bottom()},
                                  {r.left() + quarter, r.bottom()},
                                  {r.left(), middle}};
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(palette().windowText().color(), 2));
        painter.drawPolygon(outline, static_cast<int>(std::size(outline)));
    }

  private:
    static constexpr int kMargin = 8;
};

} // namespace

EditHexView::EditHexView(frmEditHex& form, const ViewContext& context)
    : DialogView(form, context), editHex_(form) {

    auto* area = new QHBoxLayout;
    area->addWidget(Label(form.lblArea));
    QLineEdit* areaBox = TextBox(form.txtArea);
    areaBox->setFixedWidth(areaBox->fontMetrics().horizontalAdvance(QStringLiteral("22222")) + 12);
    area->addWidget(areaBox);
    area->addStretch();

    auto* borders = new BorderPanel;
    QLabel* bordersLabel = Label(form.Label1);
    bordersLabel->setParent(borders);
    bordersLabel->move(4, 4);
    for (size_t k = 0; k < form.chkBorder.size(); ++k) {
        QCheckBox* box = CheckBox(form.chkBorder[k]);
        box->setParent(borders);
        box->setGeometry(ToQt(frmEditHex::chkBorderRect[k]));
    }

    auto* display = new QVBoxLayout;
    display->addWidget(Label(form.Label2));
    for (Control<CheckBoxModel>& box : form.chkDisplay) {
        display->addWidget(CheckBox(box));
    }
    display->addStretch();
    auto* place = new QHBoxLayout;
    place->addWidget(Label(form.lblX));
    place->addWidget(Label(form.lblY));
    display->addLayout(place);
    display->addWidget(Button(form.cmdOK));

    auto* layout = new QGridLayout(this);
    layout->addLayout(area, 0, 0);
    layout->addWidget(borders, 1, 0);
    layout->addLayout(display, 0, 1, 2, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void EditHexView::CloseBox() {
    forms_.Hide(editHex_);
}

} // namespace dered
