#pragma once

#include <QApplication>
#include <QProxyStyle>

#include <thread>

namespace dered {

// Reads the system's font configuration on a thread of its own while the application object
// connects to the display: the first text measured would otherwise wait for it. Wait() before
// Qt first asks for a font, so that the two never read it at once.
class FontConfigurationReader {
  public:
    FontConfigurationReader();
    ~FontConfigurationReader();
    FontConfigurationReader(const FontConfigurationReader&) = delete;
    FontConfigurationReader& operator=(const FontConfigurationReader&) = delete;

    void Wait();

  private:
    std::thread reader_;
};

// The platform's style, except for the menu bar's overflow button: its stored picture is a
// file whose reading loads every image-format plug-in there is, a few milliseconds at start-up
// for a button that shows only when the menus do not fit. This one draws its arrows.
class ShellStyle : public QProxyStyle {
  public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// The menu is part of the main window, as the form has it, never the desktop's menu bar; set
// before the application object is made.
struct WindowMenus {
    WindowMenus();
};

// The application object as the desktop program starts it: the font configuration is read
// meanwhile, and the shell's style is in place before the first window.
class ShellApplication : private FontConfigurationReader, private WindowMenus, public QApplication {
  public:
    ShellApplication(int& argc, char** argv);
};

} // namespace dered
