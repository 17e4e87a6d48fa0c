#pragma once

#include "model/SaveResult.h"
#include "store/ProfileRecords.h"

#include <QString>
#include <QStringList>

namespace aisset {

class Form;
class Host;

// The records dialog without its window: the list of saved ships, loading one
// ship's stored values into the form, and forgetting the list. Loading a record
// only hides the dialog, so the next opening shows the same list without reading
// the store again; emptying the list or closing the dialog unloads it, and the
// next opening reads the store afresh.
class RecordsDialog {
public:
    RecordsDialog(ProfileRecords &records, QString sysDir);

    // Opens the dialog, loading it first when it is not loaded.
    void open();
    bool isLoaded() const { return loaded_; }
    bool isVisible() const { return visible_; }

    // The skin file the dialog applies when it loads; empty for none.
    const QString &skinPath() const { return skinPath_; }

    const RecordNames &entries() const { return entries_; }
    int selected() const { return selected_; }
    void select(int index);

    // "开始载入数据": loads the selected record into the form and hides the dialog;
    // without a selection it tells the user to choose one and stays open.
    void loadSelected(Form &form, Host &host);
    // A double click loads the selected entry when there is one.
    void doubleClick(Form &form, Host &host);
    // "清空注册数据": forgets the list of ships in the store and unloads the dialog;
    // says whether the store took the change.
    SaveResult clearList();
    // The dialog's window was closed.
    void close();

private:
    void load();
    void unload();

    ProfileRecords &records_;
    QString sysDir_;
    bool loaded_ = false;
    bool visible_ = false;
    QString skinPath_;
    RecordNames entries_;
    int selected_ = -1;
};

// Puts one ship's stored values, one per slot in slot order, into a reset form.
void loadRecordIntoForm(Form &form, const QStringList &values);

} // namespace aisset
