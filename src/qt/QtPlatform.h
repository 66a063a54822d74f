#pragma once

#include "ui/Platform.h"

#include <QDialog>
#include <QFont>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <unordered_map>

class QMessageBox;
class QWidget;

namespace dered {

class FormView;

// The program's services on Qt. Windows are made by the view maker when a form is first shown
// and are destroyed when the form unloads.
class QtPlatform : public Platform {
  public:
    using ViewMaker = std::function<FormView*(Form&)>;

    QtPlatform() = default;
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    void MsgBox(std::string_view text, MsgIcon icon) override;
    Answer Ask(const Question& question) override;
    void SetPointer(Pointer pointer) override;
    OpenFileResult ShowOpenDialog(const OpenFileRequest& request) override;
    int32_t ChooseColour(int32_t startColour) override;
    void DoEvents() override;
    TextExtent MeasureText(std::string_view text, FontKind font) override;
    int VerticalScrollBarWidth() override;
    TextExtent ScreenSize() override;
    std::unique_ptr<DrawingSurface> CreateSurface(int width, int height) override;
    void FormShown(Form& form, bool modal) override;
    void FormHidden(Form& form) override;
    void FormUnloaded(Form& form) override;
    void EndProgram() override;
    void After(int milliseconds, std::function<void()> task) override;

    void SetViewMaker(ViewMaker maker) { makeView_ = std::move(maker); }
    // Called each time a form's window has been shown and placed by its view.
    using ShownHook = std::function<void(Form&, QWidget&)>;
    void SetShownHook(ShownHook hook) { shown_ = std::move(hook); }
    // The form's window, made now if it has none yet; null for a form without a window.
    FormView* EnsureView(Form& form);
    FormView* ViewOf(const Form& form) const;
    QWidget* WidgetOf(const Form& form) const;
    // Ends the run once no window of ours is visible any more.
    void QuitIfNoWindowLeft();
    // Deletes every window at once; the forms must still exist.
    void DestroyViews();

    Pointer CurrentPointer() const { return pointer_; }
    bool Ended() const { return ended_; }

  private:
    struct ViewEntry {
        FormView* view;
        QPointer<QWidget> widget;
    };
    QWidget* DialogParent() const;
    // A box or dialog waits for the user under the normal pointer, even inside file work under
    // the hourglass; the pointer before comes back after.
    int ExecUnderNormalPointer(QDialog& dialog);

    ViewMaker makeView_;
    ShownHook shown_;
    std::unordered_map<const Form*, ViewEntry> views_;
    Pointer pointer_ = Pointer::Default;
    // The file dialog opens where the user last chose a file, as the classic one did.
    QString lastDialogDir_;
    bool ended_ = false;
};

// The message box as MsgBox shows it: one OK button, the program's title.
std::unique_ptr<QMessageBox> MakeMessageBox(std::string_view text, MsgIcon icon, QWidget* parent);
// "Desc|pattern|Desc|pattern" as the file dialog's filter list.
QStringList FileDialogFilters(const std::string& filter);
QFont FixedPitchFont();

} // namespace dered
