#include "scriptedrandomsource.h"

#include <utility>

ScriptedRandomSource::ScriptedRandomSource(QList<double> values) : m_values(std::move(values)) {}

double ScriptedRandomSource::next()
{
    if (m_values.isEmpty())
        return 0.0;
    const double value = m_values.at(m_drawn % m_values.size());
    ++m_drawn;
    return value;
}
