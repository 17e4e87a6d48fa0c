#include "decoding/StatusFields.h"

#include "decoding/DecodeContext.h"
#include "decoding/StatusBits.h"
#include "encoding/Primitives.h"
#include "model/FieldTable.h"
#include "model/Form.h"
#include "model/PackedSettings.h"

namespace aisset {

namespace {

QString switchLine(const StatusRunTexts &runs)
{
    QStringList parts;
    for (int s : switchLineOrder())
        parts.append(runs[std::size_t(s)]);
    return traceWords(traceHead::readSwitches) + parts.join(u' ') + u']';
}

// One labelled line of every run; the binary line leaves out the runs it does not show.
QString labelledLine(const char16_t *head, const StatusRunTexts &texts, bool binaryLine)
{
    QString line = traceWords(head);
    line.reserve(160);
    for (const PackedTraceLabel &label : packedTraceLabels()) {
        if (binaryLine && !label.readBinaryLine)
            continue;
        line += traceWords(label.readLabel);
        line += u'(';
        line += texts[std::size_t(label.slot)];
        line += u')';
    }
    line += u']';
    return line;
}

// Selects the entry a setting's value n stands for.
void select(DecodeContext &context, const PackedSetting &setting, qint64 n)
{
    const int s = setting.slot;
    switch (setting.value) {
    case PackedValue::Position:
    case PackedValue::LightOn: context.selectPosition(s, n); break;
    case PackedValue::Steps:
        if (n == 0)
            context.selectPosition(s, 0);
        else
            context.selectText(s, QString::number(n));
        break;
    case PackedValue::Miles:
        if (n == 0)
            context.selectPosition(s, 0);
        else
            context.selectText(s, QString::number(n) + QStringLiteral("海里"));
        break;
    case PackedValue::OnIsZero:
        if (n == 1)
            context.selectPosition(s, 0);
        else if (n == 0)
            context.selectPosition(s, 1);
        break;
    }
}

} // namespace

bool decodeStatusCharacters(DecodeContext &context, const QString &fourChars)
{
    Form &form = context.form();
    const StatusRunTexts runs = cutStatusRuns(A6T8(form, fourChars));
    form.appendSentCommand(switchLine(runs));
    form.appendSentCommand(labelledLine(traceHead::readRuns, runs, true));

    std::array<qint64, kSlotCount> values{};
    StatusRunTexts decimals;
    for (const PackedSetting &setting : packedSettings()) {
        const auto s = std::size_t(setting.slot);
        values[s] = A2TO10(runs[s]);
        decimals[s] = QString::number(values[s]);
    }

    // The light prompt is set first and never checked: it is not in the trace
    // lists, and a value without an entry leaves it as it was.
    for (const PackedSetting &setting : packedSettings())
        if (setting.value == PackedValue::LightOn)
            select(context, setting, values[std::size_t(setting.slot)]);
    form.appendSentCommand(labelledLine(traceHead::readDecimals, decimals, false));

    for (std::size_t i = 0; i < packedSettings().size(); ++i) {
        const PackedSetting &setting = packedSettings()[i];
        const PackedTraceLabel &label = packedTraceLabels()[i];
        if (setting.value == PackedValue::LightOn)
            continue;
        const QString &n = decimals[std::size_t(setting.slot)];
        if (label.readCutList)
            context.addCut(n);
        context.addValue(n, label.readValueComma);
        select(context, setting, values[std::size_t(setting.slot)]);
        if (!context.showsEntry(setting.slot))
            return false;
    }
    return true;
}

} // namespace aisset
