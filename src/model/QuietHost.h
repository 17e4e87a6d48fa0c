#pragma once

#include "model/Host.h"

namespace aisset {

// A host for work nobody watches (a port being tried, a benchmark): every
// question is answered Yes and nothing is shown.
class QuietHost : public Host {
public:
    using Host::askYesNo;
    using Host::showMessage;
    void showMessage(const QString &, const QString &) override {}
    bool askYesNo(const QString &, const QString &) override { return true; }
    void processEvents() override {}
    void moveFocus(FieldKind, int) override {}
    QString words(Message) const override { return {}; }
};

} // namespace aisset
