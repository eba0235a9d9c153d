// Whatever the control tool prints, every station taken from it is one address and nothing
// more: it becomes an argument of the disconnect command.

#include "stationlist.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray output
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    const QStringList stations = StationList::parse(output);
    for (const QString &station : stations) {
        if (station.size() != 17 || station != station.trimmed()
            || !StationList::isAddress(station)) {
            std::fprintf(stderr, "not an address: %s\n", qPrintable(station));
            std::abort();
        }
    }
    if (stations.size() > output.count('\n') + output.count('\r') + 1) {
        std::fprintf(stderr, "%d stations from fewer lines\n", int(stations.size()));
        std::abort();
    }
    return 0;
}
