#include "trace/TraceFile.h"

#include <QDateTime>
#include <QFile>
#include <QLoggingCategory>
#include <QMutex>

#include <cstring>
#include <memory>

using namespace Qt::StringLiterals;

namespace aisset {

namespace {

struct Trace {
    QMutex mutex;
    std::unique_ptr<QFile> file;
    QtMessageHandler previous = nullptr;
};

Trace &trace()
{
    static Trace t;
    return t;
}

bool isOurs(const QMessageLogContext &context)
{
    return context.category && std::strncmp(context.category, "aisset.", 7) == 0;
}

void writeMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    Trace &t = trace();
    QMutexLocker lock(&t.mutex);
    if (!t.file || !isOurs(context)) {
        const QtMessageHandler previous = t.previous;
        lock.unlock();
        if (previous)
            previous(type, context, message);
        return;
    }
    const QString line = QDateTime::currentDateTime().toString(u"yyyy-MM-dd HH:mm:ss.zzz"_s) + u' ' +
                         QString::fromLatin1(context.category) + u' ' + message + u'\n';
    t.file->write(line.toUtf8());
    t.file->flush(); // a program that ends abruptly keeps its trace
}

} // namespace

QString TraceFile::start(const QString &path)
{
    stop();
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return path + QStringLiteral(": ") + file->errorString();
    Trace &t = trace();
    {
        QMutexLocker lock(&t.mutex);
        t.file = std::move(file);
    }
    t.previous = qInstallMessageHandler(writeMessage);
    QLoggingCategory::setFilterRules(QStringLiteral("aisset.*=true"));
    return {};
}

void TraceFile::stop()
{
    Trace &t = trace();
    if (!isRunning())
        return;
    QLoggingCategory::setFilterRules(QString());
    qInstallMessageHandler(t.previous);
    QMutexLocker lock(&t.mutex);
    t.file.reset();
    t.previous = nullptr;
}

bool TraceFile::isRunning()
{
    Trace &t = trace();
    QMutexLocker lock(&t.mutex);
    return t.file != nullptr;
}

QString TraceFile::path()
{
    Trace &t = trace();
    QMutexLocker lock(&t.mutex);
    return t.file ? t.file->fileName() : QString();
}

} // namespace aisset
