#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace aisset::test {

// Runs act on the next modal window of type W once it shows (within five
// seconds), from inside its own event loop. Fails the test when none comes.
template <typename W>
void whenModal(std::function<void(W &)> act)
{
    auto *poll = new QTimer;
    auto *deadline = new QElapsedTimer;
    deadline->start();
    QObject::connect(poll, &QTimer::timeout, [=] {
        auto *modal = qobject_cast<W *>(QApplication::activeModalWidget());
        if (!modal && !deadline->hasExpired(5000))
            return;
        poll->stop();
        poll->deleteLater();
        delete deadline;
        ASSERT_NE(modal, nullptr) << "no modal window came";
        act(*modal);
    });
    poll->start(10);
}

// Answers the next message box when it shows, after looking at it.
inline void answerNextBox(QMessageBox::StandardButton answer, std::function<void(QMessageBox &)> look = {})
{
    whenModal<QMessageBox>([=](QMessageBox &box) {
        if (look)
            look(box);
        box.button(answer)->click();
    });
}

} // namespace aisset::test
