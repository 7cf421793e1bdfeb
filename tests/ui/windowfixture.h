// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Shared helpers for the main-window tests: a message recorder, typing and
// clicking by control name, and a shown window over an in-memory settings
// store with scripted draws.
#pragma once

#include "tests/doubles/memorysettingsstore.h"
#include "tests/doubles/scriptedrandomsource.h"
#include "ui/main/mainwindow.h"
#include "ui/main/usermessages.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>

// What the announcer last told a screen reader. Before Qt 6.8 that is its
// name; from 6.8 it tells by an announcement event, kept here as it is sent.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
inline QString lastAnnouncement;
inline void listenForAnnouncements()
{
    lastAnnouncement.clear();
    QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
        if (event->type() == QAccessible::Announcement)
            lastAnnouncement = static_cast<QAccessibleAnnouncementEvent *>(event)->message();
    });
}
inline QString announced(QAccessibleInterface *)
{
    return lastAnnouncement;
}
#else
inline void listenForAnnouncements() {}
inline QString announced(QAccessibleInterface *announcer)
{
    return announcer->text(QAccessible::Name);
}
#endif

// The focused control and its selected text: "txtMax0 [10]".
inline QString focusNow()
{
    QWidget *focus = QApplication::focusWidget();
    auto *edit = qobject_cast<QLineEdit *>(focus);
    return (focus ? focus->objectName() : QString()) + " [" +
           (edit ? edit->selectedText() : QString()) + ']';
}

// Each message as "title: text", with the focus as it opened.
class RecordingMessages final : public UserMessages
{
public:
    void warn(QWidget *, const QString &text, const QString &title) override
    {
        texts << title + ": " + text;
        focused << focusNow();
    }
    QStringList texts, focused;
};

// Replaces a box's text as a user does: focus, select all, delete, type.
inline void type(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// The window over the given store, or a fresh one, holding the stored values
// written as "key=text" (the text is all after the first "=").
struct WindowUnderTest
{
    explicit WindowUnderTest(QList<double> draws = {0.0}, const QStringList &stored = {},
                             const std::shared_ptr<MemorySettingsStore> &settings = nullptr)
        : store(settings ? settings : std::make_shared<MemorySettingsStore>()),
          window((storeValues(stored), *store), messages,
                 std::make_unique<ScriptedRandomSource>(std::move(draws)))
    {
        listenForAnnouncements();
        window.show();
        window.activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&window);
    }

    template <typename T = QWidget>
    T *get(const QString &name)
    {
        return window.findChild<T *>(name);
    }
    QLineEdit *edit(const QString &name) { return get<QLineEdit>(name); }
    QString text(const QString &name) { return get<QLabel>(name)->text(); }
    bool shown(const QString &name) { return !get(name)->isHidden(); }
    void storeValues(const QStringList &pairs)
    {
        for (const QString &pair : pairs)
            store->values.insert(pair.section('=', 0, 0), pair.section('=', 1, -1));
    }
    QString caption() { return get<QPushButton>("cmdAnswer")->text(); }
    QString panels() // the four status panels, joined by "|"
    {
        return QStringList({text("panel1"), text("panel2"), text("panel3"), text("panel4")})
            .join('|');
    }
    // What a screen reader gets from a control: "name (description)".
    QString spoken(const QString &name)
    {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(get(name));
        return (name == "announcer" ? announced(a) : a->text(QAccessible::Name)) + " (" +
               a->text(QAccessible::Description) + ')';
    }
    // Where a pupil clicks: a check box on its square (a short caption leaves
    // the middle of the box outside what a click toggles), else the middle.
    static QPoint clickPoint(QWidget *w)
    {
        QStyleOptionButton option;
        option.initFrom(w);
        return qobject_cast<QCheckBox *>(w)
                   ? w->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, w).center()
                   : w->rect().center();
    }
    // "name" clicks the control, "box=text" types the text (all after the
    // first "=") into the box.
    void act(const QStringList &actions)
    {
        for (const QString &action : actions) {
            if (action.contains('='))
                type(edit(action.section('=', 0, 0)), action.section('=', 1, -1));
            else
                QTest::mouseClick(get(action), Qt::LeftButton, {}, clickPoint(get(action)));
        }
    }

    std::shared_ptr<MemorySettingsStore> store;
    RecordingMessages messages;
    MainWindow window;
};
