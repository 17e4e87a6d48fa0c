#include "PseudoTerminal.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace aisset::sim {

namespace {
QString systemError(const char *what)
{
    return QStringLiteral("%1: %2").arg(QString::fromLatin1(what), QString::fromLocal8Bit(std::strerror(errno)));
}
} // namespace

PseudoTerminal::PseudoTerminal(QObject *parent) : QObject(parent) {}

PseudoTerminal::~PseudoTerminal() { hangUp(); }

QString PseudoTerminal::open()
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0)
        return systemError("posix_openpt");
    if (grantpt(master_) != 0)
        return systemError("grantpt");
    if (unlockpt(master_) != 0)
        return systemError("unlockpt");
    const char *name = ptsname(master_);
    if (!name)
        return systemError("ptsname");
    path_ = QString::fromLocal8Bit(name);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);

    slave_ = ::open(name, O_RDWR | O_NOCTTY);
    if (slave_ < 0)
        return systemError("open slave");
    termios settings{};
    if (tcgetattr(slave_, &settings) != 0)
        return systemError("tcgetattr");
    cfmakeraw(&settings);
    cfsetispeed(&settings, B38400);
    cfsetospeed(&settings, B38400);
    if (tcsetattr(slave_, TCSANOW, &settings) != 0)
        return systemError("tcsetattr");

    readable_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Read);
    connect(readable_.get(), &QSocketNotifier::activated, this, &PseudoTerminal::readMaster);
    writable_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Write);
    writable_->setEnabled(false);
    connect(writable_.get(), &QSocketNotifier::activated, this, &PseudoTerminal::flush);
    return {};
}

void PseudoTerminal::readMaster()
{
    char buffer[4096];
    const ssize_t n = ::read(master_, buffer, sizeof buffer);
    if (n > 0)
        emit received(QByteArray(buffer, n));
}

void PseudoTerminal::write(const QByteArray &bytes)
{
    if (master_ < 0)
        return;
    outgoing_ += bytes;
    flush();
}

void PseudoTerminal::flush()
{
    while (!outgoing_.isEmpty()) {
        const ssize_t n = ::write(master_, outgoing_.constData(), size_t(outgoing_.size()));
        if (n <= 0)
            break; // the slave's input queue is full: wait until it is writable
        outgoing_.remove(0, n);
    }
    writable_->setEnabled(!outgoing_.isEmpty());
}

void PseudoTerminal::hangUp()
{
    readable_.reset();
    writable_.reset();
    for (int *fd : {&slave_, &master_}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
    outgoing_.clear();
}

} // namespace aisset::sim
