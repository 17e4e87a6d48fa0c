#pragma once

#include "link/SettingStore.h"
#include "store/ProfileStore.h"

namespace aisset {

// The link's settings (the stored port choice) kept in the per-user profile store.
class StoreSettings final : public SettingStore {
public:
    explicit StoreSettings(ProfileStore &store) : store_(store) {}

    QString read(const QString &app, const QString &section, const QString &key, const QString &fallback) override
    {
        return store_.read(app, section, key, fallback);
    }
    void save(const QString &app, const QString &section, const QString &key, const QString &value) override
    {
        // The link's settings are preferences (the port last chosen): a store that
        // cannot take one keeps the old choice, and the link goes on.
        (void)store_.save(app, section, key, value);
    }

private:
    ProfileStore &store_;
};

} // namespace aisset
