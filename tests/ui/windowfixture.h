// Shared helpers for the main-window tests: a message recorder, and a shown
// window over an in-memory settings store with scripted draws.
#pragma once

#include "tests/doubles/memorysettingsstore.h"
#include "tests/doubles/scriptedrandomsource.h"
#include "ui/main/mainwindow.h"
#include "ui/main/usermessages.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

using StoredValues = QMap<QString, QString>;

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
    void warn(QWidget *, const QString &text, const QString &title) override
    {
        QWidget *focus = QApplication::focusWidget();
        auto *edit = qobject_cast<QLineEdit *>(focus);
        messages.append({title, text, focus ? focus->objectName() : QString(),
                         edit ? edit->selectedText() : QString()});
    }
    QList<RecordedMessage> messages;
};

struct WindowUnderTest
{
    explicit WindowUnderTest(QList<double> draws = {0.0}, const StoredValues &stored = {},
                             const std::shared_ptr<MemorySettingsStore> &settings = nullptr)
        : store(settings ? settings : std::make_shared<MemorySettingsStore>()),
          window(WithValues(*store, stored), messages,
                 std::make_unique<ScriptedRandomSource>(std::move(draws)))
    {
        window.show();
        QApplication::setActiveWindow(&window);
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&window);
    }

    static SettingsStore &WithValues(MemorySettingsStore &store, const QMap<QString, QString> &v)
    {
        store.values.insert(v);
        return store;
    }

    template <typename T = QWidget>
    T *get(const QString &name)
    {
        return window.findChild<T *>(name);
    }
    QCheckBox *check(const QString &name) { return get<QCheckBox>(name); }
    QLineEdit *edit(const QString &name) { return get<QLineEdit>(name); }
    QString text(const QString &name) { return get<QLabel>(name)->text(); }
    bool shown(const QString &name) { return !get(name)->isHidden(); }
    QString caption() { return get<QPushButton>("cmdAnswer")->text(); }
    QString focusName() const
    {
        QWidget *focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }
    QString panels() // the four status panels, joined by "|"
    {
        QStringList texts;
        for (int i = 1; i <= 4; ++i)
            texts << text(QStringLiteral("panel%1").arg(i));
        return texts.join('|');
    }
    int total() const { return window.session().tally().totalQuestions(); }
    void click(const QString &name) { QTest::mouseClick(get(name), Qt::LeftButton); }
    void press() { click("cmdAnswer"); }
    void type(const QString &box, const QString &text)
    {
        QLineEdit *e = edit(box);
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, text);
    }
    QString lastMessage() const
    {
        return messages.messages.isEmpty() ? QString() : messages.messages.last().text;
    }

    std::shared_ptr<MemorySettingsStore> store;
    RecordingMessages messages;
    MainWindow window;
};
