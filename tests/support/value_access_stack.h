#pragma once
// The value access of a panel and everything under it, for the tests of address resolution and of
// the display handlers: a fake host, fresh panel memory, the converter libraries of the run folder and
// an offline write queue.

#include "simulator/memory/value_access.h"
#include "tests/support/fake_host.h"

namespace sim::test {

struct ValueAccessStack {
    FakeHost host;
    PanelMemory memory;
    ConverterBinding converters{host, HMI_RUN_DIR};
    ExchangeLock lock;
    WriteQueue queue{lock};
    ValueAccess access{memory, converters, queue};
};

}  // namespace sim::test
