#pragma once

#include "widgets/button/ButtonProperties.h"

#include <QList>
#include <QStringList>
#include <QVariant>
#include <initializer_list>
#include <utility>

namespace tidecopy {

// The keyed values a window stores for one button, in the order written. Keys are
// matched without regard to case.
class PropertyBag {
public:
    PropertyBag() = default;
    PropertyBag(std::initializer_list<std::pair<QString, QVariant>> values);

    // Writes the value unless it equals the default: a missing key reads as the default.
    void write(const QString& key, const QVariant& value, const QVariant& defaultValue);
    void write(const QString& key, const QVariant& value);
    QVariant read(const QString& key, const QVariant& defaultValue) const;
    QStringList keys() const;

private:
    QList<std::pair<QString, QVariant>> m_values;
};

// What the containing window lends a button whose keys are missing.
struct ContainerDefaults {
    QFont font;
    ColorValue backColor = ButtonFaceColor;
};

PropertyBag storeButtonProperties(const ButtonProperties& properties,
                                  const ContainerDefaults& container);

// Values are taken as stored, without the setters' side effects; a value of the wrong
// type or out of its range reads as the default, so a damaged store cannot break drawing.
ButtonProperties loadButtonProperties(const PropertyBag& bag, const ContainerDefaults& container);

} // namespace tidecopy
