#include "stationlist.h"

#include <QTextStream>

namespace StationList {

bool isAddress(const QString &text)
{
    const QString address = text.trimmed();
    if (address.size() != 17)
        return false;
    for (int i = 0; i < address.size(); ++i) {
        const ushort c = address.at(i).unicode();
        if (i % 3 == 2) {
            if (c != ':')
                return false;
        } else if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))) {
            return false;
        }
    }
    return true;
}

QStringList parse(const QByteArray &output)
{
    QStringList stations;
    QTextStream stream(output, QIODevice::ReadOnly);
    for (QString line = stream.readLine(); !line.isNull(); line = stream.readLine()) {
        if (isAddress(line))
            stations.append(line.trimmed());
    }
    return stations;
}

} // namespace StationList
