#include "ui/widgets/WindowStartupPlatform.h"

#include "ui/text/Language.h"
#include "ui/widgets/Twips.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace aisset::ui {

namespace {
// The progress window's client area.
constexpr int kProgressWidth = 3750, kProgressHeight = 375;
} // namespace

WindowStartupPlatform::WindowStartupPlatform(QString dataDir) : DesktopPlatform(std::move(dataDir)) {}
WindowStartupPlatform::~WindowStartupPlatform() = default;

// With AISSET_CLOSE_START_MESSAGE_MS set (automated tests of a second start),
// the box closes itself after that many milliseconds and reports on standard
// error the title and text it showed.
void WindowStartupPlatform::showMessage(const QString &text, const QString &title)
{
    // The platform shows the program's name for an empty title; a blank one stays blank.
    QMessageBox box(QMessageBox::NoIcon, title.isEmpty() ? QStringLiteral(" ") : text::translate("Window", title),
                    text::translate("Window", text), QMessageBox::Ok);
    bool closeAfterOk = false;
    const int closeAfter = qEnvironmentVariableIntValue("AISSET_CLOSE_START_MESSAGE_MS", &closeAfterOk);
    if (closeAfterOk) {
        QTimer::singleShot(closeAfter, &box, [&box] {
            const QString report =
                QStringLiteral("message box closed: title \"%1\" text \"%2\"\n").arg(box.windowTitle(), box.text());
            std::fputs(report.toLocal8Bit().constData(), stderr);
            box.accept();
        });
    }
    box.exec();
}

// The bar is the window: a small window captioned "Form3", centred on the screen.
void WindowStartupPlatform::showProgress(int minimum, int maximum)
{
    const Twips twips = Twips::forScreen();
    progress_ = std::make_unique<QProgressBar>();
    progress_->setObjectName(QStringLiteral("Bar1"));
    progress_->setWindowTitle(QStringLiteral("Form3"));
    progress_->setRange(minimum, maximum);
    progress_->setTextVisible(false);
    QRect client(0, 0, twips.px(kProgressWidth), twips.px(kProgressHeight));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        client.moveCenter(screen->availableGeometry().center());
    progress_->setGeometry(client);
    progress_->show();
}

void WindowStartupPlatform::setProgress(int value)
{
    if (progress_)
        progress_->setValue(value);
}

void WindowStartupPlatform::closeProgress() { progress_.reset(); }

} // namespace aisset::ui
