#pragma once

#include <QHash>
#include <QString>

namespace aisset {

// The per-user key-value store the port choice is kept in, addressed by
// application, section and key; names compare without regard to case.
class SettingStore {
public:
    virtual ~SettingStore() = default;
    virtual QString read(const QString &app, const QString &section, const QString &key, const QString &fallback) = 0;
    virtual void save(const QString &app, const QString &section, const QString &key, const QString &value) = 0;
};

// A store that lives in memory only: for the command-line tool, which must not
// change the window's stored port, and for tests.
class MemorySettingStore : public SettingStore {
public:
    QString read(const QString &app, const QString &section, const QString &key, const QString &fallback) override
    {
        return values_.value(address(app, section, key), fallback);
    }
    void save(const QString &app, const QString &section, const QString &key, const QString &value) override
    {
        values_.insert(address(app, section, key), value);
    }

private:
    static QString address(const QString &app, const QString &section, const QString &key)
    {
        return (app + u'\x1f' + section + u'\x1f' + key).toLower();
    }
    QHash<QString, QString> values_;
};

} // namespace aisset
