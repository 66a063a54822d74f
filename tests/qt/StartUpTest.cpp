#include "qt/StartUp.h"

#include <QImage>

#include <gtest/gtest.h>

namespace dered {
namespace {

int InkedPixels(const QIcon& icon) {
    const QImage image = icon.pixmap(16, 16).toImage();
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            inked += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    return inked;
}

TEST(StartUp, OverflowButtonsGetDrawnArrowsOtherIconsComeFromThePlatformStyle) {
    ShellStyle style;
    for (auto icon :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const int inked = InkedPixels(style.standardIcon(icon));
        EXPECT_GT(inked, 8) << icon;
        EXPECT_LT(inked, 16 * 16 / 2) << icon;
    }
    EXPECT_FALSE(style.standardIcon(QStyle::SP_MessageBoxCritical).isNull());
}

} // namespace
} // namespace dered
