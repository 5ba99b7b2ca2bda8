#pragma once

#include "app/MainForm.h"
#include "support/ScriptedDialogs.h"

#include <QComboBox>
#include <QCoreApplication>

#include <gtest/gtest.h>

#include <memory>

namespace volmar::test {

// A main window with scripted dialogs, shown on the offscreen platform.
class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TMainForm>(dialogs);
        form->show();
        QCoreApplication::processEvents();
    }

    void TearDown() override {
        form.reset();
        // Frames die late; let their deferred deletion run.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <typename T = QWidget> T* Find(const QString& name) const {
        T* found = form->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    TWindowItem* Add(const QString& name, qint32 left, qint32 top, qint32 right, qint32 bottom) {
        TWindowItem item;
        item.Name = name;
        item.Left = left;
        item.Top = top;
        item.Right = right;
        item.Bottom = bottom;
        TWindowItem* added = form->document().Append(item);
        form->RebuildWindowSelector();
        return added;
    }

    // Selects exactly the given definitions and rebuilds the frames.
    void Select(std::initializer_list<TWindowItem*> items) {
        form->SetAllSelected(false);
        for (TWindowItem* item : items)
            item->Selected = true;
        form->RebuildFrames();
        form->RebuildWindowSelector();
    }

    QStringList Names() const {
        QStringList names;
        for (const auto& item : form->document())
            names << item->Name;
        return names;
    }

    ScriptedDialogs dialogs;
    std::unique_ptr<TMainForm> form;
};

} // namespace volmar::test
