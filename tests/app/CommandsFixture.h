#pragma once

#include "MainFormFixture.h"

#include <QClipboard>
#include <QGuiApplication>

#include <ostream>
#include <vector>

namespace volmar::test {

// A definition's name and edges, for comparing documents in one line.
struct Edges {
    QString name;
    qint32 left, top, right, bottom;
    bool operator==(const Edges&) const = default;
};

inline void PrintTo(const Edges& e, std::ostream* os) {
    *os << '"' << e.name.toStdString() << "\" (" << e.left << "," << e.top << "," << e.right << ","
        << e.bottom << ")";
}

// The main window with helpers for the commands of the edit, file and tool menus.
class CommandsTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        QGuiApplication::clipboard()->clear();
    }

    std::vector<Edges> Document() const {
        std::vector<Edges> edges;
        for (const auto& item : form->document())
            edges.push_back({item->Name, item->Left, item->Top, item->Right, item->Bottom});
        return edges;
    }

    QStringList SelectedNames() const {
        QStringList names;
        for (const auto& item : form->document())
            if (item->Selected)
                names << item->Name;
        return names;
    }

    // Runs a command as the user would: through its action, after the idle
    // update has enabled or disabled it.
    void Trigger(QAction* action) {
        form->UpdateActions();
        action->trigger();
    }

    static QString Clipboard() { return QGuiApplication::clipboard()->text(); }
    static void SetClipboard(const QString& text) { QGuiApplication::clipboard()->setText(text); }
};

} // namespace volmar::test
