#include "qt/QtPlatform.h"

#include "qt/FormView.h"
#include "qt/QImageSurface.h"
#include "qt/QtText.h"
#include "state/EnumTable.h"
#include "ui/Form.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QtMath>

#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <array>

namespace dered {

QtPlatform::~QtPlatform() {
    DestroyViews();
}

namespace {

// Qt's icons and buttons for the program's, in the order of MsgIcon and Answer.
constexpr std::array kIcons{QMessageBox::NoIcon, QMessageBox::Critical, QMessageBox::Information,
                            QMessageBox::Warning};
constexpr std::array kAnswerButtons{QMessageBox::Yes, QMessageBox::No, QMessageBox::Save,
                                    QMessageBox::Discard, QMessageBox::Cancel};

} // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(std::string_view text, MsgIcon icon, QWidget* parent) {
    return std::make_unique<QMessageBox>(EntryOf(kIcons, icon, QMessageBox::NoIcon),
                                         ToQt(kAppTitle), ToQt(text), QMessageBox::Ok, parent);
}

QWidget* QtPlatform::DialogParent() const {
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    // Nothing active (a dialog just closed): the map, where orders are entered, then the
    // main window, so that a box never hides under the map behind a small window.
    for (const char* name : {"frmMap", "frmWinQZ"}) {
        for (const auto& [form, entry] : views_) {
            if (form->Name() == name && entry.widget && entry.widget->isVisible()) {
                return entry.widget;
            }
        }
    }
    for (const auto& [form, entry] : views_) {
        if (entry.widget && entry.widget->isVisible()) {
            return entry.widget;
        }
    }
    return nullptr;
}

void QtPlatform::After(int milliseconds, std::function<void()> task) {
    QTimer::singleShot(milliseconds, qApp, std::move(task));
}

int QtPlatform::ExecUnderNormalPointer(QDialog& dialog) {
    const Pointer before = pointer_;
    SetPointer(Pointer::Default);
    const int result = dialog.exec();
    SetPointer(before);
    return result;
}

void QtPlatform::MsgBox(std::string_view text, MsgIcon icon) {
    ExecUnderNormalPointer(*MakeMessageBox(text, icon, DialogParent()));
}

Answer QtPlatform::Ask(const Question& question) {
    QMessageBox box(QMessageBox::Question, ToQt(kAppTitle), ToQt(question.text),
                    QMessageBox::NoButton, DialogParent());
    std::vector<std::pair<QAbstractButton*, Answer>> buttons;
    for (const Answer choice : question.choices) {
        buttons.emplace_back(box.addButton(EntryOf(kAnswerButtons, choice, QMessageBox::Cancel)),
                             choice);
    }
    ExecUnderNormalPointer(box);
    for (const auto& [button, answer] : buttons) {
        if (box.clickedButton() == button) {
            return answer;
        }
    }
    return question.unanswered;
}

void QtPlatform::SetPointer(Pointer pointer) {
    if (pointer == pointer_) {
        return;
    }
    const bool hadOverride = pointer_ != Pointer::Default;
    pointer_ = pointer;
    if (pointer == Pointer::Default) {
        QApplication::restoreOverrideCursor();
        return;
    }
    const QCursor cursor(pointer == Pointer::Hourglass ? Qt::WaitCursor : Qt::CrossCursor);
    if (hadOverride) {
        QApplication::changeOverrideCursor(cursor);
    } else {
        QApplication::setOverrideCursor(cursor);
    }
}

QStringList FileDialogFilters(const std::string& filter) {
    const QStringList parts = ToQt(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // "*.*" meant every file, dotted or not.
        QStringList list = patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (QString& pattern : list) {
            if (pattern == QLatin1String("*.*")) {
                pattern = QStringLiteral("*");
            }
        }
        // The dialog reads the patterns from the last brackets: the ones we write.
        if (description.endsWith(QLatin1Char(')')) && description.contains(QLatin1Char('('))) {
            description.truncate(description.lastIndexOf(QLatin1Char('(')));
        }
        filters << description.trimmed() + QStringLiteral(" (") + list.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters;
}

OpenFileResult QtPlatform::ShowOpenDialog(const OpenFileRequest& request) {
    QFileDialog dialog(DialogParent());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowTitle(ToQt(request.mustExist ? request.title : std::string("Save As")));
    dialog.setAcceptMode(request.mustExist ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList filters = FileDialogFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size()) {
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    }
    dialog.setDefaultSuffix(ToQt(request.defaultExt));
    if (!lastDialogDir_.isEmpty()) {
        dialog.setDirectory(lastDialogDir_);
    }
    if (!request.initialDir.empty()) {
        dialog.setDirectory(PathToQt(request.initialDir));
    }
    const QFileInfo initial(PathToQt(request.fileName));
    if (!request.fileName.empty() && request.fileName.find('/') != std::string::npos) {
        dialog.setDirectory(initial.absolutePath());
    }
    // A wildcard name is the filter again, not a name to offer.
    if (!initial.fileName().contains(QLatin1Char('*')) && !initial.fileName().isEmpty()) {
        dialog.selectFile(initial.fileName());
    }
    const bool chosen =
        ExecUnderNormalPointer(dialog) == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    if (!chosen) {
        return {};
    }
    const QFileInfo file(dialog.selectedFiles().constFirst());
    lastDialogDir_ = file.absolutePath();
    return {PathFromQt(file.absoluteFilePath()), PathFromQt(file.fileName())};
}

int32_t QtPlatform::ChooseColour(int32_t startColour) {
    const QColor chosen = QColorDialog::getColor(ColourToQt(startColour), DialogParent());
    return chosen.isValid() ? ColourFromQt(chosen) : startColour;
}

void QtPlatform::DoEvents() {
    QCoreApplication::processEvents();
}

QFont FixedPitchFont() {
    QFont font(QStringLiteral("Courier New"), QApplication::font().pointSize());
    font.setStyleHint(QFont::Monospace);
    // Judged by the letters, as the font database does not always know.
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(QLatin1Char('i')) !=
        metrics.horizontalAdvance(QLatin1Char('M'))) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    }
    return font;
}

