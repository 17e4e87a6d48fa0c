#include "encoding/SystemSentence.h"

#include "encoding/BuildSupport.h"
#include "encoding/Primitives.h"
#include "encoding/SentenceLayout.h"
#include "encoding/SettingsPacking.h"
#include "model/ChoiceList.h"
#include "model/ChoiceTables.h"
#include "model/Form.h"
#include "model/Host.h"
#include "model/Normalise.h"
#include "model/PackedSettings.h"
#include "model/RecordSink.h"

#include <QStringList>

namespace aisset {

namespace {

// ---- Settings list -------------------------------------------------------

// A switch travels as its list position. Only the two positions of a switch are
// written; any other writes no item at all, and getcode1 refuses an unselected
// switch before the list is built.
void appendSwitch(QStringList &items, const Form &form, int s)
{
    const int position = form.choice(s).position();
    if (position == 0 || position == 1)
        items.append(QString::number(position));
}

// The item a packed setting adds to the settings list.
void appendItem(QStringList &items, const Form &form, const PackedSetting &setting)
{
    const int s = setting.slot;
    switch (setting.value) {
    case PackedValue::Steps:
    case PackedValue::Position:
        if (setting.carries == PackedItem::EntryText)
            items.append(form.choiceText(s));
        else
            appendSwitch(items, form, s);
        break;
    case PackedValue::Miles:
        items.append(form.choiceText(s) == kOffEntry ? QStringLiteral("00")
                                                     : QString::number(form.choice(s).position()));
        break;
    case PackedValue::OnIsZero: appendSwitch(items, form, s); break;
    case PackedValue::LightOn: {
        const QString light = form.choiceText(s);
        items.append(light == kOffEntry || light == u"关" ? QStringLiteral("0") : QStringLiteral("1"));
        break;
    }
    }
}

// The packed settings' items in list order, with the item that packs to nothing.
QString settingsList(const Form &form)
{
    QStringList items;
    for (const PackedSetting &setting : packedSettings()) {
        if (setting.item == kUnpackedItem + 1)
            items.append(QStringLiteral("00"));
        appendItem(items, form, setting);
    }
    return items.join(u',');
}

// ---- Sentence ------------------------------------------------------------

// A system choice field passes with an entry selected whose text is not empty.
bool hasEntry(const Form &form, int s) { return form.choice(s).position() >= 0 && !form.choiceText(s).isEmpty(); }

} // namespace

QString A8TO6(Form &form, const QString &list)
{
    PackedCharacters packed = packSettings(list);
    for (const QString &line : packed.trace)
        form.appendSentCommand(line);
    return packed.characters;
}

//  Body, 16 characters, no separators; the last four may be any six-bit
//  character, "," "*" "$" "!" and the double quote included:
//
//  channel1(4) channel2(4) soundPromptRange(2) alarmRange(2) packed(4)
BuildResult getcode1(Form &form, Host &host, RecordSink *records)
{
    form.clearSentCommands();
    for (int s = slot::channel1; s <= slot::dataOutput; ++s)
        trimSlot(form, s);
    fillMirrors(form, [](int) { return true; });

    FieldChecks checks;
    const auto check = [&](int s) {
        host.processEvents();
        if (!hasEntry(form, s))
            checks.fail(s);
    };
    for (int s = slot::channel1; s <= slot::dataOutput; ++s) {
        form.setMirror(s, ccg(form.mirror(s)));
        check(s);
    }
    for (int s = slot::alarmRange; s <= slot::alarm16; ++s) {
        refreshCopy(form, s);
        check(s);
    }
    // The switches after them travel by list position; one without an entry would
    // drop its item and move every later bit into a neighbour's place, so it is
    // refused like the fields above.
    for (int s = slot::aisTransmit; s <= slot::autoVhfOff; ++s)
        check(s);
    if (checks.anyFailed())
        return refuseBuild(form, host, checks.failedSlot(), FieldKind::Choice);

    // Events are handled once per channel field, as the body is built.
    host.processEvents();
    host.processEvents();
    const QString body = encodeFields(form, Group::System) + A8TO6(form, settingsList(form));

    BuildResult result = acceptBuild(form, frameCode(str(sentenceLayout(Group::System).address), body));
    if (records) {
        result.saving = records->saveSystemRecord(form);
        result.savingFailure = records->lastFailure();
    }
    return result;
}

} // namespace aisset
