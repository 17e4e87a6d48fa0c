// Decoding one valid parameter line of the unit into a start-state form.
#include "decoding/ReplyDecoding.h"
#include "model/Form.h"
#include "model/Host.h"
#include "model/Normalise.h"
#include "model/QuietHost.h"

#include <benchmark/benchmark.h>

namespace {

using namespace aisset;

// Every field valid; text fields in the unit's text code, status characters "hnVu".
const QString kLine = QStringLiteral("!CVSET,0908171234567890150ZLpq```0025BXYZy``70085412345678009123456"
                                     "HAI`XING`w``````````10002005073108822881203hnVu*00\r\n");

void decodeValidLine(benchmark::State &state)
{
    Form form;
    applyStartState(form);
    QuietHost host;
    for (auto _ : state) {
        const DecodeResult result = FP(form, host, kLine);
        benchmark::DoNotOptimize(result);
        if (result != DecodeResult::Decoded)
            state.SkipWithError("the line did not decode");
    }
}
BENCHMARK(decodeValidLine)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