TextExtent QtPlatform::MeasureText(std::string_view text, FontKind font) {
    const QFontMetrics metrics(font == FontKind::FixedPitch ? FixedPitchFont()
                                                            : QApplication::font());
    return {metrics.horizontalAdvance(ToQt(text)), metrics.height()};
}

int QtPlatform::VerticalScrollBarWidth() {
    return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

TextExtent QtPlatform::ScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {800, 600};
    }
    const QRect area = screen->availableGeometry();
    return {area.width(), area.height()};
}

// Drawn at the screen's own pixels: twice as many each way on a screen of scale 2.
std::unique_ptr<DrawingSurface> QtPlatform::CreateSurface(int width, int height) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int scale = screen == nullptr ? 1 : std::max(1, qCeil(screen->devicePixelRatio()));
    return std::make_unique<QImageSurface>(width, height, scale);
}

FormView* QtPlatform::EnsureView(Form& form) {
    auto it = views_.find(&form);
    if (it != views_.end() && it->second.widget) {
        return it->second.view;
    }
    FormView* view = makeView_ ? makeView_(form) : nullptr;
    if (view == nullptr) {
        views_.erase(&form);
        return nullptr;
    }
    views_[&form] = {view, view->Widget()};
    return view;
}

FormView* QtPlatform::ViewOf(const Form& form) const {
    const auto it = views_.find(&form);
    return it != views_.end() && it->second.widget ? it->second.view : nullptr;
}

QWidget* QtPlatform::WidgetOf(const Form& form) const {
    const auto it = views_.find(&form);
    return it != views_.end() ? it->second.widget.data() : nullptr;
}

void QtPlatform::FormShown(Form& form, bool modal) {
    FormView* view = EnsureView(form);
    if (view == nullptr) {
        return;
    }
    QWidget* widget = view->Widget();
    const Qt::WindowModality modality = modal ? Qt::ApplicationModal : Qt::NonModal;
    if (widget->windowModality() != modality) {
        // Qt takes a new modality only on the next show.
        widget->hide();
        widget->setWindowModality(modality);
    }
    if (widget->isMinimized()) {
        widget->showNormal();
    } else {
        widget->show();
    }
    if (shown_) {
        shown_(form, *widget);
    }
    widget->raise();
    widget->activateWindow();
}

void QtPlatform::FormHidden(Form& form) {
    if (QWidget* widget = WidgetOf(form)) {
        widget->hide();
    }
}

void QtPlatform::FormUnloaded(Form& form) {
    const auto it = views_.find(&form);
    if (it == views_.end()) {
        return;
    }
    const ViewEntry entry = it->second;
    views_.erase(it);
    if (entry.widget) {
        // The view may be inside one of its own event handlers: delete it once that is over.
        entry.view->Detach();
        entry.widget->hide();
        entry.widget->deleteLater();
    }
}

void QtPlatform::EndProgram() {
    ended_ = true;
    for (auto& [form, entry] : views_) {
        if (entry.widget) {
            entry.widget->hide();
        }
    }
    QCoreApplication::quit();
}

void QtPlatform::QuitIfNoWindowLeft() {
    for (const auto& [form, entry] : views_) {
        if (entry.widget && entry.widget->isVisible()) {
            return;
        }
    }
    QCoreApplication::quit();
}

void QtPlatform::DestroyViews() {
    auto views = std::move(views_);
    views_.clear();
    for (auto& [form, entry] : views) {
        if (entry.widget) {
            entry.view->Detach();
            delete entry.widget.data();
        }
    }
}

} // namespace dered
