#include "soakrandom.h"

SoakRandom::SoakRandom(quint64 seed)
    : m_engine(seed)
{ }

quint64 SoakRandom::next()
{
    return m_engine();
}

int SoakRandom::below(int n)
{
    return n < 1 ? 0 : int(next() % quint64(n));
}

bool SoakRandom::percent(int percent)
{
    return below(100) < percent;
}

int SoakRandom::weighted(const QVector<int> &weights)
{
    int total = 0;
    for (int weight : weights)
        total += weight;
    int draw = below(total);
    for (int idx = 0; idx < weights.size(); ++idx) {
        if (draw < weights.at(idx))
            return idx;
        draw -= weights.at(idx);
    }
    return weights.size() - 1;
}

QByteArray SoakRandom::bytes(int count)
{
    QByteArray data(count, Qt::Uninitialized);
    for (int idx = 0; idx < count; ++idx)
        data[idx] = char(next() & 0xff);
    return data;
}
