#include "qt/StartUp.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>

#if defined(__unix__)
#include <dlfcn.h>
#endif

namespace dered {

namespace {

void ReadFontConfiguration() {
#if defined(__unix__)
    // Qt reads it through fontconfig where it uses fontconfig; elsewhere there is nothing to do.
    using Init = int (*)();
    if (void* init = dlsym(RTLD_DEFAULT, "FcInit")) {
        reinterpret_cast<Init>(init)();
    }
#endif
}

QIcon OverflowArrows(bool horizontal) {
    constexpr int kSide = 16;
    QPixmap pixmap(kSide, kSide);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QApplication::palette().color(QPalette::ButtonText), 1.5));
    if (!horizontal) {
        painter.translate(kSide, 0);
        painter.rotate(90);
    }
    // Two chevrons pointing on: ">>".
    for (const qreal x : {4.0, 9.0}) {
        painter.drawPolyline(QPolygonF({{x, 4.0}, {x + 3.5, 8.0}, {x, 12.0}}));
    }
    return QIcon(pixmap);
}

} // namespace

FontConfigurationReader::FontConfigurationReader() : reader_(ReadFontConfiguration) {}

FontConfigurationReader::~FontConfigurationReader() {
    Wait();
}

void FontConfigurationReader::Wait() {
    if (reader_.joinable()) {
        reader_.join();
    }
}

QIcon ShellStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                               const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton) {
        return OverflowArrows(true);
    }
    if (icon == SP_ToolBarVerticalExtensionButton) {
        return OverflowArrows(false);
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}

WindowMenus::WindowMenus() {
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
}

ShellApplication::ShellApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setStyle(new ShellStyle);
    Wait();
}

} // namespace dered
