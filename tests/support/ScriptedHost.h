#pragma once

#include "model/Host.h"
#include "ui/text/Catalogue.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <utility>

namespace aisset::test {

// A host that records what the procedures ask of the window and answers
// questions from a script (Yes when the script is empty).
class ScriptedHost : public Host {
public:
    using Host::askYesNo;
    using Host::showMessage;

    void showMessage(const QString &text, const QString &title) override
    {
        messages.append(text);
        titles.append(title);
        if (onMessage)
            onMessage(text);
    }

    bool askYesNo(const QString &text, const QString &title) override
    {
        questions.append(text);
        titles.append(title);
        if (answers.empty())
            return true;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }

    void processEvents() override
    {
        ++eventPasses;
        if (onProcessEvents)
            onProcessEvents();
    }

    void moveFocus(FieldKind kind, int slot) override { focus = {kind, slot}; }
    // The window's words, so that tests read what a person would.
    QString words(Message message) const override { return catalogue::text(message); }

    QStringList messages;
    QStringList questions;
    QStringList titles;
    std::deque<bool> answers;
    int eventPasses = 0;
    std::pair<FieldKind, int> focus{FieldKind::Edit, -1};
    std::function<void()> onProcessEvents;
    std::function<void(const QString &)> onMessage;
};

} // namespace aisset::test
