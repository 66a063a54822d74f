#pragma once

#include "qt/Bindings.h"
#include "qt/FormWindow.h"

#include <QSize>

#include <initializer_list>

class QGroupBox;

namespace dered {

template <typename Model> class Control;

// The window of one of the small dialogs: a fixed-size window with only a close box. The
// helpers make a widget bound to a control model and named as the form names the control.
class DialogView : public FormWindow {
  public:
    // Where the window opens: over the middle of the main window, or at the top right corner of
    // the map whose clicks it takes, kept above the map.
    enum class Over { MainWindow, Map };

    DialogView(Form& form, const ViewContext& context, Over over = Over::MainWindow);

  protected:
    void showEvent(QShowEvent* event) override;
    // Where the window goes when it is first shown; over the main window where the map is not
    // shown.
    virtual void Place();
    // The window opens at the size its layout asks for, but the parts (lists) may give up
    // height down to `leastHeight`, so that a low screen still holds the window whole.
    void LetShrink(std::initializer_list<QWidget*> parts, int leastHeight);

    QGroupBox* Frame(Control<TextModel>& caption);
    QListWidget* List(Control<ListBoxModel>& model);
    QPushButton* Button(Control<ButtonModel>& model);
    QLabel* Label(Control<TextModel>& model);
    QLineEdit* TextBox(Control<TextBoxModel>& model);
    QCheckBox* CheckBox(Control<CheckBoxModel>& model);
    QScrollBar* ScrollBar(Control<ScrollBarModel>& model);

    const Form& mainWindow_;
    const Form& mapWindow_;

  private:
    // Keeps the window above the owner's window, so that a window manager never buries it
    // under the program's others.
    void KeepAbove(const Form& owner);
    // The top right corner of the map window, clear of a main window over the map's left;
    // false where the map is not shown.
    bool PlaceOverMap();
    void PlaceOverMainWindow();

    const Over over_;
    bool placed_ = false;
};

// Lays a list out in a frame, above a row of the frame's other controls.
QGroupBox* ListFrame(QGroupBox* frame, QListWidget* list, std::initializer_list<QWidget*> below,
                     QSize listSize = QSize(150, 150));

} // namespace dered
