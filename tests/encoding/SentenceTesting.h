#pragma once

// Helpers shared by the sentence builder tests.

#include "ScriptedHost.h"
#include "encoding/BuildResult.h"
#include "model/Form.h"
#include "model/RecordSink.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <utility>

namespace aisset::test {

// Counts the savings a builder asks for, one counter per group, and answers each
// with `result`.
struct CountingSink : RecordSink {
    int ownShip = 0;
    int system = 0;
    int factory = 0;
    SaveResult result = SaveResult::Saved;
    SaveResult saveOwnShipRecord(Form &) override { return ++ownShip, result; }
    SaveResult saveSystemRecord(Form &) override { return ++system, result; }
    SaveResult saveFactoryRecord(Form &) override { return ++factory, result; }
};

// Names the cases of INSTANTIATE_TEST_SUITE_P after their `what` member, every
// character other than a letter or digit replaced by "_".
struct ByWhat {
    template <typename Info>
    std::string operator()(const Info &caseInfo) const
    {
        std::string name = caseInfo.param.what;
        for (char &c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    }
};

// A refused build: no sentence, one message with the application title, the
// focus on the failing field, the window enabled again, nothing logged.
inline void expectRefused(const BuildResult &r, const Form &form, const ScriptedHost &host, int failedSlot,
                          FieldKind focusKind)
{
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.failedSlot, failedSlot);
    EXPECT_EQ(host.messages, QStringList{QStringLiteral("有错误,请检查数据")});
    EXPECT_EQ(host.titles, QStringList{QStringLiteral("Ais设置")});
    EXPECT_EQ(host.focus, std::make_pair(focusKind, failedSlot));
    EXPECT_TRUE(form.isEnabled());
    EXPECT_TRUE(form.sentCommands().isEmpty());
}

} // namespace aisset::test
