#pragma once

#include "model/Host.h"
#include "ui/text/Catalogue.h"

#include <QCoreApplication>
#include <QStringList>

namespace aisset::cli {

// The command-line tool's stand-in for the window: confirmations are answered
// with Yes, message boxes are collected for the tool's output.
class CliHost : public Host {
public:
    using Host::askYesNo;
    using Host::showMessage;

    void showMessage(const QString &text, const QString &) override { messages.append(text); }
    bool askYesNo(const QString &text, const QString &) override
    {
        questions.append(text);
        return true;
    }
    void processEvents() override { QCoreApplication::processEvents(); }
    void moveFocus(FieldKind, int slot) override { focusSlot = slot; }
    QString words(Message message) const override { return catalogue::text(message); }

    QStringList messages;
    QStringList questions;
    int focusSlot = -1;
};

} // namespace aisset::cli
