#include "ui/Application.h"

void TAppData::AddData(const QString& name, const QVariant& value) {
    m_values[name] = value;
}

QVariant TAppData::Get(const QString& name) const {
    const auto it = m_values.find(name);
    return it == m_values.end() ? QVariant() : it->second;
}

void TAppData::Set(const QString& name, const QVariant& value) {
    m_values[name] = value;
}

bool TAppData::Has(const QString& name) const {
    return m_values.count(name) != 0;
}

TAppData& AppData() {
    static TAppData data;
    return data;
}
