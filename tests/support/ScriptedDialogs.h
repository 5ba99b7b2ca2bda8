#pragma once

#include "dialogs/Dialogs.h"

#include <QDialog>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

namespace volmar::test {

// A Dialogs seam for tests: answers come from queues filled by the test, and
// every question asked is recorded. An empty queue gives the cancel answer.
class ScriptedDialogs : public Dialogs {
public:
    std::deque<QString> names;
    std::deque<bool> confirms;
    std::deque<std::optional<QString>> openPaths;
    std::deque<std::optional<QString>> savePaths;
    std::deque<std::optional<QString>> picturePaths;
    std::deque<std::optional<QColor>> colors;
    // Each entry runs against the form being shown and returns its result
    // (QDialog::Accepted or QDialog::Rejected).
    std::deque<std::function<int(QDialog&)>> forms;

    QStringList asked;    // captions of confirmations, "name", "open", ...
    QStringList errors;   // messages given to ShowError
    QStringList informed; // texts given to Inform
    QStringList urls;     // addresses opened

    QString AskWindowName(QWidget*) override {
        asked << QStringLiteral("name");
        return take(names, QString());
    }
    bool Confirm(QWidget*, const QString& caption, const QString&) override {
        asked << caption;
        return take(confirms, false);
    }
    void ShowError(QWidget*, const QString& message) override { errors << message; }
    void Inform(QWidget*, const QString& text) override {
        asked << QStringLiteral("inform");
        informed << text;
    }
    std::optional<QString> OpenProjectPath(QWidget*) override {
        asked << QStringLiteral("open");
        return take(openPaths, std::optional<QString>());
    }
    std::optional<QString> SaveProjectPath(QWidget*) override {
        asked << QStringLiteral("save");
        return take(savePaths, std::optional<QString>());
    }
    std::optional<QString> OpenPicturePath(QWidget*) override {
        asked << QStringLiteral("picture");
        return take(picturePaths, std::optional<QString>());
    }
    std::optional<QColor> ChooseColor(QWidget*, const QColor&) override {
        asked << QStringLiteral("color");
        return take(colors, std::optional<QColor>());
    }
    int Exec(QDialog& dialog) override {
        asked << dialog.objectName();
        if (forms.empty())
            return QDialog::Rejected;
        auto script = std::move(forms.front());
        forms.pop_front();
        return script(dialog);
    }
    void OpenUrl(const QString& url) override { urls << url; }

private:
    // The answer is moved into the fallback rather than into a fresh local:
    // g++ 12 at -O2 takes a fresh std::optional<QString> for uninitialised.
    template <typename T> static T take(std::deque<T>& queue, T fallback) {
        if (!queue.empty()) {
            fallback = std::move(queue.front());
            queue.pop_front();
        }
        return fallback;
    }
};

} // namespace volmar::test
