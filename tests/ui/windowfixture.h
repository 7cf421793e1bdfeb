// Shared helpers for the main-window tests: a message recorder, a window
// over an in-memory settings store, and typed access to its controls.
#pragma once

#include "options/memorysettingsstore.h"
#include "quiz/randomsource.h"
#include "ui/main/mainwindow.h"
#include "ui/main/usermessages.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <memory>

struct RecordedMessage
{
    QString title;
    QString text;
    QString focus;     ///< objectName of the focused widget when the box opened
    QString selection; ///< its selected text, if it is a line edit
};

class RecordingMessages final : public UserMessages
{
public:
    void Warn(QWidget *, const QString &text, const QString &title) override
    {
        RecordedMessage m{title, text, {}, {}};
        if (QWidget *focus = QApplication::focusWidget()) {
            m.focus = focus->objectName();
            if (auto *edit = qobject_cast<QLineEdit *>(focus))
                m.selection = edit->selectedText();
        }
        messages.append(m);
    }
    QList<RecordedMessage> messages;
};

/// A shown, active main window over @p store with scripted draws.
struct WindowUnderTest
{
    explicit WindowUnderTest(QList<double> draws = {0.0},
                             std::shared_ptr<MemorySettingsStore> settings = nullptr)
        : store(settings ? settings : std::make_shared<MemorySettingsStore>()),
          window(*store, messages, std::make_unique<ScriptedRandomSource>(std::move(draws)))
    {
        window.show();
        QApplication::setActiveWindow(&window);
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&window);
    }

    template <typename T>
    T *get(const QString &name)
    {
        return window.findChild<T *>(name);
    }
    QCheckBox *check(const QString &name) { return get<QCheckBox>(name); }
    QLineEdit *edit(const QString &name) { return get<QLineEdit>(name); }
    QLabel *label(const QString &name) { return get<QLabel>(name); }
    QPushButton *button(const QString &name) { return get<QPushButton>(name); }
    QString focusName() const
    {
        QWidget *focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }
    QStringList panels()
    {
        QStringList texts;
        for (int i = 1; i <= 4; ++i)
            texts << label(QStringLiteral("panel%1").arg(i))->text();
        return texts;
    }
    void press() { QTest::mouseClick(button(QStringLiteral("cmdAnswer")), Qt::LeftButton); }
    void type(const QString &box, const QString &text)
    {
        QLineEdit *e = edit(box);
        e->setFocus();
        e->selectAll();
        if (text.isEmpty())
            QTest::keyClick(e, Qt::Key_Delete);
        else
            QTest::keyClicks(e, text);
    }

    std::shared_ptr<MemorySettingsStore> store;
    RecordingMessages messages;
    MainWindow window;
};
