#pragma once

#include "state/TurnEvents.h"
#include "ui/Form.h"
#include "ui/ListBoxModel.h"
#include "ui/Observable.h"

#include <functional>
#include <utility>

namespace dered {

// Keeps a loaded form up to date: `refresh` runs on each change of `signal` that `matters`
// while the form is loaded (a form not loaded fills itself when it loads).
template <class Change, class Matters, class Refresh>
void RefreshWhileLoaded(Observable<Change>& signal, const Form& form, Matters matters,
                        Refresh refresh) {
    signal.Subscribe(
        [&form, matters = std::move(matters), refresh = std::move(refresh)](const Change& change) {
            if (form.IsLoaded() && matters(change)) {
                refresh();
            }
        });
}

// The same on every change of `signal`.
template <class Change, class Refresh>
void RefreshWhileLoaded(Observable<Change>& signal, const Form& form, Refresh refresh) {
    RefreshWhileLoaded(
        signal, form, [](const Change&) { return true; }, std::move(refresh));
}

// The turn changes that make the records a new start: a report opened or merged.
inline bool ReportOpened(const TurnChange& change) {
    return change.opened;
}

// A list's Click: the chosen line changed.
inline void OnChosen(ListBoxModel& list, std::function<void()> click) {
    list.Subscribe([click = std::move(click)](const ListChange& change) {
        if (change.kind == ListChange::Kind::Selection) {
            click();
        }
    });
}

} // namespace dered
