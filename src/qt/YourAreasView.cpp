#include "qt/YourAreasView.h"

#include "forms/frmYourAreas.h"
#include "qt/QtPlatform.h"

#include <QFontMetrics>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace dered {

namespace {
// Room for the longest line: number, owner, unit, order and two parameters.
constexpr const char* kWidestLine = "293 GRMN S SA  40  3  ";
constexpr int kVisibleLines = 20;
constexpr int kLeastLines = 5;
} // namespace

YourAreasView::YourAreasView(frmYourAreas& form, const ViewContext& context)
    : DialogView(form, context), yourAreas_(form) {
    QListWidget* list = List(form.lstYourAreas);
    // "Courier New", or the system's fixed-pitch font where there is none.
    const QFont font = FixedPitchFont();
    list->setFont(font);
    const QFontMetrics metrics(font);
    const int scrollBar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    list->setFixedSize(metrics.horizontalAdvance(QString::fromLatin1(kWidestLine)) + scrollBar +
                           2 * list->frameWidth() + 8,
                       kVisibleLines * metrics.lineSpacing() + 2 * list->frameWidth());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addWidget(Button(form.cmdRefreash), 0, Qt::AlignHCenter);
    LetShrink({list}, kLeastLines * metrics.lineSpacing());
}

} // namespace dered
