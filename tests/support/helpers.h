#pragma once

#include <QComboBox>
#include <QStringList>
#include <QVariantMap>
#include <initializer_list>
#include <utility>

namespace solario::test {

// A row for FixtureDb::AddProduct or AddGeneralName: column name and value.
inline QVariantMap Product(std::initializer_list<std::pair<const char16_t*, QVariant>> values) {
    QVariantMap m;
    for (const auto& [k, v] : values)
        m.insert(QString::fromUtf16(k), v);
    return m;
}

// A combo's items in order.
inline QStringList Items(const QComboBox& combo) {
    QStringList items;
    for (int i = 0; i < combo.count(); ++i)
        items.append(combo.itemText(i));
    return items;
}

} // namespace solario::test
